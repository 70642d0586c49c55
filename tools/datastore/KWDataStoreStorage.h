#pragma once

#include <QDateTime>
#include <QString>

#include <mutex>
#include <optional>

struct TKWUpload;

// One stored upload; "Received" is the UTC time of its arrival as ISO text.
struct TKWStoredUpload
{
    QString VisitId;
    QString DataName;
    QString DataContent;
    QString Received;
};

// The uploads in one SQLite file, one row per visit. Safe to use from several threads: every
// operation opens its own connection in the calling thread (Qt SQL connections must not cross
// threads) and the operations of one object run one after the other.
class TKWDataStoreStorage final
{
public:
    // Opens or creates the file and its table; raises EKWException when that fails.
    explicit TKWDataStoreStorage(const QString& AFileName);

    // Keeps the upload under its visit id; a repeated upload of the same visit replaces the
    // earlier one. Raises EKWException when the file cannot be written.
    void Store(const TKWUpload& AUpload, const QDateTime& AReceived);
    std::optional<TKWStoredUpload> Find(const QString& AVisitId) const;
    int Count() const;

private:
    QString FFileName;
    mutable std::mutex FMutex;
};

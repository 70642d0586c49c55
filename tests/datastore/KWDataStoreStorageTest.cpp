#include "KWDataStoreStorage.h"

#include "KWException.h"
#include "KWUploadValidation.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTimeZone>

#include <atomic>
#include <thread>

namespace {

QString VisitId(int ANumber)
{
    return QStringLiteral("3F2504E0-4F89-41D3-9A0C-%1.2021-12-14-10-30-00")
        .arg(ANumber, 12, 10, QLatin1Char('0'));
}

TKWUpload Upload(const QString& AVisitId, const QString& AContent)
{
    return {AVisitId, QStringLiteral("BeratungAnonym.0A1B2C3D.json"), AContent};
}

const QDateTime cReceived(QDate(2024, 5, 1), QTime(10, 0, 0), Qt::UTC);

class KWDataStoreStorageTest : public ::testing::Test
{
protected:
    QString FileName() const { return FFolder.filePath(QStringLiteral("datastore.s3db")); }

    QTemporaryDir FFolder;
};

TEST_F(KWDataStoreStorageTest, KeepsTheUploadWithItsUtcReceiptTime)
{
    TKWDataStoreStorage Storage(FileName());
    // Given in another zone, so that a missing conversion to UTC shows.
    const QDateTime Received = cReceived.toTimeZone(QTimeZone(QByteArray("Europe/Berlin")));

    Storage.Store(Upload(VisitId(1), QStringLiteral("{\"Erfassung\":{\"Stall\":\"Süd\"}}")),
                  Received);

    const std::optional<TKWStoredUpload> Stored = Storage.Find(VisitId(1));
    ASSERT_TRUE(Stored);
    EXPECT_EQ(Stored->VisitId, VisitId(1));
    EXPECT_EQ(Stored->DataName, QStringLiteral("BeratungAnonym.0A1B2C3D.json"));
    EXPECT_EQ(Stored->DataContent, QStringLiteral("{\"Erfassung\":{\"Stall\":\"Süd\"}}"));
    EXPECT_EQ(Stored->Received, QStringLiteral("2024-05-01T10:00:00Z"));
    EXPECT_FALSE(Storage.Find(VisitId(2)));
}

TEST_F(KWDataStoreStorageTest, RepeatedUploadReplacesTheEarlierOne)
{
    TKWDataStoreStorage Storage(FileName());
    Storage.Store(Upload(VisitId(1), QStringLiteral("{\"Erfassung\":{}}")), cReceived);
    Storage.Store(Upload(VisitId(2), QStringLiteral("{\"Erfassung\":{}}")), cReceived);
    TKWUpload Second = Upload(VisitId(1), QStringLiteral("{\"Erfassung\":{\"neu\":1}}"));
    Second.DataName = QStringLiteral("BeratungAnonym.FFFFFFFF.json");

    Storage.Store(Second, cReceived.addSecs(60));

    EXPECT_EQ(Storage.Count(), 2);
    const std::optional<TKWStoredUpload> Stored = Storage.Find(VisitId(1));
    ASSERT_TRUE(Stored);
    EXPECT_EQ(Stored->DataName, Second.DataName);
    EXPECT_EQ(Stored->DataContent, Second.DataContent);
    EXPECT_EQ(Stored->Received, QStringLiteral("2024-05-01T10:01:00Z"));
}

TEST_F(KWDataStoreStorageTest, UploadsSurviveReopening)
{
    TKWDataStoreStorage(FileName()).Store(Upload(VisitId(1), QStringLiteral("{}")), cReceived);

    const TKWDataStoreStorage Reopened(FileName());

    EXPECT_EQ(Reopened.Count(), 1);
    EXPECT_TRUE(Reopened.Find(VisitId(1)));
}

TEST_F(KWDataStoreStorageTest, FileThatCannotBeCreatedRaises)
{
    EXPECT_THROW(TKWDataStoreStorage(FFolder.filePath(QStringLiteral("missing/datastore.s3db"))),
                 EKWException);
}

// The server stores from its worker threads; a connection shared across threads would fail or
// lose rows here.
TEST_F(KWDataStoreStorageTest, StoresFromSeveralThreadsAtOnce)
{
    TKWDataStoreStorage Storage(FileName());
    constexpr int cThreads = 4;
    constexpr int cUploadsPerThread = 25;
    std::atomic<int> Failures = 0;
    std::vector<std::thread> Threads;
    for (int T = 0; T < cThreads; ++T)
        Threads.emplace_back([&Storage, &Failures, T] {
            for (int I = 0; I < cUploadsPerThread; ++I) {
                try {
                    Storage.Store(Upload(VisitId(T * cUploadsPerThread + I), QStringLiteral("{}")),
                                  cReceived);
                } catch (const EKWException&) {
                    ++Failures;
                }
            }
        });
    for (std::thread& Thread : Threads)
        Thread.join();

    EXPECT_EQ(Failures, 0);
    EXPECT_EQ(Storage.Count(), cThreads * cUploadsPerThread);
}

} // namespace

#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

// Writes page screenshots as PNG files on one worker thread, so that a page change does not
// wait for the encoding. A picture that is still waiting for its file is replaced by a newer
// one for the same file. Failures are logged on the thread that owns the writer.
class TKWScreenshotWriter final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TKWScreenshotWriter)

public:
    TKWScreenshotWriter();
    // Writes what is still waiting, then stops the worker.
    ~TKWScreenshotWriter() override;

    // The one writer of the program.
    static TKWScreenshotWriter& Instance();

    // Queues AImage for the file APath (its folder exists).
    void Write(const QString& APath, QImage AImage);
    // Returns once every queued picture is written and logs the failures.
    void Finish();

private:
    struct TFailure
    {
        QString Path;
        QString Message;
    };

    void Run();
    // Takes the next queued picture; false when the worker is to stop.
    bool Take(std::pair<QString, QImage>& AJob);
    void LogFailures();

    std::mutex FMutex;
    std::condition_variable FQueued;
    std::condition_variable FIdle;
    std::deque<std::pair<QString, QImage>> FQueue;
    std::deque<TFailure> FFailures;
    bool FWriting = false;
    bool FStopping = false;
    std::thread FWorker;
};

// Waits for the screenshots still being written; before the program ends and before anything
// reads or removes a visit folder.
void KWFinishScreenshots();

#include "KWScreenshotWriter.h"

#include "KWUtils.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// Empty on success, else why the file could not be written.
QString WritePng(const QString& APath, const QImage& AImage)
{
    QSaveFile File(APath);
    if (File.open(QIODevice::WriteOnly) && AImage.save(&File, "PNG") && File.commit())
        return {};
    return File.errorString();
}

// The pictures can wait: where the window's thread and the worker share a processor, the window
// goes first. On an idle processor the worker still runs at full speed.
void YieldToTheWindow()
{
#ifdef Q_OS_LINUX
    constexpr int WorkerNice = 10;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), WorkerNice);
#endif
}

} // namespace

TKWScreenshotWriter::TKWScreenshotWriter() : FWorker([this] { Run(); }) {}

TKWScreenshotWriter::~TKWScreenshotWriter()
{
    {
        const std::lock_guard Lock(FMutex);
        FStopping = true;
    }
    FQueued.notify_one();
    FWorker.join();
    LogFailures();
}

namespace {

TKWScreenshotWriter*& CurrentWriter()
{
    static TKWScreenshotWriter* Writer = nullptr;
    return Writer;
}

} // namespace

// The worker encodes with Qt's image writers, which live as long as the application object, so
// it finishes and stops while that is destroyed, never later.
TKWScreenshotWriter& TKWScreenshotWriter::Instance()
{
    if (!CurrentWriter()) {
        CurrentWriter() = new TKWScreenshotWriter;
        qAddPostRoutine([] {
            delete CurrentWriter();
            CurrentWriter() = nullptr;
        });
    }
    return *CurrentWriter();
}

void TKWScreenshotWriter::Write(const QString& APath, QImage AImage)
{
    {
        const std::lock_guard Lock(FMutex);
        const auto Waiting = std::find_if(FQueue.begin(), FQueue.end(),
                                          [&](const auto& AJob) { return AJob.first == APath; });
        if (Waiting != FQueue.end())
            Waiting->second = std::move(AImage);
        else
            FQueue.emplace_back(APath, std::move(AImage));
    }
    FQueued.notify_one();
}

void TKWScreenshotWriter::Finish()
{
    {
        std::unique_lock Lock(FMutex);
        FIdle.wait(Lock, [this] { return FQueue.empty() && !FWriting; });
    }
    LogFailures();
}

bool TKWScreenshotWriter::Take(std::pair<QString, QImage>& AJob)
{
    std::unique_lock Lock(FMutex);
    FWriting = false;
    FIdle.notify_all();
    // The queue is emptied before the worker stops: pending pictures are never dropped.
    FQueued.wait(Lock, [this] { return !FQueue.empty() || FStopping; });
    if (FQueue.empty())
        return false;
    AJob = std::move(FQueue.front());
    FQueue.pop_front();
    FWriting = true;
    return true;
}

void TKWScreenshotWriter::Run()
{
    YieldToTheWindow();
    std::pair<QString, QImage> Job;
    while (Take(Job)) {
        const QString Message = WritePng(Job.first, Job.second);
        Job.second = QImage();
        if (Message.isEmpty())
            continue;
        {
            const std::lock_guard Lock(FMutex);
            FFailures.push_back({Job.first, Message});
        }
        // The log belongs to the window's thread.
        QMetaObject::invokeMethod(this, &TKWScreenshotWriter::LogFailures, Qt::QueuedConnection);
    }
}

void TKWScreenshotWriter::LogFailures()
{
    std::deque<TFailure> Failures;
    {
        const std::lock_guard Lock(FMutex);
        Failures.swap(FFailures);
    }
    for (const TFailure& Failure : Failures) {
        KWLog(QStringLiteral("KWUtils.KWMakeScreenshot - Exception"));
        KWLog(QStringLiteral("  Name:    ") + Failure.Path);
        KWLog(QStringLiteral("  Message: ") + Failure.Message);
    }
}

void KWFinishScreenshots()
{
    TKWScreenshotWriter::Instance().Finish();
}

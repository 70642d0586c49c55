// A page change of the real main window on the offscreen platform, with a visit of many cows
// open: leaving the page (its screenshot), saving the visit, entering and painting the next
// page. The save alone runs beside it for comparison.
#include "BenchVisit.h"
#include "KWDataManagement.h"
#include "KWDataStore.h"
#include "KWMain.h"
#include "KWScreenshotWriter.h"
#include "KWTour.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace {

QTemporaryDir* Scratch = nullptr;

// The window at tablet size with a new farm of ACows cows open on its first page.
std::unique_ptr<TMainForm> OpenLargeVisit(const QString& AName, int ACows)
{
    TKWMainFormSetup Setup;
    Setup.DatabasePath = Scratch->filePath(AName + QStringLiteral(".s3db"));
    auto Form = std::make_unique<TMainForm>(Setup);
    Form->resize(KWTourWindowSize);
    Form->show();
    Form->BetriebsauswahlActionSelected(aBetriebNeu);
    KWBenchFillVisit(Form->DataManagement().DataStore().DataStoreErfassung(), ACows);
    Form->DataManagement().SaveBetriebsbesuch();
    QApplication::processEvents();
    return Form;
}

void BM_PageChange(benchmark::State& AState)
{
    auto Form = OpenLargeVisit(QStringLiteral("pagechange"), static_cast<int>(AState.range(0)));
    const QString Pages[] = {QStringLiteral("ErfassungBetriebsdaten"),
                             QStringLiteral("ErfassungBesuchsdaten")};
    int Next = 0;
    for (auto _ : AState) {
        Form->CheckNPerformChangeTab(Pages[Next]);
        // The new page is painted before the user sees the change.
        QApplication::processEvents();
        Next = 1 - Next;
        // An advisor does not change pages faster than a picture is written.
        AState.PauseTiming();
        KWFinishScreenshots();
        AState.ResumeTiming();
    }
}

void BM_SaveAlone(benchmark::State& AState)
{
    auto Form = OpenLargeVisit(QStringLiteral("save"), static_cast<int>(AState.range(0)));
    for (auto _ : AState)
        Form->DataManagement().SaveBetriebsbesuch();
}

} // namespace

BENCHMARK(BM_PageChange)->Arg(500)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_SaveAlone)->Arg(500)->Unit(benchmark::kMillisecond)->Repetitions(5);

int main(int argc, char** argv)
{
    // Never touch a real user's data folder or log; no display needed.
    QTemporaryDir Home;
    Scratch = &Home;
    setenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("share")).toUtf8().constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

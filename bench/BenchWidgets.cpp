// A tap on a picture counter: the value, the written field, the grid's sum and the page title
// it updates, against the floor of showing two texts. With and without the repaint that
// follows, on the offscreen platform. The bench has no click beside it, so the counters are
// silent there; the click's own cost is measured apart.
#include "KWClickSound.h"
#include "KWGridLayoutSpinner.h"
#include "KWImageSpinner.h"
#include "KWMemTable.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdlib>

namespace {

const QStringList Fields{"Fressgitter",     "Futtergang",      "Boxengang", "WartenAMS",
                         "StehenBox2Beine", "StehenBox4Beine", "LiegenBox", "LiegenLaufflaeche"};

// A counting page as the location page builds it: a title and a grid of eight counters.
struct TCountingPage
{
    TCountingPage()
    {
        std::vector<TSpinnerGridEntry> Entries;
        for (const QString& Field : Fields)
            Entries.push_back(
                TSpinnerGridEntry::CreateSpinnerGridEntry(Field, Field, true, "BoxSkyBlue"));
        Grid = new TKWGridLayoutSpinner(&Window, Table, std::move(Entries));
        Grid->Init();
        Grid->move(0, 40);
        QObject::connect(Grid, &TKWGridLayoutSpinner::OnChange, Title, [this] { RefreshTitle(); });
        Window.resize(1100, 800);
        Window.show();
        QApplication::processEvents();
    }
    void RefreshTitle()
    {
        const int Expected = 100;
        const int Counted = Grid->Sum();
        Title->setText(
            QStringLiteral("Aufenthaltsort (%1 von %2 erfasst)").arg(Counted).arg(Expected));
        const bool Off = Counted > 0 && std::abs(Counted - Expected) > Expected / 10;
        QPalette Palette = Title->palette();
        Palette.setColor(QPalette::WindowText, Off ? QColor(0xFF0000) : QColor(Qt::black));
        Title->setPalette(Palette);
    }

    std::vector<TKWFieldDef> Defs()
    {
        std::vector<TKWFieldDef> Result;
        for (const QString& Field : Fields)
            Result.push_back({Field, TKWFieldType::ftInteger});
        return Result;
    }

    QWidget Window;
    QLabel* Title = new QLabel(&Window);
    TKWMemTable Table{Defs()};
    TKWGridLayoutSpinner* Grid = nullptr;
};

void Tap(QWidget* AButton)
{
    const QPointF Pos(AButton->width() / 2.0, AButton->height() / 2.0);
    const QPointF Global = AButton->mapToGlobal(Pos);
    QMouseEvent Press(QEvent::MouseButtonPress, Pos, Global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(AButton, &Press);
    QMouseEvent Release(QEvent::MouseButtonRelease, Pos, Global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(AButton, &Release);
}

// The least a tap must do: show the new value and the new title.
void BM_CounterTapFloor(benchmark::State& AState)
{
    TCountingPage Page;
    auto* Value = Page.Grid->findChild<TKWImageSpinner*>("LiegenBox")->findChild<QLineEdit*>();
    int Count = 0;
    for (auto _ : AState) {
        ++Count;
        Value->setText(QString::number(Count));
        Page.Title->setText(
            QStringLiteral("Aufenthaltsort (%1 von %2 erfasst)").arg(Count).arg(100));
        if (AState.range(0))
            QApplication::processEvents();
    }
}

void BM_CounterTap(benchmark::State& AState)
{
    TCountingPage Page;
    auto* Plus =
        Page.Grid->findChild<TKWImageSpinner*>("LiegenBox")->findChild<QToolButton*>("PlusButton");
    for (auto _ : AState) {
        Tap(Plus);
        if (AState.range(0))
            QApplication::processEvents();
    }
    if (Page.Table.FieldByName("LiegenBox").AsInteger() != static_cast<int>(AState.iterations()))
        AState.SkipWithError("a tap was lost");
}

// Rewinding and starting the click, once the program's sound has loaded, with the events the
// player posts handled as a tap's would be. Where the machine has no sound output the player
// gives up and the counters stay silent; the label says which.
void BM_ClickSound(benchmark::State& AState)
{
    TKWClickSound Sound(QStringLiteral(QOMVI_CLICK_SOUND), nullptr);
    QElapsedTimer Loading;
    Loading.start();
    while (Loading.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    AState.SetLabel(Sound.IsSilent() ? "silent" : "playing");
    for (auto _ : AState) {
        Sound.Play();
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_CounterTapFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CounterTap)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickSound)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    // A missing click is logged; the log goes to a scratch data folder.
    QTemporaryDir Home;
    setenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("share")).toUtf8().constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

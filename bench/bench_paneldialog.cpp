// What the user waits for in the panel dialog of the real main window:
// opening it on a heavy panel, one changed field, and OK, each measured
// from outside the event loop; and a number typed into a field key by key
// while the panel builds.
#include "BenchWing.h"

#include "app/MainWindow.h"
#include "app/Planformix.h"
#include "document/PlaneModel.h"
#include "editing/WingPanelDialog.h"
#include "foundation/XDoubleSpinBox.h"
#include "planformixdata.pb.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWindow>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Pings the GUI thread from a thread of its own, one ping at a time, and
// keeps the longest wait for an answer. A stall shows in full, however the
// loop that ends it is written; a progress window answers (its loop turns).
class PingWatch : public QObject
{
public:
    PingWatch()
    {
        clock.start();
        worker = std::thread([this] { run(); });
    }
    ~PingWatch() override
    {
        stop = true;
        worker.join();
    }
    void reset() { longest = 0; }
    double seconds() const { return double(longest.load()) / 1.0e9; }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != pingType)
            return QObject::event(e);
        answered = true;
        return true;
    }

private:
    static constexpr QEvent::Type pingType = QEvent::Type(QEvent::User + 71);

    void run()
    {
        while (!stop) {
            answered = false;
            const qint64 sent = clock.nsecsElapsed();
            QCoreApplication::postEvent(this, new QEvent(pingType));
            while (!answered && !stop) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                longest = std::max(longest.load(), clock.nsecsElapsed() - sent);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    QElapsedTimer clock;
    std::atomic<bool> answered{false};
    std::atomic<bool> stop{false};
    std::atomic<qint64> longest{0};
    std::thread worker;
};

// Runs the action from the event loop, as a click would, and turns the loop
// a second after it so that the frames it asked for are part of the wait.
double measure(PingWatch& watch, const std::function<void()>& action)
{
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    watch.reset();
    bool done = false;
    QTimer::singleShot(0, [&] {
        action();
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QElapsedTimer after;
    after.start();
    while (after.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return watch.seconds();
}

// 0 one panel at every bound of a panel; 1 a plain panel of 200 ribs after
// it (the one edited); 2 the largest plane a document may hold, edited at
// its first panel, the one at every bound.
std::string dialogBenchPlane(int kind, int& editedRow)
{
    editedRow = kind == 1 ? 1 : 0;
    if (kind == 2)
        return BenchWing::largestPlaneDocument();
    serializedPlanformixData data;
    data.ParseFromString(BenchWing::documentOf(1, 200, 50, 50, 50));
    if (kind == 1) {
        serializedPlanformixData plain;
        plain.ParseFromString(BenchWing::documentOf(1, 200, 0, 0, 0));
        auto* panel = data.add_panels();
        *panel = plain.panels(0);
        panel->set_id(2);
    }
    return data.SerializeAsString();
}

// Notes when each key reaches the field it was typed into.
class KeyArrival : public QObject
{
public:
    std::vector<qint64> arrived;
    QElapsedTimer clock;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            arrived.push_back(clock.nsecsElapsed());
        return false;
    }
};

bool openPlane(const std::string& bytes, QTemporaryDir& dir, QString& path)
{
    path = dir.filePath(QStringLiteral("plane.pfz"));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

// The dialog draws its panel in 3D: it needs a real display (xvfb-run) and
// the airfoils; a benchmark skips itself without them.
bool readyForDialog(benchmark::State& state)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        state.SkipWithError("no display: run the benchmarks under xvfb-run");
        return false;
    }
    if (!BenchWing::loadAirfoils()) {
        state.SkipWithError("airfoil library not found");
        return false;
    }
    return true;
}

} // namespace

// Seconds the window left unanswered (open_s, field_s, ok_s) and the peak
// memory of the process after opening the plane, the dialog, the field and
// OK (run one row per process to read it).
static void BM_PanelDialogUnanswered(benchmark::State& state)
{
    if (!readyForDialog(state))
        return;
    int row = 0;
    const std::string bytes = dialogBenchPlane(int(state.range(0)), row);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("plane.pfz"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
            state.SkipWithError("the plane could not be written");
            return;
        }
    }
    {
        MainWindow window{QString()};
        window.setCentralWidget(new Planformix(nullptr));
        window.foilsLoaded();
        window.show();
        window.loadFileEventHandler(path);
        window.loadFile();
        auto* table = window.findChild<QTableView*>(QStringLiteral("tableViewPanels"));
        auto* edit = window.findChild<QPushButton*>(QStringLiteral("btnPanelEdit"));
        auto* dialog = window.findChild<WingPanelDialog*>();
        if (!table || !edit || !dialog || PlaneModel::instance()->getPanelCount() <= row) {
            state.SkipWithError("the main window is not as expected");
            return;
        }
        state.counters["peak_opened_mb"] = BenchWing::statusMegabytes("VmHWM:");
        PingWatch watch;
        for (auto _ : state) {
            state.counters["open_s"] = measure(watch, [&] {
                table->selectRow(row);
                edit->click();
            });
            auto* sweep = dialog->findChild<XDoubleSpinBox*>(QStringLiteral("txtSweep"));
            state.counters["peak_dialog_mb"] = BenchWing::statusMegabytes("VmHWM:");
            state.counters["field_s"] = measure(watch, [&] { sweep->setValue(sweep->value() + 1.0); });
            state.counters["peak_field_mb"] = BenchWing::statusMegabytes("VmHWM:");
            auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBoxEditPanel"));
            state.counters["ok_s"] = measure(watch, [&] { buttons->button(QDialogButtonBox::Ok)->click(); });
            state.counters["closed"] = dialog->isVisible() ? 0 : 1;
        }
        state.counters["peak_rss_mb"] = BenchWing::statusMegabytes("VmHWM:");
        state.counters["rss_after_mb"] = BenchWing::statusMegabytes("VmRSS:");
    }
}
// "12.5" and Tab typed into the sweep field of the dialog opened on the
// panel at every bound, one key every pace ms, each key coming to the
// dialog's window as from the window system while the builds it starts run:
// the longest the window left unanswered (unanswered_s), the longest a key
// took to reach the field (key_s), and whether the field holds 12.5 after
// (field_ok).
static void BM_PanelDialogTyping(benchmark::State& state)
{
    if (!readyForDialog(state))
        return;
    int row = 0;
    QTemporaryDir dir;
    QString path;
    if (!openPlane(dialogBenchPlane(0, row), dir, path)) {
        state.SkipWithError("the plane could not be written");
        return;
    }
    const int pace = int(state.range(0));
    MainWindow window{QString()};
    window.setCentralWidget(new Planformix(nullptr));
    window.foilsLoaded();
    window.show();
    window.loadFileEventHandler(path);
    window.loadFile();
    auto* table = window.findChild<QTableView*>(QStringLiteral("tableViewPanels"));
    auto* edit = window.findChild<QPushButton*>(QStringLiteral("btnPanelEdit"));
    auto* dialog = window.findChild<WingPanelDialog*>();
    if (!table || !edit || !dialog) {
        state.SkipWithError("the main window is not as expected");
        return;
    }
    PingWatch watch;
    const std::vector<std::pair<int, QString>> keys = {{Qt::Key_1, QStringLiteral("1")},
                                                       {Qt::Key_2, QStringLiteral("2")},
                                                       {Qt::Key_Period, QStringLiteral(".")},
                                                       {Qt::Key_5, QStringLiteral("5")},
                                                       {Qt::Key_Tab, QString()}};
    for (auto _ : state) {
        measure(watch, [&] {
            table->selectRow(row);
            edit->click();
        });
        auto* sweep = dialog->findChild<XDoubleSpinBox*>(QStringLiteral("txtSweep"));
        dialog->activateWindow();
        sweep->setFocus(Qt::TabFocusReason);
        KeyArrival arrival;
        arrival.clock.start();
        sweep->installEventFilter(&arrival);
        std::vector<qint64> sent;
        state.counters["unanswered_s"] = measure(watch, [&] {
            QElapsedTimer next;
            next.start();
            for (const auto& key : keys) {
                while (next.elapsed() < pace)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                next.restart();
                sent.push_back(arrival.clock.nsecsElapsed());
                QWindow* target = dialog->windowHandle();
                QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key.first, Qt::NoModifier, key.second));
                QCoreApplication::postEvent(target,
                                            new QKeyEvent(QEvent::KeyRelease, key.first, Qt::NoModifier, key.second));
            }
            // Until the last key has reached the field and the build after it is over.
            QElapsedTimer limit;
            limit.start();
            while (arrival.arrived.size() < sent.size() && limit.elapsed() < 10000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        });
        sweep->removeEventFilter(&arrival);
        double longestKey = 0.0;
        for (std::size_t i = 0; i < sent.size(); ++i)
            longestKey = std::max(longestKey, i < arrival.arrived.size()
                                                  ? double(arrival.arrived[i] - sent[i]) / 1.0e9
                                                  : double(arrival.clock.nsecsElapsed() - sent[i]) / 1.0e9);
        state.counters["key_s"] = longestKey;
        state.counters["field_ok"] = sweep->value() == 12.5 ? 1 : 0;
        dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBoxEditPanel"))
            ->button(QDialogButtonBox::Ok)
            ->click();
    }
}
BENCHMARK(BM_PanelDialogTyping)
    ->ArgName("pace_ms")
    ->Arg(30)
    ->Arg(150)
    ->Arg(1500)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

BENCHMARK(BM_PanelDialogUnanswered)
    ->ArgName("plane")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

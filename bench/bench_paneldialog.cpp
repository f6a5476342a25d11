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
#include "model/PanelBaseData.h"
#include "planformixdata.pb.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
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

// Notes when each key typed into a number field reaches it, and when the
// field is next painted after that: only then does the user see the key.
class FieldWatch : public QObject
{
public:
    FieldWatch(QWidget* field, const QElapsedTimer& clock) : field(field), clock(clock)
    {
        text = field->findChild<QLineEdit*>();
        field->installEventFilter(this);
        if (text)
            text->installEventFilter(this);
    }
    ~FieldWatch() override
    {
        field->removeEventFilter(this);
        if (text)
            text->removeEventFilter(this);
    }
    std::vector<qint64> arrived;
    std::vector<qint64> shown;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (receiver == field && event->type() == QEvent::KeyPress)
            arrived.push_back(clock.nsecsElapsed());
        else if (receiver == text && event->type() == QEvent::Paint)
            while (shown.size() < arrived.size())
                shown.push_back(clock.nsecsElapsed());
        return false;
    }

private:
    QWidget* field;
    QLineEdit* text = nullptr;
    const QElapsedTimer& clock;
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
// panel at every bound, one key every pace ms by a typist of its own (a
// thread), each key coming to the dialog's window as from the window system
// while the builds it starts run. Per key, the seconds from typing it until
// the field, painted anew, shows it: the median of the five (key_s) and the
// worst (key_worst_s); the worst until it merely reached the field
// (reached_s); the longest the window left unanswered until the build of
// the last value is over (unanswered_s); and whether the field holds 12.5
// after (field_ok). With repetitions, "max" is the worst of all runs.
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
        QElapsedTimer clock;
        clock.start();
        FieldWatch field(sweep, clock);
        std::vector<qint64> sent(keys.size(), 0);
        QWindow* target = dialog->windowHandle();
        state.counters["unanswered_s"] = measure(watch, [&] {
            clock.restart();
            // The typist keeps its pace whatever the window does meanwhile.
            std::thread typist([&] {
                for (std::size_t i = 0; i < keys.size(); ++i) {
                    const qint64 due = qint64(i) * pace * 1000000;
                    while (clock.nsecsElapsed() < due)
                        std::this_thread::sleep_for(std::chrono::microseconds(200));
                    sent[i] = clock.nsecsElapsed();
                    const auto& key = keys[i];
                    QCoreApplication::postEvent(target,
                                                new QKeyEvent(QEvent::KeyPress, key.first, Qt::NoModifier, key.second));
                    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key.first, Qt::NoModifier,
                                                                      key.second));
                }
            });
            // Until the last key shows and the build of what the field then
            // holds is over.
            QElapsedTimer limit;
            limit.start();
            bool built = false;
            while (!built && limit.elapsed() < 60000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                if (field.shown.size() < keys.size())
                    continue;
                PanelBaseData values;
                dialog->fillPanelFromDialog(values);
                built = dialog->builtPanelOf(values) != nullptr;
            }
            typist.join();
        });
        std::vector<double> onField;
        double reached = 0.0;
        const qint64 now = clock.nsecsElapsed();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            onField.push_back(double((i < field.shown.size() ? field.shown[i] : now) - sent[i]) / 1.0e9);
            reached = std::max(reached, double((i < field.arrived.size() ? field.arrived[i] : now) - sent[i]) / 1.0e9);
        }
        std::sort(onField.begin(), onField.end());
        state.counters["key_s"] = onField[onField.size() / 2];
        state.counters["key_worst_s"] = onField.back();
        state.counters["reached_s"] = reached;
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
    ->Arg(600)
    // A slow typist: the build has gone far when each key comes.
    ->Arg(800)
    ->Arg(1000)
    ->Arg(1500)
    ->Iterations(1)
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
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

#include "BenchWing.h"

#include "app/MainWindow.h"
#include "app/Planformix.h"
#include "document/DocumentLimits.h"
#include "document/FileManager.h"
#include "document/PlaneModel.h"
#include "editing/PanelsTable.h"
#include "editing/WingPanelDialog.h"
#include "foundation/XDoubleSpinBox.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "views/MainWingGLWidget.h"
#include "planformixdata.pb.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QFile>
#include <QMainWindow>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <qopengl.h>
#include <thread>

// The 3D views only draw on a real display: the benchmark program is run
// under xvfb-run for these, and they skip themselves on the offscreen
// platform.
namespace {

bool haveDisplay(benchmark::State& state)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        state.SkipWithError("no display: run the benchmarks under xvfb-run");
        return false;
    }
    return true;
}

// Counts the frames it paints, so that a benchmark can say how many
// full redraws one user action cost.
class CountingMainView : public MainWingGLWidget
{
public:
    int frames = 0;

protected:
    void paintGL() override
    {
        MainWingGLWidget::paintGL();
        ++frames;
    }
};

// Shows the view and waits until the window system has mapped it.
void showAndSettle(QWidget& widget)
{
    widget.show();
    QElapsedTimer waited;
    waited.start();
    while (!widget.isVisible() || waited.elapsed() < 200)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Everything the main view can show.
void showEverything(MainWingGLWidget& view)
{
    PlaneVisualisationOptions& options = *view.getVisualisationOptions();
    options.setShowCombs(true);
    options.setShowAxes(true);
}

double residentMegabytes()
{
    return BenchWing::statusMegabytes();
}

// Waits until the view has drawn everything it has asked for.
void finishFrames(MainWingGLWidget& view)
{
    QCoreApplication::processEvents();
    view.makeCurrent();
    glFinish();
}

// Milliseconds until the view has drawn the full frame that follows a
// light one (0 when it shows a full frame already).
double untilFullFrame(CountingMainView& view)
{
    QElapsedTimer waited;
    waited.start();
    if (!view.isShowingLightFrame())
        return 0.0;
    while (view.isShowingLightFrame())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    finishFrames(view);
    return double(waited.nsecsElapsed()) / 1.0e6;
}

// The benchmark wing, or the benchmark skipped when there is no display or
// no airfoil library.
bool wingToShow(benchmark::State& state, int panels, int ribs)
{
    if (!haveDisplay(state))
        return false;
    if (!BenchWing::buildWing(panels, ribs)) {
        state.SkipWithError("airfoil library not found");
        return false;
    }
    return true;
}

// The view at 1024 x 768 showing every part of the plane, its first full
// frame drawn.
void showWholeWing(CountingMainView& view)
{
    view.resize(1024, 768);
    showEverything(view);
    PlaneModel::instance()->addObserver(&view);
    showAndSettle(view);
    PlaneModel::instance()->notifyObservers();
    finishFrames(view);
}

// The plane owns no observers and cannot forget one, so a benchmark that
// registered views ends by dropping the plane itself.
void dropPlane()
{
    delete PlaneModel::instance();
}

} // namespace

// One full redraw of the main 3D view at 1024 x 768 of a wing of the given
// number of panels and ribs per panel, every feature shown, both wing halves,
// until it is on screen: a frame too slow to draw at once comes in slices
// after a light one (sliced: 1).
static void BM_DrawMainView(benchmark::State& state)
{
    const int panels = int(state.range(0));
    const int ribs = int(state.range(1));
    if (!wingToShow(state, panels, ribs))
        return;
    {
        CountingMainView view;
        showWholeWing(view);
        untilFullFrame(view);
        bool sliced = false;
        for (auto _ : state) {
            view.updateGL();
            sliced = view.isShowingLightFrame();
            untilFullFrame(view);
            view.makeCurrent();
            glFinish();
        }
        state.counters["sliced"] = sliced ? 1.0 : 0.0;
        state.counters["ribs_drawn"] = 2.0 * panels * ribs;
        state.counters["rss_mb"] = residentMegabytes();
    }
    dropPlane();
}
BENCHMARK(BM_DrawMainView)
    ->Args({2, 15})
    ->Args({4, 25})
    ->Args({6, 40})
    ->Args({10, 100})
    ->ArgNames({"panels", "ribs"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Turning the wing with the left button held: one mouse move of 6 pixels
// (back and forth, so the wing stays in view) until the view has drawn it.
static void BM_DragMainView(benchmark::State& state)
{
    const int panels = int(state.range(0));
    const int ribs = int(state.range(1));
    if (!wingToShow(state, panels, ribs))
        return;
    {
        CountingMainView view;
        showWholeWing(view);
        const QPointF centre(512, 384);
        QMouseEvent press(QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &press);
        int step = 0;
        const int framesBefore = view.frames;
        for (auto _ : state) {
            const QPointF at = centre + QPointF(step++ % 2 == 0 ? 6 : 0, 0);
            QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&view, &move);
            finishFrames(view);
        }
        state.counters["frames_per_move"] =
            benchmark::Counter(double(view.frames - framesBefore) / double(state.iterations()));
        // From letting go until the full frame is on screen.
        const bool light = view.isShowingLightFrame();
        QElapsedTimer sinceRelease;
        sinceRelease.start();
        QMouseEvent release(QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&view, &release);
        untilFullFrame(view);
        finishFrames(view);
        state.counters["full_frame_after_release_ms"] = light ? double(sinceRelease.nsecsElapsed()) / 1.0e6 : 0.0;
    }
    dropPlane();
}
BENCHMARK(BM_DragMainView)
    ->Args({4, 25})
    ->Args({10, 100})
    ->ArgNames({"panels", "ribs"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// An edit of the last of ten 100-rib panels committed while the main view
// shows the wing, until the view has drawn the change; the full frame that
// follows a light one is counted apart.
static void BM_EditLastPanelInView(benchmark::State& state)
{
    if (!wingToShow(state, 10, 100))
        return;
    PlaneModel* plane = PlaneModel::instance();
    {
        CountingMainView view;
        showWholeWing(view);
        view.updateGL();
        finishFrames(view);
        PanelsTableModel* panels = plane->getPanelsTableModel();
        const Panel* last = panels->getPanels().back();
        PanelBaseData data = last->getPanelBaseData();
        const float sweep = data.getSweep();
        double fullFrameMs = 0.0;
        int step = 0;
        for (auto _ : state) {
            QElapsedTimer sinceEdit;
            sinceEdit.start();
            data.setSweep(sweep + float(++step % 2) * 5.0f);
            const int framesBefore = view.frames;
            panels->addOrUpdatePanel(data);
            while (view.frames == framesBefore)
                QCoreApplication::processEvents();
            finishFrames(view);
            state.PauseTiming();
            untilFullFrame(view);
            fullFrameMs += double(sinceEdit.nsecsElapsed()) / 1.0e6;
            state.ResumeTiming();
        }
        state.counters["full_frame_after_edit_ms"] = fullFrameMs / double(state.iterations());
    }
    dropPlane();
}
BENCHMARK(BM_EditLastPanelInView)->Unit(benchmark::kMillisecond)->UseRealTime();

// The mouse pointer moving over the main window's panel table while the
// main view shows a wing of four 25-rib panels: argument 0 within one row,
// 1 from row to row, each move until the view has drawn what it asked for.
static void BM_HoverPanelTable(benchmark::State& state)
{
    const bool acrossRows = state.range(0) != 0;
    if (!wingToShow(state, 4, 25))
        return;
    PlaneModel* plane = PlaneModel::instance();
    {
        QWidget host;
        auto* layout = new QVBoxLayout(&host);
        auto* tableView = new QTableView;
        layout->addWidget(tableView);
        QPushButton* buttons[5];
        for (QPushButton*& button : buttons) {
            button = new QPushButton;
            layout->addWidget(button);
        }
        PanelsTable table(tableView, buttons[0], buttons[1], buttons[2], buttons[3], buttons[4],
                          plane->getPanelsTableModel());
        CountingMainView view;
        view.resize(1024, 768);
        showEverything(view);
        plane->addObserver(&view);
        showAndSettle(host);
        showAndSettle(view);
        plane->notifyObservers();
        finishFrames(view);
        QWidget* viewport = tableView->viewport();
        const int rowY[2] = {tableView->rowViewportPosition(0) + 2, tableView->rowViewportPosition(1) + 2};
        int step = 0;
        const int framesBefore = view.frames;
        for (auto _ : state) {
            const int row = acrossRows ? step % 2 : 0;
            const QPointF at(20 + step % 2, rowY[row]);
            ++step;
            QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &move);
            finishFrames(view);
        }
        state.counters["frames_per_move"] =
            benchmark::Counter(double(view.frames - framesBefore) / double(state.iterations()));
    }
    dropPlane();
}
BENCHMARK(BM_HoverPanelTable)->Arg(0)->Arg(1)->ArgName("acrossRows")->Unit(benchmark::kMillisecond)->UseRealTime();

// One keystroke in the panel dialog's sweep field while the preview of a
// 100-rib panel shows, until control returns to the event loop. The paint
// that follows is not part of it (it is the view's frame).
static void BM_PanelDialogKeystroke(benchmark::State& state)
{
    if (!haveDisplay(state))
        return;
    if (!BenchWing::buildFivePanelWing()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    {
        PlaneModel* plane = PlaneModel::instance();
        WingPanelDialog dialog;
        dialog.loadPanelIntoDialog(plane->getPanelsTableModel()->getPanel(1)->getPanelBaseData());
        showAndSettle(dialog);
        auto* sweep = dialog.findChild<XDoubleSpinBox*>(QStringLiteral("txtSweep"));
        double value = sweep->value();
        for (auto _ : state) {
            value = value > 20.0 ? value - 1.0 : value + 1.0;
            sweep->setValue(value);
            state.PauseTiming();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
        dialog.hide();
    }
    dropPlane();
}
BENCHMARK(BM_PanelDialogKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

// Undo and redo in turn, or opening the saved wing from its file, on a
// five-panel wing, each step until the views have caught up. First
// argument 0 without the main view, 1 with it showing (1024 x 768, every
// feature); the difference is what the view costs per step. Second
// argument 0 undo/redo, 1 open.
static void BM_UndoWithViews(benchmark::State& state)
{
    const bool withView = state.range(0) != 0;
    const bool open = state.range(1) != 0;
    if (withView && !haveDisplay(state))
        return;
    if (!BenchWing::buildFivePanelWing()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    PlaneModel* plane = PlaneModel::instance();
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("wing.pfz")).toStdString();
        QMainWindow window;
        auto* save = new QAction(&window);
        auto* saveAs = new QAction(&window);
        auto* undo = new QAction(&window);
        auto* redo = new QAction(&window);
        FileManager files(&window, QStringLiteral("Planformix"), save, saveAs, undo, redo,
                          QStringLiteral("Planformix files (*.pfz)"), QStringLiteral(".pfz"), plane);
        plane->addObserver(&files);
        std::unique_ptr<CountingMainView> view;
        if (withView) {
            view = std::make_unique<CountingMainView>();
            view->resize(1024, 768);
            showEverything(*view);
            plane->addObserver(view.get());
            showAndSettle(*view);
        }
        plane->notifyObservers();
        std::string file = path;
        if (open && !plane->save(file)) {
            state.SkipWithError("the wing could not be saved");
            return;
        }
        files.setModified(false);
        files.resetHistory();
        // One undoable step: the wing loses its last panel.
        PanelsTableModel* panels = plane->getPanelsTableModel();
        panels->removePanel(panels->rowCount() - 1);
        QCoreApplication::processEvents();

        const int framesBefore = view ? view->frames : 0;
        bool undoNext = true;
        for (auto _ : state) {
            if (open)
                plane->load(path, true, SerializeableIf::FILE_LOAD);
            else if (undoNext)
                files.undo();
            else
                files.redo();
            undoNext = !undoNext;
            QCoreApplication::processEvents();
            if (view) {
                view->makeCurrent();
                glFinish();
            }
        }
        if (view)
            state.counters["frames_per_step"] =
                benchmark::Counter(double(view->frames - framesBefore) / double(state.iterations()));
    }
    dropPlane();
}
BENCHMARK(BM_UndoWithViews)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->ArgNames({"view", "open"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

namespace {

// Watches the program's event loop from outside it, the way a user feels
// it: a thread of its own sends the GUI thread a ping every 5 ms, one at a
// time, and notes how long each waits for an answer. A stall shows in full,
// also when the turn of the loop that ends it is the last one watched.
// Stretches a progress dialog covered from start to end (it offers Cancel
// and shows that work goes on) are apart.
class PingWatch
{
public:
    PingWatch()
    {
        clock.start();
        dialog = progressShown();
        watcher = std::thread([this] { watch(); });
    }

    ~PingWatch() { stop(); }

    // Ends the watch; a ping still unanswered counts as waiting until now.
    void stop()
    {
        if (!watcher.joinable())
            return;
        {
            std::lock_guard<std::mutex> lock(mutex);
            running = false;
        }
        woken.notify_all();
        watcher.join();
        std::lock_guard<std::mutex> lock(mutex);
        if (pending)
            note(sentNs, dialogAtSend, progressShown());
        pending = false;
    }

    double longest = 0.0;
    double unanswered = 0.0;

private:
    static bool progressShown()
    {
        const QWidget* modal = QApplication::activeModalWidget();
        return modal && qobject_cast<const QProgressDialog*>(modal) && modal->isVisible();
    }

    void watch()
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (running) {
            pending = true;
            sentNs = clock.nsecsElapsed();
            dialogAtSend = dialog;
            QMetaObject::invokeMethod(&receiver, [this] { answer(); }, Qt::QueuedConnection);
            woken.wait(lock, [this] { return !pending || !running; });
            if (!running)
                break;
            woken.wait_for(lock, std::chrono::milliseconds(5), [this] { return !running; });
        }
    }

    // On the GUI thread.
    void answer()
    {
        const bool shown = progressShown();
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (!pending)
                return;
            note(sentNs, dialogAtSend, shown);
            dialog = shown;
            pending = false;
        }
        woken.notify_all();
    }

    void note(qint64 sent, bool dialogBefore, bool dialogAfter)
    {
        const double wait = double(clock.nsecsElapsed() - sent) / 1.0e9;
        longest = std::max(longest, wait);
        if (!dialogBefore || !dialogAfter)
            unanswered = std::max(unanswered, wait);
    }

    QElapsedTimer clock;
    // Lives on the GUI thread; pings left when it goes are never delivered.
    QObject receiver;
    std::mutex mutex;
    std::condition_variable woken;
    bool running = true;
    bool pending = false;
    qint64 sentNs = 0;
    bool dialogAtSend = false;
    bool dialog = false;
    std::thread watcher;
};

// Notes when a widget last received a paint event.
class PaintWatch : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

enum class WindowAction { Open, Undo, DeleteFirstPanel };

// The planes of the window benchmark, as documents.
std::string windowBenchPlane(int kind)
{
    switch (kind) {
    case 0: {
        // Ten panels of 100 ribs with every feature, saved as a document.
        if (!BenchWing::buildWing(10, 100))
            return std::string();
        std::string bytes;
        PlaneModel::instance()->save(bytes);
        PlaneModel::instance()->clear();
        return bytes;
    }
    case 1:
        return BenchWing::documentOf(40, 200, 0, 0, 0);
    case 2:
        return BenchWing::documentOf(40, 200, 0, 1, 0);
    case 4:
        return BenchWing::documentOf(1, 200, 50, 50, 50);
    case 5:
        // The ribs of plane 1 in a wing of 2 m span: framed whole, it fills
        // the view as a wing does on the user's screen, where the 80 m of
        // plane 1 shrink to a few pixels' depth.
        return BenchWing::documentOf(40, 200, 0, 0, 0, 25.0f);
    case 6: {
        // As many panels as a plane may hold, each named, as the plane is,
        // with as many characters as a name may have, of two bytes each.
        serializedPlanformixData data;
        data.ParseFromString(BenchWing::documentOf(DocumentLimits::maxPanels, 2, 0, 0, 0, 25.0f));
        const std::string name = QString(DocumentLimits::maxNameLength, QChar(0xfc)).toStdString();
        data.set_planename(name);
        for (auto& panel : *data.mutable_panels())
            panel.set_panelname(name);
        return data.SerializeAsString();
    }
    default:
        return BenchWing::largestPlaneDocument();
    }
}

// Runs one action from the event loop, as a menu command would, and lets
// the event loop turn until the window shows the full picture of the result.
// Returns the seconds until then (the quiet time that shows it is over not
// counted).
double runUntilShown(MainWindow& window, MainWingGLWidget& view, const PaintWatch& paints,
                     const std::function<void()>& action)
{
    const double quiet = 0.3;
    QElapsedTimer clock;
    clock.start();
    bool done = false;
    int paintsAtDone = 0;
    QTimer::singleShot(0, &window, [&] {
        action();
        done = true;
        paintsAtDone = paints.paints;
    });
    int lastPaints = -1;
    double lastChange = 0.0;
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        const double now = double(clock.nsecsElapsed()) / 1.0e9;
        if (paints.paints != lastPaints || view.isShowingLightFrame() || !done) {
            lastPaints = paints.paints;
            lastChange = now;
        }
        const bool shown = done && paints.paints > paintsAtDone && !view.isShowingLightFrame();
        if ((shown && now - lastChange >= quiet) || now > 300.0)
            return lastChange;
    }
}

} // namespace

// What the user waits for in the real main window after opening a plane,
// undoing a change of it or deleting its first panel: the longest wait for
// an answer in which no progress dialog covers the work (unanswered_s), the
// longest wait for an answer at all (longest_gap_s), both as a thread
// pinging the window sees them, the time until the full picture shows
// (shown_s) and the program's peak memory so far (peak_rss_mb; run one row
// per process to read it, or /usr/bin/time -v). Planes: 0 ten panels of 100
// ribs with every feature, 1 forty panels of 200 plain ribs, 2 forty panels
// of 200 ribs under advanced covering, 3 the largest plane a document may
// hold, 4 one panel at every bound of a panel, 5 the ribs of plane 1 in a
// wing that fills the view, 6 as many panels as a plane may hold, every
// name at its bound.
// Actions: 0 open, 1 undo (of a show option), 2 delete the first panel.
static void BM_WindowUnanswered(benchmark::State& state)
{
    const int kind = int(state.range(0));
    const auto action = WindowAction(state.range(1));
    if (!haveDisplay(state))
        return;
    if (!BenchWing::loadAirfoils()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    const std::string bytes = windowBenchPlane(kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("plane.pfz"));
    {
        QFile file(path);
        if (bytes.empty() || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
            state.SkipWithError("the plane could not be written");
            return;
        }
    }
    {
        // Put together as the program does.
        MainWindow window{QString()};
        window.setCentralWidget(new Planformix(nullptr));
        window.foilsLoaded();
        showAndSettle(window);
        auto* view = window.findChild<MainWingGLWidget*>();
        if (!view) {
            state.SkipWithError("the main window has no wing view");
            return;
        }
        PaintWatch paints;
        view->installEventFilter(&paints);
        const auto open = [&window, &path] {
            QString name = path;
            window.loadFileEventHandler(name);
            window.loadFile();
        };
        if (action != WindowAction::Open) {
            runUntilShown(window, *view, paints, open);
            if (action == WindowAction::Undo)
                runUntilShown(window, *view, paints,
                              [view] { view->chkBoxAxesToggled(!view->getVisualisationOptions()->getShowAxes()); });
        }
        for (auto _ : state) {
            PingWatch watch;
            double shown = 0.0;
            switch (action) {
            case WindowAction::Open:
                shown = runUntilShown(window, *view, paints, open);
                break;
            case WindowAction::Undo:
                shown = runUntilShown(window, *view, paints, [&window] { window.undo(); });
                break;
            case WindowAction::DeleteFirstPanel:
                // As the user does it: the first row selected, then Delete.
                shown = runUntilShown(window, *view, paints, [&window] {
                    auto* table = window.findChild<QTableView*>(QStringLiteral("tableViewPanels"));
                    auto* button = window.findChild<QPushButton*>(QStringLiteral("btnPanelDelete"));
                    if (!table || !button)
                        return;
                    table->selectRow(0);
                    button->click();
                });
                break;
            }
            watch.stop();
            state.counters["unanswered_s"] = watch.unanswered;
            state.counters["longest_gap_s"] = watch.longest;
            state.counters["shown_s"] = shown;
        }
        state.counters["panels"] = PlaneModel::instance()->getPanelCount();
        state.counters["peak_rss_mb"] = BenchWing::statusMegabytes("VmHWM:");
        state.counters["rss_mb"] = residentMegabytes();
    }
    // The main window's central widget took the plane with it.
}
BENCHMARK(BM_WindowUnanswered)
    ->ArgNames({"plane", "action"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Args({3, 0})
    ->Args({3, 1})
    ->Args({4, 0})
    ->Args({4, 1})
    ->Args({5, 0})
    ->Args({5, 1})
    ->Args({6, 0})
    ->Args({6, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

#include "editing/PanelPreviewBuild.h"

#include "document/PanelCodec.h"
#include "foundation/ConcurrentWork.h"
#include "foundation/ModalProgress.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "model/PlaneAccess.h"
#include "model/RibDefinition.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QThread>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Walks both lists side by side; each item of to takes the selection of its
// counterpart, and items beyond the shorter list are left unselected.
template <class To, class From>
void selectLike(To& to, const From& from)
{
    auto source = from.begin();
    for (auto& item : to) {
        item.setSelected(source != from.end() && source->isSelected());
        if (source != from.end())
            ++source;
    }
}

template <class List>
bool anySelected(const List& items)
{
    return std::any_of(items.begin(), items.end(), [](const auto& item) { return item.isSelected(); });
}

bool hasSelection(const PanelBaseData& panel)
{
    return anySelected(panel.getRibList().getRibs()) || anySelected(panel.getSparList().getSpars())
           || anySelected(panel.getSheetingStripList().getStrips()) || anySelected(panel.getCombList().getCombs());
}

// The values no rebuild reads: a panel that differs from another only in
// these has the other's ribs.
void takeUnbuiltValues(PanelBaseData& to, const PanelBaseData& from)
{
    to.setPanelName(from.getPanelName());
    to.setNoOfRibs(from.getNoOfRibs());
    to.setSpecificWeightRib(from.getSpecificWeightRib());
}

// The entry of a copy of same that takes the values no rebuild reads from
// values.
std::string lentEntry(const PanelBaseData& same, const PanelBaseData& values)
{
    PanelCodec::PanelMessage lent;
    PanelCodec::fill(&lent, same);
    PanelCodec::PanelMessage own;
    PanelCodec::fill(&own, values);
    lent.set_panelname(own.panelname());
    lent.set_noofribs(own.noofribs());
    lent.set_specificweightrib(own.specificweightrib());
    return lent.SerializeAsString();
}

// The thread that frees ribs let go of beside the window, in the order they
// come; it runs from the first release to the end of the program. Once
// what it was given is freed, it gives the freed pages back to the system:
// the panels were built on worker threads, whose memory pools would
// otherwise keep them, and a closed dialog would hold on to its panel's
// memory.
class Release
{
public:
    ~Release()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            quit = true;
        }
        wake.notify_all();
        if (thread.joinable())
            thread.join();
    }

    // False when no thread can be had: the caller frees the ribs itself.
    bool take(PanelPreviewBuild::HeldRibs& ribs)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!thread.joinable()) {
            try {
                thread = std::thread([this] { run(); });
            } catch (const std::system_error&) {
                return false;
            }
        }
        try {
            queue.push_back(std::move(ribs));
        } catch (const std::bad_alloc&) {
            return false;
        }
        wake.notify_all();
        return true;
    }

    bool idle()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return queue.empty() && !freeing;
    }

private:
    void run()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return quit || !queue.empty(); });
            if (quit)
                return;
            std::vector<PanelPreviewBuild::HeldRibs> taken;
            taken.swap(queue);
            freeing = true;
            lock.unlock();
            // Ribs that share their geometry with a panel still there free
            // nothing.
            std::vector<std::weak_ptr<const RibGeometry>> blocks;
            bool counted = true;
            try {
                for (const auto& ribs : taken)
                    for (const RibDefinition& rib : *ribs)
                        blocks.push_back(rib.geometryToken());
            } catch (const std::bad_alloc&) {
                counted = false;
            }
            taken.clear();
            const bool freed = !counted || std::any_of(blocks.begin(), blocks.end(),
                                                       [](const auto& block) { return block.expired(); });
#ifdef __GLIBC__
            if (freed)
                malloc_trim(0);
#endif
            lock.lock();
            freeing = false;
        }
    }

    std::mutex mutex;
    std::condition_variable wake;
    std::vector<PanelPreviewBuild::HeldRibs> queue;
    bool freeing = false;
    bool quit = false;
    std::thread thread;
};

Release& release()
{
    static Release theRelease;
    return theRelease;
}


// The input of one window while a build in it runs: what the user types or
// clicks there is held back, in order, and handed on once the build is
// over, so that no key lands in a field the build has half answered, and
// none is lost. Only a click on the build's own progress (its Cancel) goes
// through at once, and a pointer that merely moves. Once something is held,
// everything after it for the window is held too, until all of it has been
// handed on: the order is the order it was typed in.
class InputHold : public QObject
{
public:
    static InputHold& instance()
    {
        static InputHold* const theHold = [] {
            auto* hold = new InputHold;
            qApp->installEventFilter(hold);
            return hold;
        }();
        return *theHold;
    }

    // While one lives, the build in open's window holds that window's input.
    // One that yields gives way to the first key typed into a field instead:
    // that key and the ones after it reach their fields at once, painted
    // there (the dialog builds again once this build is over), and the
    // build, whose work goes unused, only winds down meanwhile. A key that
    // acts on the window rather than on a field (Enter, Escape) and a click
    // still wait for the build's end, and whatever comes after them with
    // them, so that the order holds.
    class Building
    {
    public:
        Building(QWidget* open, bool yields)
            : hold(instance()), outer(hold.open), outerBuilding(hold.innermost), yields(yields)
        {
            hold.open = open;
            hold.innermost = this;
            ++hold.building;
        }
        ~Building()
        {
            hold.open = outer;
            hold.innermost = outerBuilding;
            if (--hold.building == 0)
                hold.handOnLater();
        }
        Building(const Building&) = delete;
        Building& operator=(const Building&) = delete;

        bool gaveWay() const { return given; }
        // Gives way to the keys held so far too.
        void giveWay()
        {
            given = true;
            hold.handOnKeys();
        }

    private:
        friend class InputHold;
        InputHold& hold;
        QPointer<QWidget> outer;
        Building* const outerBuilding;
        const bool yields;
        bool given = false;
    };

    bool holding() const { return !held.empty(); }

    void afterwards(QObject* context, std::function<void()> then)
    {
        if (held.empty() && building == 0) {
            QMetaObject::invokeMethod(context, std::move(then), Qt::QueuedConnection);
            return;
        }
        waiting.push_back({QPointer<QObject>(context), std::move(then)});
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if ((building == 0 && held.empty()) || event == handingOn || !heldFor(receiver, event))
            return false;
        if (innermost && innermost->yields && held.empty() && typedIntoField(event)) {
            // Letting go of a key changes no field: the build goes on.
            innermost->given = innermost->given || event->type() == QEvent::KeyPress;
            QScopedValueRollback<QEvent*> current(handingOn, event);
            QCoreApplication::sendEvent(receiver, event);
            showTyped();
            return true;
        }
        std::unique_ptr<QEvent> copy = copyOf(event);
        if (!copy)
            return false;
        if (held.empty())
            heldWindow = open ? open->window() : heldWindow.data();
        held.push_back({QPointer<QObject>(receiver), std::move(copy)});
        if (building == 0)
            handOnLater();
        return true;
    }

private:
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    struct Then {
        QPointer<QObject> context;
        std::function<void()> then;
    };

    // Whether the event is input for the held window that must wait.
    bool heldFor(QObject* receiver, QEvent* event) const
    {
        QWidget* const window = open ? open->window() : held.empty() ? nullptr : heldWindow.data();
        if (!window)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        // Closing the window would end what it builds for.
        case QEvent::Close:
            return receiver == window->windowHandle();
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            if (receiver != window->windowHandle())
                return false;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!held.empty())
                return event->type() != QEvent::MouseMove || mouse->buttons() != Qt::NoButton;
            if (event->type() == QEvent::MouseMove && mouse->buttons() == Qt::NoButton)
                return false;
            QWidget* under = QApplication::widgetAt(mouse->globalPos());
            return !(open && under && (under == open || open->isAncestorOf(under)));
        }
        case QEvent::Shortcut: {
            // A mnemonic or a shortcut of the window is a click or a command.
            QObject* owner = receiver;
            if (qobject_cast<QAction*>(owner) || qobject_cast<QShortcut*>(owner))
                owner = owner->parent();
            auto* widget = qobject_cast<QWidget*>(owner);
            return widget && widget->window() == window;
        }
        default:
            return false;
        }
    }

    static bool typedIntoField(const QEvent* event)
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        switch (static_cast<const QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return false;
        case Qt::Key_Space:
            return !qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        default:
            return true;
        }
    }

    void handOnKeys()
    {
        while (!held.empty() && typedIntoField(held.front().event.get()))
            deliver(takeFirst());
    }

    Held takeFirst()
    {
        Held next = std::move(held.front());
        held.pop_front();
        return next;
    }

    // What was meant for a window closed meanwhile goes nowhere, as it
    // would have had it come then.
    void deliver(const Held& next)
    {
        auto* window = qobject_cast<QWindow*>(next.receiver.data());
        if (!next.receiver || (window && !window->isVisible()))
            return;
        QScopedValueRollback<QEvent*> current(handingOn, next.event.get());
        QCoreApplication::sendEvent(next.receiver, next.event.get());
        if (typedIntoField(next.event.get()))
            showTyped();
    }

    // Paints the field a key went to now: a paint asked for in the usual way
    // waits behind whatever the window does next (a 3D view that draws a
    // frame in slices between events).
    static void showTyped()
    {
        QWidget* field = QApplication::focusWidget();
        if (qobject_cast<QLineEdit*>(field) || qobject_cast<QAbstractSpinBox*>(field))
            field->repaint();
    }

    static std::unique_ptr<QEvent> copyOf(const QEvent* event)
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto* key = static_cast<const QKeyEvent*>(event);
            return std::make_unique<QKeyEvent>(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                                               key->nativeVirtualKey(), key->nativeModifiers(), key->text(),
                                               key->isAutoRepeat(), key->count());
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<const QMouseEvent*>(event);
            return std::make_unique<QMouseEvent>(mouse->type(), mouse->localPos(), mouse->windowPos(),
                                                 mouse->screenPos(), mouse->button(), mouse->buttons(),
                                                 mouse->modifiers(), mouse->source());
        }
        case QEvent::Wheel: {
            const auto* wheel = static_cast<const QWheelEvent*>(event);
            return std::make_unique<QWheelEvent>(wheel->position(), wheel->globalPosition(), wheel->pixelDelta(),
                                                 wheel->angleDelta(), wheel->buttons(), wheel->modifiers(),
                                                 wheel->phase(), wheel->inverted(), wheel->source());
        }
        case QEvent::Close:
            return std::make_unique<QCloseEvent>();
        case QEvent::Shortcut: {
            const auto* shortcut = static_cast<const QShortcutEvent*>(event);
            return std::make_unique<QShortcutEvent>(shortcut->key(), shortcut->shortcutId(),
                                                    shortcut->isAmbiguous());
        }
        default:
            return nullptr;
        }
    }

    // From the event loop, not from within the handler of a key the build
    // was started by: that key's field is done with it by then.
    void handOnLater()
    {
        if (queued || (held.empty() && waiting.empty()))
            return;
        queued = true;
        QMetaObject::invokeMethod(this, [this] { handOn(); }, Qt::QueuedConnection);
    }

    void handOn()
    {
        queued = false;
        // A build under way hands on when it is over.
        if (building > 0 || handingOn)
            return;
        while (!held.empty() && building == 0)
            deliver(takeFirst());
        if (building > 0 || !held.empty())
            return;
        std::vector<Then> due;
        due.swap(waiting);
        for (Then& then : due)
            if (then.context)
                then.then();
    }

    std::deque<Held> held;
    std::vector<Then> waiting;
    QPointer<QWidget> open;
    QPointer<QWidget> heldWindow;
    QEvent* handingOn = nullptr;
    int building = 0;
    Building* innermost = nullptr;
    bool queued = false;
};

} // namespace

int PanelPreviewBuild::shownAfterMs = int(ModalProgress::shownAfterMs);
std::function<void()> PanelPreviewBuild::afterStep;

PanelPreviewBuild::Result PanelPreviewBuild::update(QWidget* parent, PanelBaseData& values, const QString& title,
                                                    const PanelBaseData* shown, const PanelBaseData* same,
                                                    bool yieldToInput)
{
    std::string entry = entryOf(values);
    // The same values build the same ribs: a change of tab or of what is
    // selected, or a redraw before closing, builds nothing.
    if (built && shown && entry == builtEntry && entryOf(*shown) == entry)
        return Result::Unchanged;
    if (same && (lentEntry(*same, values) != entry || hasSelection(*same)))
        same = nullptr;
    InPlace here;
    here.progress = inPlace;
    here.yieldToInput = yieldToInput;
    std::unique_ptr<PanelBaseData> made = run(parent, values, title, same, &here);
    if (!made)
        return here.superseded ? Result::Superseded : Result::Cancelled;
    built = std::move(made);
    builtEntry = std::move(entry);
    return Result::Built;
}

void PanelPreviewBuild::afterHeldInput(QObject* context, std::function<void()> then)
{
    InputHold::instance().afterwards(context, std::move(then));
}

const PanelBaseData* PanelPreviewBuild::lastOf(const PanelBaseData& values) const
{
    return built && entryOf(values) == builtEntry ? built.get() : nullptr;
}

void PanelPreviewBuild::forget()
{
    built.reset();
    builtEntry.clear();
}

std::unique_ptr<PanelBaseData> PanelPreviewBuild::takeLastOf(const PanelBaseData& values)
{
    if (!lastOf(values))
        return nullptr;
    builtEntry.clear();
    return std::move(built);
}

std::unique_ptr<PanelBaseData> PanelPreviewBuild::run(QWidget* parent, PanelBaseData& values, const QString& title,
                                                      const PanelBaseData* same, InPlace* inPlace)
{
    copySelection(values, RibList(), SparList(), SheetingStripList(), RibCombList());
    // Without a panel in the plane the panel is its own wing, as it is when
    // built on this thread.
    const bool inPlane = PlaneAccess::panelCount() > 0;
    const float wingRootChord = inPlane ? PlaneAccess::rootChord() : values.getRootChord();
    const int firstPanelId = inPlane ? PlaneAccess::firstPanelId() : values.getId();
    const int ribs = values.getRibList().getRibCount();
    // A step for every rib, and one for each spar cut through all ribs at once.
    const long long total = std::max(1, ribs + values.getSparList().getNumberOfSpars());
    QThread* const home = QThread::currentThread();
    std::unique_ptr<PanelBaseData> built;
    if (!runAway(parent, title, inPlace, total, PanelsTableModel::expectedIdDraws(values.getCoveringDefinition(), ribs),
                 [&] {
                     PlaneAccess::WingBlock wing(wingRootChord, firstPanelId);
                     built = std::make_unique<PanelBaseData>(same ? *same : values);
                     if (same)
                         takeUnbuiltValues(*built, values);
                     built->moveToThread(home);
                 })) {
        // A build that gave way as it completed: its ribs go beside the
        // window, which has a key to show.
        if (built)
            releaseBeside(holdRibs(*built));
        return nullptr;
    }
    built->watchTableModels();
    return built;
}

bool PanelPreviewBuild::rebuildAsWingRoot(QWidget* parent, PanelBaseData& panel, const QString& title)
{
    // Read through the panel's const side: a modifiable list handed out
    // would keep the plane from sharing the ribs built here.
    const PanelBaseData& values = panel;
    const int ribs = values.getRibList().getRibCount();
    const long long total = std::max(1, ribs + values.getSparList().getNumberOfSpars());
    InPlace here;
    here.progress = inPlace;
    return runAway(parent, title, &here, total, PanelsTableModel::expectedIdDraws(values.getCoveringDefinition(), ribs),
                   [&] {
                       PlaneAccess::WingBlock wing(values.getRootChord(), values.getId());
                       panel.rebuildRibs();
                   });
}

bool PanelPreviewBuild::runAway(QWidget* parent, const QString& title, InPlace* inPlace, long long total,
                                int idDraws, const std::function<void()>& build)
{
    QProgressDialog* const own =
        inPlace && inPlace->progress && inPlace->progress->window()->isVisible() ? inPlace->progress : nullptr;
    const bool yieldToInput = own && inPlace->yieldToInput;
    std::unique_ptr<InputHold::Building> holding;
    if (own) {
        holding = std::make_unique<InputHold::Building>(own, yieldToInput);
        // Keys typed before this build began are answered first.
        if (yieldToInput && InputHold::instance().holding()) {
            inPlace->superseded = true;
            return false;
        }
    }
    std::atomic<long long> done{0};
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> window;
    QProgressDialog* progress = nullptr;
    bool stoppedForInput = false;
    // The dialog's own progress is put away however the build ends.
    struct PutAway {
        QProgressDialog* progress = nullptr;
        ~PutAway()
        {
            if (progress) {
                progress->hide();
                progress->reset();
            }
        }
    } putAway;
    const auto showProgress = [&] {
        if (own) {
            own->reset();
            own->setLabelText(tr("Building the ribs of the panel..."));
            own->setCancelButtonText(tr("Cancel"));
            own->setRange(0, ModalProgress::steps);
            own->setValue(0);
            // Shown as the widget it is: a dialog that shows gives the
            // focus to its window's field anew, which would select its text
            // under the user's typing.
            own->QWidget::setVisible(true);
            putAway.progress = own;
            return own;
        }
        window = ModalProgress::open(parent, title, tr("Building the ribs of the panel..."), tr("Cancel"));
        return window.get();
    };
    const auto waiting = [&]() -> bool {
        if (!progress && clock.elapsed() >= shownAfterMs)
            progress = showProgress();
        if (own) {
            // The window's input is held, so it may turn in full: it paints,
            // and the Cancel in it can be clicked, also while a build that
            // gave way to a key finishes the step it is in.
            if (progress && !progress->wasCanceled())
                progress->setValue(int(std::min(done.load(), total - 1) * ModalProgress::steps / total));
            // What the user types goes first, before the timers have their
            // turn, and what came while they ran is taken before the wait
            // for the worker: a 3D view that draws a frame in slices would
            // hold it for a slice or two.
            if (yieldToInput)
                QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
            QCoreApplication::processEvents();
            if (yieldToInput)
                QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
            stoppedForInput = stoppedForInput
                              || (yieldToInput && (holding->gaveWay() || InputHold::instance().holding()));
            // What was typed shows now, not once the worker has let go of
            // what it half built.
            if (stoppedForInput)
                holding->giveWay();
            return !stoppedForInput && !(progress && progress->wasCanceled());
        }
        if (!progress) {
            // Nothing to click yet: paint, but take no input.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return true;
        }
        if (!progress->wasCanceled()) {
            progress->setValue(int(std::min(done.load(), total - 1) * ModalProgress::steps / total));
            QCoreApplication::processEvents();
        }
        return !progress->wasCanceled();
    };

    const bool complete = PanelsTableModel::buildInOrder(
        1, [&](int) { return idDraws; },
        [&](int) {
            ConcurrentWork::StepReport steps([&] {
                ++done;
                if (afterStep)
                    afterStep();
            });
            build();
        },
        waiting);
    if (stoppedForInput) {
        inPlace->superseded = true;
        return false;
    }
    // A Cancel the progress offered is taken, even when it came as the last
    // rib was done.
    return complete && !(progress && progress->wasCanceled());
}

std::string PanelPreviewBuild::entryOf(const PanelBaseData& values)
{
    PanelCodec::PanelMessage entry;
    PanelCodec::fill(&entry, values);
    return entry.SerializeAsString();
}

void PanelPreviewBuild::copySelection(PanelBaseData& to, const RibList& ribs, const SparList& spars,
                                      const SheetingStripList& strips, const RibCombList& combs)
{
    selectLike(to.getRibList().getRibs(), ribs.getRibs());
    selectLike(to.getSparList().getEditableSpars(), spars.getSpars());
    selectLike(to.getSheetingStripList().getStrips(), strips.getStrips());
    selectLike(to.getCombList().getCombs(), combs.getCombs());
}

PanelPreviewBuild::HeldRibs PanelPreviewBuild::holdRibs(const PanelBaseData& values)
{
    auto held = std::make_unique<std::vector<RibDefinition>>();
    const auto& ribs = values.getRibList().getRibs();
    held->reserve(ribs.size());
    for (const RibDefinition& rib : ribs) {
        held->emplace_back(rib);
        held->back().copyGeometryFrom(rib);
    }
    return held;
}

void PanelPreviewBuild::releaseBeside(HeldRibs ribs)
{
    // Without a thread the ribs go here, with the work that failed.
    if (ribs)
        release().take(ribs);
}

void PanelPreviewBuild::awaitRelease()
{
    while (!release().idle()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    }
}

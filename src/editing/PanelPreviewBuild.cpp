#include "editing/PanelPreviewBuild.h"

#include "document/PanelCodec.h"
#include "foundation/ConcurrentWork.h"
#include "foundation/ModalProgress.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "model/PlaneAccess.h"
#include "model/RibDefinition.h"

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

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

} // namespace

int PanelPreviewBuild::shownAfterMs = int(ModalProgress::shownAfterMs);

PanelPreviewBuild::Result PanelPreviewBuild::update(QWidget* parent, PanelBaseData& values, const QString& title,
                                                    const PanelBaseData* shown, const PanelBaseData* same)
{
    std::string entry = entryOf(values);
    // The same values build the same ribs: a change of tab or of what is
    // selected, or a redraw before closing, builds nothing.
    if (built && shown && entry == builtEntry && entryOf(*shown) == entry)
        return Result::Unchanged;
    if (same && (lentEntry(*same, values) != entry || hasSelection(*same)))
        same = nullptr;
    std::unique_ptr<PanelBaseData> made = run(parent, values, title, same);
    if (!made)
        return Result::Cancelled;
    built = std::move(made);
    builtEntry = std::move(entry);
    return Result::Built;
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

std::unique_ptr<PanelBaseData> PanelPreviewBuild::run(QWidget* parent, PanelBaseData& values, const QString& title,
                                                      const PanelBaseData* same)
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
    std::atomic<long long> done{0};
    QThread* const home = QThread::currentThread();

    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> progress;
    const auto waiting = [&]() -> bool {
        if (!progress && clock.elapsed() >= shownAfterMs)
            progress = ModalProgress::open(parent, title, tr("Building the ribs of the panel..."), tr("Cancel"));
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

    std::unique_ptr<PanelBaseData> built;
    const bool complete = PanelsTableModel::buildInOrder(
        1, [&](int) { return PanelsTableModel::expectedIdDraws(values.getCoveringDefinition(), ribs); },
        [&](int) {
            ConcurrentWork::StepReport steps([&] { ++done; });
            PlaneAccess::WingBlock wing(wingRootChord, firstPanelId);
            built = std::make_unique<PanelBaseData>(same ? *same : values);
            if (same)
                takeUnbuiltValues(*built, values);
            built->moveToThread(home);
        },
        waiting);
    // A Cancel the window offered is taken, even when it came as the last rib
    // was done.
    if (!complete || (progress && progress->wasCanceled()))
        return nullptr;
    built->watchTableModels();
    return built;
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

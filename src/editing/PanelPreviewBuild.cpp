#include "editing/PanelPreviewBuild.h"

#include "document/PanelCodec.h"
#include "foundation/ConcurrentWork.h"
#include "foundation/ModalProgress.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "model/PlaneAccess.h"

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>

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

// The thread that frees ribs let go of beside the window: one at a time,
// joined before the next and at the end of the program.
struct Release {
    std::thread thread;
    std::atomic<bool> done{true};
    ~Release()
    {
        if (thread.joinable())
            thread.join();
    }
};

Release& release()
{
    static Release theRelease;
    return theRelease;
}

} // namespace

int PanelPreviewBuild::shownAfterMs = int(ModalProgress::shownAfterMs);

std::unique_ptr<PanelBaseData> PanelPreviewBuild::run(QWidget* parent, PanelBaseData& values, const QString& title)
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
            built = std::make_unique<PanelBaseData>(values);
            built->moveToThread(home);
        },
        waiting);
    // A Cancel the window offered is taken, even when it came as the last rib
    // was done.
    if (!complete || (progress && progress->wasCanceled()))
        return nullptr;
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
    if (!ribs)
        return;
    Release& beside = release();
    if (beside.thread.joinable())
        beside.thread.join();
    beside.done = false;
    try {
        beside.thread = std::thread([held = std::move(ribs), &beside]() mutable {
            held.reset();
            beside.done = true;
        });
    } catch (const std::system_error&) {
        // No thread to be had: the ribs go here, with the work that failed.
        beside.done = true;
    }
}

void PanelPreviewBuild::awaitRelease()
{
    Release& beside = release();
    while (!beside.done) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    }
    if (beside.thread.joinable())
        beside.thread.join();
}

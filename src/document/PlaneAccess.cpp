#include "model/PlaneAccess.h"

#include "document/PlaneModel.h"
#include "model/Panel.h"

namespace {

thread_local PlaneAccess::IdBlock* openBlock = nullptr;
thread_local PlaneAccess::WingBlock* openWing = nullptr;

} // namespace

PlaneAccess::IdBlock::IdBlock(int first) : first(first), next(first), outer(openBlock)
{
    openBlock = this;
}

PlaneAccess::IdBlock::~IdBlock()
{
    openBlock = outer;
}

int PlaneAccess::nextId()
{
    if (openBlock)
        return openBlock->next++;
    return PlaneModel::instance()->getNextId();
}

int PlaneAccess::takeIds(int count)
{
    return PlaneModel::instance()->takeIds(count);
}

PlaneAccess::WingBlock::WingBlock(float rootChord, int firstPanelId)
    : wingRootChord(rootChord), firstId(firstPanelId), outer(openWing)
{
    openWing = this;
}

PlaneAccess::WingBlock::~WingBlock()
{
    openWing = outer;
}

float PlaneAccess::rootChord()
{
    if (openWing)
        return openWing->wingRootChord;
    return PlaneModel::instance()->getRootChord();
}

int PlaneAccess::panelCount()
{
    if (openWing)
        return 1;
    return PlaneModel::instance()->getPanelCount();
}

int PlaneAccess::firstPanelId()
{
    if (openWing)
        return openWing->firstId;
    const std::list<Panel*>& list = PlaneModel::instance()->getPanelList();
    return list.empty() || !list.front() ? -1 : list.front()->getId();
}

bool PlaneAccess::planeBeingBuilt()
{
    return PlaneModel::planeBeingBuilt();
}

bool PlaneAccess::deferChange(std::function<void()> change)
{
    PlaneModel::instance()->deferChange(std::move(change));
    return true;
}

const std::list<Panel*>& PlaneAccess::panels()
{
    return PlaneModel::instance()->getPanelList();
}

bool PlaneAccess::historyRecording()
{
    return PlaneModel::instance()->getHistoryRecordingEnabled();
}

void PlaneAccess::setHistoryRecording(bool on)
{
    PlaneModel::instance()->setHistoryRecordingEnabled(on);
}

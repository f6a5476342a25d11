#include "model/PlaneAccess.h"

#include "document/PlaneModel.h"

namespace {

thread_local PlaneAccess::IdBlock* openBlock = nullptr;

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

float PlaneAccess::rootChord()
{
    return PlaneModel::instance()->getRootChord();
}

int PlaneAccess::panelCount()
{
    return PlaneModel::instance()->getPanelCount();
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

#include "model/PlaneAccess.h"

#include "document/PlaneModel.h"

int PlaneAccess::nextId()
{
    return PlaneModel::instance()->getNextId();
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

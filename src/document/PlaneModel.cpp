#include "document/PlaneModel.h"

#include <QMutexLocker>

PlaneModel* PlaneModel::theInstance = nullptr;

PlaneModel* PlaneModel::instance()
{
    if (!theInstance)
        theInstance = new PlaneModel();
    return theInstance;
}

PlaneModel::PlaneModel()
{
    notifyObservers();
    theInstance = this;
    lastId = 1;
}

PlaneModel::~PlaneModel()
{
    if (theInstance == this)
        theInstance = nullptr;
}

int PlaneModel::getNextId()
{
    // The value must be taken while the lock is held: read after unlocking,
    // two threads could both see the second increment.
    QMutexLocker locker(&idMutex);
    return ++lastId;
}

float PlaneModel::getRootChord() const
{
    return -1.0f;
}

int PlaneModel::getPanelCount() const
{
    return static_cast<int>(panels.size());
}

const std::list<Panel*>& PlaneModel::getPanelList() const
{
    return panels;
}

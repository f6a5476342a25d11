#pragma once

#include "foundation/Observable.h"

#include <QMutex>
#include <list>

class Panel;

// The one plane that the application edits. The wing model asks it for
// plane-wide answers: document-unique part ids, the wing root chord that
// scales all rib geometry, and the panels in wing order.
class PlaneModel : public Observable
{
public:
    static PlaneModel* instance();

    PlaneModel(const PlaneModel&) = delete;
    PlaneModel& operator=(const PlaneModel&) = delete;
    ~PlaneModel() override;

    // Ids are unique for the life of the model: clearing, loading or closing
    // a document never restarts them, so records made for different
    // documents in one run never share an id.
    int getNextId();

    // Root chord of the first panel in mm, -1.0 while the plane has none.
    float getRootChord() const;
    int getPanelCount() const;
    // Root panel first; the panels stay owned by the plane.
    const std::list<Panel*>& getPanelList() const;

private:
    PlaneModel();

    static PlaneModel* theInstance;

    // The plane holds no panel until panels can be added to it.
    std::list<Panel*> panels;
    QMutex idMutex;
    int lastId = 1;
};

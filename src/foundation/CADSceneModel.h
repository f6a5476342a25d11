#pragma once

#include "foundation/Observable.h"

// Marks an observable that a CAD widget can show as its model (a wing
// panel is one). It adds nothing to Observable: the widget only needs to
// know that the object may change and tell it so.
class CADSceneModel : public Observable
{
public:
    CADSceneModel();
    ~CADSceneModel() override;
};

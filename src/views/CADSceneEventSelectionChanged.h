#pragma once

#include "views/CADSceneEvent.h"

// The rib selected in the panel editor's rib table changed.
class CADSceneEventSelectionChanged : public CADSceneEvent
{
public:
    // index: the 0-based table row of the selected rib.
    explicit CADSceneEventSelectionChanged(int index);

    int type() const override;
    int getIndex() const { return index; }

private:
    int index;
};

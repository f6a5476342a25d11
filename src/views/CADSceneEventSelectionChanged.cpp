#include "views/CADSceneEventSelectionChanged.h"

CADSceneEventSelectionChanged::CADSceneEventSelectionChanged(int index) : index(index) {}

int CADSceneEventSelectionChanged::type() const
{
    return SelectionChanged;
}

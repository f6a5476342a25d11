#pragma once

// Something the owner of a CAD widget tells it. A receiver switches on the
// type and then casts to the kind. Events are short-lived values passed by
// reference; nobody keeps them.
class CADSceneEvent
{
public:
    enum Type { SelectionChanged = 1, BuildingTabDataChanged = 2 };

    CADSceneEvent() = default;
    virtual int type() const = 0;
    virtual ~CADSceneEvent();

protected:
    CADSceneEvent(const CADSceneEvent&) = default;
    CADSceneEvent& operator=(const CADSceneEvent&) = default;
};

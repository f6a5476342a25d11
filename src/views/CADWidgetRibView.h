#pragma once

#include <vector>

#include "model/BuildingTabData.h"
#include "views/CADWidget.h"

class RibDefinition;
class Vector3D;
class Vertex;

// The 2D view of one rib of the panel being edited: the outline with its
// spar cut-outs and camber line, and where the building tabs stand across
// the height of all the panel's ribs. The drawing is in units of the wing
// root chord with the rib's leading edge at x = 0 and its upper side up.
// The panel's own ribs are never changed: building tabs are cut into a copy.
class CADWidgetRibView : public CADWidget
{
    Q_OBJECT

public:
    explicit CADWidgetRibView(QWidget* parent = nullptr);

    using CADWidget::setModel;
    // scale: drawing units per millimetre, 1 / the wing root chord. Asks
    // for a rib to be selected until an event draws one.
    virtual void setModel(CADSceneModel* model, float scale);
    // Does not redraw.
    void setScale(float newScale) { scale = newScale; }
    float getScale() const { return scale; }

    void notify(const CADSceneEvent& event) override;

    int getRibNumber() const { return ribNumber; }
    const BuildingTabData& getBuildingTabData() const { return tabData; }

private:
    void redraw();
    void drawRib(const RibDefinition& rib, const std::vector<Vector3D*>& outline);
    void drawBuildingTabs(const RibDefinition& rib);
    bool tabsDrawable() const;
    template <typename Point>
    void appendControlPoints(const std::vector<Point*>& points, const float* colour, bool closed, float dx, float dy,
                             float dz);
    void addRectangle(float x, float y1, float y2, float w);

    float scale;
    int ribNumber;
    BuildingTabData tabData;
    float minY;
    float maxY;
};

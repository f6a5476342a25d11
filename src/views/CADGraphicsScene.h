#pragma once

#include <QGraphicsScene>
#include <vector>

#include "foundation/Observer.h"

class CADSceneElement;

// A flat technical drawing. The scene holds no graphics items: its elements
// are painted in the foreground, in list order, under a scale that follows
// the width of the view (1 scene unit = 98 % of it at zoom 1), a zoom factor
// and a pan offset. The view puts the scene origin in the middle of the
// viewport, so scene x = 0 lies 1 % of the width from the left edge and
// y = 0 on the horizontal centre line, y growing downwards.
class CADGraphicsScene : public QGraphicsScene, public Observer
{
public:
    explicit CADGraphicsScene(const QString& name);
    ~CADGraphicsScene() override;
    CADGraphicsScene(const CADGraphicsScene&) = delete;
    CADGraphicsScene& operator=(const CADGraphicsScene&) = delete;

    // The scene owns what it is given. Neither call repaints: whoever
    // changes the drawing invalidates the scene when it is done.
    void addElement(CADSceneElement* element);
    void clearElements();
    const std::vector<CADSceneElement*>& getElements() const { return elements; }

    // Bit 0 asks lines to mark their control points. Does not repaint.
    void setPaintFlags(int flags) { paintFlags = flags; }
    int getPaintFlags() const { return paintFlags; }

    // Zoom is a factor (1 shows the drawing at the view's width); the pan is
    // in pixels at zoom 1. Setting them does not repaint.
    float getZoom() const { return zoom; }
    void setZoom(float value) { zoom = value; }
    float getPanX() const { return panX; }
    float getPanY() const { return panY; }
    void setPan(float x, float y)
    {
        panX = x;
        panY = y;
    }

    // No scene follows an observable or keeps view data in documents yet.
    void observedObjectChanged(Observable* observable) override;
    void saveViewData(serializedPlanformixData& data) override;
    void loadViewData(const google::protobuf::Message* data, SerializeableIf::hint_t hint) override;

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    std::vector<CADSceneElement*> elements;
    float zoom = 1.0f;
    float panX = 0.0f;
    float panY = 0.0f;
    int paintFlags = 0;
};

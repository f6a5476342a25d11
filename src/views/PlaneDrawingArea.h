#pragma once

#include "foundation/Observer.h"

#include <QGraphicsScene>

class PlaneModel;
class PlaneVisualisationOptions;

// The top view of the whole plane on the summary page: the fuselage line and
// both wing halves, each the chain of its panels' outlines, fitted into a
// square frame. The scene holds no items; everything is painted in the
// foreground, laid out around the scene origin (which the view keeps at the
// centre of its viewport). It repaints on every change of the plane and
// keeps nothing in the document. A plane held unbuilt for lack of memory is
// told as the panels table tells it, not drawn as an empty plane.
class PlaneDrawingArea : public QGraphicsScene, public Observer
{
    Q_OBJECT

public:
    // options: the main 3D view's record, of which only the gap between the
    // wing halves is read; null draws the halves meeting at the centre line.
    PlaneDrawingArea(QObject* parent, const PlaneVisualisationOptions* options);

    PlaneDrawingArea(const PlaneDrawingArea&) = delete;
    PlaneDrawingArea& operator=(const PlaneDrawingArea&) = delete;

    void observedObjectChanged(Observable* observable) override;
    void saveViewData(serializedPlanformixData& data) override;
    void loadViewData(const google::protobuf::Message* data, SerializeableIf::hint_t hint) override;

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    QRectF visibleArea(QPainter* painter, const QRectF& exposed) const;
    void drawNotDefinedMessage(QPainter* painter, float frameSide) const;
    // While the plane is held unbuilt for lack of memory.
    void drawNotShownMessage(QPainter* painter, float frameSide) const;
    void drawPlane(QPainter* painter, float frameSide) const;
    void drawWingHalf(QPainter* painter, int side, float scale, float distance, float noseY,
                      float wingPosition) const;

    PlaneModel* model;
    const PlaneVisualisationOptions* options;
};

#pragma once

// A paint device that remembers what is drawn on it, in page units, with
// the pen and brush of each shape, so that tests can ask what a drawing
// routine drew and in which order.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextItem>
#include <vector>

struct RecordedShape {
    enum Kind { Line, Polygon, Path, Text };
    Kind kind;
    QPen pen;
    QBrush brush;
    QPolygonF points; // in page units, transform applied
    QString text;
};

class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen)
            pen = state.pen();
        if (state.state() & DirtyBrush)
            brush = state.brush();
        if (state.state() & DirtyTransform)
            transform = state.transform();
    }

    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            add(RecordedShape::Line, QPolygonF(QVector<QPointF>{lines[i].p1(), lines[i].p2()}), pen.brush());
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i)
            polygon << points[i];
        add(mode == PolylineMode ? RecordedShape::Line : RecordedShape::Polygon, polygon,
            mode == PolylineMode ? QBrush() : brush);
    }
    void drawPath(const QPainterPath& path) override
    {
        add(RecordedShape::Path, path.toFillPolygon(), brush);
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        RecordedShape shape{RecordedShape::Text, pen, QBrush(), transform.map(QPolygonF(QVector<QPointF>{p})), item.text()};
        shapes.push_back(shape);
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    std::vector<RecordedShape> shapes;

private:
    void add(RecordedShape::Kind kind, const QPolygonF& points, const QBrush& fill)
    {
        shapes.push_back({kind, pen, fill, transform.map(points), QString()});
    }

    QPen pen;
    QBrush brush;
    QTransform transform;
};

// One unit per millimetre; big enough for any test drawing.
class RecordingDevice : public QPaintDevice
{
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    const std::vector<RecordedShape>& shapes() const { return engine.shapes; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 25;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return 10000;
        }
    }

private:
    mutable RecordingEngine engine;
};

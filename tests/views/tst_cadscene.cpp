#include "foundation/GLUtils.h"
#include "foundation/Vertex.h"
#include "output/recordingdevice.h"
#include "views/CADGraphicsScene.h"
#include "views/CADSceneControlPoint.h"
#include "views/CADSceneLine.h"
#include "views/CADWidget.h"
#include "views/QCADGraphicView.h"

#include <QPainter>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>
#include <memory>

// The drawing framework: where scene units land in the view, what a line
// paints, and how the mouse moves and zooms the drawing.
namespace {

const int ViewWidth = 400;
const int ViewHeight = 300;
const float Blue[4] = {0.0f, 0.0f, 1.0f, 1.0f};

CADSceneLine* makeLine(const QVector<QPointF>& points, const float* colour, bool closed)
{
    auto* list = new std::vector<CADSceneControlPoint*>;
    for (const QPointF& p : points)
        list->push_back(new CADSceneControlPoint(new Vertex(float(p.x()), float(p.y()), 0.0f)));
    return new CADSceneLine(list, colour, closed);
}

// Counts how many of its kind are alive, so that ownership can be checked.
class CountedElement : public CADSceneElement
{
public:
    CountedElement() { ++alive; }
    ~CountedElement() override { --alive; }
    void paint(QPainter*, float, float, float, int) override {}
    static int alive;
};
int CountedElement::alive = 0;

// Mouse and wheel events as the window system delivers them: sent to the
// view's viewport, from where Qt hands what the view does not use on to its
// parents.
void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(target, &event);
}

void sendWheel(QWidget* target, int delta)
{
    const QPoint pos(50, 50);
    QWheelEvent event(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(target, &event);
}

} // namespace

class TestCADScene : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void linePaintsItsSegments_data();
    void linePaintsItsSegments();
    void penFollowsColourRecord_data();
    void penFollowsColourRecord();
    void controlPointMarkersUseThePenBeforeTheLine();
    void dragMovesTheDrawingWithTheMouse_data();
    void dragMovesTheDrawingWithTheMouse();
    void wheelChangesZoomButNeverToZeroOrBelow_data();
    void wheelChangesZoomButNeverToZeroOrBelow();
    void doubleClickRestoresStartPosition();
    void sceneOwnsItsElements();

private:
    // Paints the scene as the view does, recording shapes in scene
    // coordinates (origin in the middle of the view).
    std::vector<RecordedShape> record();
    QPointF firstPointOfFirstLine();

    std::unique_ptr<CADWidget> widget;
};

void TestCADScene::init()
{
    GLUtils::greyMode = false;
    widget = std::make_unique<CADWidget>();
    widget->resize(ViewWidth, ViewHeight);
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    QCOMPARE(widget->getView()->width(), ViewWidth);
}

void TestCADScene::cleanup()
{
    widget.reset();
    GLUtils::greyMode = false;
}

std::vector<RecordedShape> TestCADScene::record()
{
    RecordingDevice device;
    QPainter painter(&device);
    const QRectF area(-ViewWidth / 2.0, -ViewHeight / 2.0, ViewWidth, ViewHeight);
    painter.translate(ViewWidth / 2.0, ViewHeight / 2.0);
    widget->getScene()->render(&painter, area, area);
    painter.end();
    std::vector<RecordedShape> shapes;
    for (const RecordedShape& shape : device.shapes()) {
        RecordedShape moved = shape;
        moved.points.translate(-ViewWidth / 2.0, -ViewHeight / 2.0);
        shapes.push_back(moved);
    }
    return shapes;
}

QPointF TestCADScene::firstPointOfFirstLine()
{
    for (const RecordedShape& shape : record())
        if (shape.kind == RecordedShape::Line)
            return shape.points.first();
    return QPointF(qInf(), qInf());
}


void TestCADScene::linePaintsItsSegments_data()
{
    QTest::addColumn<QVector<QPointF>>("points");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QVector<QLineF>>("segments");

    const QPointF a(0.0, 0.0), b(0.5, 0.0), c(0.5, 0.25);
    // Scene units to painter positions with the view 400 wide: s = 392.
    const auto at = [](QPointF p) { return QPointF(p.x() * 392.0 - 196.0, p.y() * 392.0); };
    QTest::newRow("no point") << QVector<QPointF>{} << false << QVector<QLineF>{};
    QTest::newRow("no point, closed") << QVector<QPointF>{} << true << QVector<QLineF>{};
    QTest::newRow("one point") << QVector<QPointF>{a} << false << QVector<QLineF>{};
    QTest::newRow("one point, closed") << QVector<QPointF>{a} << true << QVector<QLineF>{};
    QTest::newRow("two points") << QVector<QPointF>{a, b} << false << QVector<QLineF>{{at(a), at(b)}};
    QTest::newRow("two points, closed: there and back")
        << QVector<QPointF>{a, b} << true << QVector<QLineF>{{at(a), at(b)}, {at(b), at(a)}};
    QTest::newRow("open polyline does not join its ends")
        << QVector<QPointF>{a, b, c} << false << QVector<QLineF>{{at(a), at(b)}, {at(b), at(c)}};
    QTest::newRow("closed polyline returns to its start")
        << QVector<QPointF>{a, b, c} << true << QVector<QLineF>{{at(a), at(b)}, {at(b), at(c)}, {at(c), at(a)}};
}

void TestCADScene::linePaintsItsSegments()
{
    QFETCH(QVector<QPointF>, points);
    QFETCH(bool, closed);
    QFETCH(QVector<QLineF>, segments);

    widget->getScene()->addElement(makeLine(points, Blue, closed));
    QVector<QLineF> drawn;
    for (const RecordedShape& shape : record()) {
        QCOMPARE(shape.kind, RecordedShape::Line);
        for (int i = 1; i < shape.points.size(); ++i)
            drawn.append(QLineF(shape.points[i - 1], shape.points[i]));
    }
    QCOMPARE(drawn.size(), segments.size());
    for (int i = 0; i < drawn.size(); ++i) {
        QVERIFY2((drawn[i].p1() - segments[i].p1()).manhattanLength() < 1e-3, qPrintable(QString::number(i)));
        QVERIFY2((drawn[i].p2() - segments[i].p2()).manhattanLength() < 1e-3, qPrintable(QString::number(i)));
    }
}

void TestCADScene::penFollowsColourRecord_data()
{
    QTest::addColumn<QVector<float>>("record");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<QColor>("pen");
    QTest::newRow("rib outline") << QVector<float>{1.0f, 0.57f, 0.0f, 2.0f} << false << QColor(255, 145, 0);
    QTest::newRow("alpha of the record is not used")
        << QVector<float>{0.5f, 0.5f, 0.5f, 0.2f} << false << QColor(127, 127, 127);
    QTest::newRow("grey building tab") << QVector<float>{0.71f, 0.71f, 0.71f, 1.0f} << true << QColor(181, 181, 181);
    QTest::newRow("grey round spar") << QVector<float>{0.08f, 0.9f, 0.08f, 2.0f} << true << QColor(143, 143, 143);
}

void TestCADScene::penFollowsColourRecord()
{
    QFETCH(QVector<float>, record);
    QFETCH(bool, grey);
    QFETCH(QColor, pen);

    GLUtils::greyMode = grey;
    widget->getScene()->addElement(makeLine({{0, 0}, {1, 0}}, record.constData(), false));
    const std::vector<RecordedShape> shapes = this->record();
    QCOMPARE(int(shapes.size()), 1);
    QCOMPARE(shapes[0].pen.color(), pen);
    QCOMPARE(shapes[0].pen.style(), Qt::SolidLine);
    QCOMPARE(shapes[0].pen.widthF(), 1.0);
}

void TestCADScene::controlPointMarkersUseThePenBeforeTheLine()
{
    CADGraphicsScene* scene = widget->getScene();
    scene->addElement(makeLine({{0.0, 0.0}, {0.5, 0.1}}, Blue, false));
    scene->addElement(makeLine({{0.25, -0.2}, {0.75, -0.1}}, GLUtils::colorCombPart2, false));
    scene->setPaintFlags(1);

    // Every marker is a 3 x 3 square centred on its point; inner points of
    // a line are marked twice, here the two end points once each.
    struct Expected {
        QPointF centre;
        QColor pen;
    };
    const QColor red(200, 0, 0), blue(0, 0, 255);
    const Expected expected[] = {{{-196, 0}, red}, {{0, 39}, red}, {{-98, -78}, blue}, {{98, -39}, blue}};
    std::vector<RecordedShape> markers;
    for (const RecordedShape& shape : record())
        if (shape.kind != RecordedShape::Line)
            markers.push_back(shape);
    QCOMPARE(int(markers.size()), 4);
    for (int i = 0; i < 4; ++i) {
        const QRectF box = markers[i].points.boundingRect();
        const QPointF c = expected[i].centre;
        QCOMPARE(box, QRectF(std::floor(c.x()) - 1, std::floor(c.y()) - 1, 3, 3));
        QCOMPARE(markers[i].pen.color(), expected[i].pen);
        QCOMPARE(markers[i].brush.style(), Qt::NoBrush);
    }
}


void TestCADScene::dragMovesTheDrawingWithTheMouse_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QPoint>("drag");
    QTest::newRow("zoom 1, right") << 1.0f << QPoint(10, 0);
    QTest::newRow("zoom 2, right") << 2.0f << QPoint(10, 0);
    QTest::newRow("zoom 2, down") << 2.0f << QPoint(0, 10);
    QTest::newRow("zoom 0.5, up and left") << 0.5f << QPoint(-7, -12);
}

void TestCADScene::dragMovesTheDrawingWithTheMouse()
{
    QFETCH(float, zoom);
    QFETCH(QPoint, drag);

    widget->getScene()->addElement(makeLine({{0.5, 0.0}, {1.0, 0.0}}, Blue, false));
    widget->getScene()->setZoom(zoom);
    const QPointF before = firstPointOfFirstLine();

    QWidget* viewport = widget->getView()->viewport();
    const QPoint start(120, 80);
    sendMouse(viewport, QEvent::MouseButtonPress, start, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, start + drag / 2, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, start + drag, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, start + drag, Qt::NoButton);

    const QPointF moved = firstPointOfFirstLine() - before;
    QVERIFY2(qAbs(moved.x() - drag.x()) < 1e-3 && qAbs(moved.y() - drag.y()) < 1e-3,
             qPrintable(QString("%1, %2").arg(moved.x()).arg(moved.y())));
    QCOMPARE(widget->getScene()->getZoom(), zoom);
}

void TestCADScene::wheelChangesZoomButNeverToZeroOrBelow_data()
{
    QTest::addColumn<float>("zoom");
    QTest::addColumn<int>("delta");
    QTest::addColumn<float>("expected");
    QTest::newRow("one notch in") << 1.0f << 120 << 1.36f;
    QTest::newRow("three notches out from 1.5") << 1.5f << -360 << 0.42f;
    QTest::newRow("three notches out from 1 would reach -0.08") << 1.0f << -360 << 1.0f;
}

void TestCADScene::wheelChangesZoomButNeverToZeroOrBelow()
{
    QFETCH(float, zoom);
    QFETCH(int, delta);
    QFETCH(float, expected);

    widget->getScene()->setZoom(zoom);
    sendWheel(widget->getView()->viewport(), delta);
    QVERIFY2(qAbs(widget->getScene()->getZoom() - expected) < 1e-5,
             qPrintable(QString::number(widget->getScene()->getZoom())));
}

void TestCADScene::doubleClickRestoresStartPosition()
{
    widget->getScene()->addElement(makeLine({{0.0, 0.0}, {1.0, 0.0}}, Blue, false));
    const QPointF home = firstPointOfFirstLine();
    QWidget* viewport = widget->getView()->viewport();
    sendWheel(viewport, 240);
    sendMouse(viewport, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, {40, 70}, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, {40, 70}, Qt::NoButton);
    QVERIFY(firstPointOfFirstLine() != home);

    sendMouse(viewport, QEvent::MouseButtonDblClick, {40, 70}, Qt::LeftButton);
    QCOMPARE(widget->getScene()->getZoom(), 1.0f);
    QCOMPARE(firstPointOfFirstLine(), home);
}

void TestCADScene::sceneOwnsItsElements()
{
    CADGraphicsScene* scene = widget->getScene();
    scene->addElement(new CountedElement);
    scene->addElement(new CountedElement);
    QCOMPARE(CountedElement::alive, 2);
    scene->clearElements();
    QCOMPARE(CountedElement::alive, 0);
    QVERIFY(scene->getElements().empty());

    scene->addElement(new CountedElement);
    widget.reset();
    QCOMPARE(CountedElement::alive, 0);
}



QTEST_MAIN(TestCADScene)
#include "tst_cadscene.moc"

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "foundation/Vector3D.h"
#include "views/AirfoilDrawingArea.h"

#include <QGraphicsView>
#include <QPainter>
#include <QtTest>
#include <memory>

// The import preview: the outline fitted to the view's width, a trial scale
// in red over the grey original, and a cross once the airfoil is gone.
namespace {

Airfoil* loadNaca0012()  // 12 % thick, symmetric
{
    return WingFoils().loadAirfoilFile(PLANFORMIX_BINARY_DIR "/resources/foils_v2/naca0012.dat",
                                       AirfoilFileType::Dat);
}

bool isRed(QRgb p)  // also where it crosses the blue chord axis
{
    return qRed(p) - qGreen(p) > 80 && qRed(p) - qBlue(p) > 80;
}

bool isGrey(QRgb p)
{
    return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) < 200;
}

bool isBlue(QRgb p)
{
    return qBlue(p) - qRed(p) > 100 && qRed(p) == qGreen(p);
}

QRect boxOf(const QImage& image, bool (*kind)(QRgb))
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (kind(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Anti-aliased lines through a point may fall on a neighbouring pixel.
bool blueNear(const QImage& image, int x, int y)
{
    return !boxOf(image.copy(x - 2, y - 1, 5, 3), isBlue).isEmpty();
}

// The scene over an area of the given size centred on the origin, painted
// with a blue pen in hand.
QImage render(AirfoilDrawingArea& scene, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::blue, 1));
    scene.render(&painter, QRectF(0, 0, width, height), QRectF(-width / 2.0, -height / 2.0, width, height));
    return image;
}

} // namespace

class TestAirfoilDrawingArea : public QObject
{
    Q_OBJECT

private slots:
    void scaleDrawsRedOverGreyOriginal_data();
    void scaleDrawsRedOverGreyOriginal();
    void takenAirfoilLeavesCrossAndOutlivesScene();
    void viewRefitsOnResizeAndPartialRepaint();
};

void TestAirfoilDrawingArea::scaleDrawsRedOverGreyOriginal_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("redHalfHeight");
    QTest::addColumn<bool>("grey");

    // 0.06 of a 360 px chord is 21.6 px either side of the axis (row 150).
    QTest::newRow("exactly one: red only") << 1.0f << 22 << false;
    QTest::newRow("a tenth above one") << 1.1f << 24 << true;
    QTest::newRow("one and a half") << 1.5f << 32 << true;
    QTest::newRow("zero: flat on the axis") << 0.0f << 1 << true;
}

void TestAirfoilDrawingArea::scaleDrawsRedOverGreyOriginal()
{
    QFETCH(float, scale);
    QFETCH(int, redHalfHeight);
    QFETCH(bool, grey);

    AirfoilDrawingArea scene(nullptr, loadNaca0012());
    QVERIFY(scene.getAirfoil());
    QCOMPARE(scene.getScale(), 1.0f);
    scene.setScale(scale);
    const QImage image = render(scene, 400, 300);

    // Chord 0.9 x 400 px, centred: columns 20 to 380, whatever the height.
    const QRect red = boxOf(image, isRed);
    QVERIFY2(qAbs(red.left() - 20) <= 1 && qAbs(red.right() - 380) <= 1,
             qPrintable(QString("%1..%2").arg(red.left()).arg(red.right())));
    QVERIFY2(qAbs(150 - red.top() - redHalfHeight) <= 2, qPrintable(QString::number(red.top())));
    QVERIFY(qAbs(red.bottom() - 150 - redHalfHeight) <= 2);
    const QRect original = boxOf(image, isGrey);
    QCOMPARE(!original.isEmpty(), grey);
    if (grey)
        QVERIFY(qAbs(150 - original.top() - 22) <= 2);

    // The entry pen: the leading-edge line at column 20 over the full
    // height and the chord axis over the full width.
    const QRect blue = boxOf(image, isBlue);
    QVERIFY(blue.top() == 0 && blue.bottom() == 299 && blue.left() <= 1 && blue.right() >= 398);
    QVERIFY(blueNear(image, 20, 10));

    // The scale is only shown; the airfoil keeps its points.
    float maxY = 0.0f;
    for (int i = 0; i < 280; ++i)
        maxY = std::max(maxY, scene.getAirfoil()->getPoint(i)->getY());
    QVERIFY(qAbs(maxY - 0.06f) < 0.002f);
}

void TestAirfoilDrawingArea::takenAirfoilLeavesCrossAndOutlivesScene()
{
    auto scene = std::make_unique<AirfoilDrawingArea>(nullptr, loadNaca0012());
    std::unique_ptr<Airfoil> taken(scene->takeAirfoil());
    QVERIFY(taken);
    QVERIFY(!scene->getAirfoil());
    QVERIFY(!scene->takeAirfoil());

    const QImage image = render(*scene, 400, 200);
    QVERIFY(boxOf(image, isRed).isEmpty());
    for (const QPoint& onDiagonal : {QPoint(100, 50), QPoint(300, 50), QPoint(100, 150), QPoint(300, 150)})
        QVERIFY(blueNear(image, onDiagonal.x(), onDiagonal.y()));
    QVERIFY(!blueNear(image, 200, 20));
    QVERIFY(!blueNear(image, 20, 100));

    scene.reset();
    QCOMPARE(taken->getPointCount(), 280);
    QCOMPARE(taken->getName(), QString("NACA 0012"));
}

void TestAirfoilDrawingArea::viewRefitsOnResizeAndPartialRepaint()
{
    AirfoilDrawingArea scene(nullptr, loadNaca0012());
    QGraphicsView view;
    view.setScene(&scene);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(400, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(qAbs(boxOf(view.viewport()->grab().toImage(), isRed).width() - 360) <= 3);

    view.resize(600, 200);
    QTRY_COMPARE(view.viewport()->width(), 600);
    const QImage full = view.viewport()->grab().toImage();
    QVERIFY(qAbs(boxOf(full, isRed).width() - 540) <= 3);

    // A repaint of one corner only (a window moved away from it) must paint
    // that corner of the same picture, not an airfoil fitted into the corner.
    QImage part(full.size(), QImage::Format_RGB32);
    part.fill(Qt::white);
    view.viewport()->render(&part, QPoint(), QRegion(0, 0, 200, 100));
    QVERIFY(boxOf(part, isRed).height() > 10);
    int differing = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            differing += isRed(part.pixel(x, y)) != isRed(full.pixel(x, y));
    QCOMPARE(differing, 0);
}

QTEST_MAIN(TestAirfoilDrawingArea)
#include "tst_airfoildrawingarea.moc"

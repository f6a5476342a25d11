#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "foundation/Vector3D.h"
#include "views/AirfoilDrawingArea.h"

#include <QGraphicsView>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <memory>

// The import preview: the outline fitted to the view's width, the scale
// shown in red over the grey original, and a cross once the airfoil is gone.
namespace {

const QString Naca0012 = QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/foils_v2/naca0012.dat");

Airfoil* loadNaca0012()
{
    WingFoils reader;
    return reader.loadAirfoilFile(Naca0012, AirfoilFileType::Dat);
}

bool isRed(QRgb p)
{
    // Also where it crosses the blue chord axis.
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

// Anti-aliased lines through a point may fall on either neighbouring pixel.
bool blueNear(const QImage& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (isBlue(image.pixel(x + dx, y + dy)))
                return true;
    return false;
}

// Pixels of a kind, as a bounding box in image coordinates (empty if none).
QRect boxOf(const QImage& image, bool (*kind)(QRgb))
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (kind(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Renders the scene over the area of the given size centred on the origin,
// with a blue pen in hand, as a view would hand over its painter.
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
    void outlineFillsNineTenthsOfTheWidth();
    void scaleDrawsRedOverGreyOriginal_data();
    void scaleDrawsRedOverGreyOriginal();
    void takenAirfoilLeavesCrossAndOutlivesScene();
    void viewRefitsOnResizeAndPartialRepaint();
};

void TestAirfoilDrawingArea::outlineFillsNineTenthsOfTheWidth()
{
    AirfoilDrawingArea scene(nullptr, loadNaca0012());
    QVERIFY(scene.getAirfoil());
    QCOMPARE(scene.getScale(), 1.0f);

    const QImage image = render(scene, 400, 300);
    const QRect red = boxOf(image, isRed);
    // Chord 0.9 x 400 = 360 px, centred: columns 20 to 380.
    QVERIFY2(qAbs(red.left() - 20) <= 1 && qAbs(red.right() - 380) <= 1, qPrintable(QString("%1..%2").arg(red.left()).arg(red.right())));
    // 12 % thick: about 21.6 px either side of the chord axis in row 150;
    // the height of the area plays no part.
    QVERIFY(qAbs(red.top() - (150 - 22)) <= 2);
    QVERIFY(qAbs(red.bottom() - (150 + 22)) <= 2);

    // The entry pen draws the leading-edge line at x = -180 over the full
    // height and the chord axis across the full width.
    const QRect blue = boxOf(image, isBlue);
    QCOMPARE(blue.top(), 0);
    QCOMPARE(blue.bottom(), 299);
    QVERIFY(blue.left() <= 1 && blue.right() >= 398);
    QVERIFY(isBlue(image.pixel(20, 10)));
}

void TestAirfoilDrawingArea::scaleDrawsRedOverGreyOriginal_data()
{
    QTest::addColumn<float>("scale");
    QTest::addColumn<int>("redHalfHeight");
    QTest::addColumn<bool>("grey");

    QTest::newRow("exactly one: red only") << 1.0f << 22 << false;
    QTest::newRow("a tenth above one: grey shows") << 1.1f << 24 << true;
    QTest::newRow("one and a half") << 1.5f << 32 << true;
    QTest::newRow("zero: flat on the chord axis") << 0.0f << 1 << true;
}

void TestAirfoilDrawingArea::scaleDrawsRedOverGreyOriginal()
{
    QFETCH(float, scale);
    QFETCH(int, redHalfHeight);
    QFETCH(bool, grey);

    AirfoilDrawingArea scene(nullptr, loadNaca0012());
    scene.setScale(scale);
    QCOMPARE(scene.getScale(), scale);
    const QImage image = render(scene, 400, 300);

    const QRect red = boxOf(image, isRed);
    QVERIFY(!red.isEmpty());
    QVERIFY2(qAbs(150 - red.top() - redHalfHeight) <= 2, qPrintable(QString::number(red.top())));
    QVERIFY(qAbs(red.bottom() - 150 - redHalfHeight) <= 2);

    const QRect original = boxOf(image, isGrey);
    QCOMPARE(!original.isEmpty(), grey);
    if (grey)
        QVERIFY(qAbs(150 - original.top() - 22) <= 2);
    // The preview scale never reaches the airfoil itself.
    float maxY = 0.0f;
    for (int i = 0; i < scene.getAirfoil()->getPointCount(); ++i)
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
    // Both diagonals of the area, in the entry pen.
    QVERIFY(blueNear(image, 100, 50));
    QVERIFY(blueNear(image, 300, 50));
    QVERIFY(blueNear(image, 100, 150));
    QVERIFY(blueNear(image, 300, 150));
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

    QImage full = view.viewport()->grab().toImage();
    QRect red = boxOf(full, isRed);
    QVERIFY2(qAbs(red.width() - 360) <= 3, qPrintable(QString::number(red.width())));

    view.resize(600, 200);
    QTRY_COMPARE(view.viewport()->width(), 600);
    full = view.viewport()->grab().toImage();
    red = boxOf(full, isRed);
    QVERIFY2(qAbs(red.width() - 540) <= 3, qPrintable(QString::number(red.width())));

    // A repaint of one corner only (another window moved away from it)
    // must paint that corner of the same picture, not a small airfoil.
    const QRegion corner(0, 0, 150, 100);
    QImage part(view.viewport()->size(), QImage::Format_RGB32);
    part.fill(Qt::white);
    view.viewport()->render(&part, QPoint(), corner);
    int differing = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 150; ++x)
            differing += isRed(part.pixel(x, y)) != isRed(full.pixel(x, y));
    QVERIFY(boxOf(part.copy(0, 0, 150, 100), isRed).height() > 10);
    QCOMPARE(differing, 0);
}

QTEST_MAIN(TestAirfoilDrawingArea)
#include "tst_airfoildrawingarea.moc"

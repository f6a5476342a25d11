#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PlaneVisualisationOptions.h"
#include "views/PlaneDrawingArea.h"

#include <QGraphicsView>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

// The planform on the summary page: the plane top view drawn to scale in a
// square frame, or a hint while there is nothing to draw.
namespace {

struct PanelSpec {
    float length;
    float rootChord;
    float tipChord;
    float sweep;
    float dihedral;
};

PanelBaseData panelData(int id, const PanelSpec& spec)
{
    return PanelBaseData(id, QStringLiteral("Panel %1").arg(id), QStringLiteral("NACA 2412"),
                         QStringLiteral("NACA 0012"), spec.rootChord, spec.tipChord, spec.sweep, spec.length, 0.0f,
                         spec.dihedral, false, false, true, 3.0f, 4, 150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(),
                         SparList(), SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList());
}

// Thin anti-aliased lines spread over two pixels at half strength.
bool isBlack(QRgb p)
{
    return qRed(p) < 160 && qGreen(p) < 160 && qBlue(p) < 160;
}

bool isLightGrey(QRgb p)  // the frame and an automatic fuselage
{
    return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) >= 170 && qRed(p) <= 230;
}

bool isRed(QRgb p)
{
    return qRed(p) - qGreen(p) > 80 && qRed(p) - qBlue(p) > 80;
}

QRect boxOf(const QImage& image, bool (*kind)(QRgb), const QRect& within = QRect())
{
    const QRect area = within.isNull() ? image.rect() : within & image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (kind(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The scene over an area of the given size centred on the origin.
QImage render(PlaneDrawingArea& scene, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(0, 0, width, height), QRectF(-width / 2.0, -height / 2.0, width, height));
    return image;
}

PlaneVisualisationOptions optionsWithGap(float distance)
{
    return PlaneVisualisationOptions(true, true, true, true, true, false, true, true, 100, 50, distance, false,
                                     false);
}

} // namespace

Q_DECLARE_METATYPE(QVector<PanelSpec>)

class TestPlaneDrawingArea : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void hintFillsFrameUntilPanelsExist_data();
    void hintFillsFrameUntilPanelsExist();
    void planformDrawnToScale_data();
    void planformDrawnToScale();
    void partialRepaintKeepsTheWholeLayout();

private:
    QTemporaryDir imported;
    PlaneModel* plane = nullptr;
};

void TestPlaneDrawingArea::initTestCase()
{
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"), imported.path()));
}

void TestPlaneDrawingArea::init()
{
    plane = PlaneModel::instance();
}

void TestPlaneDrawingArea::cleanup()
{
    delete plane;
    plane = nullptr;
}

void TestPlaneDrawingArea::hintFillsFrameUntilPanelsExist_data()
{
    QTest::addColumn<bool>("notified");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("before the first notification") << false << 400 << 300;
    QTest::newRow("plane without panels") << true << 400 << 300;
    QTest::newRow("tall window uses its width") << true << 300 << 500;
    QTest::newRow("large window") << true << 900 << 700;
}

void TestPlaneDrawingArea::hintFillsFrameUntilPanelsExist()
{
    QFETCH(bool, notified);
    QFETCH(int, width);
    QFETCH(int, height);

    PlaneDrawingArea scene(nullptr, nullptr);
    if (notified)
        scene.observedObjectChanged(plane);
    const QImage image = render(scene, width, height);

    const int cx = width / 2;
    const int cy = height / 2;
    const float side = 0.95f * std::min(width, height);
    const int half = int(side / 2);

    // The grey frame, square on the smaller side of the window.
    const QRect frame = boxOf(image, isLightGrey);
    QVERIFY(qAbs(frame.left() - (cx - half)) <= 1 && qAbs(frame.top() - (cy - half)) <= 1);
    QVERIFY(qAbs(frame.width() - int(side)) <= 2 && qAbs(frame.height() - int(side)) <= 2);

    // The red text spans the frame's width, sitting on the centre line.
    const QRect text = boxOf(image, isRed);
    const int slack = int(0.03f * side) + 2;
    QVERIFY(qAbs(text.left() - (cx - half)) <= slack && qAbs(text.right() - (cx + half)) <= slack);
    QVERIFY(text.top() < cy && text.bottom() > cy - 2 && text.bottom() < cy + text.height());
    QVERIFY(boxOf(image, isBlack).isEmpty());
}

void TestPlaneDrawingArea::planformDrawnToScale_data()
{
    QTest::addColumn<QVector<PanelSpec>>("panels");
    QTest::addColumn<float>("gap");
    QTest::addColumn<float>("userFuselage");
    QTest::addColumn<bool>("considerDihedral");

    const QVector<PanelSpec> rectangle{{250.0f, 100.0f, 100.0f, 0.0f, 0.0f}};
    const QVector<PanelSpec> tapered{{250.0f, 120.0f, 60.0f, 40.0f, 0.0f}};
    const QVector<PanelSpec> twoPanels{{200.0f, 150.0f, 120.0f, 10.0f, 60.0f}, {100.0f, 120.0f, 60.0f, 30.0f, 30.0f}};

    QTest::newRow("rectangle, wing fills the frame") << rectangle << 0.0f << -1.0f << true;
    QTest::newRow("tapered and swept") << tapered << 0.0f << -1.0f << true;
    QTest::newRow("user fuselage longer than the wing") << tapered << 0.0f << 1000.0f << true;
    QTest::newRow("user fuselage shorter than the wing") << rectangle << 0.0f << 300.0f << true;
    QTest::newRow("halves apart") << tapered << 60.0f << -1.0f << true;
    QTest::newRow("dihedral projected") << twoPanels << 0.0f << -1.0f << true;
    QTest::newRow("dihedral ignored") << twoPanels << 0.0f << -1.0f << false;
}

void TestPlaneDrawingArea::planformDrawnToScale()
{
    QFETCH(QVector<PanelSpec>, panels);
    QFETCH(float, gap);
    QFETCH(float, userFuselage);
    QFETCH(bool, considerDihedral);

    const PlaneVisualisationOptions options = optionsWithGap(gap);
    PlaneDrawingArea scene(nullptr, &options);
    plane->addObserver(&scene);
    plane->setConsiderDihedral(considerDihedral);
    if (userFuselage > 0.0f)
        plane->setFuselageLength(userFuselage);
    int id = 0;
    for (const PanelSpec& spec : panels)
        plane->getTableModel()->addOrUpdatePanel(panelData(id++, spec));

    // The expected layout, worked out from the panels alone.
    const double pi = 3.14159265358979;
    double halfSpan = 0.0;
    double angle = 0.0;
    for (int i = 0; i < panels.size(); ++i) {
        if (considerDihedral)
            angle += i == 0 ? panels[i].dihedral / 2.0 : panels[i].dihedral;
        halfSpan += panels[i].length * std::cos(angle * pi / 180.0);
    }
    const double span = 2.0 * halfSpan;
    QVERIFY(qAbs(plane->getSpan() - span) < 0.01);
    const double fus = userFuselage > 0.0f ? userFuselage : std::max(0.8 * span, 1.4 * panels[0].rootChord);
    const double wingPosition = 0.2 * fus;

    const int size = 420;
    const QImage image = render(scene, size, size);
    const double side = 0.95 * size;
    const double k = side / std::max(span + gap, fus);
    const double c = size / 2.0;

    // Right half, in pixels: the root leading edge half the gap out and the
    // wing position behind the nose; every panel's corners.
    double x = gap * k / 2;
    double le = -fus * k / 2 + wingPosition * k;
    QRectF wing(QPointF(c + x, c + le), QSizeF(0, 0));
    angle = 0.0;
    for (int i = 0; i < panels.size(); ++i) {
        if (considerDihedral)
            angle += i == 0 ? panels[i].dihedral / 2.0 : panels[i].dihedral;
        const double L = panels[i].length * std::cos(angle * pi / 180.0) * k;
        wing |= QRectF(c + x, c + le, 0.001, panels[i].rootChord * k);
        x += L;
        le += panels[i].sweep * k;
        wing |= QRectF(c + x, c + le, 0.001, panels[i].tipChord * k);

        // The tip rib runs straight down the chord, parallel to the
        // fuselage, and no further.
        const int tipColumn = int(std::lround(c + x));
        const QRect tipRib = boxOf(image, isBlack, QRect(tipColumn - 1, 0, 3, size));
        QVERIFY(!tipRib.isEmpty());
        if (i == panels.size() - 1)
            QVERIFY(qAbs(tipRib.top() - (c + le)) <= 2 && qAbs(tipRib.bottom() - (c + le + panels[i].tipChord * k)) <= 2);
    }

    // Black wing pixels away from the fuselage line: both halves mirrored.
    const QRect right = boxOf(image, isBlack, QRect(int(c) + 4, 0, size, size));
    const QRect left = boxOf(image, isBlack, QRect(0, 0, int(c) - 4, size));
    const auto near = [](double a, double b) { return std::abs(a - b) <= 2.0; };
    QVERIFY(near(right.right(), wing.right()) && near(left.left(), 2 * c - wing.right()));
    QVERIFY(near(right.top(), wing.top()) && near(right.bottom(), wing.bottom()));
    QVERIFY(near(left.top(), wing.top()) && near(left.bottom(), wing.bottom()));
    if (gap > 0.0f) {
        QVERIFY(near(right.left(), c + gap * k / 2));
        QVERIFY(near(left.right(), c - gap * k / 2));
    }
    // Whichever is wider, wing or fuselage, fills the frame.
    if (span + gap >= fus)
        QVERIFY(near((wing.right() - c) * 2, side));

    // The fuselage along the centre line, nose at the top: black when the
    // user gave its length, grey when it is the automatic one.
    bool (*fuselageColour)(QRgb) = userFuselage > 0.0f ? isBlack : isLightGrey;
    const QRect fuselage = boxOf(image, fuselageColour, QRect(int(c) - 1, 12, 2, size - 24));
    if (fus * k < side - 30)
        QVERIFY(near(fuselage.top(), c - fus * k / 2 - 1) && near(fuselage.bottom(), c + fus * k / 2));
    else
        QVERIFY(fuselage.top() <= 13 && fuselage.bottom() >= size - 14);
    if (userFuselage <= 0.0f)
        QVERIFY(boxOf(image, isBlack, QRect(int(c) - 1, int(c - fus * k / 2) + 2, 2, 4)).isEmpty());
    QVERIFY(boxOf(image, isRed).isEmpty());
}

void TestPlaneDrawingArea::partialRepaintKeepsTheWholeLayout()
{
    PlaneDrawingArea scene(nullptr, nullptr);
    plane->addObserver(&scene);
    plane->getTableModel()->addOrUpdatePanel(panelData(0, {250.0f, 120.0f, 60.0f, 40.0f, 0.0f}));

    QGraphicsView view;
    view.setScene(&scene);
    view.setFrameShape(QFrame::NoFrame);
    view.resize(400, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_COMPARE(view.viewport()->width(), 400);
    const QImage full = view.viewport()->grab().toImage();
    QVERIFY(qAbs(boxOf(full, isBlack).width() - 380) <= 3);

    // A repaint of one corner only must paint that corner of the same
    // picture, not a plane fitted into the corner.
    QImage part(full.size(), QImage::Format_RGB32);
    part.fill(Qt::white);
    view.viewport()->render(&part, QPoint(), QRegion(0, 0, 200, 200));
    QVERIFY(!boxOf(part, isBlack).isEmpty());
    int differing = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            differing += isBlack(part.pixel(x, y)) != isBlack(full.pixel(x, y));
    QCOMPARE(differing, 0);

    // Removing the panels brings the hint back.
    plane->clear();
    QTRY_VERIFY(!boxOf(view.viewport()->grab().toImage(), isRed).isEmpty());
}

QTEST_MAIN(TestPlaneDrawingArea)
#include "tst_planedrawingarea.moc"

#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>
#include <memory>
#include <qopengl.h>

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "common/GLTestSurface.h"
#include "common/TestSupport.h"
#include "document/PlaneModel.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/GLUtils.h"
#include "model/Panel.h"
#include "model/RibDefinition.h"
#include "views/WingFoilGLWidget.h"

#include <limits>

// The panel dialog's 3D preview, drawn for real on the X display and read
// back pixel by pixel: what it shows with and without a panel, where the
// neighbours go and how they look, the fixed view directions and what the
// mouse does to the camera.
namespace {

const int viewWidth = 300;
const int viewHeight = 200;
const QRgb clearColour = qRgb(204, 204, 204);

// Paints into the back buffer without swapping, so that the frame just
// drawn is the one read back.
class ProbeView : public WingFoilGLWidget
{
public:
    ProbeView() { setAutoBufferSwap(false); }
    QImage render()
    {
        updateGL();
        return grabFrameBuffer();
    }
    int frames = 0;

protected:
    void paintGL() override
    {
        WingFoilGLWidget::paintGL();
        ++frames;
    }
};

int chroma(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
}

// The panel parts are coloured; background and grid are grey.
bool isColoured(QRgb c)
{
    return chroma(c) > 25;
}

// Anything clearly lighter or darker than the clear colour.
bool standsOut(QRgb c)
{
    return std::abs(qRed(c) - 204) > 16 || std::abs(qGreen(c) - 204) > 16 || std::abs(qBlue(c) - 204) > 16;
}

QRect boxOf(const QImage& image, bool (*kind)(QRgb), const QRect& within = QRect(0, 0, viewWidth, viewHeight))
{
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (kind(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// A straight NACA 0012 panel, 200 mm chord: one reference chord deep and
// 1.5 long in view units, ribs only every 50 mm.
std::unique_ptr<Panel> straightPanel(float dihedral = 0.0f, int ribs = 7)
{
    return std::make_unique<Panel>(PanelBaseData(
        0, QStringLiteral("Panel"), QStringLiteral("NACA 0012"), QStringLiteral("NACA 0012"), 200.0f, 200.0f, 0.0f,
        300.0f, 0.0f, dihedral, false, false, true, 10.0f, ribs, 150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(),
        SparList(), SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList()));
}

PlaneVisualisationOptions ribsOnly(bool ghosts, bool grey = false, int ghostTransparency = 15,
                                   bool dihedral = false)
{
    return PlaneVisualisationOptions(true, false, false, false, false, false, ghosts, grey, 100, ghostTransparency,
                                     0.0f, dihedral, false);
}

void sendMouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, at, w.mapToGlobal(at), button, held, modifiers);
    QCoreApplication::sendEvent(&w, &event);
}

void drag(QWidget& w, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
          Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, from, button, button, modifiers);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, button, modifiers);
    sendMouse(w, QEvent::MouseButtonRelease, to, button, Qt::NoButton, modifiers);
}

bool wheel(QWidget& w, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPoint at(viewWidth / 2, viewHeight / 2);
    QWheelEvent event(at, w.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                      false);
    event.ignore();
    QCoreApplication::sendEvent(&w, &event);
    return event.isAccepted();
}

struct Matrix
{
    float m[16];
};

Matrix rotationOf(const WingFoilGLWidget& view)
{
    Matrix r;
    std::copy(view.getRotationMatrix(), view.getRotationMatrix() + 16, r.m);
    return r;
}

// Axis (normalised) and angle in degrees of the turn that takes the
// rotation 'before' to 'after', both in OpenGL element order.
void turnBetween(const Matrix& before, const Matrix& after, float axis[3], float& degrees)
{
    double d[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            d[i][j] = 0.0;
            for (int k = 0; k < 3; ++k)
                d[i][j] += double(after.m[k * 4 + i]) * before.m[k * 4 + j];
        }
    const double cosine = std::max(-1.0, std::min(1.0, (d[0][0] + d[1][1] + d[2][2] - 1.0) / 2.0));
    degrees = float(std::acos(cosine) * 180.0 / M_PI);
    double a[3] = {d[2][1] - d[1][2], d[0][2] - d[2][0], d[1][0] - d[0][1]};
    const double length = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
    for (int i = 0; i < 3; ++i)
        axis[i] = length > 0.0 ? float(a[i] / length) : 0.0f;
}

// Least-squares slope, in degrees, of the topmost coloured pixel of each
// column, rising to the right.
float topEdgeAngle(const QImage& image)
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (isColoured(image.pixel(x, y))) {
                const double rise = -y;
                n += 1;
                sx += x;
                sy += rise;
                sxx += double(x) * x;
                sxy += x * rise;
                break;
            }
    const double slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    return float(std::atan(slope) * 180.0 / M_PI);
}

} // namespace

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)
Q_DECLARE_METATYPE(Qt::MouseButton)

class TestPanelView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void emptyViewShowsOnlyTheClearColour();
    void airfoilShownAtAFixedDistanceWithoutPanel();
    void airfoilOutlineShowsWhateverNormalWasLeft();
    void panelSceneHidesTheAirfoil();
    void ghostsDrawnGreyOrInColourAsChosen_data();
    void ghostsDrawnGreyOrInColourAsChosen();
    void ghostsDrawnTransparent();
    void hiddenGhostsStillLiftThePanel();
    void panelsWithoutRibsLiftNothing();
    void panelRolledByItsDihedral_data();
    void panelRolledByItsDihedral();
    void presetsTurnTheScene_data();
    void presetsTurnTheScene();
    void unknownPresetChangesNothing();
    void dragTurnsTheCamera_data();
    void dragTurnsTheCamera();
    void dragTurnsThePicture();
    void shiftDragPans_data();
    void shiftDragPans();
    void movesWithoutPanelAreIgnored();
    void wheelZooms_data();
    void wheelZooms();
    void wheelEnlargesThePanel();
    void doubleClickRestoresTheDefaultView();
    void burstOfPanelsIsPaintedOnce();
    void slowPictureShowsOutlinesUntilItsSlicesAreDone();

private:
    QTemporaryDir importedFoils;
    std::unique_ptr<ProbeView> view;
};

void TestPanelView::initTestCase()
{
    // Multisampling would blend edges into neighbouring pixels.
    ApplicationSettings::getInstance()->setAntiAlias(false);
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"),
                                      importedFoils.path()));
    QVERIFY(WingFoils::instance()->findAirfoil(QStringLiteral("NACA 0012"), false));
}

void TestPanelView::init()
{
    view = std::make_unique<ProbeView>();
    view->setFixedSize(viewWidth, viewHeight);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QVERIFY(view->isValid());
}

void TestPanelView::cleanup()
{
    view.reset();
    GLUtils::greyMode = false;
}

void TestPanelView::cleanupTestCase()
{
    delete PlaneModel::instance();
}

void TestPanelView::emptyViewShowsOnlyTheClearColour()
{
    const QImage image = view->render();
    QCOMPARE(image.size(), QSize(viewWidth, viewHeight));
    for (int y = 0; y < viewHeight; ++y)
        for (int x = 0; x < viewWidth; ++x)
            QCOMPARE(image.pixel(x, y) & 0xffffff, clearColour & 0xffffff);
}

void TestPanelView::airfoilShownAtAFixedDistanceWithoutPanel()
{
    view->setAirfoil(WingFoils::instance()->findAirfoil(QStringLiteral("NACA 0012"), false));
    const QImage plain = view->render();
    // One chord at distance 1 under a 45 degree field of view: the view is
    // 2 tan(22.5) x 1.5 = 1.243 chords wide.
    const QRect box = boxOf(plain, standsOut);
    QVERIFY(std::abs(box.width() - 241) <= 3);
    QVERIFY(std::abs(box.center().x() - viewWidth / 2) <= 2);
    QVERIFY(std::abs(box.center().y() - viewHeight / 2) <= 2);
    QVERIFY(box.height() > 20 && box.height() < 40); // 12 % thick
    {
        // The outline goes through the drawing seam like every other shape.
        GLCallRecording recording;
        view->render();
        QCOMPARE(recording.primitiveSizes(GL_LINE_LOOP), std::vector<int>{Airfoil::PointCount});
    }

    // The camera plays no part without a panel.
    view->setModelviewMatrix(WingFoilGLWidget::TopView);
    view->setTranslation(1.0f, 2.0f, -5.0f);
    drag(*view, QPoint(10, 10), QPoint(90, 60));
    QCOMPARE(view->render(), plain);
}

void TestPanelView::airfoilOutlineShowsWhateverNormalWasLeft()
{
    view->setAirfoil(WingFoils::instance()->findAirfoil(QStringLiteral("NACA 0012"), false));
    const QImage plain = view->render();
    // A normal that lights the background grey exactly, as drawing a
    // panel before may leave it.
    view->makeCurrent();
    glNormal3f(0.6f, 0.0f, 0.8f);
    QCOMPARE(view->render(), plain);
}

void TestPanelView::panelSceneHidesTheAirfoil()
{
    auto panel = straightPanel();
    view->setVisualisationOptions(ribsOnly(false));
    view->setPanel(panel.get());
    const QImage panelOnly = view->render();
    QVERIFY(!boxOf(panelOnly, isColoured).isEmpty());
    view->setAirfoil(WingFoils::instance()->findAirfoil(QStringLiteral("NACA 0012"), false));
    QCOMPARE(view->render(), panelOnly);
}

void TestPanelView::ghostsDrawnGreyOrInColourAsChosen_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("grey");
    // Seen from above the span runs to the right: the previous panel lies
    // left of the working one (columns 150..210), the next one right of it.
    QTest::addColumn<QRect>("ghostArea");
    const QRect left(0, 0, 146, viewHeight);
    const QRect right(214, 0, viewWidth - 214, viewHeight);
    QTest::newRow("previous in grey") << 0 << true << left;
    QTest::newRow("previous in colour") << 0 << false << left;
    QTest::newRow("next in grey") << 1 << true << right;
    QTest::newRow("next in colour") << 1 << false << right;
}

void TestPanelView::ghostsDrawnGreyOrInColourAsChosen()
{
    QFETCH(int, slot);
    QFETCH(bool, grey);
    QFETCH(QRect, ghostArea);
    auto panel = straightPanel();
    auto neighbour = straightPanel();
    view->setModelviewMatrix(WingFoilGLWidget::TopView);
    view->setVisualisationOptions(ribsOnly(true, grey, 60));
    view->setPanel(panel.get());
    view->setTranslation(0.0f, -0.5f, -6.0f);
    const QImage alone = view->render();
    view->setGhostPanel(slot, neighbour.get());
    const QImage withGhost = view->render();

    int ghostPixels = 0;
    int colouredGhostPixels = 0;
    for (int y = ghostArea.top(); y <= ghostArea.bottom(); ++y)
        for (int x = ghostArea.left(); x <= ghostArea.right(); ++x) {
            const QRgb p = withGhost.pixel(x, y);
            if (channelDifference(p, alone.pixel(x, y)) > 4) {
                ++ghostPixels;
                if (chroma(p) > 3)
                    ++colouredGhostPixels;
            }
        }
    QVERIFY(ghostPixels > 200);
    if (grey)
        QCOMPARE(colouredGhostPixels, 0);
    else
        QVERIFY(colouredGhostPixels > ghostPixels / 2);
    // The working panel keeps its colours either way, and other views
    // find the grey switch off.
    QVERIFY(!boxOf(withGhost, isColoured, QRect(154, 0, 52, viewHeight)).isEmpty());
    QVERIFY(!GLUtils::greyMode);
    // The other slot was never drawn.
    const QRect otherArea = slot == 0 ? QRect(214, 0, viewWidth - 214, viewHeight) : QRect(0, 0, 146, viewHeight);
    QCOMPARE(withGhost.copy(otherArea), alone.copy(otherArea));
}

void TestPanelView::ghostsDrawnTransparent()
{
    auto panel = straightPanel();
    auto previous = straightPanel();
    view->setModelviewMatrix(WingFoilGLWidget::TopView);
    view->setPanel(panel.get());
    view->setTranslation(0.0f, -0.5f, -6.0f);
    view->setVisualisationOptions(ribsOnly(true));
    const QImage alone = view->render();
    view->setGhostPanel(0, previous.get());

    const auto meanDeviation = [&](int ghostTransparency) {
        view->setVisualisationOptions(ribsOnly(true, false, ghostTransparency));
        const QImage image = view->render();
        long sum = 0;
        int count = 0;
        for (int y = 0; y < viewHeight; ++y)
            for (int x = 0; x < 146; ++x) {
                const int d = channelDifference(image.pixel(x, y), alone.pixel(x, y));
                if (d > 0) {
                    sum += d;
                    ++count;
                }
            }
        return count ? double(sum) / count : 0.0;
    };
    const double faint = meanDeviation(15);
    const double solid = meanDeviation(100);
    QVERIFY(faint > 0.0);
    QVERIFY2(faint < 0.5 * solid, qPrintable(QString("15 %: %1, 100 %: %2").arg(faint).arg(solid)));
}

void TestPanelView::hiddenGhostsStillLiftThePanel()
{
    auto panel = straightPanel();
    auto previous = straightPanel();
    previous->getLastRib().setAlignOffset(0.25f);
    view->setModelviewMatrix(WingFoilGLWidget::FrontView);
    view->setVisualisationOptions(ribsOnly(false));
    view->setPanel(panel.get());
    view->setTranslation(-0.75f, 0.0f, -2.5f);
    const QImage unlifted = view->render();

    view->setGhostPanel(0, previous.get());
    const QImage lifted = view->render();
    // Only the working panel is drawn, a quarter chord higher: as if the
    // camera had been lowered by as much.
    QCOMPARE(boxOf(lifted, isColoured).width(), boxOf(unlifted, isColoured).width());
    view->setGhostPanel(0, nullptr);
    view->setTranslation(-0.75f, 0.25f, -2.5f);
    const QImage raised = view->render();
    const int liftedTop = boxOf(lifted, isColoured).top();
    QVERIFY(std::abs(liftedTop - boxOf(raised, isColoured).top()) <= 1);
    QVERIFY(boxOf(unlifted, isColoured).top() - liftedTop > 10);
}

void TestPanelView::panelsWithoutRibsLiftNothing()
{
    // Neither a rib-less neighbour nor a rib-less working panel has a tip
    // rib to take an alignment from.
    auto panel = straightPanel();
    auto empty = straightPanel(0.0f, 0);
    QCOMPARE(empty->getRibCount(), 0);
    view->setVisualisationOptions(ribsOnly(true));
    view->setPanel(panel.get());
    const QImage alone = view->render();
    view->setGhostPanel(0, empty.get());
    QCOMPARE(view->render(), alone);

    view->setGhostPanel(0, nullptr);
    view->setGhostPanel(1, panel.get());
    view->setPanel(empty.get());
    QVERIFY(!boxOf(view->render(), isColoured).isEmpty());
}

void TestPanelView::panelRolledByItsDihedral_data()
{
    QTest::addColumn<bool>("hasPrevious");
    QTest::addColumn<bool>("showDihedral");
    QTest::addColumn<float>("expectedDegrees");
    // The first panel shares its dihedral with the other wing half.
    QTest::newRow("first panel") << false << true << 10.0f;
    QTest::newRow("later panel") << true << true << 20.0f;
    QTest::newRow("dihedral not shown") << true << false << 0.0f;
}

void TestPanelView::panelRolledByItsDihedral()
{
    QFETCH(bool, hasPrevious);
    QFETCH(bool, showDihedral);
    QFETCH(float, expectedDegrees);
    auto panel = straightPanel(20.0f);
    auto previous = straightPanel();
    view->setModelviewMatrix(WingFoilGLWidget::FrontView);
    view->setVisualisationOptions(ribsOnly(false, false, 15, showDihedral));
    view->setGhostPanel(0, hasPrevious ? previous.get() : nullptr);
    view->setPanel(panel.get());
    view->setTranslation(-0.75f, -0.25f, -2.5f);
    const float measured = topEdgeAngle(view->render());
    QVERIFY2(std::abs(measured - expectedDegrees) < 1.5f, qPrintable(QString::number(measured)));
}

void TestPanelView::presetsTurnTheScene_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("side");      // where the panel lies: 1 right, -1 left of the centre
    QTest::addColumn<bool>("chordUp");  // the chord runs up the picture from the centre
    QTest::addColumn<bool>("edgeOn");   // seen along the chord plane: a thin picture
    QTest::newRow("top") << int(WingFoilGLWidget::TopView) << 1 << true << false;
    QTest::newRow("bottom") << int(WingFoilGLWidget::BottomView) << -1 << true << false;
    QTest::newRow("front") << int(WingFoilGLWidget::FrontView) << 1 << false << true;
    QTest::newRow("rear") << int(WingFoilGLWidget::RearView) << -1 << false << true;
    QTest::newRow("left") << int(WingFoilGLWidget::LeftView) << -1 << false << true;
    QTest::newRow("right") << int(WingFoilGLWidget::RightView) << 1 << false << true;
}

void TestPanelView::presetsTurnTheScene()
{
    QFETCH(int, preset);
    QFETCH(int, side);
    QFETCH(bool, chordUp);
    QFETCH(bool, edgeOn);
    auto panel = straightPanel();
    view->setVisualisationOptions(ribsOnly(false));
    view->setPanel(panel.get());
    view->setTranslation(0.0f, 0.0f, -5.0f);
    view->setModelviewMatrix(WingFoilGLWidget::MatrixType_t(preset));
    float x, y, z;
    view->getTranslation(x, y, z);
    QCOMPARE(z, -5.0f);

    const QRect box = boxOf(view->render(), isColoured);
    QVERIFY(!box.isEmpty());
    if (side > 0)
        QVERIFY(box.left() >= viewWidth / 2 - 2);
    else
        QVERIFY(box.right() <= viewWidth / 2 + 2);
    if (chordUp)
        QVERIFY(box.bottom() <= viewHeight / 2 + 2 && box.top() < viewHeight / 2 - 20);
    QCOMPARE(box.height() * 4 < box.width(), edgeOn);
}

void TestPanelView::unknownPresetChangesNothing()
{
    view->setModelviewMatrix(WingFoilGLWidget::BottomView);
    const Matrix before = rotationOf(*view);
    const auto output = TestSupport::captureOutput(
        [&] { view->setModelviewMatrix(WingFoilGLWidget::MatrixType_t(7)); });
    QCOMPARE(QString::fromStdString(output.out),
             QStringLiteral("Implement this: void WingFoilGLWidget::setModelviewMatrix("
                            "WingFoilGLWidget::MatrixType_t)\n"));
    QVERIFY(std::equal(before.m, before.m + 16, view->getRotationMatrix()));
}

void TestPanelView::dragTurnsTheCamera_data()
{
    QTest::addColumn<QPoint>("move");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<float>("cameraZ");
    QTest::addColumn<bool>("aboutModelUp"); // else about the screen's horizontal
    QTest::addColumn<float>("sign");
    QTest::addColumn<float>("degrees");
    const float r = std::sqrt(0.25f * 0.25f + 1.0f); // the default camera's distance
    QTest::newRow("sideways") << QPoint(20, 0) << Qt::KeyboardModifiers() << Qt::LeftButton << -1.0f << true << 1.0f
                              << 20 / r;
    QTest::newRow("other way") << QPoint(-20, 0) << Qt::KeyboardModifiers() << Qt::LeftButton << -1.0f << true
                               << -1.0f << 20 / r;
    QTest::newRow("ctrl is finer") << QPoint(20, 0) << Qt::KeyboardModifiers(Qt::ControlModifier) << Qt::LeftButton
                                   << -1.0f << true << 1.0f << 5 / r;
    QTest::newRow("right button is finer") << QPoint(20, 0) << Qt::KeyboardModifiers() << Qt::RightButton << -1.0f
                                           << true << 1.0f << 5 / r;
    QTest::newRow("far camera turns slower") << QPoint(20, 0) << Qt::KeyboardModifiers() << Qt::LeftButton << -4.0f
                                             << true << 1.0f << 20 / std::sqrt(16.0625f);
    QTest::newRow("near camera counts as one") << QPoint(20, 0) << Qt::KeyboardModifiers() << Qt::LeftButton
                                               << -0.2f << true << 1.0f << 20.0f;
    QTest::newRow("down tilts") << QPoint(0, 30) << Qt::KeyboardModifiers() << Qt::LeftButton << -1.0f << false
                                << 1.0f << 30 / r;
    QTest::newRow("up tilts back") << QPoint(0, -30) << Qt::KeyboardModifiers() << Qt::LeftButton << -1.0f << false
                                   << -1.0f << 30 / r;
}

void TestPanelView::dragTurnsTheCamera()
{
    QFETCH(QPoint, move);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Qt::MouseButton, button);
    QFETCH(float, cameraZ);
    QFETCH(bool, aboutModelUp);
    QFETCH(float, sign);
    QFETCH(float, degrees);
    auto panel = straightPanel();
    // From above, so that the model's up axis (toward the viewer) is told
    // apart from both screen axes; the preset is exactly orthonormal, which
    // the measurement of the turn relies on.
    view->setModelviewMatrix(WingFoilGLWidget::TopView);
    view->setPanel(panel.get());
    view->setTranslation(0.0f, -0.25f, cameraZ);
    const Matrix before = rotationOf(*view);
    const QPoint start(100, 100);
    drag(*view, start, start + move, modifiers, button);

    float axis[3];
    float turned = 0.0f;
    turnBetween(before, rotationOf(*view), axis, turned);
    QVERIFY2(std::abs(turned - degrees) < 0.05f, qPrintable(QString::number(turned)));
    const float expected[3] = {aboutModelUp ? before.m[4] : 1.0f, aboutModelUp ? before.m[5] : 0.0f,
                               aboutModelUp ? before.m[6] : 0.0f};
    for (int i = 0; i < 3; ++i)
        QVERIFY2(std::abs(axis[i] - sign * expected[i]) < 0.01f, qPrintable(QString::number(axis[i])));
    float x, y, z;
    view->getTranslation(x, y, z);
    QCOMPARE(x, 0.0f);
    QCOMPARE(y, -0.25f);
    QCOMPARE(z, cameraZ);
}

void TestPanelView::dragTurnsThePicture()
{
    // From above the model's up axis points at the viewer: a sideways drag
    // of 90 degrees' worth turns the picture a quarter counter-clockwise,
    // so the span that ran to the right now runs up. Two moves in one drag
    // add up, each counted from the one before.
    auto panel = straightPanel();
    view->setModelviewMatrix(WingFoilGLWidget::TopView);
    view->setVisualisationOptions(ribsOnly(false));
    view->setPanel(panel.get());
    view->setTranslation(0.0f, 0.0f, -6.0f);
    const QRect before = boxOf(view->render(), isColoured);
    QVERIFY(before.width() > before.height() && before.left() >= viewWidth / 2 - 2);

    sendMouse(*view, QEvent::MouseButtonPress, QPoint(0, 100), Qt::LeftButton, Qt::LeftButton);
    sendMouse(*view, QEvent::MouseMove, QPoint(270, 100), Qt::NoButton, Qt::LeftButton);
    sendMouse(*view, QEvent::MouseMove, QPoint(540, 100), Qt::NoButton, Qt::LeftButton);
    const QRect after = boxOf(view->render(), isColoured);
    QVERIFY(after.height() > after.width());
    QVERIFY(after.bottom() <= viewHeight / 2 + 2);
    QVERIFY(after.right() <= viewWidth / 2 + 2);
}

void TestPanelView::shiftDragPans_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("shift wins over ctrl") << (Qt::ShiftModifier | Qt::ControlModifier);
}

void TestPanelView::shiftDragPans()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    auto panel = straightPanel();
    view->setPanel(panel.get());
    view->setTranslation(0.0f, 0.0f, -6.0f);
    const Matrix before = rotationOf(*view);

    drag(*view, QPoint(50, 50), QPoint(90, 30), modifiers);
    float x, y, z;
    view->getTranslation(x, y, z);
    QVERIFY(std::abs(x - 0.2f) < 1e-6f);
    QVERIFY(std::abs(y - 0.1f) < 1e-6f);
    QCOMPARE(z, -6.0f);
    QVERIFY(std::equal(before.m, before.m + 16, view->getRotationMatrix()));
}

void TestPanelView::movesWithoutPanelAreIgnored()
{
    view->setModelviewMatrix(WingFoilGLWidget::FrontView);
    const Matrix before = rotationOf(*view);
    sendMouse(*view, QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    sendMouse(*view, QEvent::MouseMove, QPoint(150, 100), Qt::NoButton, Qt::LeftButton);
    QVERIFY(std::equal(before.m, before.m + 16, view->getRotationMatrix()));

    // The ignored move did not take the place of the press either.
    auto panel = straightPanel();
    view->setPanel(panel.get());
    sendMouse(*view, QEvent::MouseMove, QPoint(160, 100), Qt::NoButton, Qt::LeftButton);
    float axis[3];
    float turned = 0.0f;
    turnBetween(before, rotationOf(*view), axis, turned);
    QVERIFY2(std::abs(turned - 60.0f / std::sqrt(1.0625f)) < 0.05f, qPrintable(QString::number(turned)));
}

void TestPanelView::wheelZooms_data()
{
    QTest::addColumn<bool>("withPanel");
    QTest::addColumn<int>("delta");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<float>("change");
    QTest::newRow("one notch forward") << true << 120 << Qt::KeyboardModifiers() << 0.25f;
    QTest::newRow("one notch back") << true << -120 << Qt::KeyboardModifiers() << -0.25f;
    QTest::newRow("ctrl is finer") << true << 120 << Qt::KeyboardModifiers(Qt::ControlModifier) << 0.0625f;
    QTest::newRow("part steps are dropped") << true << 7 << Qt::KeyboardModifiers() << 0.0f;
    QTest::newRow("rounded toward zero") << true << -15 << Qt::KeyboardModifiers() << -1.0f / 60.0f;
    QTest::newRow("no panel") << false << 120 << Qt::KeyboardModifiers() << 0.0f;
}

void TestPanelView::wheelZooms()
{
    QFETCH(bool, withPanel);
    QFETCH(int, delta);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(float, change);
    auto panel = straightPanel();
    if (withPanel)
        view->setPanel(panel.get());
    QVERIFY(wheel(*view, delta, modifiers));
    float x, y, z;
    view->getTranslation(x, y, z);
    QVERIFY2(std::abs(z - (-1.0f + change)) < 1e-6f, qPrintable(QString::number(z)));
}

void TestPanelView::wheelEnlargesThePanel()
{
    auto panel = straightPanel();
    view->setModelviewMatrix(WingFoilGLWidget::TopView);
    view->setVisualisationOptions(ribsOnly(false));
    view->setPanel(panel.get());
    view->setTranslation(-0.75f, -0.5f, -6.0f);
    const QRect far = boxOf(view->render(), isColoured);
    for (int i = 0; i < 8; ++i)
        wheel(*view, 120);
    const QRect near = boxOf(view->render(), isColoured);
    // From 6 to 4 chords away: half as big again.
    QVERIFY2(std::abs(near.width() - 1.5 * far.width()) <= 3,
             qPrintable(QString("%1 -> %2").arg(far.width()).arg(near.width())));
}

void TestPanelView::doubleClickRestoresTheDefaultView()
{
    const auto doubleClick = [&] {
        sendMouse(*view, QEvent::MouseButtonDblClick, QPoint(50, 50), Qt::LeftButton, Qt::LeftButton);
    };
    const Matrix angled = rotationOf(*view);
    view->setModelviewMatrix(WingFoilGLWidget::RearView);
    view->setTranslation(1.0f, 2.0f, -7.0f);
    const Matrix rear = rotationOf(*view);

    doubleClick();
    float x, y, z;
    view->getTranslation(x, y, z);
    QCOMPARE(QVector<float>({x, y, z}), QVector<float>({1.0f, 2.0f, -7.0f}));
    QVERIFY(std::equal(rear.m, rear.m + 16, view->getRotationMatrix()));

    auto panel = straightPanel();
    view->setPanel(panel.get());
    doubleClick();
    view->getTranslation(x, y, z);
    QCOMPARE(QVector<float>({x, y, z}), QVector<float>({0.0f, -0.25f, -1.0f}));
    QVERIFY(std::equal(angled.m, angled.m + 16, view->getRotationMatrix()));
}

QTEST_MAIN(TestPanelView)
#include "tst_panelview_gl.moc"

// The panel dialog hands over a new working panel on every keystroke, and
// a drag or the wheel moves the camera many times a frame; the view paints
// once when the burst is over.
void TestPanelView::slowPictureShowsOutlinesUntilItsSlicesAreDone()
{
    // A picture that would hold the window shows rib outlines first; the
    // full one is drawn part by part and comes out as the picture drawn at
    // once, ghosts and all. A change in between starts it again.
    auto panel = straightPanel(4.0f, 30);
    auto previous = straightPanel(0.0f, 20);
    auto next = straightPanel(0.0f, 20);
    view->setModelviewMatrix(WingFoilGLWidget::TopView);
    view->setTranslation(0.0f, -0.5f, -6.0f);
    view->setPanel(panel.get());
    view->setGhostPanel(0, previous.get());
    view->setGhostPanel(1, next.get());
    view->setVisualisationOptions(
        PlaneVisualisationOptions(true, true, true, true, true, false, true, false, 100, 40, 0.0f, true, false));
    view->setFrameSlicing(std::numeric_limits<double>::infinity(), 0.0);
    const QImage atOnce = view->render();
    QVERIFY(!view->isShowingLightFrame());

    view->setFrameSlicing(0.0, 0.0);
    const QImage outlines = view->render();
    QVERIFY(view->isShowingLightFrame());
    QVERIFY(outlines != atOnce);
    QVERIFY(!boxOf(outlines, standsOut).isEmpty());
    QVERIFY(!view->drawNextSlice());
    // Painted again, the frame starts over.
    QCOMPARE(view->render(), outlines);
    int slices = 1;
    while (!view->drawNextSlice())
        ++slices;
    QVERIFY(slices > 3);
    QVERIFY(!view->isShowingLightFrame());
    QCOMPARE(view->grabFrameBuffer(), atOnce);
}

void TestPanelView::burstOfPanelsIsPaintedOnce()
{
    const std::unique_ptr<Panel> first = straightPanel();
    const std::unique_ptr<Panel> second = straightPanel(0.0f, 3);
    QCoreApplication::processEvents();
    view->frames = 0;
    view->setPanel(first.get());
    view->setPanel(second.get());
    view->setTranslation(0.0f, -0.25f, -1.0f);
    drag(*view, QPoint(10, 10), QPoint(40, 20));
    wheel(*view, 120);
    sendMouse(*view, QEvent::MouseButtonDblClick, QPoint(50, 50), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(view->frames, 0);
    QCoreApplication::processEvents();
    QVERIFY(view->frames >= 1);
}

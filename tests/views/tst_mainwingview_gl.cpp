#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QSlider>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QtTest>
#include <cmath>
#include <limits>

#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "document/FileManager.h"
#include "document/PlaneModel.h"
#include "foundation/InputValueType.h"
#include "foundation/XDoubleSpinBox.h"
#include "foundation/DialogSeam.h"
#include "foundation/Mathematics.h"
#include "model/BuildingTabData.h"
#include "model/CoveringDefinition.h"
#include "model/LEData.h"
#include "model/Panel.h"
#include "model/RibCombData.h"
#include "model/RibDefinition.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "model/RibCombList.h"
#include "model/SheetingStripList.h"
#include "model/SparList.h"
#include "model/TEData.h"
#include "planformixdata.pb.h"
#include "views/FrameScheduler.h"
#include "views/MainWingGLWidget.h"
#include "views/SliceGate.h"
#include "views/WingFrame.h"
#include "views/MainWingViewTestSupport.h"


// The main wing view: camera presets and mouse handling, the show options and
// what they do to the document's undo history, the view record in the
// document, and the picture itself.
class TestMainWingView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void presetsFrameTheWing_data();
    void presetsFrameTheWing();
    void changedWingStaysFramedUntilTheUserZooms();
    void presetsNeedAPanelButTheAngledViewDoesNot();
    void shiftDragMovesTheCamera();
    void dragTurnsTheWing_data();
    void dragTurnsTheWing();
    void wheelZooms_data();
    void wheelZooms();
    void doubleClickRestoresTheAngledView();

    void showOptionsAreUndoable();
    void transparencyMarksModifiedWithoutUndoState();
    void invalidDistanceIsIgnored();

    void fileLoadRestoresCameraAndOptions();
    void undoKeepsTheCamera();
    void recordWithoutPositionShowsAllButCombs();
    void damagedRecordKeepsAVisibleWing();

    void emptyPlaneShowsOnlyBackground();
    void bothWingHalvesAreDrawn();
    void wingHalvesDistanceOpensAGap();
    void panelWithoutRibsDoesNotStopTheDrawing();
    void panelsFollowTheDihedralOfThePanelsBefore();
    void openingAWingPaintsItOnce();
    void recordedFramesEqualImmediateFrames_data();
    void recordedFramesEqualImmediateFrames();
    void unchangedNotificationPaintsNothing();
    void lightFramesOnlyWhileTheHandMoves();
    void editedPanelShowsAtOnceAndAloneIsRecordedAgain();
    void slowFullFrameFollowsInSlicesAfterALightOne_data();
    void slowFullFrameFollowsInSlicesAfterALightOne();
    void slicesWaitForTheRenderer();
    void heavilySheetedPanelIsDrawnAnew();

private:
    void addWing(float length = 500.0f, float rootChord = 200.0f, float dihedral = 0.0f)
    {
        plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(0, length, rootChord, rootChord, dihedral));
    }
    // 2 m span: three tapered, swept panels, the outer two with dihedral.
    void addTwoMetreWing()
    {
        PanelsTableModel* panels = plane->getPanelsTableModel();
        PanelBaseData inner = plainPanel(0, 300.0f, 220.0f, 200.0f, 0.0f);
        inner.setSweep(10.0f);
        panels->addOrUpdatePanel(inner);
        PanelBaseData middle = plainPanel(1, 400.0f, 200.0f, 160.0f, 4.0f);
        middle.setSweep(30.0f);
        panels->addOrUpdatePanel(middle);
        PanelBaseData outer = plainPanel(2, 300.0f, 160.0f, 100.0f, 10.0f);
        outer.setSweep(60.0f);
        panels->addOrUpdatePanel(outer);
    }
    void addFeaturedWing()
    {
        PanelsTableModel* panels = plane->getPanelsTableModel();
        panels->addOrUpdatePanel(featuredPanel(0, 300.0f, 220.0f, 200.0f, 8));
        panels->addOrUpdatePanel(featuredPanel(1, 300.0f, 200.0f, 150.0f, 8));
    }
    // Lets every frame asked for so far, the window system's too, be drawn,
    // and the full frame that follows a light one: under load even a small
    // wing's frame can be slow enough for the first frame after an edit to
    // be light.
    void settle()
    {
        int frames = -1;
        while (frames != view->frames || view->isShowingLightFrame()) {
            frames = view->frames;
            QTest::qWait(100);
        }
    }
    // The same frame drawn anew in immediate mode.
    QImage immediatePicture()
    {
        view->setRetainedGeometry(false);
        const QImage image = picture();
        view->setRetainedGeometry(true);
        return image;
    }
    QImage picture()
    {
        // The back buffer that grabFrameBuffer reads is undefined after a
        // swap, which shows once the window has been resized.
        view->setAutoBufferSwap(false);
        view->updateGL();
        const QImage image = view->grabFrameBuffer();
        view->setAutoBufferSwap(true);
        return image;
    }
    void drag(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, QPoint from, QPoint to)
    {
        const Qt::MouseButton pressed = (buttons & Qt::RightButton) ? Qt::RightButton : Qt::LeftButton;
        QMouseEvent press(QEvent::MouseButtonPress, from, pressed, buttons, modifiers);
        QCoreApplication::sendEvent(view, &press);
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, buttons, modifiers);
        QCoreApplication::sendEvent(view, &move);
    }

    QTemporaryDir imported;
    PlaneModel* plane = nullptr;
    QMainWindow* window = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    FileManager* files = nullptr;
    ReadableView* view = nullptr;
    Listener* listener = nullptr;
    QCheckBox* boxes[7] = {};
    QSlider* slider = nullptr;
    XDoubleSpinBox* distance = nullptr;
};

void TestMainWingView::initTestCase()
{
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"), imported.path()));
    QVERIFY(WingFoils::instance()->findAirfoil(QStringLiteral("NACA 2412"), false));
    DialogSeam::setScripted(true);
}

void TestMainWingView::init()
{
    DialogSeam::clear();
    plane = PlaneModel::instance();
    window = new QMainWindow;
    auto* save = new QAction(window);
    auto* saveAs = new QAction(window);
    undo = new QAction(window);
    redo = new QAction(window);
    files = new FileManager(window, QStringLiteral("Planformix"), save, saveAs, undo, redo,
                            QStringLiteral("Planformix files (*.pfz)"), QStringLiteral(".pfz"), plane);
    plane->addObserver(files);

    view = new ReadableView(window);
    window->setCentralWidget(view);
    for (auto*& box : boxes)
        box = new QCheckBox(window);
    slider = new QSlider(window);
    slider->setRange(15, 100);
    distance = new XDoubleSpinBox(window);
    distance->setRange(-1000, 1000);
    distance->setInputValueType(new InputValueType(9, -30.0, 300.0));
    view->connectControls(boxes[0], boxes[1], boxes[2], boxes[3], boxes[4], boxes[5], boxes[6], slider, distance);
    listener = new Listener;
    plane->addObserver(view);
    plane->addObserver(listener);
    window->resize(320, 240);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    plane->notifyObservers();
    // Marking unmodified records a state too; the history starts after it.
    files->setModified(false);
    files->resetHistory();
    listener->withHistory.clear();
}

void TestMainWingView::cleanup()
{
    // Observers are never removed, so the plane goes first.
    delete plane;
    plane = nullptr;
    delete files;
    delete window;
    delete listener;
}

void TestMainWingView::presetsFrameTheWing_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<Matrix>("rotation");
    QTest::newRow("top") << "topView" << Matrix{0, -1, 0, 0, 0, 0, 1, 0, -1, 0, 0, 0, 0, 0, 0, 1};
    QTest::newRow("front") << "frontView" << Matrix{0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    QTest::newRow("left") << "leftView" << Matrix{-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};
    QTest::newRow("bottom") << "bottomView" << Matrix{0, -1, 0, 0, 0, 0, -1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    QTest::newRow("rear") << "rearView" << Matrix{0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1};
    QTest::newRow("right") << "rightView" << Matrix{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    QTest::newRow("angled") << "view45" << defaultRotation;
}

void TestMainWingView::presetsFrameTheWing()
{
    QFETCH(QString, slot);
    QFETCH(Matrix, rotation);
    addTwoMetreWing();
    // 2 m of panels; the dihedral shortens the span seen from above a little.
    QVERIFY(plane->getSpan() > 1950.0f && plane->getSpan() <= 2000.0f);
    drag(Qt::ShiftModifier, Qt::LeftButton, QPoint(10, 10), QPoint(50, 70));
    drag(Qt::NoModifier, Qt::LeftButton, QPoint(10, 10), QPoint(50, 70));
    listener->withHistory.clear();
    const bool modifiedBefore = files->isModified();

    QVERIFY(QMetaObject::invokeMethod(view, slot.toLatin1().constData()));

    QCOMPARE(rotationOf(*view), rotation);
    QVERIFY(wingFillsTheView(picture()));
    // Only the camera moved: nothing to undo, nothing to save.
    QVERIFY(listener->withHistory.empty());
    QCOMPARE(files->isModified(), modifiedBefore);

    // A taller view is framed anew.
    window->resize(400, 600);
    QTRY_COMPARE(view->height(), 600);
    // The GL drawable takes the new size on the frame after the resize.
    view->updateGL();
    QVERIFY(wingFillsTheView(picture()));
}

void TestMainWingView::changedWingStaysFramedUntilTheUserZooms()
{
    addWing();
    view->frontView();
    addTwoMetreWing();
    QVERIFY(wingFillsTheView(picture()));
    plane->getPanelsTableModel()->removePanel(2);
    QVERIFY(wingFillsTheView(picture()));

    QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &wheel);
    const QVector3D zoomed = cameraOf(*view);
    addTwoMetreWing();
    QCOMPARE(cameraOf(*view), zoomed);
}

void TestMainWingView::presetsNeedAPanelButTheAngledViewDoesNot()
{
    drag(Qt::ShiftModifier, Qt::LeftButton, QPoint(10, 10), QPoint(50, 70));
    const Matrix turned = rotationOf(*view);
    const float x = view->getCameraX();
    for (const char* slot : {"topView", "frontView", "leftView", "bottomView", "rearView", "rightView"}) {
        QVERIFY(QMetaObject::invokeMethod(view, slot));
        QCOMPARE(rotationOf(*view), turned);
        QCOMPARE(view->getCameraX(), x);
    }
    view->view45();
    QCOMPARE(rotationOf(*view), defaultRotation);
    QCOMPARE(view->getCameraX(), 0.8f);
}

void TestMainWingView::shiftDragMovesTheCamera()
{
    drag(Qt::ShiftModifier | Qt::ControlModifier, Qt::LeftButton, QPoint(20, 20), QPoint(220, 60));
    QVERIFY(qAbs(view->getCameraX() - 1.8f) < 1e-5f);
    QVERIFY(qAbs(view->getCameraY() - (-0.4f)) < 1e-5f);
    QCOMPARE(rotationOf(*view), defaultRotation);

    // A move without a button held only passes by.
    QMouseEvent hover(QEvent::MouseMove, QPoint(300, 200), Qt::NoButton, Qt::NoButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(view, &hover);
    QVERIFY(qAbs(view->getCameraX() - 1.8f) < 1e-5f);
}

void TestMainWingView::dragTurnsTheWing_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<double>("degreesPerPixel");
    // The default camera stands sqrt(0.8² + 0.2² + 3²) = 3.11 away.
    const double coarse = 1.0 / std::sqrt(0.64 + 0.04 + 9.0);
    QTest::newRow("left button") << int(Qt::NoModifier) << int(Qt::LeftButton) << coarse;
    QTest::newRow("with Ctrl") << int(Qt::ControlModifier) << int(Qt::LeftButton) << coarse / 4.0;
    QTest::newRow("right button") << int(Qt::NoModifier) << int(Qt::RightButton) << coarse / 4.0;
}

void TestMainWingView::dragTurnsTheWing()
{
    QFETCH(int, modifiers);
    QFETCH(int, buttons);
    QFETCH(double, degreesPerPixel);
    // The stored default is rounded; the first turn squares it up, which is
    // no part of the turn itself.
    Matrix before = rotationOf(*view);
    Mathematics::orthonormalizeMatrix(before.data());

    drag(Qt::KeyboardModifiers(modifiers), Qt::MouseButtons(buttons), QPoint(100, 100), QPoint(120, 100));
    const Matrix afterHorizontal = rotationOf(*view);
    QVERIFY(qAbs(chordAxisTurn(before, afterHorizontal) - 20 * degreesPerPixel) < 0.01);
    // A sideways drag turns the wing about its own vertical axis, which
    // therefore stays where it was on screen.
    for (int i = 4; i < 7; ++i)
        QVERIFY(qAbs(afterHorizontal[i] - before[i]) < 0.01f);
    QCOMPARE(view->getCameraX(), 0.8f);

    // An upward drag tilts it about the screen's horizontal axis, which keeps
    // every screen x coordinate.
    QMouseEvent move(QEvent::MouseMove, QPoint(120, 90), Qt::NoButton, Qt::MouseButtons(buttons),
                     Qt::KeyboardModifiers(modifiers));
    QCoreApplication::sendEvent(view, &move);
    const Matrix afterVertical = rotationOf(*view);
    QVERIFY(qAbs(tiltAboutScreenX(afterHorizontal, afterVertical) - 10 * degreesPerPixel) < 0.01);
    for (int col = 0; col < 3; ++col)
        QVERIFY(qAbs(afterVertical[col * 4] - afterHorizontal[col * 4]) < 0.01f);
}

void TestMainWingView::wheelZooms_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<float>("change");
    QTest::newRow("one notch forward") << 120 << int(Qt::NoModifier) << 0.25f;
    QTest::newRow("one notch back") << -120 << int(Qt::NoModifier) << -0.25f;
    QTest::newRow("finely with Ctrl") << 120 << int(Qt::ControlModifier) << 0.0625f;
    QTest::newRow("less than a step") << 7 << int(Qt::NoModifier) << 0.0f;
}

void TestMainWingView::wheelZooms()
{
    QFETCH(int, delta);
    QFETCH(int, modifiers);
    QFETCH(float, change);
    QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &wheel);
    QVERIFY(wheel.isAccepted());
    QVERIFY(qAbs(view->getCameraZ() - (-3.0f + change)) < 1e-5f);
}

void TestMainWingView::doubleClickRestoresTheAngledView()
{
    addWing();
    view->topView();
    drag(Qt::NoModifier, Qt::LeftButton, QPoint(100, 100), QPoint(130, 80));
    QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QCOMPARE(rotationOf(*view), defaultRotation);
    const QVector3D reset = cameraOf(*view);
    view->view45();
    QCOMPARE(cameraOf(*view), reset);
}

void TestMainWingView::showOptionsAreUndoable()
{
    addWing();
    // Marking unmodified records a state too; the history starts after it.
    files->setModified(false);
    files->resetHistory();
    listener->withHistory.clear();
    const PlaneVisualisationOptions* options = view->getVisualisationOptions();

    boxes[0]->setChecked(false); // ribs
    QVERIFY(!options->getShowRibs());
    QCOMPARE(listener->withHistory, std::vector<bool>{true});
    QVERIFY(files->isModified());
    QVERIFY(undo->isEnabled());

    // Setting the same state again is no change.
    view->chkBoxRibsToggled(false);
    QCOMPARE(listener->withHistory.size(), size_t(1));

    // Turning combs on from code keeps its box in step.
    view->chkBoxCombToggled(true);
    QVERIFY(boxes[3]->isChecked());
    QVERIFY(options->getShowCombs());

    files->undo();
    QVERIFY(!options->getShowCombs());
    QVERIFY(!boxes[3]->isChecked());
    files->undo();
    QVERIFY(options->getShowRibs());
    QVERIFY(boxes[0]->isChecked());
}

void TestMainWingView::transparencyMarksModifiedWithoutUndoState()
{
    addWing();
    // Marking unmodified records a state too; the history starts after it.
    files->setModified(false);
    files->resetHistory();
    listener->withHistory.clear();

    slider->setValue(40);
    QCOMPARE(view->getVisualisationOptions()->getTransparency(), 40);
    QCOMPARE(listener->withHistory, std::vector<bool>{false});
    QVERIFY(files->isModified());
    QVERIFY(!undo->isEnabled());
    // The switch is back on for the changes after it.
    QVERIFY(plane->getHistoryRecordingEnabled());

    view->hsliderTransparencyValueChanged(60);
    QCOMPARE(slider->value(), 60);
}

void TestMainWingView::invalidDistanceIsIgnored()
{
    addWing();
    listener->withHistory.clear();
    distance->setValue(100.0);
    QCOMPARE(view->getVisualisationOptions()->getWingHalvesDistance(), 100.0f);
    QCOMPARE(listener->withHistory, std::vector<bool>{true});

    distance->setValue(500.0);
    QCOMPARE(view->getVisualisationOptions()->getWingHalvesDistance(), 100.0f);
    QCOMPARE(listener->withHistory.size(), size_t(1));
}

void TestMainWingView::fileLoadRestoresCameraAndOptions()
{
    addWing();
    view->chkBoxAxesToggled(true);
    view->chkBoxSparsToggled(false);
    view->chkBoxCombToggled(true);
    view->hsliderTransparencyValueChanged(55);
    distance->setValue(42.5);
    view->leftView();
    const QVector3D camera = cameraOf(*view);
    std::string saved;
    QVERIFY(plane->serializeToString(&saved));

    serializedPlanformixData document;
    QVERIFY(document.ParseFromString(saved));
    int records = 0;
    for (const auto& record : document.views())
        records += record.observername() == "MainWingGLWidget" ? 1 : 0;
    QCOMPARE(records, 1);

    view->view45();
    view->chkBoxAxesToggled(false);
    view->chkBoxSparsToggled(true);
    view->chkBoxCombToggled(false);
    view->hsliderTransparencyValueChanged(100);
    distance->setValue(0.0);

    QVERIFY(plane->loadFromString(saved, SerializeableIf::FILE_LOAD));
    const PlaneVisualisationOptions* options = view->getVisualisationOptions();
    QVERIFY(options->getShowAxes());
    QVERIFY(!options->getShowSpars());
    QVERIFY(options->getShowCombs());
    QVERIFY(options->getShowRibs());
    QCOMPARE(options->getTransparency(), 55);
    QCOMPARE(options->getWingHalvesDistance(), 42.5f);
    QCOMPARE(slider->value(), 55);
    QCOMPARE(distance->value(), 42.5);
    QVERIFY(boxes[6]->isChecked());
    QVERIFY(!boxes[1]->isChecked());
    QCOMPARE(cameraOf(*view), camera);
    // The rotation is never stored: the angled one stays.
    QCOMPARE(rotationOf(*view), defaultRotation);
}

void TestMainWingView::undoKeepsTheCamera()
{
    addWing();
    files->resetHistory();
    view->chkBoxAxesToggled(true);
    view->topView();
    const QVector3D camera = cameraOf(*view);
    files->undo();
    QVERIFY(!view->getVisualisationOptions()->getShowAxes());
    QCOMPARE(cameraOf(*view), camera);
}

void TestMainWingView::recordWithoutPositionShowsAllButCombs()
{
    addWing();
    view->view45();
    const QVector3D angled = cameraOf(*view);
    view->chkBoxRibsToggled(false);
    view->chkBoxAxesToggled(false);
    view->chkBoxCombToggled(true);
    view->hsliderTransparencyValueChanged(30);
    view->topView();

    serializedPlanformixData::serializedViewData record;
    record.set_observername("MainWingGLWidget");
    view->loadViewData(&record, SerializeableIf::UNDO_REDO);

    const PlaneVisualisationOptions* options = view->getVisualisationOptions();
    QVERIFY(options->getShowRibs() && options->getShowSpars() && options->getShowCovering());
    QVERIFY(options->getShowLE() && options->getShowTE() && options->getShowAxes());
    QVERIFY(!options->getShowCombs());
    QCOMPARE(options->getTransparency(), 30);
    QCOMPARE(rotationOf(*view), defaultRotation);
    QCOMPARE(cameraOf(*view), angled);
}

void TestMainWingView::damagedRecordKeepsAVisibleWing()
{
    addWing();
    const QVector3D camera = cameraOf(*view);
    serializedPlanformixData::serializedViewData record;
    record.set_observername("MainWingGLWidget");
    auto* position = record.mutable_positiondata();
    position->set_posx(std::numeric_limits<float>::quiet_NaN());
    position->set_posy(0.0f);
    position->set_posz(std::numeric_limits<float>::infinity());
    position->set_showribs(true);
    position->set_transparency(0);
    view->loadViewData(&record, SerializeableIf::FILE_LOAD);

    QCOMPARE(view->getVisualisationOptions()->getTransparency(), 15);
    QCOMPARE(cameraOf(*view), camera);

    position->set_transparency(1000);
    view->loadViewData(&record, SerializeableIf::FILE_LOAD);
    QCOMPARE(view->getVisualisationOptions()->getTransparency(), 100);
}

void TestMainWingView::emptyPlaneShowsOnlyBackground()
{
    const QImage image = picture();
    QVERIFY(!image.isNull());
    const QRgb background = qRgb(204, 204, 204);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixel(x, y) & 0xffffff, background & 0xffffff);
}

void TestMainWingView::bothWingHalvesAreDrawn()
{
    addWing();
    view->frontView();
    const QImage image = picture();
    const int w = image.width();
    // Seen from the front the right half lies to the viewer's left.
    QVERIFY(colouredPixels(image, 0, w / 3) > 100);
    QVERIFY(colouredPixels(image, 2 * w / 3, w) > 100);

    // Nothing shown: the grid alone is grey.
    for (auto* box : boxes)
        box->setChecked(false);
    QCOMPARE(colouredPixels(picture(), 0, w), 0);
}

void TestMainWingView::wingHalvesDistanceOpensAGap()
{
    addWing();
    view->frontView();
    const int w = picture().width();
    QVERIFY(colouredPixels(picture(), w / 2 - 2, w / 2 + 2) > 0);

    // 300 mm with a root chord of 200: each half moves 0.75 root chords
    // out, leaving the middle of the picture empty.
    distance->setValue(300.0);
    const QImage apart = picture();
    QCOMPARE(colouredPixels(apart, w / 2 - 2, w / 2 + 2), 0);
    QVERIFY(colouredPixels(apart, 0, w / 3) > 100);
    QVERIFY(colouredPixels(apart, 2 * w / 3, w) > 100);
}

void TestMainWingView::panelWithoutRibsDoesNotStopTheDrawing()
{
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(0, 300.0f, 200.0f, 200.0f, 0.0f, 0));
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(1, 300.0f, 200.0f, 200.0f, 0.0f));
    QCOMPARE(plane->getPanelCount(), 2);
    view->frontView();
    QVERIFY(colouredPixels(picture(), 0, picture().width()) > 100);
}

void TestMainWingView::panelsFollowTheDihedralOfThePanelsBefore()
{
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(0, 500.0f, 200.0f, 200.0f, 6.0f));
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(1, 300.0f, 200.0f, 200.0f, 4.0f));
    const float offsetY = plane->getPanelList().front()->getLastRib().getOffsetY();
    // The right view has no rotation, so the placement of the panel drawn
    // last (the outer panel of the mirrored half) is read straight off the
    // model-view matrix.
    view->rightView();
    view->updateGL();
    view->makeCurrent();
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);

    // The root panel carries half of its 6 degrees, the outer panel its own
    // 4 on top: 7 degrees up, mirrored toward +z.
    const double degrees = 7.0 * M_PI / 180.0;
    QVERIFY(qAbs(m[4]) < 1e-5f);
    QVERIFY(qAbs(double(m[5]) - std::cos(degrees)) < 1e-5);
    QVERIFY(qAbs(double(m[6]) - std::sin(degrees)) < 1e-5);

    // Its root sits at the root panel's tip: 2.5 root chords out along a
    // half span tilted by 3 degrees, plus the root panel's tip rib offset.
    const double tilt = 3.0 * M_PI / 180.0;
    const double out = 2.5 + 0.0001;
    QVERIFY(qAbs(double(m[12] - view->getCameraX())) < 1e-5);
    QVERIFY(qAbs(double(m[13] - view->getCameraY()) - (offsetY * std::cos(tilt) + out * std::sin(tilt))) < 1e-4);
    QVERIFY(qAbs(double(m[14] - view->getCameraZ()) - (offsetY * std::sin(tilt) - out * std::cos(tilt))) < 1e-4);
}

// Replaying the recorded panels gives the very picture that drawing them
// anew gives, from every side (the order of ribs and edges follows the view
// direction) and with every part, a highlight and transparency.
void TestMainWingView::recordedFramesEqualImmediateFrames_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<bool>("everything");
    const char* const names[] = {"angled", "top", "front", "left", "bottom", "rear", "right"};
    for (int preset = 0; preset < 7; ++preset) {
        QTest::newRow(qPrintable(QStringLiteral("%1, defaults").arg(names[preset]))) << preset << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, everything").arg(names[preset]))) << preset << true;
    }
}

void TestMainWingView::recordedFramesEqualImmediateFrames()
{
    QFETCH(int, preset);
    QFETCH(bool, everything);
    addFeaturedWing();
    if (everything) {
        boxes[3]->setChecked(true);
        boxes[6]->setChecked(true);
        slider->setValue(55);
        plane->getPanelList().back()->setSelected(true);
    }
    void (MainWingGLWidget::*const presets[])() = {
        &MainWingGLWidget::view45,     &MainWingGLWidget::topView,  &MainWingGLWidget::frontView,
        &MainWingGLWidget::leftView,   &MainWingGLWidget::bottomView, &MainWingGLWidget::rearView,
        &MainWingGLWidget::rightView};
    (view->*presets[preset])();
    const int recordedBefore = view->getRecordedLists();
    const QImage recorded = picture();
    QVERIFY(view->getRecordedLists() > recordedBefore || recordedBefore > 0);
    QVERIFY(colouredPixels(recorded, 0, recorded.width()) > 100);
    QVERIFY(recorded == immediatePicture());
}

// A notification that changes nothing drawn, such as the pointer staying in
// one row of the panel table, costs no frame; a highlight costs one but
// records nothing again.
void TestMainWingView::unchangedNotificationPaintsNothing()
{
    addFeaturedWing();
    picture();
    settle();
    const int recorded = view->getRecordedLists();
    // Frames asked for, not frames painted: the window system may paint
    // the window once more whenever it likes.
    const int requested = view->getFramesRequested();
    plane->getPanelsTableModel()->notifyObservers();
    QCOMPARE(view->getFramesRequested(), requested);

    plane->getPanelList().front()->setSelected(true);
    plane->getPanelsTableModel()->notifyObservers();
    QCOMPARE(view->getFramesRequested(), requested + 1);
    view->updateGL();
    QCOMPARE(view->getRecordedLists(), recorded);
}

// Where full frames are slow, a drag shows light frames and the full frame
// comes back on its own shortly after the hand stops, the same as drawn
// anew; where they are fast a drag draws full frames.
void TestMainWingView::lightFramesOnlyWhileTheHandMoves()
{
    addFeaturedWing();
    picture();
    view->setFrameBudget(1.0e9);
    drag(Qt::NoModifier, Qt::LeftButton, QPoint(100, 100), QPoint(110, 104));
    QVERIFY(!view->isShowingLightFrame());

    view->setFrameBudget(0.0);
    picture();
    drag(Qt::NoModifier, Qt::LeftButton, QPoint(100, 100), QPoint(90, 96));
    QVERIFY(view->isShowingLightFrame());
    QTRY_VERIFY_WITH_TIMEOUT(!view->isShowingLightFrame(), 10000);
    QVERIFY(picture() == immediatePicture());

    // Letting go brings the full frame without waiting for the hand to rest.
    drag(Qt::NoModifier, Qt::LeftButton, QPoint(90, 96), QPoint(100, 100));
    QVERIFY(view->isShowingLightFrame());
    QMouseEvent release(QEvent::MouseButtonRelease, QPoint(100, 100), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &release);
    QVERIFY(!view->isShowingLightFrame());
    QVERIFY(picture() == immediatePicture());
}

// After an edit the changed panel shows at once (in a light frame where full
// frames are slow); only its lists are recorded again, and the full frame
// that follows is the one drawn anew.
void TestMainWingView::editedPanelShowsAtOnceAndAloneIsRecordedAgain()
{
    addFeaturedWing();
    picture();
    const int wholeWing = view->getRecordedLists();
    view->setFrameBudget(0.0);
    picture();
    settle();
    view->frames = 0;
    plane->getPanelsTableModel()->addOrUpdatePanel(featuredPanel(1, 400.0f, 200.0f, 120.0f, 8));
    QVERIFY(view->isShowingLightFrame());
    QCoreApplication::processEvents();
    QVERIFY(view->frames >= 1);
    QTRY_VERIFY_WITH_TIMEOUT(!view->isShowingLightFrame(), 10000);
    const QImage full = picture();
    const int again = view->getRecordedLists() - wholeWing;
    QVERIFY(again > 0);
    QVERIFY(again <= wholeWing / 2);
    QVERIFY(full == immediatePicture());
}

// A full frame too slow to draw at once, as after opening or undoing a large
// plane, first shows as a light frame; the full one is drawn in slices, each
// going on where the one before stopped, and is the very frame drawn at once.
// A change meanwhile drops the partial frame. A plane beyond the budget of
// kept ribs records no lists.
void TestMainWingView::slowFullFrameFollowsInSlicesAfterALightOne_data()
{
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("undo");
    QTest::newRow("recorded, repainted") << true << false;
    QTest::newRow("drawn anew, repainted") << false << false;
    QTest::newRow("drawn anew, after an undo") << false << true;
}

void TestMainWingView::slowFullFrameFollowsInSlicesAfterALightOne()
{
    QFETCH(bool, kept);
    QFETCH(bool, undo);
    addFeaturedWing();
    boxes[3]->setChecked(true);
    boxes[6]->setChecked(true);
    slider->setValue(55);
    plane->getPanelList().back()->setSelected(true);
    view->setRetainedRibBudget(kept ? 1000 : 0);
    settle();
    const QImage whole = picture();
    const int recorded = view->getRecordedLists();
    QVERIFY(colouredPixels(whole, 0, whole.width()) > 100);
    if (undo) {
        files->resetHistory();
        view->chkBoxLEToggled(false);
        settle();
    }

    // Every slice draws one part of a panel; every full frame counts as
    // slow. The frames are painted and the slices drawn here, one by one,
    // never by the event loop.
    view->setFrameSlicing(0.0, 0.0);
    view->setFrameBudget(0.0);
    view->setAutoBufferSwap(false);
    if (undo) {
        files->undo();
        // After an edit the light frame waits for the hand to rest.
        view->updateGL();
        QVERIFY(view->isShowingLightFrame());
        QVERIFY(!view->isDrawingInSlices());
        view->showFullFrame(true);
    } else {
        view->updateGL();
    }
    QVERIFY(view->isShowingLightFrame());
    QVERIFY(view->isDrawingInSlices());

    // A turn of the wheel drops the frame under way; turned back, the full
    // frame starts again from its first step.
    for (int slice = 0; slice < 3; ++slice)
        view->drawNextSlice();
    QCOMPARE(view->getFrameScheduler().slicesDrawn(), 3);
    QWheelEvent forward(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &forward);
    QVERIFY(!view->isDrawingInSlices());
    QWheelEvent back(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view, &back);
    view->showFullFrame(true);
    QVERIFY(view->isShowingLightFrame());
    QVERIFY(view->isDrawingInSlices());
    QCOMPARE(view->getFrameScheduler().slicesDrawn(), 0);

    const auto order = [](const WingFrame::Position& at) {
        return std::make_tuple(int(at.stage), -at.side, at.panel, at.part);
    };
    auto last = order(view->getFrameUnderWay()->next());
    QCOMPARE(std::get<0>(last), int(WingFrame::Stage::Hold));
    // While keys are typed anywhere in the program, the slice timer draws
    // nothing, so that the next key need not wait for a slice; once the
    // typing pauses, the frame goes on (the renderer has nothing left here).
    const struct Restore {
        int pause = SliceGate::pauseMs();
        ~Restore() { SliceGate::setPauseMs(pause); }
    } restore;
    SliceGate::setPauseMs(std::numeric_limits<int>::max());
    QLineEdit field;
    QTest::keyClick(&field, Qt::Key_1);
    view->makeCurrent();
    glFinish();
    view->sliceDue();
    QCOMPARE(view->getFrameScheduler().slicesDrawn(), 0);
    SliceGate::setPauseMs(0);
    view->sliceDue();
    QCOMPARE(view->getFrameScheduler().slicesDrawn(), 1);
    // One slice, of any view, between two turns of the window's loop: what
    // came during it is answered before the next.
    glFinish();
    view->sliceDue();
    QCOMPARE(view->getFrameScheduler().slicesDrawn(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    view->makeCurrent();
    glFinish();
    view->sliceDue();
    QCOMPARE(view->getFrameScheduler().slicesDrawn(), 2);
    QVERIFY(order(view->getFrameUnderWay()->next()) > last);
    last = order(view->getFrameUnderWay()->next());
    int slices = 0;
    while (view->isDrawingInSlices() && slices < 100000) {
        QVERIFY(view->isShowingLightFrame());
        view->drawNextSlice();
        ++slices;
        if (!view->isDrawingInSlices())
            break;
        const auto next = order(view->getFrameUnderWay()->next());
        QVERIFY(next > last);
        last = next;
    }
    // Both halves of two panels, part by part.
    QVERIFY(slices > 40);
    QVERIFY(!view->isShowingLightFrame());
    const QImage sliced = view->grabFrameBuffer();
    view->setAutoBufferSwap(true);
    view->setFrameSlicing(1.0e9, 40.0);
    QVERIFY(sliced == picture());
    if (!undo)
        QVERIFY(sliced == whole);
    if (!kept)
        QCOMPARE(view->getRecordedLists(), recorded);
}

// Each slice ends by keeping the renderer's backlog in bounds, so that none
// of it piles up behind the window while it answers between slices; the
// frame is complete once the renderer has done all of it, and whether it
// has can be asked without waiting, so that the window need not wait in a
// slice for the renderer.
void TestMainWingView::slicesWaitForTheRenderer()
{
    // The calls outlive the frame, which the scheduler lets go of once done.
    class Steps : public FrameScheduler::Frame
    {
    public:
        Steps(QString& calls, QString& asked) : calls(calls), asked(asked) {}
        bool drawStep(FrameScheduler::Slice&) override
        {
            calls += 'd';
            return ++drawn == 5;
        }
        void finishWork() override { calls += 'f'; }
        void sliceSent() override { calls += 's'; }
        bool rendererCaughtUp(bool all) override
        {
            asked += all ? 'A' : 'a';
            return behind-- <= 0;
        }
        double units() const override { return 5.0; }
        int drawn = 0;
        int behind = 0;
        QString& calls;
        QString& asked;
    };
    QString calls;
    QString asked;
    FrameScheduler scheduler;
    scheduler.setSlicing(0.0, 0.0);
    auto frame = std::make_unique<Steps>(calls, asked);
    Steps& steps = *frame;
    scheduler.startInSlices(std::move(frame), 1.0);
    QVERIFY(scheduler.isShowingLightFrame());
    int slices = 0;
    while (!scheduler.drawSlice()) {
        QCOMPARE(calls, QString(QStringLiteral("ds")).repeated(++slices));
        if (slices == 2) {
            steps.behind = 2;
            QVERIFY(!scheduler.rendererReady());
            QVERIFY(!scheduler.rendererReady());
            QVERIFY(scheduler.rendererReady());
        }
        // Once all is sent, the frame waits for all of it.
        if (slices == 5)
            QVERIFY(scheduler.rendererReady());
    }
    QCOMPARE(slices, 5);
    QCOMPARE(calls, QString(QStringLiteral("ds")).repeated(5) + QStringLiteral("f"));
    QCOMPARE(asked, QStringLiteral("aaaA"));
    QVERIFY(!scheduler.isShowingLightFrame());
    QVERIFY(!scheduler.isDrawingInSlices());
    QVERIFY(scheduler.rendererReady());
}

void TestMainWingView::heavilySheetedPanelIsDrawnAnew()
{
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(0, 500.0f, 200.0f, 200.0f, 0.0f, 10));
    settle();
    picture();
    const int recorded = view->getRecordedLists();
    QVERIFY(recorded > 0);
    // The same ten ribs, each cut by 50 strips under advanced covering: as
    // costly to keep and to draw as hundreds of plain ribs.
    std::string bytes;
    QVERIFY(plane->save(bytes));
    serializedPlanformixData data;
    QVERIFY(data.ParseFromString(bytes));
    TestSupport::coverWithFiftyStrips(*data.mutable_panels(0));
    QVERIFY(plane->loadFromString(data.SerializeAsString(), SerializeableIf::FILE_LOAD));
    settle();
    picture();
    QCOMPARE(view->getRecordedLists(), recorded);
}

QTEST_MAIN(TestMainWingView)
#include "tst_mainwingview_gl.moc"

// Opening notifies for every panel it adds; the view draws the whole wing
// once afterwards, not the growing wing after each panel.
void TestMainWingView::openingAWingPaintsItOnce()
{
    for (int id = 0; id < 5; ++id)
        plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(id, 300.0f, 200.0f, 200.0f, 0.0f));
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("wing.pfz")).toStdString();
    std::string target = path;
    QVERIFY(plane->save(target));
    QCoreApplication::processEvents();
    auto* counting = static_cast<ReadableView*>(view);
    counting->frames = 0;
    QVERIFY(plane->load(path, true, SerializeableIf::FILE_LOAD));
    // Nothing drawn while the panels arrive (the window system may add a
    // frame of its own later, so the count after the load is a lower bound).
    QCOMPARE(counting->frames, 0);
    QCoreApplication::processEvents();
    QVERIFY(counting->frames >= 1);
    QCOMPARE(int(plane->getPanelList().size()), 5);
}

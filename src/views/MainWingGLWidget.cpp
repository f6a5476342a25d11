#include "views/MainWingGLWidget.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QSlider>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <vector>

#include "document/PlaneModel.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
#include "foundation/MemoryReserve.h"
#include "foundation/Vector3D.h"
#include "foundation/XDoubleSpinBox.h"
#include "model/Panel.h"
#include "model/PanelDrawing.h"
#include "model/PlaneAccess.h"
#include "model/RibDefinition.h"
#include "model/RibList.h"
#include "planformixdata.pb.h"
#include "views/PanelDisplayLists.h"
#include "views/SliceGate.h"
#include "views/ViewRotation.h"
#include "views/WingFrame.h"

namespace {

// The GL driver allocates as it draws (vertex buffers, the code it compiles
// for a drawing state) and ends the process where it finds no memory: a
// frame is drawn only with this much to spare, and tried again a moment
// later otherwise.
constexpr std::size_t drawingRoom = 64 * 1024 * 1024;
constexpr int drawingRetryMs = 250;

const char* const observerName = "MainWingGLWidget";

const float defaultCameraX = 0.8f;
const float defaultCameraY = -0.2f;
const float defaultCameraZ = -3.0f;

const float topRotation[16] = {0, -1, 0, 0, 0, 0, 1, 0, -1, 0, 0, 0, 0, 0, 0, 1};
const float bottomRotation[16] = {0, -1, 0, 0, 0, 0, -1, 0, 1, 0, 0, 0, 0, 0, 0, 1};

// tan(22.5 degrees): half of the 45-degree field of view.
const float halfViewTan = 0.41421356f;
// A framed wing fills at most this share of the view in either direction,
// so that its tips never touch the edge.
const float frameFill = 0.9f;
// The nearest point of a framed wing stays this far (root chords) before
// the camera, well outside the near plane.
const float frameNearest = 0.2f;

// Each panel starts this far (root chords) beyond the tip of the one before,
// so that the touching end ribs do not fight over the same depth.
const float panelJoinGap = 0.0001f;

// The full frame follows this long (ms) after the last light one.
const int fullFrameDelayMs = 200;
// A light frame draws about this many rib outlines, both halves together:
// more miss a frame budget of 50 ms under software rendering.
const size_t lightFrameRibs = 240;

// A full frame expected to take longer than this (ms) is drawn in slices
// between events while a light frame shows; a quicker one is drawn at once.
const double defaultOneGoFrameMs = 250.0;
// The drawing time of one slice (ms), so that the window answers between
// slices as if nothing were going on: the first key of a burst waits for
// the slice under way, of this view and of the panel dialog's; the keys
// after it find the slices paused.
const double defaultSliceMs = 10.0;
// Until a full frame has been timed: about what one rib of one wing half
// costs with every part shown under software rendering, and what recording
// its display list costs on top.
const double defaultMsPerRibSide = 0.4;
const double recordMsPerRibSide = 0.25;
// Fewer ribs than this time a frame too coarsely to scale it up from.
const size_t ribsToTimeBy = 50;

const int minTransparency = 15;
const int maxTransparency = 100;

QGLFormat viewFormat()
{
    QGLFormat format;
    format.setDoubleBuffer(true);
    format.setDepth(true);
    format.setStencil(true);
    format.setSampleBuffers(ApplicationSettings::getInstance()->getSettings()->getAntiAlias());
    return format;
}

size_t ribsOf(const std::list<Panel*>& panels)
{
    size_t ribs = 0;
    for (const Panel* panel : panels)
        ribs += size_t(std::max(0, panel->getRibCount()));
    return ribs;
}

} // namespace

MainWingGLWidget::MainWingGLWidget(QWidget* parent)
    : QGLWidget(viewFormat(), parent)
    , Observer(QString::fromLatin1(observerName), true)
    , options(true, true, true, true, true, false, false, false, 100, 15, 0.0f, false, false)
{
    frames.setSlicing(defaultOneGoFrameMs, defaultSliceMs);
    frames.setDefaultMsPerUnit(defaultMsPerRibSide);
    frames.setUnitsToTimeBy(2.0 * ribsToTimeBy);
    resetCamera();
    fullFrameTimer.setSingleShot(true);
    fullFrameTimer.setInterval(fullFrameDelayMs);
    connect(&fullFrameTimer, &QTimer::timeout, this, [this] { showFullFrame(); });
    sliceTimer.setSingleShot(true);
    sliceTimer.setInterval(0);
    connect(&sliceTimer, &QTimer::timeout, this, &MainWingGLWidget::sliceDue);
    SliceGate::watch();
}

MainWingGLWidget::~MainWingGLWidget()
{
    if (!recordings.empty()) {
        makeCurrent();
        releaseRecordings();
        doneCurrent();
    }
}

QSize MainWingGLWidget::sizeHint() const
{
    return QSize(400, 400);
}

QSize MainWingGLWidget::minimumSizeHint() const
{
    return QSize(400, 200);
}

void MainWingGLWidget::connectControls(QCheckBox* ribs, QCheckBox* spars, QCheckBox* covering, QCheckBox* comb,
                                       QCheckBox* te, QCheckBox* le, QCheckBox* axes, QSlider* transparency,
                                       XDoubleSpinBox* wingHalvesDistance)
{
    chkRibs = ribs;
    chkSpars = spars;
    chkCovering = covering;
    chkComb = comb;
    chkTE = te;
    chkLE = le;
    chkAxes = axes;
    sliderTransparency = transparency;
    txtWingHalvesDistance = wingHalvesDistance;

    if (chkRibs)
        chkRibs->setChecked(options.getShowRibs());
    if (chkSpars)
        chkSpars->setChecked(options.getShowSpars());
    if (chkCovering)
        chkCovering->setChecked(options.getShowCovering());
    if (chkComb)
        chkComb->setChecked(options.getShowCombs());
    if (chkTE)
        chkTE->setChecked(options.getShowTE());
    if (chkLE)
        chkLE->setChecked(options.getShowLE());
    if (chkAxes)
        chkAxes->setChecked(options.getShowAxes());
    if (sliderTransparency)
        sliderTransparency->setValue(options.getTransparency());
    if (txtWingHalvesDistance)
        txtWingHalvesDistance->setValue(options.getWingHalvesDistance(), true);

    if (chkRibs)
        connect(chkRibs, SIGNAL(toggled(bool)), this, SLOT(chkBoxRibsToggled(bool)));
    if (chkSpars)
        connect(chkSpars, SIGNAL(toggled(bool)), this, SLOT(chkBoxSparsToggled(bool)));
    if (chkAxes)
        connect(chkAxes, SIGNAL(toggled(bool)), this, SLOT(chkBoxAxesToggled(bool)));
    if (chkCovering)
        connect(chkCovering, SIGNAL(toggled(bool)), this, SLOT(chkBoxCoveringToggled(bool)));
    if (chkComb)
        connect(chkComb, SIGNAL(toggled(bool)), this, SLOT(chkBoxCombToggled(bool)));
    if (chkLE)
        connect(chkLE, SIGNAL(toggled(bool)), this, SLOT(chkBoxLEToggled(bool)));
    if (chkTE)
        connect(chkTE, SIGNAL(toggled(bool)), this, SLOT(chkBoxTEToggled(bool)));
    if (sliderTransparency)
        connect(sliderTransparency, SIGNAL(valueChanged(int)), this, SLOT(hsliderTransparencyValueChanged(int)));
    if (txtWingHalvesDistance)
        connect(txtWingHalvesDistance, SIGNAL(valueChanged(QString)), this,
                SLOT(txtWingHalvesDistanceChanged(QString)));
}

void MainWingGLWidget::observedObjectChanged(Observable* observable)
{
    model = dynamic_cast<PlaneModel*>(observable);
    // An added, removed or edited panel stays in view until the user moves
    // the camera. The paint is scheduled: opening a document notifies once
    // per panel it adds, and the view is drawn once, with the whole wing.
    frameWing();
    // Most notifications (a marked document, a stored undo state) change
    // nothing that is drawn here.
    const bool edited = !recordingsAreCurrent();
    if (!edited && drawnState() == shownState)
        return;
    requestFrame(edited ? Change::Edited : Change::Still);
    // A plane replaced by an open or an undo lets go of its geometry now,
    // not only when the view next draws in full.
    if (model)
        forgetPanelsGone(model->getPanelList());
}

// ------------------------------------------------------------------ frames

void MainWingGLWidget::setRetainedGeometry(bool on)
{
    if (on == retainedGeometry)
        return;
    retainedGeometry = on;
    dropFullFrame();
    if (!on && !recordings.empty()) {
        makeCurrent();
        releaseRecordings();
    }
}

void MainWingGLWidget::requestFrame(Change change, bool now)
{
    // A full frame under way would show what is no longer so.
    dropFullFrame();
    shownState = drawnState();
    ++framesRequested;
    // Where a full frame keeps up anyway, every frame is a full one.
    if (change != Change::Still && frames.fullFramesAreSlow()) {
        frames.setShowingLightFrame(true);
        fullFrameTimer.start();
    } else if (change == Change::Still || !fullFrameTimer.isActive()) {
        // The light frame, if one shows, stays until the full one is drawn.
        fullFrameTimer.stop();
    }
    if (now)
        updateGL();
    else
        update();
}

void MainWingGLWidget::showFullFrame(bool now)
{
    fullFrameTimer.stop();
    if (now)
        updateGL();
    else
        update();
}

std::vector<double> MainWingGLWidget::drawnState() const
{
    std::vector<double> state(rotation, rotation + 16);
    state.insert(state.end(), {cameraX, cameraY, cameraZ, double(width()), double(height())});
    state.insert(state.end(),
                 {double(options.getShowRibs()), double(options.getShowSpars()), double(options.getShowCovering()),
                  double(options.getShowTE()), double(options.getShowLE()), double(options.getShowAxes()),
                  double(options.getShowCombs()), double(options.getWingHalvesDistance()),
                  double(options.getTransparency())});
    if (!model)
        return state;
    state.push_back(model->getRootChord());
    for (const Panel* panel : model->getPanelList()) {
        const auto address = reinterpret_cast<std::uintptr_t>(panel);
        state.insert(state.end(), {double(address >> 32), double(address & 0xffffffffu), double(panel->isSelected()),
                                   panel->getDihedralAngle(), panel->getSweep(), panel->getLength(),
                                   panel->getTipTwist(), panel->getRootChord(), panel->getTipChord(),
                                   double(panel->getRibCount())});
        const std::list<RibDefinition>& ribs = panel->getRibList().getRibs();
        if (!ribs.empty())
            state.insert(state.end(), {ribs.front().getMaxY(), ribs.front().getMinY(), ribs.back().getOffsetY()});
    }
    return state;
}

bool MainWingGLWidget::recordingsAreCurrent() const
{
    if (!model)
        return false;
    for (const Panel* panel : model->getPanelList()) {
        const auto found = recordings.find(panel);
        if (found == recordings.end() || !found->second->isCurrent(PanelDrawing::sceneOf(*panel), options))
            return false;
    }
    return true;
}

bool MainWingGLWidget::retainsPlane(const PlaneModel* plane) const
{
    return retainedGeometry && WingFrame::drawnRibsOf(plane->getPanelList()) <= retainedRibBudget;
}

void MainWingGLWidget::forgetPanelsGone(const std::list<Panel*>& panels)
{
    if (recordings.empty())
        return;
    std::unordered_map<const Panel*, bool> present;
    for (const Panel* panel : panels)
        present[panel] = true;
    bool current = false;
    for (auto it = recordings.begin(); it != recordings.end();) {
        if (present.count(it->first)) {
            ++it;
            continue;
        }
        if (it->second->isReady() && !current) {
            makeCurrent();
            current = true;
        }
        it->second->release();
        it = recordings.erase(it);
    }
}

double MainWingGLWidget::estimatedFullFrameMs() const
{
    if (!model)
        return 0.0;
    const double ribSides = 2.0 * double(WingFrame::drawnRibsOf(model->getPanelList()));
    double estimate = frames.estimateMs(ribSides);
    if (retainsPlane(model) && !recordingsAreCurrent())
        estimate += ribSides * recordMsPerRibSide;
    return estimate;
}

void MainWingGLWidget::releaseRecordings()
{
    for (auto& entry : recordings)
        entry.second->release();
    recordings.clear();
}

// ------------------------------------------------------------------ options

void MainWingGLWidget::notifyModel()
{
    if (model)
        model->notifyObservers();
}

void MainWingGLWidget::applyShowFlag(bool state, bool (PlaneVisualisationOptions::*get)() const,
                                     void (PlaneVisualisationOptions::*set)(bool), QCheckBox* box)
{
    if ((options.*get)() == state)
        return;
    (options.*set)(state);
    // Setting the box calls back here, where the stored flag already matches.
    if (box && box->isChecked() != state)
        box->setChecked(state);
    notifyModel();
}

void MainWingGLWidget::chkBoxRibsToggled(bool state)
{
    applyShowFlag(state, &PlaneVisualisationOptions::getShowRibs, &PlaneVisualisationOptions::setShowRibs, chkRibs);
}

void MainWingGLWidget::chkBoxSparsToggled(bool state)
{
    applyShowFlag(state, &PlaneVisualisationOptions::getShowSpars, &PlaneVisualisationOptions::setShowSpars,
                  chkSpars);
}

void MainWingGLWidget::chkBoxAxesToggled(bool state)
{
    applyShowFlag(state, &PlaneVisualisationOptions::getShowAxes, &PlaneVisualisationOptions::setShowAxes, chkAxes);
}

void MainWingGLWidget::chkBoxCoveringToggled(bool state)
{
    applyShowFlag(state, &PlaneVisualisationOptions::getShowCovering, &PlaneVisualisationOptions::setShowCovering,
                  chkCovering);
}

void MainWingGLWidget::chkBoxCombToggled(bool state)
{
    applyShowFlag(state, &PlaneVisualisationOptions::getShowCombs, &PlaneVisualisationOptions::setShowCombs,
                  chkComb);
}

void MainWingGLWidget::chkBoxLEToggled(bool state)
{
    applyShowFlag(state, &PlaneVisualisationOptions::getShowLE, &PlaneVisualisationOptions::setShowLE, chkLE);
}

void MainWingGLWidget::chkBoxTEToggled(bool state)
{
    applyShowFlag(state, &PlaneVisualisationOptions::getShowTE, &PlaneVisualisationOptions::setShowTE, chkTE);
}

void MainWingGLWidget::hsliderTransparencyValueChanged(int value)
{
    if (value == options.getTransparency())
        return;
    options.setTransparency(value);
    if (sliderTransparency && sliderTransparency->value() != value)
        sliderTransparency->setValue(value);
    // Opacity is a matter of viewing, not of the design: the document is
    // marked modified, but undo does not step through slider positions.
    if (model) {
        const bool historyWasOn = model->getHistoryRecordingEnabled();
        model->setHistoryRecordingEnabled(false);
        model->notifyObservers();
        model->setHistoryRecordingEnabled(historyWasOn);
    }
}

void MainWingGLWidget::txtWingHalvesDistanceChanged(const QString&)
{
    if (!txtWingHalvesDistance || !txtWingHalvesDistance->isValid())
        return;
    const float distance = float(txtWingHalvesDistance->value());
    if (distance == options.getWingHalvesDistance())
        return;
    options.setWingHalvesDistance(distance);
    notifyModel();
}

// ------------------------------------------------------------------ camera

void MainWingGLWidget::resetCamera()
{
    std::copy(ViewRotation::angled, ViewRotation::angled + 16, rotation);
    cameraX = defaultCameraX;
    cameraY = defaultCameraY;
    cameraZ = defaultCameraZ;
    framesWing = true;
    frameWing();
}

bool MainWingGLWidget::hasWingToFrame() const
{
    if (!model || model->getPanelList().empty())
        return false;
    const float rc = model->getRootChord();
    // A degenerate first panel gives no scale to place the camera by.
    return rc > 0.0f && std::isfinite(rc);
}

void MainWingGLWidget::applyPreset(const float presetRotation[16])
{
    if (!hasWingToFrame())
        return;
    std::copy(presetRotation, presetRotation + 16, rotation);
    framesWing = true;
    frameWing();
    requestFrame(Change::Still, true);
}

void MainWingGLWidget::frameWing()
{
    if (!framesWing || !hasWingToFrame())
        return;
    const float s = 1.0f / model->getRootChord();
    const std::list<Panel*>& panels = model->getPanelList();

    // The wing as the camera sees it: the end ribs' outlines and the chord
    // corners of every panel, both halves, turned by the view's rotation.
    float minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
    std::vector<Vector3D> seen;
    const auto see = [&](float x, float y, float z, const float placement[16]) {
        for (const float side : {1.0f, -1.0f}) {
            float half[4];
            const float local[4] = {x, y, z, 1.0f};
            Mathematics::multiplyVectorMatrix(half, local, placement);
            half[2] *= side;
            float eye[4];
            Mathematics::multiplyVectorMatrix(eye, half, rotation);
            seen.emplace_back(eye[0], eye[1], eye[2]);
            minX = std::min(minX, eye[0]);
            maxX = std::max(maxX, eye[0]);
            minY = std::min(minY, eye[1]);
            maxY = std::max(maxY, eye[1]);
        }
    };
    const std::vector<std::array<float, 16>> placements = panelPlacements(panels, s);
    size_t index = 0;
    for (const Panel* panel : panels) {
        const float* placement = placements[index++].data();
        const float length = panel->getLength() * s;
        const float sweep = panel->getSweep() * s;
        see(0.0f, 0.0f, 0.0f, placement);
        see(panel->getRootChord() * s, 0.0f, 0.0f, placement);
        see(sweep, 0.0f, length, placement);
        see(sweep + panel->getTipChord() * s, 0.0f, length, placement);
        const std::list<RibDefinition>& ribs = panel->getRibList().getRibs();
        for (const RibDefinition* rib : {ribs.empty() ? nullptr : &ribs.front(), ribs.empty() ? nullptr : &ribs.back()})
            if (rib)
                for (const Vector3D* point : rib->getRibCoords())
                    see(point->getX(), point->getY(), point->getZ(), placement);
    }
    if (!std::isfinite(minX) || !std::isfinite(maxX) || !std::isfinite(minY) || !std::isfinite(maxY))
        return;

    // Centred on the wing, then as far back as the point that needs most
    // room asks for: a point at depth z and off-centre by d needs the
    // camera z + d / tan(half view) away, horizontally widened by the aspect.
    const float aspect = height() > 0 ? float(width()) / float(height()) : 1.0f;
    const float roomX = halfViewTan * aspect * frameFill;
    const float roomY = halfViewTan * frameFill;
    const float x = -(minX + maxX) * 0.5f;
    const float y = -(minY + maxY) * 0.5f;
    float distance = -INFINITY;
    for (const Vector3D& point : seen) {
        distance = std::max(distance, point.getZ() + frameNearest);
        distance = std::max(distance, point.getZ() + std::fabs(point.getX() + x) / roomX);
        distance = std::max(distance, point.getZ() + std::fabs(point.getY() + y) / roomY);
    }
    if (!std::isfinite(distance))
        return;
    cameraX = x;
    cameraY = y;
    cameraZ = -distance;
}

void MainWingGLWidget::topView()
{
    applyPreset(topRotation);
}

void MainWingGLWidget::frontView()
{
    applyPreset(ViewRotation::front);
}

void MainWingGLWidget::leftView()
{
    applyPreset(ViewRotation::left);
}

void MainWingGLWidget::bottomView()
{
    applyPreset(bottomRotation);
}

void MainWingGLWidget::rearView()
{
    applyPreset(ViewRotation::rear);
}

void MainWingGLWidget::rightView()
{
    applyPreset(ViewRotation::right);
}

void MainWingGLWidget::view45()
{
    resetCamera();
    requestFrame(Change::Still, true);
}

// ------------------------------------------------------------------- mouse

void MainWingGLWidget::mousePressEvent(QMouseEvent* event)
{
    lastMouseX = qRound(event->localPos().x());
    lastMouseY = qRound(event->localPos().y());
}

void MainWingGLWidget::mouseDoubleClickEvent(QMouseEvent*)
{
    resetCamera();
    requestFrame(Change::Still, true);
}

void MainWingGLWidget::mouseReleaseEvent(QMouseEvent*)
{
    // Letting go ends the drag for certain: the full frame need not wait
    // to see whether the hand moves on.
    if (frames.isShowingLightFrame() && fullFrameTimer.isActive()) {
        showFullFrame(true);
    }
}

void MainWingGLWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton)
        return;
    const int x = qRound(event->localPos().x());
    const int y = qRound(event->localPos().y());
    const int dx = x - lastMouseX;
    const int dy = y - lastMouseY;

    // The user has taken the camera over until the next preset.
    framesWing = false;
    if (event->modifiers() & Qt::ShiftModifier) {
        cameraX += dx / 200.0f;
        cameraY -= dy / 200.0f;
    } else {
        const bool fine = (event->modifiers() & Qt::ControlModifier) || (event->buttons() & Qt::RightButton);
        ViewRotation::turnByDrag(rotation, dx, dy, cameraX, cameraY, cameraZ, fine);
    }
    lastMouseX = x;
    lastMouseY = y;
    requestFrame(Change::Moving);
}

void MainWingGLWidget::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 8;
    framesWing = false;
    cameraZ += (event->modifiers() & Qt::ControlModifier) ? steps / 240.0f : steps / 60.0f;
    event->accept();
    requestFrame(Change::Moving);
}

// ----------------------------------------------------------------- drawing

void MainWingGLWidget::initializeGL()
{
    qglClearColor(GLUtils::toQColor(GLUtils::colorBackground));
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    // Given while the model-view matrix is the identity, the light stays
    // with the viewer while the model turns.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat lightPosition[4] = {0.0f, 5.0f, 10.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    // A new context has none of the lists of an old one, nor its back buffer.
    dropFullFrame();
    rendererQueue.forget();
    for (auto& entry : recordings)
        entry.second->abandon();
    recordings.clear();
    initialised = true;
}

void MainWingGLWidget::resizeGL(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A window collapsed to no height keeps a square picture rather than an
    // infinite aspect.
    const double aspect = height > 0 ? double(width) / double(height) : 1.0;
    GLUtils::setPerspective(45.0, aspect, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    initialised = true;
    // The framed wing depends on the view's shape.
    frameWing();
}

void MainWingGLWidget::paintGL()
{
    // What this frame draws over is the back buffer a full frame in slices
    // was being drawn into; it starts again below when it is still wanted.
    dropFullFrame();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (!model || !initialised)
        return;
    if (!MemoryReserve::hasRoomFor(drawingRoom)) {
        QTimer::singleShot(drawingRetryMs, this, [this] { update(); });
        return;
    }
    // A resize or an uncovered window paints without being asked.
    shownState = drawnState();
    if (frames.isShowingLightFrame() && fullFrameTimer.isActive()) {
        drawLightFrame(model);
        return;
    }
    const double estimate = estimatedFullFrameMs();
    if (frames.drawsAtOnce(estimate)) {
        drawPlane(model);
        return;
    }
    // A full frame that would hold the window follows in slices between
    // events; until it is complete the light frame shows, never a picture
    // of something else (a dialog that was over the view).
    drawLightFrame(model);
    frames.startInSlices(fullFrame(model, false), estimate);
    sliceTimer.start(0);
}

void MainWingGLWidget::loadCamera(float base[16])
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(cameraX, cameraY, cameraZ);
    glMultMatrixf(rotation);
    glGetFloatv(GL_MODELVIEW_MATRIX, base);
}

void MainWingGLWidget::drawPlane(PlaneModel* plane)
{
    sliceTimer.stop();
    frames.drawAtOnce(*fullFrame(plane, true));
}

std::unique_ptr<WingFrame> MainWingGLWidget::fullFrame(PlaneModel* plane, bool cleared)
{
    WingFrame::Setup setup;
    setup.plane = plane;
    setup.options = &options;
    setup.recordings = &recordings;
    setup.recordedLists = &recordedLists;
    setup.queue = &rendererQueue;
    setup.forgetPanelsGone = [this, plane] { forgetPanelsGone(plane->getPanelList()); };
    setup.retain = retainsPlane(plane);
    setup.cleared = cleared;
    setup.camera[0] = cameraX;
    setup.camera[1] = cameraY;
    setup.camera[2] = cameraZ;
    std::copy(rotation, rotation + 16, setup.rotation);
    const float rc = plane->getRootChord();
    if (rc != 0.0f && std::isfinite(rc))
        setup.placements = panelPlacements(plane->getPanelList(), 1.0f / rc);
    return std::make_unique<WingFrame>(std::move(setup));
}

void MainWingGLWidget::dropFullFrame()
{
    frames.drop();
    sliceTimer.stop();
}

const WingFrame* MainWingGLWidget::getFrameUnderWay() const
{
    return static_cast<const WingFrame*>(frames.frameUnderWay());
}

void MainWingGLWidget::sliceDue()
{
    if (!SliceGate::sliceMayGo(*this, frames, sliceTimer)) {
        return;
    }
    drawNextSlice();
    SliceGate::sliceDrawn();
}

void MainWingGLWidget::drawNextSlice()
{
    const WingFrame* frame = getFrameUnderWay();
    if (!frame)
        return;
    if (!model || !frame->fits(model->getPanelList())) {
        dropFullFrame();
        update();
        return;
    }
    // The plane's next state is being built: the workers have the machine.
    if (PlaneAccess::planeBeingBuilt()) {
        sliceTimer.start(50);
        return;
    }
    if (!MemoryReserve::hasRoomFor(drawingRoom)) {
        sliceTimer.start(drawingRetryMs);
        return;
    }
    makeCurrent();
    if (!frames.drawSlice()) {
        sliceTimer.start(0);
        return;
    }
    if (autoBufferSwap())
        swapBuffers();
}

void MainWingGLWidget::drawLightFrame(PlaneModel* plane)
{
    const float rc = plane->getRootChord();
    const std::list<Panel*>& panels = plane->getPanelList();
    if (rc == 0.0f || !std::isfinite(rc) || panels.empty())
        return;
    const float s = 1.0f / rc;
    const size_t ribs = ribsOf(panels);
    const size_t step = std::max<size_t>(1, (2 * ribs + lightFrameRibs - 1) / lightFrameRibs);

    float base[16];
    loadCamera(base);
    GLUtils::drawGrid(10, s, 100.0f, 0.0f);
    glDisable(GL_LIGHTING);
    const std::vector<std::array<float, 16>> placements = panelPlacements(panels, s);
    for (const float side : {1.0f, -1.0f}) {
        size_t index = 0;
        for (const Panel* panel : panels) {
            glLoadMatrixf(base);
            glScalef(1.0f, 1.0f, side);
            glMultMatrixf(placements[index++].data());
            PanelDrawing::drawOutlines(PanelDrawing::sceneOf(*panel), options, step);
        }
    }
    glEnable(GL_LIGHTING);
}

std::vector<std::array<float, 16>> MainWingGLWidget::panelPlacements(const std::list<Panel*>& panels,
                                                                    float s) const
{
    std::vector<std::array<float, 16>> placements;
    placements.reserve(panels.size());
    // Where the panel being walked to begins, gathered over the panels
    // before it; each step is applied before the ones already gathered, as
    // OpenGL applies a matrix multiplied onto the current one.
    float root[16];
    float step[16];
    const auto then = [&step](float* matrix) { Mathematics::multiplyMatrices(matrix, step, matrix); };
    const auto turn = [&](float* matrix, float degrees, float x, float y, float z) {
        Mathematics::rotationMatrix(step, x, y, z, Mathematics::degToRad(degrees));
        then(matrix);
    };
    const auto move = [&](float* matrix, float x, float y, float z) {
        Mathematics::translationMatrix(step, x, y, z);
        then(matrix);
    };
    Mathematics::translationMatrix(root, 0.0f, 0.0f, options.getWingHalvesDistance() * 0.5f * s);
    bool first = true;
    for (const Panel* panel : panels) {
        // The first panel carries half of its dihedral on each side.
        const float dihedral = first ? -panel->getDihedralAngle() * 0.5f : -panel->getDihedralAngle();
        std::array<float, 16> placement;
        std::copy(root, root + 16, placement.begin());
        turn(placement.data(), dihedral, 1.0f, 0.0f, 0.0f);
        placements.push_back(placement);
        // On to the next panel's root.
        turn(root, dihedral, 1.0f, 0.0f, 0.0f);
        move(root, panel->getSweep() * s, 0.0f, 0.0f);
        // A panel without ribs has no tip rib to sit on.
        if (panel->getRibCount() > 0)
            move(root, 0.0f, panel->getRibList().getRibs().back().getOffsetY(), 0.0f);
        turn(root, -panel->getTipTwist(), 0.0f, 0.0f, 1.0f);
        move(root, 0.0f, 0.0f, panel->getLength() * s + panelJoinGap);
        first = false;
    }
    return placements;
}

// -------------------------------------------------------------- view record

void MainWingGLWidget::saveViewData(serializedPlanformixData& data)
{
    serializedPlanformixData::serializedViewData* view = data.add_views();
    view->set_observername(getName().toUtf8().toStdString());
    auto* position = view->mutable_positiondata();
    position->set_posx(cameraX);
    position->set_posy(cameraY);
    position->set_posz(cameraZ);
    position->set_showribs(options.getShowRibs());
    position->set_showspars(options.getShowSpars());
    position->set_showcovering(options.getShowCovering());
    position->set_showte(options.getShowTE());
    position->set_showle(options.getShowLE());
    position->set_showaxes(options.getShowAxes());
    position->set_showcombs(options.getShowCombs());
    position->set_transparency(options.getTransparency());
    position->set_winghalvesdistance(options.getWingHalvesDistance());
}

void MainWingGLWidget::loadViewData(const google::protobuf::Message* data, SerializeableIf::hint_t hint)
{
    const auto* view = dynamic_cast<const serializedPlanformixData::serializedViewData*>(data);
    if (!view)
        return;

    if (!view->has_positiondata()) {
        chkBoxAxesToggled(true);
        chkBoxCoveringToggled(true);
        chkBoxCombToggled(false);
        chkBoxLEToggled(true);
        chkBoxRibsToggled(true);
        chkBoxSparsToggled(true);
        chkBoxTEToggled(true);
        resetCamera();
        requestFrame(Change::Still);
        return;
    }

    const auto& position = view->positiondata();
    chkBoxAxesToggled(position.showaxes());
    chkBoxCoveringToggled(position.showcovering());
    chkBoxCombToggled(position.showcombs());
    chkBoxLEToggled(position.showle());
    chkBoxRibsToggled(position.showribs());
    chkBoxSparsToggled(position.showspars());
    chkBoxTEToggled(position.showte());
    // A record without an opacity keeps the current one; one outside the
    // slider's range would leave the wing invisible or unreachable.
    if (position.has_transparency())
        hsliderTransparencyValueChanged(std::clamp(int(position.transparency()), minTransparency, maxTransparency));

    const double distance = QString::number(double(position.winghalvesdistance()), 'g', 6).toDouble();
    if (txtWingHalvesDistance) {
        txtWingHalvesDistance->setValue(distance, true);
        const float fieldDistance = float(txtWingHalvesDistance->value());
        if (txtWingHalvesDistance->isValid() && fieldDistance != options.getWingHalvesDistance()) {
            options.setWingHalvesDistance(fieldDistance);
            notifyModel();
        }
    } else if (std::isfinite(distance) && float(distance) != options.getWingHalvesDistance()) {
        options.setWingHalvesDistance(float(distance));
        notifyModel();
    }

    // Undo and redo keep the camera the user has now; the rotation is never
    // stored. A damaged record must not put the camera at infinity.
    const bool fromFile = (int(hint) & 1) == 0;
    if (fromFile && std::isfinite(position.posx()) && std::isfinite(position.posy()) &&
        std::isfinite(position.posz())) {
        cameraX = position.posx();
        cameraY = position.posy();
        cameraZ = position.posz();
        framesWing = false;
        requestFrame(Change::Still);
    }
}

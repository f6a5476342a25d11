#include "views/MainWingGLWidget.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QSlider>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <vector>

#include "document/PlaneModel.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
#include "foundation/Vector3D.h"
#include "foundation/XDoubleSpinBox.h"
#include "model/Panel.h"
#include "model/PanelDrawing.h"
#include "model/RibDefinition.h"
#include "model/RibList.h"
#include "planformixdata.pb.h"
#include "views/PanelDisplayLists.h"
#include "views/ViewRotation.h"

namespace {

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

} // namespace

MainWingGLWidget::MainWingGLWidget(QWidget* parent)
    : QGLWidget(viewFormat(), parent)
    , Observer(QString::fromLatin1(observerName), true)
    , options(true, true, true, true, true, false, false, false, 100, 15, 0.0f, false, false)
{
    resetCamera();
    fullFrameTimer.setSingleShot(true);
    fullFrameTimer.setInterval(fullFrameDelayMs);
    connect(&fullFrameTimer, &QTimer::timeout, this, &MainWingGLWidget::showFullFrame);
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
}

// ------------------------------------------------------------------ frames

void MainWingGLWidget::setRetainedGeometry(bool on)
{
    if (on == retainedGeometry)
        return;
    retainedGeometry = on;
    if (!on && !recordings.empty()) {
        makeCurrent();
        releaseRecordings();
    }
}

void MainWingGLWidget::requestFrame(Change change, bool now)
{
    shownState = drawnState();
    // Where a full frame keeps up anyway, every frame is a full one.
    if (change != Change::Still && lastFullFrameMs > frameBudgetMs) {
        lightFrames = true;
        fullFrameTimer.start();
    } else if (change == Change::Still || !fullFrameTimer.isActive()) {
        lightFrames = false;
        fullFrameTimer.stop();
    }
    if (now)
        updateGL();
    else
        update();
}

void MainWingGLWidget::showFullFrame()
{
    lightFrames = false;
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
    if (!retainedGeometry || !model)
        return false;
    for (const Panel* panel : model->getPanelList()) {
        const auto found = recordings.find(panel);
        if (found == recordings.end() || !found->second->isCurrent(PanelDrawing::sceneOf(*panel), options))
            return false;
    }
    return true;
}

void MainWingGLWidget::prepareRecordings(PlaneModel* plane)
{
    const std::list<Panel*>& panels = plane->getPanelList();
    // Panels that are gone take their lists, and the geometry held for
    // them, along.
    for (auto it = recordings.begin(); it != recordings.end();) {
        if (std::find(panels.begin(), panels.end(), it->first) == panels.end()) {
            it->second->release();
            it = recordings.erase(it);
        } else {
            ++it;
        }
    }
    int nextMark = 1;
    for (const Panel* panel : panels) {
        std::unique_ptr<PanelDisplayLists>& lists = recordings[panel];
        if (!lists)
            lists = std::make_unique<PanelDisplayLists>();
        recordedLists += lists->prepare(PanelDrawing::sceneOf(*panel), options, nextMark);
    }
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
    for (auto p = panels.begin(); p != panels.end(); ++p) {
        const Panel* panel = *p;
        float placement[16];
        panelPlacement(panels, p, s, placement);
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
    if (lightFrames && fullFrameTimer.isActive()) {
        fullFrameTimer.stop();
        showFullFrame();
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
    // A new context has none of the lists of an old one.
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
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (!model || !initialised)
        return;
    // A resize or an uncovered window paints without being asked.
    shownState = drawnState();
    if (lightFrames)
        drawLightFrame(model);
    else
        drawPlane(model);
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
    const float rc = plane->getRootChord();
    if (rc == 0.0f || !std::isfinite(rc))
        return;
    if (plane->getPanelList().empty())
        return;
    const float s = 1.0f / rc;

    // Recording is left out of the frame's time: it follows edits, and the
    // frames that follow it only replay.
    if (retainedGeometry)
        prepareRecordings(plane);
    QElapsedTimer frameTime;
    frameTime.start();
    std::bitset<256> marks;

    float base[16];
    loadCamera(base);

    GLUtils::drawGrid(10, s, 100.0f, 0.0f);

    drawWingHalf(plane, base, 1, marks);

    // The left half is the mirror image; mirroring turns every face inside
    // out, so the other faces are culled and both sides are lit.
    glLoadMatrixf(base);
    glScalef(1.0f, 1.0f, -1.0f);
    float mirrored[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, mirrored);
    glCullFace(GL_FRONT);
    GLboolean twoSided = GL_FALSE;
    glGetBooleanv(GL_LIGHT_MODEL_TWO_SIDE, &twoSided);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    drawWingHalf(plane, mirrored, -1, marks);
    glCullFace(GL_BACK);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, twoSided);
    GLUtils::forgetStencilMarks();

    glFinish();
    lastFullFrameMs = double(frameTime.nsecsElapsed()) / 1.0e6;
}

void MainWingGLWidget::drawLightFrame(PlaneModel* plane)
{
    const float rc = plane->getRootChord();
    const std::list<Panel*>& panels = plane->getPanelList();
    if (rc == 0.0f || !std::isfinite(rc) || panels.empty())
        return;
    const float s = 1.0f / rc;
    size_t ribs = 0;
    for (const Panel* panel : panels)
        ribs += size_t(panel->getRibCount());
    const size_t step = std::max<size_t>(1, (2 * ribs + lightFrameRibs - 1) / lightFrameRibs);

    float base[16];
    loadCamera(base);
    GLUtils::drawGrid(10, s, 100.0f, 0.0f);
    glDisable(GL_LIGHTING);
    for (const float side : {1.0f, -1.0f}) {
        for (auto p = panels.begin(); p != panels.end(); ++p) {
            float placement[16];
            panelPlacement(panels, p, s, placement);
            glLoadMatrixf(base);
            glScalef(1.0f, 1.0f, side);
            glMultMatrixf(placement);
            PanelDrawing::drawOutlines(PanelDrawing::sceneOf(**p), options, step);
        }
    }
    glEnable(GL_LIGHTING);
}

void MainWingGLWidget::panelPlacement(const std::list<Panel*>& panels, std::list<Panel*>::const_iterator panel,
                                      float s, float placement[16]) const
{
    float step[16];
    // Each step is applied before the ones already gathered, as OpenGL
    // applies a matrix multiplied onto the current one.
    const auto then = [&] { Mathematics::multiplyMatrices(placement, step, placement); };
    const auto turn = [&](float degrees, float x, float y, float z) {
        Mathematics::rotationMatrix(step, x, y, z, Mathematics::degToRad(degrees));
        then();
    };
    const auto move = [&](float x, float y, float z) {
        Mathematics::translationMatrix(step, x, y, z);
        then();
    };
    Mathematics::translationMatrix(placement, 0.0f, 0.0f, options.getWingHalvesDistance() * 0.5f * s);
    // Walk out to this panel's root over the panels before it.
    for (auto q = panels.begin(); q != panel; ++q) {
        const Panel* before = *q;
        const float dihedral = before->getDihedralAngle();
        turn(q == panels.begin() ? -dihedral * 0.5f : -dihedral, 1.0f, 0.0f, 0.0f);
        move(before->getSweep() * s, 0.0f, 0.0f);
        // A panel without ribs has no tip rib to sit on.
        if (before->getRibCount() > 0)
            move(0.0f, before->getRibList().getRibs().back().getOffsetY(), 0.0f);
        turn(-before->getTipTwist(), 0.0f, 0.0f, 1.0f);
        move(0.0f, 0.0f, before->getLength() * s + panelJoinGap);
    }
    // The first panel carries half of its dihedral on each side.
    const float dihedral = (*panel)->getDihedralAngle();
    turn(panel == panels.begin() ? -dihedral * 0.5f : -dihedral, 1.0f, 0.0f, 0.0f);
}

void MainWingGLWidget::drawWingHalf(PlaneModel* plane, const float base[16], int side, std::bitset<256>& marks)
{
    const float s = 1.0f / plane->getRootChord();
    const std::list<Panel*>& panels = plane->getPanelList();
    for (auto p = panels.begin(); p != panels.end(); ++p) {
        float placement[16];
        panelPlacement(panels, p, s, placement);
        glLoadMatrixf(base);
        glMultMatrixf(placement);
        const auto recorded = recordings.find(*p);
        if (retainedGeometry && recorded != recordings.end() && recorded->second->isReady())
            recorded->second->draw(PanelDrawing::sceneOf(**p), options, side, marks);
        else {
            // Immediate drawing marks with values of its own choosing.
            GLUtils::forgetStencilMarks();
            (*p)->visualize(options, side);
            marks.set();
        }
    }
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

#include "views/WingFoilGLWidget.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWindow>
#include <new>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <iostream>
#include <limits>
#include <qopengl.h>

#include "airfoils/Airfoil.h"
#include "document/DocumentLimits.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
#include "model/Panel.h"
#include "model/PanelDrawing.h"
#include "model/RibDefinition.h"
#include "views/SliceGate.h"
#include "views/ViewRotation.h"

namespace {

const float defaultCamera[3] = {0.0f, -0.25f, -1.0f};

// Unlike the main wing view's, top and bottom keep the chord pointing up
// the screen, so that a single panel's span lies across the picture.
const float topRotation[16] = {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
const float bottomRotation[16] = {0, 1, 0, 0, 0, 0, -1, 0, -1, 0, 0, 0, 0, 0, 0, 1};

// Indexed by MatrixType_t.
const float* const presetMatrices[7] = {topRotation,    ViewRotation::front, ViewRotation::left,  ViewRotation::angled,
                                        bottomRotation, ViewRotation::rear,  ViewRotation::right};

QGLFormat viewFormat()
{
    QGL::FormatOptions flags = QGL::DoubleBuffer | QGL::DepthBuffer | QGL::StencilBuffer;
    flags |= ApplicationSettings::getInstance()->getSettings()->getAntiAlias() ? QGL::SampleBuffers
                                                                              : QGL::NoSampleBuffers;
    return QGLFormat(flags);
}

// The align offset of a panel's tip rib; a panel without ribs has none.
float tipAlignOffset(Panel& panel)
{
    return panel.getRibCount() > 0 ? panel.getLastRib().getAlignOffset() : 0.0f;
}

// The outlines draw about this many ribs, panel and ghosts together.
const size_t lightFrameRibs = 240;

// A picture expected to take longer than this (ms) is drawn in slices of
// about sliceMs between events: the first key of a burst waits for the
// slice under way, of this view and of the main window's; the keys after
// it find the slices paused.
const double oneGoMs = 250.0;
const double sliceMs = 10.0;

// What a panel costs to draw, in ribs: a strip cut under advanced covering
// adds about as many points to its rib as a plain outline has.
double drawnRibs(const Panel& panel)
{
    const DocumentLimits::Size size = DocumentLimits::panelSize(panel.getPanelBaseData());
    return double(std::max(0LL, size.ribs + size.coveredStripCuts));
}

// Draws the parts of a panel from a given one on, until the slice is over;
// the first part of a call is always drawn, so every slice gets on.
class PanelPart : public PanelDrawing::Recorded
{
public:
    PanelPart(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options, size_t from,
              const FrameScheduler::Slice& slice)
        : scene(scene)
        , options(options)
        , cursor(from, slice)
    {
    }

    void drawPiece(PanelDrawing::Piece piece) override
    {
        const size_t parts = PanelDrawing::pieceParts(scene, piece);
        for (size_t index = 0; index < parts; ++index)
            if (take())
                PanelDrawing::drawPiecePart(scene, piece, index, options, 1);
    }
    void drawRib(size_t index) override
    {
        if (take())
            scene.ribs[index]->visualize(options, 1.0f);
    }
    bool startsPanel() const override { return cursor.startsStep(); }
    bool finished() const { return cursor.finished(); }
    size_t resumeAt() const { return cursor.resumeAt(); }

private:
    bool take() { return cursor.take(); }

    const PanelDrawing::Scene& scene;
    const PlaneVisualisationOptions& options;
    FrameScheduler::PartCursor cursor;
};

// One full picture of the preview, step by step: the grid, then the panel
// and its ghosts part by part, each where the view placed it when the
// picture was started. The view drops it as soon as anything shown changes.
class PreviewFrame : public FrameScheduler::Frame
{
public:
    PreviewFrame(const Panel* const (&shown)[WingFoilGLWidget::ItemCount],
                 const float (&placed)[WingFoilGLWidget::ItemCount][16], const PlaneVisualisationOptions& options,
                 float referenceChord, bool cleared, RendererQueue& queue)
        : queue(queue)
        , options(options)
        , ghostOptions(options)
        , referenceChord(referenceChord)
        , cleared(cleared)
    {
        std::copy(std::begin(shown), std::end(shown), items);
        std::memcpy(placements, placed, sizeof placements);
        ghostOptions.setTransparency(options.getGhostTransparency());
        ghostOptions.setShowAxes(false);
        for (const Panel* panel : items)
            if (panel)
                ribs += drawnRibs(*panel);
    }

    bool drawStep(FrameScheduler::Slice& slice) override
    {
        if (item == WingFoilGLWidget::GridItem) {
            // A picture drawn at once goes into the buffers the view has
            // just cleared.
            if (!cleared)
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            glLoadMatrixf(placements[WingFoilGLWidget::GridItem]);
            GLUtils::drawGrid(10, 1.0f / referenceChord, 100.0f, 0.0f);
            ++item;
        } else if (const Panel* panel = items[item]) {
            const bool ghost = item != WingFoilGLWidget::PanelItem;
            const PlaneVisualisationOptions& drawn = ghost ? ghostOptions : options;
            GLUtils::greyMode = ghost && options.getGrayGhosts();
            glLoadMatrixf(placements[item]);
            if (part == 0)
                GLUtils::forgetStencilMarks();
            const PanelDrawing::Scene scene = PanelDrawing::sceneOf(*panel);
            PanelPart drawing(scene, drawn, part, slice);
            PanelDrawing::drawPanel(scene, drawn, 1, &drawing);
            GLUtils::greyMode = false;
            part = drawing.finished() ? 0 : drawing.resumeAt();
            if (drawing.finished())
                ++item;
        } else {
            ++item;
        }
        return item >= WingFoilGLWidget::ItemCount;
    }
    void finishWork() override { queue.finish(); }
    void sliceSent() override { queue.sliceSent(); }
    bool rendererCaughtUp(bool all) override { return queue.caughtUp(all); }
    double units() const override { return ribs; }

private:
    RendererQueue& queue;
    const Panel* items[WingFoilGLWidget::ItemCount] = {};
    float placements[WingFoilGLWidget::ItemCount][16];
    PlaneVisualisationOptions options;
    PlaneVisualisationOptions ghostOptions;
    float referenceChord;
    bool cleared;
    double ribs = 0.0;
    int item = WingFoilGLWidget::GridItem;
    size_t part = 0;
};

} // namespace

WingFoilGLWidget::WingFoilGLWidget(QWidget* parent)
    : QGLWidget(viewFormat(), parent),
      options(true, true, true, true, true, false, true, false, 100, 15, 0.0f, false, false)
{
    setDefaultView();
    frames.setSlicing(oneGoMs, sliceMs);
    sliceTimer.setSingleShot(true);
    sliceTimer.setInterval(0);
    connect(&sliceTimer, &QTimer::timeout, this, &WingFoilGLWidget::sliceDue);
    SliceGate::watch();
}

void WingFoilGLWidget::setAirfoil(Airfoil* newAirfoil)
{
    airfoil = newAirfoil;
    update();
}

void WingFoilGLWidget::setPanel(Panel* newPanel)
{
    // A frame in slices must not go on with a panel that may be gone.
    dropFullFrame();
    panel = newPanel;
    // Scheduled, not drawn here: the dialog sets a new working panel on every
    // keystroke, and a burst of them is painted once, with the last panel.
    update();
}

void WingFoilGLWidget::setGhostPanel(int index, Panel* ghost)
{
    if (index == 0 || index == 1) {
        dropFullFrame();
        ghosts[index] = ghost;
    }
}

void WingFoilGLWidget::setVisualisationOptions(const PlaneVisualisationOptions& newOptions)
{
    dropFullFrame();
    options = newOptions;
}

void WingFoilGLWidget::setDefaultView()
{
    std::memcpy(rotation, ViewRotation::angled, sizeof rotation);
    std::memcpy(camera, defaultCamera, sizeof camera);
}

void WingFoilGLWidget::setModelviewMatrix(MatrixType_t type)
{
    if (type < TopView || type > RightView) {
        std::cout << "Implement this: "
                  << "void WingFoilGLWidget::setModelviewMatrix(WingFoilGLWidget::MatrixType_t)" << std::endl;
        return;
    }
    std::memcpy(rotation, presetMatrices[type], sizeof rotation);
}

void WingFoilGLWidget::setTranslation(float x, float y, float z)
{
    camera[0] = x;
    camera[1] = y;
    camera[2] = z;
    update();
}

void WingFoilGLWidget::getTranslation(float& x, float& y, float& z) const
{
    x = camera[0];
    y = camera[1];
    z = camera[2];
}

QSize WingFoilGLWidget::sizeHint() const
{
    return QSize(300, 200);
}

QSize WingFoilGLWidget::minimumSizeHint() const
{
    return QSize(200, 200);
}

void WingFoilGLWidget::mousePressEvent(QMouseEvent* event)
{
    lastMousePosition = event->pos();
}

void WingFoilGLWidget::mouseDoubleClickEvent(QMouseEvent*)
{
    if (panel)
        setDefaultView();
    update();
}

void WingFoilGLWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!panel)
        return;
    const int dx = event->pos().x() - lastMousePosition.x();
    const int dy = event->pos().y() - lastMousePosition.y();

    if (event->modifiers() & Qt::ShiftModifier) {
        camera[0] += dx / 200.0f;
        camera[1] -= dy / 200.0f;
    } else {
        const bool fine = (event->modifiers() & Qt::ControlModifier) || (event->buttons() & Qt::RightButton);
        ViewRotation::turnByDrag(rotation, dx, dy, camera[0], camera[1], camera[2], fine);
    }
    // Scheduled like every other change: the moves of one drag that arrive
    // before a frame is drawn make one frame.
    update();
    lastMousePosition = event->pos();
}

void WingFoilGLWidget::wheelEvent(QWheelEvent* event)
{
    if (panel) {
        // Whole steps of a standard wheel notch, as the wheel reports them.
        const int steps = event->angleDelta().y() / 8;
        camera[2] += steps / ((event->modifiers() & Qt::ControlModifier) ? 240.0f : 60.0f);
        update();
    }
    event->accept();
}

void WingFoilGLWidget::initializeGL()
{
    qglClearColor(GLUtils::toQColor(GLUtils::colorBackground));
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    // Given while the model-view matrix is still the identity, so the light
    // stays put relative to the viewer while the model turns.
    const GLfloat lightPosition[4] = {0.0f, 0.0f, 10.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    // A new context has neither the frame under way nor its fence.
    dropFullFrame();
    rendererQueue.forget();
}

void WingFoilGLWidget::resizeGL(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A collapsed view has no height; keep the projection finite meanwhile.
    const double aspect = height > 0 ? static_cast<double>(width) / height : 1.0;
    GLUtils::setPerspective(45.0, aspect, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
}

void WingFoilGLWidget::paintGL()
{
    // What this frame draws over is the back buffer a frame in slices was
    // being drawn into; it starts again below.
    sliceTimer.stop();
    frames.drop();
    frames.setShowingLightFrame(false);
    swapAsOwnerSet();
    // Held, the picture stands as it was: what it shows is being rebuilt.
    if (holds > 0 && standIn(false))
        return;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    GLUtils::setColor(GLUtils::colorBackground, options.getTransparency());
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    if (!panel) {
        if (airfoil) {
            glTranslatef(0.0f, 0.0f, -1.0f);
            // A line is lit with whatever normal the last panel paint left
            // behind, which can shade it exactly into the background; face
            // it towards the light so the outline always shows.
            glNormal3f(0.0f, 0.0f, 1.0f);
            airfoil->visualize();
        }
        keepPicture();
        onScreen = autoBufferSwap();
        return;
    }

    placeItems();
    const Panel* const shown[ItemCount] = {nullptr, itemPanel(PanelItem), itemPanel(PreviousItem),
                                           itemPanel(NextItem)};
    double ribs = 0.0;
    for (const Panel* item : shown)
        if (item)
            ribs += drawnRibs(*item);
    const double estimate = frames.estimateMs(ribs);
    if (frames.drawsAtOnce(estimate)) {
        PreviewFrame frame(shown, placements, options, referenceChord(), true, rendererQueue);
        frames.drawAtOnce(frame);
        keepPicture();
        onScreen = autoBufferSwap();
        return;
    }
    // Seen from where it was drawn, the last whole picture stands for the
    // new one until that is complete; from elsewhere, the outlines do.
    if (!standIn(true)) {
        drawLightFrame();
        onScreen = false;
    }
    frames.startInSlices(
        std::make_unique<PreviewFrame>(shown, placements, options, referenceChord(), false, rendererQueue), estimate);
    sliceTimer.start(0);
}

void WingFoilGLWidget::placeItems()
{
    const float cref = referenceChord();
    float roll = 0.0f;
    float lift = 0.0f;
    liftAndRoll(roll, lift);
    float translation[16];
    Mathematics::translationMatrix(translation, camera[0], camera[1], camera[2]);
    Mathematics::multiplyMatrices(placements[GridItem], rotation, translation);
    const auto place = [this](int item, const std::function<void()>& moves) {
        glLoadMatrixf(placements[GridItem]);
        moves();
        glGetFloatv(GL_MODELVIEW_MATRIX, placements[item]);
    };
    place(PanelItem, [&] {
        glTranslatef(0.0f, lift, 0.0f);
        if (options.getShowDihedral())
            glRotatef(roll, 1.0f, 0.0f, 0.0f);
    });
    if (const Panel* previous = ghosts[0])
        place(PreviousItem,
              [&] { glTranslatef(-previous->getSweep() / cref, 0.0f, -previous->getLength(0) / cref); });
    if (const Panel* next = ghosts[1])
        place(NextItem, [&] {
            if (options.getShowDihedral())
                glRotatef(roll, 1.0f, 0.0f, 0.0f);
            glTranslatef(panel->getSweep() / cref, lift + tipAlignOffset(*panel), panel->getLength(0) / cref);
            if (options.getShowDihedral())
                glRotatef(-next->getDihedralAngle(), 1.0f, 0.0f, 0.0f);
        });
}

const Panel* WingFoilGLWidget::itemPanel(int item) const
{
    switch (item) {
    case PanelItem:
        return panel;
    case PreviousItem:
        return options.getShowGhostPanels() ? ghosts[0] : nullptr;
    case NextItem:
        return options.getShowGhostPanels() ? ghosts[1] : nullptr;
    default:
        return nullptr;
    }
}

void WingFoilGLWidget::drawLightFrame()
{
    size_t ribs = 0;
    for (int item = PanelItem; item < ItemCount; ++item)
        if (const Panel* shown = itemPanel(item))
            ribs += size_t(std::max(0, shown->getRibCount()));
    const size_t step = std::max<size_t>(1, (ribs + lightFrameRibs - 1) / lightFrameRibs);
    glLoadMatrixf(placements[GridItem]);
    GLUtils::drawGrid(10, 1.0f / referenceChord(), 100.0f, 0.0f);
    glDisable(GL_LIGHTING);
    for (int item = PanelItem; item < ItemCount; ++item) {
        if (const Panel* shown = itemPanel(item)) {
            glLoadMatrixf(placements[item]);
            PanelDrawing::drawOutlines(PanelDrawing::sceneOf(*shown), options, step);
        }
    }
    glEnable(GL_LIGHTING);
}

void WingFoilGLWidget::sliceDue()
{
    if (!SliceGate::sliceMayGo(*this, frames, sliceTimer)) {
        return;
    }
    drawNextSlice();
    SliceGate::sliceDrawn();
}

bool WingFoilGLWidget::drawNextSlice()
{
    sliceTimer.stop();
    if (!frames.isDrawingInSlices())
        return true;
    makeCurrent();
    if (!frames.drawSlice()) {
        sliceTimer.start(0);
        return false;
    }
    keepPicture();
    swapAsOwnerSet();
    if (autoBufferSwap()) {
        swapBuffers();
        onScreen = true;
    }
    return true;
}

void WingFoilGLWidget::holdPicture(bool hold)
{
    holds = std::max(0, holds + (hold ? 1 : -1));
    if (holds == 0)
        update();
}

void WingFoilGLWidget::hideEvent(QHideEvent* event)
{
    // Shown again, the view is on another panel or has been away from it.
    forgetPicture();
    QGLWidget::hideEvent(event);
}

void WingFoilGLWidget::showEvent(QShowEvent* event)
{
    QGLWidget::showEvent(event);
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
}

bool WingFoilGLWidget::eventFilter(QObject* watched, QEvent* event)
{
    // Uncovered, the window's picture must be put there again.
    if (event->type() == QEvent::Expose && watched == windowHandle())
        onScreen = false;
    return QGLWidget::eventFilter(watched, event);
}

bool WingFoilGLWidget::standIn(bool fromHere)
{
    if (!lastPictureFits(fromHere))
        return false;
    // The screen shows it still, exactly as drawn: it stays as it is.
    if (onScreen) {
        if (autoBufferSwap()) {
            setAutoBufferSwap(false);
            swapHeldBack = true;
        }
        return true;
    }
    showLastPicture();
    onScreen = autoBufferSwap();
    return true;
}

void WingFoilGLWidget::swapAsOwnerSet()
{
    if (swapHeldBack)
        setAutoBufferSwap(true);
    swapHeldBack = false;
}

void WingFoilGLWidget::keepPicture()
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    try {
        last.pixels.resize(size_t(std::max(0, viewport[2])) * size_t(std::max(0, viewport[3])) * 4);
    } catch (const std::bad_alloc&) {
        // Without it a new picture shows its outlines first, as before.
        forgetPicture();
        return;
    }
    last.width = viewport[2];
    last.height = viewport[3];
    std::memcpy(last.rotation, rotation, sizeof rotation);
    std::memcpy(last.camera, camera, sizeof camera);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, last.width, last.height, GL_RGBA, GL_UNSIGNED_BYTE, last.pixels.data());
}

void WingFoilGLWidget::forgetPicture()
{
    std::vector<unsigned char>().swap(last.pixels);
    last.width = 0;
    last.height = 0;
    onScreen = false;
}

bool WingFoilGLWidget::lastPictureFits(bool fromHere) const
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (last.pixels.empty() || last.width != viewport[2] || last.height != viewport[3])
        return false;
    return !fromHere || (std::memcmp(last.rotation, rotation, sizeof rotation) == 0
                         && std::memcmp(last.camera, camera, sizeof camera) == 0);
}

void WingFoilGLWidget::showLastPicture()
{
    // Multisampled edges come back from the buffer as single samples: a
    // picture put back is whole, but its edges are rougher.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    // Pixel for pixel as read back: nothing lit, blended or tested on the way.
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glRasterPos2f(-1.0f, -1.0f);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glDrawPixels(last.width, last.height, GL_RGBA, GL_UNSIGNED_BYTE, last.pixels.data());
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

void WingFoilGLWidget::dropFullFrame()
{
    // The outlines on screen stand for a picture that no longer holds: a
    // new one follows.
    if (frames.isDrawingInSlices())
        update();
    sliceTimer.stop();
    frames.drop();
}

// The reference chord the panel drawing scales by: the plane's root chord,
// or the panel's own while the plane has none. A zero chord would put
// infinities into the matrices, so it falls back to unit scale.
float WingFoilGLWidget::referenceChord() const
{
    float cref = panel->getWingRootChord();
    if (!(cref > 0.0f))
        cref = panel->getRootChord();
    return cref > 0.0f ? cref : 1.0f;
}

// A panel following another carries its full dihedral at its root and sits
// on the previous tip's alignment; the first panel of a wing shares its
// dihedral with the other wing half.
void WingFoilGLWidget::liftAndRoll(float& roll, float& lift) const
{
    if (ghosts[0]) {
        roll = -panel->getDihedralAngle();
        lift = tipAlignOffset(*ghosts[0]);
    } else {
        roll = -0.5f * panel->getDihedralAngle();
        lift = 0.0f;
    }
}

#include "views/WingFoilGLWidget.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <cstring>
#include <iostream>
#include <qopengl.h>

#include "airfoils/Airfoil.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
#include "model/Panel.h"
#include "model/RibDefinition.h"
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

} // namespace

WingFoilGLWidget::WingFoilGLWidget(QWidget* parent)
    : QGLWidget(viewFormat(), parent),
      options(true, true, true, true, true, false, true, false, 100, 15, 0.0f, false, false)
{
    setDefaultView();
}

void WingFoilGLWidget::setAirfoil(Airfoil* newAirfoil)
{
    airfoil = newAirfoil;
    update();
}

void WingFoilGLWidget::setPanel(Panel* newPanel)
{
    panel = newPanel;
    // Scheduled, not drawn here: the dialog sets a new working panel on every
    // keystroke, and a burst of them is painted once, with the last panel.
    update();
}

void WingFoilGLWidget::setGhostPanel(int index, Panel* ghost)
{
    if (index == 0 || index == 1)
        ghosts[index] = ghost;
}

void WingFoilGLWidget::setVisualisationOptions(const PlaneVisualisationOptions& newOptions)
{
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
        return;
    }

    float translation[16];
    float modelview[16];
    Mathematics::translationMatrix(translation, camera[0], camera[1], camera[2]);
    Mathematics::multiplyMatrices(modelview, rotation, translation);
    glLoadMatrixf(modelview);

    const float cref = referenceChord();
    GLUtils::drawGrid(10, 1.0f / cref, 100.0f, 0.0f);

    float roll = 0.0f;
    float lift = 0.0f;
    liftAndRoll(roll, lift);

    glPushMatrix();
    glTranslatef(0.0f, lift, 0.0f);
    if (options.getShowDihedral())
        glRotatef(roll, 1.0f, 0.0f, 0.0f);
    panel->visualize(options, 1);
    glPopMatrix();

    if (options.getShowGhostPanels())
        drawGhosts(roll, lift, cref);
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

void WingFoilGLWidget::drawGhosts(float roll, float lift, float cref)
{
    PlaneVisualisationOptions ghostOptions(options);
    ghostOptions.setTransparency(options.getGhostTransparency());
    ghostOptions.setShowAxes(false);
    GLUtils::greyMode = options.getGrayGhosts();

    if (Panel* previous = ghosts[0]) {
        glPushMatrix();
        glTranslatef(-previous->getSweep() / cref, 0.0f, -previous->getLength(0) / cref);
        previous->visualize(ghostOptions, 1);
        glPopMatrix();
    }

    if (Panel* next = ghosts[1]) {
        if (options.getShowDihedral())
            glRotatef(roll, 1.0f, 0.0f, 0.0f);
        glTranslatef(panel->getSweep() / cref, lift + tipAlignOffset(*panel), panel->getLength(0) / cref);
        if (options.getShowDihedral())
            glRotatef(-next->getDihedralAngle(), 1.0f, 0.0f, 0.0f);
        next->visualize(ghostOptions, 1);
    }

    GLUtils::greyMode = false;
}

#include "views/CADWidget.h"

#include "views/CADGraphicsScene.h"
#include "views/QCADGraphicView.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QWheelEvent>
#include <iostream>

namespace {

// One notch of a common wheel (120 eighths of a degree) changes the zoom
// by 0.36.
constexpr float ZoomPerWheelStep = 0.003f;

} // namespace

CADWidget::CADWidget(QWidget* parent)
    : QWidget(parent),
      view(new QCADGraphicView(this)),
      scene(new CADGraphicsScene(QStringLiteral("CADWidget UNNAMED"))),
      model(nullptr),
      lastX(0),
      lastY(0)
{
    view->setScene(scene);
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view);
    setLayout(layout);
}

CADWidget::~CADWidget()
{
    // The view is still alive here; deleting the scene takes it out of it.
    delete scene;
}

void CADWidget::setModel(CADSceneModel* newModel)
{
    model = newModel;
}

void CADWidget::notify(const CADSceneEvent& /*event*/)
{
    std::cout << "Implement this: "
              << "virtual void CADWidget::notify(const CADSceneEvent&)" << std::endl;
}

void CADWidget::setSceneName(const QString& name)
{
    scene->setName(name);
}

void CADWidget::setScenePersistent(bool persistent)
{
    scene->setPersistent(persistent);
}

void CADWidget::repaintScene()
{
    scene->invalidate(QRectF(), QGraphicsScene::AllLayers);
}

void CADWidget::mousePressEvent(QMouseEvent* event)
{
    lastX = qRound(event->localPos().x());
    lastY = qRound(event->localPos().y());
    event->accept();
}

void CADWidget::mouseMoveEvent(QMouseEvent* event)
{
    const int x = qRound(event->localPos().x());
    const int y = qRound(event->localPos().y());
    // The painted offset is the pan times the zoom, so dividing by the zoom
    // keeps the drawing under the mouse in both directions.
    const float zoom = scene->getZoom();
    scene->setPan(scene->getPanX() + static_cast<float>(x - lastX) / zoom,
                  scene->getPanY() + static_cast<float>(y - lastY) / zoom);
    repaintScene();
    lastX = x;
    lastY = y;
    event->accept();
}

void CADWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    scene->setZoom(1.0f);
    scene->setPan(0.0f, 0.0f);
    repaintScene();
    event->accept();
}

void CADWidget::wheelEvent(QWheelEvent* event)
{
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    const float z = scene->getZoom() + ZoomPerWheelStep * static_cast<float>(delta);
    // The zoom only ever grows or shrinks to a positive factor, so the pan
    // can always be divided by it.
    if (z > 0.0f) {
        scene->setZoom(z);
        repaintScene();
    }
    event->accept();
}

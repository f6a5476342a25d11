#include "views/CADGraphicsScene.h"

#include "views/CADSceneElement.h"

#include <QGraphicsView>
#include <QPainter>
#include <iostream>

CADGraphicsScene::CADGraphicsScene(const QString& name) : QGraphicsScene(nullptr), Observer(name, false) {}

CADGraphicsScene::~CADGraphicsScene()
{
    clearElements();
}

void CADGraphicsScene::addElement(CADSceneElement* element)
{
    elements.push_back(element);
}

void CADGraphicsScene::clearElements()
{
    for (CADSceneElement* element : elements)
        delete element;
    elements.clear();
}

void CADGraphicsScene::observedObjectChanged(Observable* /*observable*/)
{
    std::cout << "Implement this: "
              << "virtual void CADGraphicsScene::observedObjectChanged(Observable*)" << std::endl;
}

void CADGraphicsScene::saveViewData(serializedPlanformixData& /*data*/)
{
    std::cout << "Implement this: "
              << "virtual void CADGraphicsScene::saveViewData(serializedPlanformixData&)" << std::endl;
}

void CADGraphicsScene::loadViewData(const google::protobuf::Message* /*data*/, SerializeableIf::hint_t /*hint*/)
{
    std::cout << "Implement this: "
              << "virtual void CADGraphicsScene::loadViewData(const google::protobuf::Message*, "
                 "SerializeableIf::hint_t)"
              << std::endl;
}

void CADGraphicsScene::drawForeground(QPainter* painter, const QRectF& /*rect*/)
{
    // Only a view paints the scene, but a scene rendered by hand has none
    // and then has no width to scale to.
    const QList<QGraphicsView*> shownIn = views();
    if (shownIn.isEmpty())
        return;
    const float s = 0.98f * static_cast<float>(shownIn.first()->width());

    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QColor(200, 0, 0, 255));
    const float scale = zoom * s;
    const float offsetX = (panX - s / 2.0f) * zoom;
    const float offsetY = panY * zoom;
    for (CADSceneElement* element : elements)
        element->paint(painter, scale, offsetX, offsetY, paintFlags);
}

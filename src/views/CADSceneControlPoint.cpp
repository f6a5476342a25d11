#include "views/CADSceneControlPoint.h"

#include "foundation/Vertex.h"

#include <QPainter>
#include <QRect>

CADSceneControlPoint::CADSceneControlPoint(Vertex* point) : point(point) {}

CADSceneControlPoint::~CADSceneControlPoint()
{
    delete point;
}

void CADSceneControlPoint::paint(QPainter* painter, float scale, float offsetX, float offsetY, int /*flags*/)
{
    const int x = static_cast<int>(point->getX() * scale + offsetX);
    const int y = static_cast<int>(point->getY() * scale + offsetY);
    const QRect marker(x - 1, y - 1, 3, 3);
    painter->setBrush(Qt::NoBrush);
    painter->drawRects(&marker, 1);
}

#include "views/CADSceneLine.h"

#include "foundation/GLUtils.h"
#include "foundation/Vertex.h"
#include "views/CADSceneControlPoint.h"

#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QVector>

namespace {

QColor penColour(const float* colour)
{
    if (GLUtils::greyMode) {
        const float l = 0.299f * colour[0] + 0.587f * colour[1] + 0.114f * colour[2];
        const int g = static_cast<int>(l * 255.0f);
        return QColor(g, g, g, 255);
    }
    return QColor(static_cast<int>(colour[0] * 255.0f), static_cast<int>(colour[1] * 255.0f),
                  static_cast<int>(colour[2] * 255.0f), 255);
}

} // namespace

CADSceneLine::CADSceneLine(std::vector<CADSceneControlPoint*>* points, const float* colour, bool closed)
    : points(points), closed(closed), colour(colour)
{
}

CADSceneLine::~CADSceneLine()
{
    for (CADSceneControlPoint* p : *points)
        delete p;
    delete points;
}

void CADSceneLine::paint(QPainter* painter, float scale, float offsetX, float offsetY, int flags)
{
    const std::vector<CADSceneControlPoint*>& list = *points;
    const auto position = [&](const CADSceneControlPoint* p) {
        return QPointF(static_cast<double>(p->getPoint().getX()) * scale + offsetX,
                       static_cast<double>(p->getPoint().getY()) * scale + offsetY);
    };

    QVector<QPointF> pairs;
    for (std::size_t i = 1; i < list.size(); ++i) {
        if ((flags & 1) != 0) {
            list[i - 1]->paint(painter, scale, offsetX, offsetY, flags);
            list[i]->paint(painter, scale, offsetX, offsetY, flags);
        }
        pairs.append(position(list[i - 1]));
        pairs.append(position(list[i]));
    }
    // A single point has no segment to close; closing it would read past
    // the empty pair list.
    if (closed && !pairs.isEmpty()) {
        pairs.append(position(list.back()));
        pairs.append(pairs.front());
    }

    painter->setPen(QPen(penColour(colour), 1));
    painter->drawLines(pairs);
}

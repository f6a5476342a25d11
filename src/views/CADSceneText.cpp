#include "views/CADSceneText.h"

#include <QPainter>

CADSceneText::CADSceneText(float x, float y, const QString& text) : text(text), x(x), y(y) {}

void CADSceneText::paint(QPainter* painter, float scale, float offsetX, float offsetY, int /*flags*/)
{
    painter->drawText(QPoint(static_cast<int>(x * scale + offsetX), static_cast<int>(y * scale + offsetY)), text);
}

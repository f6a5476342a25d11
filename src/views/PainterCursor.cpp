#include "views/PainterCursor.h"

#include <QLineF>
#include <QPainter>

PainterCursor::PainterCursor(QPainter* painter)
    : painter(painter), x(0.0f), y(0.0f)
{
}

void PainterCursor::moveTo(float newX, float newY)
{
    x = newX;
    y = newY;
}

void PainterCursor::lineBy(float dx, float dy)
{
    const QLineF line(x, y, x + dx, y + dy);
    painter->drawLines(&line, 1);
    x += dx;
    y += dy;
}

void PainterCursor::moveBy(float dx, float dy)
{
    x += dx;
    y += dy;
}

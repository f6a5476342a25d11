#include "views/QCADGraphicView.h"

#include <QMouseEvent>

QCADGraphicView::QCADGraphicView(QWidget* parent) : QGraphicsView(parent) {}

void QCADGraphicView::mouseMoveEvent(QMouseEvent* event)
{
    event->ignore();
}

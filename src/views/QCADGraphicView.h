#pragma once

#include <QGraphicsView>

// The view of a CAD widget. It passes mouse moves on to its parent, which
// pans the drawing; presses, double clicks and wheel turns get there by
// themselves because the scene has no items to take them.
class QCADGraphicView : public QGraphicsView
{
public:
    explicit QCADGraphicView(QWidget* parent = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

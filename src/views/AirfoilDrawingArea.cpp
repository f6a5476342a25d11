#include "views/AirfoilDrawingArea.h"

#include "airfoils/Airfoil.h"
#include "foundation/Vector3D.h"

#include <QGraphicsView>
#include <QLine>
#include <QPainter>

AirfoilDrawingArea::AirfoilDrawingArea(QObject* parent, Airfoil* airfoil)
    : QGraphicsScene(parent), airfoil(airfoil), scale(1.0f)
{
}

AirfoilDrawingArea::~AirfoilDrawingArea()
{
    delete airfoil;
}

Airfoil* AirfoilDrawingArea::takeAirfoil()
{
    Airfoil* taken = airfoil;
    airfoil = nullptr;
    return taken;
}

void AirfoilDrawingArea::drawForeground(QPainter* painter, const QRectF& rect)
{
    const QRectF area = visibleArea(painter, rect);
    const float W = static_cast<float>(area.width());
    const float H = static_cast<float>(area.height());

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);

    // The scene holds no items, so the view keeps the scene origin in the
    // middle of its viewport; everything is laid out around it.
    if (airfoil == nullptr) {
        painter->drawLine(QLine(static_cast<int>(-W / 2), static_cast<int>(-H / 2),
                                static_cast<int>(W / 2), static_cast<int>(H / 2)));
        painter->drawLine(QLine(static_cast<int>(W / 2), static_cast<int>(-H / 2),
                                static_cast<int>(-W / 2), static_cast<int>(H / 2)));
        painter->restore();
        return;
    }

    const float w = 0.9f * W;
    painter->drawLine(QLineF(-w / 2, -H / 2, -w / 2, H / 2));
    painter->drawLine(QLine(static_cast<int>(-W / 2), 0, static_cast<int>(W / 2), 0));

    QPen pen = painter->pen();
    if (scale != 1.0f) {
        pen.setColor(QColor(80, 80, 80));
        painter->setPen(pen);
        drawOutline(painter, w, 1.0f);
    }
    pen.setColor(QColor(255, 0, 0));
    painter->setPen(pen);
    drawOutline(painter, w, scale);
    painter->restore();
}

QRectF AirfoilDrawingArea::visibleArea(QPainter* painter, const QRectF& exposed) const
{
    // A view repaints only what was exposed (a dialog moved over part of
    // it, say); fitting the airfoil to that fragment would paint a smaller
    // airfoil into it. The fit follows the whole visible area of the view
    // being painted; painting without a view (render()) fits the given area.
    for (QGraphicsView* view : views()) {
        if (painter->device() == view->viewport())
            return view->mapToScene(view->viewport()->rect()).boundingRect();
    }
    return exposed;
}

void AirfoilDrawingArea::drawOutline(QPainter* painter, float width, float factor) const
{
    const std::vector<Vector3D*>& points = airfoil->getCoords();
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const Vector3D* a = points[i];
        const Vector3D* b = points[(i + 1) % n];
        painter->drawLine(QLineF(a->getX() * width, -a->getY() * width * factor,
                                 b->getX() * width, -b->getY() * width * factor));
    }
}

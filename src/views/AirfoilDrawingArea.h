#pragma once

#include <QGraphicsScene>

class Airfoil;

// The preview of an airfoil being imported: a scene without items that
// paints the outline in its foreground, fitted to the width of the view.
// While a thickness scale other than 1 is tried, the unscaled outline is
// drawn in grey beneath the scaled one in red. The scale is only shown
// here; the airfoil's points are left alone.
class AirfoilDrawingArea : public QGraphicsScene
{
    Q_OBJECT

public:
    // Takes ownership of the airfoil (which may be null: the preview then
    // shows a cross).
    AirfoilDrawingArea(QObject* parent, Airfoil* airfoil);
    ~AirfoilDrawingArea() override;

    AirfoilDrawingArea(const AirfoilDrawingArea&) = delete;
    AirfoilDrawingArea& operator=(const AirfoilDrawingArea&) = delete;

    float getScale() const { return scale; }
    // Does not repaint; the caller updates the scene afterwards.
    void setScale(float newScale) { scale = newScale; }

    Airfoil* getAirfoil() const { return airfoil; }
    // Hands the airfoil to the caller; the scene no longer deletes it.
    Airfoil* takeAirfoil();

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    QRectF visibleArea(QPainter* painter, const QRectF& exposed) const;
    void drawOutline(QPainter* painter, float width, float factor) const;

    Airfoil* airfoil;
    float scale;
};

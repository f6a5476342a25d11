#pragma once

class QPainter;

// A pen position for drawing outlines as a chain of relative steps, the way
// a planform is described: along the leading edge, down the tip rib, back
// along the trailing edge. Lives on the stack for one paint.
class PainterCursor
{
public:
    explicit PainterCursor(QPainter* painter);

    void moveTo(float x, float y);
    // Draws with the painter's current pen and ends at the new position.
    void lineBy(float dx, float dy);
    void moveBy(float dx, float dy);

    float getX() const { return x; }
    float getY() const { return y; }

private:
    QPainter* painter;
    float x;
    float y;
};

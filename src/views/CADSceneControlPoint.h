#pragma once

#include "views/CADSceneElement.h"

class Vertex;

// A single point of a drawing, shown as a small square marker.
class CADSceneControlPoint : public CADSceneElement
{
public:
    // Takes ownership of the point.
    explicit CADSceneControlPoint(Vertex* point);
    ~CADSceneControlPoint() override;

    // Draws in whatever pen the painter holds: a line marks its points in
    // the pen that was current before it set its own colour.
    void paint(QPainter* painter, float scale, float offsetX, float offsetY, int flags) override;

    const Vertex& getPoint() const { return *point; }

private:
    Vertex* point;
};

#pragma once

#include <vector>

#include "views/CADSceneElement.h"

class CADSceneControlPoint;

// A polyline through control points in its own colour, optionally closed
// back to its first point.
class CADSceneLine : public CADSceneElement
{
public:
    // Takes ownership of the list and of every point in it. The colour
    // record (red, green, blue, alpha) belongs to the caller and must
    // outlive the line; its alpha is not used.
    CADSceneLine(std::vector<CADSceneControlPoint*>* points, const float* colour, bool closed);
    ~CADSceneLine() override;

    // Leaves the line's pen on the painter: elements drawn after it without
    // a colour of their own use it.
    void paint(QPainter* painter, float scale, float offsetX, float offsetY, int flags) override;

    const std::vector<CADSceneControlPoint*>& getPoints() const { return *points; }
    bool isClosed() const { return closed; }
    const float* getColour() const { return colour; }

private:
    std::vector<CADSceneControlPoint*>* points;
    bool closed;
    const float* colour;
};

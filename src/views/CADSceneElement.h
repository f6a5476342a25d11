#pragma once

class QPainter;

// Something a CAD scene draws. Elements hold scene units; a point (X, Y)
// lands on the painter at (X * scale + offsetX, Y * scale + offsetY), so the
// scene alone decides zoom and pan.
class CADSceneElement
{
public:
    CADSceneElement() = default;
    virtual ~CADSceneElement();
    CADSceneElement(const CADSceneElement&) = delete;
    CADSceneElement& operator=(const CADSceneElement&) = delete;

    // flags: bit 0 asks lines to mark their control points.
    virtual void paint(QPainter* painter, float scale, float offsetX, float offsetY, int flags) = 0;
};

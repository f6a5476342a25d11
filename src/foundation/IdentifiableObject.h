#pragma once

#include <vector>

#include "foundation/Vertex.h"

// A part that a rib modifier cuts into or adds to a rib: owned points, the id
// of the record it belongs to, its colour record and its kind.
class IdentifiableObject
{
public:
    IdentifiableObject(int type, int id, const float* color);
    virtual ~IdentifiableObject();
    virtual void rotate(float angle, const Vertex& axis) = 0;
    // A deep copy of the same kind of shape; the caller owns it.
    virtual IdentifiableObject* clone() const = 0;

    // Deep: the points are copied, never shared.
    IdentifiableObject& operator=(const IdentifiableObject& other);
    IdentifiableObject& operator=(IdentifiableObject&& other) noexcept;

    int getId() const { return id; }
    void setId(int newId) { id = newId; }
    const float* getColor() const { return color; }
    void setColor(const float* newColor) { color = newColor; }
    int getType() const { return type; }
    void setType(int newType) { type = newType; }
    const std::vector<Vertex*>& getPoints() const { return points; }
    std::vector<Vertex*>& getModifiablePoints() { return points; }

    void translate(float dx, float dy, float dz);
    // Leaves out as it is when the shape has no points.
    void getCentroid(Vertex& out) const;
    float getMaxProjection(const Vertex& dir) const;
    float getMinProjection(const Vertex& dir) const;
    // Forgets the points without deleting them; the caller has taken them.
    void releasePoints();
    void printScaled(float s) const;

protected:
    IdentifiableObject(const IdentifiableObject& other);
    IdentifiableObject(IdentifiableObject&& other) noexcept;
    void rotatePoints(float angle, const Vertex& axis);
    void deletePoints();

    std::vector<Vertex*> points;
    int id;
    const float* color;
    int type;
};

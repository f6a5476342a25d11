#pragma once

// A piecewise-linear lookup table with strictly increasing x. A misuse is a
// programming error, and ends the process with a message.
class Curve
{
public:
    enum Type {
        Growing = 0,
        Falling = 1,
        // y unrestricted: no inverse lookup
        Unrestricted = 2
    };

    Curve(int capacity, int type, const char* name);
    ~Curve();
    // A lookup table is built once and never duplicated.
    Curve(const Curve&) = delete;
    Curve& operator=(const Curve&) = delete;

    void AddControlPoint(float x, float y);
    float GetY(float x) const;
    float GetX(float y) const;

    int getCount() const { return count; }
    float getMinX() const { return minX; }
    float getMaxX() const { return maxX; }
    float getMinY() const { return minY; }
    float getMaxY() const { return maxY; }

private:
    const char* name;
    int count;
    int capacity;
    int type;
    float minX;
    float maxX;
    float minY;
    float maxY;
    float* xs;
    float* ys;
};

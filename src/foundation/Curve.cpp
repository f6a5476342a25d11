#include "foundation/Curve.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <limits>

Curve::Curve(int capacity, int type, const char* name)
    : name(name), count(0), capacity(std::max(0, capacity)), type(type),
      minX(std::numeric_limits<float>::max()), maxX(-std::numeric_limits<float>::max()),
      minY(std::numeric_limits<float>::max()), maxY(-std::numeric_limits<float>::max()),
      xs(new float[this->capacity]), ys(new float[this->capacity])
{
}

Curve::~Curve()
{
    delete[] xs;
    delete[] ys;
}

void Curve::AddControlPoint(float x, float y)
{
    if (count >= capacity) {
        std::cout << "ERROR in Curve::AddControlPoint: maximal number of" << " control points exceeded\n";
        std::cout.flush();
        std::exit(1);
    }
    if (count == 0) {
        minX = maxX = x;
        minY = maxY = y;
    } else {
        if (!(x > xs[count - 1])) {
            std::cout << "ERROR in Curve::AddControlPoint: X control points" << " not strictly monotonous\n";
            std::cout.flush();
            std::exit(1);
        }
        if (type == Growing && !(y > ys[count - 1])) {
            std::cout << "ERROR in Curve::AddControlPoint: Y control points" << " should be GROWING\n";
            std::cout.flush();
            std::exit(1);
        }
        if (type == Falling && !(y < ys[count - 1])) {
            std::cout << "ERROR in Curve::AddControlPoint: Y control points" << " should be FALLING\n";
            std::cout.flush();
            std::exit(1);
        }
        maxX = x;
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    xs[count] = x;
    ys[count] = y;
    ++count;
}

float Curve::GetY(float x) const
{
    for (int i = 1; i < count; ++i) {
        if (xs[i - 1] <= x && x <= xs[i])
            return ys[i - 1] + (ys[i] - ys[i - 1]) / (xs[i] - xs[i - 1]) * (x - xs[i - 1]);
    }
    std::cout << "ERROR in Curve::GetY(): Point " << x << " not found (name: " << name << ")\n";
    std::cout.flush();
    std::exit(1);
}

float Curve::GetX(float y) const
{
    if (type == Unrestricted) {
        std::cout << "ERROR in Curve::GetX(): can't do this for a function of type " << type << std::endl;
        std::exit(1);
    }
    for (int i = 1; i < count; ++i) {
        // A falling curve holds its segments from high y to low y.
        const float lo = std::min(ys[i - 1], ys[i]);
        const float hi = std::max(ys[i - 1], ys[i]);
        if (lo <= y && y <= hi)
            return xs[i - 1] + (xs[i] - xs[i - 1]) / (ys[i] - ys[i - 1]) * (y - ys[i - 1]);
    }
    std::cout << "ERROR in Curve::GetX(): Point " << y << " not found (name: " << name << ")\n";
    std::cout.flush();
    std::exit(1);
}

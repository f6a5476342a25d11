#include "foundation/Mathematics.h"

#include <cmath>
#include <cstdio>
#include <iostream>

#include "foundation/Curve.h"

float Mathematics::degToRad(float deg) { return PI * deg / 180.0f; }

float Mathematics::radToDeg(float rad) { return 180.0f * rad / PI; }

void Mathematics::polarToXY(float deg, float r, float& x, float& y)
{
    const float a = degToRad(deg);
    x = r * std::cos(a);
    y = r * std::sin(a);
}

void Mathematics::clamp(float& v, float lo, float hi)
{
    if (lo > v)
        v = lo;
    else if (v > hi)
        v = hi;
}

float Mathematics::sign(float v) { return v < 0.0f ? -1.0f : 1.0f; }

int Mathematics::roundToInt(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

bool Mathematics::fuzzyEqual(double a, double b, double eps) { return std::fabs(a - b) < eps; }

int Mathematics::identityMatrix(float m[16])
{
    for (int i = 0; i < 16; ++i)
        m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
    return 0;
}

int Mathematics::translationMatrix(float m[16], float x, float y, float z)
{
    identityMatrix(m);
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return 0;
}

void Mathematics::rotationMatrixX(float m[16], float a)
{
    identityMatrix(m);
    m[5] = std::cos(a);
    m[6] = std::sin(a);
    m[9] = -std::sin(a);
    m[10] = std::cos(a);
}

void Mathematics::rotationMatrixY(float m[16], float a)
{
    identityMatrix(m);
    m[0] = std::cos(a);
    m[2] = -std::sin(a);
    m[8] = std::sin(a);
    m[10] = std::cos(a);
}

void Mathematics::rotationMatrix(float m[16], float x, float y, float z, float a)
{
    const float c = std::cos(a), s = std::sin(a), t = 1.0f - c;
    m[0] = c + x * x * t;
    m[1] = y * x * t + z * s;
    m[2] = z * x * t - y * s;
    m[3] = 0.0f;
    m[4] = x * y * t - z * s;
    m[5] = y * y * t + c;
    m[6] = y * z * t + x * s;
    m[7] = 0.0f;
    m[8] = x * z * t + y * s;
    m[9] = y * z * t - x * s;
    m[10] = z * z * t + c;
    m[11] = 0.0f;
    m[12] = m[13] = m[14] = 0.0f;
    m[15] = 1.0f;
}

void Mathematics::multiplyMatrices(float out[16], const float a[16], const float b[16])
{
    float r[16];
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += a[i * 4 + k] * b[k * 4 + j];
            r[i * 4 + j] = sum;
        }
    }
    for (int i = 0; i < 16; ++i)
        out[i] = r[i];
}

void Mathematics::multiplyVectorMatrix(float out[4], const float v[4], const float m[16])
{
    float r[4];
    for (int j = 0; j < 4; ++j)
        r[j] = v[0] * m[j] + v[1] * m[4 + j] + v[2] * m[8 + j] + v[3] * m[12 + j];
    for (int j = 0; j < 4; ++j)
        out[j] = r[j];
}

void Mathematics::orthonormalizeMatrix(float m[16])
{
    const Vector3D r1(m[4], m[5], m[6]);
    const Vector3D r2(m[8], m[9], m[10]);
    Vector3D r0 = Vector3D::cross(r1, r2);
    r0.normalize();
    Vector3D n1 = Vector3D::cross(r2, r0);
    n1.normalize();
    m[0] = r0.getX();
    m[1] = r0.getY();
    m[2] = r0.getZ();
    m[4] = n1.getX();
    m[5] = n1.getY();
    m[6] = n1.getZ();
}

void Mathematics::printMatrix(const float m[16])
{
    for (int i = 0; i < 4; ++i)
        std::printf("%6.4f  %6.4f   %6.4f   %6.4f\n", m[i * 4], m[i * 4 + 1], m[i * 4 + 2], m[i * 4 + 3]);
}

Vector3D Mathematics::perpendicular2D(const Vertex& v)
{
    Vector3D p(-v.getY(), v.getX(), 0.0f);
    p.normalize();
    return p;
}

Vector3D Mathematics::planeNormal(const Vertex& a, const Vertex& b, const Vertex& c)
{
    Vector3D n = Vector3D::cross(Vector3D::fromDifference(b, a), Vector3D::fromDifference(c, a));
    n.normalize();
    return n;
}

int Mathematics::segmentIntersection2D(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                                       float y4, float& x, float& y)
{
    const float d = (y4 - y3) * (x2 - x1) - (x4 - x3) * (y2 - y1);
    const float n = (x4 - x3) * (y1 - y3) - (y4 - y3) * (x1 - x3);
    if (d == 0.0f) {
        const float n2 = (x2 - x1) * (y1 - y3) - (y2 - y1) * (x1 - x3);
        return (n == 0.0f && n2 == 0.0f) ? 1 : 0;
    }
    const float u = n / d;
    if (u < 0.0f || u > 1.0f)
        return 3;
    x = x1 + u * (x2 - x1);
    y = y1 + u * (y2 - y1);
    return 2;
}

int64_t Mathematics::elapsedMicroseconds(const TimeStamp& a, const TimeStamp& b)
{
    int64_t seconds = static_cast<int64_t>(b.seconds) - a.seconds;
    int64_t micro = static_cast<int64_t>(b.microseconds) - a.microseconds;
    if (micro < 0) {
        seconds -= 1;
        micro += 1000000;
    }
    return seconds * 1000000 + micro;
}

bool Mathematics::clipCoordinate(Vertex& a, Vertex& b, const Axis& axis)
{
    if (axis != Y) {
        std::cout << "Implement this case in "
                  << "static bool Mathematics::clipCoordinate(Vertex&, Vertex&, const Mathematics::Axis&)"
                  << std::endl;
        return false;
    }
    if (a.getY() > b.getY()) {
        const float mid = (a.getY() + b.getY()) * 0.5f;
        a.setY(mid);
        b.setY(mid);
        return true;
    }
    return false;
}

float Mathematics::asinc(float s)
{
    static const Curve* curve = [] {
        auto* c = new Curve(1000, Curve::Falling, "Asinc");
        // The table refuses abscissae that are not strictly increasing and
        // would end the process. Stepping t in double keeps the steps near
        // sin(t)/t = 1 apart however a platform evaluates floats.
        double t = 1.570795;
        const double step = 0.0015723674;
        for (int i = 0; i < 1000; ++i) {
            const double v = (t == 0.0) ? 1.0 : std::sin(t) / t;
            c->AddControlPoint(static_cast<float>(v), static_cast<float>(t));
            if (t - step - 0.0001 < 0.0)
                t = 0.0;
            else
                t -= step;
        }
        return c;
    }();
    if (s > curve->getMaxX()) {
        std::cout << "WARNING: pAsincCurve->MaxX: " << curve->getMaxX() << ", s: " << s << std::endl;
        s = curve->getMaxX();
    }
    return curve->GetY(s);
}

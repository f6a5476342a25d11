#pragma once

#include <cstdint>

#include "foundation/Vector3D.h"

// Static geometry and numeric helpers. Matrices are float[16], row-major,
// used with row vectors (p' = p * M, translation in elements 12..14), which
// is the same element order OpenGL uses for column vectors.
class Mathematics
{
public:
    enum Axis {
        X = 0,
        Y = 1,
        Z = 2
    };

    // A seconds/microseconds pair as the frame-rate monitor reads its clock.
    struct TimeStamp {
        int32_t seconds;
        int32_t microseconds;
    };

    // The program's pi is the single-precision 3.14159; every angle
    // conversion goes through these two so that all derived values agree.
    static constexpr float PI = 3.14159f;

    static float degToRad(float deg);
    static float radToDeg(float rad);
    static void polarToXY(float deg, float r, float& x, float& y);
    static void clamp(float& v, float lo, float hi);
    static float sign(float v);
    static int roundToInt(float v);
    static bool fuzzyEqual(double a, double b, double eps);

    static int identityMatrix(float m[16]);
    static int translationMatrix(float m[16], float x, float y, float z);
    static void rotationMatrixX(float m[16], float a);
    static void rotationMatrixY(float m[16], float a);
    // Turns by +a about (x, y, z) (not normalised), as glRotate does.
    static void rotationMatrix(float m[16], float x, float y, float z, float a);
    // out = a * b (a applied first); out may be a or b.
    static void multiplyMatrices(float out[16], const float a[16], const float b[16]);
    static void multiplyVectorMatrix(float out[4], const float v[4], const float m[16]);
    static void orthonormalizeMatrix(float m[16]);
    static void printMatrix(const float m[16]);

    static Vector3D perpendicular2D(const Vertex& v);
    static Vector3D planeNormal(const Vertex& a, const Vertex& b, const Vertex& c);
    // 0 parallel, 1 collinear, 2 hit (x, y set), 3 the lines meet outside
    // the first segment.
    static int segmentIntersection2D(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                                     float y4, float& x, float& y);
    static int64_t elapsedMicroseconds(const TimeStamp& a, const TimeStamp& b);
    static bool clipCoordinate(Vertex& a, Vertex& b, const Axis& axis);

    // The t in [0, pi/2] with sin(t)/t == s, from a lookup curve built on
    // first use.
    static float asinc(float s);
};

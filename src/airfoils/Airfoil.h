#pragma once

#include <QString>
#include <cstdio>
#include <vector>

class Vector3D;
struct AirfoilReading;
struct AirfoilRawPoint;

// One airfoil of the library. Whatever its file held, the outline is
// resampled to 280 points at the same chord stations for every airfoil:
// trailing edge, upper side, leading edge, lower side, trailing edge, with x
// from -0.5 (leading edge) to +0.5 (trailing edge) in chord lengths and a
// unit normal on every point. Rib outlines pair two airfoils point by point,
// which only works because the stations are the same everywhere.
class Airfoil
{
public:
    static const int PointCount = 280;

    // Reads the rest of an open stream (positioned behind any header lines)
    // as points and resamples them. *ok is false when no outline can be
    // built; the caller then deletes the airfoil. reading, when given,
    // follows the progress, can cancel, and says why it failed.
    Airfoil(const QString& name, const QString& thickness, const QString& camber,
            const QString& maxCL, const QString& maxCLAngle, const QString& maxLD,
            const QString& maxLDAngle, const QString& stallAngle, const QString& zeroLiftAngle,
            FILE* stream, bool* ok, AirfoilReading* reading = nullptr);
    ~Airfoil();

    Airfoil(const Airfoil&) = delete;
    Airfoil& operator=(const Airfoil&) = delete;

    const std::vector<Vector3D*>& getCoords() const { return coords; }
    int getPointCount() const { return static_cast<int>(coords.size()); }
    Vector3D* getPoint(int i) const { return coords[static_cast<size_t>(i)]; }

    // Multiplies every y; x stays, the normals are those of the new shape.
    void scaleThickness(float factor);

    // The outline as one OpenGL line loop in the current colour and matrix;
    // it sets no state of its own. Needs a current context.
    void visualize() const;

    const QString& getName() const { return name; }
    void setName(const QString& newName) { name = newName; }
    const QString& getThickness() const { return thickness; }
    const QString& getCamber() const { return camber; }
    const QString& getMaxCL() const { return maxCL; }
    const QString& getMaxCLAngle() const { return maxCLAngle; }
    const QString& getMaxLD() const { return maxLD; }
    const QString& getMaxLDAngle() const { return maxLDAngle; }
    const QString& getStallAngle() const { return stallAngle; }
    const QString& getZeroLiftAngle() const { return zeroLiftAngle; }
    // Chord position of the largest thickness in percent (0 to 100).
    float getMaxThicknessPosition() const { return maxThicknessPosition; }

    // Every crossing of the raw polyline (not closed) with the line x = X.
    static bool intersectAtX(const std::vector<Vector3D*>& raw, float X, std::vector<float>& ys);

private:
    struct Station;
    static void addStations(std::vector<Station>& stations, float xmax, float xmin, float t0, float t1,
                            bool upper);
    bool sampleStations(float xmax, float xmin, const std::vector<AirfoilRawPoint>& raw, AirfoilReading& reading);
    void computeNormals();

    QString name;
    QString thickness;
    QString camber;
    QString maxCL;
    QString maxCLAngle;
    QString maxLD;
    QString maxLDAngle;
    QString stallAngle;
    QString zeroLiftAngle;
    float maxThicknessPosition;
    std::vector<Vector3D*> coords;
};

// Chord position (x + offset) * 100 of the first station with the largest
// positive distance between point i and point n - 1 - i of an outline
// ordered like an airfoil's; 0 when there is none.
float findMaxThicknessPosition(const std::vector<Vector3D*>& points, float offset);

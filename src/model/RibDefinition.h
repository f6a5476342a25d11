#pragma once

#include <QString>
#include <QVariant>
#include <vector>

#include "foundation/AngleInfo.h"
#include "foundation/SelectableObject.h"
#include "model/AirfoilType.h"

class Airfoil;
class IdentifiableObject;
class PlaneVisualisationOptions;
class Vector3D;

// One rib of a panel. Position and thickness are what the user edits; all
// the rest is derived geometry that the panel's rib pipeline rebuilds from
// the airfoils whenever the panel changes. Every point and part is held in
// units of the wing root chord and owned by the rib.
class RibDefinition : public SelectableObject
{
public:
    using PointList = std::vector<Vector3D*>;
    using PartList = std::vector<IdentifiableObject*>;

    RibDefinition(float position, float thickness);
    // A copy carries the rib's scalars and airfoils but no geometry: the
    // pipeline rebuilds geometry from scratch, and sharing points between two
    // ribs would make both own them.
    RibDefinition(const RibDefinition& other);
    RibDefinition& operator=(const RibDefinition& other);
    // Moving hands the geometry over, so that containers that relocate
    // their elements do not silently drop it.
    RibDefinition(RibDefinition&& other) noexcept;
    RibDefinition& operator=(RibDefinition&& other) noexcept;
    ~RibDefinition() override;

    void clearGeometry();
    static void clearParts(PartList& parts);
    // Replaces this rib's geometry by deep copies of other's. False, with
    // this rib's geometry cleared, when other holds a shape of a kind that
    // cannot be copied.
    bool copyGeometryFrom(const RibDefinition& other);

    // Point lists.
    const PointList& getRibCoords() const { return outline; }
    PointList& getRibCoords() { return outline; }
    const PointList& getCamberLineCoords() const { return camberLine; }
    PointList& getCamberLineCoords() { return camberLine; }
    const PointList& getLEPieceCoords() const { return lePiece; }
    PointList& getLEPieceCoords() { return lePiece; }
    const PointList& getTEPieceCoords() const { return tePiece; }
    PointList& getTEPieceCoords() { return tePiece; }
    const PointList& getLETemplateCoords() const { return leTemplate; }
    PointList& getLETemplateCoords() { return leTemplate; }
    const PointList& getCoveringCoords(int index) const;
    PointList& getCoveringCoords(int index);

    // Part lists.
    const PartList& getSquareSparParts() const { return squareSparParts; }
    PartList& getSquareSparParts() { return squareSparParts; }
    const PartList& getRoundSparParts() const { return roundSparParts; }
    PartList& getRoundSparParts() { return roundSparParts; }
    const PartList& getTubeSparParts() const { return tubeSparParts; }
    PartList& getTubeSparParts() { return tubeSparParts; }
    const PartList& getCubeTubeParts() const { return cubeTubeParts; }
    PartList& getCubeTubeParts() { return cubeTubeParts; }
    const PartList& getSparWebbingParts() const { return sparWebbingParts; }
    PartList& getSparWebbingParts() { return sparWebbingParts; }
    const PartList& getCubeSparParts() const { return cubeSparParts; }
    PartList& getCubeSparParts() { return cubeSparParts; }
    const PartList& getCoveringPolygons() const { return coveringPolygons; }
    PartList& getCoveringPolygons() { return coveringPolygons; }
    const PartList& getCombParts() const { return combParts; }
    PartList& getCombParts() { return combParts; }

    void copyRibCoords(PointList& out) const;
    // list: 0 outline, 1 LE piece, 2 TE piece, 3 camber line.
    void setCoords(const PointList& src, int list);

    float getChord() const { return chord; }
    void setChord(float value) { chord = value; }
    void getOffset(float& x, float& y, float& z) const;
    void setOffset(float x, float y, float z);
    float getOffsetX() const { return offsetX; }
    void setOffsetX(float value) { offsetX = value; }
    float getOffsetY() const { return offsetY; }
    void setOffsetY(float value) { offsetY = value; }
    float getOffsetZ() const { return offsetZ; }
    void setOffsetZ(float value) { offsetZ = value; }
    float getAlignOffset() const { return alignOffset; }
    void setAlignOffset(float value) { alignOffset = value; }

    const PointList& getAirfoilCoords(AirfoilType type) const;
    const Airfoil* getRootAirfoil() const { return rootAirfoil; }
    const Airfoil* getTipAirfoil() const { return tipAirfoil; }
    static int findPartIndex(int id, const PartList& parts);

    // Rib table cells.
    static int getColumnCount();
    static QString getColumnName(int column);
    QVariant getCellData(int column) const;
    bool setCellData(int column, const QVariant& value);

    // Blending and placement.
    void setAirfoil(float panelLength, AirfoilType type, Airfoil* airfoil, float rootFactor,
                    float tipFactor);
    void updateAirfoil(float panelLength, float rootFactor, float tipFactor);
    void blendAirfoils(float panelLength, const Airfoil* root, const Airfoil* tip,
                       float rootFactor, float tipFactor);
    void scale(float sx, float sy, float sz);
    void applyOffset();
    void translate(float dx, float dy, float dz);
    void rotate(const Vector3D& axis, double angle);
    // translate by (-cx, -cy, -cz), rotate, translate back: the same result,
    // in one walk over the points.
    void rotateAbout(const Vector3D& axis, double angle, float cx, float cy, float cz);
    void computeCamberLine();

    static void scalePoints(PointList& points, float sx, float sy, float sz);
    static void scaleParts(PartList& parts, float sx, float sy, float sz);
    static void translatePoints(PointList& points, float dx, float dy, float dz);
    static void translateParts(PartList& parts, float dx, float dy, float dz);
    static void rotatePoints(PointList& points, const Vector3D& axis, double angle);
    static void rotateParts(PartList& parts, const Vector3D& axis, double angle);

    // Outline queries and edits. Distances along the chord are mm from the
    // leading edge; xLE and xTE are outline coordinates.
    bool splitAtChordPosition(float distance, float xLE, float xTE, int& upperIndex,
                              int& lowerIndex);
    bool getHeightsAtChordPosition(float distance, float xLE, float xTE, float& yUpper,
                                   float& yLower) const;
    static float getPieceDepth(const PointList& points);
    float getLEDepth(float scale) const;
    float getTEDepth(float scale) const;
    float getMaxY() const;
    float getMinY() const;
    float getCamberY(int index) const;
    // The camber height under the station distance mm behind the leading
    // edge; false where a split there would fail.
    bool getCamberYAtChordPosition(float distance, float xLE, float xTE, float& camberY) const;
    // Inclusive index ranges of the outline between two chord stations,
    // after the four cut points were doubled: the top run lies on the upper
    // surface, the bottom run on the lower one. The doubled points sit just
    // outside each run, so a run can be reshaped while the outline keeps its
    // original point at each station.
    struct CutRuns {
        int topRear;
        int topFront;
        int bottomFront;
        int bottomRear;
    };
    // Gives each of the four cut points (outline indices, as the two chord
    // station splits leave them) a copy in front of it.
    CutRuns duplicateCutPoints(int frontUpper, int frontLower, int rearUpper, int rearLower);
    static void smoothCrossingPairs(PointList& points);
    void collectTurns(std::vector<AngleInfo>& turns, float scale) const;
    void cleanOutline(float scale);

    // Draws the rib as a slab of its thickness into the current OpenGL
    // context, spar holes left open; nothing when the view hides ribs.
    void visualize(const PlaneVisualisationOptions& options, float normalFactor) const;

    // Edited by the rib list and the rib table.
    float position;
    float thickness;
    float scaledThickness;

private:
    // Writes the blend into the outline from index first on, refilling the
    // points already there; returns the index after the last point written.
    size_t blendAirfoils(size_t first, float panelLength, const Airfoil* root, const Airfoil* tip,
                         float rootFactor, float tipFactor);

    struct Station;
    bool findStation(float distance, float xLE, float xTE, Station& station) const;
    float interpolateY(int p, int q, float x) const;
    float camberYAt(float x) const;
    void repairTurns(const std::vector<AngleInfo>& turns, int first, int last);
    void rotateAboutAnyAxis(const Vector3D& axis, double angle, float cx, float cy, float cz);
    void copyScalars(const RibDefinition& other);
    void takeGeometry(RibDefinition& other) noexcept;

    float chord;
    float offsetX;
    float offsetY;
    float offsetZ;
    float alignOffset;
    Airfoil* rootAirfoil;
    Airfoil* tipAirfoil;

    PointList outline;
    PointList camberLine;
    PointList lePiece;
    PointList tePiece;
    PointList covering[4];
    PointList leTemplate;

    PartList squareSparParts;
    PartList roundSparParts;
    PartList tubeSparParts;
    PartList cubeTubeParts;
    PartList sparWebbingParts;
    PartList cubeSparParts;
    PartList coveringPolygons;
    PartList combParts;
};

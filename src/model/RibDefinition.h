#pragma once

#include <QString>
#include <QVariant>
#include <atomic>
#include <memory>
#include <vector>

#include "foundation/AngleInfo.h"
#include "foundation/SelectableObject.h"
#include "model/AirfoilType.h"
#include "model/RibGeometry.h"

class Airfoil;
class IdentifiableObject;
class PlaneVisualisationOptions;
class Vector3D;

// One rib of a panel. Position and thickness are what the user edits; all
// the rest is derived geometry that the panel's rib pipeline rebuilds from
// the airfoils whenever the panel changes. Every point and part is held in
// units of the wing root chord. Built geometry does not change until the
// next rebuild, so ribs may share it: it is owned by a reference-counted
// block (RibGeometry), and any non-const access to a shared block first
// gives the rib a block of its own.
class RibDefinition : public SelectableObject
{
public:
    using PointList = RibGeometry::PointList;
    using PartList = RibGeometry::PartList;

    RibDefinition(float position, float thickness);
    // A copy carries the rib's scalars and airfoils but no geometry: the
    // pipeline rebuilds geometry from scratch. copyGeometryFrom adds it.
    RibDefinition(const RibDefinition& other);
    RibDefinition& operator=(const RibDefinition& other);
    // Moving hands the geometry over, so that containers that relocate
    // their elements do not silently drop it.
    RibDefinition(RibDefinition&& other) noexcept;
    RibDefinition& operator=(RibDefinition&& other) noexcept;
    ~RibDefinition() override;

    void clearGeometry();
    static void clearParts(PartList& parts);
    // Gives this rib other's geometry. The two share it until either is
    // changed, so this costs no copy of a point.
    void copyGeometryFrom(const RibDefinition& other);
    // True while this rib's geometry is the very block of other's.
    bool sharesGeometryWith(const RibDefinition& other) const;
    // The rib's geometry block without a hold on it: it tells whether a rib
    // still has the very block it had, even once that block is gone.
    std::weak_ptr<const RibGeometry> geometryToken() const { return shared; }
    // Lets go of the geometry if other ribs share it, so that a rebuild
    // which makes it anew does not first copy it; an unshared block is kept
    // for the rebuild to refill.
    void dropSharedGeometry();

    // Point lists. The non-const forms make the geometry this rib's own
    // first: drawing, printing and export keep to the const ones.
    const PointList& getRibCoords() const { return geometry().outline; }
    PointList& getRibCoords() { return geometry().outline; }
    const PointList& getCamberLineCoords() const { return geometry().camberLine; }
    PointList& getCamberLineCoords() { return geometry().camberLine; }
    const PointList& getLEPieceCoords() const { return geometry().lePiece; }
    PointList& getLEPieceCoords() { return geometry().lePiece; }
    const PointList& getTEPieceCoords() const { return geometry().tePiece; }
    PointList& getTEPieceCoords() { return geometry().tePiece; }
    const PointList& getLETemplateCoords() const { return geometry().leTemplate; }
    PointList& getLETemplateCoords() { return geometry().leTemplate; }
    const PointList& getCoveringCoords(int index) const;
    PointList& getCoveringCoords(int index);

    // Part lists.
    const PartList& getSquareSparParts() const { return geometry().squareSparParts; }
    PartList& getSquareSparParts() { return geometry().squareSparParts; }
    const PartList& getRoundSparParts() const { return geometry().roundSparParts; }
    PartList& getRoundSparParts() { return geometry().roundSparParts; }
    const PartList& getTubeSparParts() const { return geometry().tubeSparParts; }
    PartList& getTubeSparParts() { return geometry().tubeSparParts; }
    const PartList& getCubeTubeParts() const { return geometry().cubeTubeParts; }
    PartList& getCubeTubeParts() { return geometry().cubeTubeParts; }
    const PartList& getSparWebbingParts() const { return geometry().sparWebbingParts; }
    PartList& getSparWebbingParts() { return geometry().sparWebbingParts; }
    const PartList& getCubeSparParts() const { return geometry().cubeSparParts; }
    PartList& getCubeSparParts() { return geometry().cubeSparParts; }
    const PartList& getCoveringPolygons() const { return geometry().coveringPolygons; }
    PartList& getCoveringPolygons() { return geometry().coveringPolygons; }
    const PartList& getCombParts() const { return geometry().combParts; }
    PartList& getCombParts() { return geometry().combParts; }

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
    // Both airfoils at once: the outline is blended once, not once for each.
    void setAirfoils(float panelLength, Airfoil* root, Airfoil* tip, float rootFactor, float tipFactor);
    void updateAirfoil(float panelLength, float rootFactor, float tipFactor);
    // updateAirfoil, scale(sx, sy, sz) and translate(dx, dy, dz) in one walk
    // over the outline, with the same arithmetic for each point: the blend
    // leaves no other points or shapes to place.
    void updateAirfoilPlaced(float panelLength, float rootFactor, float tipFactor, float sx, float sy, float sz,
                             float dx, float dy, float dz);
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
    // leading edge; xLE and xTE are outline coordinates. While the rib is
    // cut, an outline point that sheets have sunk carries in its auxiliary
    // values how far they moved it in x and y, so that later cuts know where
    // the bare surface is; a split point takes it over from its neighbours,
    // and the finishing clears it.
    bool splitAtChordPosition(float distance, float xLE, float xTE, int& upperIndex,
                              int& lowerIndex);
    bool getHeightsAtChordPosition(float distance, float xLE, float xTE, float& yUpper,
                                   float& yLower) const;
    // How far the sheets have moved the upper and the lower surface along x
    // (and, where asked, along y) at the station; false where a split there
    // would fail.
    bool getSheetShiftAtChordPosition(float distance, float xLE, float xTE, float& upperX,
                                      float& lowerX, float* upperY = nullptr, float* lowerY = nullptr) const;
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
    void collectTurns(std::vector<AngleInfo>& turns, float scale) const;
    void cleanOutline(float scale);
    // The finishing after all cuts: the rib ended where its surfaces meet,
    // crossed cuts joined, the outline cleaned.
    void finishOutline(float scale);
    // Whether the sheets of the last rebuild took the whole rib: nothing a
    // builder could cut was left, so the outline is empty. It describes the
    // rib's geometry, and goes where a copy or the geometry goes.
    bool consumedBySheets() const { return consumed; }
    void setConsumedBySheets(bool value) { consumed = value; }
    // Where the sheets or a spar's slot part the rib, the outline is its
    // largest piece and these are the others, each cut on its own.
    const std::vector<PointList>& getFurtherPieces() const { return geometry().pieces; }
    std::vector<PointList>& getFurtherPieces() { return geometry().pieces; }
    bool isParted() const { return !geometry().pieces.empty(); }
    // What parted it: the sheets, and/or the slot of the square spar with
    // this 1-based number in the panel (0: none).
    bool partedBySheets() const { return geometry().partedBySheets; }
    int partingSpar() const { return geometry().partingSpar; }
    int partingSlotId() const { return geometry().partingSlotId; }
    void setParting(bool bySheets, int slotId);
    void setPartingSpar(int number) { geometry().partingSpar = number; }
    // Whether the outline or a piece still crosses or touches itself, where
    // no parting could mend it.
    bool outlineCrossed() const { return geometry().crossed; }
    void setOutlineCrossed(bool value) { geometry().crossed = value; }
    // What the last check of the finishing found in the outline that no
    // pass mends (see RibFinishing): such a rib is handed on marked, to be
    // told, never as sound. Goes where the geometry goes, as consumed does.
    enum class OutlineFault { None, NarrowFeature };
    OutlineFault outlineFault() const { return fault; }
    void setOutlineFault(OutlineFault value) { fault = value; }

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
    // The same, handing each point written to place.
    template <class Place>
    size_t blendAirfoils(size_t first, float panelLength, const Airfoil* root, const Airfoil* tip,
                         float rootFactor, float tipFactor, Place place);
    // Clears the geometry and blends the outline anew, refilling its points.
    template <class Place>
    void refillOutline(float panelLength, float rootFactor, float tipFactor, Place place);

    struct Station;
    bool findStation(float distance, float xLE, float xTE, Station& station) const;
    float interpolateY(int p, int q, float x) const;
    float camberYAt(float x) const;
    // Calls onPoints for each point list that moves with the rib (the LE
    // template only when withTemplate is set) and onParts for each shape
    // list but the comb parts.
    template <class OnPoints, class OnParts>
    void forPlacedGeometry(bool withTemplate, OnPoints onPoints, OnParts onParts);
    void rotateAboutAnyAxis(const Vector3D& axis, double angle, float cx, float cy, float cz);
    void copyScalars(const RibDefinition& other);

    float chord;
    float offsetX;
    float offsetY;
    float offsetZ;
    float alignOffset;
    Airfoil* rootAirfoil;
    Airfoil* tipAirfoil;
    bool consumed = false;
    OutlineFault fault = OutlineFault::None;

    static const RibGeometry noGeometry;

    // Whether no other rib holds this rib's block. The fence orders this
    // rib's coming writes after whatever another thread read from the block
    // before it let go of it.
    bool ownsGeometry() const
    {
        if (!shared || shared.use_count() != 1)
            return false;
        std::atomic_thread_fence(std::memory_order_acquire);
        return true;
    }
    const RibGeometry& geometry() const { return shared ? *shared : noGeometry; }
    RibGeometry& geometry() { return ownsGeometry() ? *shared : ownGeometry(); }
    // Replaces a shared (or missing) block by a copy of its own.
    RibGeometry& ownGeometry();

    std::shared_ptr<RibGeometry> shared;
};

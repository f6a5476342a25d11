#pragma once

#include <vector>

class Circle3D;
class IdentifiableObject;
class Rectangle3D;
class RibDefinition;
class SparDefinition;

// Cuts one spar into one rib. The pipeline makes one modifier per spar and
// applies it to each rib from the spar's first to its last rib.
class RibModifierSparBase
{
public:
    RibModifierSparBase() = default;
    virtual ~RibModifierSparBase() = default;

    // Where the spar stands at thisRib (mm from its leading edge) and its
    // vertical offset there (mm), interpolated linearly between the spar's
    // first and last rib. The last rib's thickness counts towards the span
    // and the rib's distance when the flags say so, so that a spar ending
    // at the panel tip reaches its end value at the tip face.
    virtual void interpolatePosition(float& slope, float& position, float& positionFirst,
                                     float& positionLast, const SparDefinition& spar,
                                     bool addLastThicknessHere, bool addLastThicknessToSpan,
                                     const RibDefinition& lastRib, const RibDefinition& firstRib,
                                     const RibDefinition& thisRib, float& offsetY);

    // ribNumber is 1-based within the panel; firstRib and lastRib are the
    // spar's end ribs (their outlines are read only before this spar is cut
    // into them), thisRib the rib as the rib table holds it; joinerOffsetY
    // (outline units) raises joiners for the dihedral; scale is the wing
    // root chord in mm.
    virtual void apply(RibDefinition& rib, int ribNumber, const SparDefinition& spar,
                       float firstRibChord, const RibDefinition& firstRib,
                       const RibDefinition& lastRib, const RibDefinition& thisRib,
                       float joinerOffsetY, float scale, bool isLastRibOfPanel,
                       float sweepPerLength, bool sparEndsAtLastRib) = 0;

protected:
    // Interpolated position and offset as the cutting modifiers use them.
    void positionAt(float& position, float& offsetY, const SparDefinition& spar,
                    const RibDefinition& firstRib, const RibDefinition& lastRib,
                    const RibDefinition& thisRib, bool isLastRibOfPanel, bool sparEndsAtLastRib);

    // The outline index a hole is centred above: the upper-side point added
    // where position (mm from this rib's leading edge) splits the rib. False
    // when the position lies off the rib, which then gets no hole.
    static bool holeStation(RibDefinition& rib, float position, float scale, int& station);

    // Holes centred at the station's chord position, at height y, in the
    // rib's plane; sizes are in outline units. A rectangle turns about its
    // own centre.
    static Circle3D* roundHole(const RibDefinition& rib, int station, float y, float radius);
    static Rectangle3D* rectangularHole(const RibDefinition& rib, int station, float y, float width,
                                        float height, float degrees);

    // Marks a hole, slot or web as the spar's part (its kind, id and colour)
    // and hands it to the rib's list, which owns it from then on (or frees
    // it, when the list cannot grow).
    static void addPart(std::vector<IdentifiableObject*>& parts, IdentifiableObject* part, int type, int id,
                        const float* color);
};

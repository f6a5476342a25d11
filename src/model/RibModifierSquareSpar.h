#pragma once

#include "model/RibModifierSparBase.h"

#include <vector>

class Rectangle3D;
class Vector3D;

// Notches a rectangular spar into the top and bottom of the rib and adds its
// webbing where the spar asks for it.
class RibModifierSquareSpar : public RibModifierSparBase
{
public:
    void apply(RibDefinition& rib, int ribNumber, const SparDefinition& spar,
               float firstRibChord, const RibDefinition& firstRib, const RibDefinition& lastRib,
               const RibDefinition& thisRib, float joinerOffsetY, float scale,
               bool isLastRibOfPanel, float sweepPerLength, bool sparEndsAtLastRib) override;

    // Splits the outline at a front and a rear station (mm from the leading
    // edge) and returns the indices of the four cut points. Fails, cutting
    // nothing more, when either split fails or the rear station lies ahead
    // of the front one.
    static bool splitAtStations(RibDefinition& rib, float front, float rear, float scale,
                                int& frontUpper, int& frontLower, int& rearUpper,
                                int& rearLower);
    // The slot's two stations split as splitAtStations does, each side's
    // moved by how far its sheets have moved its surface along the chord
    // (a slot cut square to the chord stays where it is).
    static bool splitSlotStations(RibDefinition& rib, float front, float rear, float scale, int& frontUpper,
                                  int& frontLower, int& rearUpper, int& rearLower, bool verticalCut = false);

private:
    void addWebbing(RibDefinition& rib, const SparDefinition& spar, int pass, float p, float w,
                    const Rectangle3D* top, const Rectangle3D* bottom, float scale);
};

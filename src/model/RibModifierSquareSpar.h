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
    // Inclusive index ranges of the outline between two chord stations, after
    // the four cut points were doubled: the top run lies on the upper
    // surface, the bottom run on the lower one. The doubled points sit just
    // outside each run, so a run can be reshaped while the outline keeps its
    // original point at each station.
    struct CutRuns {
        int topRear;
        int topFront;
        int bottomFront;
        int bottomRear;
    };

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
    static CutRuns doubleCutPoints(std::vector<Vector3D*>& outline, int frontUpper,
                                   int frontLower, int rearUpper, int rearLower);

private:
    void addWebbing(RibDefinition& rib, const SparDefinition& spar, int pass, float p, float w,
                    const Rectangle3D* top, const Rectangle3D* bottom, float scale);
};

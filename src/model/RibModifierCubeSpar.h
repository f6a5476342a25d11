#pragma once

#include "model/RibModifierSparBase.h"

// Adds the rectangular, possibly turned, hole of a cuboid spar on the camber line.
class RibModifierCubeSpar : public RibModifierSparBase
{
public:
    void apply(RibDefinition& rib, int ribNumber, const SparDefinition& spar,
               float firstRibChord, const RibDefinition& firstRib, const RibDefinition& lastRib,
               const RibDefinition& thisRib, float joinerOffsetY, float scale,
               bool isLastRibOfPanel, float sweepPerLength, bool sparEndsAtLastRib) override;
};

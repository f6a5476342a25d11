#pragma once

#include "model/RibModifierJoiner.h"

// Adds the rectangular hole of a joiner box; it is never turned.
class RibModifierCubeTube : public RibModifierJoiner
{
public:
    void apply(RibDefinition& rib, int ribNumber, const SparDefinition& spar,
               float firstRibChord, const RibDefinition& firstRib, const RibDefinition& lastRib,
               const RibDefinition& thisRib, float joinerOffsetY, float scale,
               bool isLastRibOfPanel, float sweepPerLength, bool sparEndsAtLastRib) override;
};

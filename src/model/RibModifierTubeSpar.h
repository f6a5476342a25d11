#pragma once

#include "model/RibModifierJoiner.h"

// Adds the round hole of a joiner tube.
class RibModifierTubeSpar : public RibModifierJoiner
{
public:
    void apply(RibDefinition& rib, int ribNumber, const SparDefinition& spar,
               float firstRibChord, const RibDefinition& firstRib, const RibDefinition& lastRib,
               const RibDefinition& thisRib, float joinerOffsetY, float scale,
               bool isLastRibOfPanel, float sweepPerLength, bool sparEndsAtLastRib) override;
};

#pragma once

#include "model/RibModifierSparBase.h"

// Adds the round hole of a spar on the camber line, raised by the spar's offset.
class RibModifierRoundSpar : public RibModifierSparBase
{
public:
    void apply(RibDefinition& rib, int ribNumber, const SparDefinition& spar,
               float firstRibChord, const RibDefinition& firstRib, const RibDefinition& lastRib,
               const RibDefinition& thisRib, float joinerOffsetY, float scale,
               bool isLastRibOfPanel, float sweepPerLength, bool sparEndsAtLastRib) override;
};

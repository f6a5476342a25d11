#pragma once

#include "model/RibModifierSparBase.h"

// Adds a vertical web between two chord stations; the outline keeps its shape.
class RibModifierSparWebbing : public RibModifierSparBase
{
public:
    void apply(RibDefinition& rib, int ribNumber, const SparDefinition& spar,
               float firstRibChord, const RibDefinition& firstRib, const RibDefinition& lastRib,
               const RibDefinition& thisRib, float joinerOffsetY, float scale,
               bool isLastRibOfPanel, float sweepPerLength, bool sparEndsAtLastRib) override;
};

#pragma once

#include "model/RibModifierSparBase.h"

// A joiner is a straight rod or box: from rib to rib its distance from the
// leading edge changes only by the shift of the leading edges, and its hole
// stays at the height found at the joiner's first rib.
class RibModifierJoiner : public RibModifierSparBase
{
public:
    // The joiner's distance from this rib's leading edge in mm. At the
    // joiner's first rib the camber height at the joiner (outline units) is
    // written to camberY; at the other ribs camberY is left as it is.
    virtual float getJoinerPosition(const RibDefinition& rib, int ribNumber,
                                    const SparDefinition& spar, const RibDefinition& firstRib,
                                    const RibDefinition& lastRib, const RibDefinition& thisRib,
                                    float scale, bool isLastRibOfPanel, bool sparEndsAtLastRib,
                                    float& camberY);

protected:
    // Found at the joiner's first rib and kept for the following ones. It
    // belongs to this modifier, which lives for one pass over one joiner, so
    // no height carries over to another joiner, panel or rebuild.
    float joinerCamberY = 0.0f;
};

#pragma once

class RibDefinition;
class RibCombData;

// Cuts one rib comb into one rib: notches the rib where the comb passes and
// records the comb's slit, body and remainder as rectangles in the rib's
// comb part list, for the views and the DXF export.
class RibModifierComb
{
public:
    RibModifierComb() = default;
    virtual ~RibModifierComb() = default;

    // topLine and bottomLine are in mm; scale is the wing root chord in mm.
    // firstRibChord is accepted for symmetry with the spar modifiers.
    void apply(RibDefinition& rib, int ribNumber, const RibCombData& comb, float firstRibChord,
               const RibDefinition& firstRib, const RibDefinition& lastRib, float topLine, float bottomLine,
               float scale, bool isLastRibOfPanel, bool combEndsAtLastRib) const;
};

#pragma once

#include <vector>

class Rectangle3D;
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

    // The body of a comb that reaches to the building tab line, waiting for
    // the tab line: that comes from the height range of the whole panel,
    // known only once every rib is cut. The body is in the rib's comb parts
    // already, with its corners on the line still to be placed and its gaps
    // still to be taken off.
    struct PendingBody {
        Rectangle3D* part;
        bool below;
        float front;
        float rear;
        float scale;
    };

    // topLine and bottomLine are in mm; scale is the wing root chord in mm.
    // firstRibChord is accepted for symmetry with the spar modifiers. With
    // pendingBodies, a comb that reaches to the building tab line leaves its
    // body there instead, and the lines are not read.
    void apply(RibDefinition& rib, int ribNumber, const RibCombData& comb, float firstRibChord,
               const RibDefinition& firstRib, const RibDefinition& lastRib, float topLine, float bottomLine,
               float scale, bool isLastRibOfPanel, bool combEndsAtLastRib,
               std::vector<PendingBody>* pendingBodies = nullptr) const;
    // Finishes a waiting body as apply would have with these lines.
    static void finishBody(const PendingBody& body, float topLine, float bottomLine);
};

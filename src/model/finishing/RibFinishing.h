#pragma once

#include <vector>

#include "model/RibDefinition.h"
#include "model/finishing/OutlinePieces.h"

class Vector3D;

// The finishing of a rib once every modifier has cut it: the one way every
// rib takes, its passes in a fixed order (ARCHITECTURE.md lists them with
// what each mends). Each pass only takes wood off and leaves nothing
// narrower than 0.5 mm; a rib the sheets leave nothing buildable of is
// emptied and marked as consumed, for the outputs to tell. A last check on
// every finished outline finds what the passes have left against those
// rules and marks it on the rib (RibDefinition::outlineFault), so that no
// faulty outline is handed on as sound. Where the sheets or a spar's slot
// part the rib, each piece with wood is finished as a rib of its own and
// kept beside the outline (its largest piece).
class RibFinishing
{
public:
    using PointList = std::vector<Vector3D*>;

    // scale is the wing root chord in mm.
    static void finish(RibDefinition& rib, float scale);
    // The outline passes alone: crossed pairs joined, the outline cleaned
    // (see OutlineCleanup). The outline points still carry the sheets'
    // shift afterwards.
    static void finishOutline(RibDefinition& rib, float scale);

    // The last check, run by finish on every outline it leaves: tells what
    // is left wrong (see the definition). frontMoved tells that the passes
    // after the outline passes moved the rib's front end.
    static RibDefinition::OutlineFault lastCheck(RibDefinition& rib, float scale, bool frontMoved);

private:
    // passed, where given, gets the outlines the cleanup shows to pass the
    // last look's search.
    static void finishOutline(RibDefinition& rib, float scale, OutlinePieces::Passed* passed);
    // The sheets' passes over the rib's outline and its pieces: a piece
    // they leave nothing to build of goes, the largest left becomes the
    // outline. Tells whether they moved the outline's front end.
    static bool finishSheetedRib(RibDefinition& rib, float scale);
    // The same for one outline: true where the sheets leave nothing of it
    // to build, and it is emptied; frontMoved as above. A further piece
    // (piece) is judged as the pass that parted it judged it: kept where it
    // holds a stretch of wood (see BuildableWood).
    static bool finishSheeted(PointList& outline, const RibDefinition::PartList& bands, float scale,
                              bool& frontMoved, bool piece);
    // No outline or piece may cross or touch itself: where parting it mends
    // that, the pieces are kept, each on its own; otherwise the rib is
    // marked, to be told.
    static void partWhereCrossed(RibDefinition& rib, float scale, const OutlinePieces::Passed& passed);
    static bool plainlyHoldsWood(const PointList& outline, float scale);
    // Whether what the sheets left of the rib is nothing a builder could
    // cut, for a rib that holds covering.
    static bool consumedBySheets(const PointList& outline, float scale);
};

#pragma once

class OutlineCleanup;

// Where the sheets of both sides have met ahead of the trailing edge, the
// rib ends at their meeting point, where its outline closes: what they
// leave narrower than 0.5 mm up to that point runs through the closing
// place, which the corners of a trailing edge never do, so the search for
// narrow features between corners in order never meets it. A pass of the
// outline cleanup.
class NarrowEnd
{
public:
    // Takes off at most one such feature, on the runs and corners as the
    // cleanup last found them, and tells whether it did. Only what stands
    // out of the rib is taken, and cut back to where it is 0.5 mm thick:
    // taken off along its root, a notch would be filled with wood where the
    // sheets lie. A feature that is most of what is left, or one of a rib
    // on average narrower than 0.5 mm, stays, for the finishing to weigh
    // whether anything of the rib is buildable.
    static bool takeOff(OutlineCleanup& cleanup);

private:
    // Whether both sides of the feature between the runs first and last run
    // out from its root to its tip without turning back, so that it can be
    // cut across: the end of a web between two slots, crossed by a column
    // of wood along the slots' walls, is no tongue, and a cut across it
    // would take that column too.
    static bool plainTongue(const OutlineCleanup& cleanup, int first, int last);

    // Where the end's root is narrower than 0.5 mm already (the lip of the
    // step where the start faces of two sheets meet, on the end of a web
    // between two slots), a bevel across the root would leave the end face
    // bent in at one corner: a notch that reads with the floors' ends as a
    // narrow feature. The face that leads into one corner is run straight
    // on across the end to the way out of the other, so the end is cut
    // flush with it. Tells whether it did; wood only goes, and neither
    // corner moves by as much as 0.5 mm.
    static bool cutOnAlongFace(OutlineCleanup& cleanup, int first, int last, double whole);
};

#pragma once

class OutlineCleanup;

// Where the sheets of both sides have met ahead of the trailing edge, the
// rib ends on their two start faces, and where those meet they may leave a
// step a hair wide across the end: a notch a cutter cannot follow, whose
// lip reads with the slot floor ahead of it as a wall narrower than 0.5 mm.
// The lip is trimmed off along a bevel from the step's inner corner down
// the other face, which only takes wood off. A pass of the outline cleanup.
class FaceStep
{
public:
    // Trims such a step where the outline closes, on the runs as the
    // cleanup last found them, and tells whether it did.
    static bool trim(OutlineCleanup& cleanup);
};

#pragma once

class OutlineCleanup;

// Where the outline crosses itself, the stretch between the two crossing
// segments is a loop turned inside out: both sheets have sunk a thin nose
// or tail through each other. The shorter side of the crossing (the loop,
// not the rib) goes to the crossing point, so the rib ends where the two
// sunken surfaces meet. Where neither side is turned, the sheets or a slot
// have parted the rib, and the larger piece stays (see SheetMeeting). A
// pass of the outline cleanup.
class LoopCut
{
public:
    // Cuts at most one loop, or parts the rib at one meeting, on the runs
    // as the cleanup last found them, and tells whether it did. The search
    // starts near where the last cut was found.
    static bool cut(OutlineCleanup& cleanup);
};

#pragma once

class OutlineCleanup;

// Two cuts side by side (a spar's slot and a comb's slot beside it, a
// slot's wall and a sheet band's end face) may leave a tongue between
// their walls narrower than 0.5 mm: its tip a short face between two sharp
// corners, its sides two straight walls that run back from it side by
// side. Where one wall is shorter and ends on a floor that turns away, the
// corners at the tongue's root lie farther apart than the tongue is tall,
// so the search for narrow features between close corners never meets it.
// The tongue is taken off down to the shorter wall's foot, cut across to
// the other wall there, which only takes wood off. A pass of the outline
// cleanup.
class NarrowTongue
{
public:
    // Takes off at most one such tongue, on the runs and corners as the
    // cleanup last found them, and tells whether it did.
    static bool takeOff(OutlineCleanup& cleanup);
};

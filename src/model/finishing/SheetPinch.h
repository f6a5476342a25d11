#pragma once

#include <vector>

class IdentifiableObject;
class OutlinePieces;
class OutlineRuns;
class Vector3D;

// Sheets of both sides that come closer than 0.5 mm inside a rib and part
// again, without meeting, leave a web no builder can cut: the rib is parted
// there as where they meet (see SheetMeeting), the larger piece kept and
// ended where it is 0.5 mm thick. So is a web one sheet leaves against the
// bare surface across where the bare rib was 0.5 mm thick (a band held at
// the camber line, ending where the section is under 1 mm thick): beyond
// it no sheets meet, so a piece thinner than 0.5 mm on average there is no
// taper to their meeting point, and goes. One walk along the outline's
// runs, sunk by sheets of opposite sides (or by one, across from the bare
// surface), finds where they come nearest each other; the bands' inner
// faces, as the sheets left them before any slot was cut, tell which of
// those are the sheets' own: a slot's floor that comes as close to the
// other side's sheet is the spar's. Most ribs' bands are told apart by
// their extents alone, and however many bands lie over one another, the
// search grows with the outline.
class SheetPinch
{
public:
    using PointList = std::vector<Vector3D*>;
    using PartList = std::vector<IdentifiableObject*>;

    // bands are the rib's covering polygons (each a sheet's outer surface,
    // then its inner face backwards), or none; scale is the wing root chord
    // in mm. sparParts are the rib's square spar parts: where a slot stands
    // at the place two bands pinch the rib, what is left there is the
    // spar's web, and the rib is left as it is there. Where both pieces
    // have wood, the smaller goes to pieces, where given, to be cut on its
    // own.
    SheetPinch(PointList& outline, const OutlineRuns& runs, const PartList* bands, float scale,
               const PartList* sparParts = nullptr, OutlinePieces* pieces = nullptr);

    // Parts the rib at one place where the sheets still pinch it, on the
    // runs as last found and closed, and tells whether it did.
    bool part();

private:
    struct Place {
        float x;
        float y;
        float width;
        bool oneSheet;
    };
    void findPlaces();
    // Whether run segments s and t (each from its run to the next) are a
    // sheet's inner face, sunk towards the other, and the bare surface
    // across, that lay at least the limit apart before the sheet sank.
    bool oneSheetAcross(int s, int t) const;
    // Whether one sheet may leave the rib thinner than the limit between
    // stations from and to, against the bare surface across: a quick look
    // along the chord, both sides from the nose (the run farthest forwards).
    bool oneSheetMayPinch(float from, float to, int nose) const;
    bool partAt(const Place& place);

    PointList& outline;
    const OutlineRuns& runs;
    const PartList* bands;
    float scale;
    const PartList* sparParts;
    OutlinePieces* pieces;
    bool searched = false;
    bool oneSheet = false;
    std::vector<Place> places;
};

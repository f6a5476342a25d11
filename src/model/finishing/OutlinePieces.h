#pragma once

#include <list>
#include <vector>

class IdentifiableObject;
class Vector3D;

// The pieces a rib comes out in where the sheets of both sides or a spar's
// slot part it, and the last look at every finished outline: none may cross
// or touch itself. A piece is a closed outline of its own with the point
// count and order of the rib's outline, the points of the rest of the rib
// lying on the piece's end, so that whatever reads an outline by its points
// in Selig order reads a piece alike.
class OutlinePieces
{
public:
    using PointList = std::vector<Vector3D*>;
    using PartList = std::vector<IdentifiableObject*>;

    // More pieces than this in one rib are no design a builder would make;
    // beyond it a parting keeps the larger piece alone, as it once did.
    static constexpr int mostPieces = 16;

    OutlinePieces() = default;
    OutlinePieces(const OutlinePieces&) = delete;
    OutlinePieces& operator=(const OutlinePieces&) = delete;
    ~OutlinePieces();

    // A copy of outline as it is before it is parted, kept here, for the
    // parting to end as the piece the outline gives up; null where the rib
    // has as many pieces as it may have.
    PointList* copyOf(const PointList& outline);
    // Lets go of the last copy again, where the parting did not happen.
    void forgetLast();
    void partedBySheets() { bySheets = true; }
    void partedBySlot(int id)
    {
        if (slotId == 0) {
            slotId = id;
        }
    }

    // The square spar slot (a part of kind 2) whose extent, widened by reach
    // all round, holds (x, y), the nearest where several do: its part id;
    // 0 where none does.
    static int slotAt(const PartList* sparParts, float x, float y, float reach);

    // What the last look found: the outline was simple, or was parted into
    // simple pieces (the outline keeps the largest, further gets the
    // others), or crosses itself in a way no parting mends (left as it is).
    enum class Check { Simple, Parted, Crossed };
    // Parts the outline where it crosses or touches itself (points or
    // segments within 0.001 mm; a point repeated in a row is one point), as
    // long as that leaves simple pieces that each run round the same way as
    // the rib. A piece on average narrower than 0.5 mm there is a sliver and
    // goes. Where parted, where tells the first place it was parted at.
    // Given the rib's square spar parts, a web narrower than a saw's kerf
    // that a slot leaves parts the rib as well: no builder keeps it whole.
    static Check makeSimple(PointList& outline, std::vector<PointList>& further, float scale,
                            Vector3D* where = nullptr, const PartList* sparParts = nullptr);
    // Whether the outline crosses or touches itself as above.
    static bool crossesItself(const PointList& outline, float scale, const PartList* sparParts = nullptr);
    // The narrowest web a slot may leave, in mm.
    static constexpr float kerfMm = 0.01f;

    // The pieces parted off so far, in the order they were; their points
    // are owned here until taken.
    std::list<PointList> pieces;
    bool bySheets = false;
    int slotId = 0;
};

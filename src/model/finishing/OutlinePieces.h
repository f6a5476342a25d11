#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "foundation/CloseSegments.h"

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

    // Outlines of one rib (one scale, one set of spar parts) shown to pass
    // the look of crossesItself, each as it was then: an outline that is
    // still the same, point for point, passes again without a search. The
    // cleanup's own search for crossings shows it on the way (see RunLook).
    class Passed
    {
    public:
        // Forgets every outline kept, for the next rib.
        void clear();
        // Keeps the outline as it is now; what was kept of it before goes.
        // Nothing is kept where memory runs short: the look searches then.
        void add(const PointList& outline) noexcept;
        // Whether the outline is one kept, unchanged since.
        bool holds(const PointList& outline) const;

    private:
        struct Kept {
            const void* key;
            size_t size;
            size_t first;
        };
        std::vector<Kept> kept;
        // The bits of every kept point's x and y, outline after outline, up
        // to used; the room beyond is kept for the next rib.
        std::vector<std::uint64_t> bits;
        size_t used = 0;
    };
    // Whether the outline crosses or touches itself, where it is not one
    // passed holds.
    static bool crossesItself(const PointList& outline, float scale, const PartList* sparParts, const Passed& passed);

    // The tests the look of crossesItself makes, over runs of the outline
    // found elsewhere: count runs starting at the outline indices starts,
    // and their points, then the first again. They are the look's own runs
    // where they hold the points of the outline it would gather, its first
    // point first (see matches); the search for crossings of the cleanup
    // then asks them of the pairs it is offered, with the look's margin.
    class RunLook
    {
    public:
        RunLook(const PointList& outline, float scale, const PartList* sparParts);
        void setRuns(const int* starts, const CloseSegments::Point* points, int count);
        // Whether the runs' first point is the outline's first, bit for bit:
        // the look keeps it for the first run, the point it starts at apart.
        bool firstIsOutlineFirst() const;
        // The margin of the look's search for segments close together.
        float margin() const { return sparParts && !sparParts->empty() ? kerf : touch; }
        // Whether the way on from run r runs back along the way in, by less
        // than 0.001 mm: the segments either side of it (low < high) and the
        // end point the shorter goes to.
        bool foldAt(int r, int& low, int& high, Vector3D& at) const;
        // Whether the outline folds so at the first run, the last, or one
        // of runs: those are all the runs that may turn back.
        bool foldsAtAny(const std::vector<int>& runs) const;
        // Whether segments low and high (low < high, no neighbours), which
        // neither cross nor touch within 0.001 mm, touch within a kerf at a
        // slot, farther apart along the outline than the slot's reach: a
        // web no builder keeps.
        bool webAt(int low, int high, Vector3D& at) const;
        // Whether segments low and high stop the look.
        bool stopsAt(int low, int high, Vector3D& at) const;

    protected:
        int count() const { return runCount; }
        const CloseSegments::Point& point(int r) const { return points[size_t(((r % runCount) + runCount) % runCount)]; }
        const Vector3D& runPoint(int r) const
        {
            return *outline[size_t(starts[size_t(((r % runCount) + runCount) % runCount)])];
        }
        // Whether the way along the outline from segment low to segment high
        // is at least way long, both ways round.
        bool apartAlong(int low, int high, float way) const;

        const PointList& outline;
        float touch;
        const PartList* sparParts;
        float kerf;
        float slotReach;
        const int* starts = nullptr;
        const CloseSegments::Point* points = nullptr;
        int runCount = 0;
    };
    // Whether the extents of segments ab and cd lie farther apart than
    // reach, past what rounding could close: such segments neither cross
    // nor touch within reach as SegmentGeometry finds it.
    static bool extentsApart(const Vector3D& a, const Vector3D& b, const Vector3D& c, const Vector3D& d, float reach);
    // The narrowest web a slot may leave, in mm.
    static constexpr float kerfMm = 0.01f;

    // The pieces parted off so far, in the order they were; their points
    // are owned here until taken.
    std::list<PointList> pieces;
    bool bySheets = false;
    int slotId = 0;
};

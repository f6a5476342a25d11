#include "model/finishing/RibFinishing.h"

#include <algorithm>
#include <cmath>

#include "foundation/IdentifiableObject.h"
#include "foundation/SegmentGeometry.h"
#include "foundation/Vector3D.h"
#include "foundation/Vertex.h"
#include "model/RibDefinition.h"
#include "model/finishing/BuildableWood.h"
#include "model/finishing/OutlineCleanup.h"
#include "model/finishing/OutlinePieces.h"
#include "model/finishing/SheetStartFace.h"
#include "model/finishing/SheetedNose.h"

namespace {

// The front end's points, kept per thread so that the last check costs no
// allocation once the first rib has sized them.
std::vector<CloseSegments::Point>& threadFrontEnd()
{
    thread_local std::vector<CloseSegments::Point> frontEnd;
    return frontEnd;
}

// Twice the area an outline encloses, whichever way it runs.
double enclosedTwice(const RibDefinition::PointList& outline)
{
    double sum = 0.0;
    for (size_t i = 0; i < outline.size(); ++i) {
        const Vector3D& a = *outline[i];
        const Vector3D& b = *outline[(i + 1) % outline.size()];
        sum += double(a.getX()) * b.getY() - double(b.getX()) * a.getY();
    }
    return std::fabs(sum);
}

} // namespace

void RibFinishing::finish(RibDefinition& rib, float scale)
{
    // An outline the passes after the cleanup leave as the cleanup showed
    // it to pass the look for crossings is not searched again.
    // Kept per thread, so that it costs no allocation once the first rib
    // has sized it; finishing a rib calls for no other.
    thread_local OutlinePieces::Passed passed;
    passed.clear();
    finishOutline(rib, scale, &passed);
    bool frontMoved = false;
    if (rib.getCoveringPolygons().empty()) {
        rib.setConsumedBySheets(false);
    } else {
        frontMoved = finishSheetedRib(rib, scale);
    }
    partWhereCrossed(rib, scale, passed);
    rib.setOutlineFault(lastCheck(rib, scale, frontMoved));
}

void RibFinishing::finishOutline(RibDefinition& rib, float scale)
{
    finishOutline(rib, scale, nullptr);
}

void RibFinishing::finishOutline(RibDefinition& rib, float scale, OutlinePieces::Passed* passed)
{
    const bool sheeted = !rib.getCoveringPolygons().empty();
    OutlinePieces parted;
    OutlineCleanup cleanup(rib.getRibCoords(), rib.getCamberLineCoords(), scale, sheeted, &rib.getCoveringPolygons(),
                           &rib.getSquareSparParts());
    cleanup.collectPiecesInto(&parted);
    cleanup.notePassedInto(passed);
    cleanup.finishOutline();
    // Each piece parted off is cleaned as a rib of its own, and may part
    // again; the list grows behind the piece being cleaned.
    for (auto it = parted.pieces.begin(); it != parted.pieces.end(); ++it) {
        OutlineCleanup pieceCleanup(*it, rib.getCamberLineCoords(), scale, sheeted, &rib.getCoveringPolygons(),
                                    &rib.getSquareSparParts());
        pieceCleanup.collectPiecesInto(&parted);
        pieceCleanup.notePassedInto(passed);
        pieceCleanup.cleanOutline();
    }
    std::vector<PointList>& pieces = rib.getFurtherPieces();
    for (PointList& piece : parted.pieces) {
        pieces.push_back(std::move(piece));
    }
    parted.pieces.clear();
    rib.setParting(parted.bySheets, parted.slotId);
}

bool RibFinishing::finishSheetedRib(RibDefinition& rib, float scale)
{
    bool frontMoved = false;
    // The outline of a parted rib is one of its pieces, and judged alike.
    std::vector<PointList>& pieces = rib.getFurtherPieces();
    bool consumed = finishSheeted(rib.getRibCoords(), rib.getCoveringPolygons(), scale, frontMoved, !pieces.empty());
    // A piece the sheets or a slot parted off is kept where it has wood a
    // builder can cut, and goes as a consumed rib would where not.
    for (size_t k = pieces.size(); k-- > 0;) {
        bool pieceMoved = false;
        if (finishSheeted(pieces[k], rib.getCoveringPolygons(), scale, pieceMoved, true)) {
            pieces.erase(pieces.begin() + std::ptrdiff_t(k));
        }
    }
    // A rib the sheets consume keeps only pieces that hold wood on
    // average: one kept only for a stretch of wood beside the rib goes with
    // it, and the rib is told as consumed.
    size_t largest = pieces.size();
    if (consumed) {
        for (size_t k = 0; k < pieces.size(); ++k) {
            if ((plainlyHoldsWood(pieces[k], scale) || !consumedBySheets(pieces[k], scale))
                && (largest == pieces.size() || enclosedTwice(pieces[k]) > enclosedTwice(pieces[largest]))) {
                largest = k;
            }
        }
        if (largest == pieces.size()) {
            for (PointList& piece : pieces) {
                Vector3D::clearList(piece);
            }
            pieces.clear();
        }
    }
    if (consumed && !pieces.empty()) {
        // The outline is the largest piece that is left; its front end is
        // looked at again, wherever the passes left it.
        rib.getRibCoords().swap(pieces[largest]);
        pieces.erase(pieces.begin() + std::ptrdiff_t(largest));
        consumed = false;
        frontMoved = true;
    }
    if (pieces.empty()) {
        rib.setParting(false, 0);
    }
    rib.setConsumedBySheets(consumed);
    return frontMoved;
}

// The passes that read the sheets' shift of the surface, which the outline
// points carry up to here: it tells where the sheets of both sides meet,
// and is no part of the finished rib. Both passes that may follow the
// consumed test work on the outline's front end.
bool RibFinishing::finishSheeted(PointList& outline, const RibDefinition::PartList& bands, float scale,
                                 bool& frontMoved, bool piece)
{
    const bool startMoved = SheetStartFace::clearLastNormal(outline, bands, scale);
    // Sheets thicker than what they cover leave no rib, or a sliver no one
    // can cut: the rib is left out, and says so, rather than cut as a
    // fragment.
    // A piece thin on average that holds a stretch of wood to build all the
    // same is kept, as the pass that parted it kept it.
    const bool consumed = scale > 0.0f && !plainlyHoldsWood(outline, scale) && consumedBySheets(outline, scale)
                          && !(piece && BuildableWood::heldBy(outline, scale));
    if (consumed) {
        Vector3D::clearList(outline);
        frontMoved = false;
        return true;
    }
    // Only once the rib is known to be kept: a thin nose cut off a rib the
    // sheets consume would leave a fragment that reads as buildable.
    const bool noseMoved = SheetedNose::endWhereThick(outline, scale);
    for (Vector3D* point : outline) {
        point->setAux(0.0f, 0.0f);
    }
    frontMoved = startMoved || noseMoved;
    return false;
}

void RibFinishing::partWhereCrossed(RibDefinition& rib, float scale, const OutlinePieces::Passed& passed)
{
    const RibDefinition& seen = rib;
    const RibDefinition::PartList& sparParts = seen.getSquareSparParts();
    bool faulty = OutlinePieces::crossesItself(seen.getRibCoords(), scale, &sparParts, passed);
    for (const PointList& piece : seen.getFurtherPieces()) {
        faulty = faulty || OutlinePieces::crossesItself(piece, scale, &sparParts, passed);
    }
    if (!faulty) {
        return;
    }
    std::vector<PointList> further;
    // Pieces not yet handed to the rib when an allocation fails are ours
    // to free; those handed on are left empty by the move.
    struct FreeLeftOver {
        std::vector<PointList>& pieces;
        ~FreeLeftOver()
        {
            for (PointList& piece : pieces) {
                Vector3D::clearList(piece);
            }
        }
    } freeLeftOver{further};
    Vector3D where;
    bool crossed = OutlinePieces::makeSimple(rib.getRibCoords(), further, scale, &where, &sparParts)
                   == OutlinePieces::Check::Crossed;
    const size_t before = rib.getFurtherPieces().size();
    for (size_t k = 0; k < before; ++k) {
        crossed = OutlinePieces::makeSimple(rib.getFurtherPieces()[k], further, scale, nullptr, &sparParts)
                      == OutlinePieces::Check::Crossed
                  || crossed;
    }
    if (!further.empty()) {
        const bool wasParted = before > 0;
        const bool bySheets = rib.partedBySheets();
        const int slot = rib.partingSlotId();
        std::vector<PointList>& pieces = rib.getFurtherPieces();
        pieces.reserve(pieces.size() + further.size());
        for (PointList& piece : further) {
            pieces.push_back(std::move(piece));
        }
        if (!wasParted) {
            const int slotHere = OutlinePieces::slotAt(&sparParts, where.getX(), where.getY(), 0.5f / scale);
            rib.setParting(slotHere == 0 && !rib.getCoveringPolygons().empty(), slotHere);
        } else {
            rib.setParting(bySheets, slot);
        }
    }
    rib.setOutlineCrossed(crossed);
}

// Twice the outline's area and its way round along both axes (never
// shorter than the way itself): a rib holding twice the area a 0.5 mm
// strip round it would, well beyond what rounding the sums in float could
// change, plainly has wood left. Only the others are measured with care.
bool RibFinishing::plainlyHoldsWood(const PointList& outline, float scale)
{
    float area = 0.0f;
    float manhattan = 0.0f;
    if (!outline.empty()) {
        float lastX = outline.back()->getX();
        float lastY = outline.back()->getY();
        for (Vector3D* point : outline) {
            const float x = point->getX();
            const float y = point->getY();
            const float dx = x - lastX;
            const float dy = y - lastY;
            // The trapezoid under each step, counted against the way it
            // runs, sums to twice the area enclosed counter-clockwise.
            area -= dx * (y + lastY);
            manhattan += std::fabs(dx) + std::fabs(dy);
            lastX = x;
            lastY = y;
        }
    }
    // An outline with no way round at all holds no area either: 0 >= 0
    // must not read as plainly having wood.
    return manhattan > 0.0f && area >= 2.0f * (0.5f / scale) * manhattan;
}

// The rules every pass keeps, checked once on the finished outline, so
// that they hold on sections no sweep has seen. In order:
// - simple: where the outline crosses or touches itself, it is parted into
//   its pieces; that check comes first, here, on the outline as the passes
//   left it;
// - nothing narrower than 0.5 mm: the outline passes end with none, and
//   the tail ends where it is 0.5 mm thick, but the start faces and the
//   nose of a sheeted rib, which follow, may leave one at the rib's front
//   end when they move it (frontMoved). The passes that take such features
//   off have run, and taking one off there would undo what the faces mend:
//   the rib is marked instead.
// A consumed rib has no outline to check. Whether a covered rib lies within
// the same rib built without covering needs that rib: the outline check of
// the benchmarks measures it.
RibDefinition::OutlineFault RibFinishing::lastCheck(RibDefinition& rib, float scale, bool frontMoved)
{
    RibDefinition::PointList& outline = rib.getRibCoords();
    if (!frontMoved || !(scale > 0.0f) || outline.empty()) {
        return RibDefinition::OutlineFault::None;
    }
    // A feature's corners lie within 2 mm of each other: one of them lies
    // within that of the front end's points where the feature is the
    // faces'.
    const float reach = 2.0f / scale;
    float front = outline.front()->getX();
    for (const Vector3D* point : outline) {
        front = std::min(front, point->getX());
    }
    std::vector<CloseSegments::Point>& frontEnd = threadFrontEnd();
    frontEnd.clear();
    for (const Vector3D* point : outline) {
        if (point->getX() <= front + reach) {
            frontEnd.push_back({point->getX(), point->getY()});
        }
    }
    if (OutlineCleanup(outline, rib.getCamberLineCoords(), scale).narrowFeatureNear(frontEnd, reach)) {
        return RibDefinition::OutlineFault::NarrowFeature;
    }
    return RibDefinition::OutlineFault::None;
}

// Whether what the sheets left of a rib is nothing a builder could cut: no
// three points apart, or on average narrower than 0.5 mm (twice its area
// less than its way round times 0.5 mm). The area counts as the outline
// runs, trailing edge, upper side, nose, lower side: what the sheets of
// both sides have turned inside out counts against the rib. Points within
// 0.001 mm of the one before are one, and so are the two ends of a closed
// trailing edge.
bool RibFinishing::consumedBySheets(const PointList& outline, float scale)
{
    const double same = 0.001 / double(scale);
    auto apart = [same](const Vector3D& a, const Vector3D& b) {
        return std::fabs(double(a.getX()) - b.getX()) > same || std::fabs(double(a.getY()) - b.getY()) > same;
    };
    size_t end = outline.size();
    if (end == 0) {
        return true;
    }
    while (end > 1 && !apart(*outline[end - 1], *outline[0])) {
        --end;
    }
    const Vector3D* first = outline[0];
    const Vector3D* last = first;
    int passes = 1;
    double area = 0.0;
    // The way round measured along both axes is never shorter than the way
    // itself: most ribs are shown buildable by it, with no root taken.
    double manhattan = 0.0;
    double way = 0.0;
    for (size_t i = 1; i < end; ++i) {
        const Vector3D* p = outline[i];
        if (!apart(*last, *p)) {
            continue;
        }
        ++passes;
        area += double(last->getX()) * p->getY() - double(p->getX()) * last->getY();
        manhattan += std::fabs(double(p->getX()) - last->getX()) + std::fabs(double(p->getY()) - last->getY());
        last = p;
    }
    if (passes < 3) {
        return true;
    }
    area += double(last->getX()) * first->getY() - double(first->getX()) * last->getY();
    manhattan += std::fabs(double(first->getX()) - last->getX()) + std::fabs(double(first->getY()) - last->getY());
    const double limit = 0.5 / double(scale);
    if (area >= limit * manhattan) {
        return false;
    }
    last = first;
    for (size_t i = 1; i < end; ++i) {
        const Vector3D* p = outline[i];
        if (apart(*last, *p)) {
            way += std::hypot(double(p->getX()) - last->getX(), double(p->getY()) - last->getY());
            last = p;
        }
    }
    way += std::hypot(double(first->getX()) - last->getX(), double(first->getY()) - last->getY());
    return area < limit * way;
}

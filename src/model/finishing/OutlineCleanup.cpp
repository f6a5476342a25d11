#include "model/finishing/OutlineCleanup.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "foundation/SegmentGeometry.h"
#include "foundation/Vector3D.h"
#include "model/finishing/FaceStep.h"
#include "model/finishing/LoopCut.h"
#include "model/finishing/NarrowEnd.h"
#include "model/finishing/NarrowTongue.h"
#include "model/finishing/OutlineNeck.h"
#include "model/finishing/SheetedTail.h"

namespace {

constexpr float samePointMm = OutlineRuns::samePointMm;

void setCoordinates(Vector3D& point, const Vector3D& from)
{
    point.set(from.getX(), from.getY(), from.getZ());
}

// Working lists of the passes, kept per thread so that finishing a rib
// costs no allocation once the first rib has sized them.
std::vector<int>& threadCorners()
{
    thread_local std::vector<int> corners;
    return corners;
}

OutlineRuns& threadOutlineRuns()
{
    thread_local OutlineRuns runs;
    return runs;
}

std::vector<OutlineCleanup::Span>& threadSpans(int which)
{
    thread_local std::vector<OutlineCleanup::Span> spans[2];
    return spans[which];
}

CloseSegments& threadCloseSegments()
{
    thread_local CloseSegments closeSegments;
    return closeSegments;
}

std::vector<AngleInfo>& threadTurns()
{
    thread_local std::vector<AngleInfo> turns;
    return turns;
}

} // namespace

OutlineCleanup::OutlineCleanup(PointList& outline, const PointList& camberLine, float scale, bool sheeted,
                               const SheetPinch::PartList* bands, const SheetPinch::PartList* sparParts)
    : outline(outline), camberLine(camberLine), scale(scale), sheeted(sheeted), bands(bands), sparParts(sparParts),
      runs(threadOutlineRuns()), runStarts(runs.starts), sweep(threadSpans(0)), merged(threadSpans(1)),
      runPoints(runs.points), corners(threadCorners()), closeSegments(threadCloseSegments()) {}

void OutlineCleanup::collectTurns(const PointList& outline, std::vector<AngleInfo>& turns, float scale)
{
    OutlineRuns::collectTurns(outline, turns, scale);
}

float OutlineCleanup::camberYAt(const PointList& camberLine, float x)
{
    if (camberLine.size() < 2) {
        return 0.0f;
    }
    for (size_t j = 1; j < camberLine.size(); ++j) {
        const Vector3D& behind = *camberLine[j - 1];
        const Vector3D& here = *camberLine[j];
        if (here.getX() == x) {
            return here.getY();
        }
        if (x > here.getX()) {
            const float dx = behind.getX() - here.getX();
            if (dx == 0.0f) {
                return here.getY();
            }
            return here.getY() + (x - here.getX()) * (behind.getY() - here.getY()) / dx;
        }
    }
    return 0.0f;
}

void OutlineCleanup::finishOutline()
{
    if (!(scale > 0.0f)) {
        return;
    }
    joinCrossedPairs();
    cleanOutline();
}

void OutlineCleanup::cleanOutline()
{
    // Without a scale there is no millimetre to measure the faults against.
    if (!(scale > 0.0f)) {
        return;
    }
    if (outline.empty()) {
        return;
    }
    loopReachKnown = false;
    // The trailing edge as the modifiers left it.
    endX[0] = outline.front()->getX();
    endY[0] = outline.front()->getY();
    endX[1] = outline.back()->getX();
    endY[1] = outline.back()->getY();
    const float bareEnd = endY[0] - outline.front()->getAuxB() - (endY[1] - outline.back()->getAuxB());
    // One walk along the outline finds its runs and where it may turn
    // sharply. Where the runs are the points the turn list keeps, the turn
    // list is taken from them; where the turns leave the outline as it was,
    // so are the first pass's runs and corners.
    std::vector<AngleInfo>& turns = threadTurns();
    if (runs.gather(outline, scale)) {
        runs.turnsOfRuns(turns);
    } else {
        collectTurns(outline, turns, scale);
    }
    int first = 0;
    int last = -1;
    if (flattenNarrowTurns(turns, first, last)) {
        runs.gatherAgain(outline, scale, first, last);
    }
    runs.close(outline, scale);
    bool gathered = true;
    // Each pass mends one fault and may uncover the next; every pass makes
    // a point one with its neighbours, so they end within the point count.
    const int most = int(outline.size());
    SheetPinch pinch(outline, runs, bands, scale, sparParts, pieces);
    // After a loop is cut, the next is searched for at once: where LoopCut
    // finds one, so does the quicker search for segments that may cross.
    bool loopCut = false;
    for (int pass = 0; pass < most; ++pass) {
        if (!gathered) {
            if (movedKnown) {
                runs.collectAgain(outline, scale, movedFirst, movedLast);
            } else {
                collectRuns();
            }
        }
        movedKnown = false;
        if ((loopCut || mayCross()) && !runs.plainlyUncrossed(scale) && LoopCut::cut(*this)) {
            gathered = false;
            loopCut = true;
            continue;
        }
        loopCut = false;
        if (gathered) {
            runs.cornersOfSharpRuns(corners);
        } else {
            runs.collectCorners(corners);
        }
        gathered = false;
        if (lookSearchPassed) {
            // Only a corner can fold, and a run at either end.
            OutlinePieces::RunLook look(outline, scale, sparParts);
            look.setRuns(runStarts.data(), runPoints.data(), int(runStarts.size()));
            if (!look.foldsAtAny(corners)) {
                passed->add(outline);
            }
            lookSearchPassed = false;
        }
        if (!foldReversal() && !takeOffNarrowFeature() && !NarrowEnd::takeOff(*this) && !FaceStep::trim(*this)
            && !(sheeted
                 && (OutlineNeck::trimSmallNose(outline, runs, corners, scale, pieces)
                     || OutlineNeck::trimThinTail(outline, runs, corners, scale) || pinch.part()))
            && !NarrowTongue::takeOff(*this)) {
            break;
        }
    }
    if (sheeted) {
        SheetedTail::endWhereThick(outline, scale, bareEnd);
    }
}

bool OutlineCleanup::narrowFeatureNear(const std::vector<CloseSegments::Point>& near, float reach)
{
    if (!(scale > 0.0f) || outline.size() < 4 || near.empty()) {
        return false;
    }
    collectRuns();
    runs.collectCorners(corners);
    const float limit = 0.5f / scale;
    const float rootLimit = 16.0f * limit * limit;
    const float reachSquared = reach * reach;
    const CloseSegments::Point* const p = runPoints.data();
    auto isNear = [&](const CloseSegments::Point& q) {
        for (const CloseSegments::Point& m : near) {
            const float dx = q.x - m.x;
            const float dy = q.y - m.y;
            if (dx * dx + dy * dy <= reachSquared) {
                return true;
            }
        }
        return false;
    };
    // As takeOffNarrowFeature searches, over the same few corners.
    const size_t span = 8;
    double sense = 0.0;
    for (size_t a = 0; a < corners.size(); ++a) {
        const CloseSegments::Point& f = p[corners[a]];
        const bool fNear = isNear(f);
        for (size_t b = std::min(corners.size() - 1, a + span); b > a; --b) {
            const CloseSegments::Point& g = p[corners[b]];
            const float dx = f.x - g.x;
            const float dy = f.y - g.y;
            if (dx * dx + dy * dy >= rootLimit || !(fNear || isNear(g))) {
                continue;
            }
            bool wholeEnd = false;
            if (narrowBetween(corners[a], corners[b], sense, wholeEnd)) {
                return true;
            }
        }
    }
    return false;
}

// Where slots cut from both sides have passed each other, the lower surface
// lies above the upper one: the points opposite each other there meet at
// their mean. The rib's ends are no such place. Where the surfaces have met
// at the nose or the trailing edge (sheets sunk through a thin end), the
// pairs from the end on are crossed, or thinner than the finishing limit up
// to where they cross, and are left for the loops to be cut where the
// surfaces meet: joined at the mean of points that do not lie opposite each
// other, a one-side sheeted nose would stand out of the bare surface of the
// other side, and a crossed tail would end off both its surfaces.
void OutlineCleanup::joinCrossedPairs()
{
    const size_t n = outline.size();
    const size_t half = n / 2;
    const float limit = 0.5f / scale;
    auto thin = [&](size_t i) { return outline[n - 1 - i]->getY() > outline[i]->getY() - limit; };
    // The pairs [first, last) lie between the two ends.
    size_t first = 0;
    while (first < half && thin(first)) {
        ++first;
    }
    size_t last = half;
    while (last > first && thin(last - 1)) {
        --last;
    }
    for (size_t i = first; i < last; ++i) {
        Vector3D& upper = *outline[i];
        Vector3D& lower = *outline[n - 1 - i];
        if (lower.getY() > upper.getY()) {
            const float mean = (upper.getY() + lower.getY()) * 0.5f;
            upper.setY(mean);
            lower.setY(mean);
        }
    }
}

bool OutlineCleanup::flattenNarrowTurns(const std::vector<AngleInfo>& turns, int& first, int& last)
{
    const float limit = 0.5f / scale;
    const int m = int(turns.size());
    bool moved = false;
    if (m < 3) {
        return moved;
    }
    // The points moved, from first to last.
    auto movedPoints = [&](int from, int to) {
        first = moved ? std::min(first, from) : from;
        last = moved ? std::max(last, to) : to;
        moved = true;
    };
    auto pointOf = [&](int t) -> Vector3D& { return *outline[turns[t].getIndex()]; };
    auto turnOf = [&](int t) { return turns[t].getTurn(); };

    // Each repair mends one small fault, and must keep to it. Turns are only
    // collected where the outline bends sharply, so the turns next to each
    // other in the list may belong to different faults far apart: the two
    // ends of a sheet on either side of a smooth nose, the corners of a sheet
    // sunk into both surfaces. A fault's outline runs from corner to corner:
    // where the stretch between its first and last corner is longer than the
    // way from corner to corner by more than the limit, the outline bends
    // away between them, and the corners are not one fault.
    auto keepsToItsCorners = [&](std::initializer_list<int> corners) {
        float way = 0.0f;
        for (const int* corner = corners.begin() + 1; corner != corners.end(); ++corner) {
            way += pointOf(*(corner - 1)).distanceXY(pointOf(*corner));
        }
        float stretch = 0.0f;
        const int last = turns[*(corners.end() - 1)].getIndex();
        for (int k = turns[*corners.begin()].getIndex(); k < last; ++k) {
            stretch += outline[k]->distanceXY(*outline[k + 1]);
            if (stretch > way + limit) {
                return false;
            }
        }
        return true;
    };
    // A spike folds onto its root whatever its length, so its way back must
    // be one straight line: a gently curved surface between two reversals
    // (a whole sunk surface, say) is not a spike.
    const float straightness = 0.1f * limit;
    auto runsStraight = [&](int from, int to) {
        const Vector3D& a = pointOf(from);
        const Vector3D& b = pointOf(to);
        const int last = turns[to].getIndex();
        for (int k = turns[from].getIndex() + 1; k < last; ++k) {
            if (SegmentGeometry::distanceToSegmentXY(*outline[k], a, b) > straightness) {
                return false;
            }
        }
        return true;
    };

    int i = 0;
    while (i < m - 2) {
        if (turnOf(i) == 0) {
            // A ridge narrower than the limit at its top must be narrow at
            // its foot too.
            if (i < m - 3 && turnOf(i + 1) == 1 && turnOf(i + 2) == 1 && turnOf(i + 3) == 0
                && pointOf(i + 1).distanceXY(pointOf(i + 2)) < limit
                && pointOf(i).distanceXY(pointOf(i + 3)) < 2.0f * limit
                && keepsToItsCorners({i, i + 1, i + 2, i + 3})) {
                movedPoints(turns[i + 1].getIndex(), repairTurns(turns, i, i + 3));
                i += 3;
            } else if (turnOf(i + 1) == 3 && turnOf(i + 2) == 0
                       && pointOf(i).distanceXY(pointOf(i + 2)) < limit
                       && keepsToItsCorners({i, i + 1, i + 2})) {
                movedPoints(turns[i + 1].getIndex(), repairTurns(turns, i, i + 2));
                i += 2;
            } else {
                ++i;
            }
        } else if (turnOf(i) == 3 && turnOf(i + 1) == 3 && turns[i].getIndex() >= 1 && runsStraight(i, i + 1)) {
            // A spike out and back: fold it onto the point it grew from.
            const int start = turns[i].getIndex();
            int end = turns[i + 1].getIndex();
            const int last = int(outline.size()) - 1;
            while (end < last && *outline[end + 1] == *outline[end]) {
                ++end;
            }
            const Vector3D base(*outline[start - 1]);
            for (int k = start; k <= end; ++k) {
                setCoordinates(*outline[k], base);
            }
            movedPoints(start, end);
            ++i;
        } else {
            ++i;
        }
    }
    return moved;
}

// Moves the short stretch between the corners first and last flush with the
// corner that lies farther from the camber line.
int OutlineCleanup::repairTurns(const std::vector<AngleInfo>& turns, int first, int last)
{
    const int f = turns[first].getIndex();
    const int f1 = turns[first + 1].getIndex();
    const int l1 = turns[last - 1].getIndex();
    const int l = turns[last].getIndex();
    const int n = int(outline.size());

    const float da = std::fabs(outline[f]->getY() - camberYAt(camberLine, outline[f]->getX()));
    const float db = std::fabs(outline[l]->getY() - camberYAt(camberLine, outline[l]->getX()));
    const Vector3D shift = da > db ? Vector3D::fromDifference(*outline[f], *outline[f1])
                                   : Vector3D::fromDifference(*outline[l], *outline[l1]);

    const Vector3D corner(*outline[l1]);
    const Vector3D frontTop(*outline[f1]);
    for (int k = l1; k < l; ++k) {
        setCoordinates(*outline[k], corner);
    }
    for (int k = f1; k <= l1; ++k) {
        *outline[k] += shift;
    }
    // Taken down along one wall, the top's other corner stands out past the
    // other wall where both lean alike (two slots cut along a sloping
    // surface's normal), into the slot beside it: it stops on that wall
    // (under sheets; bare ribs keep the outlines they have always had).
    if (sheeted && f1 < l1) {
        const bool front = da <= db;
        const Vector3D& foot = *outline[front ? f : l];
        const Vector3D wall = Vector3D::fromDifference(front ? frontTop : corner, foot);
        const Vector3D top = Vector3D::fromDifference(*outline[front ? f1 + 1 : l1 - 1], *outline[front ? f1 : l1]);
        const Vector3D from = Vector3D::fromDifference(*outline[front ? f1 : l1], foot);
        const Vector3D inside = Vector3D::fromDifference(*outline[front ? l : f], foot);
        const auto cross = [](const Vector3D& a, const Vector3D& b) { return a.getX() * b.getY() - a.getY() * b.getX(); };
        const float across = cross(wall, top);
        if (cross(wall, from) * cross(wall, inside) < 0.0f && across != 0.0f) {
            const float reach = std::min(1.0f, std::max(0.0f, cross(from, top) / across));
            const Vector3D stood(*outline[front ? f1 : l1]);
            for (int k = front ? f1 : l1; k <= (front ? f1 : l - 1) && *outline[k] == stood; ++k)
                setCoordinates(*outline[k], Vector3D(foot.getX() + wall.getX() * reach, foot.getY() + wall.getY() * reach, stood.getZ()));
        }
    }
    int moved = l - 1;
    for (int k = l1 + 1; k < n && *outline[k] == corner; ++k) {
        *outline[k] += shift;
        moved = std::max(moved, k);
    }
    return std::max(moved, l1);
}

// The outline as a cutter runs it: each run holds the points that lie
// within 0.001 mm of its first one, and the run that closes the trailing
// edge onto the first point is one with it. Returns the first outline index
// of every run, in order.
const std::vector<int>& OutlineCleanup::collectRuns()
{
    runs.collect(outline, scale);
    return runStarts;
}

const Vector3D& OutlineCleanup::runPoint(int run) const
{
    const int m = int(runStarts.size());
    return *outline[size_t(runStarts[size_t(run < m ? run : run - m)])];
}

void OutlineCleanup::setRun(int run, float x, float y)
{
    const int m = int(runStarts.size());
    const int r = run < m ? run : run - m;
    if (tracking) {
        // The first run closes the outline over its ends.
        if (r == 0) {
            tracking = false;
            movedKnown = false;
        } else {
            movedFirst = std::min(movedFirst, runStarts[size_t(r)]);
            movedLast = std::max(movedLast, (r + 1 < m ? runStarts[size_t(r + 1)] : int(outline.size())) - 1);
        }
    }
    OutlineRuns::moveRun(outline, runStarts, r, x, y);
}

// Twice the area enclosed by the runs from first up to (not including) end,
// closed through at; positive where they turn counter-clockwise.
double OutlineCleanup::signedArea(int first, int end, const Vector3D& at) const
{
    const int m = int(runStarts.size());
    double sum = 0.0;
    double px = at.getX();
    double py = at.getY();
    for (int r = first; r < end; ++r) {
        const Vector3D& p = *outline[size_t(runStarts[size_t(r % m)])];
        sum += px * p.getY() - p.getX() * py;
        px = p.getX();
        py = p.getY();
    }
    return sum + px * at.getY() - at.getX() * py;
}

// Whether any two segments of the runs meet or touch, as LoopCut would
// find them: where none do, there is no loop to search for. Most outlines
// are so, and are passed over in a walk or two along them.
bool OutlineCleanup::mayCross()
{
    const int m = int(runStarts.size());
    if (m < 4) {
        return false;
    }
    lookSearchPassed = false;
    Vector3D at;
    const float touch = samePointMm / scale;
    OutlinePieces::RunLook look(outline, scale, sparParts);
    look.setRuns(runStarts.data(), runPoints.data(), m);
    if (!(passed && look.firstIsOutlineFirst())) {
        return closeSegments.find(runPoints.data(), m, touch,
                                  [&](int low, int high) { return segmentsClose(low, high, at); });
    }
    // The runs are the last look's own: its search goes along, with its
    // margin, where that is wider. No pair within either margin is left
    // out, so what this search finds is as before.
    bool lookStops = false;
    const bool close = closeSegments.find(runPoints.data(), m, std::max(touch, look.margin()), [&](int low, int high) {
        if (segmentsClose(low, high, at, &lookStops)) {
            return true;
        }
        lookStops = lookStops || look.webAt(low, high, at);
        return false;
    });
    // Whether the outline folds there is asked once its corners are known.
    lookSearchPassed = !close && !lookStops;
    return close;
}

// Whether run segments low and high (low < high, not neighbours) cross, or
// touch where the way round from one to the other is longer than a cutter's
// kerf: only such a touch closes a loop. at is set to where they meet.
bool OutlineCleanup::segmentsClose(int low, int high, Vector3D& at, bool* shortTouch) const
{
    const int m = int(runStarts.size());
    auto point = [&](int r) -> const Vector3D& { return *outline[size_t(runStarts[size_t(r % m)])]; };
    const float touch = samePointMm / scale;
    if (OutlinePieces::extentsApart(point(low), point(low + 1), point(high), point(high + 1), touch)) {
        return false;
    }
    if (SegmentGeometry::segmentsMeet(point(low), point(low + 1), point(high), point(high + 1), at)) {
        return true;
    }
    if (!SegmentGeometry::segmentsTouch(point(low), point(low + 1), point(high), point(high + 1), touch, at)) {
        return false;
    }
    const float kerf = 0.01f / scale;
    double way = 0.0;
    for (int r = low + 1; r < high && way <= kerf; ++r) {
        way += point(r).distanceXY(point(r + 1));
    }
    if (shortTouch && !(way > kerf)) {
        *shortTouch = true;
    }
    return way > kerf;
}

// Where the outline runs out along a line and straight back (a cut's end
// left standing up a face, both surfaces clipped onto the same camber line),
// the turning point goes onto the nearer of its neighbours, and so on while
// the way back retraces the way out.
bool OutlineCleanup::foldReversal()
{
    const int m = int(runStarts.size());
    if (m < 3) {
        return false;
    }
    auto point = [&](int r) -> const Vector3D& { return *outline[size_t(runStarts[size_t((r + m) % m)])]; };
    auto folds = [&](int r) {
        const Vector3D& before = point(r - 1);
        const Vector3D& here = point(r);
        const Vector3D& after = point(r + 1);
        const float ux = here.getX() - before.getX();
        const float uy = here.getY() - before.getY();
        const float vx = after.getX() - here.getX();
        const float vy = after.getY() - here.getY();
        const double dot = double(ux) * vx + double(uy) * vy;
        const double lengths = (double(ux) * ux + double(uy) * uy) * (double(vx) * vx + double(vy) * vy);
        // A turn back through more than the 177.4 degrees that makes a
        // reversal of the turn list.
        if (!(dot < 0.0 && dot * dot > 0.998001 * lengths)) {
            return false;
        }
        const bool beforeNearer = here.distanceSquaredXY(before) <= here.distanceSquaredXY(after);
        const Vector3D& nearer = beforeNearer ? before : after;
        // A section's own trailing edge may be as sharp, its surfaces a few
        // hundredths of a millimetre apart as they run back along the chord
        // to its end: the rib keeps it, as the section has it, unless the
        // surfaces touch. What stands up a trailing edge piece's face, or
        // what is left where cuts from both sides have met, is a way out
        // and back.
        auto isEnd = [&](int k) { return here.getX() == endX[k] && here.getY() == endY[k]; };
        if (r == 0 && (isEnd(0) || isEnd(1))
            && std::fabs(here.getX() - nearer.getX()) > std::fabs(here.getY() - nearer.getY())
            && SegmentGeometry::distanceToSegmentXY(nearer, here, beforeNearer ? after : before) > samePointMm / scale) {
            return false;
        }
        setRun(r, nearer.getX(), nearer.getY());
        return true;
    };
    // Such a turn is a corner too, whatever the rounding of the corner test,
    // and one where the steps run against each other even in float: between
    // the first and the last run only those corners need a look.
    if (folds(0)) {
        return true;
    }
    const CloseSegments::Point* p = runPoints.data();
    for (const int r : corners) {
        const float dot = (p[r].x - p[r - 1].x) * (p[r + 1].x - p[r].x) + (p[r].y - p[r - 1].y) * (p[r + 1].y - p[r].y);
        if (dot < 0.0f && folds(r)) {
            return true;
        }
    }
    return folds(m - 1);
}

// Whatever is left standing out of the outline or cut into it between two
// sharp corners less than 0.5 mm apart, and narrower than 0.5 mm all along
// (a tongue between two spar slots, the jags of a sheet's inner face round
// a thin nose, a spike where two cuts meet), is taken off along the line
// between its corners, as a builder would trim it. A wider stretch between
// such corners is the rib itself, nearly parted by two slots from either
// side, and stays. Mends at most one feature, the widest that starts at the
// first corner found, on the runs as collectRuns last found them, and tells
// whether it did; a needle left where the feature's corners lay along one
// line is folded by the next pass.
bool OutlineCleanup::takeOffNarrowFeature()
{
    const int m = int(runStarts.size());
    if (m < 4) {
        return false;
    }
    // A feature's corners lie less than 2 mm apart, as narrowBetween first
    // asks; most pairs of corners are told apart here by that alone.
    const float limit = 0.5f / scale;
    const float rootLimit = 16.0f * limit * limit;
    // A feature spans a few corners at most: a tongue four, a jagged wall
    // a handful.
    const size_t span = 8;
    // The sign of the outline's area, found once a feature needs it.
    double sense = 0.0;
    const CloseSegments::Point* const p = runPoints.data();
    const int* const c = corners.data();
    for (size_t a = 0; a < corners.size(); ++a) {
        const CloseSegments::Point f = p[c[a]];
        for (size_t b = std::min(corners.size() - 1, a + span); b > a; --b) {
            const CloseSegments::Point& g = p[c[b]];
            const float dx = f.x - g.x;
            const float dy = f.y - g.y;
            if (dx * dx + dy * dy >= rootLimit) {
                continue;
            }
            bool wholeEnd = false;
            if (narrowBetween(corners[a], corners[b], sense, wholeEnd)) {
                if (wholeEnd) {
                    trimEnd(corners[a], corners[b]);
                } else {
                    flattenBetween(corners[a], corners[b]);
                }
                return true;
            }
        }
    }
    return false;
}

// Whether the runs from first to last make a narrow feature: the corners
// less than 0.5 mm apart, the way between them shorter than 30 mm, going
// more than 0.04 mm out of the line between them, and on average narrower
// than 0.5 mm (twice its area less than its length times 0.5 mm); or a
// tongue standing out farther than its corners lie apart, narrower than
// 0.5 mm on average over its height. sense is the sign of the outline's
// area (0 until found): a feature enclosing area of that sign stands out of
// the rib.
bool OutlineCleanup::narrowBetween(int first, int last, double& sense, bool& wholeEnd) const
{
    const float limit = 0.5f / scale;
    const int m = int(runStarts.size());
    const Vector3D& f = runPoint(first);
    const Vector3D& g = runPoint(last);
    // A tongue between slots of two depths has its corners farther apart
    // than it is wide: it may stand out from a root of up to 2 mm, shorter
    // than its height.
    const float rootSquared = f.distanceSquaredXY(g);
    if (rootSquared >= 16.0f * limit * limit) {
        return false;
    }
    const float root = std::sqrt(rootSquared);
    const double fx = f.getX();
    const double fy = f.getY();
    double length = 0.0;
    double area = 0.0;
    const double longest = 30.0 / scale;
    const CloseSegments::Point* const p = runPoints.data();
    for (int r = first + 1; r <= last; ++r) {
        const CloseSegments::Point& u = p[r - 1 <= m ? r - 1 : r - 1 - m];
        const CloseSegments::Point& v = p[r <= m ? r : r - m];
        const float ex = u.x - v.x;
        const float ey = u.y - v.y;
        length += std::sqrt(ex * ex + ey * ey);
        if (length >= longest) {
            return false;
        }
        area += (u.x - fx) * (v.y - fy) - (u.y - fy) * (v.x - fx);
    }
    // Nothing stands out farther than the way out and back is long, so a
    // feature too wide for that is no narrow one whatever its height.
    if (std::fabs(area) >= (root < limit ? 1.0 : 2.0) * limit * length) {
        return false;
    }
    // How far the feature stands out of the line between its corners, each
    // run measured as SegmentGeometry::distanceToSegmentXY measures it: its
    // root (hypotf's, rounded once to float from the root in double of the
    // sum of squares) keeps the order of the sums, so only the largest is
    // taken.
    double farthest = 0.0;
    for (int r = first + 1; r < last; ++r) {
        const Vector3D& p = runPoint(r);
        float x = 0.0f;
        float y = 0.0f;
        SegmentGeometry::nearestOnSegmentXY(p.getX(), p.getY(), f.getX(), f.getY(), g.getX(), g.getY(), x, y);
        const float dx = x - p.getX();
        const float dy = y - p.getY();
        const double squared = double(dx) * dx + double(dy) * dy;
        if (squared > farthest) {
            farthest = squared;
        }
    }
    const double out = double(float(std::sqrt(farthest)));
    // What stands out 5 mm or more is a rib's whole end, thinned by the
    // sheets of both sides: taken off at its root, the rib would end short
    // of where they meet, farther from the bare rib than the sheets are
    // thick. It is trimmed back to where it is as thick as the limit.
    wholeEnd = out >= 10.0 * limit;
    // Its area over its height is its width on average where its corners
    // lie apart.
    const bool narrow = root < limit ? out * scale > 0.04 && std::fabs(area) < limit * length
                                     : out > root && std::fabs(area) < 2.0 * limit * out;
    if (!narrow || out <= root || out < limit) {
        return narrow;
    }
    // A notch deeper than its mouth is wide, and than the limit, is a slot
    // that something may sit in, such as the corner of a tilted spar: it
    // stays.
    if (sense == 0.0) {
        sense = signedArea(0, int(runStarts.size()), *outline[size_t(runStarts[0])]) < 0.0 ? -1.0 : 1.0;
    }
    return area * sense > 0.0;
}

// Cuts the end standing out between the corners first and last across,
// where its two sides have come as close as the finishing limit: the runs
// beyond go onto the cut, each onto its own side's end of it.
void OutlineCleanup::trimEnd(int first, int last)
{
    const double limit = 0.5 / scale;
    auto point = [&](int r) -> const Vector3D& { return runPoint(r); };
    const Vector3D& f = point(first);
    const Vector3D& g = point(last);
    // The end's tip is the run farthest out of the line between its corners.
    int tip = first + 1;
    double farthest = -1.0;
    for (int r = first + 1; r < last; ++r) {
        const double out = SegmentGeometry::distanceToSegmentXY(point(r), f, g);
        if (out > farthest) {
            farthest = out;
            tip = r;
        }
    }
    // Stations along the end are measured from the middle of its root.
    const double rx = 0.5 * (double(f.getX()) + g.getX());
    const double ry = 0.5 * (double(f.getY()) + g.getY());
    double ax = point(tip).getX() - rx;
    double ay = point(tip).getY() - ry;
    const double axis = std::hypot(ax, ay);
    if (!(axis > 0.0)) {
        flattenBetween(first, last);
        return;
    }
    ax /= axis;
    ay /= axis;
    auto along = [&](int r) { return (point(r).getX() - rx) * ax + (point(r).getY() - ry) * ay; };
    // A side's point at s along the end, from its corner (from) to the tip
    // (step +1 or -1); before the side begins, its corner.
    auto sideAt = [&](int from, int step, double s) {
        for (int r = from; r != tip; r += step) {
            const double s0 = along(r);
            const double s1 = along(r + step);
            if (s <= s0 || (s0 <= s && s <= s1)) {
                const double t = s > s0 && s1 != s0 ? (s - s0) / (s1 - s0) : 0.0;
                const Vector3D& p = point(r);
                const Vector3D& q = point(r + step);
                return Vector3D(float(p.getX() + t * (q.getX() - p.getX())),
                                float(p.getY() + t * (q.getY() - p.getY())), p.getZ());
            }
        }
        return Vector3D(point(tip));
    };
    auto width = [&](double s) {
        const Vector3D a = sideAt(first, 1, s);
        const Vector3D b = sideAt(last, -1, s);
        return std::hypot(double(a.getX()) - b.getX(), double(a.getY()) - b.getY());
    };
    // The first station, on either side, where the end is as thin as the
    // limit; between stations it thins linearly.
    std::vector<double> stations;
    for (int r = first; r <= last; ++r) {
        stations.push_back(std::max(0.0, along(r)));
    }
    std::sort(stations.begin(), stations.end());
    double cut = stations.back();
    double before = 0.0;
    double beforeWidth = width(0.0);
    for (double s : stations) {
        const double w = width(s);
        if (w <= limit) {
            cut = beforeWidth <= limit ? before : before + (s - before) * (beforeWidth - limit) / (beforeWidth - w);
            break;
        }
        before = s;
        beforeWidth = w;
    }
    const Vector3D endOfFirst = sideAt(first, 1, cut);
    const Vector3D endOfLast = sideAt(last, -1, cut);
    bool lastReachesBeyond = false;
    for (int r = last - 1; r > tip; --r) {
        if (along(r) > cut) {
            setRun(r, endOfLast.getX(), endOfLast.getY());
            lastReachesBeyond = true;
        }
    }
    // The tip goes to the end of the side that has no other run beyond the
    // cut, so both ends of the cut are met where they can be.
    for (int r = first + 1; r < tip; ++r) {
        if (along(r) > cut) {
            setRun(r, endOfFirst.getX(), endOfFirst.getY());
        }
    }
    const Vector3D& tipEnd = lastReachesBeyond ? endOfFirst : endOfLast;
    setRun(tip, tipEnd.getX(), tipEnd.getY());
}

// Puts the runs between first and last onto the line between them, each
// where it lies across it, in order, so the way along it never turns back.
void OutlineCleanup::flattenBetween(int first, int last)
{
    const Vector3D f(runPoint(first));
    const Vector3D g(runPoint(last));
    const double dx = double(g.getX()) - f.getX();
    const double dy = double(g.getY()) - f.getY();
    const double lengthSquared = dx * dx + dy * dy;
    double reached = 0.0;
    for (int r = first + 1; r < last; ++r) {
        const Vector3D& p = runPoint(r);
        double t = 0.0;
        if (lengthSquared > 0.0) {
            t = ((p.getX() - f.getX()) * dx + (p.getY() - f.getY()) * dy) / lengthSquared;
        }
        reached = std::min(1.0, std::max(reached, t));
        setRun(r, float(f.getX() + reached * dx), float(f.getY() + reached * dy));
    }
}

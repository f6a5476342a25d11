#include "model/finishing/OutlineRuns.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "foundation/Vector3D.h"

namespace {

// The turn at a point from the step u into it to the step v out of it,
// judged as Vertex::getAngle2D judges it, told where it is sharp: a turn
// back, or one of more than 45.6 degrees. Where the two steps run within 45
// degrees of each other, the division is spared: the rounding of the
// products cannot bring the cosine from above 0.71 to below 0.7.
bool sharpTurn(float ux, float uy, float uLength, float vx, float vy, float vLength, int index, AngleInfo& sharp)
{
    const float product = uLength * vLength;
    if (ux * vx + uy * vy > 0.71f * product || product == 0.0f) {
        return false;
    }
    const float k = ux * vy - uy * vx;
    int turn = k > 0.0f ? AngleInfo::CounterClockwise : (k < 0.0f ? AngleInfo::Clockwise : AngleInfo::Straight);
    const float cosAngle = static_cast<float>((static_cast<double>(ux) * vx + static_cast<double>(uy) * vy) / product);
    if (cosAngle < -0.999f) {
        turn = AngleInfo::Reversal;
    }
    if (turn == AngleInfo::Reversal
        || ((turn == AngleInfo::Clockwise || turn == AngleInfo::CounterClockwise) && std::fabs(cosAngle) < 0.7f)) {
        sharp = AngleInfo(turn, cosAngle, index);
        return true;
    }
    return false;
}

// The least square of a step's length at which collectTurns keeps the
// point: its test, the length times the scale against 0.001 mm, rises with
// the square, so the float squares it keeps are those from one on, found by
// halving over their bit patterns (which order non-negative floats).
float keptSquareAt(float scale)
{
    thread_local float lastScale = 0.0f;
    thread_local float lastSquare = 0.0f;
    if (scale != lastScale) {
        auto keeps = [scale](float square) { return !(std::sqrt(square) * scale < 0.001f); };
        std::uint32_t low = 0;
        std::uint32_t high = 0x7f800000u; // infinity, which is kept
        while (low < high) {
            const std::uint32_t middle = low + (high - low) / 2;
            float square;
            std::memcpy(&square, &middle, sizeof square);
            if (keeps(square)) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        std::memcpy(&lastSquare, &low, sizeof lastSquare);
        lastScale = scale;
    }
    return lastSquare;
}

// Whether the turn from step u to step v (with the squares of their lengths)
// may be sharp: a turn back, or one of more than 44.8 degrees, a little less
// than the sharp turn and the corner, so that the rounding of either test
// cannot make one of them where this finds none.
bool mayTurnSharply(float ux, float uy, float uSquare, float vx, float vy, float vSquare)
{
    const float dot = ux * vx + uy * vy;
    return dot < 0.0f || dot * dot < 0.5041f * uSquare * vSquare;
}

// The first of the points from index j on that lies reach or farther from
// (x, y) (the square of the distance against reachSquared), or n.
int firstBeyond(Vector3D* const* points, int j, int n, float x, float y, float reachSquared)
{
    for (; j < n; ++j) {
        const float dx = x - points[j]->getX();
        const float dy = y - points[j]->getY();
        if (dx * dx + dy * dy >= reachSquared) {
            break;
        }
    }
    return j;
}

} // namespace

void OutlineRuns::collectTurns(const PointList& outline, std::vector<AngleInfo>& turns, float scale)
{
    turns.clear();
    const int n = int(outline.size());
    if (n == 0) {
        return;
    }
    // Points closer than 0.001 mm to the last point kept are skipped. A turn
    // is judged at every kept point but the first and the last two: the turn
    // at a kept point is judged as soon as the next kept point is found, and
    // told once the one after that is. Only the step into the last kept
    // point is needed for that, so no list of kept points costs an
    // allocation, and the length measured when a point is kept is the
    // step's own: the turn test needs no square root of its own.
    float lastX = outline[0]->getX();
    float lastY = outline[0]->getY();
    int lastKept = 0;
    int keptCount = 1;
    float ux = 0.0f;
    float uy = 0.0f;
    float uLength = 0.0f;
    bool judged = false;
    AngleInfo turnJudged;
    for (int j = 1; j < n; ++j) {
        const Vector3D& point = *outline[j];
        const float x = point.getX();
        const float y = point.getY();
        const float ex = lastX - x;
        const float ey = lastY - y;
        const float length = std::sqrt(ex * ex + ey * ey);
        if (length * scale < 0.001f) {
            continue;
        }
        const float vx = x - lastX;
        const float vy = y - lastY;
        if (judged) {
            turns.push_back(turnJudged);
            judged = false;
        }
        if (++keptCount >= 3) {
            judged = sharpTurn(ux, uy, uLength, vx, vy, length, lastKept, turnJudged);
        }
        ux = vx;
        uy = vy;
        uLength = length;
        lastKept = j;
        lastX = x;
        lastY = y;
    }
}

bool OutlineRuns::gather(const PointList& outline, float scale)
{
    closed = false;
    sharpRuns.clear();
    const int n = int(outline.size());
    if (n == 0) {
        starts.clear();
        points.clear();
        return true;
    }
    const float reach = samePointMm / scale;
    const float reachSquared = reach * reach;
    const float keptSquared = keptSquareAt(scale);
    // From this square on, a point both starts a run and is kept by
    // collectTurns; below it, the two tests are asked one by one.
    const float both = std::max(reachSquared, keptSquared);
    // Room for every point to start a run, without clearing what is
    // written over anyway.
    if (starts.size() < size_t(n)) {
        starts.resize(size_t(n));
    }
    if (points.size() < size_t(n) + 1) {
        points.resize(size_t(n) + 1);
    }
    // Written through local pointers: the list of sharp runs, which grows
    // on the way, could alias the others' members.
    Vector3D* const* const from = outline.data();
    int* const startOut = starts.data();
    CloseSegments::Point* const pointOut = points.data();
    float x = from[0]->getX();
    float y = from[0]->getY();
    startOut[0] = 0;
    pointOut[0] = {x, y};
    size_t m = 1;
    bool kept = true;
    // The step into the last run's first point, and its square: none
    // before the second run, which no turn test passes.
    float ux = 0.0f;
    float uy = 0.0f;
    float uSquare = 0.0f;
    for (int j = 1; j < n; ++j) {
        const Vector3D& p = *from[j];
        const float px = p.getX();
        const float py = p.getY();
        const float dx = x - px;
        const float dy = y - py;
        const float square = dx * dx + dy * dy;
        if (!(square >= both)) {
            const bool startsRun = square >= reachSquared;
            if (startsRun == (square < keptSquared)) {
                kept = false;
            }
            if (!startsRun) {
                continue;
            }
        }
        const float vx = px - x;
        const float vy = py - y;
        if (mayTurnSharply(ux, uy, uSquare, vx, vy, square)) {
            const int run = int(m) - 1;
            sharpRuns.push_back(run);
        }
        ux = vx;
        uy = vy;
        uSquare = square;
        x = px;
        y = py;
        startOut[m] = j;
        pointOut[m] = {x, y};
        ++m;
    }
    starts.resize(m);
    points.resize(m);
    return kept;
}

// The runs that start before the first moved point are as they were. From
// there the walk goes on until it starts a run beyond the last moved point
// where a run started before: from that run on, the runs are as they were
// too. A run may turn sharply by its neighbours, so those next to the runs
// found anew are judged anew.
void OutlineRuns::gatherAgain(const PointList& outline, float scale, int first, int last)
{
    closed = false;
    if (first <= 0 || starts.empty()) {
        gather(outline, scale);
        return;
    }
    const int n = int(outline.size());
    const int count = int(starts.size());
    const float reach = samePointMm / scale;
    const float reachSquared = reach * reach;
    const int kept = int(std::lower_bound(starts.begin(), starts.end(), first) - starts.begin()) - 1;
    float x = points[size_t(kept)].x;
    float y = points[size_t(kept)].y;
    newStarts.clear();
    newPoints.clear();
    int joined = count;
    int old = kept + 1;
    // The walk mostly passes over points that start no run (a loop cut puts
    // whole stretches on one point): it does so in a tight loop of its own,
    // through a local pointer. Inline, the outline's member and the index
    // were read and written again for every point.
    Vector3D* const* const from = outline.data();
    for (int j = first; j < n; ++j) {
        j = firstBeyond(from, j, n, x, y, reachSquared);
        if (j == n) {
            break;
        }
        const Vector3D& p = *from[j];
        if (j > last) {
            while (old < count && starts[size_t(old)] < j) {
                ++old;
            }
            if (old < count && starts[size_t(old)] == j) {
                joined = old;
                break;
            }
        }
        x = p.getX();
        y = p.getY();
        const int start = j;
        newStarts.push_back(start);
        newPoints.push_back({x, y});
    }
    // The runs from the joining one on follow the new ones, moved by the
    // runs added or lost.
    const int joinedAt = kept + 1 + int(newStarts.size());
    const int shift = joinedAt - joined;
    const int total = count + shift;
    if (shift < 0) {
        std::copy(starts.begin() + joined, starts.begin() + count, starts.begin() + joinedAt);
        std::copy(points.begin() + joined, points.begin() + count, points.begin() + joinedAt);
    }
    starts.resize(size_t(total));
    points.resize(size_t(total));
    if (shift > 0) {
        std::copy_backward(starts.begin() + joined, starts.begin() + count, starts.begin() + total);
        std::copy_backward(points.begin() + joined, points.begin() + count, points.begin() + total);
    }
    std::copy(newStarts.begin(), newStarts.end(), starts.begin() + kept + 1);
    std::copy(newPoints.begin(), newPoints.end(), points.begin() + kept + 1);
    // The sharp runs before the first run that may have changed its
    // neighbours, those judged anew up to the joining run, and those after
    // it, moved by the runs added or lost.
    const size_t before = size_t(std::lower_bound(sharpRuns.begin(), sharpRuns.end(), kept) - sharpRuns.begin());
    const size_t after = size_t(std::upper_bound(sharpRuns.begin(), sharpRuns.end(), joined) - sharpRuns.begin());
    newStarts.assign(sharpRuns.begin() + long(after), sharpRuns.end());
    sharpRuns.resize(before);
    for (int r = std::max(kept, 1); r <= joinedAt && r + 1 < total; ++r) {
        if (turnsSharply(r)) {
            sharpRuns.push_back(r);
        }
    }
    for (const int r : newStarts) {
        sharpRuns.push_back(r + shift);
    }
}

bool OutlineRuns::turnsSharply(int r) const
{
    const CloseSegments::Point& a = points[size_t(r - 1)];
    const CloseSegments::Point& b = points[size_t(r)];
    const CloseSegments::Point& c = points[size_t(r + 1)];
    const float ex = a.x - b.x;
    const float ey = a.y - b.y;
    const float fx = b.x - c.x;
    const float fy = b.y - c.y;
    return mayTurnSharply(b.x - a.x, b.y - a.y, ex * ex + ey * ey, c.x - b.x, c.y - b.y, fx * fx + fy * fy);
}

void OutlineRuns::close(const PointList& outline, float scale)
{
    size_t m = starts.size();
    if (m == 0) {
        return;
    }
    closed = true;
    openStart = starts[0];
    openPoint = points[0];
    closingStarts.clear();
    closingPoints.clear();
    const float reach = samePointMm / scale;
    const float reachSquared = reach * reach;
    const float x0 = outline[0]->getX();
    const float y0 = outline[0]->getY();
    while (m > 1) {
        const float dx = points[m - 1].x - x0;
        const float dy = points[m - 1].y - y0;
        if (!(dx * dx + dy * dy < reachSquared)) {
            break;
        }
        --m;
        closingStarts.push_back(starts[m]);
        closingPoints.push_back(points[m]);
        starts[0] = starts[m];
        points[0] = points[m];
    }
    starts.resize(m);
    points.resize(m + 1);
    points[m] = points[0];
}

void OutlineRuns::collect(const PointList& outline, float scale)
{
    gather(outline, scale);
    close(outline, scale);
}

void OutlineRuns::reopen()
{
    points.resize(starts.size());
    starts[0] = openStart;
    points[0] = openPoint;
    for (size_t k = closingStarts.size(); k > 0; --k) {
        starts.push_back(closingStarts[k - 1]);
        points.push_back(closingPoints[k - 1]);
    }
    closed = false;
}

// The runs ahead of the first moved point are as they were, and so is the
// first run, which closing changed: the walk goes on from the runs as
// gathered, and closes them again.
void OutlineRuns::collectAgain(const PointList& outline, float scale, int first, int last)
{
    if (!closed || first <= 0 || starts.empty()) {
        collect(outline, scale);
        return;
    }
    reopen();
    gatherAgain(outline, scale, first, last);
    close(outline, scale);
}

// Judged at the runs that may turn sharply alone, from the second run to
// the last but two.
void OutlineRuns::turnsOfRuns(std::vector<AngleInfo>& turns) const
{
    turns.clear();
    const int kept = int(starts.size());
    const CloseSegments::Point* p = points.data();
    auto length = [&](int from, int to) {
        const float ex = p[from].x - p[to].x;
        const float ey = p[from].y - p[to].y;
        return std::sqrt(ex * ex + ey * ey);
    };
    AngleInfo sharp;
    for (const int r : sharpRuns) {
        if (r > kept - 3) {
            break;
        }
        if (sharpTurn(p[r].x - p[r - 1].x, p[r].y - p[r - 1].y, length(r - 1, r), p[r + 1].x - p[r].x,
                      p[r + 1].y - p[r].y, length(r, r + 1), starts[size_t(r)], sharp)) {
            turns.push_back(sharp);
        }
    }
}

namespace {

// A turn of more than 45.6 degrees, the turn list's sharp turn.
bool isCorner(const CloseSegments::Point* p, int r)
{
    const float ux = p[r].x - p[r - 1].x;
    const float uy = p[r].y - p[r - 1].y;
    const float vx = p[r + 1].x - p[r].x;
    const float vy = p[r + 1].y - p[r].y;
    const float dot = ux * vx + uy * vy;
    return dot < 0.0f || dot * dot < 0.49f * (ux * ux + uy * uy) * (vx * vx + vy * vy);
}

} // namespace

// The corners the trailing edge closes over are no feature's.
void OutlineRuns::collectCorners(std::vector<int>& corners) const
{
    corners.clear();
    const int m = int(starts.size());
    for (int r = 1; r + 1 < m; ++r) {
        if (isCorner(points.data(), r)) {
            corners.push_back(r);
        }
    }
}

// The second run's corner is judged anew, for the first run is the closing
// one now.
void OutlineRuns::cornersOfSharpRuns(std::vector<int>& corners) const
{
    corners.clear();
    const int m = int(starts.size());
    if (m < 3) {
        return;
    }
    if (isCorner(points.data(), 1)) {
        corners.push_back(1);
    }
    for (const int r : sharpRuns) {
        if (r + 1 >= m) {
            break;
        }
        if (r >= 2 && isCorner(points.data(), r)) {
            corners.push_back(r);
        }
    }
}

bool OutlineRuns::cornerAt(int r) const
{
    const int m = int(starts.size());
    if (m < 3) {
        return false;
    }
    const CloseSegments::Point around[3] = {points[size_t(r > 0 ? r - 1 : m - 1)], points[size_t(r)],
                                            points[size_t(r + 1 < m ? r + 1 : 0)]};
    return isCorner(around, 1);
}

// Whether the outline is sure not to cross itself, found in one walk: the
// upper surface runs forward and the lower one back without turning, and
// wherever the two overlap along the chord the upper lies wholly above the
// lower, farther than they may come before they touch. Most ribs are so;
// the others are searched segment by segment.
bool OutlineRuns::plainlyUncrossed(float scale) const
{
    const int m = int(starts.size());
    if (m < 4) {
        return true;
    }
    return sidesPlainlyApart(points.data(), m, 0.0f, samePointMm / scale);
}

bool OutlineRuns::sidesPlainlyApart(const CloseSegments::Point* p, int m, float reach, float gap)
{
    // Run -1 is the last, run m the first again.
    auto x = [&](int r) { return p[r < 0 ? r + m : r].x; };
    auto y = [&](int r) { return p[r < 0 ? r + m : r].y; };
    // The nose, the first run of least x, two runs a step: the cleanup asks
    // this of every outline it passes, and a new least x is seldom met.
    int nose = 0;
    float noseX = p[0].x;
    int run = 1;
    for (; run + 1 < m; run += 2) {
        const float a = p[run].x;
        const float b = p[run + 1].x;
        if (__builtin_expect(a < noseX || b < noseX, 0)) {
            if (a < noseX) {
                nose = run;
                noseX = a;
            }
            if (b < noseX) {
                nose = run + 1;
                noseX = b;
            }
        }
    }
    if (run < m && p[run].x < noseX) {
        nose = run;
    }
    // The upper surface from the nose back to the trailing edge, and the
    // lower one, as run indices in order of growing x; the closing segment
    // goes with the side it continues.
    const bool closingBelow = x(0) >= x(m - 1);
    const int upperEnd = closingBelow ? 0 : -1;
    const int lowerEnd = closingBelow ? m : m - 1;
    for (int r = nose; r > upperEnd; --r) {
        if (x(r - 1) < x(r)) {
            return false;
        }
    }
    for (int r = nose; r < lowerEnd; ++r) {
        if (x(r + 1) < x(r)) {
            return false;
        }
    }
    // Upper segment i runs from run i to run i - 1, lower segment j from
    // run j to run j + 1 (run m is run 0).
    int first = nose;
    for (int i = nose; i > upperEnd; --i) {
        const float uMinX = x(i);
        const float uMaxX = x(i - 1);
        const float uMinY = std::min(y(i), y(i - 1));
        while (first < lowerEnd && x(first + 1) < uMinX - reach) {
            ++first;
        }
        for (int j = first; j < lowerEnd && x(j) <= uMaxX + reach; ++j) {
            const int a = (i - 1 + m) % m;
            const int b = (j + 1) % m;
            if (j == i || b == a || j == a || b == i) {
                continue;
            }
            if (uMinY <= std::max(y(j), y(j + 1)) + gap) {
                return false;
            }
        }
    }
    return true;
}

void OutlineRuns::moveRun(const PointList& outline, const std::vector<int>& starts, int run, float x, float y)
{
    const int n = int(outline.size());
    const int m = int(starts.size());
    const int end = starts[size_t((run + 1) % m)];
    const int k = starts[size_t(run)];
    // A loop cut puts whole stretches on one point: the run is walked in
    // at most two plain stretches rather than wrapping the index at every
    // point. A run that ends where it starts is the whole outline.
    Vector3D* const* const points = outline.data();
    const auto move = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            points[i]->setX(x);
            points[i]->setY(y);
        }
    };
    if (end > k) {
        move(k, end);
    } else {
        move(k, n);
        move(0, end);
    }
}

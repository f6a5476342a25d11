#include "model/finishing/LoopCut.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

#include "foundation/SegmentGeometry.h"
#include "foundation/Vector3D.h"
#include "model/finishing/BuildableWood.h"
#include "model/finishing/OutlineCleanup.h"
#include "model/finishing/OutlinePieces.h"
#include "model/finishing/SheetMeeting.h"

namespace {

// The extent of a few points: the larger of its width and height.
struct Box {
    float minX = FLT_MAX;
    float maxX = -FLT_MAX;
    float minY = FLT_MAX;
    float maxY = -FLT_MAX;
    void add(const Vector3D& p) { add(p.getX(), p.getY()); }
    void add(float x, float y)
    {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    float size() const { return std::max(maxX - minX, maxY - minY); }
};

} // namespace

bool LoopCut::cut(OutlineCleanup& cleanup)
{
    using PointList = OutlineCleanup::PointList;
    using Span = OutlineCleanup::Span;
    PointList& outline = cleanup.outline;
    const std::vector<int>& runStarts = cleanup.runStarts;
    const float scale = cleanup.scale;
    std::vector<Span>& sweep = cleanup.sweep;
    std::vector<Span>& merged = cleanup.merged;
    OutlinePieces* const pieces = cleanup.pieces;
    const int m = int(runStarts.size());
    if (m < 4) {
        return false;
    }
    auto point = [&](int r) -> const Vector3D& { return *outline[size_t(runStarts[size_t(r % m)])]; };
    // The runs' first points as collectRuns found them (nothing has moved
    // them since), side by side: the walks along all runs below read them
    // there rather than through the outline.
    const CloseSegments::Point* const p = cleanup.runPoints.data();
    // Segments by their lowest x: only those whose x ranges overlap can meet,
    // and along a rib those are a few at a time.
    // The upper surface runs forward and the lower one back, so the upper
    // segments taken backwards and the lower ones each come nearly in order:
    // each is put in order by insertion, then the two are merged.
    int nose = 0;
    auto span = [&](int s) {
        const float a = p[s].x;
        const float b = p[s + 1].x;
        const float c = p[s].y;
        const float d = p[s + 1].y;
        return Span{std::min(a, b), std::max(a, b), std::min(c, d), std::max(c, d), s};
    };
    // signedArea over the side-by-side points (first and end at most m
    // past the last run).
    auto area = [&](int first, int end, float atX, float atY) {
        double sum = 0.0;
        double px = atX;
        double py = atY;
        for (int r = first; r < end; ++r) {
            const CloseSegments::Point& q = p[r < m ? r : r - m];
            sum += px * q.y - q.x * py;
            px = q.x;
            py = q.y;
        }
        return sum + px * atY - atX * py;
    };
    auto insertionSort = [](std::vector<Span>::iterator first, std::vector<Span>::iterator last) {
        for (auto i = first; i != last; ++i) {
            const Span moving = *i;
            auto j = i;
            for (; j != first && (j - 1)->minX > moving.minX; --j) {
                *j = *(j - 1);
            }
            *j = moving;
        }
    };
    const float touch = OutlineRuns::samePointMm / scale;
    // The order the insertion sorts and the merge give, told pair by pair:
    // by lowest x, the upper segments first, those taken backwards.
    const auto before = [&nose](const Span& a, const Span& b) {
        if (a.minX != b.minX) {
            return a.minX < b.minX;
        }
        const bool aUpper = a.segment < nose;
        if (aUpper != (b.segment < nose)) {
            return aUpper;
        }
        return aUpper ? a.segment > b.segment : a.segment < b.segment;
    };
    // After a cut the next loop mostly lies near the last: the segments
    // that start up to a little past where that was found are put in order
    // first (the nose found on the way), the others only once the search
    // reaches where they start (later, the least of their lowest x). The
    // search thus meets every segment in the same order as over the whole
    // sweep.
    float later = std::numeric_limits<float>::infinity();
    bool restLeft = false;
    bool sorted = false;
    float bound = 0.0f;
    if (cleanup.loopReachKnown) {
        bound = cleanup.loopReach + 2.0f / scale;
        sweep.clear();
        bool finite = true;
        for (int s = 0; s < m; ++s) {
            if (p[s].x < p[nose].x) {
                nose = s;
            }
            const float lowest = std::min(p[s].x, p[s + 1].x);
            if (!(lowest - lowest == 0.0f)) {
                finite = false;
            }
            if (lowest <= bound) {
                sweep.push_back(span(s));
            } else {
                later = std::min(later, lowest);
                restLeft = true;
            }
        }
        if (finite) {
            std::sort(sweep.begin(), sweep.end(), before);
            sorted = true;
        } else {
            restLeft = false;
            later = std::numeric_limits<float>::infinity();
        }
    }
    if (!sorted) {
        nose = 0;
        for (int r = 1; r < m; ++r) {
            if (p[r].x < p[nose].x) {
                nose = r;
            }
        }
        merged.resize(size_t(m));
        for (int s = 0; s < nose; ++s) {
            merged[size_t(s)] = span(nose - 1 - s);
        }
        for (int s = nose; s < m; ++s) {
            merged[size_t(s)] = span(s);
        }
        insertionSort(merged.begin(), merged.begin() + nose);
        insertionSort(merged.begin() + nose, merged.end());
        sweep.resize(size_t(m));
        std::merge(merged.begin(), merged.begin() + nose, merged.begin() + nose, merged.end(), sweep.begin(),
                   [](const Span& a, const Span& b) { return a.minX < b.minX; });
    }
    Vector3D at;
    for (size_t i = 0; i < sweep.size() || restLeft; ++i) {
        if (restLeft && (i >= sweep.size() || !(sweep[i].maxX + touch < later))) {
            const size_t searched = sweep.size();
            for (int s = 0; s < m; ++s) {
                if (!(std::min(p[s].x, p[s + 1].x) <= bound)) {
                    sweep.push_back(span(s));
                }
            }
            std::sort(sweep.begin() + long(searched), sweep.end(), before);
            restLeft = false;
            later = std::numeric_limits<float>::infinity();
        }
        const int s = sweep[i].segment;
        const float reach = sweep[i].maxX + touch;
        for (size_t j = i + 1; j < sweep.size() && sweep[j].minX <= reach; ++j) {
            if (sweep[j].minY > sweep[i].maxY + touch || sweep[j].maxY < sweep[i].minY - touch) {
                continue;
            }
            const int t = sweep[j].segment;
            const int low = std::min(s, t);
            const int high = std::max(s, t);
            if (high - low == 1 || (low == 0 && high == m - 1)) {
                continue;
            }
            if (!cleanup.segmentsClose(low, high, at)) {
                continue;
            }
            // The loop is the side turned inside out, or the side with next
            // to no width left, where both surfaces were clipped onto one
            // camber line. Where neither is, the cuts have parted the rib
            // in two, which is no loop to mend.
            // The whole outline's area, its length and both sides' boxes in
            // one walk, each sum taken in the order of the runs.
            double wholeSum = 0.0;
            double px = p[0].x;
            double py = p[0].y;
            double insideLength = 0.0;
            double wholeLength = 0.0;
            Box insideBox;
            Box outsideBox;
            const auto walk = [&](int from, int to, Box& box) {
                for (int r = from; r < to; ++r) {
                    const CloseSegments::Point& q = p[r];
                    wholeSum += px * q.y - q.x * py;
                    px = q.x;
                    py = q.y;
                    const float dx = q.x - p[r + 1].x;
                    const float dy = q.y - p[r + 1].y;
                    const double length = std::sqrt(dx * dx + dy * dy);
                    wholeLength += length;
                    if (r > low && r < high) {
                        insideLength += length;
                    }
                    box.add(q.x, q.y);
                }
            };
            walk(0, low + 1, outsideBox);
            walk(low + 1, high + 1, insideBox);
            walk(high + 1, m, outsideBox);
            const double whole = wholeSum + px * p[0].y - p[0].x * py;
            const double inside = area(low + 1, high + 1, at.getX(), at.getY());
            const double outside = whole - inside;
            // A side whose area is less than its length times 0.25 mm is on
            // average narrower than 0.5 mm: a sliver, or a stub up a face.
            const double sliver = 0.5 / scale;
            const double sense = whole < 0.0 ? -1.0 : 1.0;
            // An island smaller than the finishing limit left beyond the
            // meeting point goes with the loop.
            const float limit = 0.5f / scale;
            // So does what a sheet wrapped round a thin nose leaves beyond
            // the point where its inner face meets the other surface: a
            // piece of the rib's end, turned partly inside out, a fiftieth
            // of the rib or less.
            const double piece = 0.02;
            bool insideTurned = inside * sense <= sliver * insideLength || insideBox.size() < limit
                                || std::fabs(inside) < piece * std::fabs(outside);
            bool outsideTurned = outside * sense <= sliver * (wholeLength - insideLength) || outsideBox.size() < limit
                                 || std::fabs(outside) < piece * std::fabs(inside);
            // A side thin on average, or small beside the rest, that holds a
            // stretch of wood to build all the same (a thin section's tail
            // behind a slot or a band) is no loop: the rib parts there, and
            // the side is kept as a piece. Only a side that holds wood on the
            // whole, less than the rest: what sheets and slots leave of a rib
            // they all but consume is mostly turned inside out, and is no
            // piece behind the rib.
            // It is kept only where it parts off as the sheets or a slot part
            // a rib; a crossing that parts nothing is cut as a loop still.
            bool keptForWood = false;
            const bool inner = insideTurned;
            if (pieces && cleanup.sheeted && insideTurned != outsideTurned) {
                const double turned = (inner ? inside : outside) * sense;
                const double other = (inner ? outside : inside) * sense;
                if ((inner ? insideBox : outsideBox).size() >= limit && turned > 0.0 && turned < other
                    && BuildableWood::heldBy(p, m, inner ? low + 1 : high + 1, inner ? high : low + m, at.getX(),
                                             at.getY(), scale)) {
                    insideTurned = false;
                    outsideTurned = false;
                    keptForWood = true;
                }
            }
            if (!insideTurned && !outsideTurned) {
                // Sheets of both sides that meet part the rib: the larger
                // piece stays, the smaller goes.
                SheetMeeting meeting(outline, runStarts, scale);
                const bool insideLarger = inside * sense >= outside * sense;
                if (!meeting.sheetsMeet(low, high)) {
                    // A slot whose floor comes onto the sheet of the other
                    // side parts the rib there as well: each piece is closed
                    // where they meet, and a loop the floor turned inside
                    // out beyond goes with the next pass.
                    const int slot = pieces && cleanup.sheeted
                                         ? OutlinePieces::slotAt(cleanup.sparParts, at.getX(), at.getY(), limit)
                                         : 0;
                    PointList* other = slot != 0 ? pieces->copyOf(outline) : nullptr;
                    if (other) {
                        pieces->partedBySlot(slot);
                        for (int r = insideLarger ? low + 1 : high + 1; r <= (insideLarger ? high : low + m); ++r) {
                            OutlineRuns::moveRun(*other, runStarts, r % m, at.getX(), at.getY());
                        }
                        for (int r = insideLarger ? high + 1 : low + 1; r <= (insideLarger ? low + m : high); ++r) {
                            cleanup.setRun(r % m, at.getX(), at.getY());
                        }
                        return true;
                    }
                    if (!keptForWood) {
                        continue;
                    }
                    insideTurned = inner;
                    outsideTurned = !inner;
                }
            }
            if (!insideTurned && !outsideTurned) {
                // The smaller piece is cut on its own, ended as the larger.
                SheetMeeting meeting(outline, runStarts, scale);
                const bool insideLarger = inside * sense >= outside * sense;
                if (PointList* other = pieces ? pieces->copyOf(outline) : nullptr) {
                    pieces->partedBySheets();
                    SheetMeeting otherMeeting(*other, runStarts, scale);
                    if (insideLarger) {
                        otherMeeting.keepPiece(high + 1, low + m, low + 1, high, at);
                    } else {
                        otherMeeting.keepPiece(low + 1, high, high + 1, low + m, at);
                    }
                }
                if (insideLarger) {
                    meeting.keepPiece(low + 1, high, high + 1, low + m, at);
                } else {
                    meeting.keepPiece(high + 1, low + m, low + 1, high, at);
                }
                return true;
            }
            const float x = at.getX();
            const float y = at.getY();
            cleanup.loopReach = reach;
            cleanup.loopReachKnown = true;
            cleanup.tracking = true;
            cleanup.movedKnown = true;
            cleanup.movedFirst = int(outline.size());
            cleanup.movedLast = -1;
            const bool cutInside = insideTurned && (!outsideTurned || std::fabs(inside) <= std::fabs(outside));
            for (int r = cutInside ? low + 1 : high + 1; r <= (cutInside ? high : low + m); ++r) {
                cleanup.setRun(r % m, x, y);
            }
            // Segments that only touch meet half a hair from the point that
            // touched, which may be a kept run beside the cut: where the way
            // on from it crosses the way into the cut from its other side, it
            // goes onto the meeting point too, or the outline would cross
            // itself by that hair.
            const int before = cutInside ? low : high;
            const int after = cutInside ? high + 1 : low + 1 + m;
            Vector3D crossing;
            for (const auto& [kept, beyond, other] : {std::array<int, 3>{before, before + m - 1, after},
                                                      std::array<int, 3>{after, after + 1, before}}) {
                if (point(kept).distanceXY(at) <= touch
                    && SegmentGeometry::segmentsMeet(point(other), at, point(kept), point(beyond), crossing)) {
                    cleanup.setRun(kept % m, x, y);
                }
            }
            cleanup.tracking = false;
            return true;
        }
    }
    return false;
}

#include "model/finishing/SheetedNose.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "foundation/Vector3D.h"

namespace {

// One side of the nose, walked from the front point rearwards: step -1 for
// the upper side, +1 for the lower. at is the last point taken, ahead the
// next one, -1 once the side stops running rearwards.
struct NoseSide {
    int at;
    int step;
    int ahead;
    // The farthest point the side has looked at: the next one, unless it
    // ended.
    int reach() const { return ahead >= 0 ? ahead : at; }
};

} // namespace

bool SheetedNose::endWhereThick(PointList& outline, float scale)
{
    const int n = int(outline.size());
    if (n < 4 || !(scale > 0.0f)) {
        return false;
    }
    const float limit = 0.5f / scale;
    const float hair = 0.001f / scale;
    int front = 0;
    for (int i = 1; i < n; ++i) {
        if (outline[size_t(i)]->getX() < outline[size_t(front)]->getX()) {
            front = i;
        }
    }
    if (front == 0 || front == n - 1) {
        return false;
    }
    // Only a nose the sheets have sunk: a bare nose's taper, or one a band
    // starting behind it leaves as it was, is the design's. The front point
    // itself need not have moved: where a sheet's end face cut the nose
    // back, or runs to a bare nose point, it lies on the wood the face left
    // (told below, once the sides are walked).
    const Vector3D& tip = *outline[size_t(front)];
    const bool tipSunk = std::fabs(tip.getAuxA()) + std::fabs(tip.getAuxB()) > 0.1f * limit;
    const float frontX = tip.getX();
    // A side runs on as long as it runs rearwards; a step across the chord
    // into the rib (a slot's wall) ends it, but for the face across the
    // front itself. A step out of the rib (where a band ends, the rib then
    // thicker), or a kink of the sheet's inner face that turns back by a
    // few hundredths outwards, leaves nothing that could stand out of a
    // face ahead of it, and the side runs on.
    const float kink = 0.05f / scale;
    // Such kinks the side ran through, in the order taken: a rib that gets
    // a face has them straightened, or their bulge would stand as a
    // narrow tooth a few tenths behind the face.
    std::vector<int> kinks;
    // The tops of band end faces the side ran up. Where the surface still
    // rises, a sheet's last normal leans forwards, and the side steps out
    // and a little forwards up the face: no fold. Such a step runs from a
    // sunk point to a point no sheet moved, at the station along the chord
    // the sheet moved the first from (across the chord the finishing may
    // have moved it since). Where the finishing gathered the sunk point onto
    // the band's last normal, that leans back, it moved it along the chord
    // too, and the station no longer tells: a side that has not stepped
    // into the rib yet takes the step all the same, as no edge but an end
    // face or a slot's rear wall leads from a sheet's inner face out to
    // wood no sheet moved. A slot's wall leaning the same way, reached down
    // its front wall, is cut into the rib and does neither. Where the sheets
    // took a slot's front wall and the floor ahead, its rear wall is where
    // the rib behind a nose on the web starts to rise: a step from wood no
    // sheet moved, on a side that has stepped into the rib nowhere ahead of
    // it. It only thickens the rib, and the spar still bears on it. A face
    // ahead of such a top would cut into the step, so the top must lie
    // behind the cut, or on it: where the wedge ahead is thin right up to
    // the step, the rib turns thick at the top, and the face runs down from
    // there. The step's foot then lies behind the face by as much as the
    // step leans forwards, a notch no deeper than a kink, or the tooth above
    // it would stand out of the face.
    std::vector<int> endFaces;
    // Once the cut is known, a sheet's inner face may fold back into the
    // rib where the whole fold lies at least the limit behind it: a hook
    // the offset of a tight nose left, as far from the new face as the
    // thinnest wood allowed.
    float foldsFrom = FLT_MAX;
    // Before it, a side may turn back into the rib by no more than a kink:
    // a face that ends the nose behind such a hook takes it off whole, so
    // it must lie ahead of the cut.
    std::vector<std::pair<int, int>> hooks;
    // A fold nearer the new face, though wholly behind it, leaves a tooth of
    // wood in the sheet between the face and the fold, too narrow to stand:
    // the side runs on from the fold's far end, and the face takes the
    // tooth's points onto its end. A turn back by no more than a kink stays
    // a kink.
    float teethFrom = FLT_MAX;
    std::vector<std::pair<int, int>> teeth;
    const auto sunkPoint = [](const Vector3D& q) { return q.getAuxA() != 0.0f || q.getAuxB() != 0.0f; };
    // Whether each side has stepped into the rib yet.
    bool upperWalled = false;
    bool lowerWalled = false;
    auto nextOf = [&](int at, int step) {
        const int i = at + step;
        if (i < 0 || i >= n) {
            return -1;
        }
        const Vector3D& last = *outline[size_t(at)];
        const Vector3D& p = *outline[size_t(i)];
        // The upper side is walked with step -1: out of the rib is up.
        const float outwards = (p.getY() - last.getY()) * float(-step);
        bool& walled = step < 0 ? upperWalled : lowerWalled;
        if (p.getX() < last.getX() - hair) {
            const bool endFace = std::fabs(last.getX() - last.getAuxA() - p.getX()) <= hair || !walled;
            if (outwards > kink && endFace && !sunkPoint(p)) {
                endFaces.push_back(i);
                return i;
            }
            if (outwards < 0.0f && p.getX() >= foldsFrom && sunkPoint(p) && sunkPoint(last)) {
                return i;
            }
            if (foldsFrom == FLT_MAX && !(p.getX() < last.getX() - kink) && !(outwards < -kink)
                && !(outwards > -hair)) {
                hooks.emplace_back(at, i);
                return i;
            }
            if (p.getX() < last.getX() - kink || !(outwards > -hair) || outwards > kink) {
                if (outwards < 0.0f && p.getX() > teethFrom && sunkPoint(p) && sunkPoint(last)) {
                    teeth.emplace_back(at, i);
                    return i;
                }
                return -1;
            }
            kinks.push_back(i);
            return i;
        }
        if (outwards < -kink) {
            walled = true;
        }
        // A step across into the rib is a slot's wall, not a dip of a few
        // thousandths where a sheet's inner face was offset.
        if (p.getX() <= last.getX() + hair && std::fabs(p.getY() - last.getY()) > kink
            && last.getX() > frontX + 10.0f * hair && outwards < 0.0f) {
            return -1;
        }
        return i;
    };
    auto heightAt = [&](const NoseSide& side, float x) {
        const Vector3D& u = *outline[size_t(side.at)];
        if (side.ahead < 0) {
            return u.getY();
        }
        const Vector3D& v = *outline[size_t(side.ahead)];
        const float dx = v.getX() - u.getX();
        if (!(dx > 0.0f)) {
            return u.getY();
        }
        const float t = std::min(1.0f, std::max(0.0f, (x - u.getX()) / dx));
        return u.getY() + (v.getY() - u.getY()) * t;
    };
    NoseSide upper{front, -1, nextOf(front, -1)};
    NoseSide lower{front, 1, nextOf(front, 1)};
    // Takes the next station of the two sides, nearest the front first.
    // False where a side has ended short of it: how thin the rib is there
    // is not this end's to tell.
    float x = frontX;
    float width = 0.0f;
    // The side that took the last station.
    int takenStep = 0;
    auto advance = [&]() {
        if (upper.ahead < 0 && lower.ahead < 0) {
            return false;
        }
        const bool takeUpper = lower.ahead < 0
                               || (upper.ahead >= 0
                                   && outline[size_t(upper.ahead)]->getX() <= outline[size_t(lower.ahead)]->getX());
        NoseSide& taken = takeUpper ? upper : lower;
        const NoseSide& other = takeUpper ? lower : upper;
        takenStep = taken.step;
        taken.at = taken.ahead;
        taken.ahead = nextOf(taken.at, taken.step);
        x = outline[size_t(taken.at)]->getX();
        if (other.ahead < 0 && x > outline[size_t(other.at)]->getX() + hair) {
            return false;
        }
        const float y = outline[size_t(taken.at)]->getY();
        width = takeUpper ? y - heightAt(lower, x) : heightAt(upper, x) - y;
        return true;
    };
    float before = frontX;
    float beforeWidth = 0.0f;
    for (;;) {
        if (!advance()) {
            return false;
        }
        if (width >= limit) {
            break;
        }
        before = x;
        beforeWidth = width;
    }
    float cut = x > before ? before + (x - before) * (limit - beforeWidth) / (width - beforeWidth) : x;
    auto sideHeight = [&](int from, int to, int step) {
        for (int i = from; i != to; i += step) {
            const Vector3D& u = *outline[size_t(i)];
            const Vector3D& v = *outline[size_t(i + step)];
            if (v.getX() >= cut) {
                const float dx = v.getX() - u.getX();
                return dx > 0.0f ? u.getY() + (v.getY() - u.getY()) * std::max(0.0f, cut - u.getX()) / dx : v.getY();
            }
        }
        return outline[size_t(to)]->getY();
    };
    // The front point closes the upper side's end of the face, unless it is
    // the lower side's only point ahead of the cut: the face then keeps
    // its lower end there, not the upper one twice.
    auto placeFace = [&](int upperEnd, int lowerEnd, float yu, float yl) {
        const bool frontBelow =
            !(outline[size_t(front + 1)]->getX() < cut) && outline[size_t(front - 1)]->getX() < cut;
        for (int i = upperEnd; i <= lowerEnd; ++i) {
            Vector3D& p = *outline[size_t(i)];
            if (p.getX() < cut) {
                p.setX(cut);
                p.setY(i < front || (i == front && !frontBelow) ? yu : yl);
            }
        }
    };
    // Where the rib turns thick at the top of an end face that leans
    // forwards from its foot (a band's, or a slot's wall the sheets bared),
    // ending at the top would leave the wood over the foot a tooth, narrower
    // than the limit where the face leans by less. The rib ends at the foot
    // instead, straight across from the side above to the side below, each
    // read from where it runs on behind the foot; what lies ahead, the tooth
    // and the thin wedge by it, goes. Between those two ends the outline
    // runs down the face at the foot's height; nothing between may lie
    // behind the face.
    auto endAtFoot = [&](int upperEnd, int lowerEnd, float yFoot) {
        int above = upperEnd;
        while (above < front && !(outline[size_t(above)]->getX() < cut)) {
            ++above;
        }
        int below = lowerEnd;
        while (below > front && !(outline[size_t(below)]->getX() < cut)) {
            --below;
        }
        if (above == upperEnd || below == lowerEnd || !(above < below)) {
            return false;
        }
        const auto heightAtCut = [&](int ahead, int behind) {
            const Vector3D& u = *outline[size_t(ahead)];
            const Vector3D& v = *outline[size_t(behind)];
            return u.getY() + (v.getY() - u.getY()) * (cut - u.getX()) / (v.getX() - u.getX());
        };
        const float yu = heightAtCut(above, above - 1);
        const float yl = heightAtCut(below, below + 1);
        if (!(yu - yl >= limit)) {
            return false;
        }
        for (int i = above + 1; i < below; ++i) {
            if (outline[size_t(i)]->getX() > cut + hair) {
                return false;
            }
        }
        const float middle = std::min(yu, std::max(yl, yFoot));
        for (int i = above; i <= below; ++i) {
            Vector3D& p = *outline[size_t(i)];
            if (p.getX() < cut) {
                p.setX(cut);
                p.setY(i == above ? yu : i == below ? yl : middle);
            }
        }
        return true;
    };
    // The foot of an end face whose top is point top, on the side walked in
    // steps of step; -1 where the face does not lean forwards by more than a
    // hair, or leans by the limit or more.
    auto footOf = [&](int top, int step) {
        const int foot = top - step;
        if (top == front || foot < 0 || foot >= n) {
            return -1;
        }
        const float lean = outline[size_t(foot)]->getX() - outline[size_t(top)]->getX();
        return lean > hair && lean < limit ? foot : -1;
    };
    // A wedge that thin for no more than a tenth of a millimetre goes with
    // the sanding, as a round nose's tip does.
    if (!(cut - frontX > 0.1f / scale)) {
        // Unless the rib turns thick in one step across the chord, down a
        // face the sheets sank the front to: points a few hundredths ahead
        // of that face leave it leaning, a sliver thinner than 0.5 mm for
        // as far as the face reaches down. They go back onto the face, which
        // takes off no more than that sliver.
        const int upperEnd = upper.reach();
        const int lowerEnd = lower.reach();
        if (tipSunk && cut - frontX > hair && std::fabs(x - before) <= hair && width - beforeWidth > kink) {
            placeFace(upperEnd, lowerEnd, sideHeight(front, upperEnd, -1), sideHeight(front, lowerEnd, 1));
            return true;
        }
        // Or where it turns thick at the top of an end face the sheet sank
        // the foot of.
        const NoseSide& taken = takenStep < 0 ? upper : lower;
        const int foot = footOf(taken.at, taken.step);
        if (foot < 0 || !sunkPoint(*outline[size_t(foot)])
            || std::find(endFaces.begin(), endFaces.end(), taken.at) == endFaces.end()) {
            return false;
        }
        cut = outline[size_t(foot)]->getX();
        return endAtFoot(upperEnd, lowerEnd, outline[size_t(foot)]->getY());
    }
    // Each side as far as the point behind the cut, which the side that did
    // not take the last station has not reached yet.
    int upperEnd = upper.reach();
    int lowerEnd = lower.reach();
    for (const auto& [from, to] : hooks) {
        if (!(std::max(outline[size_t(from)]->getX(), outline[size_t(to)]->getX()) < cut)) {
            return false;
        }
    }
    foldsFrom = cut + limit;
    teethFrom = cut;
    for (NoseSide* side : {&upper, &lower}) {
        if (side->ahead < 0) {
            side->ahead = nextOf(side->at, side->step);
        }
    }
    // A side that folds back or steps across just behind the end (a slot's
    // wall, a tooth the sheets left) would stand out of the new face as a
    // sliver: that end is not this pass's to make. Both sides run on for a
    // millimetre at least, until the rib is twice the limit thick. Where it
    // turns thin again before that, an end here would hang on a neck: the
    // sheets pinch the rib along the band, and the wood ahead of the pinch
    // goes with the nose. The rib ends where it is last thin. A rib that
    // stays thin from there to its trailing edge hangs nothing on it: that
    // is its tail's taper, and the end here stands.
    // Where both sides are down on slots' floors, the thin place is the web
    // the spar leaves between its slots, as the bare rib has it but for the
    // few thousandths floors cut from the sheets' inner faces lie deeper:
    // the spar's, no neck of the sheets' making, and the walk runs on past
    // it. A side is on a floor where the last step it took across the
    // chord, as far as point to, went into the rib between two points alike
    // sunk or not; the step from wood no sheet moved down onto a sheet's
    // inner face is a band's start, where the rib is as thin as the sheets
    // leave it. A slot the sheets left shallow steps by less than a kink.
    const auto onFloor = [&](int to, int step) {
        bool down = false;
        for (int i = front; i != to; i += step) {
            const Vector3D& u = *outline[size_t(i)];
            const Vector3D& v = *outline[size_t(i + step)];
            const float outwards = (v.getY() - u.getY()) * float(-step);
            if (std::fabs(outwards) > 10.0f * hair && std::fabs(v.getX() - u.getX()) < std::fabs(outwards)) {
                down = outwards < 0.0f && sunkPoint(u) == sunkPoint(v);
            }
        }
        return down;
    };
    for (bool pinched = true; pinched;) {
        pinched = false;
        const float clear = cut + 2.0f * limit;
        while (width < 2.0f * limit || x < clear) {
            const float reached = x;
            if (!advance()) {
                if (reached < clear) {
                    return false;
                }
                break;
            }
            if (width < limit - 5.0f * hair && !(onFloor(upper.at, -1) && onFloor(lower.at, 1))) {
                pinched = true;
                break;
            }
        }
        if (!pinched) {
            break;
        }
        bool tapers = false;
        do {
            before = x;
            beforeWidth = width;
            if (!advance()) {
                tapers = upper.ahead < 0 && upper.at == 0 && lower.ahead < 0 && lower.at == n - 1;
                if (!tapers) {
                    return false;
                }
                break;
            }
        } while (width < limit);
        if (tapers) {
            break;
        }
        cut = before + (x - before) * (limit - beforeWidth) / (width - beforeWidth);
        upperEnd = upper.reach();
        lowerEnd = lower.reach();
    }
    // The foot farthest back of the faces at the cut, or across it, that
    // lean forwards by more than a kink.
    int farthestFoot = -1;
    for (const int i : endFaces) {
        const float top = outline[size_t(i)]->getX();
        const float foot = outline[size_t(i < front ? i + 1 : i - 1)]->getX();
        // A face wholly ahead of the cut is not this end's; one whose top
        // alone lies ahead leaves that top a tooth over the face.
        const bool ahead = top < cut;
        if (ahead && !(foot > cut)) {
            return false;
        }
        if (ahead || (!(top > cut) && foot > cut + kink)) {
            const int at = footOf(i, i < front ? -1 : 1);
            if (at < 0 || !teeth.empty()) {
                return false;
            }
            if (farthestFoot < 0 || outline[size_t(at)]->getX() > outline[size_t(farthestFoot)]->getX()) {
                farthestFoot = at;
            }
        }
    }
    // A front the sheets did not move is still theirs to end where they
    // moved a point of the wedge's sides back by more than the limit beyond
    // where it now lies behind the front: that side was pushed back past
    // the front, and the wedge between is the sheets' making, not the
    // section's. So it is where they sank a point of the wedge ahead of the
    // cut across the chord by the limit: the bare rib was at least that
    // thick there, as where a sheet ate the rib ahead of a spar's slots and
    // the front is a slot's corner no sheet moved. A point gathered onto a
    // corner or a face since keeps a shift that no longer leads back to
    // where it lies, but the sheets did sink it that far, and only into the
    // rib.
    bool sunk = tipSunk;
    const int lowerWalked = lower.reach();
    for (int i = upper.reach(); i <= lowerWalked && !sunk; ++i) {
        const Vector3D& q = *outline[size_t(i)];
        sunk = q.getAuxA() > q.getX() - frontX + limit || (q.getX() < cut && std::fabs(q.getAuxB()) >= limit);
    }
    if (!sunk) {
        return false;
    }
    if (farthestFoot >= 0) {
        // Read from as far as the walk went: the cut lies farther back now.
        cut = outline[size_t(farthestFoot)]->getX();
        return endAtFoot(upper.reach(), lower.reach(), outline[size_t(farthestFoot)]->getY());
    }
    const float yu = sideHeight(front, upperEnd, -1);
    const float yl = sideHeight(front, lowerEnd, 1);
    // A tooth goes with the nose only where the side runs from the face's
    // end straight to the fold's far end outside all of the tooth: the
    // straight side then takes off wood alone.
    for (const auto& [tip, back] : teeth) {
        const int step = back - tip;
        const Vector3D& r = *outline[size_t(back)];
        const float ye = step < 0 ? yu : yl;
        if (!(r.getX() > cut)) {
            return false;
        }
        for (int k = tip; k != front; k -= step) {
            const Vector3D& q = *outline[size_t(k)];
            const float side = (r.getX() - cut) * (q.getY() - ye) - (r.getY() - ye) * (q.getX() - cut);
            if (q.getX() > cut && side * float(step) > 0.0f) {
                return false;
            }
        }
    }
    placeFace(upperEnd, lowerEnd, yu, yl);
    for (const auto& [tip, back] : teeth) {
        const int step = back - tip;
        for (int k = tip; k != front; k -= step) {
            outline[size_t(k)]->setX(cut);
            outline[size_t(k)]->setY(step < 0 ? yu : yl);
        }
    }
    // The side straight from the point ahead of a kink to the first one
    // behind it where all between bulge outwards: that takes off the bulge
    // and leaves no corner pair a few tenths apart. Failing that, the kink's
    // point goes back to the station the side had reached.
    for (const int i : kinks) {
        const int step = i <= front ? -1 : 1;
        const Vector3D& b = *outline[size_t(i - step)];
        int to = -1;
        for (int a = i + step; a >= 0 && a < n && std::abs(a - i) <= 4 && to < 0; a += step) {
            const Vector3D& e = *outline[size_t(a)];
            if (!(e.getX() > b.getX() + hair)) {
                continue;
            }
            bool outwards = true;
            for (int k = i; k != a && outwards; k += step) {
                const Vector3D& q = *outline[size_t(k)];
                const float side = (e.getX() - b.getX()) * (q.getY() - b.getY())
                                   - (e.getY() - b.getY()) * (q.getX() - b.getX());
                outwards = side * float(step) <= 0.0f;
            }
            if (outwards) {
                to = a;
            }
        }
        if (to < 0) {
            Vector3D& q = *outline[size_t(i)];
            q.setX(std::max(q.getX(), b.getX()));
            continue;
        }
        for (int k = i; k != to; k += step) {
            outline[size_t(k)]->setX(b.getX());
            outline[size_t(k)]->setY(b.getY());
        }
    }
    return true;
}

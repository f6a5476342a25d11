#include "OutlineCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <iostream>
#include <sstream>
#include <vector>

#include "BenchWing.h"
#include "OutlineMeasures.h"
#include "SlotWidths.h"
#include "airfoils/Airfoil.h"
#include "airfoils/AirfoilFile.h"
#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "foundation/Vertex.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"

namespace {

using namespace outlinecheck;

struct Tally {
    long ribs = 0;
    long crossing = 0;
    long twice = 0;
    // Ribs that cross themselves only as their points are stored.
    long crossingAsStored = 0;
    long narrow = 0;
    long narrowSlots = 0;
    long necks = 0;
    long beyond = 0;
    long outside = 0;
    long inSheet = 0;
    long thin = 0;
    long thinInBare = 0;
    // The rest of the thin ones, by what stands at the two ends of the
    // thinnest place (see thinCause).
    long thinSlotWeb = 0;
    long thinPinch = 0;
    long thinOneSheet = 0;
    long thinTwoSlots = 0;
    long thinUnsunk = 0;
    long thinOther = 0;
    long sparCut = 0;
    long consumed = 0;
    // Covered ribs missing wood of their bare rib at least 1 mm thick that
    // no sheet takes, not told as consumed: a piece dropped without a word.
    long dropped = 0;
    double worstDropped = 0.0;
    // Ribs the finishing's last check marked.
    long markedNarrow = 0;
    // Ribs kept as several pieces (told as parted), pieces that cross or
    // pass a point twice, and ribs marked as crossing where no parting
    // mended it.
    long parted = 0;
    long pieceFaults = 0;
    long markedCrossed = 0;
    long fragments = 0;
    // Covered ribs thinner than 0.5 mm up to a face across their trailing
    // edge where their bare rib is not; those ending in the point where
    // both sheets meet, told apart as the rib ends there; and those whose
    // bare rib is as thin (a thin section's own trailing edge).
    long thinTails = 0;
    long thinTailsToPoint = 0;
    long thinTailsInBare = 0;
    // The same at the nose: thinner than 0.5 mm for a way behind it where
    // the sheets of both sides sink it and the bare rib is not; where only
    // one side's sheet does; where the bare rib's own nose is as thin.
    long thinNoses = 0;
    long thinNosesOneSheet = 0;
    long thinNosesInBare = 0;
    long slotsNarrowerThanSpar = 0;
    long slotsUnmeasured = 0;
    // Covered ribs whose every find of the kind the bare rib has too, at
    // the same place: the design's (its slots on a thin rib), not the
    // sheets'.
    long narrowCovered = 0;
    long narrowSlotsCovered = 0;
    long necksCovered = 0;
    long narrowInBare = 0;
    long narrowSlotsInBare = 0;
    long necksInBare = 0;
    double worstOutside = 0.0;
    double worstLoop = 0.0;
    double worstNarrow = 0.0;
    double worstBeyond = 0.0;
    double worstSlotWidth = 0.0;
    QStringList examples;

    // At most 40 examples, or every one that matches the pattern in
    // the environment variable OUTLINE_CHECK_SHOW.
    void note(const QString& text)
    {
        static const QString show = qEnvironmentVariable("OUTLINE_CHECK_SHOW");
        static const QRegularExpression shown(show);
        if (show.isEmpty() ? examples.size() < 40 : text.contains(shown))
            examples << text;
    }
};

// A slot under a sheet is the bare rib's moved into the rib by the sheet:
// the spar goes in as into the bare rib, so the slot is no narrower than the
// bare one (or, where that has no walls to measure, than the spar).
void checkSlotWidths(Tally& tally, const QString& name, const RibDefinition& rib, const RibDefinition& bare,
                     double mm)
{
    if (rib.getSquareSparParts().empty() || rib.getCoveringPolygons().empty())
        return;
    const std::vector<SlotWidth> bareSlots = squareSlotWidths(bare, mm);
    double narrower = 0.0;
    QString what;
    bool unmeasured = false;
    for (const SlotWidth& slot : squareSlotWidths(rib, mm, bareSlots)) {
        const auto same = std::find_if(bareSlots.begin(), bareSlots.end(),
                                       [&](const SlotWidth& b) { return b.id == slot.id; });
        if (same == bareSlots.end())
            continue;
        // A slot wider than its spar (one that runs into another, or out of
        // the rib) needs to be no wider than that.
        const double roomy = same->spar;
        const double mouth = std::min(roomy, same->measured ? same->mouth : same->spar);
        const double floor = std::min(roomy, same->measured ? same->floor : same->spar);
        if (!slot.measured) {
            if (same->measured && !unmeasured)
                tally.note(QStringLiteral("%1: slot %2 has no walls to measure, bare %3 mm wide")
                               .arg(name)
                               .arg(slot.id)
                               .arg(mouth, 0, 'f', 3));
            unmeasured = unmeasured || same->measured;
            continue;
        }
        const double by = std::max(mouth - std::min(roomy, slot.mouth), floor - std::min(roomy, slot.floor));
        // Widths taken across a step where a band ends, or below a face
        // that ends one at a slant, can read narrower than a slot the spar
        // goes into as into the bare rib: only a spar that meets wood there
        // is held out.
        const auto fits = [&] {
            if (by <= 0.02)
                return false;
            const std::vector<P> covered = passesOf(rib.getRibCoords(), mm);
            const std::vector<P> bareOutline = passesOf(bare.getRibCoords(), mm);
            for (const IdentifiableObject* part : bare.getSquareSparParts())
                if (part->getType() == 2 && part->getId() == slot.id)
                    return woodInBareSpar(covered, bareOutline, *part, mm) <= 0.015;
            return false;
        };
        if (by > narrower && !fits()) {
            narrower = by;
            what = QStringLiteral("%1: slot narrower than its spar by %2 mm, %3 at the mouth and %4 at the floor, "
                                  "bare %5 and %6")
                       .arg(name)
                       .arg(by, 0, 'f', 3)
                       .arg(slot.mouth, 0, 'f', 3)
                       .arg(slot.floor, 0, 'f', 3)
                       .arg(mouth, 0, 'f', 3)
                       .arg(floor, 0, 'f', 3);
        }
    }
    tally.slotsUnmeasured += unmeasured;
    if (narrower > 0.02) {
        ++tally.slotsNarrowerThanSpar;
        tally.worstSlotWidth = std::max(tally.worstSlotWidth, narrower);
        tally.note(what);
    }
}

// What leaves a covered rib thinner than 0.5 mm across where its bare rib
// is not, told by the two ends of the thinnest place. An end is sunk where
// it lies more than 0.01 mm inside the bare rib (slots included, as a slot
// under a sheet reaches the bare floor; a 1 mm sheet over a slot cut 0.97
// mm deep for the web lies 0.03 mm past its floor); it is on a square
// spar's slot where it lies within the slot's chord range (0.3 mm more
// either way, for walls cut along a sloping surface's normal) and no
// farther from the slot than the other end. A slot's floor or wall with a sunk end across is the web
// the slot leaves over the other side's sheet; both ends on slots, the web
// between two slots (the spar rule's, or two spars' slots from either side
// that nearly meet); two sunk ends on either side of the rib, off the
// slots, are two sheets pinching it; one sunk end across from the bare
// surface is one sheet, its inner face held at the camber line; neither
// end sunk would be the bare rib's own section, which is thin there as well
// and counted so.
enum class ThinCause { SlotWeb, TwoSlots, Pinch, OneSheet, Unsunk, Other };

ThinCause thinCause(const RibDefinition& rib, const std::vector<P>& passes, const std::vector<P>& bare,
                    const Across& across, double mm)
{
    const auto sunk = [&](const P& q) { return farthestFrom(std::vector<P>{q}, bare, 1e9) > 0.01; };
    const auto onSlot = [&](const P& end, const P& other) {
        for (const IdentifiableObject* part : rib.getSquareSparParts()) {
            if (part->getType() != 2 || part->getPoints().empty())
                continue;
            double low = 1e30;
            double high = -1e30;
            double middle = 0.0;
            for (const Vertex* v : part->getPoints()) {
                low = std::min(low, double(v->getX()) * mm);
                high = std::max(high, double(v->getX()) * mm);
                middle += double(v->getY()) * mm / double(part->getPoints().size());
            }
            if (end.x >= low - 0.3 && end.x <= high + 0.3
                && std::fabs(end.y - middle) <= std::fabs(other.y - middle))
                return true;
        }
        return false;
    };
    const P& a = across.from;
    const P& b = across.to;
    const bool slotA = onSlot(a, b);
    const bool slotB = onSlot(b, a);
    if ((slotA && sunk(b)) || (slotB && sunk(a)))
        return ThinCause::SlotWeb;
    if (slotA && slotB)
        return ThinCause::TwoSlots;
    // Upper side from the trailing edge to the nose, then the lower side.
    const int nose =
        int(std::min_element(passes.begin(), passes.end(), [](const P& u, const P& v) { return u.x < v.x; })
            - passes.begin());
    const bool apart = (across.point <= nose) != (across.segment < nose);
    if (!apart || slotA || slotB) {
        // On a thin rib a spar's slot parts reach through most of it, and
        // the two ends of a web lie at either side of a part's middle: the
        // one nearer to the middle is then read as off the slot. An end
        // within (or on the walls of) a part, the other sunk, is the slot's
        // web over the sheet all the same; both within parts and neither
        // sunk, the web between the slots.
        const auto inPart = [&](const P& q) {
            for (const IdentifiableObject* part : rib.getSquareSparParts()) {
                if (part->getType() != 2 || part->getPoints().size() < 3)
                    continue;
                std::vector<P> corners;
                for (const Vertex* v : part->getPoints())
                    corners.push_back(P{double(v->getX()) * mm, double(v->getY()) * mm});
                P ignored{0.0, 0.0};
                if (farthestOutside(std::vector<P>{q}, corners, &ignored) <= 0.01)
                    return true;
            }
            return false;
        };
        const bool partA = inPart(a);
        const bool partB = inPart(b);
        if ((partA && sunk(b)) || (partB && sunk(a)))
            return ThinCause::SlotWeb;
        if (partA && partB)
            return ThinCause::TwoSlots;
        return ThinCause::Other;
    }
    if (sunk(a) && sunk(b))
        return ThinCause::Pinch;
    return sunk(a) != sunk(b) ? ThinCause::OneSheet : ThinCause::Unsunk;
}

void checkRib(Tally& tally, const QString& where, const RibDefinition& rib, const RibDefinition* bare, float sheet,
              double mm)
{
    ++tally.ribs;
    const std::vector<P> passes = passesOf(rib.getRibCoords(), mm);
    const QString name = QStringLiteral("%1 at %2").arg(where).arg(rib.position);
    recordRib(name, rib, bare, mm, tally.ribs);
    double loop = 0.0;
    P at{0.0, 0.0};
    // A spar slot deeper than the rib is thick cuts the rib in two: no one
    // outline can hold that, and it is the design's to change, not the
    // finishing passes'. Counted apart.
    const auto spars = sparRanges(rib, mm);
    const bool crossing = crossesItself(passes, &loop, &at);
    P twiceAt{0.0, 0.0};
    const bool twice = passesPointTwice(passes, &twiceAt);
    if ((crossing && withinSpar(spars, at.x)) || (!crossing && twice && withinSpar(spars, twiceAt.x))) {
        ++tally.sparCut;
        tally.note(QStringLiteral("%1 at %2: cut through by a spar at %3 mm").arg(where).arg(rib.position).arg(crossing ? at.x : twiceAt.x));
    } else if (crossing) {
        ++tally.crossing;
        tally.worstLoop = std::max(tally.worstLoop, loop);
        tally.note(QStringLiteral("%1 at %2: crosses itself, loop of %3 mm").arg(where).arg(rib.position).arg(loop));
    }
    P storedAt{0.0, 0.0};
    if (!crossing && crossesAsStored(rib.getRibCoords(), mm, &storedAt)) {
        ++tally.crossingAsStored;
        tally.note(QStringLiteral("%1 at %2: crosses itself by a hair as stored, at (%3, %4)")
                       .arg(where)
                       .arg(rib.position)
                       .arg(storedAt.x, 0, 'f', 3)
                       .arg(storedAt.y, 0, 'f', 3));
    }
    if (twice && !(crossing ? withinSpar(spars, at.x) : withinSpar(spars, twiceAt.x))) {
        ++tally.twice;
        tally.note(QStringLiteral("%1 at %2: passes a point twice").arg(where).arg(rib.position));
    }
    // Sheets thicker than the rib leave at most a fragment: on average
    // narrower than 0.5 mm (twice its area less than its way round times
    // 0.5 mm), or nothing at all. No builder can use it: the rib must be
    // left out and marked, so that the user is told which ribs the sheets
    // consume. A fragment cut all the same is counted apart.
    if (rib.consumedBySheets()) {
        ++tally.consumed;
        tally.note(QStringLiteral("%1 at %2: nothing buildable left").arg(where).arg(rib.position));
        if (!passes.empty()) {
            ++tally.fragments;
            tally.note(
                QStringLiteral("%1 at %2: marked as taken by the sheets, but cut").arg(where).arg(rib.position));
        }
        return;
    }
    if (rib.outlineFault() == RibDefinition::OutlineFault::NarrowFeature) {
        ++tally.markedNarrow;
        tally.note(QStringLiteral("%1 at %2: marked by the last check, a narrow feature at a moved face")
                       .arg(where)
                       .arg(rib.position));
    }
    if (rib.outlineCrossed()) {
        ++tally.markedCrossed;
        tally.note(QStringLiteral("%1 at %2: marked as crossing itself").arg(where).arg(rib.position));
    }
    // Every piece of a parted rib is a simple outline of its own; the wood
    // it holds is no wood dropped.
    std::vector<P> kept = passes;
    if (rib.isParted()) {
        ++tally.parted;
        int k = 0;
        for (const RibDefinition::PointList& piece : rib.getFurtherPieces()) {
            ++k;
            const std::vector<P> piecePasses = passesOf(piece, mm);
            double pieceLoop = 0.0;
            P pieceAt{0.0, 0.0};
            if (crossesItself(piecePasses, &pieceLoop, &pieceAt) || passesPointTwice(piecePasses, &pieceAt)
                || crossesAsStored(piece, mm, &pieceAt)) {
                ++tally.pieceFaults;
                tally.note(QStringLiteral("%1 at %2: piece %3 crosses itself or passes a point twice at (%4, %5)")
                               .arg(where)
                               .arg(rib.position)
                               .arg(k)
                               .arg(pieceAt.x, 0, 'f', 3)
                               .arg(pieceAt.y, 0, 'f', 3));
            }
            kept.insert(kept.end(), piecePasses.begin(), piecePasses.end());
        }
    }
    if (bare) {
        P droppedAt{0.0, 0.0};
        double short_ = 0.0;
        const double wood =
            droppedWood(kept, passesOf(bare->getRibCoords(), mm), rib, mm, sheet, &droppedAt, &short_);
        if (wood >= 1.0) {
            ++tally.dropped;
            tally.worstDropped = std::max(tally.worstDropped, wood);
            tally.note(QStringLiteral("%1 at %2: bare wood dropped, %3 mm thick at x = %4, the rib ends %5 mm short")
                           .arg(where)
                           .arg(rib.position)
                           .arg(wood, 0, 'f', 2)
                           .arg(droppedAt.x, 0, 'f', 2)
                           .arg(short_, 0, 'f', 2));
        }
    }
    if (bare) {
        double area = 0.0;
        double way = 0.0;
        for (size_t i = 0; i < passes.size(); ++i) {
            const P& u = passes[i];
            const P& v = passes[(i + 1) % passes.size()];
            area += u.x * v.y - v.x * u.y;
            way += std::hypot(v.x - u.x, v.y - u.y);
        }
        // A piece thin on average that holds 0.5 mm of wood across for a
        // millimetre or more (running out into a thin tail) is kept as one
        // that can be built, and is no fragment.
        if (passes.size() < 3 || (std::fabs(area) < 0.5 * way && stretchAtLeast(passes, 0.5) < 1.0)) {
            ++tally.fragments;
            tally.note(QStringLiteral("%1 at %2: a fragment cut where nothing buildable is left")
                           .arg(where)
                           .arg(rib.position));
        }
    }
    QString what;
    NarrowFinds finds;
    const double narrow = narrowFeature(passes, &what, &finds);
    // Whether the bare rib has a find of any kind within the sheet (and
    // half a millimetre) of each of these: the sheets move the surface, and
    // with it the corners, by up to their thickness.
    NarrowFinds bareFinds;
    if (bare && (narrow > 0.0 || finds.slot > 0.0 || finds.neck > 0.0)) {
        QString ignored;
        narrowFeature(passesOf(bare->getRibCoords(), mm), &ignored, &bareFinds, true);
    }
    const auto inBare = [&](const std::vector<P>& found, bool necks = false) {
        if (!bare || found.empty())
            return false;
        const double reach = sheet + 0.5;
        for (const P& q : found) {
            bool near = false;
            for (const std::vector<P>* kind :
                 {&bareFinds.narrowsAt, &bareFinds.slotsAt, &bareFinds.necksAt, &bareFinds.longNecksAt}) {
                if (kind == &bareFinds.longNecksAt && !necks)
                    continue;
                for (const P& b : *kind)
                    near = near || std::hypot(b.x - q.x, b.y - q.y) <= reach;
            }
            if (!near)
                return false;
        }
        return true;
    };
    const auto alsoBare = [](bool also) { return also ? QStringLiteral(" (the bare rib too)") : QString(); };
    if (narrow > 0.0) {
        ++tally.narrow;
        const bool also = inBare(finds.narrowsAt);
        tally.narrowCovered += bare != nullptr;
        tally.narrowInBare += also;
        tally.worstNarrow = std::max(tally.worstNarrow, narrow);
        tally.note(QStringLiteral("%1 at %2: narrow feature, %3%4")
                       .arg(where)
                       .arg(rib.position)
                       .arg(what, alsoBare(also)));
    }
    if (finds.slot > 0.0) {
        ++tally.narrowSlots;
        const bool also = inBare(finds.slotsAt);
        tally.narrowSlotsCovered += bare != nullptr;
        tally.narrowSlotsInBare += also;
        tally.note(QStringLiteral("%1 at %2: slot narrower than 0.5 mm, %3 mm deep%4")
                       .arg(where)
                       .arg(rib.position)
                       .arg(finds.slot, 0, 'f', 3)
                       .arg(alsoBare(also)));
    }
    if (finds.neck > 0.0) {
        ++tally.necks;
        const bool also = inBare(finds.necksAt, true);
        tally.necksCovered += bare != nullptr;
        tally.necksInBare += also;
        tally.note(QStringLiteral("%1 at %2: joined by a neck narrower than 0.5 mm, %3 mm beyond it, %4 mm wide "
                                  "between (%5, %6) and (%7, %8)%9")
                       .arg(where)
                       .arg(rib.position)
                       .arg(finds.neck, 0, 'f', 3)
                       .arg(finds.neckWidth, 0, 'f', 4)
                       .arg(finds.neckFrom.x, 0, 'f', 2)
                       .arg(finds.neckFrom.y, 0, 'f', 2)
                       .arg(finds.neckTo.x, 0, 'f', 2)
                       .arg(finds.neckTo.y, 0, 'f', 2)
                       .arg(alsoBare(also)));
    }
    if (bare) {
        const std::vector<P> other = passesOf(bare->getRibCoords(), mm);
        const double limit = sheet + 0.25;
        // Where the sheets of both sides meet inside the rib, the rib ends:
        // the bare rib ahead of that (or behind it) is all sheet.
        double front = 0.0;
        double back = 0.0;
        extentX(passes, front, back);
        double bareFront = 0.0;
        double bareBack = 0.0;
        extentX(other, bareFront, bareBack);
        // Where both sheets meet, the rib ends on a face 0.5 mm across
        // between their inner faces: its middle lies the sheet and half the
        // face off the bare surface, and where the surfaces close in towards
        // the end, by up to this much more.
        const double meetingFaceSlack = 0.1;
        const auto onEndFace = [&](const P& q) {
            return (std::fabs(q.x - front) < 0.01 && bareFront < front - 0.5)
                   || (std::fabs(q.x - back) < 0.01 && bareBack > back + 0.5);
        };
        std::vector<P> facePoints;
        std::vector<P> otherPoints;
        for (const P& q : passes)
            (onEndFace(q) ? facePoints : otherPoints).push_back(q);
        const double apart = std::max({farthestFrom(otherPoints, other, limit),
                                       farthestFrom(facePoints, other, limit + meetingFaceSlack) - meetingFaceSlack,
                                       farthestFrom(other, passes, limit, front + sheet, back - sheet)});
        if (apart > limit) {
            ++tally.beyond;
            tally.worstBeyond = std::max(tally.worstBeyond, apart);
            tally.note(QStringLiteral("%1 at %2: %3 mm from the bare rib").arg(where).arg(rib.position).arg(apart));
        }
        // A rib the sheets leave thinner than 0.5 mm up to a face across its
        // end is a tail no builder can cut, unless the section's own
        // trailing edge is as thin: the sheet's inner face then runs into it
        // as the surface did. Where both sheets meet, the rib ends in their
        // meeting point as a sharp trailing edge does.
        bool atFace = false;
        bool bareAtFace = false;
        const double tail = thinTail(passes, &atFace);
        const double bareTail = tail > 0.1 ? thinTail(other, &bareAtFace) : 0.0;
        tally.thinTailsInBare += tail > 0.1 && bareTail > 0.0;
        tally.thinTailsToPoint += tail > 0.1 && bareTail == 0.0 && !atFace;
        if (tail > 0.1 && bareTail == 0.0 && !atFace)
            tally.note(QStringLiteral("%1 at %2: thinner than 0.5 mm for %3 mm up to where both sheets meet")
                           .arg(where)
                           .arg(rib.position)
                           .arg(tail, 0, 'f', 2));
        if (tail > 0.1 && bareTail == 0.0 && atFace) {
            ++tally.thinTails;
            tally.note(QStringLiteral("%1 at %2: thinner than 0.5 mm for %3 mm up to the trailing edge's face")
                           .arg(where)
                           .arg(rib.position)
                           .arg(tail, 0, 'f', 2));
        }
        // The nose likewise: a round bare nose is thinner than 0.5 mm only
        // for a hair behind its tip; where the sheets of both sides meet
        // ahead of the section's own taper, the rib ends as thick as 0.5 mm.
        int noseAt = 0;
        const double nose = thinNose(passes, &atFace, &noseAt);
        if (nose > 0.1) {
            int bareNoseAt = 0;
            double bareFront = 1e30;
            for (const P& q : other)
                bareFront = std::min(bareFront, q.x);
            const double bareNose = thinNose(other, &bareAtFace, &bareNoseAt);
            if (bareFront + bareNose >= front) {
                ++tally.thinNosesInBare;
            } else {
                // Sunk on each side within the thin way: the upper side runs
                // up to the front point, the lower side on from it.
                bool sunkAbove = false;
                bool sunkBelow = false;
                const int n = int(passes.size());
                for (int k = 0; k < n; ++k) {
                    const P& q = passes[size_t(k)];
                    if (q.x > front + nose + 0.001 || farthestFrom(std::vector<P>{q}, other, 1e9) <= 0.05)
                        continue;
                    (k <= noseAt ? sunkAbove : sunkBelow) = true;
                }
                const bool both = sunkAbove && sunkBelow;
                ++(both ? tally.thinNoses : tally.thinNosesOneSheet);
                tally.note(QStringLiteral("%1 at %2: thinner than 0.5 mm for %3 mm behind a nose %4%5")
                               .arg(where)
                               .arg(rib.position)
                               .arg(nose, 0, 'f', 2)
                               .arg(both ? QStringLiteral("where both sheets meet")
                                         : QStringLiteral("one sheet sinks"))
                               .arg(atFace ? QStringLiteral(" (a face across)") : QString()));
            }
        }
        P sheetAt{0.0, 0.0};
        if (woodInSheet(rib, passes, mm, &sheetAt)) {
            ++tally.inSheet;
            tally.note(QStringLiteral("%1 at %2: wood where a sheet lies at (%3, %4)")
                           .arg(where)
                           .arg(rib.position)
                           .arg(sheetAt.x, 0, 'f', 2)
                           .arg(sheetAt.y, 0, 'f', 2));
        }
        // Under 0.5 mm across by a hair's margin: the spar rule leaves webs
        // of 0.5 mm between slots.
        P thinAt{0.0, 0.0};
        Across ends;
        const double across = thinnestAcross(passes, &thinAt, nullptr, 0.0, &ends);
        if (across < 0.495) {
            ++tally.thin;
            // The bare rib is measured there as it is, tapering or not: where
            // the sheets have shortened the covered rib's way round, a place
            // on the section's own thin rear reads as a web joining the nose
            // to a thick piece, while in the bare rib the shorter way round
            // from it is the tapering tail.
            P bareAt{0.0, 0.0};
            const bool also = thinnestAcross(other, &bareAt, &thinAt, sheet + 0.5, nullptr, 0.5, true) < 0.495;
            tally.thinInBare += also;
            QString cause;
            if (!also) {
                // How thick the bare rib is there, up to 5 mm.
                const double bareAcross = thinnestAcross(other, &bareAt, &thinAt, sheet + 0.5, nullptr, 5.0);
                // In the order of ThinCause.
                static const struct {
                    long Tally::*count;
                    const char* text;
                } causes[] = {{&Tally::thinSlotWeb, ", a slot's web over the other side's sheet"},
                              {&Tally::thinTwoSlots, ", between two slots"},
                              {&Tally::thinPinch, ", two sheets pinching the rib"},
                              {&Tally::thinOneSheet, ", one sheet"},
                              {&Tally::thinUnsunk, ", the bare section's own"},
                              {&Tally::thinOther, ", anything else"}};
                const auto& c = causes[int(thinCause(rib, passes, other, ends, mm))];
                ++(tally.*c.count);
                cause = QString::fromLatin1(c.text);
                cause += QStringLiteral(" from (%1, %2) to (%3, %4), bare %5 mm")
                             .arg(ends.from.x, 0, 'f', 2)
                             .arg(ends.from.y, 0, 'f', 2)
                             .arg(ends.to.x, 0, 'f', 2)
                             .arg(ends.to.y, 0, 'f', 2)
                             .arg(bareAcross, 0, 'f', 3);
            }
            tally.note(QStringLiteral("%1 at %2: thinner than 0.5 mm across, %3 mm at (%4, %5)%6%7")
                           .arg(where)
                           .arg(rib.position)
                           .arg(across, 0, 'f', 3)
                           .arg(thinAt.x, 0, 'f', 2)
                           .arg(thinAt.y, 0, 'f', 2)
                           .arg(also ? QStringLiteral(" (the bare rib too)") : QString(), cause));
        }
        // Sheets take from a rib, never add to it.
        P outAt{0.0, 0.0};
        const double out = farthestOutside(passes, other, &outAt);
        if (out > 0.25) {
            ++tally.outside;
            tally.worstOutside = std::max(tally.worstOutside, out);
            tally.note(QStringLiteral("%1 at %2: %3 mm outside the bare rib at (%4, %5)%6")
                           .arg(where)
                           .arg(rib.position)
                           .arg(out)
                           .arg(outAt.x, 0, 'f', 2)
                           .arg(outAt.y, 0, 'f', 2)
                           .arg(withinSpar(spars, outAt.x) ? QStringLiteral(", in a slot") : QString()));
        }
        checkSlotWidths(tally, name, rib, *bare, mm);
    }
}

void checkPanel(Tally& tally, const QString& where, const PanelBaseData& panel, const PanelBaseData* bare, float sheet)
{
    const double mm = panel.getWingRootChord();
    auto bareRib = bare ? bare->getRibList().getRibs().begin() : panel.getRibList().getRibs().end();
    for (const RibDefinition& rib : panel.getRibList().getRibs()) {
        checkRib(tally, where, rib, bare ? &*bareRib : nullptr, sheet, mm);
        if (bare)
            ++bareRib;
    }
}

struct Extras {
    const char* name;
    TEData te;
    SparList spars;
};

std::vector<Extras> extrasKinds()
{
    std::vector<Extras> kinds;
    kinds.push_back({"plain", TEData(), SparList()});
    Extras spars{"spars and TE piece", TEData(1, 15.0f, true, 20.0f, 10.0f, 2.0f), SparList()};
    SparDefinition square("main", SparType::Square, 1, 100, 25.0f, 25.0f, true, false);
    spars.spars.addSpar(square);
    spars.spars.addSpar(SparDefinition("round", SparType::Round, 1, 100, 12.0f, 12.0f, true, false));
    spars.spars.addSpar(SparDefinition("cube", SparType::Cube, 1, 100, 45.0f, 45.0f, true, false));
    kinds.push_back(spars);
    // Two slots a tongue's width apart.
    for (float gap : {0.3f, 0.45f}) {
        Extras pair{gap < 0.4f ? "two slots 0.3 mm apart" : "two slots 0.45 mm apart",
                    TEData(1, 15.0f, true, 20.0f, 10.0f, 2.0f), SparList()};
        SparDefinition front("front", SparType::Square, 1, 100, 30.0f, 30.0f, true, false);
        SparDefinition rear("rear", SparType::Square, 1, 100, 30.0f + front.getSquareSparWidth() + gap,
                            30.0f + front.getSquareSparWidth() + gap, true, false);
        pair.spars.addSpar(front);
        pair.spars.addSpar(rear);
        kinds.push_back(pair);
    }
    // The same on the sloping rear of the rib, the rear slot deeper.
    Extras sloped{"two slots 0.35 mm apart behind mid-chord", TEData(1, 15.0f, true, 20.0f, 10.0f, 2.0f), SparList()};
    SparDefinition front("front", SparType::Square, 1, 100, 55.0f, 55.0f, true, false);
    SparDefinition rear("rear", SparType::Square, 1, 100, 55.0f + front.getSquareSparWidth() + 0.35f,
                        55.0f + front.getSquareSparWidth() + 0.35f, true, false);
    rear.setSquareSparHeight(front.getSquareSparHeight() * 1.5f);
    sloped.spars.addSpar(front);
    sloped.spars.addSpar(rear);
    kinds.push_back(sloped);
    return kinds;
}

// The public sections swept, from ../shared/airfoils-public (test data
// read in place, never shipped): thin tips of 4-7 %, medium, thick and
// very thick ones; few points (31-33) and many (up to 399); blunt trailing
// edges; sharp noses.
const char* const publicSections[] = {
    "as6091.dat", "mid010.dat",  "mid020.dat",  "BE5030FVNC2t.dat", "ag19.dat",     "goe590.dat",
    "ag08.dat",   "as6096.dat",  "as6099.dat",  "mid153a.dat",      "hn979d.dat",   "naca0007.dat",
    "mh22.dat",   "sd7003.dat",  "e385.dat",    "hq209.dat",        "usa26.dat",    "sg6043.dat",
    "mh18b.dat",  "naca651212.dat", "goe611.dat", "fx63143.dat",    "e587.dat",     "naca0030.dat"};
const int publicThinTips = 12;

// The public sections as roots with a thin public tip, and as tips of the
// shipped CLARK Y, at full and at small chords; every LE type (types 2 to 4
// cut nothing, and take turns); a square spar at 25 % with sheet bands
// ending ahead of, inside and behind its slots; a tilted slot at 45 % with a
// band starting at its rear wall; one- and both-sided 1 and 2.5 mm sheets;
// mid-chord bands; TE pieces.
bool publicSweep(Tally& sweep, int shardIndex, int shardCount)
{
    QStringList files;
    for (const char* file : publicSections)
        files << QString::fromLatin1(file);
    const QStringList names = BenchWing::loadPublicSections(files);
    if (names.isEmpty())
        return false;
    struct Pair {
        QString root;
        QString tip;
        float rootChord;
        float tipChord;
    };
    std::vector<Pair> pairs;
    // Examples name the sections by file.
    for (QString& file : files)
        file = QFileInfo(file).baseName();
    for (int k = 0; k < names.size(); ++k) {
        const QString& thin = names[(k * 5 + 3) % publicThinTips];
        pairs.push_back({names[k], thin, 200.0f, 100.0f});
        pairs.push_back({QStringLiteral("CLARK Y AIRFOIL"), names[k], 200.0f, 120.0f});
        pairs.push_back({names[k], thin == names[k] ? names[(k + 1) % publicThinTips] : thin, 100.0f, 45.0f});
    }
    // OUTLINE_CHECK_ONLY, a pattern, keeps the sweep to the panels whose
    // names match it.
    const QRegularExpression only(qEnvironmentVariable("OUTLINE_CHECK_ONLY"));
    const TEData tePiece(1, 15.0f, true, 20.0f, 10.0f, 2.0f);
    std::vector<Extras> extras;
    extras.push_back({"plain", TEData(), SparList()});
    extras.push_back({"TE piece", tePiece, SparList()});
    Extras at25{"square spar at 25 %", tePiece, SparList()};
    at25.spars.addSpar(SparDefinition("main", SparType::Square, 1, 100, 25.0f, 25.0f, true, false));
    extras.push_back(at25);
    Extras at45{"tilted slot at 45 %", TEData(), SparList()};
    at45.spars.addSpar(SparDefinition("rear", SparType::Square, 1, 100, 45.0f, 45.0f, true, false));
    extras.push_back(at45);
    // Single slots, each facing a full-chord sheet on the other side: a
    // top-only one at 45 % with a vertical cut and without, a bottom-only
    // one at 80 %. Only the full-chord bands are swept with them.
    const size_t singleSlots = extras.size();
    for (const int kind : {0, 1, 2}) {
        Extras single{kind == 0   ? "top-only slot at 45 %"
                      : kind == 1 ? "top-only vertical-cut slot at 45 %"
                                  : "bottom-only slot at 80 %",
                      kind == 2 ? tePiece : TEData(), SparList()};
        const float at = kind == 2 ? 80.0f : 45.0f;
        SparDefinition spar("single", SparType::Square, 1, 100, at, at, true, false);
        spar.setSquareSparTop(kind != 2);
        spar.setSquareSparBottom(kind == 2);
        spar.setSquareSparVerticalCut(kind == 1);
        single.spars.addSpar(spar);
        extras.push_back(single);
    }
    // Bands as start and length in percent of the chord: ending ahead of,
    // inside and behind a slot at 25 %, from the rear wall of one at 45 %,
    // mid-chord, the whole chord.
    const std::pair<float, float> bands[] = {{0.0f, 22.0f}, {0.0f, 25.0f}, {0.0f, 28.0f},
                                             {47.5f, 52.5f}, {35.0f, 25.0f}, {0.0f, 100.0f}};
    const int ribs = 4;
    int pairIndex = -1;
    for (const Pair& pair : pairs) {
        if (++pairIndex % shardCount != shardIndex)
            continue;
        const int otherLE = std::array<int, 4>{0, 2, 3, 4}[size_t(pairIndex / 3 % 4)];
        for (int le : {1, otherLE}) {
            for (size_t e = 0; e < extras.size(); ++e) {
                const Extras& extra = extras[e];
                const bool fullChordOnly = e >= singleSlots;
                const auto build = [&](const SheetingStripList& strips, const CoveringDefinition& covering) {
                    return PanelBaseData(1, "Panel", pair.root, pair.tip, pair.rootChord, pair.tipChord, 0.0f,
                                         362.0f, 0.0f, 0.0f, false, false, true, 2.0f, ribs, 150.0f, 1.0f, 1.0f,
                                         nullptr, LEData(le, 8.0f), extra.te, extra.spars, strips, covering,
                                         BuildingTabData(), RibCombList());
                };
                const PanelBaseData bare = build(SheetingStripList(), CoveringDefinition());
                const QString base = QStringLiteral("%1/%2 %3-%4 mm LE %5 %6")
                                         .arg(files.value(names.indexOf(pair.root), QStringLiteral("clarky")),
                                              files.value(names.indexOf(pair.tip)))
                                         .arg(pair.rootChord)
                                         .arg(pair.tipChord)
                                         .arg(le)
                                         .arg(extra.name);
                if (base.contains(only))
                    checkPanel(sweep, base, bare, nullptr, 0.0f);
                for (bool standard : {false, true}) {
                    for (int sides : {1, 2, 3}) {
                        const bool upper = sides & 1;
                        const bool lower = sides & 2;
                        for (float sheet : {1.0f, 2.5f}) {
                            for (const auto& band : bands) {
                                if (fullChordOnly && band.second < 100.0f)
                                    continue;
                                CoveringDefinition covering;
                                SheetingStripList strips;
                                if (standard) {
                                    // The standard covering runs from the nose.
                                    if (band.first > 0.0f)
                                        continue;
                                    covering = CoveringDefinition(SheetingType::Standard, band.second, sheet, 0,
                                                                  true, upper, lower);
                                } else {
                                    covering.setSheetingType(SheetingType::Advanced);
                                    strips.append(SheetingStripDefinition("band", 0, 1, ribs, band.second,
                                                                          band.second, sheet, lower, upper, true,
                                                                          false, band.first, 0.0f, false, false));
                                }
                                const QString name = QStringLiteral("%1, %2 %3 mm %4-%5 % sides %6")
                                                         .arg(base, standard ? "standard" : "advanced")
                                                         .arg(sheet)
                                                         .arg(band.first)
                                                         .arg(band.first + band.second)
                                                         .arg(sides);
                                if (!name.contains(only))
                                    continue;
                                const PanelBaseData covered = build(strips, covering);
                                checkPanel(sweep, name, covered, &bare, sheet);
                            }
                        }
                    }
                }
            }
        }
    }
    return true;
}

void print(const char* title, const Tally& t, bool examples)
{
    std::printf("%s: %ld ribs; crossing %ld (longest loop %.3f mm); point passed twice %ld; "
                "crossing by a hair as stored %ld; narrow features %ld "
                "(widest out %.3f mm); slots narrower than 0.5 mm, deeper than wide and 0.5 mm %ld; "
                "joined by a neck %ld; "
                "beyond sheets + 0.25 mm %ld (worst %.2f mm); outside the bare rib by more than 0.25 mm %ld "
                "(worst %.2f mm); wood where a sheet lies %ld; cut through by a spar %ld; nothing buildable left %ld; "
                "a fragment cut where nothing buildable is left %ld; "
                "bare wood dropped without a word %ld (thickest %.2f mm); "
                "marked by the last check as holding a narrow feature %ld; "
                "parted ribs %ld; pieces crossing or passing a point twice %ld; marked as crossing %ld; "
                "covered ribs thinner than 0.5 mm across %ld; of them the bare rib too at the same place %ld; "
                "covered ribs with narrow features, slots and necks %ld, %ld and %ld, of which the bare rib has "
                "them at the same place %ld, %ld and %ld; thin tails up to a trailing-edge face %ld; "
                "thin tails ending where both sheets meet %ld; thin tails the bare rib has too %ld; "
                "thin noses where both sheets meet %ld; thin noses one sheet sinks %ld; "
                "thin noses the bare rib has too %ld; "
                "slot narrower than its spar %ld (narrowest by %.3f mm); slot without walls to measure %ld; "
                "thinner than 0.5 mm across where the bare rib is not, by a slot's web over the other side's "
                "sheet %ld; between two slots %ld; by two sheets pinching the rib %ld; by one sheet %ld; "
                "the bare section's own, neither end sunk %ld; by anything else %ld\n",
                title, t.ribs, t.crossing, t.worstLoop, t.twice, t.crossingAsStored, t.narrow, t.worstNarrow,
                t.narrowSlots, t.necks,
                t.beyond, t.worstBeyond, t.outside, t.worstOutside, t.inSheet, t.sparCut, t.consumed, t.fragments,
                t.dropped, t.worstDropped, t.markedNarrow, t.parted, t.pieceFaults, t.markedCrossed, t.thin, t.thinInBare,
                t.narrowCovered, t.narrowSlotsCovered, t.necksCovered, t.narrowInBare, t.narrowSlotsInBare,
                t.necksInBare, t.thinTails, t.thinTailsToPoint, t.thinTailsInBare, t.thinNoses, t.thinNosesOneSheet,
                t.thinNosesInBare, t.slotsNarrowerThanSpar,
                t.worstSlotWidth, t.slotsUnmeasured, t.thinSlotWeb, t.thinTwoSlots, t.thinPinch, t.thinOneSheet, t.thinUnsunk, t.thinOther);
    if (examples)
        for (const QString& e : t.examples)
            std::printf("  %s\n", qPrintable(e));
}

} // namespace

int checkOutlines(const QString& mode)
{
    if (!BenchWing::loadAirfoils())
        return 1;
    const bool quick = mode == QLatin1String("quick");
    const bool verbose = mode != QLatin1String("counts");
    std::ostringstream ignored;
    std::streambuf* saved = std::cout.rdbuf(ignored.rdbuf());

    // The benchmark wings and panel.
    Tally documents;
    {
        PanelBaseData panel = BenchWing::fullFeaturePanel(100);
        checkPanel(documents, "full-feature panel", panel, nullptr, 0.0f);
        for (int panels : {5, 10}) {
            if (panels == 5 ? !BenchWing::buildFivePanelWing() : !BenchWing::buildWing(panels, 40))
                return 1;
            int k = 0;
            for (const Panel* p : PlaneModel::instance()->getPanelsTableModel()->getPanels())
                checkPanel(documents, QStringLiteral("wing of %1, panel %2").arg(panels).arg(++k),
                           p->getPanelBaseData(), nullptr, 0.0f);
        }
        PlaneModel::instance()->clear();
    }

    // OUTLINE_CHECK_SHARD=k/n checks only every n-th pair from the k-th, so
    // that n processes share a sweep.
    const QStringList shard = qEnvironmentVariable("OUTLINE_CHECK_SHARD").split('/');
    const int shardCount = shard.size() == 2 ? std::max(1, shard[1].toInt()) : 1;
    const int shardIndex = shard.size() == 2 ? shard[0].toInt() : 0;
    if (mode == QLatin1String("public")) {
        Tally publicTally;
        const bool read = publicSweep(publicTally, shardIndex, shardCount);
        std::cout.rdbuf(saved);
        if (!read)
            return 1;
        print("public sections", publicTally, true);
        return 0;
    }

    QStringList foils;
    for (const auto& entry : WingFoils::instance()->getAirfoils())
        foils << entry.first;
    if (quick)
        foils = QStringList{"CLARK Y AIRFOIL", "NACA 0005", "NACA 0009", "NACA 2409", "NACA 6412"};
    std::vector<std::pair<QString, QString>> pairs;
    for (const QString& foil : foils) {
        pairs.emplace_back(foil, QStringLiteral("NACA 0005"));
        pairs.emplace_back(QStringLiteral("CLARK Y AIRFOIL"), foil);
    }

    Tally sweep;
    const std::vector<Extras> extras = extrasKinds();
    const int ribs = 4;
    int pairIndex = -1;
    for (const auto& pair : pairs) {
        if (++pairIndex % shardCount != shardIndex)
            continue;
        for (int le = 0; le <= 4; ++le) {
            for (const Extras& extra : extras) {
                const auto build = [&](const SheetingStripList& strips, const CoveringDefinition& covering) {
                    return PanelBaseData(1, "Panel", pair.first, pair.second, 200.0f, 100.0f, 0.0f, 362.0f, 0.0f,
                                         0.0f, false, false, true, 2.0f, ribs, 150.0f, 1.0f, 1.0f, nullptr,
                                         LEData(le, 8.0f), extra.te, extra.spars, strips, covering,
                                         BuildingTabData(), RibCombList());
                };
                const PanelBaseData bare = build(SheetingStripList(), CoveringDefinition());
                const QString base = QStringLiteral("%1/%2 LE %3 %4").arg(pair.first, pair.second).arg(le).arg(extra.name);
                checkPanel(sweep, base, bare, nullptr, 0.0f);
                for (bool standard : {false, true}) {
                    for (int sides : {1, 2, 3}) {
                        const bool upper = sides & 1;
                        const bool lower = sides & 2;
                        for (float sheet : {1.0f, 2.5f}) {
                            for (float band : {20.0f, 50.0f, 100.0f}) {
                                CoveringDefinition covering;
                                SheetingStripList strips;
                                if (standard) {
                                    covering = CoveringDefinition(SheetingType::Standard, band, sheet, 0, true, upper,
                                                                  lower);
                                } else {
                                    covering.setSheetingType(SheetingType::Advanced);
                                    const bool fromTE = band == 50.0f;
                                    strips.append(SheetingStripDefinition("band", 0, 1, ribs, band, band, sheet, lower,
                                                                          upper, !fromTE, false,
                                                                          fromTE ? 100.0f - band : 0.0f, 0.0f, false,
                                                                          false));
                                }
                                const PanelBaseData covered = build(strips, covering);
                                checkPanel(sweep,
                                           QStringLiteral("%1, %2 %3 mm %4 % sides %5")
                                               .arg(base, standard ? "standard" : "advanced")
                                               .arg(sheet)
                                               .arg(band)
                                               .arg(sides),
                                           covered, &bare, sheet);
                            }
                            // A mid-chord band 35-60 % on both sides, on each
                            // section as a root (thick or thin) and as a tip.
                            if (!standard && sides == 3) {
                                CoveringDefinition covering;
                                covering.setSheetingType(SheetingType::Advanced);
                                SheetingStripList strips;
                                strips.append(SheetingStripDefinition("band", 0, 1, ribs, 25.0f, 25.0f, sheet, true,
                                                                      true, true, false, 35.0f, 0.0f, false, false));
                                checkPanel(sweep,
                                           QStringLiteral("%1, advanced %2 mm 35-60 % sides 3").arg(base).arg(sheet),
                                           build(strips, covering), &bare, sheet);
                            }
                        }
                    }
                }
            }
        }
    }
    Tally publicTally;
    const bool read = quick || publicSweep(publicTally, shardIndex, shardCount);
    std::cout.rdbuf(saved);
    print("benchmark wings", documents, verbose);
    print("sweep", sweep, verbose);
    if (!read)
        return 1;
    if (!quick)
        print("public sections", publicTally, verbose);
    return 0;
}

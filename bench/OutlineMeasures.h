#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "model/RibDefinition.h"

class IdentifiableObject;

// The measures the outline check takes of a rib's outline, in mm.
namespace outlinecheck {

struct P {
    double x;
    double y;
};

// What narrowFeature finds apart from the narrow features themselves, by
// how far each stands out: necks and narrow slots.
struct NarrowFinds {
    double neck = 0.0;
    double slot = 0.0;
    // The narrowest neck's width and its two corners.
    double neckWidth = 1e9;
    P neckFrom{0.0, 0.0};
    P neckTo{0.0, 0.0};
    // Where each find lies (the middle between its two corners), the
    // narrow features' too, for telling a covered rib's finds that its bare
    // rib has at the same place from those the sheets made.
    std::vector<P> necksAt;
    // Necks whose corners lie more than 30 mm of way apart (found only
    // when asked for): they tell only of necks.
    std::vector<P> longNecksAt;
    std::vector<P> slotsAt;
    std::vector<P> narrowsAt;
};

// The outline as a cutter runs it, in mm: repeats in a row are one pass,
// and so are the two ends of a closed trailing edge.
std::vector<P> passesOf(const RibDefinition::PointList& outline, double mm);

// Whether the closed outline crosses or touches itself away from its
// neighbouring segments.
bool crossesItself(const std::vector<P>& p, double* loopLength, P* where);

// Whether the outline crosses itself as its points are stored, repeats and
// points within a cutter's 0.001 mm of each other taken as they are: a
// crossing by a hair that passesOf hides still crosses in a drawing. Points
// a float's rounding off another segment do not cross it.
bool crossesAsStored(const RibDefinition::PointList& outline, double mm, P* where);

bool passesPointTwice(const std::vector<P>& p, P* where);

// The chord ranges, in mm, of the spar slots and holes cut into a rib.
std::vector<std::pair<double, double>> sparRanges(const RibDefinition& rib, double mm);

bool withinSpar(const std::vector<std::pair<double, double>>& ranges, double x);

// The widest narrow feature found: a stretch of outline that leaves a sharp
// corner and comes back to another sharp corner less than 0.5 mm from it,
// having gone more than 0.05 mm out of the line between them, and that is
// on average narrower than 0.5 mm all along (a tongue, a spike, a slot, a
// ridge); a tongue standing out farther than its corners lie apart (less
// than 5 mm), on average narrower than 0.5 mm over its height; or a turn
// back on itself (a stub out and back). A stretch may run through the
// place where the outline closes at the trailing edge. A stretch wider than
// that, such as the front of a rib that two slots from either side leave
// joined by less than 0.5 mm, is a neck (two corners joined the other way
// by a straight face are none, nor is a web the spar rule left, a few
// micrometres under 0.5 mm across tilted floors); a notch deeper than its
// mouth is wide and than 0.5 mm is a slot (the pocket of a tilted spar's corner, say): both
// counted into finds. With anyWay, necks are found however long the way
// between their corners: so the bare rib's are, for telling which of a
// covered rib's necks it has too, as the sheets shorten the way round a
// nose by their ends and bring a neck the bare rib has, such as the web
// between two slots, within the 30 mm.
double narrowFeature(const std::vector<P>& p, QString* what, NarrowFinds* finds, bool anyWay = false);

// The farthest a point of a lies from the polyline b (closed), in mm; only
// distances above limit are measured exactly. Points of a outside [fromX,
// toX] are not measured.
double farthestFrom(const std::vector<P>& a, const std::vector<P>& b, double limit, double fromX = -1e30,
                    double toX = 1e30);

// How far the farthest point of a lies outside the closed outline b, in mm
// (0 when every point lies inside or on it). Slots count like the rest: a
// covered rib's slot is cut from the sheet's inner face, so it reaches at
// least as deep as the bare rib's.
double farthestOutside(const std::vector<P>& a, const std::vector<P>& b, P* where);

// Wood where a sheet lies: a sheet is the surface's normals run in by its
// thickness (outer half of the band, then the inner half backwards). A rib
// that holds a point of one of them 0.25 mm or more short of its inner end
// holds wood the sheet needs. The distance to the bare rib does not show
// it: such wood lies within the sheet's thickness of the bare surface.
bool woodInSheet(const RibDefinition& rib, const std::vector<P>& passes, double mm, P* where);
// The outline's extent along x (points in mm): its front and back.
void extentX(const std::vector<P>& p, double& front, double& back);

// The longest stretch along x, in mm, over which the outline (points in mm)
// holds at least thick mm of wood across, measured upright every 0.05 mm as
// the lengths between its crossings taken in pairs.
double stretchAtLeast(const std::vector<P>& p, double thick);

// Wood of the bare rib missing from the covered rib: the thickest the bare
// rib is, less the sheets that lie on it there (sheet on each side a band
// of the covered rib covers), at a station ahead of the covered rib's front
// or behind its back by more than the sheet and 0.5 mm, sampled every
// 0.25 mm. A covered rib the sheets end at a thin nose or tail leaves
// nothing there; one whose piece beyond a band is gone leaves that piece.
// where takes the station and the middle of the wood there, length how
// far the covered rib ends short of the bare one on that side.
double droppedWood(const std::vector<P>& covered, const std::vector<P>& bare, const RibDefinition& rib, double mm,
                   double sheet, P* where, double* length);

// How deep the covered rib's wood (passes) reaches into the spar of slot
// part where the bare rib holds it, in mm: 0 where the spar goes in as into
// the bare rib. Sampled over the spar every 0.02 mm.
double woodInBareSpar(const std::vector<P>& passes, const std::vector<P>& bare, const IdentifiableObject& part,
                      double mm);

// The thinnest the rib is across, in mm: the least distance from a point of
// the outline to a segment of it more than 6 mm of way off either way, so
// that a tapering end is measured only from 3 mm behind its tip, and only
// where the piece beyond is 0.5 mm wide on average (twice its area at
// least its way round times 0.5 mm), so that it is no taper. Where no
// point lies within 0.5 mm of such a segment, 0.5; with fromX and reach,
// only points within reach of (fromX, fromY) are measured. A web that a
// neck search cannot find shows here: a slot's floor over a sheet's inner
// face of the other side runs without a corner, and the inner faces of two
// sheets that come together and part again pinch the rib.
// across, when given, takes both ends of the thinnest place; upTo widens
// the search beyond 0.5 mm (the result is then at most upTo), for reading
// how thick a bare rib is where its covered rib is thin; tapersToo measures
// tapering ends as well (without across).
struct Across {
    P from{0.0, 0.0};
    P to{0.0, 0.0};
    // The point's index and that of the segment's first point.
    int point = -1;
    int segment = -1;
};
double thinnestAcross(const std::vector<P>& p, P* where, const P* near = nullptr, double reach = 0.0,
                      Across* across = nullptr, double upTo = 0.5, bool tapersToo = false);

// How long the rib runs thinner than 0.5 mm up to its trailing edge, in mm,
// from where it was thicker (across the chord, its upper side over its
// lower one); 0 where it is as thick at the end. atFace tells whether it
// ends on a face across (a trailing-edge piece's) rather than in a point.
double thinTail(const std::vector<P>& p, bool* atFace);

// The same at the nose: how long the rib runs thinner than 0.5 mm from its
// front end backwards, in mm; atFace tells whether it starts on a face
// across. nose takes the index of the front point (the upper end of a face).
double thinNose(const std::vector<P>& p, bool* atFace, int* nose);
// Writes a rib out for a comparison of two builds where the environment
// asks for it (OUTLINE_CHECK_DUMP, OUTLINE_CHECK_POINTS); index numbers
// the rib's own file.
void recordRib(const QString& name, const RibDefinition& rib, const RibDefinition* bare, double mm, long index);

} // namespace outlinecheck

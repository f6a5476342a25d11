#include "model/RibList.h"

#include <cmath>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
#include "foundation/Vector3D.h"
#include "model/finishing/OutlinePieces.h"
#include "model/finishing/SheetStartFace.h"
#include "model/finishing/SheetedNose.h"

namespace {

// Whether what the sheets left of a rib is nothing a builder could cut: no
// three points apart, or on average narrower than 0.5 mm (twice its area
// less than its way round times 0.5 mm). The area counts as the outline
// runs, trailing edge, upper side, nose, lower side: what the sheets of
// both sides have turned inside out counts against the rib. Points within
// 0.001 mm of the one before are one, and so are the two ends of a closed
// trailing edge.
bool nothingBuildable(const RibDefinition::PointList& outline, float scale)
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

} // namespace

RibList& RibList::operator=(const RibList& other)
{
    assign(other);
    return *this;
}

void RibList::assign(const RibList& other)
{
    // Clearing first would empty a list assigned to itself.
    if (this == &other) {
        return;
    }
    ribs.clear();
    ribs.insert(ribs.end(), other.ribs.begin(), other.ribs.end());
}

void RibList::clear()
{
    ribs.clear();
}

void RibList::addRib(const RibDefinition& rib)
{
    ribs.push_back(rib);
}

RibDefinition& RibList::getFirstRib()
{
    if (ribs.empty()) {
        throw std::invalid_argument("Invalid argument");
    }
    return ribs.front();
}

const RibDefinition& RibList::getFirstRib() const
{
    if (ribs.empty()) {
        throw std::invalid_argument("Invalid argument");
    }
    return ribs.front();
}

RibDefinition& RibList::getLastRib()
{
    if (ribs.empty()) {
        throw std::invalid_argument("Invalid argument");
    }
    return ribs.back();
}

const RibDefinition& RibList::getLastRib() const
{
    if (ribs.empty()) {
        throw std::invalid_argument("Invalid argument");
    }
    return ribs.back();
}

int RibList::getRibCount() const
{
    return int(ribs.size());
}

RibDefinition* RibList::getRib(int number, bool& found)
{
    found = number >= 1 && number <= getRibCount();
    if (!found) {
        return nullptr;
    }
    return &*std::next(ribs.begin(), number - 1);
}

const RibDefinition* RibList::getRib(int number, bool& found) const
{
    return const_cast<RibList*>(this)->getRib(number, found);
}

int RibList::findRibIndex(float position) const
{
    int number = 0;
    for (const RibDefinition& rib : ribs) {
        ++number;
        if (rib.position >= position) {
            return number;
        }
    }
    return number;
}

void RibList::setAirfoil(float panelLength, AirfoilType type, Airfoil* airfoil, float rootFactor,
                         float tipFactor)
{
    for (RibDefinition& rib : ribs) {
        rib.setAirfoil(panelLength, type, airfoil, rootFactor, tipFactor);
    }
}

void RibList::setAirfoils(float panelLength, Airfoil* root, Airfoil* tip, float rootFactor, float tipFactor)
{
    for (RibDefinition& rib : ribs) {
        rib.setAirfoils(panelLength, root, tip, rootFactor, tipFactor);
    }
}

void RibList::generateRibs(float length, int count, float thickness)
{
    if (count < 2) {
        return;
    }
    const float span = length - thickness;
    const float step = span / float(count - 1);
    for (int i = 0; i < count - 1; ++i) {
        ribs.emplace_back(float(i) * step, thickness);
    }
    // Exactly span, so that the last rib's far face meets the panel end.
    ribs.emplace_back(span, thickness);
}

void RibList::copyPositionsFrom(const RibList& other)
{
    if (other.getRibCount() < 2) {
        return;
    }
    // Read first: other may be this list.
    std::vector<std::pair<float, float>> layout;
    for (const RibDefinition& rib : other.ribs) {
        layout.emplace_back(rib.position, rib.thickness);
    }
    for (const auto& entry : layout) {
        ribs.emplace_back(entry.first, entry.second);
    }
}

RibList::BaseShape::BaseShape(RibList& ribs, float wingRootChord, float panelLength, float rootChord,
                              float tipChord, float sweep, bool topAlign, bool bottomAlign,
                              float rootAirfoilFactor, float tipAirfoilFactor)
    : active(wingRootChord != 0.0f && !ribs.ribs.empty()),
      r(wingRootChord),
      panelLength(panelLength),
      rootChord(rootChord),
      tipChord(tipChord),
      // A panel without length has no taper or sweep to spread over it.
      taperPerMm(panelLength > 0.0f ? (rootChord - tipChord) / panelLength : 0.0f),
      sweepPerMm(panelLength > 0.0f ? sweep / panelLength : 0.0f),
      topAlign(topAlign),
      bottomAlign(bottomAlign),
      rootAirfoilFactor(rootAirfoilFactor),
      tipAirfoilFactor(tipAirfoilFactor)
{
    if (!active) {
        return;
    }
    for (auto it = ribs.ribs.begin(); it != ribs.ribs.end(); ++it) {
        const bool last = std::next(it) == ribs.ribs.end();
        it->setChord(chordAt(*it, last));
        it->setOffsetX(leadingEdgeXAt(*it, last));
    }
}

float RibList::BaseShape::chordAt(const RibDefinition& rib, bool last) const
{
    // The last rib stands at L - thickness; the linear law would leave it
    // short of the tip chord.
    return last ? tipChord : rootChord - taperPerMm * rib.position;
}

float RibList::BaseShape::leadingEdgeXAt(const RibDefinition& rib, bool last) const
{
    // The last rib's leading edge is placed for its far face, at full sweep.
    const float xpos = last ? rib.position + rib.thickness : rib.position;
    return (1.0f / r) * sweepPerMm * xpos;
}

void RibList::BaseShape::apply(RibDefinition& rib, bool last, std::vector<Vector3D*>* oldTemplate)
{
    if (!active) {
        return;
    }
    const float c = chordAt(rib, last);
    // Geometry shared with a copy of the panel is made anew, not copied.
    rib.dropSharedGeometry();
    rib.setConsumedBySheets(false);
    // The camber points of the last rebuild, kept out of the way of scaling
    // and placement, for the new camber line to refill.
    RibDefinition::PointList spareCamberPoints;
    spareCamberPoints.swap(rib.getCamberLineCoords());
    if (oldTemplate) {
        oldTemplate->swap(rib.getLETemplateCoords());
    }
    // The heights of the first rib, and those of a rib to align with it,
    // are taken between scaling and placement; every other rib is placed
    // as it is blended.
    const bool measured = !firstDone || (firstHasOutline && (topAlign || bottomAlign));
    if (measured) {
        rib.updateAirfoil(panelLength, rootAirfoilFactor, tipAirfoilFactor);
        rib.scale(c / r, c / r, 1.0f);
    } else {
        rib.updateAirfoilPlaced(panelLength, rootAirfoilFactor, tipAirfoilFactor, c / r, c / r, 1.0f,
                                leadingEdgeXAt(rib, last), 0.0f, rib.position / r);
    }
    rib.setChord(c);
    rib.scaledThickness = rib.thickness / r;

    float align = 0.0f;
    if (!firstDone) {
        // The first rib is the one the others are aligned with.
        firstDone = true;
        firstHasOutline = !rib.getRibCoords().empty();
        topY = rib.getMaxY();
        bottomY = rib.getMinY();
    } else if (measured && !rib.getRibCoords().empty()) {
        // Ribs without an outline have no top or bottom to align.
        if (topAlign) {
            align = topY - rib.getMaxY();
        } else if (bottomAlign) {
            align = bottomY - rib.getMinY();
        }
    }
    rib.setAlignOffset(align);
    rib.setOffset(leadingEdgeXAt(rib, last), align, rib.position / r);
    if (measured)
        rib.applyOffset();

    rib.getCamberLineCoords().swap(spareCamberPoints);
    rib.computeCamberLine();
    Vector3D::clearList(spareCamberPoints);
}

void RibList::applyBaseData(float wingRootChord, float panelLength, float rootChord,
                            float tipChord, float sweep, bool topAlign, bool bottomAlign,
                            float rootAirfoilFactor, float tipAirfoilFactor)
{
    BaseShape shape(*this, wingRootChord, panelLength, rootChord, tipChord, sweep, topAlign, bottomAlign,
                    rootAirfoilFactor, tipAirfoilFactor);
    for (auto it = ribs.begin(); it != ribs.end(); ++it) {
        shape.apply(*it, std::next(it) == ribs.end());
    }
}

RibList::Twist::Twist(float angle, float length) : degreesPerMm(length > 0.0f ? angle / length : 0.0f) {}

void RibList::Twist::apply(RibDefinition& rib, const RibDefinition* next)
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    rib.getOffset(x, y, z);
    // Turn about the rib's own leading-edge chord point.
    rib.rotateAbout(GLUtils::AxisZ, Mathematics::degToRad(degrees), x, y, z);
    if (next) {
        degrees += (next->position - rib.position) * degreesPerMm;
    }
}

void RibList::applyTwist(float angle, float length)
{
    Twist twist(angle, length);
    for (auto it = ribs.begin(); it != ribs.end(); ++it) {
        const auto next = std::next(it);
        twist.apply(*it, next != ribs.end() ? &*next : nullptr);
    }
}

namespace {

// The end of the finishing for one sheeted outline (the rib's, or a piece
// of it): true where the sheets leave nothing of it to build, and it is
// emptied.
bool finishSheeted(RibDefinition::PointList& outline, const RibDefinition::PartList& bands, float scale)
{
    SheetStartFace::clearLastNormal(outline, bands, scale);
    // Twice the outline's area and its way round along both axes (never
    // shorter than the way itself): a rib holding twice the area a 0.5 mm
    // strip round it would, well beyond what rounding the sums in float
    // could change, plainly has wood left. Only the others are measured
    // with care.
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
    // Sheets thicker than what they cover leave no rib, or a sliver no one
    // can cut: the rib is left out, and says so, rather than cut as a
    // fragment.
    // An outline with no way round at all holds no area either: 0 >= 0
    // must not read as plainly having wood.
    const bool consumed = scale > 0.0f && !(manhattan > 0.0f && area >= 2.0f * (0.5f / scale) * manhattan)
                          && nothingBuildable(outline, scale);
    if (consumed) {
        Vector3D::clearList(outline);
        return true;
    }
    // Only once the rib is known to be kept: a thin nose cut off a rib the
    // sheets consume would leave a fragment that reads as buildable.
    SheetedNose::endWhereThick(outline, scale);
    for (Vector3D* point : outline) {
        point->setAux(0.0f, 0.0f);
    }
    return false;
}

// Twice the area an outline encloses, whichever way it runs.
double enclosed(const RibDefinition::PointList& outline)
{
    double sum = 0.0;
    for (size_t i = 0; i < outline.size(); ++i) {
        const Vector3D& a = *outline[i];
        const Vector3D& b = *outline[(i + 1) % outline.size()];
        sum += double(a.getX()) * b.getY() - double(b.getX()) * a.getY();
    }
    return std::fabs(sum);
}

// The last look at a finished rib: no outline or piece may cross or touch
// itself. Where parting it mends that, the pieces are kept, each on its
// own; otherwise the rib is marked, to be told.
void lookLast(RibDefinition& rib, float scale)
{
    const RibDefinition::PointList& outline = static_cast<const RibDefinition&>(rib).getRibCoords();
    const std::vector<RibDefinition::PointList>& pieces =
        static_cast<const RibDefinition&>(rib).getFurtherPieces();
    const RibDefinition::PartList& sparParts = static_cast<const RibDefinition&>(rib).getSquareSparParts();
    bool faulty = OutlinePieces::crossesItself(outline, scale, &sparParts);
    for (const RibDefinition::PointList& piece : pieces) {
        faulty = faulty || OutlinePieces::crossesItself(piece, scale, &sparParts);
    }
    if (!faulty) {
        return;
    }
    std::vector<RibDefinition::PointList> further;
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
        for (RibDefinition::PointList& piece : further) {
            rib.getFurtherPieces().push_back(std::move(piece));
        }
        if (!wasParted) {
            const int slotHere = OutlinePieces::slotAt(&rib.getSquareSparParts(), where.getX(), where.getY(),
                                                       0.5f / scale);
            rib.setParting(slotHere == 0 && !rib.getCoveringPolygons().empty(), slotHere);
        } else {
            rib.setParting(bySheets, slot);
        }
    }
    rib.setOutlineCrossed(crossed);
}

} // namespace

void RibList::finishRib(RibDefinition& rib, float scale)
{
    // The finishing tells by the sheets' shift of the surface where the
    // sheets of both sides meet; it is no part of the finished rib.
    rib.finishOutline(scale);
    if (rib.getCoveringPolygons().empty()) {
        rib.setConsumedBySheets(false);
        lookLast(rib, scale);
        return;
    }
    bool consumed = finishSheeted(rib.getRibCoords(), rib.getCoveringPolygons(), scale);
    // A piece the sheets or a slot parted off is kept where it has wood a
    // builder can cut, and goes as a consumed rib would where not.
    std::vector<RibDefinition::PointList>& pieces = rib.getFurtherPieces();
    for (size_t k = pieces.size(); k-- > 0;) {
        if (finishSheeted(pieces[k], rib.getCoveringPolygons(), scale)) {
            pieces.erase(pieces.begin() + std::ptrdiff_t(k));
        }
    }
    if (consumed && !pieces.empty()) {
        // The outline is the largest piece that is left.
        size_t largest = 0;
        for (size_t k = 1; k < pieces.size(); ++k) {
            if (enclosed(pieces[k]) > enclosed(pieces[largest])) {
                largest = k;
            }
        }
        rib.getRibCoords().swap(pieces[largest]);
        pieces.erase(pieces.begin() + std::ptrdiff_t(largest));
        consumed = false;
    }
    if (pieces.empty()) {
        rib.setParting(false, 0);
    }
    rib.setConsumedBySheets(consumed);
    lookLast(rib, scale);
}

void RibList::finishRibs(float scale)
{
    for (RibDefinition& rib : ribs) {
        finishRib(rib, scale);
    }
}

#include "model/RibList.h"

#include <cmath>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
#include "foundation/Vector3D.h"
#include "model/SparePoints.h"
#include "model/finishing/RibFinishing.h"


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
    SparePoints spareCamber;
    spareCamber.points.swap(rib.getCamberLineCoords());
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

    rib.getCamberLineCoords().swap(spareCamber.points);
    rib.computeCamberLine();
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

void RibList::finishRib(RibDefinition& rib, float scale)
{
    RibFinishing::finish(rib, scale);
}

void RibList::finishRibs(float scale)
{
    for (RibDefinition& rib : ribs) {
        finishRib(rib, scale);
    }
}

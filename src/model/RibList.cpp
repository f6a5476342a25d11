#include "model/RibList.h"

#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
#include "foundation/Vector3D.h"

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

void RibList::applyBaseData(float wingRootChord, float panelLength, float rootChord,
                            float tipChord, float sweep, bool topAlign, bool bottomAlign,
                            float rootAirfoilFactor, float tipAirfoilFactor)
{
    if (wingRootChord == 0.0f || ribs.empty()) {
        return;
    }
    const float r = wingRootChord;
    // A panel without length has no taper or sweep to spread over it.
    const float taperPerMm = panelLength > 0.0f ? (rootChord - tipChord) / panelLength : 0.0f;
    const float sweepPerMm = panelLength > 0.0f ? sweep / panelLength : 0.0f;

    // The camber points of the last rebuild, kept out of the way of scaling
    // and placement, for the new camber lines to refill.
    std::vector<RibDefinition::PointList> spareCamberPoints(ribs.size());
    auto spare = spareCamberPoints.begin();
    for (auto it = ribs.begin(); it != ribs.end(); ++it, ++spare) {
        RibDefinition& rib = *it;
        const bool last = std::next(it) == ribs.end();
        // The last rib stands at L - thickness; the linear law would leave it
        // short of the tip chord.
        const float c = last ? tipChord : rootChord - taperPerMm * rib.position;
        // Geometry shared with a copy of the panel is made anew, not copied.
        rib.dropSharedGeometry();
        spare->swap(rib.getCamberLineCoords());
        rib.updateAirfoil(panelLength, rootAirfoilFactor, tipAirfoilFactor);
        rib.scale(c / r, c / r, 1.0f);
        rib.setChord(c);
        rib.scaledThickness = rib.thickness / r;
    }

    const RibDefinition& first = ribs.front();
    const bool firstHasOutline = !first.getRibCoords().empty();
    const float topY = first.getMaxY();
    const float bottomY = first.getMinY();

    for (auto it = ribs.begin(); it != ribs.end(); ++it) {
        RibDefinition& rib = *it;
        const bool last = std::next(it) == ribs.end();
        float align = 0.0f;
        // Ribs without an outline have no top or bottom to align.
        if (it != ribs.begin() && firstHasOutline && !rib.getRibCoords().empty()) {
            if (topAlign) {
                align = topY - rib.getMaxY();
            } else if (bottomAlign) {
                align = bottomY - rib.getMinY();
            }
        }
        rib.setAlignOffset(align);
        // The last rib's leading edge is placed for its far face, at full sweep.
        const float xpos = last ? rib.position + rib.thickness : rib.position;
        rib.setOffset((1.0f / r) * sweepPerMm * xpos, align, rib.position / r);
        rib.applyOffset();
    }

    spare = spareCamberPoints.begin();
    for (RibDefinition& rib : ribs) {
        rib.getCamberLineCoords().swap(*spare);
        rib.computeCamberLine();
        Vector3D::clearList(*spare);
        ++spare;
    }
}

void RibList::applyTwist(float angle, float length)
{
    const float degreesPerMm = length > 0.0f ? angle / length : 0.0f;
    float degrees = 0.0f;
    for (auto it = ribs.begin(); it != ribs.end(); ++it) {
        RibDefinition& rib = *it;
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
        rib.getOffset(x, y, z);
        // Turn about the rib's own leading-edge chord point.
        rib.rotateAbout(GLUtils::AxisZ, Mathematics::degToRad(degrees), x, y, z);
        const auto next = std::next(it);
        if (next != ribs.end()) {
            degrees += (next->position - rib.position) * degreesPerMm;
        }
    }
}

void RibList::finishRibs(float scale)
{
    for (RibDefinition& rib : ribs) {
        RibDefinition::smoothCrossingPairs(rib.getRibCoords());
        rib.cleanOutline(scale);
    }
}

#include "model/RibDefinition.h"

#include <QCoreApplication>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <utility>

#include "airfoils/Airfoil.h"
#include "foundation/GLUtils.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Triangle2D.h"
#include "foundation/Vector3D.h"
#include "model/finishing/OutlineCleanup.h"
#include "model/finishing/RibFinishing.h"

namespace {

void replacePoints(RibDefinition::PointList& target, const RibDefinition::PointList& source)
{
    // Copy before clearing: source may be target itself.
    RibDefinition::PointList copies = RibGeometry::copyPoints(source);
    Vector3D::clearList(target);
    target.swap(copies);
}

// Normal of a point inserted between a and b: the direction both agree on.
void setMeanNormal(Vector3D& point, const Vector3D& a, const Vector3D& b)
{
    Vector3D sum(0.0f, 0.0f, 0.0f);
    bool any = false;
    for (const Vector3D* source : {&a, &b}) {
        if (const Vector3D* normal = source->getNormal()) {
            sum += *normal;
            any = true;
        }
    }
    if (any) {
        sum.normalize();
        point.setNormal(sum);
    }
}

// A point put in between a and b at x takes over the sheets' shift of the
// surface there in proportion.
void setMeanShift(Vector3D& point, const Vector3D& a, const Vector3D& b)
{
    if (a.getAuxA() == 0.0f && a.getAuxB() == 0.0f && b.getAuxA() == 0.0f && b.getAuxB() == 0.0f) {
        return;
    }
    const float dx = b.getX() - a.getX();
    const float t = dx != 0.0f ? (point.getX() - a.getX()) / dx : 0.0f;
    point.setAux(a.getAuxA() + t * (b.getAuxA() - a.getAuxA()), a.getAuxB() + t * (b.getAuxB() - a.getAuxB()));
}

// Makes points[i] a copy of source, appending when the list is shorter. The
// rib rebuild refills the points (and the list storage) of the previous
// geometry this way instead of freeing them and allocating as many again.
Vector3D* copyAtNew(RibDefinition::PointList& points, size_t i, const Vector3D& source)
{
    if (i == points.size()) {
        Vector3D::reserveMore(points, 1);
        points.push_back(new Vector3D(source));
    } else {
        points[i] = new Vector3D(source);
    }
    return points[i];
}

// Inline: the blend and the camber line refill a point this way some
// hundred times per rib, and the call cost as much as the copy.
inline Vector3D* copyAt(RibDefinition::PointList& points, size_t i, const Vector3D& source)
{
    if (i < points.size() && points[i]) {
        *points[i] = source;
        return points[i];
    }
    return copyAtNew(points, i, source);
}

// Drops the points from index size on.
void truncatePoints(RibDefinition::PointList& points, size_t size)
{
    if (size < points.size()) {
        Vertex::deleteEach(points.data() + size, points.data() + points.size());
        points.resize(size);
    }
}

// The first of the points from index `from` to index `to` (either way
// round, both included) that lies at or ahead of x, or -1. Spars, sheets,
// combs and tabs look up some twenty stations per rib, each a walk from
// the trailing edge over most of one side: four points to a step.
int firstAtOrAhead(const RibDefinition::PointList& outline, int from, int to, float x)
{
    const Vector3D* const* points = outline.data();
    if (from <= to) {
        int i = from;
        for (; i + 3 <= to; i += 4) {
            if (points[i]->getX() <= x)
                return i;
            if (points[i + 1]->getX() <= x)
                return i + 1;
            if (points[i + 2]->getX() <= x)
                return i + 2;
            if (points[i + 3]->getX() <= x)
                return i + 3;
        }
        for (; i <= to; ++i) {
            if (points[i]->getX() <= x)
                return i;
        }
        return -1;
    }
    int i = from;
    for (; i - 3 >= to; i -= 4) {
        if (points[i]->getX() <= x)
            return i;
        if (points[i - 1]->getX() <= x)
            return i - 1;
        if (points[i - 2]->getX() <= x)
            return i - 2;
        if (points[i - 3]->getX() <= x)
            return i - 3;
    }
    for (; i >= to; --i) {
        if (points[i]->getX() <= x)
            return i;
    }
    return -1;
}

using PointTurn = void (Vertex::*)(float, float);

// The point turn about one of the unit axes; none for any other axis.
PointTurn turnAbout(const Vector3D& axis)
{
    if (axis == GLUtils::AxisX) {
        return &Vertex::rotateX;
    }
    if (axis == GLUtils::AxisY) {
        return &Vertex::rotateY;
    }
    if (axis == GLUtils::AxisZ) {
        return &Vertex::rotateZ;
    }
    return nullptr;
}

} // namespace

// Where a chord station meets the outline: the station's x and the two
// brackets (a, b) on the upper and (c - 1, c) on the lower side.
struct RibDefinition::Station {
    float x = 0.0f;
    int a = 0;
    int b = 0;
    int c = 0;
};

RibDefinition::RibDefinition(float position, float thickness)
    : position(position),
      thickness(thickness),
      scaledThickness(0.0f),
      chord(0.0f),
      offsetX(0.0f),
      offsetY(0.0f),
      offsetZ(0.0f),
      alignOffset(0.0f),
      rootAirfoil(nullptr),
      tipAirfoil(nullptr)
{
}

RibDefinition::RibDefinition(const RibDefinition& other)
    : SelectableObject(other),
      position(other.position),
      thickness(other.thickness),
      scaledThickness(other.scaledThickness),
      chord(other.chord),
      offsetX(other.offsetX),
      offsetY(other.offsetY),
      offsetZ(other.offsetZ),
      alignOffset(other.alignOffset),
      rootAirfoil(other.rootAirfoil),
      tipAirfoil(other.tipAirfoil),
      consumed(other.consumed),
      fault(other.fault)
{
}

RibDefinition& RibDefinition::operator=(const RibDefinition& other)
{
    if (this != &other) {
        shared.reset();
        copyScalars(other);
    }
    return *this;
}

RibDefinition::RibDefinition(RibDefinition&& other) noexcept
    : RibDefinition(static_cast<const RibDefinition&>(other))
{
    shared = std::move(other.shared);
}

RibDefinition& RibDefinition::operator=(RibDefinition&& other) noexcept
{
    if (this != &other) {
        copyScalars(other);
        shared = std::move(other.shared);
    }
    return *this;
}

RibDefinition::~RibDefinition() = default;

void RibDefinition::copyScalars(const RibDefinition& other)
{
    setSelected(other.isSelected());
    position = other.position;
    thickness = other.thickness;
    scaledThickness = other.scaledThickness;
    chord = other.chord;
    offsetX = other.offsetX;
    offsetY = other.offsetY;
    offsetZ = other.offsetZ;
    alignOffset = other.alignOffset;
    rootAirfoil = other.rootAirfoil;
    tipAirfoil = other.tipAirfoil;
    consumed = other.consumed;
    fault = other.fault;
}

const RibGeometry RibDefinition::noGeometry;

RibGeometry& RibDefinition::ownGeometry()
{
    // The shared block stays as it is for the ribs that still hold it.
    shared = shared ? std::make_shared<RibGeometry>(*shared) : std::make_shared<RibGeometry>();
    return *shared;
}

void RibDefinition::clearGeometry()
{
    consumed = false;
    fault = OutlineFault::None;
    if (ownsGeometry()) {
        shared->clear();
    } else {
        shared.reset();
    }
}

void RibDefinition::dropSharedGeometry()
{
    if (!ownsGeometry()) {
        shared.reset();
    }
}

void RibDefinition::copyGeometryFrom(const RibDefinition& other)
{
    shared = other.shared;
    consumed = other.consumed;
    fault = other.fault;
}

bool RibDefinition::sharesGeometryWith(const RibDefinition& other) const
{
    return shared && shared == other.shared;
}

void RibDefinition::clearParts(PartList& parts)
{
    RibGeometry::clearParts(parts);
}

const RibDefinition::PointList& RibDefinition::getCoveringCoords(int index) const
{
    if (index < 0 || index > 3) {
        throw std::invalid_argument("Invalid argument");
    }
    return geometry().covering[index];
}

RibDefinition::PointList& RibDefinition::getCoveringCoords(int index)
{
    if (index < 0 || index > 3) {
        throw std::invalid_argument("Invalid argument");
    }
    return geometry().covering[index];
}

void RibDefinition::copyRibCoords(PointList& out) const
{
    replacePoints(out, geometry().outline);
}

void RibDefinition::setCoords(const PointList& src, int list)
{
    switch (list) {
    case 0:
        replacePoints(getRibCoords(), src);
        break;
    case 1:
        replacePoints(getLEPieceCoords(), src);
        break;
    case 2:
        replacePoints(getTEPieceCoords(), src);
        break;
    case 3:
        replacePoints(getCamberLineCoords(), src);
        break;
    default:
        std::cout << "Unknown list in "
                  << "void RibDefinition::setCoords(const std::vector<Vector3D*>&, int)"
                  << ": " << list << std::endl;
        break;
    }
}

void RibDefinition::getOffset(float& x, float& y, float& z) const
{
    x = offsetX;
    y = offsetY;
    z = offsetZ;
}

void RibDefinition::setOffset(float x, float y, float z)
{
    offsetX = x;
    offsetY = y;
    offsetZ = z;
}

const RibDefinition::PointList& RibDefinition::getAirfoilCoords(AirfoilType type) const
{
    // A rib without airfoils has nothing to show; the tip falls back to the
    // root as it does in the blend.
    static const PointList noPoints;
    const Airfoil* airfoil = nullptr;
    switch (type) {
    case RootAirfoil:
        airfoil = rootAirfoil;
        break;
    case TipAirfoil:
        airfoil = tipAirfoil ? tipAirfoil : rootAirfoil;
        break;
    default:
        std::cout << "Unknown airfoil type in "
                  << "const std::vector<Vector3D*>& RibDefinition::getAirfoilCoords(AirfoilType) const"
                  << ": " << int(type) << std::endl;
        throw std::invalid_argument("Invalid argument");
    }
    return airfoil ? airfoil->getCoords() : noPoints;
}

int RibDefinition::findPartIndex(int id, const PartList& parts)
{
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i]->getId() == id) {
            return int(i);
        }
    }
    return -1;
}

int RibDefinition::getColumnCount()
{
    return 2;
}

QString RibDefinition::getColumnName(int column)
{
    switch (column) {
    case 0:
        return QCoreApplication::translate("RibDefinition", "Position (mm)");
    case 1:
        return QCoreApplication::translate("RibDefinition", "Thickness (mm)");
    default:
        return QString();
    }
}

QVariant RibDefinition::getCellData(int column) const
{
    switch (column) {
    case 0:
        return QVariant(position);
    case 1:
        return QVariant(thickness);
    default:
        std::cout << "Unknown position in RibDefinition::getCellData: " << column << std::endl;
        return QVariant(QStringLiteral("?"));
    }
}

bool RibDefinition::setCellData(int column, const QVariant& value)
{
    if (column != 0 && column != 1) {
        std::cout << "Unknown position in "
                  << "bool RibDefinition::setCellData(int, const QVariant&)"
                  << ": " << column << ", " << value.toString().toStdString() << std::endl;
        return true;
    }
    bool ok = false;
    const float number = value.toFloat(&ok);
    // "nan" and "inf" convert, but would poison every outline of the panel.
    if (!ok || !std::isfinite(number)) {
        return false;
    }
    if (column == 0) {
        position = number;
    } else {
        thickness = number;
    }
    return true;
}

void RibDefinition::setAirfoil(float panelLength, AirfoilType type, Airfoil* airfoil,
                               float rootFactor, float tipFactor)
{
    switch (type) {
    case RootAirfoil:
        rootAirfoil = airfoil;
        break;
    case TipAirfoil:
        tipAirfoil = airfoil;
        break;
    default:
        std::cout << "Unknown airfoil type in "
                  << "void RibDefinition::setAirfoil(float, AirfoilType, Airfoil*, float, float)"
                  << ": " << int(type) << std::endl;
        break;
    }
    updateAirfoil(panelLength, rootFactor, tipFactor);
}

void RibDefinition::setAirfoils(float panelLength, Airfoil* root, Airfoil* tip, float rootFactor, float tipFactor)
{
    rootAirfoil = root;
    tipAirfoil = tip;
    updateAirfoil(panelLength, rootFactor, tipFactor);
}

void RibDefinition::updateAirfoil(float panelLength, float rootFactor, float tipFactor)
{
    refillOutline(panelLength, rootFactor, tipFactor, [](Vector3D&) {});
}

void RibDefinition::updateAirfoilPlaced(float panelLength, float rootFactor, float tipFactor, float sx, float sy,
                                        float sz, float dx, float dy, float dz)
{
    refillOutline(panelLength, rootFactor, tipFactor, [=](Vector3D& point) {
        point.scale(sx, sy, sz);
        point.translate(dx, dy, dz);
    });
}

template <class Place>
void RibDefinition::refillOutline(float panelLength, float rootFactor, float tipFactor, Place place)
{
    // The blend writes every point anew: shared points are not worth copying
    // first, while points of our own are refilled.
    dropSharedGeometry();
    PointList& outline = geometry().outline;
    PointList previous;
    previous.swap(outline);
    clearGeometry();
    outline.swap(previous);
    truncatePoints(outline, blendAirfoils(0, panelLength, rootAirfoil, tipAirfoil, rootFactor, tipFactor, place));
}

void RibDefinition::blendAirfoils(float panelLength, const Airfoil* root, const Airfoil* tip,
                                  float rootFactor, float tipFactor)
{
    blendAirfoils(getRibCoords().size(), panelLength, root, tip, rootFactor, tipFactor);
}

size_t RibDefinition::blendAirfoils(size_t first, float panelLength, const Airfoil* root, const Airfoil* tip,
                                    float rootFactor, float tipFactor)
{
    return blendAirfoils(first, panelLength, root, tip, rootFactor, tipFactor, [](Vector3D&) {});
}

template <class Place>
size_t RibDefinition::blendAirfoils(size_t first, float panelLength, const Airfoil* root, const Airfoil* tip,
                                    float rootFactor, float tipFactor, Place place)
{
    if (!root) {
        return first;
    }
    const PointList& rootPoints = root->getCoords();
    // Blending pairs points by index; a tip of another size cannot be paired.
    if (!tip || tip->getCoords().size() != rootPoints.size()) {
        tip = root;
    }
    const PointList& tipPoints = tip->getCoords();

    // A panel without a (positive) length has only its root airfoil; a
    // negative length would push the weight outside 0..1.
    const float rootWeight = panelLength <= 0.0f ? 1.0f : (panelLength - position) / panelLength;
    PointList& outline = geometry().outline;
    const size_t count = rootPoints.size();
    outline.reserve(first + count);
    // Through local pointers: the copy of a point could alias the lists'
    // members, which were read again for every point. The reserve keeps the
    // outline's storage in place.
    Vector3D* const* const rootData = rootPoints.data();
    Vector3D* const* const tipData = tipPoints.data();
    Vector3D* const* const into = outline.data() + first;
    const size_t refilled = outline.size() > first ? std::min(count, outline.size() - first) : 0;
    const float tipWeight = 1.0f - rootWeight;
    const auto blend = [&](Vector3D& point, const Vector3D& source, size_t i) {
        const float rootPart = source.getY() * rootFactor * rootWeight;
        point.setY(rootPart + tipData[i]->getY() * tipFactor * tipWeight);
        point.setX(point.getX() + 0.5f);
        place(point);
    };
    size_t i = 0;
    // Points of our own with plain normals, nearly all of them, are refilled
    // in a loop without calls, which keeps the factors in registers; the
    // airfoil's points share no memory with them. The rest as follows.
    for (; i < refilled; ++i) {
        const Vector3D& source = *rootData[i];
        Vector3D* point = into[i];
        if (!point || !point->assignPlainApart(source)) {
            break;
        }
        blend(*point, source, i);
    }
    for (; i < count; ++i) {
        const Vector3D& source = *rootData[i];
        Vector3D* point = i < refilled ? into[i] : nullptr;
        if (point) {
            *point = source;
        } else {
            point = copyAtNew(outline, first + i, source);
        }
        blend(*point, source, i);
    }
    return first + count;
}

template <class OnPoints, class OnParts>
void RibDefinition::forPlacedGeometry(bool withTemplate, OnPoints onPoints, OnParts onParts)
{
    RibGeometry& g = geometry();
    for (PointList* points : {&g.outline, &g.camberLine, &g.lePiece, &g.tePiece, &g.covering[0], &g.covering[1],
                              &g.covering[2], &g.covering[3]}) {
        onPoints(*points);
    }
    for (PointList& piece : g.pieces) {
        onPoints(piece);
    }
    if (withTemplate) {
        onPoints(g.leTemplate);
    }
    for (PartList* parts : {&g.squareSparParts, &g.roundSparParts, &g.tubeSparParts, &g.cubeTubeParts,
                            &g.sparWebbingParts, &g.cubeSparParts, &g.coveringPolygons}) {
        onParts(*parts);
    }
}

void RibDefinition::scale(float sx, float sy, float sz)
{
    forPlacedGeometry(
        true, [&](PointList& points) { scalePoints(points, sx, sy, sz); },
        [&](PartList& parts) { scaleParts(parts, sx, sy, sz); });
}

void RibDefinition::applyOffset()
{
    translate(offsetX, offsetY, offsetZ);
    // The template is left out of translate (it must not follow the twist)
    // but does take part in the placement.
    translatePoints(getLETemplateCoords(), offsetX, offsetY, offsetZ);
}

void RibDefinition::translate(float dx, float dy, float dz)
{
    forPlacedGeometry(
        false, [&](PointList& points) { translatePoints(points, dx, dy, dz); },
        [&](PartList& parts) { translateParts(parts, dx, dy, dz); });
}

void RibDefinition::rotate(const Vector3D& axis, double angle)
{
    forPlacedGeometry(
        false, [&](PointList& points) { rotatePoints(points, axis, angle); },
        [&](PartList& parts) { rotateParts(parts, axis, angle); });
}

namespace {

// Moves p by -centre, turns it with turn (an inline point turn) and moves it
// back: the same three steps, and the same arithmetic, as the whole-list
// translate, rotate and translate.
template <class Point, class Turn>
void turnAboutCentre(const std::vector<Point*>& points, float cx, float cy, float cz, Turn turn)
{
    for (Point* point : points) {
        point->translate(-cx, -cy, -cz);
        turn(*point);
        point->translate(cx, cy, cz);
    }
}

} // namespace

void RibDefinition::rotateAbout(const Vector3D& axis, double angle, float cx, float cy, float cz)
{
    // Twist turns every rib about the z axis; that turn is inlined into one
    // walk over each list. Any other axis takes the general path.
    if (!(axis == GLUtils::AxisZ)) {
        rotateAboutAnyAxis(axis, angle, cx, cy, cz);
        return;
    }
    const float a = float(angle);
    const float c = std::cos(a);
    const float s = std::sin(a);
    // Every kind of shape turns its points with the point turn, by the same
    // angle as the lists (a shape's own rotate takes the sine and cosine of
    // the same float angle for each point).
    forPlacedGeometry(
        false,
        [&](PointList& points) {
            for (Vector3D* point : points) {
                point->rotateZAbout(c, s, cx, cy, cz);
            }
        },
        [&](PartList& parts) {
            for (IdentifiableObject* part : parts) {
                for (Vertex* point : part->getModifiablePoints()) {
                    point->rotateZAbout(c, s, cx, cy, cz);
                }
            }
        });
}

void RibDefinition::rotateAboutAnyAxis(const Vector3D& axis, double angle, float cx, float cy, float cz)
{
    const PointTurn turn = turnAbout(axis);
    const float a = float(angle);
    const float c = std::cos(a);
    const float s = std::sin(a);
    // Shapes turn themselves (and report an axis they cannot turn about).
    forPlacedGeometry(
        false,
        [&](PointList& points) {
            turnAboutCentre(points, cx, cy, cz, [&](Vertex& point) {
                if (turn) {
                    (point.*turn)(c, s);
                }
            });
        },
        [&](PartList& parts) {
            translateParts(parts, -cx, -cy, -cz);
            rotateParts(parts, axis, angle);
            translateParts(parts, cx, cy, cz);
        });
}

void RibDefinition::scalePoints(PointList& points, float sx, float sy, float sz)
{
    for (Vector3D* point : points) {
        point->scale(sx, sy, sz);
    }
}

void RibDefinition::scaleParts(PartList& parts, float sx, float sy, float sz)
{
    for (IdentifiableObject* part : parts) {
        for (Vertex* point : part->getModifiablePoints()) {
            point->scale(sx, sy, sz);
        }
    }
}

void RibDefinition::translatePoints(PointList& points, float dx, float dy, float dz)
{
    for (Vector3D* point : points) {
        point->translate(dx, dy, dz);
    }
}

void RibDefinition::translateParts(PartList& parts, float dx, float dy, float dz)
{
    for (IdentifiableObject* part : parts) {
        for (Vertex* point : part->getModifiablePoints()) {
            point->translate(dx, dy, dz);
        }
    }
}

void RibDefinition::rotatePoints(PointList& points, const Vector3D& axis, double angle)
{
    const PointTurn turn = turnAbout(axis);
    if (!turn) {
        return;
    }
    // One sine and cosine for the whole list, of the angle as a point turn
    // takes it (single precision).
    const float a = float(angle);
    const float c = std::cos(a);
    const float s = std::sin(a);
    for (Vector3D* point : points) {
        (point->*turn)(c, s);
    }
}

void RibDefinition::rotateParts(PartList& parts, const Vector3D& axis, double angle)
{
    for (IdentifiableObject* part : parts) {
        part->rotate(float(angle), axis);
    }
}

void RibDefinition::computeCamberLine()
{
    const PointList& outline = geometry().outline;
    PointList& camberLine = geometry().camberLine;
    const size_t n = outline.size();
    camberLine.reserve(n / 2 + 1);
    copyAt(camberLine, 0, Vector3D(1.0f, 0.0f, 0.0f));
    // Through local pointers, as in the blend; the reserve keeps the camber
    // line's storage in place.
    Vector3D* const* const from = outline.data();
    Vector3D* const* const into = camberLine.data();
    const size_t refilled = camberLine.size();
    for (size_t i = 0; i < n / 2; ++i) {
        Vector3D* mean = i + 1 < refilled ? into[i + 1] : nullptr;
        if (mean) {
            *mean = *from[i];
        } else {
            mean = copyAtNew(camberLine, i + 1, *from[i]);
        }
        mean->setY((from[n - 1 - i]->getY() + from[i]->getY()) * 0.5f);
    }
    truncatePoints(camberLine, n / 2 + 1);
    if (camberLine.size() >= 2) {
        // Start just behind the trailing edge so that a lookup at the very
        // last outline point still finds a segment to interpolate on.
        *camberLine[0] = *camberLine[1];
        camberLine[0]->setX(camberLine[0]->getX() + 0.001f);
    }
}

bool RibDefinition::findStation(float distance, float xLE, float xTE, Station& station) const
{
    const PointList& outline = geometry().outline;
    const int n = int(outline.size());
    if (n < 2) {
        return false;
    }
    // A rib without chord has no stations to find (and nothing to divide by).
    if (!(chord > 0.0f) || distance < 0.0f || distance > chord || xTE < xLE) {
        return false;
    }
    const float sx = xLE + distance * (xTE - xLE) / chord;
    const int half = n / 2;

    int a = half;
    int b = half + 1;
    if (half == 0) {
        a = 0;
        b = 1;
    } else {
        const int j = firstAtOrAhead(outline, 1, half, sx);
        if (j >= 0) {
            a = j - 1;
            b = j;
        }
    }
    b = std::min(b, n - 1);

    int c = half;
    if (half >= n - 1) {
        c = n - 1;
    } else {
        // The lower side from the trailing edge: c is the point behind the
        // first one at or ahead of sx.
        const int k = firstAtOrAhead(outline, n - 2, half, sx);
        if (k >= 0) {
            c = k + 1;
        }
    }
    // Both brackets fall back to the leading edge only when the station lies
    // ahead of the outline's front (for instance inside a removed LE piece);
    // inserting there would put the lower point ahead of the upper one.
    if (c <= a) {
        return false;
    }

    station.x = sx;
    station.a = a;
    station.b = b;
    station.c = c;
    return true;
}

float RibDefinition::interpolateY(int p, int q, float x) const
{
    const PointList& outline = geometry().outline;
    const Vector3D& from = *outline[p];
    const Vector3D& to = *outline[q];
    float dx = to.getX() - from.getX();
    if (dx == 0.0f) {
        dx = 1.0f;
    }
    const float slope = (to.getY() - from.getY()) / dx;
    return from.getY() + (x - from.getX()) * slope;
}

bool RibDefinition::splitAtChordPosition(float distance, float xLE, float xTE, int& upperIndex,
                                         int& lowerIndex)
{
    PointList& outline = geometry().outline;
    Station s;
    if (!findStation(distance, xLE, xTE, s)) {
        return false;
    }
    // Held here until the outline, made room for first, takes both.
    std::unique_ptr<Vector3D> upper(new Vector3D(s.x, interpolateY(s.a, s.b, s.x), outline[s.a]->getZ()));
    setMeanNormal(*upper, *outline[s.a], *outline[s.b]);
    setMeanShift(*upper, *outline[s.a], *outline[s.b]);
    std::unique_ptr<Vector3D> lower(new Vector3D(s.x, interpolateY(s.c - 1, s.c, s.x), outline[s.c]->getZ()));
    setMeanNormal(*lower, *outline[s.c - 1], *outline[s.c]);
    setMeanShift(*lower, *outline[s.c - 1], *outline[s.c]);

    Vector3D::reserveMore(outline, 2);
    outline.insert(outline.begin() + s.c, lower.release());
    outline.insert(outline.begin() + s.a + 1, upper.release());
    upperIndex = s.a + 1;
    lowerIndex = s.c + 1;
    return true;
}

bool RibDefinition::getHeightsAtChordPosition(float distance, float xLE, float xTE,
                                              float& yUpper, float& yLower) const
{
    Station s;
    if (!findStation(distance, xLE, xTE, s)) {
        yUpper = 0.0f;
        yLower = 0.0f;
        return false;
    }
    yUpper = interpolateY(s.a, s.b, s.x);
    yLower = interpolateY(s.c - 1, s.c, s.x);
    return true;
}

bool RibDefinition::getSheetShiftAtChordPosition(float distance, float xLE, float xTE, float& upperX,
                                                 float& lowerX, float* upperY, float* lowerY) const
{
    const PointList& outline = geometry().outline;
    Station s;
    if (!findStation(distance, xLE, xTE, s)) {
        upperX = 0.0f;
        lowerX = 0.0f;
        if (upperY)
            *upperY = 0.0f;
        if (lowerY)
            *lowerY = 0.0f;
        return false;
    }
    const auto shiftAt = [&](const Vector3D& a, const Vector3D& b, float* y) {
        const float dx = b.getX() - a.getX();
        const float t = dx != 0.0f ? (s.x - a.getX()) / dx : 0.0f;
        if (y)
            *y = a.getAuxB() + t * (b.getAuxB() - a.getAuxB());
        return a.getAuxA() + t * (b.getAuxA() - a.getAuxA());
    };
    upperX = shiftAt(*outline[s.a], *outline[s.b], upperY);
    lowerX = shiftAt(*outline[s.c - 1], *outline[s.c], lowerY);
    return true;
}

float RibDefinition::getPieceDepth(const PointList& points)
{
    if (points.empty()) {
        return 0.0f;
    }
    return points.front()->getX() - points[points.size() / 2]->getX();
}

float RibDefinition::getLEDepth(float scale) const
{
    return getPieceDepth(geometry().lePiece) * scale;
}

float RibDefinition::getTEDepth(float scale) const
{
    return getPieceDepth(geometry().tePiece) * scale;
}

float RibDefinition::getMaxY() const
{
    const PointList& outline = geometry().outline;
    float maxY = -FLT_MAX;
    for (const Vector3D* point : outline) {
        maxY = std::max(maxY, point->getY());
    }
    return maxY;
}

float RibDefinition::getMinY() const
{
    const PointList& outline = geometry().outline;
    float minY = FLT_MAX;
    for (const Vector3D* point : outline) {
        minY = std::min(minY, point->getY());
    }
    return minY;
}

float RibDefinition::getCamberY(int index) const
{
    const PointList& outline = geometry().outline;
    if (outline.size() < 2 || index < 0 || index >= int(outline.size())) {
        return 0.0f;
    }
    return camberYAt(outline[index]->getX());
}

bool RibDefinition::getCamberYAtChordPosition(float distance, float xLE, float xTE, float& camberY) const
{
    // What getCamberY would give at the upper point that a split at this
    // station inserts, without inserting it.
    Station s;
    if (!findStation(distance, xLE, xTE, s)) {
        return false;
    }
    camberY = camberYAt(s.x);
    return true;
}

float RibDefinition::camberYAt(float x) const
{
    return OutlineCleanup::camberYAt(geometry().camberLine, x);
}

RibDefinition::CutRuns RibDefinition::duplicateCutPoints(int frontUpper, int frontLower, int rearUpper,
                                                        int rearLower)
{
    PointList& outline = geometry().outline;
    // Highest index first, so that no insertion moves a point still to come.
    for (int index : {rearLower, frontLower, frontUpper, rearUpper}) {
        Vector3D::insertCopy(outline, size_t(index), *outline[size_t(index)]);
    }
    CutRuns runs;
    runs.topRear = rearUpper + 1;
    runs.topFront = frontUpper + 1;
    runs.bottomFront = frontLower + 3;
    runs.bottomRear = rearLower + 3;
    return runs;
}

void RibDefinition::collectTurns(std::vector<AngleInfo>& turns, float scale) const
{
    OutlineCleanup::collectTurns(geometry().outline, turns, scale);
}

void RibDefinition::setParting(bool bySheets, int slotId)
{
    RibGeometry& own = geometry();
    own.partedBySheets = bySheets;
    own.partingSlotId = slotId;
    own.partingSpar = 0;
}

void RibDefinition::finishOutline(float scale)
{
    RibFinishing::finishOutline(*this, scale);
}

void RibDefinition::cleanOutline(float scale)
{
    RibGeometry& own = geometry();
    OutlineCleanup(own.outline, own.camberLine, scale).cleanOutline();
}

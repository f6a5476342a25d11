#include <QtTest>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "common/TestSupport.h"
#include "foundation/Circle3D.h"
#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
#include "foundation/OutlineClip.h"
#include "foundation/Polygon3D.h"
#include "foundation/Rectangle3D.h"

namespace {
// Reads the constants from this file's own static initialisation, which may
// run before that of the library's files.
struct EarlyReader {
    float selectionRed;
    float backgroundGreen;
    float axisZ;
    EarlyReader()
        : selectionRed(GLUtils::colorSelection[0]), backgroundGreen(GLUtils::colorBackground[1]),
          axisZ(GLUtils::AxisZ.getZ())
    {
    }
};
const EarlyReader earlyReader;

bool near(const Vertex& p, float x, float y, float z, float eps = 1e-5f)
{
    return std::fabs(p.getX() - x) < eps && std::fabs(p.getY() - y) < eps && std::fabs(p.getZ() - z) < eps;
}

void freePoints(std::vector<Vertex*>& points)
{
    for (Vertex* p : points)
        delete p;
    points.clear();
}

bool sameBits(const Vertex& p, const Vertex& q)
{
    const float a[3] = {p.getX(), p.getY(), p.getZ()};
    const float b[3] = {q.getX(), q.getY(), q.getZ()};
    return std::memcmp(a, b, sizeof a) == 0 && p.getProp() == q.getProp();
}

Rectangle3D square(float side)
{
    return Rectangle3D(Vertex(side, side, 0), Vertex(0, side, 0), Vertex(0, 0, 0), Vertex(side, 0, 0));
}
}

class TestShapes : public QObject
{
    Q_OBJECT
private slots:
    void constantsHoldBeforeStaticCodeRuns();
    void circleAboutZHasOutwardUnitNormals();
    void circleAboutXLiesInXZPlane();
    void circleWithoutSegmentsIsEmpty();
    void shapeCopiesAreDeep();
    void shapeMovesHandOverPoints();
    void polygonTakesOverOrCopiesPoints();
    void rectangleFromTooFewPointsHoldsNone();
    void clampYOnlyForAnOrderedRange();
    void shortenPullsCornersAlongTheEdges();
    void shortenWithCollapsedEdgeLeavesCorners();
    void extendAndInterpolateCorners();
    void rectangleNormalFollowsSign();
    void projectionsAndCentroid();
    void intersectSegmentsMarksExactEnds();
    void clipToOutlinePullsBackOntoUpperSide();
    void outlineClipEndsWhereTheWalkEnds();
};

void TestShapes::constantsHoldBeforeStaticCodeRuns()
{
    QCOMPARE(earlyReader.selectionRed, 1.0f);
    QCOMPARE(earlyReader.backgroundGreen, 0.8f);
    QCOMPARE(earlyReader.axisZ, 1.0f);
    QCOMPARE(GLUtils::colorCovering[3], 2.0f);
    QVERIFY(!GLUtils::greyMode);
}

void TestShapes::circleAboutZHasOutwardUnitNormals()
{
    const Circle3D circle(Vertex(1, 1, 0), 2.0f, 4, GLUtils::AxisZ);
    const auto& pts = circle.getPoints();
    QCOMPARE(pts.size(), size_t(4));
    QVERIFY(near(*pts[0], 3, 1, 0));
    QVERIFY(near(*pts[1], 1, 3, 0));
    QVERIFY(near(*pts[2], -1, 1, 0));
    QVERIFY(near(*pts[3], 1, -1, 0));
    for (const Vertex* p : pts) {
        const Vector3D* n = p->getNormal();
        QVERIFY(n);
        QVERIFY(std::fabs(n->length() - 1.0f) < 1e-6f);
        // Outwards: the normal points from the centre to the point.
        Vector3D radial = Vector3D::fromDifference(*p, Vertex(1, 1, 0));
        radial.normalize();
        QVERIFY(n->distance(radial) < 1e-5f);
    }
    QCOMPARE(circle.getRadius(), 2.0f);
    QCOMPARE(circle.getType(), 0);
    QVERIFY(circle.getColor() == nullptr);
}

void TestShapes::circleAboutXLiesInXZPlane()
{
    const Circle3D circle(Vertex(1, 2, 3), 1.0f, 24, GLUtils::AxisX);
    QCOMPARE(circle.getPoints().size(), size_t(24));
    float zSpan = 0;
    for (const Vertex* p : circle.getPoints()) {
        QVERIFY(std::fabs(p->getY() - 2.0f) < 1e-5f);
        QVERIFY(std::fabs(p->getNormal()->getY()) < 1e-5f);
        zSpan = std::max(zSpan, std::fabs(p->getZ() - 3.0f));
    }
    QVERIFY(std::fabs(zSpan - 1.0f) < 1e-5f);
}

void TestShapes::circleWithoutSegmentsIsEmpty()
{
    QVERIFY(Circle3D(Vertex(), 1.0f, 0, GLUtils::AxisZ).getPoints().empty());
    QVERIFY(Circle3D(Vertex(), 1.0f, -3, GLUtils::AxisZ).getPoints().empty());
}

void TestShapes::shapeCopiesAreDeep()
{
    Circle3D circle(Vertex(0, 0, 0), 1.0f, 8, GLUtils::AxisZ);
    circle.setColor(GLUtils::colorRoundSpar);
    circle.setId(42);
    circle.setType(5);

    Circle3D copy(circle);
    QCOMPARE(copy.getPoints().size(), size_t(8));
    QVERIFY(copy.getPoints()[0] != circle.getPoints()[0]);
    QVERIFY(copy.getPoints()[0]->getNormal() != circle.getPoints()[0]->getNormal());
    QCOMPARE(copy.getColor(), GLUtils::colorRoundSpar);
    QCOMPARE(copy.getId(), 42);
    QCOMPARE(copy.getType(), 5);

    Rectangle3D a = square(1);
    const Rectangle3D b = square(3);
    a = b;
    QVERIFY(a.getPoints()[0] != b.getPoints()[0]);
    QVERIFY(near(*a.getPoints()[0], 3, 3, 0));
    a.translate(1, 0, 0);
    QVERIFY(near(*b.getPoints()[0], 3, 3, 0));

    Rectangle3D& alias = a;
    a = alias;
    QCOMPARE(a.getPoints().size(), size_t(4));
    QVERIFY(near(*a.getPoints()[0], 4, 3, 0));

    IdentifiableObject& base = a;
    base = static_cast<const IdentifiableObject&>(circle);
    QCOMPARE(a.getPoints().size(), size_t(8));
}

void TestShapes::shapeMovesHandOverPoints()
{
    Rectangle3D source = square(2);
    Vertex* first = source.getPoints()[0];
    Rectangle3D moved(std::move(source));
    QCOMPARE(moved.getPoints()[0], first);
    QVERIFY(source.getPoints().empty());

    Rectangle3D target = square(5);
    target = std::move(moved);
    QCOMPARE(target.getPoints()[0], first);
    QVERIFY(moved.getPoints().empty());

    std::vector<Vertex*> taken = target.getPoints();
    target.releasePoints();
    QVERIFY(target.getPoints().empty());
    QCOMPARE(taken[0], first);
    freePoints(taken); // released points belong to the caller
}

void TestShapes::polygonTakesOverOrCopiesPoints()
{
    std::vector<Vertex*> list {new Vertex(0, 0, 0), new Vertex(1, 0, 0), new Vertex(1, 1, 0)};
    const std::vector<Vertex*> original = list;
    Polygon3D taken(list);
    QVERIFY(list.empty());
    QCOMPARE(taken.getPoints(), original);

    const std::vector<Vertex*>& constList = taken.getPoints();
    Polygon3D copied(constList);
    QCOMPARE(copied.getPoints().size(), size_t(3));
    QVERIFY(copied.getPoints()[0] != original[0]);
    QVERIFY(*copied.getPoints()[2] == *original[2]);
}

void TestShapes::rectangleFromTooFewPointsHoldsNone()
{
    std::vector<Vector3D*> three {new Vector3D(0, 0, 0), new Vector3D(1, 0, 0), new Vector3D(1, 1, 0)};
    Rectangle3D* r = nullptr;
    const auto captured = TestSupport::captureOutput([&] { r = new Rectangle3D(three); });
    QVERIFY(!captured.out.empty());
    QVERIFY(!r->hasCorners());
    QVERIFY(r->getPoints().empty());
    // Every corner operation is harmless on it.
    r->shortenXY(1, 1);
    r->extendY(1, 1);
    r->extendZ(1, 1);
    r->clampY(1, 0);
    QCOMPARE(r->getLength01(), 0.0f);
    Vector3D n(5, 5, 5);
    r->getNormal(n, 1);
    QVERIFY(n == Vector3D(0, 0, 0));
    Rectangle3D fromShape(static_cast<const IdentifiableObject&>(*r));
    QVERIFY(!fromShape.hasCorners());
    Rectangle3D between(*r, square(1), 0.5f);
    QVERIFY(!between.hasCorners());
    delete r;
    Vector3D::clearList(three);
}

void TestShapes::clampYOnlyForAnOrderedRange()
{
    Rectangle3D r(Vertex(0, 3, 0), Vertex(1, -1, 0), Vertex(2, 1.5f, 0), Vertex(3, 0.5f, 0));
    r.clampY(1, 2);
    QCOMPARE(r.getPoints()[0]->getY(), 3.0f);
    QCOMPARE(r.getPoints()[1]->getY(), -1.0f);
    r.clampY(2, 1);
    QCOMPARE(r.getPoints()[0]->getY(), 2.0f);
    QCOMPARE(r.getPoints()[1]->getY(), 1.0f);
    QCOMPARE(r.getPoints()[2]->getY(), 1.5f);
    QCOMPARE(r.getPoints()[3]->getY(), 1.0f);
}

void TestShapes::shortenPullsCornersAlongTheEdges()
{
    // Corners 0 and 3 on the right, 1 and 2 on the left, 4 wide.
    Rectangle3D r(Vertex(4, 1, 7), Vertex(0, 1, 7), Vertex(0, 0, 7), Vertex(4, 0, 7));
    r.shortenXY(1.0f, 0.5f);
    QVERIFY(near(*r.getPoints()[0], 3.5f, 1, 7));
    QVERIFY(near(*r.getPoints()[1], 1.0f, 1, 7));
    QVERIFY(near(*r.getPoints()[2], 1.0f, 0, 7));
    QVERIFY(near(*r.getPoints()[3], 3.5f, 0, 7));

    Rectangle3D s(Vertex(9, 0, 4), Vertex(9, 0, 0), Vertex(9, 1, 0), Vertex(9, 1, 4));
    s.shortenXZ(1.0f, 1.0f);
    QVERIFY(near(*s.getPoints()[0], 9, 0, 3));
    QVERIFY(near(*s.getPoints()[1], 9, 0, 1));
    Rectangle3D t(Vertex(5, 0, 4), Vertex(5, 0, 0), Vertex(5, 1, 0), Vertex(5, 1, 4));
    t.shortenYZ(2.0f, 0.0f);
    QVERIFY(near(*t.getPoints()[1], 5, 0, 2));
    QVERIFY(near(*t.getPoints()[3], 5, 1, 4));
}

void TestShapes::shortenWithCollapsedEdgeLeavesCorners()
{
    Rectangle3D r(Vertex(2, 1, 0), Vertex(2, 1, 0), Vertex(0, 0, 0), Vertex(3, 0, 0));
    r.shortenXY(1.0f, 1.0f);
    for (const Vertex* p : r.getPoints()) {
        QVERIFY(std::isfinite(p->getX()));
        QVERIFY(std::isfinite(p->getY()));
    }
    // Edge 0-1 has no length: corners 1 and 2 stay; edge 2-3 still pulls 0 and 3.
    QVERIFY(near(*r.getPoints()[1], 2, 1, 0));
    QVERIFY(near(*r.getPoints()[2], 0, 0, 0));
}

void TestShapes::extendAndInterpolateCorners()
{
    Rectangle3D r = square(1);
    r.extendY(0.5f, 0.25f);
    QCOMPARE(r.getPoints()[0]->getY(), 0.5f);
    QCOMPARE(r.getPoints()[1]->getY(), 0.5f);
    QCOMPARE(r.getPoints()[2]->getY(), 0.25f);
    QCOMPARE(r.getPoints()[3]->getY(), 0.25f);
    r.extendZ(2.0f, 1.0f);
    QCOMPARE(r.getPoints()[0]->getZ(), -1.0f);
    QCOMPARE(r.getPoints()[1]->getZ(), 2.0f);

    const Rectangle3D a = square(1);
    Rectangle3D b = square(1);
    b.translate(0, 0, 10);
    b.getModifiablePoints()[2]->translate(0, 0, -10); // corner 2 coincides with a's
    const Rectangle3D between(a, b, 4.0f);
    QVERIFY(near(*between.getPoints()[0], 1, 1, 4));
    QVERIFY(near(*between.getPoints()[2], 0, 0, 0));
    QCOMPARE(square(2).getLength01(), 2.0f);
    QCOMPARE(square(2).getLength12(), 2.0f);
}

void TestShapes::rectangleNormalFollowsSign()
{
    const Rectangle3D r; // default corners run counter-clockwise seen from +z
    Vector3D n;
    r.getNormal(n, 1);
    QVERIFY(near(n, 0, 0, 1));
    r.getNormal(n, -1);
    QVERIFY(near(n, 0, 0, -1));
    QVERIFY(near(*r.getPoints()[0], 1, 1, 0));
    QVERIFY(near(*r.getPoints()[3], 1, 0, 0));
}

void TestShapes::projectionsAndCentroid()
{
    std::vector<Vertex*> none;
    const Polygon3D empty(none);
    QCOMPARE(empty.getMaxProjection(Vertex(1, 0, 0)), -std::numeric_limits<float>::max());
    QCOMPARE(empty.getMinProjection(Vertex(1, 0, 0)), std::numeric_limits<float>::max());
    Vertex c(7, 7, 7);
    empty.getCentroid(c);
    QVERIFY(c == Vertex(7, 7, 7));

    const Rectangle3D r = square(2);
    QCOMPARE(r.getMaxProjection(Vertex(1, 1, 0)), 4.0f);
    QCOMPARE(r.getMinProjection(Vertex(1, -1, 0)), -2.0f);
    r.getCentroid(c);
    QVERIFY(near(c, 1, 1, 0));
}

void TestShapes::intersectSegmentsMarksExactEnds()
{
    Vector3D a0(0, 0, 0), a1(2, 2, 0), out;
    QVERIFY(GLUtils::intersectSegments(a0, a1, Vector3D(0, 2, 0), Vector3D(4, -2, 0), out, 0.0f));
    QVERIFY(near(out, 1, 1, 0));
    QVERIFY(!a0.hasProp(2) && !a1.hasProp(2));

    // The second segment passes exactly through a1.
    QVERIFY(GLUtils::intersectSegments(a0, a1, Vector3D(2, 0, 0), Vector3D(2, 4, 0), out, 0.0f));
    QVERIFY(near(out, 2, 2, 0));
    QVERIFY(a1.hasProp(2));
    QVERIFY(!a0.hasProp(2));

    QVERIFY(!GLUtils::intersectSegments(a0, a1, Vector3D(1, 0, 0), Vector3D(3, 2, 0), out, 0.0f));
    QVERIFY(!GLUtils::intersectSegments(a0, a1, Vector3D(3, 0, 0), Vector3D(3, 4, 0), out, 0.0f));
    // A small tolerance accepts a near miss and clamps onto the end.
    QVERIFY(GLUtils::intersectSegments(a0, a1, Vector3D(2.001f, 0, 0), Vector3D(2.001f, 4, 0), out, 0.01f));
    QVERIFY(near(out, 2, 2, 0));
}

void TestShapes::clipToOutlinePullsBackOntoUpperSide()
{
    // Upper side from the trailing edge (x = 1) to the leading edge (x = 0).
    std::vector<Vector3D*> outline {new Vector3D(1, 0, 0), new Vector3D(0.5f, 0.1f, 0), new Vector3D(0, 0, 0),
                                    new Vector3D(0.5f, -0.1f, 0)};
    const Vector3D a(0.75f, 0.0f, 0.0f);
    Vector3D b(0.75f, 0.5f, 3.0f);
    GLUtils::clipToOutline(a, b, outline);
    QVERIFY(near(b, 0.75f, 0.05f, 3.0f));

    Vector3D right(5.0f, 1.0f, 0.0f);
    GLUtils::clipToOutline(Vector3D(4.0f, 0.0f, 0.0f), right, outline);
    QVERIFY(right == Vector3D(5.0f, 1.0f, 0.0f));

    std::vector<Vector3D*> tiny {outline[0], outline[1]};
    Vector3D c(0.75f, 0.5f, 0.0f);
    GLUtils::clipToOutline(a, c, tiny);
    QVERIFY(c == Vector3D(0.75f, 0.5f, 0.0f));
    Vector3D::clearList(outline);
}

void TestShapes::outlineClipEndsWhereTheWalkEnds()
{
    // Sides that run back on themselves, with equal x, a NaN, and runs of
    // segments forwards, backwards and by jumps along them, as the sheeting
    // of a rib sinks its points: every clipped end must be the walk's, to
    // the bit.
    std::mt19937 random(7);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int shape = 0; shape < 4; ++shape) {
        std::vector<Vector3D*> outline;
        const int n = 60;
        for (int i = 0; i < n; ++i) {
            float x = 1.0f - float(i) / float(n - 1);
            if (shape == 1)
                x += 0.08f * std::sin(float(i));
            if (shape == 2 && i % 7 == 3)
                x = outline.back()->getX();
            if (shape == 3 && i == 20)
                x = std::numeric_limits<float>::quiet_NaN();
            outline.push_back(new Vector3D(x, 0.1f * std::sin(3.0f * x) + 0.02f * unit(random), 0.0f));
        }
        OutlineClip clip;
        clip.use(outline);
        for (int i = 0; i < 450; ++i) {
            // Back to front, front to back, then anywhere, some segments
            // ending on an outline point's x.
            float x = i < 150 ? 1.05f - 1.1f * float(i) / 150.0f
                              : (i < 300 ? -0.05f + 1.1f * float(i - 150) / 150.0f : 1.1f * unit(random) - 0.05f);
            if (i % 3 == 0)
                x = outline[size_t(std::uniform_int_distribution<int>(0, n - 1)(random))]->getX();
            const Vector3D a(x, 0.4f * unit(random) - 0.2f, 0.0f);
            Vector3D walked(i % 3 == 0 ? x : x + 0.02f * (unit(random) - 0.5f), 0.4f * unit(random) - 0.2f, 1.0f);
            Vector3D clipped(walked);
            GLUtils::clipToOutline(a, walked, outline);
            clip.clip(a, clipped);
            QVERIFY2(sameBits(walked, clipped),
                     qPrintable(QStringLiteral("shape %1, segment %2").arg(shape).arg(i)));
        }
        Vector3D::clearList(outline);
    }
}

QTEST_MAIN(TestShapes)
#include "tst_shapes.moc"

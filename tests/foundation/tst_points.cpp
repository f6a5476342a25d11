#include <QtTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>

#include "common/FailingAllocation.h"
#include "common/TestSupport.h"
#include "foundation/AngleInfo.h"
#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
#include "foundation/Polygon3D.h"
#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"

class TestPoints : public QObject
{
    Q_OBJECT
private slots:
    void copiesOwnAnIndependentNormal();
    void movesHandOverTheNormal();
    void selfAssignmentKeepsTheNormal();
    void assigningFromOwnNormalChainIsSafe();
    void assignmentCopiesIntoAnExistingNormal();
    void recycledPointsNeverShareMemory();
    void partCopyStoppedHalfwayLeavesNothing();
    void equalityLooksAtCoordinatesOnly();
    void axisRotationsTurnClockwise_data();
    void axisRotationsTurnClockwise();
    void rotateRefusesOtherAxes();
    void axisRotationsMatchTheMatrixProduct_data();
    void axisRotationsMatchTheMatrixProduct();
    void angleBetweenVectors_data();
    void angleBetweenVectors();
    void equalizeAndClearList();
    void degreesUseTheProgramsPi();
    void matrixProductAppliesLeftFirst();
    void rotationMatrixTurnsCounterClockwise();
    void orthonormalizeKeepsExactRotation();
    void segmentIntersectionReturnCodes_data();
    void segmentIntersectionReturnCodes();
    void clipCoordinateHandlesOnlyY();
    void smallNumericHelpers();
};

void TestPoints::copiesOwnAnIndependentNormal()
{
    auto* original = new Vector3D(1, 2, 3);
    original->setNormal(Vector3D(0, 0, 1));
    original->getNormal()->setNormal(Vector3D(0, 1, 0)); // a normal of the normal is copied too
    original->setProp(2);
    original->setId(7);
    original->setAux(0.25f, 0.5f);

    {
        Vector3D copy(*original);
        QVERIFY(copy.getNormal() != nullptr);
        QVERIFY(copy.getNormal() != original->getNormal());
        QVERIFY(copy.getNormal()->getNormal() != original->getNormal()->getNormal());
        QCOMPARE(copy.getNormal()->getZ(), 1.0f);
        QVERIFY(copy.hasProp(2));
        QCOMPARE(copy.getId(), 7);
        QCOMPARE(copy.getAuxB(), 0.5f);
        copy.getNormal()->setZ(5);
    }
    QCOMPARE(original->getNormal()->getZ(), 1.0f);
    QCOMPARE(original->getNormal()->getNormal()->getY(), 1.0f);

    Vertex assigned(9, 9, 9);
    assigned.setNormal(Vector3D(1, 0, 0));
    assigned = *original;
    QVERIFY(assigned.getNormal() != original->getNormal());
    QCOMPARE(assigned.getNormal()->getZ(), 1.0f);
    QCOMPARE(assigned.getX(), 1.0f);
    delete original;
    QCOMPARE(assigned.getNormal()->getZ(), 1.0f);

    Vertex plain(1, 1, 1);
    assigned = plain;
    QVERIFY(assigned.getNormal() == nullptr);
}

void TestPoints::movesHandOverTheNormal()
{
    Vertex source(1, 2, 3);
    Vector3D* normal = source.setNormal(Vector3D(0, 1, 0));
    Vertex moved(std::move(source));
    QCOMPARE(moved.getNormal(), normal);
    QVERIFY(source.getNormal() == nullptr);

    Vertex target(5, 5, 5);
    target.setNormal(Vector3D(1, 0, 0));
    target = std::move(moved);
    QCOMPARE(target.getNormal(), normal);
    QVERIFY(moved.getNormal() == nullptr);
    QCOMPARE(target.getY(), 2.0f);

    Vector3D v(4, 5, 6);
    v.setNormal(Vector3D(0, 0, 1));
    Vector3D w;
    w = std::move(v);
    QVERIFY(v.getNormal() == nullptr);
    QCOMPARE(w.getNormal()->getZ(), 1.0f);
}

void TestPoints::selfAssignmentKeepsTheNormal()
{
    Vertex p(1, 2, 3);
    p.setNormal(Vector3D(0, 0, 1));
    Vertex& alias = p;
    p = alias;
    QVERIFY(p.getNormal() != nullptr);
    QCOMPARE(p.getNormal()->getZ(), 1.0f);
    p = std::move(alias);
    QVERIFY(p.getNormal() != nullptr);
    QCOMPARE(p.getNormal()->getZ(), 1.0f);
}

void TestPoints::assigningFromOwnNormalChainIsSafe()
{
    Vertex p(1, 2, 3);
    p.setNormal(Vector3D(0, 0, 1))->setNormal(Vector3D(0, 1, 0));
    // The source lives inside the normal that the assignment replaces.
    p.setNormal(*p.getNormal()->getNormal());
    QCOMPARE(p.getNormal()->getY(), 1.0f);
    QCOMPARE(p.getNormal()->getZ(), 0.0f);

    Vertex q(0, 0, 0);
    q.averageNormal(Vertex(2, 0, 0));
    q.averageNormal(Vertex(0, 2, 0));
    QCOMPARE(q.getNormal()->getX(), 1.0f);
    QCOMPARE(q.getNormal()->getY(), 1.0f);
    q.scaleNormal(2, 3, 4);
    QCOMPARE(q.getNormal()->getY(), 3.0f);
}

void TestPoints::assignmentCopiesIntoAnExistingNormal()
{
    Vertex target(1, 2, 3);
    target.setNormal(Vector3D(0, 0, 1))->setProp(1);
    Vertex source(4, 5, 6, 9);
    source.setProp(2);
    source.setAux(0.5f, 0.25f);
    source.setSelected(true);
    source.setNormal(Vector3D(0, 1, 0))->setId(3);
    target = source;
    QVERIFY(target == source);
    QCOMPARE(target.getProp(), 2u);
    QCOMPARE(target.getId(), 9);
    QCOMPARE(target.getAuxB(), 0.25f);
    QVERIFY(target.isSelected());
    QVERIFY(target.getNormal() != source.getNormal());
    QVERIFY(*target.getNormal() == Vertex(0, 1, 0));
    QCOMPARE(target.getNormal()->getProp(), 0u);
    QCOMPARE(target.getNormal()->getId(), 3);
    // Still a copy: changing the source's normal leaves ours alone.
    source.getNormal()->setX(7);
    QCOMPARE(target.getNormal()->getX(), 0.0f);

    // A point assigned into its own normal: the normal keeps the old normal
    // as its own.
    Vertex p(1, 2, 3);
    p.setNormal(Vector3D(0, 0, 1));
    *p.getNormal() = p;
    QVERIFY(*p.getNormal() == Vertex(1, 2, 3));
    QVERIFY(p.getNormal()->getNormal() && *p.getNormal()->getNormal() == Vertex(0, 0, 1));
    // A point assigned from its own normal drops the normal it had.
    Vertex q(1, 2, 3);
    q.setNormal(Vector3D(0, 0, 1));
    q = *q.getNormal();
    QVERIFY(q == Vertex(0, 0, 1));
    QVERIFY(q.getNormal() == nullptr);
}

void TestPoints::recycledPointsNeverShareMemory()
{
    Vertex::RecyclingScope outer;
    std::vector<Vector3D*> old;
    for (int i = 0; i < 200; ++i) {
        old.push_back(new Vector3D(float(i), 0, 0));
        old.back()->setNormal(Vector3D(0, float(i), 0))->setProp(2);
        old.back()->setSelected(true);
    }
    // A normal with a normal of its own takes the long way back.
    old[100]->getNormal()->setNormal(Vector3D(1, 0, 0));
    Vector3D::clearList(old);
    {
        // Closing a nested scope leaves the kept memory to the outer one.
        Vertex::RecyclingScope inner;
    }
    std::vector<Vector3D*> points;
    std::vector<Vertex*> plain;
    for (int i = 0; i < 300; ++i) {
        points.push_back(new Vector3D(float(i), float(-i), 0.5f));
        points.back()->setNormal(Vector3D(float(i), 1, 0));
        plain.push_back(new Vertex(0, 0, float(i)));
    }
    std::set<const void*> blocks;
    for (int i = 0; i < 300; ++i) {
        blocks.insert(points[size_t(i)]);
        blocks.insert(points[size_t(i)]->getNormal());
        blocks.insert(plain[size_t(i)]);
    }
    QCOMPARE(int(blocks.size()), 900);
    for (int i = 0; i < 300; ++i) {
        const Vector3D& p = *points[size_t(i)];
        QVERIFY(p == Vertex(float(i), float(-i), 0.5f));
        QVERIFY(*p.getNormal() == Vertex(float(i), 1, 0));
        // Nothing of the deleted points shows through.
        QVERIFY(!p.isSelected() && p.getProp() == 0u && p.getNormal()->getProp() == 0u);
        QVERIFY(!p.getNormal()->getNormal());
        QVERIFY(*plain[size_t(i)] == Vertex(0, 0, float(i)));
        QVERIFY(!plain[size_t(i)]->getNormal());
        delete plain[size_t(i)];
    }
    Vector3D::clearList(points);
}

void TestPoints::partCopyStoppedHalfwayLeavesNothing()
{
    // Memory running out at each point of a part's copy: what was copied
    // goes again (the leak checker of the sanitized build sees it) and an
    // assignment leaves its target as it was.
    std::vector<Vertex*> corners;
    for (int i = 0; i < 5; ++i)
        corners.push_back(new Vertex(float(i), float(i * i), 0));
    const Polygon3D source(corners);
    // The list and its five points: six allocations, the seventh is spare.
    for (long long n = 0; n <= 6; ++n) {
        std::vector<Vertex*> one{new Vertex(9, 9, 9)};
        Polygon3D target(one);
        bool failed = false;
        allocationsBeforeFailure = n;
        try {
            Polygon3D copy(source);
        } catch (const std::bad_alloc&) {
            failed = true;
        }
        allocationsBeforeFailure = n;
        try {
            target = source;
        } catch (const std::bad_alloc&) {
            QVERIFY(failed);
            QCOMPARE(int(target.getPoints().size()), 1);
            QVERIFY(*target.getPoints()[0] == Vertex(9, 9, 9));
        }
        allocationsBeforeFailure = -1;
        QCOMPARE(failed, n < 6);
        if (!failed)
            QCOMPARE(int(target.getPoints().size()), 5);
    }
}

void TestPoints::equalityLooksAtCoordinatesOnly()
{
    Vertex a(1, 2, 3, 4);
    Vertex b(1, 2, 3, 99);
    b.setNormal(Vector3D(1, 0, 0));
    b.setProp(3);
    b.setAux(1, 1);
    b.setSelected(true);
    QVERIFY(a == b);
    QVERIFY(!(a != b));
    QVERIFY(a != Vertex(1, 2, 3.5f));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    QVERIFY(!(Vertex(nan, 0, 0) == Vertex(nan, 0, 0)));
}

void TestPoints::axisRotationsTurnClockwise_data()
{
    QTest::addColumn<int>("axis");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("z");
    QTest::addColumn<float>("ex");
    QTest::addColumn<float>("ey");
    QTest::addColumn<float>("ez");
    // A quarter turn by -90 degrees about each axis.
    QTest::newRow("Z takes x to -y") << 2 << 1.f << 0.f << 0.f << 0.f << -1.f << 0.f;
    QTest::newRow("Z takes y to x") << 2 << 0.f << 1.f << 0.f << 1.f << 0.f << 0.f;
    QTest::newRow("X takes y to -z") << 0 << 0.f << 1.f << 0.f << 0.f << 0.f << -1.f;
    QTest::newRow("X takes z to y") << 0 << 0.f << 0.f << 1.f << 0.f << 1.f << 0.f;
    QTest::newRow("Y takes x to z") << 1 << 1.f << 0.f << 0.f << 0.f << 0.f << 1.f;
    QTest::newRow("Y takes z to -x") << 1 << 0.f << 0.f << 1.f << -1.f << 0.f << 0.f;
}

void TestPoints::axisRotationsTurnClockwise()
{
    QFETCH(int, axis);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, z);
    QFETCH(float, ex);
    QFETCH(float, ey);
    QFETCH(float, ez);
    const Vector3D* axes[] = {&GLUtils::AxisX, &GLUtils::AxisY, &GLUtils::AxisZ};
    const float a = static_cast<float>(M_PI / 2);

    Vertex p(x, y, z);
    p.setNormal(Vector3D(x, y, z));
    p.rotate(a, *axes[axis]);
    QVERIFY(std::fabs(p.getX() - ex) < 1e-6f);
    QVERIFY(std::fabs(p.getY() - ey) < 1e-6f);
    QVERIFY(std::fabs(p.getZ() - ez) < 1e-6f);
    // The normal turns with the point.
    QVERIFY(p.getNormal()->distance(p) < 1e-6f);

    Vertex q(x, y, z);
    if (axis == 0)
        q.rotateX(a);
    else if (axis == 1)
        q.rotateY(a);
    else
        q.rotateZ(a);
    QVERIFY(q.distance(p) < 1e-6f);
}

void TestPoints::rotateRefusesOtherAxes()
{
    Vertex p(1, 2, 3);
    const auto captured = TestSupport::captureOutput([&] { p.rotate(1.0f, Vector3D(1, 1, 0)); });
    QCOMPARE(QString::fromStdString(captured.out),
             QString("In void Vertex::rotate(float, const Vector3D&): unknown axis --> currently, only "
                     "GLUtils::Axis[X-Z] are supported!\n"));
    QVERIFY(p == Vertex(1, 2, 3));
}

namespace {

// The turn as a rotation matrix applied by transform(): the arithmetic the
// point turns must reproduce exactly.
void turnByMatrix(Vertex& p, int axis, float a)
{
    const float c = std::cos(a), s = std::sin(a);
    float m[16];
    Mathematics::identityMatrix(m);
    if (axis == 0) {
        m[5] = c;
        m[6] = -s;
        m[9] = s;
        m[10] = c;
    } else if (axis == 1) {
        m[0] = c;
        m[2] = s;
        m[8] = -s;
        m[10] = c;
    } else {
        m[0] = c;
        m[1] = -s;
        m[4] = s;
        m[5] = c;
    }
    p.transform(m);
    if (p.getNormal())
        turnByMatrix(*p.getNormal(), axis, a);
}

bool sameBits(float a, float b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool samePoint(const Vertex& a, const Vertex& b)
{
    if (!sameBits(a.getX(), b.getX()) || !sameBits(a.getY(), b.getY()) || !sameBits(a.getZ(), b.getZ()))
        return false;
    if (!a.getNormal() || !b.getNormal())
        return !a.getNormal() && !b.getNormal();
    return samePoint(*a.getNormal(), *b.getNormal());
}

} // namespace

void TestPoints::axisRotationsMatchTheMatrixProduct_data()
{
    QTest::addColumn<int>("axis");
    QTest::addColumn<float>("angle");
    const float angles[] = {0.0f, -0.0f, 1e-7f, 0.0349f, static_cast<float>(M_PI / 2), -1.234f, 3.0f, 1000.0f};
    const char* names[] = {"X", "Y", "Z"};
    for (int axis = 0; axis < 3; ++axis)
        for (float a : angles)
            QTest::addRow("%s by %g", names[axis], double(a)) << axis << a;
}

void TestPoints::axisRotationsMatchTheMatrixProduct()
{
    QFETCH(int, axis);
    QFETCH(float, angle);
    const float inf = std::numeric_limits<float>::infinity();
    // Signed zeros, tiny and huge values and an infinity: the places where
    // dropping the matrix's zero terms would show.
    const std::vector<Vector3D> samples = {
        {0.0f, 0.0f, 0.0f},      {-0.0f, -0.0f, -0.0f}, {-0.0f, 0.0f, -0.0f}, {1.0f, -2.0f, 3.0f},
        {0.123f, -0.0456f, 7.5f}, {1e-40f, -1e-39f, 1e-38f}, {3e38f, -3e38f, 1.0f}, {inf, 1.0f, -0.0f},
        {1.0f, -0.0f, inf}};
    const Vector3D* axes[] = {&GLUtils::AxisX, &GLUtils::AxisY, &GLUtils::AxisZ};

    std::vector<Vector3D*> list;
    std::vector<Vertex*> shape;
    std::vector<Vector3D*> ribList;
    for (const Vector3D& sample : samples) {
        Vector3D expected(sample);
        expected.setNormal(Vector3D(sample.getZ(), -0.0f, sample.getX()));
        Vector3D one(expected);
        turnByMatrix(expected, axis, angle);

        if (axis == 0)
            one.rotateX(angle);
        else if (axis == 1)
            one.rotateY(angle);
        else
            one.rotateZ(angle);
        QVERIFY2(samePoint(one, expected), "single point turn");
        Vector3D dispatched(sample);
        dispatched.setNormal(Vector3D(sample.getZ(), -0.0f, sample.getX()));
        dispatched.rotate(angle, *axes[axis]);
        QVERIFY2(samePoint(dispatched, expected), "turn by axis");

        list.push_back(new Vector3D(sample));
        list.back()->setNormal(Vector3D(sample.getZ(), -0.0f, sample.getX()));
        shape.push_back(new Vertex(*list.back()));
        ribList.push_back(new Vector3D(*list.back()));
    }
    // The list turns share one sine and cosine.
    GLUtils::rotatePoints(list, angle, *axes[axis]);
    GLUtils::rotatePoints(shape, angle, *axes[axis]);
    RibDefinition::rotatePoints(ribList, *axes[axis], double(angle));
    for (size_t i = 0; i < samples.size(); ++i) {
        Vector3D expected(samples[i]);
        expected.setNormal(Vector3D(samples[i].getZ(), -0.0f, samples[i].getX()));
        turnByMatrix(expected, axis, angle);
        QVERIFY2(samePoint(*list[i], expected), qPrintable(QString("list point %1").arg(i)));
        QVERIFY2(samePoint(*shape[i], expected), qPrintable(QString("shape point %1").arg(i)));
        QVERIFY2(samePoint(*ribList[i], expected), qPrintable(QString("rib point %1").arg(i)));
        delete shape[i];
    }
    Vector3D::clearList(list);
    Vector3D::clearList(ribList);
}

void TestPoints::angleBetweenVectors_data()
{
    QTest::addColumn<float>("ax");
    QTest::addColumn<float>("ay");
    QTest::addColumn<float>("bx");
    QTest::addColumn<float>("by");
    QTest::addColumn<float>("result");
    QTest::addColumn<int>("turn");
    QTest::newRow("zero vector") << 0.f << 0.f << 1.f << 0.f << 1.0f << 2;
    QTest::newRow("same vector") << 3.f << 4.f << 3.f << 4.f << 1.0f << 2;
    QTest::newRow("opposite") << 1.f << 0.f << -1.f << 0.f << -1.0f << 3;
    QTest::newRow("left turn") << 1.f << 0.f << 0.f << 1.f << 0.0f << 1;
    QTest::newRow("right turn") << 1.f << 0.f << 1.f << -1.f << 0.70710678f << 0;
}

void TestPoints::angleBetweenVectors()
{
    QFETCH(float, ax);
    QFETCH(float, ay);
    QFETCH(float, bx);
    QFETCH(float, by);
    QFETCH(float, result);
    QFETCH(int, turn);
    AngleInfo info(0, 5.0f, 9);
    const float r = Vertex(ax, ay, 0).getAngle2D(Vertex(bx, by, 0), info);
    QVERIFY(std::fabs(r - result) < 1e-6f);
    QCOMPARE(info.getTurn(), turn);
    QCOMPARE(info.getCosAngle(), 0.0f);
    QCOMPARE(info.getIndex(), 0);
}

void TestPoints::equalizeAndClearList()
{
    Vector3D a(0, 3, 0), b(1, 5, 0);
    Vector3D::equalizeYMax(a, b);
    QCOMPARE(a.getY(), 5.0f);
    QCOMPARE(b.getY(), 5.0f);
    Vector3D c(0, 3, 0), d(1, 5, 0);
    Vector3D::equalizeYMin(c, d);
    QCOMPARE(c.getY(), 3.0f);
    QCOMPARE(d.getY(), 3.0f);

    std::vector<Vector3D*> list {new Vector3D(1, 2, 3), nullptr, new Vector3D(4, 5, 6)};
    list[0]->setNormal(Vector3D(0, 0, 1));
    Vector3D::clearList(list);
    QVERIFY(list.empty());

    const Vector3D cross = Vector3D::cross(Vector3D(1, 0, 0), Vector3D(0, 1, 0));
    QVERIFY(cross == Vector3D(0, 0, 1));
    Vector3D scaled = Vector3D::fromScaled(a, 2.0f);
    QCOMPARE(scaled.getY(), 10.0f);
}

void TestPoints::degreesUseTheProgramsPi()
{
    QCOMPARE(Mathematics::degToRad(180.0f), 3.14159f);
    QVERIFY(Mathematics::degToRad(180.0f) != static_cast<float>(M_PI));
    for (float deg : {-270.0f, -12.5f, 0.0f, 3.0f, 90.0f, 359.0f})
        QVERIFY(std::fabs(Mathematics::radToDeg(Mathematics::degToRad(deg)) - deg) < 1e-4f);
    float x = 0, y = 0;
    Mathematics::polarToXY(90.0f, 2.0f, x, y);
    QVERIFY(std::fabs(x) < 1e-5f);
    QVERIFY(std::fabs(y - 2.0f) < 1e-6f);
}

void TestPoints::matrixProductAppliesLeftFirst()
{
    float t[16], r[16], tr[16], rt[16];
    Mathematics::translationMatrix(t, 1, 0, 0);
    Mathematics::rotationMatrix(r, 0, 0, 1, static_cast<float>(M_PI / 2));
    Mathematics::multiplyMatrices(tr, t, r);
    Mathematics::multiplyMatrices(rt, r, t);

    Vertex p(1, 0, 0);
    p.transform(tr); // translate to (2, 0, 0), then turn to (0, 2, 0)
    QVERIFY(p.distance(Vertex(0, 2, 0)) < 1e-6f);
    Vertex q(1, 0, 0);
    q.transform(rt); // turn to (0, 1, 0), then translate to (1, 1, 0)
    QVERIFY(q.distance(Vertex(1, 1, 0)) < 1e-6f);

    // The output may be one of the inputs.
    Mathematics::multiplyMatrices(t, t, r);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(t[i], tr[i]);

    float v[4] = {1, 0, 0, 1}, out[4];
    Mathematics::multiplyVectorMatrix(out, v, tr);
    QVERIFY(std::fabs(out[0]) < 1e-6f && std::fabs(out[1] - 2.0f) < 1e-6f && out[3] == 1.0f);
}

void TestPoints::rotationMatrixTurnsCounterClockwise()
{
    float m[16];
    Mathematics::rotationMatrix(m, 0, 0, 1, static_cast<float>(M_PI / 2));
    Vertex p(1, 0, 0);
    p.transform(m);
    QVERIFY(p.distance(Vertex(0, 1, 0)) < 1e-6f);
    QCOMPARE(m[15], 1.0f);
    QCOMPARE(m[12], 0.0f);

    Mathematics::rotationMatrixX(m, static_cast<float>(M_PI / 2));
    Vertex y(0, 1, 0);
    y.transform(m);
    QVERIFY(y.distance(Vertex(0, 0, 1)) < 1e-6f);
    Mathematics::rotationMatrixY(m, static_cast<float>(M_PI / 2));
    Vertex z(0, 0, 1);
    z.transform(m);
    QVERIFY(z.distance(Vertex(1, 0, 0)) < 1e-6f);
}

void TestPoints::orthonormalizeKeepsExactRotation()
{
    float m[16], drifted[16];
    Mathematics::rotationMatrix(m, 0.6f, 0.0f, 0.8f, 0.7f);
    for (int i = 0; i < 16; ++i)
        drifted[i] = m[i];
    Mathematics::orthonormalizeMatrix(m);
    Mathematics::rotationMatrix(drifted, 0.6f, 0.0f, 0.8f, 0.7f);
    for (int i = 0; i < 16; ++i)
        QVERIFY2(std::fabs(m[i] - drifted[i]) < 1e-5f, qPrintable(QString::number(i)));

    // A stretched first row comes back to unit length, third row untouched.
    drifted[0] *= 1.1f;
    drifted[1] *= 1.1f;
    const float row2[3] = {drifted[8], drifted[9], drifted[10]};
    Mathematics::orthonormalizeMatrix(drifted);
    QVERIFY(std::fabs(Vector3D(drifted[0], drifted[1], drifted[2]).length() - 1.0f) < 1e-6f);
    QCOMPARE(drifted[8], row2[0]);
    QCOMPARE(drifted[10], row2[2]);
}

void TestPoints::segmentIntersectionReturnCodes_data()
{
    QTest::addColumn<QVector<float>>("coords");
    QTest::addColumn<int>("code");
    QTest::addColumn<float>("ex");
    QTest::addColumn<float>("ey");
    QTest::newRow("parallel") << QVector<float> {0, 0, 1, 0, 0, 1, 1, 1} << 0 << 0.f << 0.f;
    QTest::newRow("collinear") << QVector<float> {0, 0, 1, 0, 2, 0, 3, 0} << 1 << 0.f << 0.f;
    QTest::newRow("crossing") << QVector<float> {0, 0, 2, 2, 0, 2, 2, 0} << 2 << 1.f << 1.f;
    QTest::newRow("beyond the first segment") << QVector<float> {0, 0, 1, 1, 3, 0, 3, 5} << 3 << 0.f << 0.f;
    // Only the first segment's parameter is checked.
    QTest::newRow("beyond the second only") << QVector<float> {0, 0, 4, 0, 2, 1, 2, 5} << 2 << 2.f << 0.f;
}

void TestPoints::segmentIntersectionReturnCodes()
{
    QFETCH(QVector<float>, coords);
    QFETCH(int, code);
    QFETCH(float, ex);
    QFETCH(float, ey);
    float x = -1, y = -1;
    QCOMPARE(Mathematics::segmentIntersection2D(coords[0], coords[1], coords[2], coords[3], coords[4], coords[5],
                                                coords[6], coords[7], x, y),
             code);
    if (code == 2) {
        QCOMPARE(x, ex);
        QCOMPARE(y, ey);
    } else {
        QCOMPARE(x, -1.0f);
    }
}

void TestPoints::clipCoordinateHandlesOnlyY()
{
    Vertex a(0, 4, 0), b(0, 2, 0);
    QVERIFY(Mathematics::clipCoordinate(a, b, Mathematics::Y));
    QCOMPARE(a.getY(), 3.0f);
    QCOMPARE(b.getY(), 3.0f);
    QVERIFY(!Mathematics::clipCoordinate(a, b, Mathematics::Y));

    Vertex c(0, 0, 5), d(0, 0, 1);
    bool result = true;
    const auto captured =
        TestSupport::captureOutput([&] { result = Mathematics::clipCoordinate(c, d, Mathematics::Z); });
    QVERIFY(!result);
    QCOMPARE(QString::fromStdString(captured.out),
             QString("Implement this case in static bool Mathematics::clipCoordinate(Vertex&, Vertex&, const "
                     "Mathematics::Axis&)\n"));
    QCOMPARE(c.getZ(), 5.0f);
}

void TestPoints::smallNumericHelpers()
{
    QVERIFY(!Mathematics::fuzzyEqual(1.0, 1.0 + 0.5, 0.5));
    // The microseconds borrow a second when they run backwards.
    QCOMPARE(Mathematics::elapsedMicroseconds({10, 900000}, {12, 100000}), int64_t(1200000));
    // Degenerate input gives a zero vector, never NaN.
    QVERIFY(Mathematics::planeNormal(Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(2, 0, 0)) == Vertex(0, 0, 0));
    QVERIFY(Mathematics::perpendicular2D(Vertex(0, 0, 0)) == Vertex(0, 0, 0));
}

QTEST_MAIN(TestPoints)
#include "tst_points.moc"

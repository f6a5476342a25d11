#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"
#include "model/SegmentEndFaces.h"

#include <QtTest>
#include <cmath>

namespace {

// A part at chord station x, spanning y from top to bottom, at span z.
Rectangle3D part(float x, float top, float bottom, float z)
{
    return Rectangle3D(Vertex(x + 0.01f, top, z), Vertex(x, top, z), Vertex(x, bottom, z),
                       Vertex(x + 0.01f, bottom, z));
}

RibDefinition rib(float scaledThickness)
{
    RibDefinition r(0.0f, 0.0f);
    r.scaledThickness = scaledThickness;
    return r;
}

void compareCorner(const Rectangle3D& r, int i, float x, float y, float z)
{
    const Vertex& p = *r.getPoints()[static_cast<std::size_t>(i)];
    QVERIFY2(std::fabs(p.getX() - x) < 1e-6f && std::fabs(p.getY() - y) < 1e-6f && std::fabs(p.getZ() - z) < 1e-6f,
             qPrintable(QString("corner %1 is (%2, %3, %4), expected (%5, %6, %7)")
                            .arg(i).arg(p.getX()).arg(p.getY()).arg(p.getZ()).arg(x).arg(y).arg(z)));
}

bool isDefault(const Rectangle3D& r)
{
    const Rectangle3D unit;
    if (r.getPoints().size() != 4)
        return false;
    for (int i = 0; i < 4; ++i)
        if (*r.getPoints()[static_cast<std::size_t>(i)] != *unit.getPoints()[static_cast<std::size_t>(i)])
            return false;
    return true;
}

} // namespace

class TestDxfSegmentFaces : public QObject
{
    Q_OBJECT

private slots:
    void boxFacesSitOnRibFacesOfStraightSegment();
    void boxFacesFollowSweptSegment();
    void boxFacesOfSegmentWithoutLengthAreDefault_data();
    void boxFacesOfSegmentWithoutLengthAreDefault();
    void roundFaceFollowsRisingParts();
    void roundFaceMissingWhenNoGapOrNoLength_data();
    void roundFaceMissingWhenNoGapOrNoLength();
};

void TestDxfSegmentFaces::boxFacesSitOnRibFacesOfStraightSegment()
{
    const RibDefinition ribA = rib(0.01f);
    const RibDefinition ribB = rib(0.02f);
    Rectangle3D outA;
    Rectangle3D outB;
    calculateBoxSegmentEndFaces(part(0.2f, 0.05f, -0.05f, 0.0f), part(0.2f, 0.05f, -0.05f, 1.0f), ribA, ribB, true,
                                false, 0.0f, outA, outB);
    // A's face on the far side of rib A, B's face on the near side of rib B.
    compareCorner(outA, 0, 0.21f, 0.05f, 0.01f);
    compareCorner(outA, 3, 0.21f, -0.05f, 0.01f);
    compareCorner(outB, 0, 0.21f, 0.05f, 1.0f);
    compareCorner(outB, 2, 0.2f, -0.05f, 1.0f);
}

void TestDxfSegmentFaces::boxFacesFollowSweptSegment()
{
    const RibDefinition ribA = rib(0.01f);
    const RibDefinition ribB = rib(0.02f);
    Rectangle3D a(Vertex(0.0f, 0.1f, 0.0f), Vertex(-0.01f, 0.1f, 0.0f), Vertex(-0.01f, 0.0f, 0.0f),
                  Vertex(0.0f, 0.0f, 0.0f));
    Rectangle3D b(Vertex(0.3f, 0.1f, 0.4f), Vertex(0.29f, 0.1f, 0.4f), Vertex(0.29f, 0.0f, 0.4f),
                  Vertex(0.3f, 0.0f, 0.4f));
    Rectangle3D outA;
    Rectangle3D outB;
    // Length 0.5 along (0.6, 0.8): slope 0.75; offset 0.05 along the segment.
    calculateBoxSegmentEndFaces(a, b, ribA, ribB, true, false, 0.05f, outA, outB);
    compareCorner(outA, 0, 0.0375f, 0.1f, 0.05f);
    compareCorner(outA, 2, 0.0275f, 0.0f, 0.05f);
    compareCorner(outB, 0, 0.27f, 0.1f, 0.36f);
    compareCorner(outB, 3, 0.27f, 0.0f, 0.36f);
}


void TestDxfSegmentFaces::boxFacesOfSegmentWithoutLengthAreDefault_data()
{
    QTest::addColumn<float>("xB");
    QTest::addColumn<float>("zB");
    QTest::newRow("both ribs at one position") << 0.2f << 0.0f;
    QTest::newRow("parts side by side at one position") << 0.5f << 0.0f;
}

void TestDxfSegmentFaces::boxFacesOfSegmentWithoutLengthAreDefault()
{
    QFETCH(float, xB);
    QFETCH(float, zB);
    const RibDefinition ribA = rib(0.01f);
    const RibDefinition ribB = rib(0.01f);
    Rectangle3D outA(part(9, 9, 9, 9));
    Rectangle3D outB(part(9, 9, 9, 9));
    calculateBoxSegmentEndFaces(part(0.2f, 0.05f, -0.05f, 0.0f), part(xB, 0.05f, -0.05f, zB), ribA, ribB, true,
                                false, 0.02f, outA, outB);
    QVERIFY(isDefault(outA));
    QVERIFY(isDefault(outB));
}


void TestDxfSegmentFaces::roundFaceFollowsRisingParts()
{
    const RibDefinition ribA = rib(0.01f);
    const RibDefinition ribB = rib(0.01f);
    Rectangle3D a(Vertex(0.0f, 0.0f, 0.0f), Vertex(0.0f, 0.0f, 0.0f), Vertex(0.0f, -0.1f, 0.0f),
                  Vertex(0.0f, -0.1f, 0.0f));
    Rectangle3D b(Vertex(0.0f, 0.1f, 1.0f), Vertex(0.0f, 0.1f, 1.0f), Vertex(0.0f, 0.0f, 1.0f),
                  Vertex(0.0f, 0.0f, 1.0f));
    Rectangle3D face;
    QVERIFY(calculateRoundSegmentEndFaces(a, b, ribA, ribB, true, false, 0.02f, face));
    // The height changes by 0.1 over the run of 1; the offset 0.02 gives 0.002.
    compareCorner(face, 0, 0.0f, 0.098f, 0.98f);
    compareCorner(face, 1, 0.0f, 0.002f, 0.03f);
}

void TestDxfSegmentFaces::roundFaceMissingWhenNoGapOrNoLength_data()
{
    QTest::addColumn<float>("zB");
    QTest::addColumn<float>("thickness");
    QTest::addColumn<bool>("last");
    QTest::newRow("both ribs at one position") << 0.0f << 0.01f << false;
    QTest::newRow("one position on the last segment") << 0.0f << 0.01f << true;
    QTest::newRow("ribs thicker than their distance") << 0.02f << 0.05f << false;
}

void TestDxfSegmentFaces::roundFaceMissingWhenNoGapOrNoLength()
{
    QFETCH(float, zB);
    QFETCH(float, thickness);
    QFETCH(bool, last);
    const RibDefinition ribA = rib(thickness);
    const RibDefinition ribB = rib(thickness);
    Rectangle3D face(part(9, 9, 9, 9));
    QVERIFY(!calculateRoundSegmentEndFaces(part(0.2f, 0.05f, -0.05f, 0.0f), part(0.2f, 0.05f, -0.05f, zB), ribA,
                                           ribB, false, last, 0.02f, face));
    compareCorner(face, 1, 9.0f, 9.0f, 9.0f);
}

QTEST_MAIN(TestDxfSegmentFaces)
#include "tst_dxfsegmentfaces.moc"

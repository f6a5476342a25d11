#include <QtTest>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "foundation/GLUtils.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/RibCombData.h"
#include "model/RibDefinition.h"
#include "model/RibModifierComb.h"

namespace {

// A slab-shaped rib of chord 200 mm in wing-root-chord units (scale 200):
// upper surface flat at +0.05, lower at -0.05, so every height along the
// chord is known exactly.
const float kScale = 200.0f;
const int kHalf = 41;

RibDefinition slabRib(float position)
{
    std::vector<Vector3D*> points;
    for (int i = 0; i < kHalf; ++i) {
        auto* p = new Vector3D(1.0f - float(i) / (kHalf - 1), 0.05f, 0.0f);
        p->setNormal(Vector3D(0.0f, 1.0f, 0.0f));
        points.push_back(p);
    }
    for (int i = 0; i < kHalf; ++i) {
        auto* p = new Vector3D(float(i) / (kHalf - 1), -0.05f, 0.0f);
        p->setNormal(Vector3D(0.0f, -1.0f, 0.0f));
        points.push_back(p);
    }
    RibDefinition rib(position, 3.0f);
    rib.setChord(kScale);
    rib.setCoords(points, 0);
    Vector3D::clearList(points);
    return rib;
}

struct Box {
    float minX = FLT_MAX, maxX = -FLT_MAX, minY = FLT_MAX, maxY = -FLT_MAX;
};

Box boxOf(const IdentifiableObject& part)
{
    Box b;
    for (const Vertex* p : part.getPoints()) {
        b.minX = std::min(b.minX, p->getX());
        b.maxX = std::max(b.maxX, p->getX());
        b.minY = std::min(b.minY, p->getY());
        b.maxY = std::max(b.maxY, p->getY());
    }
    return b;
}

const IdentifiableObject* partOfKind(const RibDefinition& rib, int kind)
{
    for (const IdentifiableObject* part : rib.getCombParts()) {
        if (part->getType() == kind)
            return part;
    }
    return nullptr;
}

RibCombData comb(int type, float cutIntoRib, float gapFore, float gapAft)
{
    RibCombData c;
    c.setType(type);
    c.setPosition(0, 50.0f);
    c.setPercentageSelected(0, true);
    c.setWidth(2.0f);
    c.setExtend(10.0f);
    c.setExtendToBuildingTabs(false);
    c.setCutIntoRib(cutIntoRib);
    c.setCutoutGapFore(gapFore);
    c.setCutoutGapAft(gapAft);
    c.setSlitHeight(2.0f);
    return c;
}

void applyTo(RibDefinition& rib, const RibCombData& c)
{
    const RibDefinition first = slabRib(0.0f);
    const RibDefinition last = slabRib(100.0f);
    RibModifierComb().apply(rib, 1, c, kScale, first, last, 30.0f, -30.0f, kScale, false, false);
}

} // namespace

class TestCombModifier : public QObject
{
    Q_OBJECT
private slots:
    void cutsNotchAndRecordsThreeParts_data();
    void cutsNotchAndRecordsThreeParts();
    void uncutCombKeepsTheSurfacePoints();
    void combOutsideTheChordOrOnOneRibLeavesTheRibAlone();
    void zeroWidthCombGivesFiniteParts();
    void combEndingAtTheTipReachesItsLastPosition_data();
    void combEndingAtTheTipReachesItsLastPosition();
};

void TestCombModifier::cutsNotchAndRecordsThreeParts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<float>("cut");
    QTest::addColumn<float>("gap");
    QTest::addColumn<float>("bodyLow");
    QTest::addColumn<float>("bodyHigh");
    QTest::addColumn<float>("slitLow");
    QTest::addColumn<float>("slitHigh");
    QTest::addColumn<float>("restLow");
    QTest::addColumn<float>("restHigh");
    QTest::addColumn<float>("runY"); // the cut side inside the notch

    // Comb at 50 % of 200 mm, 2 mm wide: front edge at 99 mm (0.495).
    // Below: the comb hangs 10 mm (0.05) under the lower surface at -0.05.
    QTest::newRow("below, not cut") << 1 << 0.0f << 0.0f << -0.1f << -0.05f << -0.06f << -0.05f << -0.05f
                                    << 0.05f << -0.05f;
    QTest::newRow("below, half cut") << 1 << 50.0f << 0.0f << -0.1f << 0.0f << -0.06f << -0.05f << 0.0f << 0.05f
                                     << 0.0f;
    QTest::newRow("below with gaps") << 1 << 50.0f << 1.0f << -0.1f << 0.0f << -0.06f << -0.05f << 0.0f
                                     << 0.05f << 0.0f;
    // Above: it stands 10 mm over the upper surface at +0.05.
    QTest::newRow("above, not cut") << 0 << 0.0f << 0.0f << 0.05f << 0.1f << 0.05f << 0.06f << -0.05f << 0.05f
                                    << 0.05f;
    QTest::newRow("above, half cut") << 0 << 50.0f << 0.0f << 0.0f << 0.1f << 0.05f << 0.06f << -0.05f << 0.0f
                                     << 0.0f;
    QTest::newRow("above with gaps") << 0 << 50.0f << 1.5f << 0.0f << 0.1f << 0.05f << 0.06f << -0.05f << 0.0f
                                     << 0.0f;
}

void TestCombModifier::cutsNotchAndRecordsThreeParts()
{
    QFETCH(int, type);
    QFETCH(float, cut);
    QFETCH(float, gap);
    QFETCH(float, bodyLow);
    QFETCH(float, bodyHigh);
    QFETCH(float, slitLow);
    QFETCH(float, slitHigh);
    QFETCH(float, restLow);
    QFETCH(float, restHigh);
    QFETCH(float, runY);

    const RibCombData c = comb(type, cut, gap, gap);
    RibDefinition rib = slabRib(0.0f);
    applyTo(rib, c);

    QCOMPARE(int(rib.getCombParts().size()), 3);
    const IdentifiableObject* body = partOfKind(rib, 10);
    const IdentifiableObject* rest = partOfKind(rib, 11);
    const IdentifiableObject* slit = partOfKind(rib, 12);
    QVERIFY(body && rest && slit);
    QCOMPARE(body->getId(), c.getFirstPartId());
    QCOMPARE(rest->getId(), c.getSecondPartId());
    QCOMPARE(slit->getId(), c.getThirdPartId());
    QCOMPARE(body->getColor(), GLUtils::colorCombPart1);
    QCOMPARE(rest->getColor(), type == 1 ? GLUtils::colorCombPart2 : GLUtils::colorCombPart1);

    const float eps = 1e-5f;
    const Box b = boxOf(*body);
    QVERIFY(std::abs(b.minY - bodyLow) < eps);
    QVERIFY(std::abs(b.maxY - bodyHigh) < eps);
    const Box s = boxOf(*slit);
    QVERIFY(std::abs(s.minY - slitLow) < eps);
    QVERIFY(std::abs(s.maxY - slitHigh) < eps);
    const Box r = boxOf(*rest);
    QVERIFY(std::abs(r.minY - restLow) < eps);
    QVERIFY(std::abs(r.maxY - restHigh) < eps);

    // The parts show the nominal width; the notch includes the gaps.
    for (const IdentifiableObject* part : {body, rest, slit}) {
        const Box p = boxOf(*part);
        QVERIFY(std::abs(p.minX - 0.495f) < eps);
        QVERIFY(std::abs(p.maxX - 0.505f) < eps);
    }
    const auto& outline = rib.getRibCoords();
    const int n = int(outline.size());
    QCOMPARE(n, 2 * kHalf + 8);
    if (cut == 0.0f)
        return;
    // The cut side runs flat at the cut line exactly across the notch, which
    // the gaps widen: its ends sit at the gap-widened stations.
    const float notchFront = 0.495f - gap / kScale;
    const float notchRear = 0.505f + gap / kScale;
    bool front = false;
    bool rear = false;
    for (int i = 0; i < n; ++i) {
        const bool cutSide = type == 0 ? i < n / 2 : i >= n / 2;
        const Vector3D* p = outline[i];
        if (!cutSide || std::abs(p->getY() - runY) > eps)
            continue;
        QVERIFY(p->getX() > notchFront - eps && p->getX() < notchRear + eps);
        front = front || std::abs(p->getX() - notchFront) < eps;
        rear = rear || std::abs(p->getX() - notchRear) < eps;
    }
    QVERIFY(front && rear);
}

void TestCombModifier::uncutCombKeepsTheSurfacePoints()
{
    for (int type : {0, 1}) {
        RibDefinition rib = slabRib(0.0f);
        applyTo(rib, comb(type, 0.0f, 0.5f, 0.5f));
        const auto& outline = rib.getRibCoords();
        QCOMPARE(int(outline.size()), 2 * kHalf + 8);
        const int n = int(outline.size());
        for (int i = 0; i < n; ++i) {
            const float expected = i < n / 2 ? 0.05f : -0.05f;
            QCOMPARE(outline[i]->getY(), expected);
        }
    }
}

void TestCombModifier::combOutsideTheChordOrOnOneRibLeavesTheRibAlone()
{
    RibCombData c = comb(1, 50.0f, 0.0f, 0.0f);
    c.setPosition(0, 140.0f);
    RibDefinition rib = slabRib(0.0f);
    applyTo(rib, c);
    QVERIFY(rib.getCombParts().empty());
    QCOMPARE(int(rib.getRibCoords().size()), 2 * kHalf);

    RibDefinition same = slabRib(0.0f);
    const RibDefinition first = slabRib(50.0f);
    RibModifierComb().apply(same, 1, comb(1, 50.0f, 0.0f, 0.0f), kScale, first, first, 30.0f, -30.0f, kScale, false,
                            false);
    QVERIFY(same.getCombParts().empty());
    QCOMPARE(int(same.getRibCoords().size()), 2 * kHalf);
}

void TestCombModifier::zeroWidthCombGivesFiniteParts()
{
    RibCombData c = comb(1, 50.0f, 0.0f, 0.0f);
    c.setWidth(0.0f);
    RibDefinition rib = slabRib(0.0f);
    applyTo(rib, c);
    QCOMPARE(int(rib.getCombParts().size()), 3);
    for (const IdentifiableObject* part : rib.getCombParts()) {
        for (const Vertex* p : part->getPoints())
            QVERIFY(std::isfinite(p->getX()) && std::isfinite(p->getY()));
    }
}

void TestCombModifier::combEndingAtTheTipReachesItsLastPosition_data()
{
    QTest::addColumn<float>("ribPosition");
    QTest::addColumn<bool>("lastOfPanel");
    QTest::addColumn<float>("frontMm");
    // From 50 % at the root rib to 60 % at the tip rib (3 mm thick, at 100
    // mm): the comb reaches 60 % at the tip rib's far face, where the panel
    // ends, and runs straight to it.
    QTest::newRow("root rib") << 0.0f << false << 99.0f;
    QTest::newRow("between") << 50.0f << false << 99.0f + 20.0f * 50.0f / 103.0f;
    QTest::newRow("tip rib") << 100.0f << true << 119.0f;
}

void TestCombModifier::combEndingAtTheTipReachesItsLastPosition()
{
    QFETCH(float, ribPosition);
    QFETCH(bool, lastOfPanel);
    QFETCH(float, frontMm);
    RibCombData c = comb(1, 0.0f, 0.0f, 0.0f);
    c.setSeparateLastPosition(true);
    c.setPosition(1, 60.0f);
    c.setPercentageSelected(1, true);
    const RibDefinition first = slabRib(0.0f);
    const RibDefinition last = slabRib(100.0f);
    RibDefinition rib = slabRib(ribPosition);
    RibModifierComb().apply(rib, 1, c, kScale, first, last, 30.0f, -30.0f, kScale, lastOfPanel, true);
    const IdentifiableObject* body = partOfKind(rib, 10);
    QVERIFY(body);
    QVERIFY2(std::abs(boxOf(*body).minX * kScale - frontMm) < 0.01f,
             qPrintable(QString::number(boxOf(*body).minX * kScale)));
}

QTEST_MAIN(TestCombModifier)
#include "tst_combs_modifier.moc"

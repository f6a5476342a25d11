#include <QtTest>

#include <cmath>
#include <memory>

#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"
#include "SyntheticRib.h"
#include "model/RibModifierCubeSpar.h"
#include "model/RibModifierCubeTube.h"
#include "model/RibModifierRoundSpar.h"
#include "model/RibModifierSparWebbing.h"
#include "model/RibModifierSquareSpar.h"
#include "model/RibModifierTubeSpar.h"
#include "model/SlotDepth.h"
#include "model/SparDefinition.h"

namespace {

using SyntheticRib::wingRootChord;
using SyntheticRib::outlinePoints;

// The reference copies the pipeline hands to a spar modifier.
RibDefinition referenceCopy(const RibDefinition& rib)
{
    RibDefinition copy(rib);
    copy.setCoords(rib.getRibCoords(), 0);
    copy.setCoords(rib.getCamberLineCoords(), 3);
    return copy;
}

void applyTo(RibModifierSparBase& modifier, RibDefinition& rib, int number,
             const SparDefinition& spar, const RibDefinition& first, const RibDefinition& last,
             float joinerOffsetY = 0.0f)
{
    const RibDefinition thisRib(rib);
    modifier.apply(rib, number, spar, first.getChord(), first, last, thisRib, joinerOffsetY,
                   wingRootChord, false, 0.0f, false);
}

float midY(const IdentifiableObject* shape)
{
    Vertex centre;
    shape->getCentroid(centre);
    return centre.getY();
}

// Whether two segments of the outline cross, away from their ends.
bool crossesItself(const std::vector<Vector3D*>& p)
{
    const auto side = [](const Vector3D* a, const Vector3D* b, const Vector3D* c) {
        const double s = (double(b->getX()) - a->getX()) * (double(c->getY()) - a->getY())
                         - (double(b->getY()) - a->getY()) * (double(c->getX()) - a->getX());
        return s > 1e-12 ? 1 : (s < -1e-12 ? -1 : 0);
    };
    for (size_t i = 0; i + 1 < p.size(); ++i)
        for (size_t j = i + 2; j + 1 < p.size(); ++j)
            if (side(p[i], p[i + 1], p[j]) * side(p[i], p[i + 1], p[j + 1]) < 0
                && side(p[j], p[j + 1], p[i]) * side(p[j], p[j + 1], p[i + 1]) < 0)
                return true;
    return false;
}

float camberAt(const RibDefinition& rib, float d)
{
    float upper, lower;
    SyntheticRib::heightsAt(rib, d, upper, lower);
    return (upper + lower) * 0.5f;
}

} // namespace

class TestSparModifiers : public QObject
{
    Q_OBJECT
private slots:
    void squareSparNotchesTheChosenSides_data();
    void squareSparNotchesTheChosenSides();
    void verticalCutGivesFlatSlotFloor();
    void autoAdjustedSlotFollowsTheRibChord();
    void squareWebbingStandsBetweenTheSlots_data();
    void squareWebbingStandsBetweenTheSlots();
    void roundSparSitsOnTheCamberLineRaisedByItsOffset();
    void oneRibSparsUseTheirFirstValues();
    void extremeDocumentValuesStayFinite();
    void webbingSparNeedsTwoRibs();
    void joinerHolesKeepOneHeight_data();
    void joinerHolesKeepOneHeight();
    void joinerHeightBelongsToItsModifier();
    void slotDepthShareIsThePlainHalving_data();
    void slotDepthShareIsThePlainHalving();
};

void TestSparModifiers::squareSparNotchesTheChosenSides_data()
{
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("bottom");
    QTest::addColumn<float>("adjustFront");
    QTest::addColumn<float>("adjustBehind");
    QTest::addColumn<float>("height"); // the rib is 23.8 mm thick at the spar
    QTest::newRow("both") << true << true << 0.0f << 0.0f << 2.0f;
    QTest::newRow("top only") << true << false << 0.0f << 0.0f << 2.0f;
    QTest::newRow("neither") << false << false << 0.0f << 0.0f << 2.0f;
    QTest::newRow("widened slots") << true << true << 1.0f << 0.5f << 2.0f;
    // A spar deeper than the rib is thick: the slots stop at a web of 0.5 mm.
    QTest::newRow("slots meeting") << true << true << 0.0f << 0.0f << 15.0f;
    QTest::newRow("top slot through the rib") << true << false << 0.0f << 0.0f << 30.0f;
}

void TestSparModifiers::squareSparNotchesTheChosenSides()
{
    QFETCH(bool, top);
    QFETCH(bool, bottom);
    QFETCH(float, adjustFront);
    QFETCH(float, adjustBehind);
    QFETCH(float, height);
    RibDefinition rib = SyntheticRib::make(0.0f, 200.0f);
    const RibDefinition untouched = SyntheticRib::make(0.0f, 200.0f);
    const RibDefinition first = referenceCopy(rib);
    SparDefinition spar("s", SparType::Square, 1, 2, 25.0f, 25.0f, true, false);
    spar.setSquareSparHeight(height);
    spar.setSquareSparTop(top);
    spar.setSquareSparBottom(bottom);
    spar.setSquareSparWidthAdjustFront(adjustFront);
    spar.setSquareSparWidthAdjustBehind(adjustBehind);
    RibModifierSquareSpar modifier;
    applyTo(modifier, rib, 1, spar, first, first);

    // Two cut points at each station and a copy of each, slots or not.
    QCOMPARE(rib.getRibCoords().size(), std::size_t(outlinePoints + 8));
    const std::vector<IdentifiableObject*>& parts = rib.getSquareSparParts();
    QCOMPARE(int(parts.size()), int(top) + int(bottom));
    for (const IdentifiableObject* part : parts) {
        QCOMPARE(part->getType(), 2);
        // The part is the spar itself, 4.5 mm wide from 47.75 mm, however
        // much wider its slot was cut.
        const std::vector<Vertex*>& corners = part->getPoints();
        const std::vector<Vertex*>& outer = part == parts.front() && top
                                                ? corners
                                                : std::vector<Vertex*>{corners[3], corners[2]};
        QVERIFY(std::fabs(outer[1]->getX() * wingRootChord - 47.75f) < 0.02f);
        QVERIFY(std::fabs(outer[0]->getX() * wingRootChord - 52.25f) < 0.02f);
    }
    if (top)
        QCOMPARE(parts.front()->getId(), spar.getSquareSparId(0));
    // A slot's floor corners face back into the rib, its surface corners out.
    for (const IdentifiableObject* part : parts) {
        const std::vector<Vertex*>& c = part->getPoints();
        const bool isTop = part == parts.front() && top;
        const float outward = isTop ? 1.0f : -1.0f;
        const std::vector<int> surface = isTop ? std::vector<int>{0, 1} : std::vector<int>{2, 3};
        const std::vector<int> floor = isTop ? std::vector<int>{2, 3} : std::vector<int>{0, 1};
        for (int i : surface)
            QVERIFY(c[size_t(i)]->getNormal() && c[size_t(i)]->getNormal()->getY() * outward > 0.5f);
        for (int i : floor)
            QVERIFY(c[size_t(i)]->getNormal() && c[size_t(i)]->getNormal()->getY() * outward < -0.5f);
    }

    // The spar keeps its full height, even where its slots must not.
    for (const IdentifiableObject* part : parts) {
        const std::vector<Vertex*>& c = part->getPoints();
        const float depth = std::hypot(c[0]->getX() - c[3]->getX(), c[0]->getY() - c[3]->getY());
        QVERIFY2(std::fabs(depth * wingRootChord - height) < 0.05f, qPrintable(QString::number(depth * wingRootChord)));
    }
    QVERIFY(!crossesItself(rib.getRibCoords()));
    if (height > 2.0f) {
        // One piece: a web of 0.5 mm all across the slot, no more at its narrowest.
        float narrowest = 1e9f;
        for (float d = 47.8f; d < 52.25f; d += 0.1f) {
            float upper, lower;
            SyntheticRib::heightsAt(rib, d, upper, lower);
            narrowest = std::min(narrowest, (upper - lower) * wingRootChord);
        }
        QVERIFY2(narrowest > 0.495f && narrowest < 0.52f, qPrintable(QString::number(narrowest)));
        return;
    }

    // 2 mm deep where cut (measured square to a gently sloping surface),
    // untouched elsewhere.
    for (float d : {46.0f, 50.0f, 53.0f}) {
        float u1, l1, u2, l2;
        SyntheticRib::heightsAt(rib, d, u1, l1);
        SyntheticRib::heightsAt(untouched, d, u2, l2);
        const bool inSlot = d == 50.0f;
        QVERIFY(std::fabs((u2 - u1) * wingRootChord - (inSlot && top ? 2.0f : 0.0f)) < 0.05f);
        QVERIFY(std::fabs((l1 - l2) * wingRootChord - (inSlot && bottom ? 2.0f : 0.0f)) < 0.05f);
    }
}

void TestSparModifiers::verticalCutGivesFlatSlotFloor()
{
    RibDefinition rib = SyntheticRib::make(0.0f, 200.0f);
    const RibDefinition untouched = SyntheticRib::make(0.0f, 200.0f);
    const RibDefinition first = referenceCopy(rib);
    // Far back the surfaces slope, so a cut along the normals would not be flat.
    SparDefinition spar("s", SparType::Square, 1, 2, 70.0f, 70.0f, true, false);
    spar.setSquareSparWidth(20.0f);
    spar.setSquareSparVerticalCut(true);
    RibModifierSquareSpar modifier;
    applyTo(modifier, rib, 1, spar, first, first);

    float frontUpper = 0, frontLower = 0, rearUpper = 0, rearLower = 0;
    untouched.getHeightsAtChordPosition(130.0f, 0.0f, 1.0f, frontUpper, frontLower);
    untouched.getHeightsAtChordPosition(150.0f, 0.0f, 1.0f, rearUpper, rearLower);
    const float topFloor = std::max(frontUpper, rearUpper) - 2.0f / wingRootChord;
    const float bottomFloor = std::min(frontLower, rearLower) + 2.0f / wingRootChord;
    for (float d : {130.5f, 135.0f, 140.0f, 149.5f}) {
        float upper = 0, lower = 0;
        QVERIFY(rib.getHeightsAtChordPosition(d, 0.0f, 1.0f, upper, lower));
        QVERIFY(std::fabs(upper - topFloor) < 1e-6f);
        QVERIFY(std::fabs(lower - bottomFloor) < 1e-6f);
    }
}

void TestSparModifiers::autoAdjustedSlotFollowsTheRibChord()
{
    // A 4.5 mm spar that thins with the chord: half as wide in a rib of half
    // the first rib's chord.
    RibDefinition rib = SyntheticRib::make(0.0f, 100.0f);
    const RibDefinition first = referenceCopy(SyntheticRib::make(0.0f, 200.0f));
    SparDefinition spar("s", SparType::Square, 1, 2, 25.0f, 25.0f, true, false);
    spar.setSquareSparAutoAdjustWidth(1.0f);
    RibModifierSquareSpar modifier;
    const RibDefinition thisRib(rib);
    modifier.apply(rib, 1, spar, first.getChord(), first, first, thisRib, 0.0f, wingRootChord, false, 0.0f,
                   false);

    const std::vector<IdentifiableObject*>& parts = rib.getSquareSparParts();
    QCOMPARE(int(parts.size()), 2);
    const std::vector<Vertex*>& top = parts.front()->getPoints();
    QVERIFY(std::fabs(top[1]->getX() * wingRootChord - 47.75f) < 0.02f);
    QVERIFY(std::fabs(top[0]->getX() * wingRootChord - 50.0f) < 0.02f);
}

void TestSparModifiers::squareWebbingStandsBetweenTheSlots_data()
{
    QTest::addColumn<int>("webbingType");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<int>("webs");
    QTest::addColumn<float>("frontX");
    QTest::newRow("middle") << 1 << false << 1 << 49.0f;
    QTest::newRow("before outside") << 2 << false << 1 << 45.75f;
    QTest::newRow("after inside") << 3 << true << 1 << 50.25f;
    QTest::newRow("box") << 4 << false << 2 << 45.75f;
}

void TestSparModifiers::squareWebbingStandsBetweenTheSlots()
{
    QFETCH(int, webbingType);
    QFETCH(bool, inside);
    QFETCH(int, webs);
    QFETCH(float, frontX);
    RibDefinition rib = SyntheticRib::make(0.0f, 200.0f);
    const RibDefinition first = referenceCopy(rib);
    SparDefinition spar("s", SparType::Square, 1, 2, 25.0f, 25.0f, true, false);
    spar.setSquareWebbingType(static_cast<SquareWebbingType>(webbingType));
    spar.setSquareSparWebbingInside(inside);
    spar.setSquareWebbingFrom(1);
    RibModifierSquareSpar modifier;
    applyTo(modifier, rib, 1, spar, first, first);

    const std::vector<IdentifiableObject*>& parts = rib.getSquareSparParts();
    QCOMPARE(int(parts.size()), 2 + webs);
    for (int i = 0; i < webs; ++i) {
        QCOMPARE(parts[2 + i]->getType(), 3);
        QCOMPARE(parts[2 + i]->getId(), spar.getSquareWebbingId(i));
    }
    const std::vector<Vertex*>& web = parts[2]->getPoints();
    QVERIFY(std::fabs(web[1]->getX() * wingRootChord - frontX) < 0.01f);

    // The web reaches to the faces of the slots it stands against (within
    // 0.02 mm; unclamped it would stand 2 mm proud).
    const std::vector<Vertex*>& top = parts[0]->getPoints();
    const std::vector<Vertex*>& bottom = parts[1]->getPoints();
    float upper = 0.0f;
    float lower = 0.0f;
    switch (webbingType) {
    case 1:
        upper = (top[2]->getY() + top[3]->getY()) * 0.5f;
        lower = (bottom[0]->getY() + bottom[1]->getY()) * 0.5f;
        break;
    case 3:
        upper = top[3]->getY();
        lower = bottom[0]->getY();
        break;
    default:
        upper = top[1]->getY();
        lower = bottom[2]->getY();
        break;
    }
    QVERIFY(std::fabs(web[0]->getY() - upper) < 1e-4f);
    QVERIFY(std::fabs(web[1]->getY() - upper) < 1e-4f);
    QVERIFY(std::fabs(web[2]->getY() - lower) < 1e-4f);
    QVERIFY(std::fabs(web[3]->getY() - lower) < 1e-4f);

    // Webbing stops at the rib named by squareWebbingTo.
    RibDefinition later = SyntheticRib::make(0.0f, 200.0f);
    spar.setSquareWebbingTo(1);
    applyTo(modifier, later, 2, spar, first, first);
    QCOMPARE(int(later.getSquareSparParts().size()), 2);
}

void TestSparModifiers::roundSparSitsOnTheCamberLineRaisedByItsOffset()
{
    const RibDefinition first = referenceCopy(SyntheticRib::make(0.0f, 200.0f));
    const RibDefinition last = referenceCopy(SyntheticRib::make(200.0f, 200.0f));
    RibDefinition middle = SyntheticRib::make(100.0f, 200.0f);
    SparDefinition spar("s", SparType::Round, 1, 3, 30.0f, 30.0f, true, false);
    spar.setSparOffsetYStart(2.0f);
    spar.setSparOffsetYEnd(4.0f);
    const float camber = camberAt(middle, 60.0f);
    RibModifierRoundSpar modifier;
    applyTo(modifier, middle, 2, spar, first, last);

    QCOMPARE(int(middle.getRoundSparParts().size()), 1);
    const IdentifiableObject* hole = middle.getRoundSparParts().front();
    QCOMPARE(hole->getType(), 5);
    QCOMPARE(hole->getId(), spar.getRoundSparId());
    QCOMPARE(int(hole->getPoints().size()), 24);
    Vertex centre;
    hole->getCentroid(centre);
    QVERIFY(std::fabs(centre.getX() * wingRootChord - 60.0f) < 0.01f);
    QVERIFY(std::fabs((centre.getY() - camber) * wingRootChord - 3.0f) < 0.01f);
}

void TestSparModifiers::oneRibSparsUseTheirFirstValues()
{
    const RibDefinition only = referenceCopy(SyntheticRib::make(0.0f, 200.0f));
    SparDefinition round("r", SparType::Round, 1, 1, 30.0f, 80.0f, true, true);
    round.setSparOffsetYStart(2.0f);
    round.setSparOffsetYEnd(6.0f);
    SparDefinition cube("c", SparType::Cube, 1, 1, 30.0f, 80.0f, true, true);
    cube.setSparOffsetYStart(2.0f);
    cube.setSparOffsetYEnd(6.0f);
    SparDefinition square("q", SparType::Square, 1, 1, 30.0f, 80.0f, true, true);

    RibDefinition rib = SyntheticRib::make(0.0f, 200.0f);
    const float camber = camberAt(rib, 60.0f);
    RibModifierRoundSpar roundModifier;
    RibModifierCubeSpar cubeModifier;
    RibModifierSquareSpar squareModifier;
    // As the last rib of the panel the rib's thickness would make up a span.
    const RibDefinition thisRib(rib);
    for (bool lastOfPanel : {false, true}) {
        RibDefinition target = SyntheticRib::make(0.0f, 200.0f);
        roundModifier.apply(target, 1, round, 200.0f, only, only, thisRib, 0.0f, wingRootChord,
                            lastOfPanel, 0.0f, lastOfPanel);
        cubeModifier.apply(target, 1, cube, 200.0f, only, only, thisRib, 0.0f, wingRootChord,
                           lastOfPanel, 0.0f, lastOfPanel);
        squareModifier.apply(target, 1, square, 200.0f, only, only, thisRib, 0.0f,
                             wingRootChord, lastOfPanel, 0.0f, lastOfPanel);
        QCOMPARE(int(target.getRoundSparParts().size()), 1);
        QCOMPARE(int(target.getCubeSparParts().size()), 1);
        QCOMPARE(int(target.getSquareSparParts().size()), 2);
        for (const IdentifiableObject* hole :
             {target.getRoundSparParts().front(), target.getCubeSparParts().front()}) {
            Vertex centre;
            hole->getCentroid(centre);
            QVERIFY(std::isfinite(centre.getY()));
            QVERIFY(std::fabs(centre.getX() * wingRootChord - 60.0f) < 0.01f);
            QVERIFY(std::fabs((centre.getY() - camber) * wingRootChord - 2.0f) < 0.01f);
        }
        const Vertex* slotFront = target.getSquareSparParts().front()->getPoints()[1];
        QVERIFY(std::fabs(slotFront->getX() * wingRootChord - 57.75f) < 0.01f);
    }
}

void TestSparModifiers::extremeDocumentValuesStayFinite()
{
    // Offsets and a rotation at the ends of the float range, as a foreign
    // document may hold them: their difference, or the angle in radians,
    // does not fit a float, yet the holes must not turn into NaN or infinity
    // on their way to drawings and files.
    const RibDefinition first = referenceCopy(SyntheticRib::make(0.0f, 200.0f));
    const RibDefinition last = referenceCopy(SyntheticRib::make(200.0f, 200.0f));
    for (SparType type : {SparType::Round, SparType::Cube}) {
        SparDefinition spar("s", type, 1, 3, 30.0f, 30.0f, true, false);
        spar.setSparOffsetYStart(-3.0e38f);
        spar.setSparOffsetYEnd(3.0e38f);
        spar.setCubeSparRotation(3.0e38f);
        for (float position : {0.0f, 100.0f, 200.0f}) {
            RibDefinition rib = SyntheticRib::make(position, 200.0f);
            std::unique_ptr<RibModifierSparBase> modifier;
            if (type == SparType::Round)
                modifier = std::make_unique<RibModifierRoundSpar>();
            else
                modifier = std::make_unique<RibModifierCubeSpar>();
            applyTo(*modifier, rib, 1, spar, first, last);
            const auto& holes = type == SparType::Round ? rib.getRoundSparParts() : rib.getCubeSparParts();
            QCOMPARE(int(holes.size()), 1);
            for (const Vertex* p : holes.front()->getPoints())
                QVERIFY2(std::isfinite(p->getX()) && std::isfinite(p->getY()), qPrintable(QString::number(position)));
        }
    }
}

void TestSparModifiers::webbingSparNeedsTwoRibs()
{
    const RibDefinition first = referenceCopy(SyntheticRib::make(0.0f, 200.0f));
    const RibDefinition last = referenceCopy(SyntheticRib::make(200.0f, 200.0f));
    SparDefinition spar("w", SparType::Webbing, 1, 2, 25.0f, 25.0f, true, false);
    RibModifierSparWebbing modifier;

    RibDefinition single = SyntheticRib::make(0.0f, 200.0f);
    applyTo(modifier, single, 1, spar, first, first);
    QVERIFY(single.getSparWebbingParts().empty());
    QCOMPARE(single.getRibCoords().size(), std::size_t(outlinePoints));

    RibDefinition rib = SyntheticRib::make(0.0f, 200.0f);
    applyTo(modifier, rib, 1, spar, first, last);
    QCOMPARE(int(rib.getSparWebbingParts().size()), 1);
    const IdentifiableObject* web = rib.getSparWebbingParts().front();
    QCOMPARE(web->getType(), 4);
    QCOMPARE(web->getId(), spar.getWebbingId());
    QVERIFY(std::fabs(web->getPoints()[1]->getX() * wingRootChord - 49.0f) < 0.01f);
    QVERIFY(std::fabs(web->getPoints()[0]->getX() * wingRootChord - 51.0f) < 0.01f);
}

void TestSparModifiers::joinerHolesKeepOneHeight_data()
{
    QTest::addColumn<int>("firstRib");
    QTest::addColumn<float>("heightAtMm"); // where on its reference rib the height is found
    // From the root the height is that of the root rib at the joiner.
    QTest::newRow("from the root") << 1 << 60.0f;
    // Elsewhere the joiner is placed by its last rib (30 % of 140 mm), and
    // the height is found there too.
    QTest::newRow("away from the root") << 2 << 42.0f;
}

void TestSparModifiers::joinerHolesKeepOneHeight()
{
    QFETCH(int, firstRib);
    QFETCH(float, heightAtMm);
    // Moved in, not copied: a copied rib carries no geometry.
    std::vector<RibDefinition> ribs;
    ribs.reserve(3);
    ribs.push_back(SyntheticRib::make(0.0f, 200.0f));
    ribs.push_back(SyntheticRib::make(100.0f, 170.0f, 0.1f));
    ribs.push_back(SyntheticRib::make(200.0f, 140.0f, 0.2f));
    const RibDefinition first = referenceCopy(ribs[firstRib - 1]);
    const RibDefinition last = referenceCopy(ribs[2]);
    SparDefinition tube("t", SparType::Tube, firstRib, 3, 30.0f, 30.0f, true, false);
    SparDefinition box("b", SparType::CubeTube, firstRib, 3, 30.0f, 30.0f, true, false);
    RibModifierTubeSpar tubeModifier;
    RibModifierCubeTube boxModifier;
    for (int k = firstRib - 1; k < 3; ++k) {
        applyTo(tubeModifier, ribs[k], k + 1, tube, first, last);
        applyTo(boxModifier, ribs[k], k + 1, box, first, last);
    }
    const RibDefinition& reference = firstRib == 1 ? ribs[0] : ribs[2];
    const RibDefinition fresh = SyntheticRib::make(reference.position, reference.getChord(), reference.getOffsetX());
    const float height = midY(ribs[firstRib - 1].getTubeSparParts().front());
    QVERIFY(std::fabs(height - camberAt(fresh, heightAtMm)) < 1e-5f);
    for (int k = firstRib - 1; k < 3; ++k) {
        const RibDefinition& rib = ribs[k];
        QCOMPARE(int(rib.getTubeSparParts().size()), 1);
        QCOMPARE(int(rib.getCubeTubeParts().size()), 1);
        QVERIFY(std::fabs(midY(rib.getTubeSparParts().front()) - height) < 1e-6f);
        QVERIFY(std::fabs(midY(rib.getCubeTubeParts().front()) - height) < 1e-6f);
    }
    // A joiner runs straight: it keeps its x in the wing while the leading
    // edges move back.
    Vertex atFirst;
    Vertex atTip;
    ribs[firstRib - 1].getTubeSparParts().front()->getCentroid(atFirst);
    ribs[2].getTubeSparParts().front()->getCentroid(atTip);
    QVERIFY(std::fabs(atFirst.getX() - atTip.getX()) < 1e-5f);
}

void TestSparModifiers::joinerHeightBelongsToItsModifier()
{
    const RibDefinition first = referenceCopy(SyntheticRib::make(0.0f, 200.0f));
    const RibDefinition last = referenceCopy(SyntheticRib::make(200.0f, 200.0f));
    SparDefinition tube("t", SparType::Tube, 1, 3, 30.0f, 30.0f, true, false);
    const float raise = 0.05f;

    RibModifierTubeSpar earlier;
    RibDefinition root = SyntheticRib::make(0.0f, 200.0f);
    applyTo(earlier, root, 1, tube, first, last);
    QVERIFY(std::fabs(midY(root.getTubeSparParts().front())) > 1e-3f);

    // A new pass that never reached the joiner's first rib has found no
    // height yet; it must not reuse the one of the pass before.
    RibModifierTubeSpar later;
    RibDefinition middle = SyntheticRib::make(100.0f, 200.0f);
    applyTo(later, middle, 2, tube, first, last, raise);
    QVERIFY(std::fabs(midY(middle.getTubeSparParts().front()) - raise) < 1e-6f);
}

void TestSparModifiers::slotDepthShareIsThePlainHalving_data()
{
    QTest::addColumn<float>("wave");
    QTest::addColumn<float>("lean");
    QTest::addColumn<bool>("least");
    QTest::newRow("smooth") << 0.0f << 0.0f << false;
    QTest::newRow("wavy, leaning") << 0.004f << 0.3f << false;
    QTest::newRow("wavy, least depths") << 0.006f << -0.2f << true;
    QTest::newRow("steep waves") << 0.01f << 0.5f << true;
}

// The search leaves out points far from the thinnest place and answers
// without looking where no point moves: the share must stay the one a plain
// halving over every point finds, to the last bit.
void TestSparModifiers::slotDepthShareIsThePlainHalving()
{
    QFETCH(float, wave);
    QFETCH(float, lean);
    QFETCH(bool, least);
    std::vector<Vector3D> store;
    const int count = 24;
    for (int i = 0; i < count; ++i) {
        const float x = 0.3f - 0.1f * float(i) / float(count - 1);
        store.emplace_back(x, 0.04f + wave * std::sin(float(i) * 1.7f), 0.0f);
    }
    for (int i = 0; i < count; ++i) {
        const float x = 0.2f + 0.1f * float(i) / float(count - 1);
        store.emplace_back(x, -0.03f + wave * std::cos(float(i) * 2.3f), 0.0f);
    }
    std::vector<Vector3D*> outline;
    for (Vector3D& p : store)
        outline.push_back(&p);
    SlotDepth::Side top;
    top.cut = true;
    top.from = 0;
    top.to = count - 1;
    top.normal = Vector3D(lean, 1.0f, 0.0f);
    SlotDepth::Side bottom;
    bottom.cut = true;
    bottom.top = false;
    bottom.from = count;
    bottom.to = 2 * count - 1;
    bottom.normal = Vector3D(-lean, -1.0f, 0.0f);
    const float depth = 0.05f;
    const float web = 0.0125f;
    std::vector<float> topLeast;
    std::vector<float> bottomLeast;
    for (int i = 0; least && i < count; ++i) {
        topLeast.push_back(0.01f + 0.004f * float(i % 5));
        bottomLeast.push_back(0.012f + 0.003f * float(i % 3));
    }
    SlotDepth plain(outline, top, bottom, depth, web, topLeast, bottomLeast);
    float expected = 1.0f;
    if (!plain.fits(1.0f)) {
        float low = 0.0f;
        float high = 1.0f;
        for (int i = 0; i < 20; ++i) {
            const float mid = (low + high) * 0.5f;
            (plain.fits(mid) ? low : high) = mid;
        }
        expected = low;
    }
    QVERIFY(expected > 0.0f && expected < 1.0f);
    // To the bit: QCOMPARE of floats would let a step of the halving pass.
    const float share = SlotDepth::share(outline, top, bottom, depth, web, topLeast, bottomLeast);
    QVERIFY2(share == expected,
             qPrintable(QString::number(double(share), 'g', 9) + " != " + QString::number(double(expected), 'g', 9)));
}

QTEST_MAIN(TestSparModifiers)
#include "tst_sparmodifiers.moc"

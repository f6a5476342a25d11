#include <QtTest>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "airfoils/Airfoil.h"
#include "foundation/Mathematics.h"
#include "foundation/Vector3D.h"
#include "model/RibList.h"

namespace {

// Reads one of the shipped airfoil files (name line, then points) into a
// real Airfoil, as the library does.
std::unique_ptr<Airfoil> loadShippedAirfoil(const char* fileName)
{
    const QByteArray path = QByteArray(PLANFORMIX_SOURCE_DIR "/resources/foils_v2/") + fileName;
    FILE* stream = std::fopen(path.constData(), "r");
    if (!stream) {
        return nullptr;
    }
    char nameLine[256] = {};
    std::unique_ptr<Airfoil> airfoil;
    if (std::fgets(nameLine, sizeof nameLine, stream)) {
        const QString dash = QStringLiteral("---");
        bool ok = false;
        airfoil.reset(new Airfoil(QString::fromLatin1(nameLine).trimmed(), dash, dash, dash, dash,
                                  dash, dash, dash, dash, stream, &ok));
        if (!ok) {
            airfoil.reset();
        }
    }
    std::fclose(stream);
    return airfoil;
}

std::vector<float> positionsOf(const RibList& list)
{
    std::vector<float> positions;
    for (const RibDefinition& rib : list.getRibs()) {
        positions.push_back(rib.position);
    }
    return positions;
}

RibList ribsAt(std::initializer_list<float> positions, float thickness = 3.0f)
{
    RibList list;
    for (float p : positions) {
        list.addRib(RibDefinition(p, thickness));
    }
    return list;
}

bool allFinite(const RibDefinition& rib)
{
    for (const Vector3D* p : rib.getRibCoords()) {
        if (!std::isfinite(p->getX()) || !std::isfinite(p->getY()) || !std::isfinite(p->getZ())) {
            return false;
        }
    }
    return std::isfinite(rib.getChord()) && std::isfinite(rib.getOffsetX());
}

} // namespace

class TestRibList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void generatesEvenlySpacedRibs_data();
    void generatesEvenlySpacedRibs();
    void findsRibsByNumberAndPosition_data();
    void findsRibsByNumberAndPosition();
    void copiesCarryNoGeometry();
    void copiesPositionsOnlyFromRealLists();
    void firstAndLastRibOfAnEmptyListThrow();

    void taperAndSweepPlaceEveryRib();
    void stationPairsSurviveBlendScaleAndPlacement();
    void singleRibIsTheTipRib();
    void alignmentMatchesTopsOrBottoms_data();
    void alignmentMatchesTopsOrBottoms();
    void zeroPanelLengthGivesNoSlopes();
    void ribsWithoutAirfoilStayEmpty();
    void twistTurnsEachRibAboutItsLeadingEdge();
    void finishingJoinsCrossedTrailingEdges();

private:
    void build(RibList& list, float sweep = 30.0f, bool top = false, bool bottom = false);

    std::unique_ptr<Airfoil> clarky;
    std::unique_ptr<Airfoil> naca;
};

void TestRibList::initTestCase()
{
    clarky = loadShippedAirfoil("clarky.dat");
    naca = loadShippedAirfoil("naca0012.dat");
    QVERIFY(clarky);
    QVERIFY(naca);
}

// Root 200 mm, tip 100 mm, 300 mm long, in a wing of 200 mm root chord.
void TestRibList::build(RibList& list, float sweep, bool top, bool bottom)
{
    list.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    list.setAirfoil(300.0f, TipAirfoil, naca.get(), 1.0f, 1.0f);
    list.applyBaseData(200.0f, 300.0f, 200.0f, 100.0f, sweep, top, bottom, 1.0f, 1.0f);
}

void TestRibList::generatesEvenlySpacedRibs_data()
{
    QTest::addColumn<float>("length");
    QTest::addColumn<int>("count");
    QTest::addColumn<float>("thickness");
    QTest::addColumn<std::vector<float>>("positions");
    QTest::newRow("four") << 300.0f << 4 << 3.0f << std::vector<float>{0.0f, 99.0f, 198.0f, 297.0f};
    QTest::newRow("two") << 300.0f << 2 << 3.0f << std::vector<float>{0.0f, 297.0f};
    QTest::newRow("one") << 300.0f << 1 << 3.0f << std::vector<float>{};
    QTest::newRow("none") << 300.0f << 0 << 3.0f << std::vector<float>{};
}

void TestRibList::generatesEvenlySpacedRibs()
{
    QFETCH(float, length);
    QFETCH(int, count);
    QFETCH(float, thickness);
    QFETCH(std::vector<float>, positions);
    RibList list;
    list.generateRibs(length, count, thickness);
    QCOMPARE(positionsOf(list), positions);
    for (const RibDefinition& rib : list.getRibs()) {
        QCOMPARE(rib.thickness, thickness);
    }
    // Generation appends; it does not start the list over.
    list.generateRibs(length, count, thickness);
    QCOMPARE(list.getRibCount(), 2 * int(positions.size()));
}

void TestRibList::findsRibsByNumberAndPosition_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("found");
    QTest::addColumn<float>("query");
    QTest::addColumn<int>("index");
    QTest::newRow("first") << 1 << true << 0.0f << 1;
    QTest::newRow("last") << 3 << true << 150.0f << 3;
    QTest::newRow("zero") << 0 << false << 500.0f << 3;
    QTest::newRow("past the end") << 4 << false << 100.0f << 2;
    QTest::newRow("negative") << -1 << false << -5.0f << 1;
}

void TestRibList::findsRibsByNumberAndPosition()
{
    QFETCH(int, number);
    QFETCH(bool, found);
    QFETCH(float, query);
    QFETCH(int, index);
    RibList list = ribsAt({0.0f, 100.0f, 200.0f});
    bool wasFound = !found;
    RibDefinition* rib = list.getRib(number, wasFound);
    QCOMPARE(wasFound, found);
    QCOMPARE(rib != nullptr, found);
    if (rib) {
        QCOMPARE(rib->position, 100.0f * (number - 1));
    }
    QCOMPARE(list.findRibIndex(query), index);

    const RibList empty;
    QVERIFY(!empty.getRib(1, wasFound));
    QVERIFY(!wasFound);
    QCOMPARE(empty.findRibIndex(query), 0);
}

void TestRibList::copiesCarryNoGeometry()
{
    RibList list = ribsAt({0.0f, 148.5f, 297.0f});
    build(list);
    QCOMPARE(int(list.getLastRib().getRibCoords().size()), 280);

    RibList copy(list);
    QCOMPARE(positionsOf(copy), positionsOf(list));
    QCOMPARE(copy.getLastRib().getChord(), 100.0f);
    for (const RibDefinition& rib : copy.getRibs()) {
        QVERIFY(rib.getRibCoords().empty());
        QVERIFY(rib.getCamberLineCoords().empty());
    }

    RibList assigned = ribsAt({5.0f});
    assigned = list;
    QCOMPARE(positionsOf(assigned), positionsOf(list));
    QVERIFY(assigned.getFirstRib().getRibCoords().empty());

    // Assigning a list to itself keeps its ribs and their geometry.
    RibList& alias = list;
    list = alias;
    list.assign(alias);
    QCOMPARE(list.getRibCount(), 3);
    QCOMPARE(int(list.getFirstRib().getRibCoords().size()), 280);

    // The copies are rebuilt by the same pipeline and match the original.
    build(copy);
    QCOMPARE(*copy.getLastRib().getRibCoords()[70], *list.getLastRib().getRibCoords()[70]);
}

void TestRibList::copiesPositionsOnlyFromRealLists()
{
    RibList target;
    target.copyPositionsFrom(ribsAt({10.0f}));
    QCOMPARE(target.getRibCount(), 0);

    RibList source = ribsAt({0.0f, 150.0f}, 2.0f);
    build(source);
    target.copyPositionsFrom(source);
    QCOMPARE(positionsOf(target), (std::vector<float>{0.0f, 150.0f}));
    QCOMPARE(target.getLastRib().thickness, 2.0f);
    QCOMPARE(target.getLastRib().getChord(), 0.0f);
    QVERIFY(target.getLastRib().getRibCoords().empty());

    target.copyPositionsFrom(target);
    QCOMPARE(positionsOf(target), (std::vector<float>{0.0f, 150.0f, 0.0f, 150.0f}));
}

void TestRibList::firstAndLastRibOfAnEmptyListThrow()
{
    RibList list;
    const RibList& constList = list;
    QVERIFY_EXCEPTION_THROWN(list.getFirstRib(), std::invalid_argument);
    QVERIFY_EXCEPTION_THROWN(list.getLastRib(), std::invalid_argument);
    QVERIFY_EXCEPTION_THROWN(constList.getLastRib(), std::invalid_argument);
    list.applyBaseData(200.0f, 300.0f, 200.0f, 100.0f, 30.0f, true, false, 1.0f, 1.0f);
    list.applyTwist(3.0f, 300.0f);
    list.finishRibs(200.0f);
    QCOMPARE(list.getRibCount(), 0);
}

void TestRibList::taperAndSweepPlaceEveryRib()
{
    RibList list = ribsAt({0.0f, 148.5f, 297.0f});
    build(list);
    const float chords[] = {200.0f, 150.5f, 100.0f};
    const float offsetX[] = {0.0f, 0.07425f, 0.15f};
    const float offsetZ[] = {0.0f, 0.7425f, 1.485f};
    int i = 0;
    for (const RibDefinition& rib : list.getRibs()) {
        QCOMPARE(rib.getChord(), chords[i]);
        QVERIFY(std::fabs(rib.getOffsetX() - offsetX[i]) < 1e-6f);
        QVERIFY(std::fabs(rib.getOffsetZ() - offsetZ[i]) < 1e-6f);
        QCOMPARE(rib.getOffsetY(), 0.0f);
        QCOMPARE(rib.scaledThickness, 3.0f / 200.0f);
        // Leading edge at the sweep offset, trailing edge one local chord behind.
        const auto& outline = rib.getRibCoords();
        QVERIFY(std::fabs(outline[140]->getX() - offsetX[i]) < 1e-6f);
        QVERIFY(std::fabs(outline[0]->getX() - (offsetX[i] + chords[i] / 200.0f)) < 1e-6f);
        QCOMPARE(outline[70]->getZ(), rib.getOffsetZ());
        QCOMPARE(int(rib.getCamberLineCoords().size()), 141);
        ++i;
    }
    // The tip rib is exactly the tip chord, not the linear law at 297 mm.
    QCOMPARE(list.getLastRib().getChord(), 100.0f);
    const RibDefinition& root = list.getFirstRib();
    QCOMPARE(root.getRibCoords()[30]->getY(), clarky->getPoint(30)->getY());
}

void TestRibList::stationPairsSurviveBlendScaleAndPlacement()
{
    RibList list;
    list.generateRibs(300.0f, 7, 3.0f);
    build(list, 45.0f, false, true);
    for (const RibDefinition& rib : list.getRibs()) {
        const auto& outline = rib.getRibCoords();
        const size_t n = outline.size();
        QCOMPARE(int(n), 280);
        for (size_t i = 0; i < n / 2; ++i) {
            QCOMPARE(outline[i]->getX(), outline[n - 1 - i]->getX());
            QCOMPARE(outline[i]->getZ(), outline[n - 1 - i]->getZ());
        }
    }
}

void TestRibList::singleRibIsTheTipRib()
{
    RibList list = ribsAt({100.0f}, 4.0f);
    build(list);
    const RibDefinition& rib = list.getFirstRib();
    QCOMPARE(rib.getChord(), 100.0f);
    QVERIFY(std::fabs(rib.getOffsetX() - 104.0f * 0.1f / 200.0f) < 1e-6f);
    RibDefinition::PointList before;
    rib.copyRibCoords(before);
    list.applyTwist(5.0f, 300.0f);
    for (size_t i = 0; i < before.size(); ++i) {
        QCOMPARE(*rib.getRibCoords()[i], *before[i]);
    }
    Vector3D::clearList(before);
}

void TestRibList::alignmentMatchesTopsOrBottoms_data()
{
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("bottom");
    QTest::newRow("top") << true << false;
    QTest::newRow("bottom") << false << true;
    QTest::newRow("both means top") << true << true;
    QTest::newRow("none") << false << false;
}

void TestRibList::alignmentMatchesTopsOrBottoms()
{
    QFETCH(bool, top);
    QFETCH(bool, bottom);
    RibList list = ribsAt({0.0f, 100.0f, 297.0f});
    build(list, 30.0f, top, bottom);
    const RibDefinition& first = list.getFirstRib();
    QCOMPARE(first.getAlignOffset(), 0.0f);
    for (const RibDefinition& rib : list.getRibs()) {
        QCOMPARE(rib.getOffsetY(), rib.getAlignOffset());
        if (top) {
            QVERIFY(std::fabs(rib.getMaxY() - first.getMaxY()) < 1e-6f);
        } else if (bottom) {
            QVERIFY(std::fabs(rib.getMinY() - first.getMinY()) < 1e-6f);
        } else {
            QCOMPARE(rib.getAlignOffset(), 0.0f);
        }
    }
    if (top || bottom) {
        QVERIFY(list.getLastRib().getAlignOffset() != 0.0f);
    }
}

void TestRibList::zeroPanelLengthGivesNoSlopes()
{
    for (float length : {0.0f, -10.0f}) {
        RibList list = ribsAt({0.0f, 50.0f, 97.0f});
        list.setAirfoil(length, RootAirfoil, clarky.get(), 1.0f, 1.0f);
        list.applyBaseData(200.0f, length, 200.0f, 100.0f, 30.0f, true, false, 1.0f, 1.0f);
        list.applyTwist(3.0f, length);
        list.finishRibs(200.0f);
        int i = 0;
        for (const RibDefinition& rib : list.getRibs()) {
            QVERIFY(allFinite(rib));
            QCOMPARE(rib.getChord(), i < 2 ? 200.0f : 100.0f);
            QCOMPARE(rib.getOffsetX(), 0.0f);
            ++i;
        }
    }
}

void TestRibList::ribsWithoutAirfoilStayEmpty()
{
    RibList list = ribsAt({0.0f, 100.0f, 297.0f});
    list.applyBaseData(200.0f, 300.0f, 200.0f, 100.0f, 30.0f, true, false, 1.0f, 1.0f);
    list.applyTwist(3.0f, 300.0f);
    list.finishRibs(200.0f);
    for (const RibDefinition& rib : list.getRibs()) {
        QVERIFY(rib.getRibCoords().empty());
        QCOMPARE(rib.getAlignOffset(), 0.0f);
        QVERIFY(allFinite(rib));
    }
}

void TestRibList::twistTurnsEachRibAboutItsLeadingEdge()
{
    RibList list = ribsAt({0.0f, 150.0f, 297.0f});
    build(list);
    std::vector<RibDefinition::PointList> before;
    for (RibDefinition& rib : list.getRibs()) {
        before.emplace_back();
        rib.copyRibCoords(before.back());
        // The LE template is laid flat on the building board; it must not turn.
        rib.getLETemplateCoords().push_back(new Vector3D(*rib.getRibCoords()[10]));
    }

    list.applyTwist(3.0f, 300.0f);

    const float turns[] = {0.0f, 1.5f, 2.97f};
    int i = 0;
    for (const RibDefinition& rib : list.getRibs()) {
        float x = 0.0f, y = 0.0f, z = 0.0f;
        rib.getOffset(x, y, z);
        for (size_t k = 0; k < before[i].size(); ++k) {
            Vector3D expected(*before[i][k]);
            expected.translate(-x, -y, -z);
            expected.rotateZ(Mathematics::degToRad(turns[i]));
            expected.translate(x, y, z);
            QVERIFY2(rib.getRibCoords()[k]->distance(expected) < 1e-6f,
                     qPrintable(QStringLiteral("rib %1 point %2").arg(i).arg(k)));
        }
        QCOMPARE(*rib.getLETemplateCoords()[0], *before[i][10]);
        Vector3D::clearList(before[i]);
        ++i;
    }
    // rotateZ turns clockwise seen from +z: a positive twist lowers the
    // trailing edge of the tip rib below its leading edge.
    const RibDefinition& tip = list.getLastRib();
    QVERIFY(tip.getRibCoords()[0]->getY() < tip.getRibCoords()[140]->getY());
}

void TestRibList::finishingJoinsCrossedTrailingEdges()
{
    RibList list = ribsAt({0.0f, 297.0f});
    build(list, 0.0f);
    RibDefinition& rib = list.getFirstRib();
    auto& outline = rib.getRibCoords();
    const size_t n = outline.size();
    const float upper = outline[1]->getY();
    outline[n - 2]->setY(upper + 0.002f);
    list.finishRibs(200.0f);
    QCOMPARE(outline[1]->getY(), upper + 0.001f);
    QCOMPARE(outline[n - 2]->getY(), upper + 0.001f);
}

QTEST_MAIN(TestRibList)
#include "tst_riblist.moc"

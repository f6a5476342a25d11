#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "model/Panel.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

PanelBaseData panelData(float rootChord, float tipChord, int ribs, const SparList& spars = SparList(),
                        const SheetingStripList& strips = SheetingStripList(),
                        const RibCombList& combs = RibCombList())
{
    return PanelBaseData(0, QStringLiteral("Panel 0"), QStringLiteral("NACA 2412"), QStringLiteral("NACA 0012"),
                         rootChord, tipChord, 0.0f, 400.0f, 0.0f, 2.0f, false, false, true, 3.0f, ribs, 150.0f, 1.0f,
                         1.0f, nullptr, LEData(), TEData(), spars, strips, CoveringDefinition(), BuildingTabData(),
                         combs);
}

SparDefinition roundSpar(int firstRib, int lastRib)
{
    return SparDefinition(QStringLiteral("Spar"), SparType::Round, firstRib, lastRib, 25.0f, 30.0f, true, false);
}

} // namespace

class TestPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void cellWrites_data();
    void cellWrites();
    void rootAirfoilCellNamesMissingAirfoil();
    void squareSparWidthFollowsChord();
    void joinerRunsStraight();
    void positionsOfMissingRibsAreRefused_data();
    void positionsOfMissingRibsAreRefused();
    void combPositionsInPlan();
    void sparsReachingTipMoveToRoot();
    void stripsReachingTipMoveToRoot();
    void partsNotReachingTipAreRemoved();

private:
    QTemporaryDir imported;
};

void TestPanel::initTestCase()
{
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"), imported.path()));
}

void TestPanel::cleanup()
{
    delete PlaneModel::instance();
}

void TestPanel::cellWrites_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QVariant>("cell");
    QTest::newRow("name") << 0 << "Tip" << true << QVariant(QStringLiteral("Tip"));
    QTest::newRow("empty name kept") << 0 << "" << true << QVariant(QStringLiteral("Panel 0"));
    QTest::newRow("length") << 2 << "450" << true << QVariant(450.0f);
    QTest::newRow("zero length") << 2 << "0" << false << QVariant(400.0f);
    QTest::newRow("negative root chord") << 3 << "-3" << false << QVariant(200.0f);
    QTest::newRow("text tip chord") << 4 << "abc" << false << QVariant(160.0f);
    QTest::newRow("negative sweep") << 5 << "-10" << true << QVariant(-10.0f);
    QTest::newRow("twist not a number") << 6 << "nan" << false << QVariant(0.0f);
    QTest::newRow("infinite dihedral") << 7 << "inf" << false << QVariant(2.0f);
    QTest::newRow("dihedral") << 7 << "4.5" << true << QVariant(4.5f);
    // Such a value would overflow the span and could not be loaded again.
    QTest::newRow("dihedral near the float limit") << 7 << "3e38" << false << QVariant(2.0f);
    QTest::newRow("sweep beyond a kilometre") << 5 << "2e6" << false << QVariant(0.0f);
}

void TestPanel::cellWrites()
{
    QFETCH(int, column);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    QFETCH(QVariant, cell);
    Panel panel(panelData(200.0f, 160.0f, 4));
    QCOMPARE(panel.setCellData(column, value), accepted);
    QCOMPARE(panel.getCellData(column), cell);
}

void TestPanel::rootAirfoilCellNamesMissingAirfoil()
{
    Panel panel(panelData(200.0f, 160.0f, 4));
    QCOMPARE(panel.getCellData(1).toString(), QStringLiteral("NACA 2412"));
    QVERIFY(panel.setCellData(1, QStringLiteral("NACA 9999")));
    QCOMPARE(panel.getAirfoilName(RootAirfoil), QStringLiteral("NACA 9999"));
    QCOMPARE(panel.getCellData(1).toString(),
             QStringLiteral("NACA 9999 (not found, defaulted to CLARK Y AIRFOIL)"));
}

void TestPanel::squareSparWidthFollowsChord()
{
    SparDefinition spar(QStringLiteral("Square"), SparType::Square, 1, 5, 25.0f, 25.0f, true, false);
    spar.setSquareSparWidth(5.0f);
    spar.setSquareSparAutoAdjustWidth(1.0f);
    SparList spars;
    spars.addSpar(spar);
    Panel panel(panelData(200.0f, 100.0f, 5, spars));

    float zStart, xStart, zEnd, xEnd, widthStart, widthEnd;
    QVERIFY(panel.getPanelBaseData().getSparRealPositions(panel.getSparList().getSpars().front(), zStart, xStart,
                                                          zEnd, xEnd, widthStart, widthEnd));
    QCOMPARE(widthStart, 5.0f);
    QVERIFY(qAbs(widthEnd - 2.5f) < 1e-4f);
    QCOMPARE(zStart, 0.0f);
    QVERIFY(qAbs(zEnd - 400.0f) < 1e-3f);
    // 25 % of the 200 mm root rib, less half the width: the spar's front face.
    QVERIFY(qAbs(xStart - 47.5f) < 0.01f);
    QVERIFY(qAbs(xEnd - 22.5f) < 0.01f);
}

void TestPanel::joinerRunsStraight()
{
    SparList spars;
    spars.addSpar(SparDefinition(QStringLiteral("Joiner"), SparType::Tube, 1, 2, 30.0f, 30.0f, true, false));
    spars.addSpar(SparDefinition(QStringLiteral("Tip joiner"), SparType::Tube, 4, 5, 30.0f, 30.0f, true, false));
    PanelBaseData data = panelData(200.0f, 100.0f, 5, spars);
    data.setSweep(40.0f);
    Panel panel(data);
    const SparDefinition& rootJoiner = panel.getSparList().getSpars().front();
    const SparDefinition& tipJoiner = panel.getSparList().getSpars().back();
    float zStart, xStart, zEnd, xEnd, widthStart, widthEnd;
    QVERIFY(panel.getPanelBaseData().getSparRealPositions(rootJoiner, zStart, xStart, zEnd, xEnd, widthStart,
                                                          widthEnd));
    QVERIFY(qAbs(xStart - 60.0f) < 0.01f);
    QCOMPARE(xEnd, xStart);
    QCOMPARE(widthStart, 6.0f);
    QVERIFY(panel.getPanelBaseData().getSparRealPositions(tipJoiner, zStart, xStart, zEnd, xEnd, widthStart,
                                                          widthEnd));
    QVERIFY(qAbs(xStart - (30.0f + 40.0f)) < 0.01f);
    QCOMPARE(xEnd, xStart);
}

void TestPanel::positionsOfMissingRibsAreRefused_data()
{
    QTest::addColumn<int>("firstRib");
    QTest::addColumn<int>("lastRib");
    QTest::newRow("first rib 0") << 0 << 3;
    QTest::newRow("last rib past the tip") << 2 << 9;
    QTest::newRow("negative") << -4 << -1;
}

void TestPanel::positionsOfMissingRibsAreRefused()
{
    QFETCH(int, firstRib);
    QFETCH(int, lastRib);
    Panel panel(panelData(200.0f, 100.0f, 5));
    SparDefinition spar = roundSpar(firstRib, lastRib);
    RibCombData comb;
    comb.setFirstRib(firstRib);
    comb.setLastRib(lastRib);
    float zStart = -7.0f, xStart = -7.0f, zEnd = -7.0f, xEnd = -7.0f, widthStart = -7.0f, widthEnd = -7.0f;
    QVERIFY(!panel.getPanelBaseData().getSparRealPositions(spar, zStart, xStart, zEnd, xEnd, widthStart, widthEnd));
    QVERIFY(!panel.getPanelBaseData().getCombRealPositions(comb, zStart, xStart, zEnd, xEnd, widthStart));
    QCOMPARE(zStart, -7.0f);
    QCOMPARE(xEnd, -7.0f);
}

void TestPanel::combPositionsInPlan()
{
    RibCombList combs;
    RibCombData comb;
    comb.setFirstRib(1);
    comb.setLastRib(5);
    combs.append(comb);
    Panel panel(panelData(200.0f, 100.0f, 5, SparList(), SheetingStripList(), combs));
    float zStart, xStart, zEnd, xEnd, width;
    QVERIFY(panel.getPanelBaseData().getCombRealPositions(panel.getCombList().getCombs().front(), zStart, xStart,
                                                          zEnd, xEnd, width));
    // The comb's centre line at 50 %, its front edge half its width ahead.
    QVERIFY(qAbs(xStart - 99.0f) < 0.01f);
    QVERIFY(qAbs(xEnd - 49.0f) < 0.01f);
    QCOMPARE(width, 2.0f);
    QVERIFY(qAbs(zEnd - 400.0f) < 1e-3f);
}

void TestPanel::sparsReachingTipMoveToRoot()
{
    SparList spars;
    SparDefinition reaching = roundSpar(3, 8);
    reaching.setSeparateLastPosition(true);
    reaching.setPercentageSelected(1, false);
    reaching.setSparOffsetYStart(1.0f);
    reaching.setSparOffsetYEnd(2.0f);
    spars.addSpar(reaching);
    spars.addSpar(roundSpar(2, 5));
    PanelBaseData data = panelData(200.0f, 150.0f, 8, spars);
    const RibList& ribs = data.getRibList();
    bool found = false;
    const float span = ribs.getRib(8, found)->position - ribs.getRib(3, found)->position;
    const int expectedLast = ribs.findRibIndex(span);
    QVERIFY(expectedLast > 1 && expectedLast < 8);

    data.mirrorSparsAtConnectionRib();
    const SparDefinition& moved = data.getSparList().getSpars().front();
    QCOMPARE(moved.getFirstRib(), 1);
    QCOMPARE(moved.getLastRib(), expectedLast);
    QCOMPARE(moved.getPosition(0), 30.0f);
    QVERIFY(!moved.getPercentageSelected(0));
    QCOMPARE(moved.getSparOffsetYStart(), 2.0f);
    const SparDefinition& kept = data.getSparList().getSpars().back();
    QCOMPARE(kept.getFirstRib(), 2);
    QCOMPARE(kept.getLastRib(), 5);
}

void TestPanel::stripsReachingTipMoveToRoot()
{
    SheetingStripDefinition strip;
    strip.setFirstRib(1);
    strip.setLastRib(6);
    strip.setOffsetSeparateEnd(true);
    strip.setPosition(2, 3.0f);
    strip.setPosition(3, 8.0f);
    strip.setPercentageSelected(3, false);
    SheetingStripList strips;
    strips.append(strip);
    PanelBaseData data = panelData(200.0f, 150.0f, 6, SparList(), strips);
    data.mirrorSheetingStripsAtConnectionRib();
    const SheetingStripDefinition& moved = data.getSheetingStripList().getStrips().front();
    QCOMPARE(moved.getFirstRib(), 1);
    QCOMPARE(moved.getLastRib(), 6);
    QCOMPARE(moved.getPosition(2), 8.0f);
    QVERIFY(!moved.getPercentageSelected(2));
    QCOMPARE(moved.getPosition(0), 27.0f);
}

void TestPanel::partsNotReachingTipAreRemoved()
{
    SparList spars;
    spars.addSpar(roundSpar(1, 6));
    spars.addSpar(roundSpar(1, 4));
    spars.addSpar(roundSpar(5, 6));
    SheetingStripList strips;
    SheetingStripDefinition shortStrip;
    shortStrip.setLastRib(3);
    strips.append(shortStrip);
    PanelBaseData data = panelData(200.0f, 150.0f, 6, spars, strips);
    data.removeSparsNotReachingTipRib();
    data.removeSheetingStripsNotReachingTipRib();
    QCOMPARE(data.getSparList().getNumberOfSpars(), 2);
    for (const SparDefinition& spar : data.getSparList().getSpars())
        QCOMPARE(spar.getLastRib(), 6);
    QCOMPARE(data.getSheetingStripList().getStripCount(), 0);
}

QTEST_MAIN(TestPanel)
#include "tst_panel.moc"

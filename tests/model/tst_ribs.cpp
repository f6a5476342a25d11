#include <QtTest>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "airfoils/Airfoil.h"
#include "common/TestSupport.h"
#include "foundation/AngleInfo.h"
#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "foundation/Mathematics.h"
#include "model/RibDefinition.h"
#include "model/RibList.h"
#include "model/RibTestSupport.h"


class TestRibs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void copiesCarryScalarsButNoGeometry();
    void cellEditsConvertOrRefuse_data();
    void cellEditsConvertOrRefuse();
    void listIndicesOutsideTheRangeThrow();
    void findsFirstPartOfAnOwner();

    void blendWeighsAirfoilsByPosition_data();
    void blendWeighsAirfoilsByPosition();
    void missingRootAirfoilLeavesTheRibEmpty();
    void wholeRibOperationsSkipTemplateAndCombs();

    void splitsInsertOnePointPerSide_data();
    void splitsInsertOnePointPerSide();
    void splitsOutsideTheChordAreRefused_data();
    void splitsOutsideTheChordAreRefused();
    void repeatedSplitsStayTogether();
    void stationQueriesOnTinyOutlinesFail();
    void camberHeightFollowsTheMeanLine();
    void pieceDepthsMeasureFirstToMiddle();

    void closePointsProduceNoTurns_data();
    void closePointsProduceNoTurns();
    void narrowStepsAreFlattened_data();
    void narrowStepsAreFlattened();
    void narrowSpikesAreFlattened();

    void generatesEvenlySpacedRibs_data();
    void generatesEvenlySpacedRibs();
    void lastRibEndsExactlyAtThePanelEnd();
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
    void finishingEndsCrossedTrailingEdgesWhereTheyMeet();
    void rebuildOverOldGeometryMatchesAFreshBuild();
    void turningAboutAPointMatchesTranslateRotateTranslate_data();
    void turningAboutAPointMatchesTranslateRotateTranslate();

private:
    void build(RibList& list, float sweep = 30.0f, bool top = false, bool bottom = false);

    std::unique_ptr<Airfoil> clarky;
    std::unique_ptr<Airfoil> naca;
};

void TestRibs::initTestCase()
{
    clarky = loadShippedAirfoil("clarky.dat");
    naca = loadShippedAirfoil("naca0012.dat");
    QVERIFY(clarky);
    QVERIFY(naca);
    QCOMPARE(clarky->getPointCount(), 280);
}

void TestRibs::copiesCarryScalarsButNoGeometry()
{
    RibDefinition rib(148.5f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    rib.computeCamberLine();
    rib.getSquareSparParts().push_back(makeSlot(7, 0.3f));
    rib.getCombParts().push_back(makeSlot(8, 0.5f));
    rib.setChord(150.5f);
    rib.setOffset(0.07f, 0.01f, 0.74f);
    rib.setAlignOffset(0.01f);
    rib.scaledThickness = 0.015f;
    rib.setSelected(true);
    const int geometry = countGeometry(rib);
    QVERIFY(geometry > 280);

    RibDefinition assigned(0.0f, 1.0f);
    assigned.setAirfoil(300.0f, RootAirfoil, naca.get(), 1.0f, 1.0f);
    assigned.getRoundSparParts().push_back(makeSlot(1, 0.2f));
    assigned = rib;
    const RibDefinition copied(rib);
    for (const RibDefinition* copy : {&copied, static_cast<const RibDefinition*>(&assigned)}) {
        QCOMPARE(countGeometry(*copy), 0);
        QCOMPARE(copy->position, 148.5f);
        QCOMPARE(copy->thickness, 3.0f);
        QCOMPARE(copy->scaledThickness, 0.015f);
        QCOMPARE(copy->getChord(), 150.5f);
        QCOMPARE(copy->getOffsetX(), 0.07f);
        QCOMPARE(copy->getOffsetY(), 0.01f);
        QCOMPARE(copy->getOffsetZ(), 0.74f);
        QCOMPARE(copy->getAlignOffset(), 0.01f);
        QVERIFY(copy->isSelected());
        // The airfoils travel with the copy, so the pipeline can re-blend it.
        QCOMPARE(&copy->getAirfoilCoords(RootAirfoil), &clarky->getCoords());
    }
    RibDefinition& alias = rib;
    rib = alias;
    QCOMPARE(countGeometry(rib), geometry);

    // Moving hands the very points over.
    const Vector3D* firstPoint = rib.getRibCoords().front();
    RibDefinition moved(std::move(rib));
    QCOMPARE(moved.getRibCoords().front(), firstPoint);
    assigned = std::move(moved);
    QCOMPARE(assigned.getRibCoords().front(), firstPoint);
    QCOMPARE(countGeometry(assigned), geometry);
}

void TestRibs::cellEditsConvertOrRefuse_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<float>("position");
    QTest::addColumn<float>("thickness");
    QTest::newRow("position text") << 0 << QVariant(QStringLiteral("abc")) << false << 50.0f << 3.0f;
    QTest::newRow("thickness text") << 1 << QVariant(QStringLiteral("2.5")) << true << 50.0f << 2.5f;
    QTest::newRow("position double") << 0 << QVariant(75.25) << true << 75.25f << 3.0f;
    QTest::newRow("not a number") << 0 << QVariant(QStringLiteral("nan")) << false << 50.0f << 3.0f;
    QTest::newRow("infinite") << 1 << QVariant(QStringLiteral("inf")) << false << 50.0f << 3.0f;
}

void TestRibs::cellEditsConvertOrRefuse()
{
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(float, position);
    QFETCH(float, thickness);
    RibDefinition rib(50.0f, 3.0f);
    QCOMPARE(rib.setCellData(column, value), accepted);
    QCOMPARE(rib.getCellData(0).toFloat(), position);
    QCOMPARE(rib.getCellData(1).toFloat(), thickness);
}

void TestRibs::listIndicesOutsideTheRangeThrow()
{
    RibDefinition rib(0.0f, 3.0f);
    QVERIFY_EXCEPTION_THROWN(rib.getCoveringCoords(-1), std::invalid_argument);
    try {
        rib.getCoveringCoords(4);
        QFAIL("no exception");
    } catch (const std::invalid_argument& e) {
        QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("Invalid argument"));
    }
    const auto output = TestSupport::captureOutput([&] {
        QVERIFY_EXCEPTION_THROWN(rib.getAirfoilCoords(AirfoilType(2)), std::invalid_argument);
    });
    QCOMPARE(output.out, std::string("Unknown airfoil type in const std::vector<Vector3D*>& "
                                     "RibDefinition::getAirfoilCoords(AirfoilType) const: 2\n"));
}

void TestRibs::findsFirstPartOfAnOwner()
{
    RibDefinition::PartList parts;
    QCOMPARE(RibDefinition::findPartIndex(4, parts), -1);
    parts.push_back(makeSlot(2, 0.1f));
    parts.push_back(makeSlot(4, 0.2f));
    parts.push_back(makeSlot(4, 0.3f));
    QCOMPARE(RibDefinition::findPartIndex(4, parts), 1);
    QCOMPARE(RibDefinition::findPartIndex(2, parts), 0);
    QCOMPARE(RibDefinition::findPartIndex(9, parts), -1);
    RibDefinition::clearParts(parts);
    QVERIFY(parts.empty());
}

void TestRibs::blendWeighsAirfoilsByPosition_data()
{
    QTest::addColumn<float>("position");
    QTest::addColumn<float>("panelLength");
    QTest::addColumn<float>("rootFactor");
    QTest::addColumn<float>("tipFactor");
    QTest::addColumn<float>("rootWeight");
    QTest::newRow("root rib thickened") << 0.0f << 300.0f << 1.2f << 1.0f << 1.0f;
    QTest::newRow("half length") << 150.0f << 300.0f << 1.0f << 1.0f << 0.5f;
    QTest::newRow("last rib keeps some root") << 297.0f << 300.0f << 1.0f << 1.0f << 0.01f;
    QTest::newRow("no panel length") << 150.0f << 0.0f << 0.8f << 1.0f << 1.0f;
}

void TestRibs::blendWeighsAirfoilsByPosition()
{
    QFETCH(float, position);
    QFETCH(float, panelLength);
    QFETCH(float, rootFactor);
    QFETCH(float, tipFactor);
    QFETCH(float, rootWeight);
    RibDefinition rib(position, 3.0f);
    rib.setAirfoil(panelLength, TipAirfoil, naca.get(), rootFactor, tipFactor);
    rib.setAirfoil(panelLength, RootAirfoil, clarky.get(), rootFactor, tipFactor);

    const auto& outline = rib.getRibCoords();
    QCOMPARE(int(outline.size()), 280);
    for (int i = 0; i < 280; ++i) {
        const Vector3D& root = *clarky->getPoint(i);
        const Vector3D& tip = *naca->getPoint(i);
        const float expected = root.getY() * rootFactor * rootWeight
                               + tip.getY() * tipFactor * (1.0f - rootWeight);
        QVERIFY2(std::fabs(outline[i]->getY() - expected) < 1e-6f, qPrintable(QString("%1: %2,%3 want %4").arg(i).arg(outline[i]->getX()).arg(outline[i]->getY()).arg(expected)));
        QCOMPARE(outline[i]->getX(), root.getX() + 0.5f);
        QVERIFY(outline[i]->getNormal());
    }
    QCOMPARE(outline.front()->getX(), 1.0f);
    QCOMPARE(outline[140]->getX(), 0.0f);
}

void TestRibs::missingRootAirfoilLeavesTheRibEmpty()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.setChord(200.0f);
    QVERIFY(rib.getAirfoilCoords(RootAirfoil).empty());
    rib.setAirfoil(300.0f, TipAirfoil, naca.get(), 1.0f, 1.0f);
    QVERIFY(rib.getRibCoords().empty());
    rib.scale(2.0f, 2.0f, 1.0f);
    rib.applyOffset();
    rib.computeCamberLine();
    QCOMPARE(int(rib.getCamberLineCoords().size()), 1);
    QCOMPARE(*rib.getCamberLineCoords().front(), Vector3D(1.0f, 0.0f, 0.0f));
    QCOMPARE(rib.getMaxY(), -FLT_MAX);
    QCOMPARE(rib.getMinY(), FLT_MAX);

    // Once the root is there, a missing tip reads as the root.
    rib.setAirfoil(300.0f, TipAirfoil, nullptr, 1.0f, 1.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    QCOMPARE(&rib.getAirfoilCoords(TipAirfoil), &clarky->getCoords());
    QCOMPARE(int(rib.getRibCoords().size()), 280);
}

void TestRibs::wholeRibOperationsSkipTemplateAndCombs()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.getLETemplateCoords().push_back(new Vector3D(0.1f, 0.0f, 0.0f));
    rib.getLEPieceCoords().push_back(new Vector3D(0.1f, 0.0f, 0.0f));
    rib.getCombParts().push_back(makeSlot(9, 0.1f));
    rib.getSparWebbingParts().push_back(makeSlot(9, 0.1f));
    const Vertex combCorner(*rib.getCombParts().front()->getPoints()[0]);

    rib.scale(2.0f, 2.0f, 1.0f);
    QCOMPARE(rib.getLETemplateCoords()[0]->getX(), 0.2f);
    QCOMPARE(rib.getLEPieceCoords()[0]->getX(), 0.2f);
    QCOMPARE(rib.getSparWebbingParts()[0]->getPoints()[0]->getX(), 0.4f);

    rib.setOffset(1.0f, 0.0f, 0.0f);
    rib.applyOffset();
    QCOMPARE(rib.getLETemplateCoords()[0]->getX(), 1.2f);
    rib.translate(1.0f, 0.0f, 0.0f);
    QCOMPARE(rib.getLETemplateCoords()[0]->getX(), 1.2f);
    QCOMPARE(rib.getLEPieceCoords()[0]->getX(), 2.2f);

    rib.rotate(GLUtils::AxisZ, 3.14159 / 2);
    QCOMPARE(rib.getLETemplateCoords()[0]->getX(), 1.2f);
    QVERIFY(std::fabs(rib.getLEPieceCoords()[0]->getY() + 2.2f) < 1e-5f);
    QVERIFY(std::fabs(rib.getSparWebbingParts()[0]->getPoints()[0]->getY() + 2.4f) < 1e-5f);

    // The comb parts are made after all these operations and never follow them.
    QCOMPARE(*rib.getCombParts().front()->getPoints()[0], combCorner);
}

void TestRibs::splitsInsertOnePointPerSide_data()
{
    QTest::addColumn<float>("distance");
    QTest::addColumn<int>("upperIndex");
    QTest::addColumn<int>("lowerIndex");
    QTest::newRow("leading edge") << 0.0f << 139 << 142;
    QTest::newRow("trailing edge") << 200.0f << 1 << 280;
    QTest::newRow("a quarter") << 50.0f << -1 << -1;
}

void TestRibs::splitsInsertOnePointPerSide()
{
    QFETCH(float, distance);
    QFETCH(int, upperIndex);
    QFETCH(int, lowerIndex);
    // A 200 mm rib in a wing of 400 mm root chord, swept back by 0.25.
    RibDefinition rib(0.0f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    rib.scale(0.5f, 0.5f, 1.0f);
    rib.setChord(200.0f);
    rib.setOffset(0.25f, 0.0f, 0.0f);
    rib.applyOffset();
    const float xLE = 0.25f;
    const float xTE = xLE + 200.0f / 400.0f;
    const float station = xLE + distance * (xTE - xLE) / 200.0f;

    float yUpper = 0.0f;
    float yLower = 0.0f;
    QVERIFY(rib.getHeightsAtChordPosition(distance, xLE, xTE, yUpper, yLower));
    int up = -1;
    int low = -1;
    QVERIFY(rib.splitAtChordPosition(distance, xLE, xTE, up, low));
    const auto& outline = rib.getRibCoords();
    QCOMPARE(int(outline.size()), 282);
    if (upperIndex >= 0) {
        QCOMPARE(up, upperIndex);
        QCOMPARE(low, lowerIndex);
    }
    QVERIFY(up < low);
    QCOMPARE(outline[up]->getX(), station);
    QCOMPARE(outline[low]->getX(), station);
    QCOMPARE(outline[up]->getY(), yUpper);
    QCOMPARE(outline[low]->getY(), yLower);
    QVERIFY(yUpper >= yLower);
    QVERIFY(std::fabs(outline[up]->getNormal()->length() - 1.0f) < 1e-5f);
    QVERIFY(outline[up]->getNormal()->getY() > 0.0f);
}

void TestRibs::splitsOutsideTheChordAreRefused_data()
{
    QTest::addColumn<float>("distance");
    QTest::addColumn<float>("xLE");
    QTest::addColumn<float>("xTE");
    QTest::addColumn<float>("chord");
    QTest::newRow("negative") << -0.01f << 0.0f << 1.0f << 200.0f;
    QTest::newRow("beyond the chord") << 200.01f << 0.0f << 1.0f << 200.0f;
    QTest::newRow("edges swapped") << 50.0f << 1.0f << 0.0f << 200.0f;
    QTest::newRow("no chord") << 0.0f << 0.0f << 1.0f << 0.0f;
    QTest::newRow("ahead of the front") << 1.0f << -0.1f << 1.0f << 200.0f;
}

void TestRibs::splitsOutsideTheChordAreRefused()
{
    QFETCH(float, distance);
    QFETCH(float, xLE);
    QFETCH(float, xTE);
    QFETCH(float, chord);
    RibDefinition rib(0.0f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    rib.setChord(chord);
    int up = -7;
    int low = -7;
    QVERIFY(!rib.splitAtChordPosition(distance, xLE, xTE, up, low));
    QCOMPARE(int(rib.getRibCoords().size()), 280);
    QCOMPARE(up, -7);
    float yUpper = 5.0f;
    float yLower = 5.0f;
    QVERIFY(!rib.getHeightsAtChordPosition(distance, xLE, xTE, yUpper, yLower));
    QCOMPARE(yUpper, 0.0f);
    QCOMPARE(yLower, 0.0f);
}

void TestRibs::repeatedSplitsStayTogether()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    rib.setChord(200.0f);
    int up1 = 0, low1 = 0, up2 = 0, low2 = 0;
    QVERIFY(rib.splitAtChordPosition(63.0f, 0.0f, 1.0f, up1, low1));
    QVERIFY(rib.splitAtChordPosition(63.0f, 0.0f, 1.0f, up2, low2));
    const auto& outline = rib.getRibCoords();
    QCOMPARE(int(outline.size()), 284);
    const float station = 63.0f / 200.0f;
    QVERIFY(std::abs(up2 - up1) <= 1);
    QVERIFY(std::abs(low2 - low1) <= 2);
    int atStation = 0;
    for (const Vector3D* p : outline) {
        atStation += p->getX() == station ? 1 : 0;
    }
    QCOMPARE(atStation, 4);
    QCOMPARE(outline[up2]->getX(), station);
    QCOMPARE(outline[up2 + 1]->getX(), station);
    QCOMPARE(outline[low2]->getX(), station);
    QVERIFY(outline[low2 - 1]->getX() == station || outline[low2 + 1]->getX() == station);
}

void TestRibs::stationQueriesOnTinyOutlinesFail()
{
    for (int size : {0, 1}) {
        RibDefinition rib(0.0f, 3.0f);
        rib.setChord(200.0f);
        RibDefinition::PointList points;
        for (int i = 0; i < size; ++i) {
            points.push_back(new Vector3D(0.5f, 0.0f, 0.0f));
        }
        rib.setCoords(points, 0);
        Vector3D::clearList(points);
        int up = 0;
        int low = 0;
        QVERIFY(!rib.splitAtChordPosition(100.0f, 0.0f, 1.0f, up, low));
        float yUpper = 1.0f;
        float yLower = 1.0f;
        QVERIFY(!rib.getHeightsAtChordPosition(100.0f, 0.0f, 1.0f, yUpper, yLower));
        rib.computeCamberLine();
        QCOMPARE(int(rib.getCamberLineCoords().size()), 1);
        QCOMPARE(rib.getCamberY(0), 0.0f);
    }
}

void TestRibs::camberHeightFollowsTheMeanLine()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    rib.computeCamberLine();
    rib.computeCamberLine();
    const auto& outline = rib.getRibCoords();
    const auto& camber = rib.getCamberLineCoords();
    QCOMPARE(int(camber.size()), 141);
    QCOMPARE(camber[0]->getX(), camber[1]->getX() + 0.001f);
    for (int i = 0; i < 140; ++i) {
        const float mean = (outline[279 - i]->getY() + outline[i]->getY()) * 0.5f;
        QCOMPARE(camber[i + 1]->getY(), mean);
        QCOMPARE(rib.getCamberY(i), mean);
        QCOMPARE(rib.getCamberY(279 - i), mean);
    }
    // Between two stations the height is interpolated.
    Vector3D* between = new Vector3D(*outline[20]);
    between->setX((outline[20]->getX() + outline[21]->getX()) * 0.5f);
    rib.getRibCoords().insert(rib.getRibCoords().begin() + 21, between);
    const float expected = (rib.getCamberY(20) + rib.getCamberY(22)) * 0.5f;
    QVERIFY(std::fabs(rib.getCamberY(21) - expected) < 1e-6f);
    QCOMPARE(rib.getCamberY(-1), 0.0f);
    QCOMPARE(rib.getCamberY(281), 0.0f);
}

void TestRibs::pieceDepthsMeasureFirstToMiddle()
{
    RibDefinition rib(0.0f, 3.0f);
    QCOMPARE(rib.getTEDepth(200.0f), 0.0f);
    RibDefinition::PointList piece = makeOutline({{0.05f, 0.02f}, {0.0f, 0.0f}, {0.05f, -0.02f}});
    rib.setCoords(piece, 1);
    Vector3D::clearList(piece);
    QCOMPARE(rib.getLEDepth(200.0f), 10.0f);
}

namespace {

// A flat-sided rib, 0.1 thick, with a raised tab on its upper side at x 0.6
// (width and height in outline units) and a plain lower side. Ahead of the
// tab the upper side may lie higher by step.
RibDefinition::PointList tabbedOutline(float width, float height, float step = 0.0f)
{
    const float a = 0.6f;
    const float b = 0.6f - width;
    const float top = 0.05f + height;
    const float front = 0.05f + step;
    return makeOutline({{1.0f, 0.05f}, {0.8f, 0.05f}, {a, 0.05f}, {a, top}, {b, top}, {b, front},
                        {0.4f, front}, {0.2f, front}, {0.0f, front},
                        {0.0f, -0.05f}, {0.2f, -0.05f}, {0.4f, -0.05f}, {b, -0.05f}, {b, -0.05f},
                        {a, -0.05f}, {a, -0.05f}, {0.8f, -0.05f}, {1.0f, -0.05f}});
}

} // namespace

void TestRibs::closePointsProduceNoTurns_data()
{
    QTest::addColumn<float>("heightMm");
    QTest::addColumn<int>("turns");
    QTest::newRow("1 mm tab") << 1.0f << 6;
    QTest::newRow("0.0005 mm ripple") << 0.0005f << 2;
}

void TestRibs::closePointsProduceNoTurns()
{
    QFETCH(float, heightMm);
    QFETCH(int, turns);
    const float scale = 100.0f;
    RibDefinition rib(0.0f, 3.0f);
    RibDefinition::PointList points = tabbedOutline(2.0f / scale, heightMm / scale);
    rib.setCoords(points, 0);
    Vector3D::clearList(points);
    std::vector<AngleInfo> found;
    rib.collectTurns(found, scale);
    QCOMPARE(int(found.size()), turns);
    // The tab's first corner turns clockwise (away from the rib), its top
    // corners counter-clockwise.
    QCOMPARE(found[0].getTurn(), turns == 6 ? 0 : 1);
}

void TestRibs::narrowStepsAreFlattened_data()
{
    QTest::addColumn<float>("widthMm");
    QTest::addColumn<float>("stepMm");
    QTest::addColumn<bool>("flattened");
    QTest::newRow("0.4 mm") << 0.4f << 0.0f << true;
    QTest::newRow("0.6 mm") << 0.6f << 0.0f << false;
    // The tab goes flush with the side that lies farther from the camber line.
    QTest::newRow("0.4 mm, higher in front") << 0.4f << 0.8f << true;
}

void TestRibs::narrowStepsAreFlattened()
{
    QFETCH(float, widthMm);
    QFETCH(float, stepMm);
    QFETCH(bool, flattened);
    const float scale = 100.0f;
    RibDefinition rib(0.0f, 3.0f);
    RibDefinition::PointList points = tabbedOutline(widthMm / scale, 1.0f / scale, stepMm / scale);
    rib.setCoords(points, 0);
    Vector3D::clearList(points);
    rib.computeCamberLine();
    rib.cleanOutline(scale);
    const auto& outline = rib.getRibCoords();
    QCOMPARE(int(outline.size()), 18);
    for (int i = 0; i < 9; ++i) {
        const bool onTab = i == 3 || i == 4;
        const float front = 0.05f + stepMm / scale;
        const float expected = onTab ? (flattened ? front : 0.06f) : (i < 3 ? 0.05f : front);
        QVERIFY2(std::fabs(outline[i]->getY() - expected) < 1e-6f, qPrintable(QString("%1: %2,%3 want %4").arg(i).arg(outline[i]->getX()).arg(outline[i]->getY()).arg(expected)));
    }
    for (int i = 9; i < 18; ++i) {
        QCOMPARE(outline[i]->getY(), -0.05f);
    }
}

void TestRibs::narrowSpikesAreFlattened()
{
    const float scale = 100.0f;
    RibDefinition rib(0.0f, 3.0f);
    RibDefinition::PointList points = makeOutline(
        {{1.0f, 0.05f}, {0.8f, 0.05f}, {0.6f, 0.05f}, {0.6f, 0.06f}, {0.6f, 0.05f}, {0.4f, 0.05f},
         {0.2f, 0.05f}, {0.0f, 0.05f}, {0.0f, -0.05f}, {0.2f, -0.05f}, {0.4f, -0.05f},
         {0.6f, -0.05f}, {0.6f, -0.05f}, {0.6f, -0.05f}, {0.8f, -0.05f}, {1.0f, -0.05f}});
    rib.setCoords(points, 0);
    Vector3D::clearList(points);
    rib.computeCamberLine();
    rib.cleanOutline(scale);
    QCOMPARE(*rib.getRibCoords()[3], Vector3D(0.6f, 0.05f, 0.0f));

    // Nothing to measure against without a scale: the outline stays.
    RibDefinition other(0.0f, 3.0f);
    points = tabbedOutline(0.004f, 0.01f);
    other.setCoords(points, 0);
    Vector3D::clearList(points);
    other.cleanOutline(0.0f);
    QCOMPARE(other.getRibCoords()[3]->getY(), 0.06f);
}

// Root 200 mm, tip 100 mm, 300 mm long, in a wing of 200 mm root chord.
void TestRibs::build(RibList& list, float sweep, bool top, bool bottom)
{
    list.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    list.setAirfoil(300.0f, TipAirfoil, naca.get(), 1.0f, 1.0f);
    list.applyBaseData(200.0f, 300.0f, 200.0f, 100.0f, sweep, top, bottom, 1.0f, 1.0f);
}

void TestRibs::generatesEvenlySpacedRibs_data()
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

void TestRibs::generatesEvenlySpacedRibs()
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

void TestRibs::lastRibEndsExactlyAtThePanelEnd()
{
    // However the steps round, the last rib's far face is the panel end.
    for (int ribs : {12, 23}) {
        RibList list;
        list.generateRibs(107.0f, ribs, 3.0f);
        QVERIFY(list.getLastRib().position == 104.0f); // exactly, not fuzzily
    }
}

void TestRibs::findsRibsByNumberAndPosition_data()
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

void TestRibs::findsRibsByNumberAndPosition()
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

void TestRibs::copiesCarryNoGeometry()
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

void TestRibs::copiesPositionsOnlyFromRealLists()
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

void TestRibs::firstAndLastRibOfAnEmptyListThrow()
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

void TestRibs::taperAndSweepPlaceEveryRib()
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

void TestRibs::stationPairsSurviveBlendScaleAndPlacement()
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

void TestRibs::singleRibIsTheTipRib()
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

void TestRibs::alignmentMatchesTopsOrBottoms_data()
{
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("bottom");
    QTest::newRow("top") << true << false;
    QTest::newRow("bottom") << false << true;
    QTest::newRow("both means top") << true << true;
    QTest::newRow("none") << false << false;
}

void TestRibs::alignmentMatchesTopsOrBottoms()
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

void TestRibs::zeroPanelLengthGivesNoSlopes()
{
    for (float length : {0.0f, -10.0f}) {
        RibList list = ribsAt({0.0f, 50.0f, 97.0f});
        list.setAirfoil(length, RootAirfoil, clarky.get(), 1.0f, 1.0f);
        list.setAirfoil(length, TipAirfoil, naca.get(), 1.0f, 1.0f);
        list.applyBaseData(200.0f, length, 200.0f, 100.0f, 30.0f, true, false, 1.0f, 1.0f);
        list.applyTwist(3.0f, length);
        list.finishRibs(200.0f);
        int i = 0;
        for (const RibDefinition& rib : list.getRibs()) {
            QVERIFY(allFinite(rib));
            QCOMPARE(rib.getChord(), i < 2 ? 200.0f : 100.0f);
            // Pure root shape, scaled to the rib's chord.
            const float expectedY = clarky->getPoint(30)->getY() * rib.getChord() / 200.0f;
            QVERIFY(std::fabs(rib.getRibCoords()[30]->getY() - rib.getOffsetY() - expectedY) < 1e-6f);
            QCOMPARE(rib.getOffsetX(), 0.0f);
            ++i;
        }
    }
}

void TestRibs::ribsWithoutAirfoilStayEmpty()
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

void TestRibs::twistTurnsEachRibAboutItsLeadingEdge()
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

void TestRibs::finishingEndsCrossedTrailingEdgesWhereTheyMeet()
{
    RibList list = ribsAt({0.0f, 297.0f});
    build(list, 0.0f);
    RibDefinition& rib = list.getFirstRib();
    auto& outline = rib.getRibCoords();
    const size_t n = outline.size();
    const float upper = outline[1]->getY();
    outline[n - 2]->setY(upper + 0.002f);
    const Vector3D upperNext(*outline[2]);
    const Vector3D lowerNext(*outline[n - 3]);
    const std::vector<Vector3D> upperSide{*outline[0], *outline[1], upperNext};
    const std::vector<Vector3D> lowerSide{*outline[n - 1], *outline[n - 2], lowerNext};
    list.finishRibs(200.0f);
    // The rib ends where the two surfaces meet, on both of them (not at a
    // mean between them), and nothing of the crossed tail is left behind.
    const Vector3D end(*outline[1]);
    QVERIFY(distanceToPolyline(end, upperSide) < 1e-6f);
    QVERIFY(distanceToPolyline(end, lowerSide) < 1e-6f);
    for (size_t i : {size_t(0), n - 2, n - 1})
        QCOMPARE(*outline[i], end);
    QCOMPARE(*outline[2], upperNext);
    QCOMPARE(*outline[n - 3], lowerNext);
}

void TestRibs::rebuildOverOldGeometryMatchesAFreshBuild()
{
    // The rebuild refills the points of the previous outline and camber
    // line; nothing of what they held may show through.
    RibList fresh;
    fresh.generateRibs(300.0f, 5, 3.0f);
    build(fresh);
    RibList reused;
    reused.generateRibs(300.0f, 5, 3.0f);
    build(reused);
    int ribNumber = 0;
    for (RibDefinition& rib : reused.getRibs()) {
        ++ribNumber;
        spoil(rib.getRibCoords());
        spoil(rib.getCamberLineCoords());
        // Fewer old points than the blend needs, on one rib.
        if (ribNumber == 3) {
            RibDefinition::PointList& outline = rib.getRibCoords();
            for (size_t i = 100; i < outline.size(); ++i)
                delete outline[i];
            outline.resize(100);
        }
    }
    build(reused);

    auto sameList = [](const RibDefinition::PointList& a, const RibDefinition::PointList& b) {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (!identicalPoints(a[i], b[i]))
                return false;
        return true;
    };
    auto freshRib = fresh.getRibs().begin();
    for (RibDefinition& rib : reused.getRibs()) {
        QVERIFY(sameList(rib.getRibCoords(), freshRib->getRibCoords()));
        QVERIFY(sameList(rib.getCamberLineCoords(), freshRib->getCamberLineCoords()));
        // The camber line alone, over spoiled camber points.
        spoil(rib.getCamberLineCoords());
        rib.computeCamberLine();
        QVERIFY(sameList(rib.getCamberLineCoords(), freshRib->getCamberLineCoords()));
        ++freshRib;
    }
}

void TestRibs::turningAboutAPointMatchesTranslateRotateTranslate_data()
{
    QTest::addColumn<int>("axis");
    QTest::addColumn<double>("angle");
    QTest::newRow("twist about z") << 2 << 0.0523;
    QTest::newRow("no turn") << 2 << 0.0;
    QTest::newRow("about x") << 0 << -1.2;
    QTest::newRow("unknown axis moves nothing") << 3 << 0.5;
}

void TestRibs::turningAboutAPointMatchesTranslateRotateTranslate()
{
    QFETCH(int, axis);
    QFETCH(double, angle);
    const Vector3D other(1.0f, 1.0f, 0.0f);
    const Vector3D* axes[] = {&GLUtils::AxisX, &GLUtils::AxisY, &GLUtils::AxisZ, &other};
    auto make = [this] {
        RibDefinition rib(148.5f, 3.0f);
        rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
        rib.scale(0.75f, 0.75f, 1.0f);
        rib.setOffset(0.07f, -0.013f, 0.74f);
        rib.applyOffset();
        rib.computeCamberLine();
        rib.getSquareSparParts().push_back(makeSlot(7, 0.3f));
        rib.getCoveringPolygons().push_back(makeSlot(9, 0.4f));
        rib.getCoveringCoords(2).push_back(new Vector3D(0.2f, -0.0f, 0.74f));
        rib.getCoveringCoords(2).back()->setNormal(Vector3D(0.0f, -1.0f, 0.0f));
        rib.getLETemplateCoords().push_back(new Vector3D(0.1f, 0.02f, 0.74f));
        return rib;
    };
    RibDefinition stepwise = make();
    RibDefinition atOnce = make();
    stepwise.translate(-0.07f, 0.013f, -0.74f);
    stepwise.rotate(*axes[axis], angle);
    stepwise.translate(0.07f, -0.013f, 0.74f);
    atOnce.rotateAbout(*axes[axis], angle, 0.07f, -0.013f, 0.74f);

    auto sameList = [](const auto& a, const auto& b) {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (!identicalPoints(a[i], b[i]))
                return false;
        return true;
    };
    QVERIFY(sameList(atOnce.getRibCoords(), stepwise.getRibCoords()));
    QVERIFY(sameList(atOnce.getCamberLineCoords(), stepwise.getCamberLineCoords()));
    QVERIFY(sameList(atOnce.getCoveringCoords(2), stepwise.getCoveringCoords(2)));
    QVERIFY(sameList(atOnce.getSquareSparParts()[0]->getPoints(), stepwise.getSquareSparParts()[0]->getPoints()));
    QVERIFY(sameList(atOnce.getCoveringPolygons()[0]->getPoints(), stepwise.getCoveringPolygons()[0]->getPoints()));
    // The template stays where it was placed.
    QVERIFY(*atOnce.getLETemplateCoords()[0] == Vertex(0.1f, 0.02f, 0.74f));
}

QTEST_MAIN(TestRibs)
#include "tst_ribs.moc"

#include <QtTest>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "airfoils/Airfoil.h"
#include "common/TestSupport.h"
#include "foundation/AngleInfo.h"
#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"

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

// An outline given as (x, y) pairs in rib order, at z = 0.
RibDefinition::PointList makeOutline(std::initializer_list<std::pair<float, float>> xy)
{
    RibDefinition::PointList points;
    for (const auto& p : xy) {
        points.push_back(new Vector3D(p.first, p.second, 0.0f));
    }
    return points;
}

Rectangle3D* makeSlot(int id, float x)
{
    Rectangle3D* slot = new Rectangle3D(Vector3D(x + 0.1f, 0.05f, 0.0f), Vector3D(x, 0.05f, 0.0f),
                                        Vector3D(x, 0.0f, 0.0f), Vector3D(x + 0.1f, 0.0f, 0.0f));
    slot->setId(id);
    return slot;
}

int countGeometry(const RibDefinition& rib)
{
    int count = int(rib.getRibCoords().size() + rib.getCamberLineCoords().size()
                    + rib.getLEPieceCoords().size() + rib.getTEPieceCoords().size()
                    + rib.getLETemplateCoords().size());
    for (int i = 0; i < 4; ++i) {
        count += int(rib.getCoveringCoords(i).size());
    }
    count += int(rib.getSquareSparParts().size() + rib.getRoundSparParts().size()
                 + rib.getTubeSparParts().size() + rib.getCubeTubeParts().size()
                 + rib.getSparWebbingParts().size() + rib.getCubeSparParts().size()
                 + rib.getCoveringPolygons().size() + rib.getCombParts().size());
    return count;
}

} // namespace

class TestRibDefinition : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void copiesCarryScalarsButNoGeometry();
    void assignmentDropsOldGeometryAndSurvivesSelfAssignment();
    void movingHandsGeometryOver();
    void cellEditsConvertOrRefuse_data();
    void cellEditsConvertOrRefuse();
    void unknownCellColumnsAreReported();
    void listIndicesOutsideTheRangeThrow();
    void findsFirstPartOfAnOwner();
    void airfoilCoordsFallBackToTheRoot();

    void blendWeighsAirfoilsByPosition_data();
    void blendWeighsAirfoilsByPosition();
    void missingRootAirfoilLeavesTheRibEmpty();
    void unknownAirfoilSlotStillRebuilds();
    void camberLineRunsFromBehindTheTrailingEdge();
    void translateThereAndBackRestoresEverything();
    void wholeRibOperationsSkipTemplateAndCombs();

    void splitsInsertOnePointPerSide_data();
    void splitsInsertOnePointPerSide();
    void splitsOutsideTheChordAreRefused_data();
    void splitsOutsideTheChordAreRefused();
    void repeatedSplitsStayTogether();
    void stationQueriesOnTinyOutlinesFail();
    void heightsOfASymmetricAirfoilMirror();
    void camberHeightFollowsTheMeanLine();
    void pieceDepthsMeasureFirstToMiddle();
    void crossingPairsMeetAtTheirMean();

    void closePointsProduceNoTurns_data();
    void closePointsProduceNoTurns();
    void narrowStepsAreFlattened_data();
    void narrowStepsAreFlattened();
    void narrowSpikesAreFlattened();

private:
    std::unique_ptr<Airfoil> clarky;
    std::unique_ptr<Airfoil> naca;
};

void TestRibDefinition::initTestCase()
{
    clarky = loadShippedAirfoil("clarky.dat");
    naca = loadShippedAirfoil("naca0012.dat");
    QVERIFY(clarky);
    QVERIFY(naca);
    QCOMPARE(clarky->getPointCount(), 280);
}

void TestRibDefinition::copiesCarryScalarsButNoGeometry()
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
    QVERIFY(countGeometry(rib) > 280);

    const RibDefinition copy(rib);
    QCOMPARE(countGeometry(copy), 0);
    QCOMPARE(copy.position, 148.5f);
    QCOMPARE(copy.thickness, 3.0f);
    QCOMPARE(copy.scaledThickness, 0.015f);
    QCOMPARE(copy.getChord(), 150.5f);
    QCOMPARE(copy.getOffsetX(), 0.07f);
    QCOMPARE(copy.getOffsetY(), 0.01f);
    QCOMPARE(copy.getOffsetZ(), 0.74f);
    QCOMPARE(copy.getAlignOffset(), 0.01f);
    QVERIFY(copy.isSelected());
    // The airfoils travel with the copy, so the pipeline can re-blend it.
    QCOMPARE(&copy.getAirfoilCoords(RootAirfoil), &clarky->getCoords());
    QVERIFY(countGeometry(rib) > 280);
}

void TestRibDefinition::assignmentDropsOldGeometryAndSurvivesSelfAssignment()
{
    RibDefinition source(10.0f, 2.0f);
    source.setAirfoil(300.0f, RootAirfoil, naca.get(), 1.0f, 1.0f);
    source.setChord(180.0f);

    RibDefinition target(0.0f, 3.0f);
    target.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    target.getRoundSparParts().push_back(makeSlot(1, 0.2f));
    target = source;
    QCOMPARE(countGeometry(target), 0);
    QCOMPARE(target.position, 10.0f);
    QCOMPARE(target.thickness, 2.0f);
    QCOMPARE(target.getChord(), 180.0f);
    QCOMPARE(&target.getAirfoilCoords(RootAirfoil), &naca->getCoords());

    RibDefinition& alias = source;
    source = alias;
    QCOMPARE(int(source.getRibCoords().size()), 280);
    QCOMPARE(source.getChord(), 180.0f);
}

void TestRibDefinition::movingHandsGeometryOver()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    rib.getTubeSparParts().push_back(makeSlot(3, 0.4f));
    const Vector3D* firstPoint = rib.getRibCoords().front();

    RibDefinition moved(std::move(rib));
    QCOMPARE(moved.getRibCoords().front(), firstPoint);
    QCOMPARE(int(moved.getTubeSparParts().size()), 1);

    RibDefinition target(5.0f, 1.0f);
    target.setAirfoil(300.0f, RootAirfoil, naca.get(), 1.0f, 1.0f);
    target = std::move(moved);
    QCOMPARE(target.getRibCoords().front(), firstPoint);
    QCOMPARE(target.position, 0.0f);
}

void TestRibDefinition::cellEditsConvertOrRefuse_data()
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

void TestRibDefinition::cellEditsConvertOrRefuse()
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

void TestRibDefinition::unknownCellColumnsAreReported()
{
    RibDefinition rib(50.0f, 3.0f);
    QVariant cell;
    auto output = TestSupport::captureOutput([&] { cell = rib.getCellData(2); });
    QCOMPARE(cell.toString(), QStringLiteral("?"));
    QCOMPARE(output.out, std::string("Unknown position in RibDefinition::getCellData: 2\n"));

    bool taken = false;
    output = TestSupport::captureOutput([&] { taken = rib.setCellData(3, QVariant(1.5)); });
    QVERIFY(taken);
    QCOMPARE(output.out, std::string("Unknown position in bool RibDefinition::setCellData(int, "
                                     "const QVariant&): 3, 1.5\n"));
    QCOMPARE(rib.position, 50.0f);
    QCOMPARE(rib.thickness, 3.0f);
    QCOMPARE(RibDefinition::getColumnCount(), 2);
    QCOMPARE(RibDefinition::getColumnName(0), QStringLiteral("Position (mm)"));
    QCOMPARE(RibDefinition::getColumnName(1), QStringLiteral("Thickness (mm)"));
}

void TestRibDefinition::listIndicesOutsideTheRangeThrow()
{
    RibDefinition rib(0.0f, 3.0f);
    const RibDefinition& constRib = rib;
    for (int index : {-1, 4}) {
        try {
            rib.getCoveringCoords(index);
            QFAIL("no exception");
        } catch (const std::invalid_argument& e) {
            QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("Invalid argument"));
        }
        QVERIFY_EXCEPTION_THROWN(constRib.getCoveringCoords(index), std::invalid_argument);
    }
    const auto output = TestSupport::captureOutput([&] {
        QVERIFY_EXCEPTION_THROWN(rib.getAirfoilCoords(AirfoilType(2)), std::invalid_argument);
    });
    QCOMPARE(output.out, std::string("Unknown airfoil type in const std::vector<Vector3D*>& "
                                     "RibDefinition::getAirfoilCoords(AirfoilType) const: 2\n"));
}

void TestRibDefinition::findsFirstPartOfAnOwner()
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

void TestRibDefinition::airfoilCoordsFallBackToTheRoot()
{
    RibDefinition rib(0.0f, 3.0f);
    QVERIFY(rib.getAirfoilCoords(RootAirfoil).empty());
    QVERIFY(rib.getAirfoilCoords(TipAirfoil).empty());
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    QCOMPARE(&rib.getAirfoilCoords(TipAirfoil), &clarky->getCoords());
    rib.setAirfoil(300.0f, TipAirfoil, naca.get(), 1.0f, 1.0f);
    QCOMPARE(&rib.getAirfoilCoords(RootAirfoil), &clarky->getCoords());
    QCOMPARE(&rib.getAirfoilCoords(TipAirfoil), &naca->getCoords());
}

void TestRibDefinition::blendWeighsAirfoilsByPosition_data()
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

void TestRibDefinition::blendWeighsAirfoilsByPosition()
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
        QVERIFY2(std::fabs(outline[i]->getY() - expected) < 1e-6f, qPrintable(QString::number(i)));
        QCOMPARE(outline[i]->getX(), root.getX() + 0.5f);
        QVERIFY(outline[i]->getNormal());
    }
    QCOMPARE(outline.front()->getX(), 1.0f);
    QCOMPARE(outline[140]->getX(), 0.0f);
}

void TestRibDefinition::missingRootAirfoilLeavesTheRibEmpty()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.setChord(200.0f);
    rib.setAirfoil(300.0f, TipAirfoil, naca.get(), 1.0f, 1.0f);
    QVERIFY(rib.getRibCoords().empty());
    rib.scale(2.0f, 2.0f, 1.0f);
    rib.applyOffset();
    rib.computeCamberLine();
    QCOMPARE(int(rib.getCamberLineCoords().size()), 1);
    QCOMPARE(*rib.getCamberLineCoords().front(), Vector3D(1.0f, 0.0f, 0.0f));
    QCOMPARE(rib.getMaxY(), -FLT_MAX);
    QCOMPARE(rib.getMinY(), FLT_MAX);
    QCOMPARE(rib.getCamberY(0), 0.0f);
}

void TestRibDefinition::unknownAirfoilSlotStillRebuilds()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    rib.getCubeSparParts().push_back(makeSlot(5, 0.3f));
    const auto output = TestSupport::captureOutput(
        [&] { rib.setAirfoil(300.0f, AirfoilType(7), naca.get(), 1.0f, 1.0f); });
    QCOMPARE(output.out, std::string("Unknown airfoil type in void RibDefinition::setAirfoil(float, "
                                     "AirfoilType, Airfoil*, float, float): 7\n"));
    QVERIFY(rib.getCubeSparParts().empty());
    QCOMPARE(int(rib.getRibCoords().size()), 280);
    QCOMPARE(rib.getRibCoords()[10]->getY(), clarky->getPoint(10)->getY());
}

void TestRibDefinition::camberLineRunsFromBehindTheTrailingEdge()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    rib.computeCamberLine();
    const auto& outline = rib.getRibCoords();
    const auto& camber = rib.getCamberLineCoords();
    QCOMPARE(int(camber.size()), 141);
    QCOMPARE(camber[0]->getX(), camber[1]->getX() + 0.001f);
    QCOMPARE(camber[0]->getY(), camber[1]->getY());
    for (int i = 0; i < 140; ++i) {
        QCOMPARE(camber[i + 1]->getX(), outline[i]->getX());
        QCOMPARE(camber[i + 1]->getY(), (outline[279 - i]->getY() + outline[i]->getY()) * 0.5f);
    }
    // Rebuilding does not pile up points.
    rib.computeCamberLine();
    QCOMPARE(int(camber.size()), 141);
}

void TestRibDefinition::translateThereAndBackRestoresEverything()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    rib.getSquareSparParts().push_back(makeSlot(1, 0.3f));
    RibDefinition::PointList before;
    rib.copyRibCoords(before);
    const Vertex corner(*rib.getSquareSparParts().front()->getPoints()[0]);

    rib.translate(0.25f, -0.125f, 1.5f);
    QVERIFY(*rib.getRibCoords()[0] != *before[0]);
    rib.translate(-0.25f, 0.125f, -1.5f);
    for (size_t i = 0; i < before.size(); ++i) {
        QVERIFY(rib.getRibCoords()[i]->distance(*before[i]) < 1e-6f);
    }
    QVERIFY(rib.getSquareSparParts().front()->getPoints()[0]->distance(corner) < 1e-6f);
    Vector3D::clearList(before);
}

void TestRibDefinition::wholeRibOperationsSkipTemplateAndCombs()
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

void TestRibDefinition::splitsInsertOnePointPerSide_data()
{
    QTest::addColumn<float>("distance");
    QTest::addColumn<int>("upperIndex");
    QTest::addColumn<int>("lowerIndex");
    QTest::newRow("leading edge") << 0.0f << 139 << 142;
    QTest::newRow("trailing edge") << 200.0f << 1 << 280;
    QTest::newRow("a quarter") << 50.0f << -1 << -1;
}

void TestRibDefinition::splitsInsertOnePointPerSide()
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
    // The new points sit between their neighbours and carry unit normals.
    QVERIFY(outline[up - (up > 0 ? 1 : 0)]->getX() >= station);
    QVERIFY(outline[low + (low + 1 < 282 ? 1 : 0)]->getX() >= station);
    QVERIFY(std::fabs(outline[up]->getNormal()->length() - 1.0f) < 1e-5f);
    QVERIFY(outline[up]->getNormal()->getY() > 0.0f);
    QVERIFY(outline[low]->getNormal()->getY() < 0.0f || distance == 0.0f);
}

void TestRibDefinition::splitsOutsideTheChordAreRefused_data()
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

void TestRibDefinition::splitsOutsideTheChordAreRefused()
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

void TestRibDefinition::repeatedSplitsStayTogether()
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

void TestRibDefinition::stationQueriesOnTinyOutlinesFail()
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

void TestRibDefinition::heightsOfASymmetricAirfoilMirror()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, naca.get(), 1.0f, 1.0f);
    rib.setChord(200.0f);
    float yUpper = 0.0f;
    float yLower = 0.0f;
    QVERIFY(rib.getHeightsAtChordPosition(60.0f, 0.0f, 1.0f, yUpper, yLower));
    // NACA 0012 is 12 % thick near 30 % chord.
    QVERIFY(std::fabs(yUpper - 0.06f) < 0.002f);
    QVERIFY(std::fabs(yUpper + yLower) < 1e-4f);
}

void TestRibDefinition::camberHeightFollowsTheMeanLine()
{
    RibDefinition rib(0.0f, 3.0f);
    rib.setAirfoil(300.0f, RootAirfoil, clarky.get(), 1.0f, 1.0f);
    rib.computeCamberLine();
    const auto& outline = rib.getRibCoords();
    for (int i : {0, 20, 100, 139}) {
        const float mean = (outline[i]->getY() + outline[279 - i]->getY()) * 0.5f;
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

void TestRibDefinition::pieceDepthsMeasureFirstToMiddle()
{
    RibDefinition rib(0.0f, 3.0f);
    QCOMPARE(RibDefinition::getPieceDepth(rib.getLEPieceCoords()), 0.0f);
    QCOMPARE(rib.getTEDepth(200.0f), 0.0f);
    RibDefinition::PointList piece = makeOutline({{0.05f, 0.02f}, {0.0f, 0.0f}, {0.05f, -0.02f}});
    rib.setCoords(piece, 1);
    rib.setCoords(piece, 2);
    Vector3D::clearList(piece);
    QCOMPARE(rib.getLEDepth(200.0f), 10.0f);
    QCOMPARE(rib.getTEDepth(100.0f), 5.0f);
}

void TestRibDefinition::crossingPairsMeetAtTheirMean()
{
    RibDefinition::PointList points = makeOutline(
        {{1.0f, 0.01f}, {0.5f, 0.05f}, {0.0f, 0.0f}, {0.5f, -0.05f}, {1.0f, 0.03f}});
    RibDefinition::smoothCrossingPairs(points);
    QCOMPARE(points[0]->getY(), 0.02f);
    QCOMPARE(points[4]->getY(), 0.02f);
    QCOMPARE(points[1]->getY(), 0.05f);
    QCOMPARE(points[3]->getY(), -0.05f);
    QCOMPARE(points[2]->getY(), 0.0f);
    Vector3D::clearList(points);
}

namespace {

// A flat-sided rib, 0.1 thick, with a raised tab on its upper side at x 0.6
// (width and height in outline units) and a plain lower side.
RibDefinition::PointList tabbedOutline(float width, float height)
{
    const float a = 0.6f;
    const float b = 0.6f - width;
    const float top = 0.05f + height;
    return makeOutline({{1.0f, 0.05f}, {0.8f, 0.05f}, {a, 0.05f}, {a, top}, {b, top}, {b, 0.05f},
                        {0.4f, 0.05f}, {0.2f, 0.05f}, {0.0f, 0.05f},
                        {0.0f, -0.05f}, {0.2f, -0.05f}, {0.4f, -0.05f}, {b, -0.05f}, {b, -0.05f},
                        {a, -0.05f}, {a, -0.05f}, {0.8f, -0.05f}, {1.0f, -0.05f}});
}

} // namespace

void TestRibDefinition::closePointsProduceNoTurns_data()
{
    QTest::addColumn<float>("heightMm");
    QTest::addColumn<int>("turns");
    QTest::newRow("1 mm tab") << 1.0f << 6;
    QTest::newRow("0.0005 mm ripple") << 0.0005f << 2;
}

void TestRibDefinition::closePointsProduceNoTurns()
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
    if (turns == 6) {
        const int kinds[] = {0, 1, 1, 0, 1, 1};
        const int indices[] = {2, 3, 4, 5, 8, 9};
        for (int t = 0; t < 6; ++t) {
            QCOMPARE(found[t].getTurn(), kinds[t]);
            QCOMPARE(found[t].getIndex(), indices[t]);
        }
    }
}

void TestRibDefinition::narrowStepsAreFlattened_data()
{
    QTest::addColumn<float>("widthMm");
    QTest::addColumn<bool>("flattened");
    QTest::newRow("0.4 mm") << 0.4f << true;
    QTest::newRow("0.6 mm") << 0.6f << false;
}

void TestRibDefinition::narrowStepsAreFlattened()
{
    QFETCH(float, widthMm);
    QFETCH(bool, flattened);
    const float scale = 100.0f;
    RibDefinition rib(0.0f, 3.0f);
    RibDefinition::PointList points = tabbedOutline(widthMm / scale, 1.0f / scale);
    rib.setCoords(points, 0);
    Vector3D::clearList(points);
    rib.computeCamberLine();
    rib.cleanOutline(scale);
    const auto& outline = rib.getRibCoords();
    QCOMPARE(int(outline.size()), 18);
    for (int i = 0; i < 9; ++i) {
        const bool onTab = i == 3 || i == 4;
        const float expected = (onTab && !flattened) ? 0.06f : 0.05f;
        QVERIFY2(std::fabs(outline[i]->getY() - expected) < 1e-6f, qPrintable(QString::number(i)));
    }
    for (int i = 9; i < 18; ++i) {
        QCOMPARE(outline[i]->getY(), -0.05f);
    }
}

void TestRibDefinition::narrowSpikesAreFlattened()
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

QTEST_MAIN(TestRibDefinition)
#include "tst_ribdefinition.moc"

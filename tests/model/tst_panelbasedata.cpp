#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/PanelBaseData.h"

namespace {

PanelBaseData simplePanel(const QString& root, const QString& tip, float length, int ribs,
                          const RibList* given = nullptr)
{
    return PanelBaseData(3, "Simple", root, tip, 200.0f, 150.0f, 10.0f, length, 0.0f, 0.0f, false, false, true,
                         3.0f, ribs, 150.0f, 1.0f, 1.0f, given, LEData(), TEData(), SparList(),
                         SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList());
}

std::vector<float> outlines(const PanelBaseData& data)
{
    std::vector<float> out;
    for (const RibDefinition& rib : data.getRibList().getRibs()) {
        out.push_back(float(rib.getRibCoords().size()));
        for (const Vector3D* p : rib.getRibCoords()) {
            out.push_back(p->getX());
            out.push_back(p->getY());
            out.push_back(p->getZ());
        }
    }
    return out;
}

bool allFinite(const PanelBaseData& data)
{
    for (const RibDefinition& rib : data.getRibList().getRibs()) {
        for (int list = 0; list < 4; ++list) {
            for (const Vector3D* p : rib.getCoveringCoords(list)) {
                if (!std::isfinite(p->getX()) || !std::isfinite(p->getY()))
                    return false;
            }
        }
        for (const Vector3D* p : rib.getRibCoords()) {
            if (!std::isfinite(p->getX()) || !std::isfinite(p->getY()))
                return false;
        }
    }
    return std::isfinite(data.getRibMinY()) && std::isfinite(data.getRibMaxY());
}

void appendPoint(QByteArray& out, const Vertex& p)
{
    out += QByteArray::number(double(p.getX()), 'a') + ' ' + QByteArray::number(double(p.getY()), 'a') + ' '
           + QByteArray::number(double(p.getZ()), 'a') + ' ' + QByteArray::number(p.getProp()) + ' '
           + QByteArray::number(p.getId()) + ';';
    if (const Vector3D* normal = p.getNormal()) {
        out += 'n';
        appendPoint(out, *normal);
    }
}

// Every point (with its normal) of every list and shape of every rib, and
// the height range: what a copy must carry exactly as a rebuild makes it.
QByteArray geometry(const PanelBaseData& data)
{
    QByteArray out = QByteArray::number(double(data.getRibMinY()), 'a') + ' '
                     + QByteArray::number(double(data.getRibMaxY()), 'a') + '\n';
    for (const RibDefinition& rib : data.getRibList().getRibs()) {
        for (const RibDefinition::PointList* list :
             {&rib.getRibCoords(), &rib.getCamberLineCoords(), &rib.getLEPieceCoords(), &rib.getTEPieceCoords(),
              &rib.getLETemplateCoords(), &rib.getCoveringCoords(0), &rib.getCoveringCoords(1),
              &rib.getCoveringCoords(2), &rib.getCoveringCoords(3)}) {
            for (const Vector3D* p : *list)
                appendPoint(out, *p);
            out += '\n';
        }
        for (const RibDefinition::PartList* parts :
             {&rib.getSquareSparParts(), &rib.getRoundSparParts(), &rib.getTubeSparParts(), &rib.getCubeTubeParts(),
              &rib.getSparWebbingParts(), &rib.getCubeSparParts(), &rib.getCoveringPolygons(), &rib.getCombParts()}) {
            for (const IdentifiableObject* part : *parts) {
                out += QByteArray::number(part->getType()) + ' ' + QByteArray::number(part->getId()) + ':';
                for (const Vertex* p : part->getPoints())
                    appendPoint(out, *p);
            }
            out += '\n';
        }
    }
    return out;
}

PanelBaseData sparredPanel()
{
    SparList spars;
    spars.addSpar(SparDefinition("round", SparType::Round, 1, 5, 30.0f, 30.0f, true, false));
    spars.addSpar(SparDefinition("square", SparType::Square, 2, 5, 50.0f, 50.0f, true, false));
    return PanelBaseData(3, "Sparred", "CLARK Y AIRFOIL", "NACA 2412", 200.0f, 150.0f, 10.0f, 400.0f, -2.0f, 0.0f,
                         false, false, true, 3.0f, 5, 150.0f, 1.0f, 1.0f, nullptr, LEData(1, 5.0f), TEData(),
                         spars, SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList());
}

} // namespace

class TestPanelBaseData : public QObject
{
    Q_OBJECT
private slots:
    // Runs before any airfoil library exists in this process.
    void withoutAirfoilsTheHeightRangeIsEmpty();
    void loadAirfoils();

    void fullConstructorKeepsEveryArgument();
    void ribCountGatesTheRibList();
    void unknownTipAirfoilBlendsFromTheRootAndKeepsTheName();
    void airfoilNamesAreCheckedAgainstTheLibrary();
    void unknownAirfoilTypeIsRefused();
    void assignmentRebuildsForTheNewLength();
    void copiesCarryWhatARebuildMakes_data();
    void copiesCarryWhatARebuildMakes();
    void copiesShareRibsUntilOneChanges();
    void zeroRootChordNeverDividesTheRearLimit();

private:
    QTemporaryDir imported;
};

void TestPanelBaseData::withoutAirfoilsTheHeightRangeIsEmpty()
{
    QVERIFY(WingFoils::instance() == nullptr);
    const PanelBaseData data = simplePanel("CLARK Y AIRFOIL", "", 400.0f, 5);
    QCOMPARE(data.getRibList().getRibCount(), 5);
    QCOMPARE(data.getRibMinY(), 0.0f);
    QCOMPARE(data.getRibMaxY(), 0.0f);
    float low = -1.0f;
    float high = -1.0f;
    QCOMPARE(data.getRibHeightRange(low, high), 0.0f);
    QCOMPARE(low, 0.0f);
    QCOMPARE(high, 0.0f);
}

void TestPanelBaseData::loadAirfoils()
{
    QVERIFY(imported.isValid());
    WingFoils::createInstance(QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/foils_v2"), imported.path());
    QVERIFY(WingFoils::instance()->findAirfoil("NACA 2412", false) != nullptr);
}

void TestPanelBaseData::fullConstructorKeepsEveryArgument()
{
    const LEData le(1, 7.0f);
    const TEData te(1, 21.0f, true, 22.0f, 11.0f, 2.5f);
    SparList spars;
    spars.addSpar(SparDefinition("main", SparType::Round, 1, 4, 30.0f, 30.0f, true, false));
    SheetingStripList strips;
    strips.append(SheetingStripDefinition("strip", 0, 2, 3, 20.0f, 20.0f, 1.5f, true, true, true, false, 0.0f, 0.0f,
                                          false, false));
    const CoveringDefinition covering(SheetingType::Advanced, 26.0f, 1.25f, 2, false, true, false);
    const BuildingTabData tabs(true, false, 12.0f, 23.0f, 9.0f);
    RibCombList combs;
    RibCombData comb;
    comb.setName("spine");
    combs.append(comb);

    const PanelBaseData data(17, "Outer", "CLARK Y AIRFOIL", "NACA 2412", 210.0f, 160.0f, 33.0f, 420.0f, -2.5f,
                             4.5f, true, false, false, 2.75f, 4, 180.0f, 1.1f, 0.9f, nullptr, le, te, spars, strips,
                             covering, tabs, combs);
    QCOMPARE(data.getId(), 17);
    QCOMPARE(data.getPanelName(), QString("Outer"));
    QCOMPARE(data.getAirfoilName(AirfoilType(0)), QString("CLARK Y AIRFOIL"));
    QCOMPARE(data.getAirfoilName(AirfoilType(1)), QString("NACA 2412"));
    QCOMPARE(data.getRootChord(), 210.0f);
    QCOMPARE(data.getTipChord(), 160.0f);
    QCOMPARE(data.getSweep(), 33.0f);
    QCOMPARE(data.getLength(), 420.0f);
    QCOMPARE(data.getTipTwist(), -2.5f);
    QCOMPARE(data.getDihedralAngle(), 4.5f);
    QCOMPARE(data.getTopAlign(), true);
    QCOMPARE(data.getBottomAlign(), false);
    QCOMPARE(data.getDontAlign(), false);
    QCOMPARE(data.getRibThickness(), 2.75f);
    QCOMPARE(data.getNoOfRibs(), 4);
    QCOMPARE(data.getSpecificWeightRib(), 180.0f);
    QCOMPARE(data.getRootAirfoilFactor(), 1.1f);
    QCOMPARE(data.getTipAirfoilFactor(), 0.9f);
    QCOMPARE(data.getRibList().getRibCount(), 4);
    QCOMPARE(data.getRibListTableModel().getPanelLength(), 420.0f);
    QCOMPARE(data.getLEData().getType(), 1);
    QCOMPARE(data.getLEData().getStandardLEDepth(), 7.0f);
    QCOMPARE(data.getTEData().getStandardTEDepth(1.0f), 21.0f);
    QCOMPARE(data.getTEData().getStripTEStripThickness(), 2.5f);
    QCOMPARE(data.getSparList().getNumberOfSpars(), 1);
    QCOMPARE(data.getSparList().getSpars().front().getSparName(), QString("main"));
    QCOMPARE(data.getSheetingStripList().getStripCount(), 1);
    QCOMPARE(data.getCoveringDefinition().getLength(), 26.0f);
    QCOMPARE(data.getCoveringDefinition().getThickness(), 1.25f);
    QCOMPARE(data.getCoveringDefinition().getExtend(), 2);
    QCOMPARE(data.getCoveringDefinition().getDoLower(), false);
    QCOMPARE(data.getBuildingTabData().getDoUpper(), true);
    QCOMPARE(data.getBuildingTabData().getOffsetLE(), 12.0f);
    QCOMPARE(data.getBuildingTabData().getOffsetTE(), 23.0f);
    QCOMPARE(data.getBuildingTabData().getWidth(), 9.0f);
    QCOMPARE(data.getCombList().getCombCount(), 1);
    QCOMPARE(data.getCombList().getCombs().front().getName(), QString("spine"));
    QVERIFY(data.getRibMaxY() > data.getRibMinY());
}

void TestPanelBaseData::ribCountGatesTheRibList()
{
    RibList given;
    given.addRib(RibDefinition(0.0f, 3.0f));
    given.addRib(RibDefinition(66.0f, 3.0f));
    const PanelBaseData data = simplePanel("CLARK Y AIRFOIL", "", 400.0f, 1, &given);
    QCOMPARE(data.getRibList().getRibCount(), 0);
    QCOMPARE(data.getRibMinY(), 0.0f);
    QCOMPARE(data.getRibMaxY(), 0.0f);

    // Otherwise the count only gates the list: a given list is used whole.
    for (int i = 2; i < 7; ++i)
        given.addRib(RibDefinition(i * 66.0f, 3.0f));
    const PanelBaseData seven = simplePanel("CLARK Y AIRFOIL", "", 400.0f, 5, &given);
    QCOMPARE(seven.getRibList().getRibCount(), 7);
    QVERIFY(!seven.getRibList().getLastRib().getRibCoords().empty());
}

void TestPanelBaseData::unknownTipAirfoilBlendsFromTheRootAndKeepsTheName()
{
    // The root is not the library's default airfoil, which must not stand in
    // for the tip.
    const PanelBaseData reference = simplePanel("NACA 2412", "NACA 2412", 400.0f, 5);
    const PanelBaseData original = simplePanel("NACA 2412", "NO SUCH FOIL", 400.0f, 5);
    const PanelBaseData copy(original);
    QCOMPARE(copy.getAirfoilName(AirfoilType(1)), QString("NO SUCH FOIL"));
    // Without a tip airfoil the blend takes the root airfoil in its place.
    QVERIFY(outlines(copy) == outlines(reference));
    QVERIFY(outlines(original) == outlines(reference));
}

void TestPanelBaseData::airfoilNamesAreCheckedAgainstTheLibrary()
{
    PanelBaseData data;
    QVERIFY(data.setAirfoilName(AirfoilType(0), "NO SUCH ROOT"));
    QCOMPARE(data.getAirfoilName(AirfoilType(0)), QString("NO SUCH ROOT"));
    QVERIFY(!data.setAirfoilName(AirfoilType(1), "NO SUCH TIP"));
    QCOMPARE(data.getAirfoilName(AirfoilType(1)), QString());
    QVERIFY(data.setAirfoilName(AirfoilType(1), "NACA 2412"));
    QCOMPARE(data.getAirfoilName(AirfoilType(1)), QString("NACA 2412"));
}

void TestPanelBaseData::unknownAirfoilTypeIsRefused()
{
    const PanelBaseData data;
    bool thrown = false;
    const auto out = TestSupport::captureOutput([&] {
        try {
            data.getAirfoilName(AirfoilType(2));
        } catch (const std::invalid_argument& e) {
            thrown = QString(e.what()) == "Invalid argument";
        }
    });
    QVERIFY(thrown);
    QCOMPARE(QString::fromStdString(out.out),
             QString("Unknown airfoil type in QString PanelBaseData::getAirfoilName(AirfoilType) const: 2\n"));
}

void TestPanelBaseData::assignmentRebuildsForTheNewLength()
{
    PanelBaseData target = simplePanel("CLARK Y AIRFOIL", "NACA 2412", 400.0f, 5);
    const std::vector<float> before = outlines(target);
    PanelBaseData& same = target;
    target = same;
    QVERIFY(outlines(target) == before);

    const PanelBaseData longer = simplePanel("CLARK Y AIRFOIL", "", 600.0f, 5);
    target = longer;
    QCOMPARE(target.getLength(), 600.0f);
    QCOMPARE(target.getRibListTableModel().getPanelLength(), 600.0f);
    QVERIFY(outlines(target) == outlines(longer));
    QCOMPARE(target.getRibMinY(), longer.getRibMinY());
    QCOMPARE(target.getRibMaxY(), longer.getRibMaxY());
}

// A copy may take the source's ribs instead of rebuilding them, but only
// while they are what a rebuild of the source's current data would make.
void TestPanelBaseData::copiesCarryWhatARebuildMakes_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("built source") << 0;
    QTest::newRow("value set, not rebuilt") << 1;
    QTest::newRow("spar edited in its table, not rebuilt") << 2;
    // References taken before the last rebuild and written through after it.
    QTest::newRow("spar list kept across a rebuild") << 3;
    QTest::newRow("strip table kept across a rebuild") << 4;
}

void TestPanelBaseData::copiesCarryWhatARebuildMakes()
{
    QFETCH(int, change);
    PanelBaseData source = sparredPanel();
    SheetingStripList strips;
    strips.append(SheetingStripDefinition("strip", 0, 1, 5, 20.0f, 20.0f, 1.5f, true, true, true, false, 0.0f,
                                          0.0f, false, false));
    source.setSheetingStripList(strips);
    source.setCoveringDefinition(CoveringDefinition(SheetingType::Advanced, 25.0f, 1.5f, 0, true, true, true));
    SparsTableModel& sparTable = source.getSparsTableModel();
    SparList& sparList = source.getSparList();
    SheetingStripTableModel& stripTable = source.getSheetingStripTableModel();
    source.rebuildRibs();
    bool found = false;
    if (change == 3)
        sparList.getEditableSpars().front().setPosition(0, 40.0f);
    if (change == 4)
        stripTable.getStrip(0, found).setThickness(3.0f);
    if (change == 1)
        source.setTipTwist(3.0f);
    if (change == 2) {
        SparsTableModel::setNumberOfRibs(5);
        QVERIFY(sparTable.setData(sparTable.index(0, 3), 3, Qt::EditRole));
    }

    PanelBaseData expected = sparredPanel();
    expected = source;
    expected.rebuildRibs();
    QVERIFY(geometry(expected) != geometry(sparredPanel()) || change == 0);

    const PanelBaseData copy(source);
    QCOMPARE(geometry(copy), geometry(expected));
    PanelBaseData assigned = simplePanel("NACA 2412", "", 300.0f, 4);
    assigned = source;
    QCOMPARE(geometry(assigned), geometry(expected));
}

// A copy shares the ribs' points with its source; an edit of one panel's
// points, or a rebuild of one panel, must never show in the other.
void TestPanelBaseData::copiesShareRibsUntilOneChanges()
{
    PanelBaseData source = sparredPanel();
    const QByteArray built = geometry(source);
    PanelBaseData copy(source);
    const auto& sourceRibs = std::as_const(source).getRibList().getRibs();
    auto& copyRibs = copy.getRibList().getRibs();
    QVERIFY(copyRibs.back().sharesGeometryWith(sourceRibs.back()));

    for (Vector3D* p : copyRibs.front().getRibCoords())
        p->setY(p->getY() + 1.0f);
    copyRibs.back().getRoundSparParts().front()->translate(1.0f, 0.0f, 0.0f);
    QCOMPARE(geometry(source), built);
    QVERIFY(!copyRibs.front().sharesGeometryWith(sourceRibs.front()));

    // The copy's rebuild starts from nothing where the source's refills.
    copy.rebuildRibs();
    QCOMPARE(geometry(copy), built);
    const PanelBaseData second(copy);
    source.setTipTwist(3.0f);
    source.rebuildRibs();
    QVERIFY(geometry(source) != built);
    QCOMPARE(geometry(copy), built);
    QCOMPARE(geometry(second), built);
}

void TestPanelBaseData::zeroRootChordNeverDividesTheRearLimit()
{
    SheetingStripList strips;
    strips.append(SheetingStripDefinition("strip", 0, 1, 3, 20.0f, 20.0f, 1.5f, true, true, true, false, 0.0f,
                                          0.0f, false, false));
    const PanelBaseData data(4, "Flat", "CLARK Y AIRFOIL", "", 0.0f, 0.0f, 0.0f, 300.0f, 0.0f, 0.0f, false, false,
                             true, 3.0f, 3, 150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(1, 20.0f, true, 20.0f,
                                                                                             10.0f, 2.0f),
                             SparList(), strips, CoveringDefinition(SheetingType::Advanced, 25.0f, 1.5f, 0, true,
                                                                    true, true),
                             BuildingTabData(), RibCombList());
    QVERIFY(allFinite(data));
}

QTEST_MAIN(TestPanelBaseData)
#include "tst_panelbasedata.moc"

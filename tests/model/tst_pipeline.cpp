#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Mathematics.h"
#include "foundation/Vector3D.h"
#include "document/PlaneModel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"

namespace {

const int kRibs = 5;

struct Features {
    LEData le;
    TEData te;
    SparList spars;
    SheetingStripList strips;
    CoveringDefinition covering;
    RibCombList combs;
    float dihedral = 0.0f;
    int id = 1;
};

PanelBaseData makePanel(const Features& f, int ribs = kRibs)
{
    return PanelBaseData(f.id, "Panel", "CLARK Y AIRFOIL", "NACA 2412", 200.0f, 150.0f, 20.0f, 400.0f, 0.0f,
                         f.dihedral, false, false, true, 3.0f, ribs, 150.0f, 1.0f, 1.0f, nullptr, f.le, f.te,
                         f.spars, f.strips, f.covering, BuildingTabData(), f.combs);
}

SparDefinition spar(SparType type, int firstRib, int lastRib, float position)
{
    return SparDefinition("spar", type, firstRib, lastRib, position, position, true, false);
}

RibCombData combOver(int type, int firstRib, int lastRib)
{
    RibCombData comb;
    comb.setType(type);
    comb.setFirstRib(firstRib);
    comb.setLastRib(lastRib);
    comb.setPosition(0, 60.0f);
    return comb;
}

// Every coordinate a rebuild leaves in the ribs, in a fixed order, with the
// kind and id of every part.
void appendPoints(std::vector<double>& out, const std::vector<Vector3D*>& points)
{
    out.push_back(1e9 + double(points.size()));
    for (const Vector3D* p : points) {
        out.push_back(p->getX());
        out.push_back(p->getY());
        out.push_back(p->getZ());
    }
}

void appendParts(std::vector<double>& out, const std::vector<IdentifiableObject*>& parts)
{
    out.push_back(2e9 + double(parts.size()));
    for (const IdentifiableObject* part : parts) {
        out.push_back(part->getType());
        out.push_back(part->getId());
        for (const Vertex* p : part->getPoints()) {
            out.push_back(p->getX());
            out.push_back(p->getY());
            out.push_back(p->getZ());
        }
    }
}

std::vector<double> geometryOf(const PanelBaseData& data)
{
    std::vector<double> out;
    for (const RibDefinition& rib : data.getRibList().getRibs()) {
        appendPoints(out, rib.getRibCoords());
        appendPoints(out, rib.getLEPieceCoords());
        appendPoints(out, rib.getTEPieceCoords());
        appendPoints(out, rib.getLETemplateCoords());
        appendPoints(out, rib.getCamberLineCoords());
        for (int i = 0; i < 4; ++i)
            appendPoints(out, rib.getCoveringCoords(i));
        appendParts(out, rib.getSquareSparParts());
        appendParts(out, rib.getRoundSparParts());
        appendParts(out, rib.getTubeSparParts());
        appendParts(out, rib.getCubeTubeParts());
        appendParts(out, rib.getSparWebbingParts());
        appendParts(out, rib.getCubeSparParts());
        appendParts(out, rib.getCoveringPolygons());
        appendParts(out, rib.getCombParts());
    }
    return out;
}

// The farthest any point of outline a lies from the polyline b, leaving out
// the points of a that lie ahead of fromX or behind toX.
double farthestFrom(const std::vector<Vector3D*>& a, const std::vector<Vector3D*>& b, double fromX = -1e30,
                    double toX = 1e30)
{
    double farthest = 0.0;
    for (const Vector3D* p : a) {
        if (p->getX() < fromX || p->getX() > toX)
            continue;
        double nearest = 1e30;
        for (size_t j = 0; j + 1 < b.size(); ++j) {
            const double ax = b[j]->getX();
            const double ay = b[j]->getY();
            const double dx = b[j + 1]->getX() - ax;
            const double dy = b[j + 1]->getY() - ay;
            const double length = dx * dx + dy * dy;
            double t = length > 0.0 ? ((p->getX() - ax) * dx + (p->getY() - ay) * dy) / length : 0.0;
            t = std::min(1.0, std::max(0.0, t));
            nearest = std::min(nearest, std::hypot(ax + t * dx - p->getX(), ay + t * dy - p->getY()));
        }
        farthest = std::max(farthest, nearest);
    }
    return farthest;
}

// Where the outline comes back to a point it has left (within 0.001 mm),
// as a cutter would run a cut out and back; empty when it does not.
// Repeats in a row are one pass; so are the two ends of a closed trailing
// edge. passCount, when given, receives the number of passes.
QString pointPassedTwice(const RibDefinition& rib, float wingRootChord, size_t* passCount = nullptr)
{
    const float tolerance = 0.001f / wingRootChord;
    const auto same = [tolerance](const Vector3D* a, const Vector3D* b) {
        return std::fabs(a->getX() - b->getX()) <= tolerance && std::fabs(a->getY() - b->getY()) <= tolerance;
    };
    std::vector<const Vector3D*> passes;
    for (const Vector3D* p : rib.getRibCoords())
        if (passes.empty() || !same(passes.back(), p))
            passes.push_back(p);
    while (passes.size() > 1 && same(passes.back(), passes.front()))
        passes.pop_back();
    if (passCount)
        *passCount = passes.size();
    for (size_t i = 0; i < passes.size(); ++i)
        for (size_t j = i + 1; j < passes.size(); ++j)
            if (same(passes[i], passes[j]))
                return QStringLiteral("rib at %1: point %2 (%3, %4) passed again at %5")
                    .arg(rib.position)
                    .arg(i)
                    .arg(passes[i]->getX() * wingRootChord)
                    .arg(passes[i]->getY() * wingRootChord)
                    .arg(j);
    return QString();
}

// Where the outline crosses itself (the two segments cross properly, away
// from the points within 0.001 mm of each other that make one pass); empty
// when it does not.
QString crossing(const RibDefinition& rib, float wingRootChord)
{
    const float tolerance = 0.001f / wingRootChord;
    std::vector<const Vector3D*> p;
    for (const Vector3D* q : rib.getRibCoords())
        if (p.empty() || std::fabs(p.back()->getX() - q->getX()) > tolerance
            || std::fabs(p.back()->getY() - q->getY()) > tolerance)
            p.push_back(q);
    const size_t n = p.size();
    const auto side = [](const Vector3D* o, const Vector3D* a, const Vector3D* b) {
        const double c = (double(a->getX()) - o->getX()) * (double(b->getY()) - o->getY())
                         - (double(a->getY()) - o->getY()) * (double(b->getX()) - o->getX());
        return c > 0.0 ? 1 : (c < 0.0 ? -1 : 0);
    };
    for (size_t s = 0; s + 1 < n; ++s)
        for (size_t t = s + 2; t + 1 < n; ++t) {
            const int d1 = side(p[s], p[s + 1], p[t]);
            const int d2 = side(p[s], p[s + 1], p[t + 1]);
            const int d3 = side(p[t], p[t + 1], p[s]);
            const int d4 = side(p[t], p[t + 1], p[s + 1]);
            if (d1 * d2 < 0 && d3 * d4 < 0)
                return QStringLiteral("rib at %1 crosses itself at (%2, %3)")
                    .arg(rib.position)
                    .arg(p[s]->getX() * wingRootChord)
                    .arg(p[s]->getY() * wingRootChord);
        }
    return QString();
}

const RibDefinition& ribNumber(const PanelBaseData& data, int number)
{
    bool found = false;
    return *data.getRibList().getRib(number, found);
}

} // namespace

class TestPipeline : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void rebuildingAgainGivesTheSameRibs();
    void roundSparsAreCutBeforeSquareSpars();
    void rootJoinerOfTheFirstPanelTiltsWithTheDihedral_data();
    void rootJoinerOfTheFirstPanelTiltsWithTheDihedral();
    void combTouchesOnlyItsRibs();
    void combsReachTheBuildingTabLineOnEveryRib();
    void roundLeadingEdgeIsReportedAndNotCut();
    void coveredOutlinePassesNoPointTwice_data();
    void coveredOutlinePassesNoPointTwice();
    void coveredRibStaysWithinItsSheetsOfTheBareRib_data();
    void coveredRibStaysWithinItsSheetsOfTheBareRib();
    void recordsNamingNoRibAreSkipped();
    void coveringStopsAtAnAutoAdjustedTrailingEdge();
    void heightRangeSpansEveryOutlineInMillimetres();

private:
    QTemporaryDir imported;
};

void TestPipeline::initTestCase()
{
    QVERIFY(imported.isValid());
    WingFoils::createInstance(QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/foils_v2"), imported.path());
    QVERIFY(WingFoils::instance()->findAirfoil("CLARK Y AIRFOIL", false) != nullptr);
    QVERIFY(WingFoils::instance()->findAirfoil("NACA 2412", false) != nullptr);
}

void TestPipeline::rebuildingAgainGivesTheSameRibs()
{
    Features f;
    f.le = LEData(1, 8.0f);
    f.te = TEData(1, 20.0f, true, 20.0f, 10.0f, 2.0f);
    f.covering.setSheetingType(SheetingType::Advanced);
    f.strips.append(SheetingStripDefinition("top", 0, 1, 5, 30.0f, 25.0f, 1.5f, false, true, true, false, 0.0f,
                                            0.0f, false, false));
    f.strips.append(SheetingStripDefinition("cap", 0, 2, 4, 10.0f, 10.0f, 1.0f, true, true, true, false, 40.0f,
                                            40.0f, false, true));
    for (SparType type : {SparType::Square, SparType::Round, SparType::Webbing, SparType::Cube})
        f.spars.addSpar(spar(type, 1, kRibs, 25.0f + 10.0f * int(type)));
    f.spars.addSpar(spar(SparType::Tube, 1, 3, 35.0f));
    f.spars.addSpar(spar(SparType::CubeTube, 3, kRibs, 45.0f));
    f.combs.append(combOver(RibCombData::Above, 2, 4));
    f.combs.append(combOver(RibCombData::Below, 1, kRibs));
    f.dihedral = 4.0f;

    PanelBaseData data = makePanel(f);
    const std::vector<double> first = geometryOf(data);
    const float minY = data.getRibMinY();
    const float maxY = data.getRibMaxY();
    data.rebuildRibs();
    QVERIFY(first == geometryOf(data));
    QCOMPARE(data.getRibMinY(), minY);
    QCOMPARE(data.getRibMaxY(), maxY);

    // A copy keeps the part ids, so it rebuilds to the very same ribs.
    const PanelBaseData copy(data);
    QVERIFY(first == geometryOf(copy));
    PanelBaseData assigned;
    assigned = data;
    QVERIFY(first == geometryOf(assigned));
}

void TestPipeline::roundSparsAreCutBeforeSquareSpars()
{
    // The round hole sits inside the square spar's slot; the listed order
    // must not change what is cut.
    Features squareFirst;
    squareFirst.spars.addSpar(spar(SparType::Square, 1, kRibs, 30.0f));
    squareFirst.spars.addSpar(spar(SparType::Round, 1, kRibs, 31.0f));
    Features roundFirst;
    roundFirst.spars.addSpar(squareFirst.spars.getSpars().back());
    roundFirst.spars.addSpar(squareFirst.spars.getSpars().front());

    const std::vector<double> a = geometryOf(makePanel(squareFirst));
    const std::vector<double> b = geometryOf(makePanel(roundFirst));
    QVERIFY(a == b);

    // Which goes first shows on the round spar's station point: cut first,
    // it lies on the surface and the slot then sinks it with the slot floor,
    // off its station; cut after the slot it would sit on the floor exactly
    // at its station. The slot lies near the nose, where the surface slopes.
    const auto upperPointsAtStation = [](const PanelBaseData& data, float percent) {
        int count = 0;
        for (const RibDefinition& rib : data.getRibList().getRibs()) {
            const float station = rib.getOffsetX() + rib.getChord() * percent / 100.0f / 200.0f;
            const auto& outline = rib.getRibCoords();
            for (size_t i = 0; i < outline.size() / 2; ++i) {
                if (std::fabs(outline[i]->getX() - station) < 1e-6f)
                    ++count;
            }
        }
        return count;
    };
    Features roundOnly;
    roundOnly.spars.addSpar(spar(SparType::Round, 1, kRibs, 11.3f));
    QCOMPARE(upperPointsAtStation(makePanel(roundOnly), 11.3f), kRibs);
    Features slotAfterRound = roundOnly;
    slotAfterRound.spars.addSpar(spar(SparType::Square, 1, kRibs, 11.3f));
    QCOMPARE(upperPointsAtStation(makePanel(slotAfterRound), 11.3f), 0);
}

void TestPipeline::rootJoinerOfTheFirstPanelTiltsWithTheDihedral_data()
{
    QTest::addColumn<int>("firstRib");
    QTest::addColumn<int>("planePanelId"); // 0: the plane holds no panel
    QTest::addColumn<bool>("tilted");
    QTest::newRow("from the root of a lone panel") << 1 << 0 << true;
    QTest::newRow("not from the root") << 2 << 0 << false;
    QTest::newRow("from the root of the first panel") << 1 << 1 << true;
    QTest::newRow("from the root of a second panel") << 1 << 9 << false;
}

void TestPipeline::rootJoinerOfTheFirstPanelTiltsWithTheDihedral()
{
    QFETCH(int, firstRib);
    QFETCH(int, planePanelId);
    QFETCH(bool, tilted);

    PanelsTableModel* planePanels = PlaneModel::instance()->getPanelsTableModel();
    if (planePanels != nullptr && planePanels->rowCount() > 0)
        planePanels->clear();
    if (planePanelId != 0) {
        Features first;
        first.id = planePanelId;
        planePanels->addOrUpdatePanel(makePanel(first));
    }
    Features f;
    f.dihedral = 6.0f;
    f.spars.addSpar(spar(SparType::Tube, firstRib, kRibs, 30.0f));
    const PanelBaseData data = makePanel(f);
    if (planePanelId != 0)
        planePanels->clear();
    const float wrc = data.getWingRootChord();

    Vertex centreFirst;
    Vertex centreLast;
    const RibDefinition& first = ribNumber(data, firstRib);
    const RibDefinition& last = ribNumber(data, kRibs);
    QCOMPARE(int(first.getTubeSparParts().size()), 1);
    QCOMPARE(int(last.getTubeSparParts().size()), 1);
    first.getTubeSparParts().front()->getCentroid(centreFirst);
    last.getTubeSparParts().front()->getCentroid(centreLast);

    const float expected =
        tilted ? (last.position - first.position) * std::sin(Mathematics::degToRad(-3.0f)) / wrc : 0.0f;
    QVERIFY2(std::abs((centreLast.getY() - centreFirst.getY()) - expected) < 1e-5f,
             qPrintable(QString::number(centreLast.getY() - centreFirst.getY())));
    if (tilted)
        QVERIFY(expected < -1e-3f);
}

void TestPipeline::combTouchesOnlyItsRibs()
{
    Features plain;
    Features combed;
    combed.combs.append(combOver(RibCombData::Below, 2, 4));
    const PanelBaseData without = makePanel(plain);
    const PanelBaseData with = makePanel(combed);

    for (int k = 1; k <= kRibs; ++k) {
        const RibDefinition& a = ribNumber(without, k);
        const RibDefinition& b = ribNumber(with, k);
        const bool inside = k >= 2 && k <= 4;
        QCOMPARE(int(b.getCombParts().size()), inside ? 3 : 0);
        std::vector<double> pa;
        std::vector<double> pb;
        appendPoints(pa, a.getRibCoords());
        appendPoints(pb, b.getRibCoords());
        QCOMPARE(pa == pb, !inside);
    }
}

void TestPipeline::combsReachTheBuildingTabLineOnEveryRib()
{
    Features f;
    RibCombData below = combOver(RibCombData::Below, 1, kRibs);
    RibCombData above = combOver(RibCombData::Above, 1, kRibs);
    below.setExtendToBuildingTabs(true);
    above.setExtendToBuildingTabs(true);
    // The notch takes the gaps; the body keeps the comb's own width.
    for (RibCombData* comb : {&below, &above}) {
        comb->setCutoutGapFore(1.0f);
        comb->setCutoutGapAft(0.5f);
    }
    f.combs.append(below);
    f.combs.append(above);
    f.te = TEData(1, 20.0f, false, 20.0f, 10.0f, 2.0f);
    const PanelBaseData data = makePanel(f);
    const float wrc = data.getWingRootChord();
    const float bottom = (data.getRibMinY() - 5.5f) / wrc;
    const float top = (data.getRibMaxY() + 5.5f) / wrc;

    int bodies = 0;
    for (const RibDefinition& rib : data.getRibList().getRibs()) {
        for (const IdentifiableObject* part : rib.getCombParts()) {
            if (part->getType() != 10)
                continue;
            ++bodies;
            const bool isBelow = part->getId() == below.getFirstPartId();
            const float line = isBelow ? part->getMinProjection(Vertex(0, 1, 0))
                                       : part->getMaxProjection(Vertex(0, 1, 0));
            QVERIFY(std::abs(line - (isBelow ? bottom : top)) < 1e-6f);
            const float width = part->getMaxProjection(Vertex(1, 0, 0)) - part->getMinProjection(Vertex(1, 0, 0));
            QVERIFY2(std::abs(width * wrc - below.getWidth()) < 1e-3f, qPrintable(QString::number(width * wrc)));
        }
    }
    QCOMPARE(bodies, 2 * kRibs);
}

void TestPipeline::roundLeadingEdgeIsReportedAndNotCut()
{
    Features none;
    Features round;
    round.le = LEData(5, 8.0f);
    const std::vector<double> uncut = geometryOf(makePanel(none));
    std::vector<double> cut;
    const auto out = TestSupport::captureOutput([&] { cut = geometryOf(makePanel(round)); });
    QVERIFY(QString::fromStdString(out.out)
                .contains("Implement this LE type at void PanelBaseData::applyModificationsToPanelRibs(float, float, "
                          "float, float, float, float, bool, bool, bool, float, float, const LEData&, const "
                          "TEData&, const SparList&, const SheetingStripList&, const CoveringDefinition&, const "
                          "RibCombList&), "));
    QVERIFY(QString::fromStdString(out.out).contains(": 5\n"));
    QVERIFY(cut == uncut);

    for (int type : {2, 3, 4}) {
        Features other;
        other.le = LEData(type, 8.0f);
        std::vector<double> g;
        const auto quiet = TestSupport::captureOutput([&] { g = geometryOf(makePanel(other)); });
        QVERIFY(quiet.out.empty());
        QVERIFY(g == uncut);
    }
}

void TestPipeline::coveredOutlinePassesNoPointTwice_data()
{
    QTest::addColumn<int>("leType");
    QTest::addColumn<bool>("fromTE");
    for (int type : {0, 1, 2, 3, 4, 5}) {
        QTest::addRow("LE type %d, sheet from the LE", type) << type << false;
        QTest::addRow("LE type %d, sheet from the TE", type) << type << true;
    }
}

void TestPipeline::coveredOutlinePassesNoPointTwice()
{
    // A cutter runs an outline that comes back to a point it has left as a
    // cut out and back: the sheet's front end must not leave such a spike
    // at the nose, whatever the leading edge.
    QFETCH(int, leType);
    QFETCH(bool, fromTE);
    Features f;
    f.le = LEData(leType, 8.0f);
    f.te = TEData(1, 20.0f, true, 20.0f, 10.0f, 2.0f);
    f.covering.setSheetingType(SheetingType::Advanced);
    f.strips.append(SheetingStripDefinition("sheet", 0, 1, kRibs, 100.0f, 100.0f, 3.0f, true, true, !fromTE,
                                            false, 0.0f, 0.0f, false, false));
    PanelBaseData data;
    TestSupport::captureOutput([&] { data = makePanel(f); });
    for (const RibDefinition& rib : data.getRibList().getRibs()) {
        size_t passes = 0;
        const QString twice = pointPassedTwice(rib, data.getWingRootChord(), &passes);
        QVERIFY(passes > 100);
        QVERIFY2(twice.isEmpty(), qPrintable(twice));
    }
}

void TestPipeline::coveredRibStaysWithinItsSheetsOfTheBareRib_data()
{
    // Each row builds the tip airfoil's panel under every sheet thickness
    // and band length (bands of 10 to 50 % end mid-chord), with and without
    // covering. The thin tips sink their noses furthest.
    QTest::addColumn<QString>("tip");
    QTest::addColumn<int>("leType");
    QTest::addColumn<bool>("standard");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<bool>("lower");
    QTest::addColumn<bool>("fromTE");
    for (const char* tip : {"NACA 0009", "NACA 2409", "NACA 0012", "CLARK Y AIRFOIL"})
        QTest::addRow("%s tip, no LE piece, both sides", tip) << tip << 0 << false << true << true << false;
    for (int type : {1, 2, 3, 4})
        QTest::addRow("LE type %d, both sides", type) << "NACA 0009" << type << false << true << true << false;
    QTest::newRow("standard covering, no LE piece") << "NACA 0009" << 0 << true << true << true << false;
    QTest::newRow("standard covering, LE piece") << "NACA 0009" << 1 << true << true << true << false;
    QTest::newRow("standard covering, upper side") << "NACA 0009" << 0 << true << true << false << false;
    QTest::newRow("upper side") << "NACA 0009" << 0 << false << true << false << false;
    QTest::newRow("lower side") << "NACA 0009" << 0 << false << false << true << false;
    QTest::newRow("measured from the TE") << "NACA 0009" << 0 << false << true << true << true;
}

void TestPipeline::coveredRibStaysWithinItsSheetsOfTheBareRib()
{
    // Sheeting only sinks the surface it covers: whatever the outline
    // clean-up mends afterwards must stay within the sheet of the rib built
    // without it, must not reach around the nose to the other surface, and
    // must leave no cut out and back and no loop.
    QFETCH(QString, tip);
    QFETCH(int, leType);
    QFETCH(bool, standard);
    QFETCH(bool, upper);
    QFETCH(bool, lower);
    QFETCH(bool, fromTE);
    const int ribs = 8;
    int checked = 0;
    QStringList strays;
    for (float sheet : {0.5f, 0.8f, 1.0f, 1.5f, 1.75f, 2.5f}) {
        for (float band : {10.0f, 20.0f, 30.0f, 50.0f, 100.0f}) {
            Features bare;
            bare.le = LEData(leType, 8.0f);
            Features covered = bare;
            if (standard) {
                covered.covering = CoveringDefinition(SheetingType::Standard, band, sheet, 0, true, upper, lower);
            } else {
                covered.covering.setSheetingType(SheetingType::Advanced);
                covered.strips.append(SheetingStripDefinition("band", 0, 1, ribs, band, band, sheet, lower, upper,
                                                              !fromTE, false, fromTE ? 100.0f - band : 0.0f,
                                                              0.0f, false, false));
            }
            const auto build = [&](const Features& f) {
                return PanelBaseData(1, "Panel", "CLARK Y AIRFOIL", tip, 200.0f, 100.0f, 0.0f, 362.0f, 0.0f, 0.0f,
                                     false, false, true, 2.0f, ribs, 150.0f, 1.0f, 1.0f, nullptr, f.le, f.te,
                                     f.spars, f.strips, f.covering, BuildingTabData(), f.combs);
            };
            PanelBaseData withoutSheet;
            PanelBaseData withSheet;
            TestSupport::captureOutput([&] {
                withoutSheet = build(bare);
                withSheet = build(covered);
            });
            const float wrc = withSheet.getWingRootChord();
            auto bareRib = withoutSheet.getRibList().getRibs().begin();
            for (const RibDefinition& rib : withSheet.getRibList().getRibs()) {
                const auto& a = rib.getRibCoords();
                const auto& b = (bareRib++)->getRibCoords();
                // Where the sheets of both sides meet inside the rib, the rib
                // ends there: the bare rib ahead of its end (or behind it) is
                // all sheet.
                const auto [front, back] = std::minmax_element(
                    a.begin(), a.end(), [](const Vector3D* p, const Vector3D* q) { return p->getX() < q->getX(); });
                const double apart = std::max(farthestFrom(a, b), farthestFrom(b, a, (*front)->getX() + sheet / wrc,
                                                                                (*back)->getX() - sheet / wrc))
                                     * wrc;
                ++checked;
                for (const QString& fault : {pointPassedTwice(rib, wrc), crossing(rib, wrc)})
                    if (!fault.isEmpty())
                        strays << QStringLiteral("%1 mm sheet, %2 % band, %3").arg(sheet).arg(band).arg(fault);
                if (apart > sheet + 0.25)
                    strays << QStringLiteral("%1 mm sheet, %2 % band, rib at %3: %4 mm")
                                  .arg(sheet)
                                  .arg(band)
                                  .arg(rib.position)
                                  .arg(apart, 0, 'f', 2);
            }
        }
    }
    QCOMPARE(checked, 6 * 5 * ribs);
    QVERIFY2(strays.isEmpty(), qPrintable(QString::number(strays.size()) + " strays: " + strays.join("; ")));
}

void TestPipeline::recordsNamingNoRibAreSkipped()
{
    // Foreign documents may carry rib numbers the panel does not have.
    Features f;
    f.spars.addSpar(spar(SparType::Round, 0, 3, 30.0f));
    f.spars.addSpar(spar(SparType::Square, -2, 0, 30.0f));
    f.covering.setSheetingType(SheetingType::Advanced);
    f.strips.append(SheetingStripDefinition("bad", 0, 0, 2, 30.0f, 30.0f, 1.5f, true, true, true, false, 0.0f,
                                            0.0f, false, false));
    f.combs.append(combOver(RibCombData::Below, 0, 3));
    f.combs.append(combOver(RibCombData::Above, 2, 9));

    const std::vector<double> plain = geometryOf(makePanel(Features()));
    QVERIFY(geometryOf(makePanel(f)) == plain);
}

void TestPipeline::coveringStopsAtAnAutoAdjustedTrailingEdge()
{
    // The trailing edge thins with the chord (20 mm at the 200 mm root), and
    // a sheet over the whole chord ends where it begins on every rib.
    Features f;
    f.te = TEData(1, 20.0f, true, 20.0f, 10.0f, 2.0f);
    f.covering.setSheetingType(SheetingType::Advanced);
    f.strips.append(SheetingStripDefinition("all", 0, 1, kRibs, 100.0f, 100.0f, 1.0f, false, true, true, false,
                                            0.0f, 0.0f, false, false));
    const PanelBaseData data = makePanel(f);
    for (const RibDefinition& rib : data.getRibList().getRibs()) {
        const float teDepth = 20.0f * rib.getChord() / 200.0f;
        QVERIFY(std::fabs(rib.getTEDepth(200.0f) - teDepth) < 0.01f);
        QCOMPARE(int(rib.getCoveringPolygons().size()), 1);
        float rearmost = -1.0f;
        for (const Vertex* p : rib.getCoveringPolygons().front()->getPoints())
            rearmost = std::max(rearmost, (p->getX() - rib.getOffsetX()) * 200.0f);
        QVERIFY2(std::fabs(rearmost - (rib.getChord() - teDepth)) < 0.01f, qPrintable(QString::number(rearmost)));
    }
}

void TestPipeline::heightRangeSpansEveryOutlineInMillimetres()
{
    Features f;
    f.le = LEData(1, 8.0f);
    f.spars.addSpar(spar(SparType::Square, 1, kRibs, 30.0f));
    const PanelBaseData data = makePanel(f);
    float low = 1e9f;
    float high = -1e9f;
    for (const RibDefinition& rib : data.getRibList().getRibs()) {
        for (const Vector3D* p : rib.getRibCoords()) {
            low = std::min(low, p->getY() * 200.0f);
            high = std::max(high, p->getY() * 200.0f);
        }
    }
    QVERIFY(high - low > 10.0f);
    QVERIFY(std::fabs(data.getRibMinY() - low) < 1e-3f);
    QVERIFY(std::fabs(data.getRibMaxY() - high) < 1e-3f);
}

QTEST_MAIN(TestPipeline)
#include "tst_pipeline.moc"

#include <QtTest>

#include "airfoils/Airfoil.h"
#include "foundation/DialogSeam.h"
#include "foundation/GLUtils.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/CoveringDefinition.h"
#include "model/RibDefinition.h"
#include "model/RibList.h"
#include "model/RibListTableModel.h"
#include "model/RibModifierCoveringAdvanced.h"
#include "model/RibModifierCoveringStandard.h"
#include "model/RibModifierStandardLE.h"
#include "model/RibModifierStandardTE.h"
#include "model/LEData.h"
#include "model/TEData.h"
#include "model/RibModifierSquareSpar.h"
#include "model/SheetingStripList.h"
#include "model/SparDefinition.h"
#include "CoveringPanel.h"
#include "SheetedRibMeasures.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

const IdentifiableObject* polygonWithId(const RibDefinition& rib, int id)
{
    for (const IdentifiableObject* p : rib.getCoveringPolygons())
        if (p->getId() == id)
            return p;
    return nullptr;
}

} // namespace

class TestCovering : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void bandsSinkBySheetThicknessAndStopAtCamberLine_data();
    void bandsSinkBySheetThicknessAndStopAtCamberLine();
    void stripMeasuredFromTrailingEdgeSitsAtItsOffset();
    void stripEndsAtTheRearLimit();
    void stripLengthIsInterpolatedAlongThePanel();
    void startFromTrailingEdgeStopsAtTheFrontLimit_data();
    void startFromTrailingEdgeStopsAtTheFrontLimit();
    void stripsOutsideTheRibRangeOrPanelAreSkipped();
    void standardCoveringFillsListsOnlyWhereExtended_data();
    void standardCoveringFillsListsOnlyWhereExtended();
    void failedBandLeavesItsOwnListsEmpty();
    void everyCoveringIsValid();
    void sheetedSlotReachesAtLeastTheBareSlot_data();
    void sheetedSlotReachesAtLeastTheBareSlot();
};

void TestCovering::init()
{
    DialogSeam::setScripted(true);
}

void TestCovering::bandsSinkBySheetThicknessAndStopAtCamberLine_data()
{
    QTest::addColumn<float>("thickness");
    QTest::addColumn<float>("length");
    QTest::addColumn<bool>("reachesThinTail");
    QTest::newRow("thin sheet, front") << 1.5f << 60.0f << false;
    QTest::newRow("thin sheet, whole chord") << 1.5f << 100.0f << true;
    QTest::newRow("thick sheet, whole chord") << 4.0f << 100.0f << true;
}

void TestCovering::bandsSinkBySheetThicknessAndStopAtCamberLine()
{
    QFETCH(float, thickness);
    QFETCH(float, length);
    QFETCH(bool, reachesThinTail);
    RibListTableModel table;
    makePanel(table);
    RibDefinition& rib = ribAt(table, 2);
    const int before = int(rib.getRibCoords().size());
    SheetingStripList strips;
    SheetingStripDefinition s = strip(length, 0, true, true);
    s.setThickness(thickness);
    strips.append(s);
    RibModifierCoveringAdvanced().apply(rib, 2, 0, 0, CoveringDefinition(), strips, wingRootChord, table);

    // Two splits and four duplicated cut points.
    QCOMPARE(int(rib.getRibCoords().size()), before + 6);
    QCOMPARE(int(rib.getCoveringPolygons().size()), 2);
    const int upperId = strips.getStrips().front().getId(1);
    const int lowerId = strips.getStrips().front().getId(0);
    QCOMPARE(rib.getCoveringPolygons()[0]->getId(), upperId);
    QCOMPARE(rib.getCoveringPolygons()[1]->getId(), lowerId);
    QCOMPARE(rib.getCoveringPolygons()[0]->getColor(), GLUtils::colorCovering);

    const float depth = thickness / wingRootChord;
    int clipped = 0;
    for (int side = 0; side < 2; ++side) {
        const IdentifiableObject& band = *rib.getCoveringPolygons()[size_t(side)];
        const auto& points = band.getPoints();
        QVERIFY(points.size() > 20);
        QCOMPARE(points.size() % 2, size_t(0));
        const size_t half = points.size() / 2;
        for (size_t k = 0; k < half; ++k) {
            const Vertex& outer = *points[k];
            const Vertex& inner = *points[points.size() - 1 - k];
            const float distance = outer.distance(inner);
            const float meanLine = float(camber(inner.getX()));
            // The sheet lies on the rib: its inner face is below the upper
            // surface and above the lower one, and faces into the rib.
            if (side == 0)
                QVERIFY(inner.getY() <= outer.getY() + 1e-7f);
            else
                QVERIFY(inner.getY() >= outer.getY() - 1e-7f);
            QVERIFY(outer.getNormal() && inner.getNormal());
            QVERIFY(std::fabs(inner.getNormal()->getX() + outer.getNormal()->getX()) < 1e-6f);
            QVERIFY(std::fabs(inner.getNormal()->getY() + outer.getNormal()->getY()) < 1e-6f);
            if (outer.getX() > 0.1f) {
                // Behind the nose the sheet never cuts through the mean line.
                if (side == 0)
                    QVERIFY2(inner.getY() >= meanLine - 1e-4f, qPrintable(QString::number(inner.getX())));
                else
                    QVERIFY2(inner.getY() <= meanLine + 1e-4f, qPrintable(QString::number(inner.getX())));
            }
            if (std::fabs(distance - depth) > 1e-5f) {
                // Only a point held back by the mean line may sink less.
                QVERIFY(distance < depth);
                QVERIFY(outer.getX() > 0.1f);
                QVERIFY(std::fabs(inner.getY() - meanLine) < 1e-4f);
                ++clipped;
            }
        }
    }
    // Near the trailing edge the rib is thinner than the sheet.
    if (reachesThinTail)
        QVERIFY(clipped > 0);
    else
        QCOMPARE(clipped, 0);
}

void TestCovering::stripMeasuredFromTrailingEdgeSitsAtItsOffset()
{
    RibListTableModel table;
    makePanel(table);
    RibDefinition& rib = ribAt(table, 1);
    SheetingStripList strips;
    SheetingStripDefinition s = strip(20, 10, false, false);
    s.setLower(false);
    strips.append(s);
    RibModifierCoveringAdvanced().apply(rib, 1, 0, 0, CoveringDefinition(), strips, wingRootChord, table);

    QCOMPARE(int(rib.getCoveringPolygons().size()), 1);
    const IdentifiableObject& band = *rib.getCoveringPolygons().front();
    QCOMPARE(band.getId(), strips.getStrips().front().getId(1));
    const auto outer = outerPoints(band);
    // 10 mm ahead of the trailing edge, reaching 20 mm forward from there.
    QVERIFY(std::fabs(outer.front()->getX() - 190.0f / wingRootChord) < 1e-6f);
    QVERIFY(std::fabs(outer.back()->getX() - 170.0f / wingRootChord) < 1e-6f);
}

void TestCovering::stripEndsAtTheRearLimit()
{
    RibListTableModel table;
    makePanel(table);
    RibDefinition& rib = ribAt(table, 1);
    SheetingStripList strips;
    strips.append(strip(100, 10, true, true));
    RibModifierCoveringAdvanced().apply(rib, 1, 0, 25, CoveringDefinition(), strips, wingRootChord, table);
    const IdentifiableObject& band = *polygonWithId(rib, strips.getStrips().front().getId(1));
    const auto outer = outerPoints(band);
    QVERIFY(std::fabs(outer.front()->getX() - 175.0f / wingRootChord) < 1e-6f);
    QVERIFY(std::fabs(outer.back()->getX() - 20.0f / wingRootChord) < 1e-6f);
}

void TestCovering::stripLengthIsInterpolatedAlongThePanel()
{
    RibListTableModel table;
    makePanel(table);
    SheetingStripList strips;
    SheetingStripDefinition s = strip(20, 0, true, true);
    s.setSeparateLastPosition(true);
    s.setPosition(1, 40);
    strips.append(s);
    const int id = strips.getStrips().front().getId(1);
    // The strip ends on the panel's last rib, whose far face is the tip: the
    // rib at 100 of a 200 mm span is halfway, and the last rib is the end.
    const float expected[3] = {40.0f, 60.0f, 80.0f};
    for (int number = 1; number <= 3; ++number) {
        RibDefinition& rib = ribAt(table, number);
        RibModifierCoveringAdvanced().apply(rib, number, 0, 0, CoveringDefinition(), strips, wingRootChord, table);
        const IdentifiableObject* band = polygonWithId(rib, id);
        QVERIFY(band);
        QVERIFY2(std::fabs(outerPoints(*band).front()->getX() - expected[number - 1] / wingRootChord) < 1e-5f,
                 qPrintable(QString::number(number)));
    }
}

void TestCovering::startFromTrailingEdgeStopsAtTheFrontLimit_data()
{
    QTest::addColumn<bool>("fromLE");
    QTest::newRow("from the leading edge") << true;
    QTest::newRow("from the trailing edge") << false;
}

void TestCovering::startFromTrailingEdgeStopsAtTheFrontLimit()
{
    QFETCH(bool, fromLE);
    // Ribs whose nose was taken off 8 mm behind the leading edge.
    RibListTableModel table;
    makePanel(table, 200, 8.0 / 200.0);
    RibDefinition& rib = ribAt(table, 1);
    const int before = int(rib.getRibCoords().size());
    SheetingStripList strips;
    // A band over the whole chord, asked to start at the very leading edge.
    strips.append(strip(100, 0, fromLE, true));
    RibModifierCoveringAdvanced().apply(rib, 1, 8, 0, CoveringDefinition(), strips, wingRootChord, table);

    // The band begins at the two points where the nose was cut off: no new
    // front station, nothing ahead of the cut.
    QCOMPARE(int(rib.getRibCoords().size()), before + 6);
    QVERIFY(minX(rib.getRibCoords()) >= 8.0f / wingRootChord - 1e-6f);
    const auto outer = outerPoints(*polygonWithId(rib, strips.getStrips().front().getId(1)));
    QVERIFY(std::fabs(outer.back()->getX() - 8.0f / wingRootChord) < 1e-6f);
}

void TestCovering::stripsOutsideTheRibRangeOrPanelAreSkipped()
{
    RibListTableModel table;
    makePanel(table);
    SheetingStripList strips;
    SheetingStripDefinition later = strip(30, 0, true, true);
    later.setFirstRib(2);
    strips.append(later);
    SheetingStripDefinition foreign = strip(30, 0, true, true);
    foreign.setFirstRib(0);
    foreign.setLastRib(2);
    strips.append(foreign);
    RibDefinition& rib = ribAt(table, 1);
    const int before = int(rib.getRibCoords().size());
    RibModifierCoveringAdvanced().apply(rib, 1, 0, 0, CoveringDefinition(), strips, wingRootChord, table);
    QCOMPARE(int(rib.getRibCoords().size()), before);
    QVERIFY(rib.getCoveringPolygons().empty());
}

void TestCovering::standardCoveringFillsListsOnlyWhereExtended_data()
{
    QTest::addColumn<int>("extend");
    QTest::newRow("no extension") << 0;
    QTest::newRow("first two ribs") << 2;
}

void TestCovering::standardCoveringFillsListsOnlyWhereExtended()
{
    QFETCH(int, extend);
    RibListTableModel table;
    makePanel(table);
    const CoveringDefinition covering(SheetingType::Standard, 30, 1.5f, extend, true, true, true);
    for (int number = 1; number <= 3; ++number) {
        RibDefinition& rib = ribAt(table, number);
        RibModifierCoveringStandard().apply(rib, number, 0, 20, covering, SheetingStripList(), wingRootChord,
                                            table);
        const bool extended = number <= extend;
        QVERIFY(!rib.getCoveringCoords(0).empty());
        QVERIFY(!rib.getCoveringCoords(1).empty());
        QCOMPARE(rib.getCoveringCoords(2).empty(), !extended);
        QCOMPARE(rib.getCoveringCoords(3).empty(), !extended);
        // List 0 is the upper band from the nose to 30 % of the chord.
        const auto& upper = rib.getCoveringCoords(0);
        QVERIFY(std::fabs(upper.front()->getX() - 60.0f / wingRootChord) < 1e-6f);
        QVERIFY(upper.front()->getY() > 0);
        QVERIFY(rib.getCoveringCoords(1).front()->getY() < 0);
        if (extended) {
            // The continuation runs from just behind the band to the rear limit.
            QVERIFY(std::fabs(rib.getCoveringCoords(2).front()->getX() - 180.0f / wingRootChord) < 1e-6f);
            QVERIFY(rib.getCoveringCoords(3).front()->getY() < 0);
        }
    }
}

void TestCovering::failedBandLeavesItsOwnListsEmpty()
{
    // On a 10 mm rib the 27 % band ends inside the 8 mm leading edge: it
    // cannot be cut, while the extended covering behind it can.
    RibListTableModel table;
    makePanel(table, 10);
    const CoveringDefinition covering(SheetingType::Standard, 27, 1.0f, 3, true, true, true);
    RibDefinition& rib = ribAt(table, 1);
    RibModifierCoveringStandard().apply(rib, 1, 8, 0, covering, SheetingStripList(), wingRootChord, table);
    QCOMPARE(int(rib.getCoveringPolygons().size()), 2);
    QVERIFY(rib.getCoveringCoords(0).empty());
    QVERIFY(rib.getCoveringCoords(1).empty());
    QVERIFY(!rib.getCoveringCoords(2).empty());
    QVERIFY(!rib.getCoveringCoords(3).empty());
    QVERIFY(rib.getCoveringCoords(2).front()->getY() > rib.getCoveringCoords(3).front()->getY());
}

void TestCovering::everyCoveringIsValid()
{
    QString message = "unchanged";
    const CoveringDefinition odd(SheetingType::Advanced, -5, 0, -3, false, false, false);
    QVERIFY(odd.validate(message, RibList()));
    QCOMPARE(message, QString("unchanged"));
    const CoveringDefinition defaults;
    QCOMPARE(defaults.getSheetingType(), SheetingType::None);
    QCOMPARE(defaults.getLength(), 27.0f);
    QCOMPARE(defaults.getThickness(), 1.0f);
}

void TestCovering::sheetedSlotReachesAtLeastTheBareSlot_data()
{
    QTest::addColumn<float>("chord");
    QTest::addColumn<float>("sparAt");
    QTest::addColumn<float>("bandFrom");
    QTest::addColumn<float>("bandTo");
    QTest::addColumn<float>("sheet");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<bool>("lower");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<bool>("vertical");
    // Sheets that leave too little rib for both slots at full depth ahead
    // of their end, which lies inside the slots: behind it the slots must
    // still reach as deep as the bare rib's.
    QTest::newRow("band ending inside the slots") << 60.0f << 25.0f << 0.0f << 27.0f << 2.0f << true << true
                                                  << QByteArray() << false;
    // The web to the unsheeted side keeps the slots short of full depth in
    // the bare rib too; the sheet must not make the lower slot shallower.
    QTest::newRow("one-sided sheet on a thin rib") << 40.0f << 25.0f << 0.0f << 100.0f << 1.0f << true << false
                                                   << QByteArray() << false;
    // Where the surface slopes the slots are cut along its normal, so their
    // walls lean: moved by the sheet, they must move along the chord with it.
    QTest::newRow("leaning slot walls") << 200.0f << 4.0f << 0.0f << 100.0f << 1.2f << true << true << QByteArray()
                                        << false;
    // A band starting a hair behind a slot's rear wall: its end face leans
    // forwards over the wall's station, which must not move the wall off it,
    // nor the floor's corner past the face into the sheet.
    QTest::newRow("band starting behind the rear wall")
        << 100.0f << 45.0f << 47.5f << 100.0f << 2.5f << true << false << QByteArray("naca0030.dat") << false;
    // A band ending a hair inside a slot: the sliver of slot under it is
    // no deeper groove than a cutter can follow.
    QTest::newRow("band ending just inside the front wall")
        << 100.0f << 25.0f << 0.0f << 23.0f << 2.5f << true << false << QByteArray("naca0030.dat") << false;
    // The rear wall at the section's thickest point, where the sheet barely
    // moves the surface along the chord: it moves with the front wall all the
    // same, or the slot closes in.
    QTest::newRow("rear wall at the thickest point")
        << 60.0f << 25.0f << 0.0f << 100.0f << 2.5f << false << true << QByteArray("naca0030.dat") << false;
    // A band ending inside a lower slot where the surface rises: the sheet
    // moves it forwards at the front wall by a few hundredths, and the wall
    // must move with it.
    QTest::newRow("band ending inside a lower slot")
        << 100.0f << 25.0f << 0.0f << 25.0f << 1.0f << false << true << QByteArray("e385.dat") << false;
    // A band ending just behind a steep slot's rear wall: the rear wall
    // stays at its station, and so must the front wall the sheet moves in.
    QTest::newRow("band ending just behind a steep rear wall")
        << 82.0f << 25.0f << 0.0f << 28.0f << 2.5f << true << false << QByteArray("e587.dat") << false;
    // A band starting inside a slot whose walls lean: only the rear wall is
    // sunk, and it must stay on the bare wall's line across the sheet.
    QTest::newRow("band starting inside a leaning slot")
        << 82.0f << 45.0f << 47.5f << 100.0f << 1.0f << true << false << QByteArray("fx63143.dat") << false;
    // Vertical walls stand where the bare rib's do under any sheet.
    QTest::newRow("vertical cut under a sheet") << 200.0f << 4.0f << 0.0f << 100.0f << 1.2f << true << true
                                                << QByteArray() << true;
}

void TestCovering::sheetedSlotReachesAtLeastTheBareSlot()
{
    QFETCH(float, chord);
    QFETCH(float, sparAt);
    QFETCH(float, bandFrom);
    QFETCH(float, bandTo);
    QFETCH(float, sheet);
    QFETCH(bool, upper);
    QFETCH(bool, lower);
    QFETCH(QByteArray, section);
    QFETCH(bool, vertical);
    RibListTableModel bareTable;
    RibListTableModel coveredTable;
    makePanel(bareTable, chord);
    makePanel(coveredTable, chord);
    for (RibListTableModel* table : {&bareTable, &coveredTable})
        QVERIFY(section.isEmpty() || shapeRibAsPublicSection(ribAt(*table, 2), chord, section.constData()));
    SheetingStripList strips;
    SheetingStripDefinition band = strip(bandTo - bandFrom, bandFrom, true, true);
    band.setThickness(sheet);
    band.setUpper(upper);
    band.setLower(lower);
    strips.append(band);
    RibDefinition& covered = ribAt(coveredTable, 2);
    RibModifierCoveringAdvanced().apply(covered, 2, 0, 0, CoveringDefinition(), strips, wingRootChord, coveredTable);
    SparDefinition spar("main", SparType::Square, 1, 3, sparAt, sparAt, true, false);
    spar.setSquareSparVerticalCut(vertical);
    for (RibListTableModel* table : {&bareTable, &coveredTable})
        RibModifierSquareSpar().apply(ribAt(*table, 2), 2, spar, chord, ribAt(*table, 1), ribAt(*table, 3),
                                      ribAt(*table, 2), 0.0f, wingRootChord, false, 0.0f, true);
    const RibDefinition& bare = ribAt(bareTable, 2);
    QCOMPARE(covered.getSquareSparParts().size(), size_t(2));
    const double outside = farthestOutside(covered.getRibCoords(), bare.getRibCoords()) * wingRootChord;
    QVERIFY2(outside <= 0.25, qPrintable(QString::number(outside) + " mm outside the bare rib"));
    // The spar goes into the sheeted rib as into the bare one: each slot is
    // no narrower square to its walls, to two hundredths of a millimetre.
    for (size_t k = 0; k < 2; ++k) {
        const auto mouth = [&](const RibDefinition& rib) {
            const auto& c = rib.getSquareSparParts()[k]->getPoints();
            const QPointF wall(c[2]->getX() - c[1]->getX() + c[3]->getX() - c[0]->getX(),
                               c[2]->getY() - c[1]->getY() + c[3]->getY() - c[0]->getY());
            const QPointF across(c[0]->getX() - c[1]->getX(), c[0]->getY() - c[1]->getY());
            return std::fabs(across.x() * wall.y() - across.y() * wall.x()) / std::hypot(wall.x(), wall.y())
                   * wingRootChord;
        };
        QVERIFY2(mouth(covered) >= mouth(bare) - 0.02,
                 qPrintable(QString("slot %1 %2 mm wide, bare %3 mm").arg(k).arg(mouth(covered)).arg(mouth(bare))));
        for (size_t corner = 0; corner < 4 && vertical; ++corner) {
            const double moved = (covered.getSquareSparParts()[k]->getPoints()[corner]->getX()
                                  - bare.getSquareSparParts()[k]->getPoints()[corner]->getX())
                                 * wingRootChord;
            QVERIFY2(std::fabs(moved) < 0.01, qPrintable(QString("slot %1 moved by %2 mm").arg(k).arg(moved)));
        }
    }
    // A band's end normals near the slot hold no wood a quarter millimetre
    // short of their sunk end: the sheet lies there.
    for (const IdentifiableObject* polygon : covered.getCoveringPolygons()) {
        const auto& c = polygon->getPoints();
        for (const size_t k : {size_t(0), c.size() / 2 - 1}) {
            const Vertex& outer = *c[k];
            const Vertex& inner = *c[c.size() - 1 - k];
            const double length = std::hypot(outer.getX() - inner.getX(), outer.getY() - inner.getY()) * wingRootChord;
            if (length < 0.5 || std::fabs(outer.getX() * wingRootChord - sparAt * chord / 100) > 5)
                continue;
            const double f = 0.25 / length;
            const double wood = depthInside(inner.getX() + (outer.getX() - inner.getX()) * f,
                                            inner.getY() + (outer.getY() - inner.getY()) * f, covered.getRibCoords())
                                * wingRootChord;
            QVERIFY2(wood <= 0.01, qPrintable(QString("wood %1 mm deep in the sheet at %2 mm")
                                                  .arg(wood)
                                                  .arg(outer.getX() * wingRootChord)));
        }
    }
    // About the slot no point comes within 0.5 mm (a web between slots may
    // be just that) of a stretch more than 1 mm away along the outline,
    // unless the outline runs straight across.
    std::vector<QPointF> p;
    std::vector<double> along;
    for (const Vector3D* v : covered.getRibCoords()) {
        p.emplace_back(v->getX() * wingRootChord, v->getY() * wingRootChord);
        along.push_back(along.empty() ? 0.0 : along.back() + QLineF(p[p.size() - 2], p.back()).length());
    }
    const auto near = [&](size_t i) { return std::fabs(p[i].x() - sparAt * chord / 100) < 5; };
    for (size_t i = 0; i < p.size(); ++i)
        for (size_t j = 0; j + 1 < p.size() && near(i); ++j) {
            const QPointF d = p[j + 1] - p[j];
            const double t =
                std::clamp(QPointF::dotProduct(p[i] - p[j], d) / std::max(QPointF::dotProduct(d, d), 1e-12), 0.0, 1.0);
            const double apart = QLineF(p[i], p[j] + t * d).length();
            const double way = j > i ? along[j] - along[i] : along[i] - along[std::min(i, j + 1)];
            QVERIFY2(!near(j) || apart >= 0.49 || way <= std::max(1.0, 1.5 * apart),
                     qPrintable(QString("a gap of %1 mm at %2 mm").arg(apart).arg(p[i].x())));
        }
}

QTEST_MAIN(TestCovering)
#include "tst_covering.moc"

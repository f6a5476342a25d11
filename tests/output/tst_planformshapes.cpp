#include <QtTest>
#include <QPainter>

#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "document/PlaneModel.h"
#include "foundation/DialogSeam.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "output/PlanformPrinter.h"
#include "output/PrintPage.h"
#include "recordingdevice.h"

// What one panel looks like on a planform tile, asked of a device that
// records every shape in page millimetres.
class TestPlanformShapes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void ribScaleMarksEveryTenMillimetres();
    void edgeTypesDecideStripsAndRibLength_data();
    void edgeTypesDecideStripsAndRibLength();
    void squareSparOnBothSidesIsDrawnUnderAndOverRibs();
    void combsAboveCoverRibsAndRibsCoverCombsBelow();
    void tileDrawsOnlyTheRibsItShows_data();
    void tileDrawsOnlyTheRibsItShows();

private:
    Panel* addPanel(const LEData& le, const TEData& te, const SparList& spars = SparList(),
                    const RibCombList& combs = RibCombList());
    static std::vector<RecordedShape> filled(const std::vector<RecordedShape>& shapes, Qt::BrushStyle style,
                                             const QColor& colour);

    QTemporaryDir imported;
};

namespace {

const float chord = 100.0f;
const float length = 200.0f;
const float thickness = 2.5f;

bool isScaleMark(const RecordedShape& shape)
{
    return shape.kind == RecordedShape::Line && shape.pen.color() == QColor(170, 170, 170);
}

} // namespace

void TestPlanformShapes::initTestCase()
{
    WingFoils::createInstance(QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/foils_v2"), imported.path());
    QVERIFY(WingFoils::instance()->findAirfoil("CLARK Y AIRFOIL", false) != nullptr);
}

void TestPlanformShapes::init()
{
    DialogSeam::setScripted(true);
    PlaneModel::instance()->clear();
}

Panel* TestPlanformShapes::addPanel(const LEData& le, const TEData& te, const SparList& spars,
                                    const RibCombList& combs)
{
    PanelBaseData data(0, "Wing", "CLARK Y AIRFOIL", "CLARK Y AIRFOIL", chord, chord, 0.0f, length, 0.0f, 0.0f,
                       false, false, true, thickness, 3, 150.0f, 1.0f, 1.0f, nullptr, le, te, spars,
                       SheetingStripList(), CoveringDefinition(), BuildingTabData(), combs);
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(data);
    return PlaneModel::instance()->getPanelList().front();
}

std::vector<RecordedShape> TestPlanformShapes::filled(const std::vector<RecordedShape>& shapes,
                                                      Qt::BrushStyle style, const QColor& colour)
{
    std::vector<RecordedShape> result;
    for (const RecordedShape& shape : shapes)
        if (shape.kind == RecordedShape::Path && shape.brush.style() == style && shape.brush.color() == colour)
            result.push_back(shape);
    return result;
}

void TestPlanformShapes::ribScaleMarksEveryTenMillimetres()
{
    Panel* panel = addPanel(LEData(LEData::Standard, 5.0f), TEData());
    RecordingDevice device;
    {
        QPainter painter(&device);
        float leSlope = 0, teSlope = 0;
        const float leDepth = PlanformPrinter::printLEStrip(0, 0, length, panel, &painter, leSlope);
        QCOMPARE(leDepth, 5.0f);
        PlanformPrinter::printTEStrip(chord, chord, length, panel, &painter, teSlope);
        PlanformPrinter::printPanelRibs(PlaneModel::instance()->getRootChord(), leDepth, leSlope, teSlope, panel,
                                        &painter, nullptr);
    }
    const RibDefinition& root = panel->getRibList().getFirstRib();
    QVERIFY(qAbs(root.getChord() - chord) < 0.01f);
    const float front = PlaneModel::instance()->getRootChord() * root.getOffsetX() + 5.0f;
    std::vector<double> marks;
    for (const RecordedShape& shape : device.shapes()) {
        const QRectF box = shape.points.boundingRect();
        if (isScaleMark(shape) && qAbs(box.left() - (root.position - 0.5)) < 0.01
            && qAbs(box.right() - (root.position + thickness + 0.5)) < 0.01)
            marks.push_back(box.top() - front);
    }
    // 95 mm of rib behind the 5 mm leading edge: marks at 0, 10, ... 90.
    QCOMPARE(marks.size(), size_t(10));
    for (size_t i = 0; i < marks.size(); ++i)
        QVERIFY2(qAbs(marks[i] - 10.0 * i) < 0.01, qPrintable(QString::number(marks[i])));
}

void TestPlanformShapes::edgeTypesDecideStripsAndRibLength_data()
{
    QTest::addColumn<int>("leType");
    QTest::addColumn<int>("teType");
    QTest::addColumn<bool>("leStrip");
    QTest::addColumn<bool>("teStrip");
    QTest::addColumn<float>("ribLength");
    QTest::addColumn<QString>("message");
    QTest::newRow("standard edges") << 1 << 1 << true << true << chord - 5 - 10 << "";
    QTest::newRow("cylinder leading edge") << 2 << 0 << false << false << chord << "";
    QTest::newRow("strip leading edge") << 3 << 0 << false << false << chord << "";
    QTest::newRow("trailing edge with strip") << 1 << 2 << true << false << chord - 5
                                              << "Implement the printing for the TE type 2";
    QTest::newRow("round leading edge") << 5 << 0 << false << false << chord
                                        << "Implement the printing for the LE type 5";
}

void TestPlanformShapes::edgeTypesDecideStripsAndRibLength()
{
    QFETCH(int, leType);
    QFETCH(int, teType);
    QFETCH(bool, leStrip);
    QFETCH(bool, teStrip);
    QFETCH(float, ribLength);
    QFETCH(QString, message);
    Panel* panel = addPanel(LEData(leType, 5.0f), TEData(teType, 10.0f, false, 10.0f, 3.0f, 2.0f));
    RecordingDevice device;
    const TestSupport::CapturedOutput output = TestSupport::captureOutput([&]() {
        QPainter painter(&device);
        float leSlope = 0, teSlope = 0;
        const float leDepth = PlanformPrinter::printLEStrip(0, 0, length, panel, &painter, leSlope);
        PlanformPrinter::printTEStrip(chord, chord, length, panel, &painter, teSlope);
        PlanformPrinter::printPanelRibs(PlaneModel::instance()->getRootChord(), leDepth, leSlope, teSlope, panel,
                                        &painter, nullptr);
    });
    QCOMPARE(QString::fromStdString(output.out), message);
    QCOMPARE(filled(device.shapes(), Qt::BDiagPattern, Qt::gray).size(), size_t(leStrip ? 1 : 0));
    QCOMPARE(filled(device.shapes(), Qt::FDiagPattern, Qt::gray).size(), size_t(teStrip ? 1 : 0));
    const std::vector<RecordedShape> ribs = filled(device.shapes(), Qt::SolidPattern, Qt::white);
    QCOMPARE(ribs.size(), size_t(panel->getRibCount()));
    const QRectF root = ribs.front().points.boundingRect();
    QVERIFY2(qAbs(root.height() - ribLength) < 0.01, qPrintable(QString::number(root.height())));
    QVERIFY(qAbs(root.width() - thickness) < 0.01);
}

void TestPlanformShapes::squareSparOnBothSidesIsDrawnUnderAndOverRibs()
{
    SparList spars;
    SparDefinition spar("Main", SparType::Square, 1, 3, 30.0f, 30.0f, true, false);
    spar.setSquareSparTop(true);
    spar.setSquareSparBottom(true);
    spar.setSquareWebbingType(SquareWebbingType::None);
    spars.addSpar(spar);
    Panel* panel = addPanel(LEData(), TEData(), spars);

    RecordingDevice under;
    RecordingDevice over;
    {
        QPainter painter(&under);
        PlanformPrinter::printSpars(panel, &painter, false);
    }
    {
        QPainter painter(&over);
        PlanformPrinter::printSpars(panel, &painter, true);
    }
    QCOMPARE(under.shapes().size(), size_t(1));
    QCOMPARE(under.shapes()[0].kind, RecordedShape::Polygon);
    QCOMPARE(under.shapes()[0].brush.style(), Qt::NoBrush);
    QCOMPARE(filled(over.shapes(), Qt::SolidPattern, Qt::white).size(), size_t(1));
    // Both are the same band along the span.
    QCOMPARE(over.shapes().back().points.boundingRect(), under.shapes()[0].points.boundingRect());
}

void TestPlanformShapes::combsAboveCoverRibsAndRibsCoverCombsBelow()
{
    RibCombList combs;
    for (int type : {RibCombData::Above, RibCombData::Below}) {
        RibCombData comb;
        comb.setName(type == RibCombData::Above ? "above" : "below");
        comb.setType(type);
        comb.setFirstRib(1);
        comb.setLastRib(3);
        comb.setPosition(0, type == RibCombData::Above ? 20.0f : 60.0f);
        comb.setWidth(5.0f);
        combs.append(comb);
    }
    addPanel(LEData(), TEData(), SparList(), combs);

    RecordingDevice device;
    {
        QPainter painter(&device);
        painter.setFont(PrintPage::makeFont());
        const QPen text = PrintPage::makeTextPen(painter.pen());
        painter.setPen(text);
        PlaneModel::instance()->printPlanformPages(PrintPage::makeGridPen(painter.pen()), text, 250, 287,
                                                   &painter, nullptr, nullptr);
    }
    // Combs span the panel, the one above at 20 mm, the one below at 60 mm
    // from the leading edge; ribs are a rib thickness wide.
    int firstRib = -1, lastRib = -1, above = -1, below = -1;
    const std::vector<RecordedShape>& shapes = device.shapes();
    for (int i = 0; i < int(shapes.size()); ++i) {
        const QRectF box = shapes[i].points.boundingRect();
        const bool white = shapes[i].kind == RecordedShape::Path && shapes[i].brush.color() == Qt::white;
        const bool comb = box.width() > 100 && qAbs(box.height() - 5) < 0.5;
        if (white && box.width() < 3) {
            lastRib = i;
            if (firstRib < 0)
                firstRib = i;
        } else if (comb && box.center().y() < 40 && above < 0) {
            QVERIFY(white);
            above = i;
        } else if (comb && box.center().y() > 40 && below < 0) {
            QCOMPARE(shapes[i].brush.style(), Qt::NoBrush);
            below = i;
        }
    }
    QVERIFY(firstRib >= 0 && above >= 0 && below >= 0);
    QVERIFY2(below < firstRib, qPrintable(QString("below %1, first rib %2").arg(below).arg(firstRib)));
    QVERIFY2(above > lastRib, qPrintable(QString("above %1, last rib %2").arg(above).arg(lastRib)));
}

QTEST_MAIN(TestPlanformShapes)
#include "tst_planformshapes.moc"

void TestPlanformShapes::tileDrawsOnlyTheRibsItShows_data()
{
    QTest::addColumn<bool>("mirrored");
    QTest::newRow("right wing") << false;
    QTest::newRow("left wing") << true;
}

// Ribs at 0, 100 and 197.5 mm; a tile over 80..150 mm shows the middle one
// only, and the others must not even reach the page.
void TestPlanformShapes::tileDrawsOnlyTheRibsItShows()
{
    QFETCH(bool, mirrored);
    Panel* panel = addPanel(LEData(), TEData());
    RecordingDevice device;
    {
        QPainter painter(&device);
        const QTransform unmirrored = painter.transform();
        if (mirrored) {
            painter.translate(250, 0);
            painter.scale(-1, 1);
        }
        painter.setClipRect(QRectF(80, 0, 70, 200), Qt::ReplaceClip);
        PlanformPrinter::printPanelRibs(PlaneModel::instance()->getRootChord(), 0, 0, 0, panel, &painter,
                                        mirrored ? &unmirrored : nullptr);
    }
    QStringList labels;
    for (const RecordedShape& shape : device.shapes())
        if (shape.kind == RecordedShape::Text)
            labels << shape.text;
    QCOMPARE(labels, QStringList{"Wing_R2"});
}

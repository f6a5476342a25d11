#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "document/PlaneModel.h"
#include "foundation/DialogSeam.h"
#include "foundation/Vector3D.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "model/RibDefinition.h"
#include "output/DXFSettings.h"
#include "progresswatch.h"
#include "tst_dxfreader.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {

const QStringList ExportLayers = {"L0",       "Layer_TEXT",        "Layer_RIB",    "Layer_BOX",
                                  "Layer_LE_Template", "Layer_Webbing", "Layer_Combs"};

struct PanelSpec {
    int ribs = 5;
    float rootChord = 200.0f;
    float tipChord = 150.0f;
    float length = 400.0f;
    float sweep = 20.0f;
    QString rootAirfoil = "CLARK Y AIRFOIL";
    QString tipAirfoil = "NACA 2412";
    LEData le;
    CoveringDefinition covering;
    SheetingStripList strips;
    SparList spars;
    RibCombList combs;
    BuildingTabData tabs = BuildingTabData(false, false, 5.0f, 5.0f, 10.0f);
};

PanelBaseData panelData(int id, const QString& name, const PanelSpec& spec)
{
    return PanelBaseData(id, name, spec.rootAirfoil, spec.tipAirfoil, spec.rootChord, spec.tipChord, spec.sweep,
                         spec.length, 0.0f, 3.0f, false, true, false, 2.0f, spec.ribs, 0.1f, 1.0f, 1.0f, nullptr,
                         spec.le, TEData(), spec.spars, spec.strips, spec.covering, spec.tabs,
                         spec.combs);
}

void addPanel(int id, const QString& name, const PanelSpec& spec)
{
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(panelData(id, name, spec));
}

std::vector<const RibDefinition*> planeRibs()
{
    std::vector<const RibDefinition*> ribs;
    for (Panel* panel : PlaneModel::instance()->getPanelList())
        for (const RibDefinition& rib : panel->getRibList().getRibs())
            ribs.push_back(&rib);
    return ribs;
}

struct Extent {
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
};

Extent extentOf(const QJsonObject& polyline)
{
    Extent e;
    for (const QJsonValue& v : polyline.value("points").toArray()) {
        const QJsonArray p = v.toArray();
        e.minX = std::min(e.minX, p.at(0).toDouble());
        e.maxX = std::max(e.maxX, p.at(0).toDouble());
        e.minY = std::min(e.minY, p.at(1).toDouble());
        e.maxY = std::max(e.maxY, p.at(1).toDouble());
    }
    return e;
}

QStringList textsOn(const DxfReadBack& dxf)
{
    QStringList texts;
    for (const QJsonObject& t : dxf.entities("TEXT", "Layer_TEXT"))
        texts << t.value("text").toString();
    return texts;
}

SparDefinition spar(const QString& name, SparType type, int first, int last)
{
    return SparDefinition(name, type, first, last, 30.0f, 30.0f, true, false);
}

} // namespace

class TestDxfExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void emptyPlaneWritesHeaderAndLayersOnly();
    void everyRibIsOneClosedPolylineAtTrueSize();
    void ribKeepsEveryMeasureInEveryRow();
    void coveredRibPassesNoPointTwice();
    void ribsTheSheetsConsumeAreLeftOutAndNamed();
    void ribsTheSheetsPartAreCutAsPieces();
    void boxesOnlyWhenAsked_data();
    void boxesOnlyWhenAsked();
    void ribsAreLabelledAndGetLeadingEdgeTemplates();
    void webbingPiecesCarryTheirLabels();
    void squareSparIsLaidOutFlat();
    void combsAreWrittenWithLabels_data();
    void combsAreWrittenWithLabels();
    void recordsWithInvalidRibsAreSkipped();
    void existingFileIsReplacedOnlyWithConsent();
    void uncreatableFileIsReported();
    void failedWriteKeepsOldDrawing_data();
    void failedWriteKeepsOldDrawing();
    void firstExportGoesIntoMissingDocumentsFolder();
    void partsLeftOutAreReported();
    void longExportShowsProgressAndCancels_data();
    void longExportShowsProgressAndCancels();

private:
    QString exportPlane(const QString& name, bool drawBox = false, bool* result = nullptr);
    DxfReadBack exportAndRead(bool drawBox = false);

    QTemporaryDir dir;
    QTemporaryDir imported;
};

void TestDxfExport::initTestCase()
{
    QVERIFY(dir.isValid());
    WingFoils::createInstance(PLANFORMIX_BINARY_DIR "/resources/foils_v2", imported.path());
    QVERIFY(WingFoils::instance()->findAirfoil("NACA 2412", false) != nullptr);
    DialogSeam::setScripted(true);
}

void TestDxfExport::init()
{
    PlaneModel::instance()->clear();
    DialogSeam::clear();
}

QString TestDxfExport::exportPlane(const QString& name, bool drawBox, bool* result)
{
    const QString path = dir.filePath(name);
    const bool done = PlaneModel::instance()->exportDxf(DXFSettings(drawBox, path));
    if (result != nullptr)
        *result = done;
    return path;
}

DxfReadBack TestDxfExport::exportAndRead(bool drawBox)
{
    QFile::remove(dir.filePath("plane.dxf"));
    return readDxfBack(exportPlane("plane.dxf", drawBox));
}

void TestDxfExport::emptyPlaneWritesHeaderAndLayersOnly()
{
    bool result = false;
    const DxfReadBack dxf = readDxfBack(exportPlane("empty.dxf", true, &result));
    QVERIFY(result);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    QCOMPARE(dxf.summary.value("acadver").toString(), QString("AC1009"));
    QCOMPARE(dxf.layers(), ExportLayers);
    QCOMPARE(dxf.entities().size(), 0);
}

void TestDxfExport::everyRibIsOneClosedPolylineAtTrueSize()
{
    PanelSpec inner;
    inner.ribs = 6;
    PanelSpec outer;
    outer.ribs = 4;
    outer.rootChord = 150.0f;
    outer.tipChord = 90.0f;
    outer.length = 300.0f;
    addPanel(1, "Inner", inner);
    addPanel(2, "Outer", outer);
    const std::vector<const RibDefinition*> ribs = planeRibs();
    QCOMPARE(ribs.size(), size_t(10));
    const float s = PlaneModel::instance()->getRootChord();

    const DxfReadBack dxf = exportAndRead();
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    QCOMPARE(dxf.summary.value("acadver").toString(), QString("AC1009"));
    QCOMPARE(dxf.layers(), ExportLayers);
    const auto outlines = dxf.entities("POLYLINE", "Layer_RIB");
    QCOMPARE(outlines.size(), int(ribs.size()));
    for (int i = 0; i < outlines.size(); ++i) {
        const RibDefinition& rib = *ribs[static_cast<std::size_t>(i)];
        QVERIFY(outlines[i].value("closed").toBool());
        const Extent e = extentOf(outlines[i]);
        const double height = (rib.getMaxY() - rib.getMinY()) * s;
        QVERIFY2(std::fabs((e.maxY - e.minY) - height) < 0.01,
                 qPrintable(QString("rib %1: height %2 mm, model %3 mm").arg(i + 1).arg(e.maxY - e.minY).arg(height)));
        QVERIFY2(std::fabs((e.maxX - e.minX) - rib.getChord()) < 0.01,
                 qPrintable(QString("rib %1: length %2 mm, chord %3 mm").arg(i + 1).arg(e.maxX - e.minX).arg(rib.getChord())));
        QVERIFY(std::fabs(e.minX - 5.0) < 0.01);
    }
    // Cutting software flags zero-length segments, the closing one included.
    for (const QJsonObject& polyline : dxf.entities("POLYLINE")) {
        const QJsonArray points = polyline.value("points").toArray();
        for (int i = 0; i < points.size(); ++i)
            QVERIFY2(points[i] != points[(i + 1) % points.size()],
                     qPrintable(polyline.value("layer").toString() + QString(" point %1 repeated").arg(i)));
    }
    // One column, top down, no two ribs overlapping.
    for (int i = 1; i < outlines.size(); ++i)
        QVERIFY(extentOf(outlines[i]).maxY < extentOf(outlines[i - 1]).minY);
}

void TestDxfExport::ribKeepsEveryMeasureInEveryRow()
{
    // Two straight panels of like ribs, so tall that the last rows lie over
    // 100 m down the sheet, where six significant digits round to whole
    // millimetres and a float offset to a hundredth.
    PanelSpec spec;
    spec.ribs = 36;
    spec.rootChord = 8000.0f;
    spec.tipChord = spec.rootChord;
    spec.length = 4000.0f;
    spec.sweep = 0.0f;
    spec.rootAirfoil = spec.tipAirfoil = "NACA 4418";
    for (int id = 1; id <= 2; ++id)
        addPanel(id, QString("P%1").arg(id), spec);

    const DxfReadBack dxf = exportAndRead();
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    const auto outlines = dxf.entities("POLYLINE", "Layer_RIB");
    QCOMPARE(outlines.size(), 72);
    QVERIFY(extentOf(outlines.back()).maxY < -100000.0);
    // Each rib against the first, both taken from their own first point.
    const auto shape = [](const QJsonObject& polyline) {
        const QJsonArray points = polyline.value("points").toArray();
        const QJsonArray origin = points.at(0).toArray();
        std::vector<double> relative;
        for (const QJsonValue& v : points) {
            relative.push_back(v.toArray().at(0).toDouble() - origin.at(0).toDouble());
            relative.push_back(v.toArray().at(1).toDouble() - origin.at(1).toDouble());
        }
        return relative;
    };
    const std::vector<double> first = shape(outlines.front());
    QVERIFY(first.size() > 400);
    for (int i = 1; i < outlines.size(); ++i) {
        const std::vector<double> other = shape(outlines[i]);
        QVERIFY2(other.size() == first.size(), qPrintable(QString("rib %1 has %2 points, the first %3")
                                                              .arg(i + 1).arg(other.size() / 2).arg(first.size() / 2)));
        double worst = 0.0;
        for (std::size_t k = 0; k < first.size(); ++k)
            worst = std::max(worst, std::fabs(other[k] - first[k]));
        QVERIFY2(worst <= 0.001, qPrintable(QString("rib %1 differs by %2 mm").arg(i + 1).arg(worst)));
    }
}

void TestDxfExport::coveredRibPassesNoPointTwice()
{
    // A cutter runs a vertex it comes back to as a cut out and back. One
    // panel for each leading edge that is glued on in front of the rib.
    const QList<int> leTypes = {LEData::Cylinder, LEData::Strip, LEData::Diamond, LEData::Round};
    PanelSpec spec;
    spec.ribs = 3;
    spec.covering.setSheetingType(SheetingType::Advanced);
    spec.strips.append(SheetingStripDefinition("sheet", 0, 1, spec.ribs, 100.0f, 100.0f, 3.0f, true, true, true,
                                               false, 0.0f, 0.0f, false, false));
    TestSupport::captureOutput([&] {
        for (int i = 0; i < leTypes.size(); ++i) {
            spec.le = LEData(leTypes[i], 8.0f);
            addPanel(i + 1, QString("LE type %1").arg(leTypes[i]), spec);
        }
    });

    const DxfReadBack dxf = exportAndRead();
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    const auto outlines = dxf.entities("POLYLINE", "Layer_RIB");
    QCOMPARE(outlines.size(), spec.ribs * leTypes.size());
    const auto same = [](const QJsonArray& a, const QJsonArray& b) {
        return std::fabs(a.at(0).toDouble() - b.at(0).toDouble()) <= 0.001
               && std::fabs(a.at(1).toDouble() - b.at(1).toDouble()) <= 0.001;
    };
    for (int k = 0; k < outlines.size(); ++k) {
        // Points closer than the cutter's step in a row are one pass.
        QList<QJsonArray> passes;
        for (const QJsonValue& v : outlines[k].value("points").toArray())
            if (passes.isEmpty() || !same(passes.back(), v.toArray()))
                passes << v.toArray();
        while (passes.size() > 1 && same(passes.back(), passes.front()))
            passes.removeLast();
        for (int i = 0; i < passes.size(); ++i)
            for (int j = i + 1; j < passes.size(); ++j)
                QVERIFY2(!same(passes[i], passes[j]), qPrintable(QString("LE type %1: (%2, %3) passed at %4 and %5")
                                                                     .arg(leTypes[k / spec.ribs])
                                                                     .arg(passes[i].at(0).toDouble())
                                                                     .arg(passes[i].at(1).toDouble())
                                                                     .arg(i)
                                                                     .arg(j)));
    }
}

void TestDxfExport::ribsTheSheetsConsumeAreLeftOutAndNamed()
{
    // A thin tip under 2.5 mm sheets on both sides over the whole chord:
    // the sheets leave nothing of the last two ribs, which a round spar,
    // building tabs and boxes would otherwise still mark.
    PanelSpec spec;
    spec.ribs = 6;
    spec.rootChord = 150.0f;
    spec.tipChord = 50.0f;
    spec.rootAirfoil = "NACA 2412";
    spec.tipAirfoil = "NACA 0005";
    spec.covering.setSheetingType(SheetingType::Advanced);
    spec.strips.append(SheetingStripDefinition("sheet", 0, 1, spec.ribs, 100.0f, 100.0f, 2.5f, true, true, true,
                                               false, 0.0f, 0.0f, false, false));
    spec.spars.addSpar(spar("Round", SparType::Round, 1, spec.ribs));
    spec.tabs = BuildingTabData(true, true, 5.0f, 5.0f, 10.0f);
    addPanel(1, "Tip", spec);
    std::vector<bool> consumed;
    for (const RibDefinition* rib : planeRibs())
        consumed.push_back(rib->consumedBySheets());
    QCOMPARE(consumed, (std::vector<bool>{false, false, false, false, true, true}));

    const DxfReadBack dxf = exportAndRead(true);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    QCOMPARE(dxf.entities("POLYLINE", "Layer_RIB").size(), 4);
    QCOMPARE(dxf.entities("CIRCLE", "Layer_RIB").size(), 4);
    QCOMPARE(dxf.entities("POLYLINE", "Layer_LE_Template").size(), 4);
    QCOMPARE(dxf.entities("LINE", "Layer_BOX").size(), 4 * 4);
    const QStringList texts = textsOn(dxf);
    QVERIFY(texts.contains("P1_R6, thickness: 2mm"));
    QCOMPARE(texts.count("The sheeting leaves nothing of this rib to build."), 2);
    QVERIFY(!DialogSeam::calls().empty());
    const DialogSeam::Call& told = DialogSeam::calls().back();
    QCOMPARE(told.icon, QMessageBox::Information);
    QCOMPARE(told.title, QString("Export to DXF"));
    QCOMPARE(told.text, QString("These ribs get no outline in the DXF drawing:\n\n"
                                "Ribs 5, 6 of panel 'Tip': the sheeting leaves nothing to build."));
}

void TestDxfExport::ribsTheSheetsPartAreCutAsPieces()
{
    // A mid-chord band of 2.5 mm sheets on both sides of a thin tip: they
    // meet inside the outer ribs and part them, the bare wood behind the
    // band a piece of its own.
    PanelSpec spec;
    spec.ribs = 6;
    spec.rootChord = 150.0f;
    spec.tipChord = 50.0f;
    spec.rootAirfoil = "NACA 2412";
    spec.tipAirfoil = "NACA 0005";
    spec.covering.setSheetingType(SheetingType::Advanced);
    spec.strips.append(SheetingStripDefinition("band", 0, 1, spec.ribs, 25.0f, 25.0f, 2.5f, true, true, true,
                                               false, 35.0f, 35.0f, false, false));
    addPanel(1, "Tip", spec);
    std::vector<int> pieces;
    for (const RibDefinition* rib : planeRibs())
        pieces.push_back(rib->consumedBySheets() ? 0 : 1 + int(rib->getFurtherPieces().size()));
    QCOMPARE(pieces, (std::vector<int>{1, 1, 1, 2, 2, 2}));

    const DxfReadBack dxf = exportAndRead(true);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    // Each piece an outline of its own, the parted ribs' two in one row.
    const auto outlines = dxf.entities("POLYLINE", "Layer_RIB");
    QCOMPARE(outlines.size(), 9);
    const auto rearmost = [](const QJsonObject& outline) {
        double x = -1e9;
        for (const QJsonValue& v : outline.value("points").toArray())
            x = std::max(x, v.toArray().at(0).toDouble());
        return x;
    };
    const auto foremost = [](const QJsonObject& outline) {
        double x = 1e9;
        for (const QJsonValue& v : outline.value("points").toArray())
            x = std::min(x, v.toArray().at(0).toDouble());
        return x;
    };
    // The last rib: its band's front piece from the nose, and the piece
    // behind the band on to the trailing edge, 50 mm behind the nose.
    QVERIFY(std::fabs(foremost(outlines[7]) - 5.0) < 0.5);
    QVERIFY(rearmost(outlines[7]) < foremost(outlines[8]));
    QVERIFY(std::fabs(rearmost(outlines[8]) - 55.0) < 0.5);
    const QStringList texts = textsOn(dxf);
    QCOMPARE(texts.count("Parted by the sheeting: 2 pieces."), 3);
    QVERIFY(!DialogSeam::calls().empty());
    const DialogSeam::Call& told = DialogSeam::calls().back();
    QCOMPARE(told.title, QString("Export to DXF"));
    QCOMPARE(told.text, QString("These ribs get an outline for each of their pieces:\n\n"
                                "Ribs 4\u20136 of panel 'Tip' are parted by the sheeting: each piece is cut on its "
                                "own."));
}

void TestDxfExport::boxesOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("drawBox");
    QTest::newRow("boxes") << true;
    QTest::newRow("no boxes") << false;
}

void TestDxfExport::boxesOnlyWhenAsked()
{
    QFETCH(bool, drawBox);
    PanelSpec first;
    first.ribs = 3;
    PanelSpec second;
    second.ribs = 2;
    addPanel(1, "A", first);
    addPanel(2, "B", second);

    const DxfReadBack dxf = exportAndRead(drawBox);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    const auto lines = dxf.entities("LINE", "Layer_BOX");
    QCOMPARE(lines.size(), drawBox ? 4 * 5 : 0);
    QCOMPARE(dxf.entities(QString(), "Layer_BOX").size(), lines.size());
    if (!drawBox)
        return;

    // Each box starts with its top edge; neighbouring ribs sit h + 22 apart,
    // and the next panel starts one row further down.
    QList<double> tops;
    for (int i = 0; i < lines.size(); i += 4)
        tops << lines[i].value("start").toArray().at(1).toDouble();
    float minY = 0, maxY = 0;
    const float h = PlaneModel::instance()->getPanelList().front()->getRibHeightRange(minY, maxY);
    QVERIFY(std::fabs(tops[0]) < 1e-6);
    QVERIFY(std::fabs((tops[0] - tops[1]) - (h + 22)) < 0.01);
    QVERIFY(std::fabs((tops[2] - tops[3]) - 2 * (h + 22)) < 0.01);
    // The box holds the rib with 5.5 mm to spare above and below.
    const Extent rib = extentOf(dxf.entities("POLYLINE", "Layer_RIB").front());
    QVERIFY(std::fabs((tops[0] - rib.maxY) - 5.5) < 0.01);
    const double bottom = lines[1].value("end").toArray().at(1).toDouble();
    QVERIFY(std::fabs((rib.minY - bottom) - 5.5) < 0.01);
}

void TestDxfExport::ribsAreLabelledAndGetLeadingEdgeTemplates()
{
    PanelSpec spec;
    spec.ribs = 3;
    addPanel(1, "Root", spec);
    addPanel(2, "Tip", spec);
    const DxfReadBack dxf = exportAndRead();
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    const QStringList texts = textsOn(dxf);
    QCOMPARE(texts, QStringList({"P1_R1, thickness: 2mm", "P1_R2, thickness: 2mm", "P1_R3, thickness: 2mm",
                                 "P2_R1, thickness: 2mm", "P2_R2, thickness: 2mm", "P2_R3, thickness: 2mm"}));
    const auto templates = dxf.entities("POLYLINE", "Layer_LE_Template");
    QCOMPARE(templates.size(), 6);
    for (const QJsonObject& t : templates) {
        QVERIFY(t.value("closed").toBool());
        QVERIFY(std::fabs(extentOf(t).minX + 35.0) < 0.01);
    }
}

void TestDxfExport::webbingPiecesCarryTheirLabels()
{
    PanelSpec spec;
    spec.ribs = 5;
    spec.spars.addSpar(spar("Web", SparType::Webbing, 1, 5));
    addPanel(1, "Wing", spec);

    const DxfReadBack dxf = exportAndRead();
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    const auto pieces = dxf.entities("POLYLINE", "Layer_Webbing");
    QCOMPARE(pieces.size(), 4);
    double lastRight = -1;
    for (const QJsonObject& piece : pieces) {
        QVERIFY(piece.value("closed").toBool());
        const Extent e = extentOf(piece);
        // Five 2 mm ribs over 400 mm stand 99.5 mm apart: 97.5 mm between them
        // (a little more along the slightly swept spar).
        QVERIFY2(std::fabs((e.maxX - e.minX) - 97.5) < 0.1, qPrintable(QString::number(e.maxX - e.minX)));
        QVERIFY(e.minX > lastRight);
        lastRight = e.maxX;
    }
    QVERIFY(textsOn(dxf).contains("Panel: 'Wing', Spar name: 'Web', thickness: 2mm"));
}

void TestDxfExport::squareSparIsLaidOutFlat()
{
    PanelSpec spec;
    spec.ribs = 5;
    SparDefinition square = spar("Main", SparType::Square, 1, 5);
    square.setSquareWebbingType(SquareWebbingType::Box);
    spec.spars.addSpar(square);
    addPanel(1, "Wing", spec);

    const DxfReadBack dxf = exportAndRead();
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    const QStringList texts = textsOn(dxf);
    QVERIFY(texts.contains("Panel: 'Wing', Spar name: 'Main' (2x!), thickness: 2mm"));
    QVERIFY(texts.contains("Panel 'Wing', Spar name: 'Main' (2x!), thickness: 2mm"));
    const auto strips = dxf.entities("POLYLINE", "Layer_Webbing");
    QCOMPARE(strips.size(), 5);
    // The flat strip runs the spar's length in the plan: 400 mm of span (the
    // last rib included) and the change of its chord position.
    const Extent strip = extentOf(strips.back());
    QVERIFY2(strip.maxX - strip.minX > 400.0 && strip.maxX - strip.minX < 405.0,
             qPrintable(QString::number(strip.maxX - strip.minX)));
    QVERIFY(std::fabs((strip.maxY - strip.minY) - 4.5) < 0.01);
}

void TestDxfExport::combsAreWrittenWithLabels_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("above") << 0;
    QTest::newRow("below") << 1;
}

void TestDxfExport::combsAreWrittenWithLabels()
{
    QFETCH(int, type);
    PanelSpec spec;
    spec.ribs = 5;
    RibCombData comb;
    comb.setName("Jig");
    comb.setType(type);
    comb.setFirstRib(1);
    comb.setLastRib(4);
    comb.setCutIntoRib(30.0f);
    comb.setGapNeedle(0.5f);
    spec.combs.append(comb);
    addPanel(1, "Wing", spec);

    const DxfReadBack dxf = exportAndRead();
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    QVERIFY(textsOn(dxf).contains("Panel 'Wing', comb name: 'Jig', thickness: 2mm"));
    const auto combs = dxf.entities("POLYLINE", "Layer_Combs");
    QVERIFY(!combs.isEmpty());
    const QJsonObject outline = combs.back();
    QVERIFY(outline.value("closed").toBool());
    // Four ribs: two end points, the straight edge past each rib, the far
    // end, and three teeth of four corners between them.
    QCOMPARE(outline.value("points").toArray().size(), 2 + 4 + 1 + 3 * 4);
    // The comb runs from the first rib's face through the fourth rib:
    // 298.5 + 2 mm of span, along the comb's slight sweep.
    const Extent e = extentOf(outline);
    QVERIFY2(std::fabs((e.maxX - e.minX) - 300.5) < 0.1, qPrintable(QString::number(e.maxX - e.minX)));
    // Below the ribs of the plane, not over them.
    const Extent lastRib = extentOf(dxf.entities("POLYLINE", "Layer_RIB").back());
    QVERIFY(e.maxY < lastRib.minY);
}

void TestDxfExport::recordsWithInvalidRibsAreSkipped()
{
    PanelSpec spec;
    spec.ribs = 4;
    spec.spars.addSpar(spar("Ghost web", SparType::Webbing, 2, 99));
    spec.spars.addSpar(spar("Ghost square", SparType::Square, 0, 3));
    RibCombData comb;
    comb.setFirstRib(3);
    comb.setLastRib(42);
    spec.combs.append(comb);
    addPanel(1, "Wing", spec);

    bool result = false;
    const DxfReadBack dxf = readDxfBack(exportPlane("ghosts.dxf", false, &result));
    QVERIFY(result);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    QCOMPARE(dxf.entities("POLYLINE", "Layer_RIB").size(), 4);
    for (const QString& text : textsOn(dxf))
        QVERIFY2(!text.contains("Ghost"), qPrintable(text));
    QCOMPARE(dxf.entities(QString(), "Layer_Combs").size(), 0);
    QCOMPARE(dxf.entities(QString(), "Layer_Webbing").size(), 0);
}

void TestDxfExport::existingFileIsReplacedOnlyWithConsent()
{
    PanelSpec spec;
    spec.ribs = 2;
    addPanel(1, "Wing", spec);
    const QString path = dir.filePath("kept.dxf");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the builder's drawing");
    }

    DialogSeam::queueButton(QMessageBox::Cancel);
    bool result = true;
    exportPlane("kept.dxf", false, &result);
    QVERIFY(!result);
    QCOMPARE(DialogSeam::calls().size(), size_t(1));
    QCOMPARE(DialogSeam::calls().front().title, QString("File exists"));
    QCOMPARE(DialogSeam::calls().front().text, "File " + path + " already exists - overwrite?");
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("the builder's drawing"));
    kept.close();

    DialogSeam::queueButton(QMessageBox::Ok);
    QVERIFY(DialogSeam::statusMessages().empty());
    exportPlane("kept.dxf", false, &result);
    QVERIFY(result);
    QCOMPARE(DialogSeam::statusMessages(), std::vector<QString>{"DXF drawing written to " + path});
    const DxfReadBack dxf = readDxfBack(path);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    QCOMPARE(dxf.entities("POLYLINE", "Layer_RIB").size(), 2);
}

void TestDxfExport::uncreatableFileIsReported()
{
    bool result = false;
    const QString path = exportPlane("no/such/folder/wing.dxf", false, &result);
    QVERIFY(result);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(DialogSeam::calls().size(), size_t(1));
    QCOMPARE(DialogSeam::calls().front().title, QString("Can't create DXF file"));
    QVERIFY(DialogSeam::calls().front().text.startsWith("Can't create DXF file '" + path + "' for writing: "));

    // A folder is refused at once, in the words every write uses, and the
    // export dialog comes back for another name.
    DialogSeam::clear();
    QVERIFY(QDir(dir.path()).mkpath("drawings.dxf"));
    exportPlane("drawings.dxf", false, &result);
    QVERIFY(!result);
    QCOMPARE(DialogSeam::calls().size(), size_t(1));
    QCOMPARE(DialogSeam::calls().front().text,
             "Can't create DXF file '" + dir.filePath("drawings.dxf") + "' for writing: Is a directory");
    QVERIFY(DialogSeam::statusMessages().empty());
}

void TestDxfExport::failedWriteKeepsOldDrawing_data()
{
    TestSupport::addWriteFailureRows();
}

void TestDxfExport::failedWriteKeepsOldDrawing()
{
    QFETCH(int, failAt);
    // Seven ribs leave a last block small enough to sit in a file buffer
    // until the file is closed, where a failed write went unnoticed.
    PanelSpec spec;
    spec.ribs = 7;
    addPanel(1, "Wing", spec);
    const qint64 size = QFileInfo(exportPlane("measured.dxf")).size();
    QVERIFY(size > 0);
    QTemporaryDir folder;
    const QString path = folder.filePath("kept.dxf");
    const QByteArray previous = "the builder's drawing";
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(previous) == previous.size());
    }
    DialogSeam::clear();

    const std::string wrong = TestSupport::runWithFileSizeLimit(TestSupport::failingLimit(failAt, size), [&] {
        DialogSeam::queueButton(QMessageBox::Ok);
        std::string problems;
        if (!PlaneModel::instance()->exportDxf(DXFSettings(false, path)))
            problems += "the export asked for another name; ";
        const auto& calls = DialogSeam::calls();
        if (calls.size() != 2 || calls[1].title != "Can't write DXF file")
            problems += "no \"Can't write DXF file\" box; ";
        return problems + TestSupport::keptUntouched(path, previous);
    });
    QVERIFY2(wrong.empty(), wrong.c_str());
}

void TestDxfExport::firstExportGoesIntoMissingDocumentsFolder()
{
    const TestSupport::FreshHome home;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY2(documents.startsWith(home.path()), qPrintable(documents));
    const QString path = documents + QDir::separator() + "Planformix.dxf";
    QVERIFY(PlaneModel::instance()->exportDxf(DXFSettings(false, path)));
    QCOMPARE(DialogSeam::calls().size(), size_t(0));
    QVERIFY(QFileInfo(path).size() > 0);
}

void TestDxfExport::partsLeftOutAreReported()
{
    PanelSpec spec;
    spec.ribs = 3;
    addPanel(1, "Wing", spec);
    // A rib outline damaged beyond repair: the drawing must say it lacks it.
    Panel* panel = PlaneModel::instance()->getPanelList().front();
    panel->getRibList().getRibs().back().getRibCoords().front()->setY(std::nanf(""));

    bool result = false;
    const DxfReadBack dxf = readDxfBack(exportPlane("damaged.dxf", false, &result));
    QVERIFY(result);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    QCOMPARE(dxf.entities("POLYLINE", "Layer_RIB").size(), 2);
    QCOMPARE(DialogSeam::calls().size(), size_t(1));
    QCOMPARE(DialogSeam::calls().front().title, QString("Incomplete DXF file"));
    QVERIFY(DialogSeam::calls().front().text.endsWith("damaged.dxf': 1"));
}

void TestDxfExport::longExportShowsProgressAndCancels_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("written to the end") << false;
    QTest::newRow("cancelled") << true;
}

void TestDxfExport::longExportShowsProgressAndCancels()
{
    QFETCH(bool, cancel);
    PanelSpec spec;
    spec.ribs = 100;
    spec.spars.addSpar(spar("Main", SparType::Webbing, 1, 100));
    spec.spars.addSpar(spar("Rear", SparType::Webbing, 1, 100));
    for (int id = 1; id <= 5; ++id)
        addPanel(id, QString("Panel %1").arg(id), spec);
    QTemporaryDir folder;
    const QString path = folder.filePath("kit.dxf");
    const QByteArray previous = "the builder's drawing";
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(previous) == previous.size());
    }
    DialogSeam::clear();
    DialogSeam::queueButton(QMessageBox::Ok);

    ProgressWatch watch(cancel);
    // Either way the command ends; only the overwrite question is asked.
    QVERIFY(PlaneModel::instance()->exportDxf(DXFSettings(false, path)));
    QCOMPARE(watch.shown, 1);
    QCOMPARE(DialogSeam::calls().size(), size_t(1));
    if (cancel) {
        const std::string wrong = TestSupport::keptUntouched(path, previous);
        QVERIFY2(wrong.empty(), wrong.c_str());
    } else {
        QCOMPARE(watch.lastValue, watch.maximum);
        QVERIFY(!watch.cancelAtEnd);
        QFile drawing(path);
        QVERIFY(drawing.open(QIODevice::ReadOnly));
        QVERIFY(drawing.readAll().endsWith("0\nEOF"));
    }
}

QTEST_MAIN(TestDxfExport)
#include "tst_dxfexport.moc"

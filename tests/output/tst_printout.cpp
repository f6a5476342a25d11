#include <QtTest>
#include <QPainter>
#include <QPrinter>

#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "foundation/DialogSeam.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "output/PrintDialog.h"
#include "output/PrintJob.h"
#include "output/PrintSettings.h"
#include "model/RibDefinition.h"
#include "output/PrintPage.h"
#include "pdfprobe.h"
#include "recordingdevice.h"

// The whole printout of a plane, read back from PDF files: which pages come
// in which order and what they say.
class TestPrintout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void pagesComeInFixedOrder();
    void planeWithoutPanelsGivesFourPages();
    void ribGroupsFillPagesInTurn();
    void eachPartOfAWideRibShowsItsOwnStretch();
    void fullLastRibPageIsNotFollowedByBlankSheet();
    void panelWithoutRibsStillEndsItsPage();
    void paperTooLowForARibWarnsAndGoesOn();
    void tilesCoverEachPanel_data();
    void tilesCoverEachPanel();
    void printCommandWritesTheChosenPdf();
    void ribsTheSheetsConsumeGetNoTemplateAndAreNamed();
    void ribsTheSheetsPartGetATemplateForEachPiece();

private:
    // Prints the plane on paper of the given size without margins.
    QString printPlane(const QString& name, const QSizeF& paperMm);
    void addPanel(int id, const QString& name, float rootChord, float tipChord, float sweep, float length,
                  float dihedral, int ribs);
    static int pageWith(const QStringList& pages, const QString& text);

    QTemporaryDir imported;
    QTemporaryDir dir;
};


namespace {

// Prints the first panel's rib sheets onto device and gives the top of each
// rib's row, by its label.
std::vector<double> printRibRows(RecordingDevice& device)
{
    {
        QPainter painter(&device);
        PlaneModel::instance()->printRibSheets(PrintPage::makeGridPen(QPen()), PrintPage::makeTextPen(QPen()), 200,
                                               1000, &painter, nullptr);
    }
    std::vector<double> tops;
    for (const RecordedShape& shape : device.shapes())
        if (shape.kind == RecordedShape::Text && shape.text.startsWith("P1_R"))
            tops.push_back(shape.points.first().y() + 2.0);
    return tops;
}

} // namespace

void TestPrintout::initTestCase()
{
    WingFoils::createInstance(QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/foils_v2"), imported.path());
    QVERIFY(WingFoils::instance()->findAirfoil("CLARK Y AIRFOIL", false) != nullptr);
}

void TestPrintout::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    PlaneModel::instance()->clear();
    PlaneModel::instance()->setName("Glider", false);
}

void TestPrintout::addPanel(int id, const QString& name, float rootChord, float tipChord, float sweep, float length,
                            float dihedral, int ribs)
{
    PanelBaseData data(id, name, "CLARK Y AIRFOIL", "CLARK Y AIRFOIL", rootChord, tipChord, sweep, length, 0.0f,
                       dihedral, false, false, true, 3.0f, ribs, 150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(),
                       SparList(), SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList());
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(data);
}

QString TestPrintout::printPlane(const QString& name, const QSizeF& paperMm)
{
    const QString path = dir.filePath(name);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(QPageLayout(QPageSize(paperMm, QPageSize::Millimeter), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    const bool printed = PrintJob::printPages(
        &printer, int(paperMm.width()), int(paperMm.height()), nullptr,
        [](QPainter* painter, int w, int h, QPrinter* device) { PlaneModel::instance()->print(painter, w, h, device); });
    return printed ? path : QString();
}

int TestPrintout::pageWith(const QStringList& pages, const QString& text)
{
    for (int i = 0; i < pages.size(); ++i)
        if (pages[i].contains(text))
            return i + 1;
    return -1;
}

void TestPrintout::pagesComeInFixedOrder()
{
    // On 200 mm wide paper: the root panel's ribs (about 200 mm) need a
    // second part, the tip panel's (at most 150 mm) do not; 400 mm of span
    // plus 10 mm need three tiles across, 300 mm two.
    addPanel(0, "Root", 200, 150, 20, 400, 6, 5);
    addPanel(1, "Tip", 150, 100, 30, 300, 3, 4);
    const QString pdf = printPlane("order.pdf", QSizeF(200, 287));
    QVERIFY(!pdf.isEmpty());
    const QStringList pages = PdfProbe::pageTexts(pdf);
    const QStringList expected = {
        "Ribs for panel #1: Root",
        "P1_R1 (part 2)",
        "Ribs for panel #2: Tip",
        "P1 (Panel 1)",
        "Root: Page (1, 1) of (3, 1) - right wing",
        "Root: Page (2, 1) of (3, 1) - right wing",
        "Root: Page (3, 1) of (3, 1) - right wing",
        "Tip: Page (1, 1) of (2, 1) - right wing",
        "Tip: Page (2, 1) of (2, 1) - right wing",
        "Root: Page (1, 1) of (3, 1) - left wing",
        "Root: Page (2, 1) of (3, 1) - left wing",
        "Root: Page (3, 1) of (3, 1) - left wing",
        "Tip: Page (1, 1) of (2, 1) - left wing",
        "Tip: Page (2, 1) of (2, 1) - left wing",
    };
    QCOMPARE(pages.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QVERIFY2(pages[i].contains(expected[i]), qPrintable(QString("page %1: %2").arg(i + 1).arg(pages[i])));
        QVERIFY2(pages[i].contains("Designed with Planformix"), qPrintable(QString("page %1").arg(i + 1)));
        QVERIFY2(pages[i].contains("Glider"), qPrintable(QString("page %1").arg(i + 1)));
    }
    QVERIFY(pages[0].contains("P1_R1, thickness: 3mm"));
    QVERIFY(pages[0].contains("P1_R5, thickness: 3mm"));
    QVERIFY(!pages[1].contains("thickness"));
    QVERIFY(pages[1].contains("P1_R5 (part 2)"));
    QVERIFY(pages[2].contains("P2_R4, thickness: 3mm"));
    QVERIFY(!pages[2].contains("(part 2)"));
    QVERIFY2(pages[3].contains("Root Root 6 397.809 41.8114"), qPrintable(pages[3]));
    QVERIFY2(pages[3].contains("Root Tip 3 299.589 15.7008"), qPrintable(pages[3]));
}

void TestPrintout::planeWithoutPanelsGivesFourPages()
{
    const QString pdf = printPlane("empty.pdf", QSizeF(200, 287));
    QVERIFY(!pdf.isEmpty());
    const QStringList pages = PdfProbe::pageTexts(pdf);
    QCOMPARE(pages.size(), 4);
    QCOMPARE(pages[0].trimmed(), QString());
    QVERIFY(pages[1].contains("P1 (Panel 1)"));
    QVERIFY(pages[1].contains("Designed with Planformix"));
    QVERIFY(pages[2].contains("Designed with Planformix"));
    QVERIFY(pages[3].contains("Designed with Planformix"));
}

void TestPrintout::eachPartOfAWideRibShowsItsOwnStretch()
{
    // 300 mm ribs on 200 mm paper: the outline crosses from the first part's
    // sheet onto the second, which must still show the trailing 135 mm.
    addPanel(0, "Wide", 300, 300, 0, 100, 0, 2);
    const QString pdf = printPlane("wide.pdf", QSizeF(200, 287));
    QVERIFY(!pdf.isEmpty());
    QVERIFY(PdfProbe::pageText(pdf, 2).contains("P1_R1 (part 2)"));
    const int dpi = 100;
    const double pxPerMm = dpi / 25.4;
    // Black outline pixels in a column stretch, below the header and above
    // the footer; the grey grid and box lines stay lighter than this.
    auto blackIn = [&](const QImage& page, double fromMm, double toMm) {
        int count = 0;
        for (int x = int(fromMm * pxPerMm); x <= int(toMm * pxPerMm); ++x)
            for (int y = int(16 * pxPerMm); y < int(270 * pxPerMm); ++y)
                count += qGray(page.pixel(x, y)) < 100 ? 1 : 0;
        return count;
    };
    const QImage first = PdfProbe::render(pdf, 1, dpi);
    const QImage second = PdfProbe::render(pdf, 2, dpi);
    QVERIFY(!first.isNull() && !second.isNull());
    QVERIFY(blackIn(first, 185, 199) > 0);
    QVERIFY(blackIn(second, 60, 130) > 0);
    QCOMPARE(blackIn(second, 140, 199), 0);
    // Between the grid lines (every 10 mm from the leading edge at 35 mm)
    // the dotted camber line is the only ink between the first rib's upper
    // and lower outline; each sheet must show its own stretch of it.
    const double finePxPerMm = 300 / 25.4;
    auto camberAt = [&](const QImage& page, double atMm) {
        auto black = [&](int x, int y) { return qGray(page.pixel(x, y)) < 100; };
        for (int x = int((atMm - 2) * finePxPerMm); x <= int((atMm + 2) * finePxPerMm); ++x) {
            int y = int(16 * finePxPerMm);
            while (y < page.height() && !black(x, y))
                ++y;
            while (y < page.height() && black(x, y))
                ++y;
            // Two pixels off each outline, clear of its anti-aliased fringe.
            const int from = y + 2;
            int to = from;
            while (to < page.height() && !black(x, to))
                ++to;
            for (y = from; y < to - 2; ++y)
                if (qGray(page.pixel(x, y)) < 240)
                    return true;
        }
        return false;
    };
    const QImage fineFirst = PdfProbe::render(pdf, 1, 300);
    const QImage fineSecond = PdfProbe::render(pdf, 2, 300);
    QVERIFY(camberAt(fineFirst, 60) && camberAt(fineFirst, 180));
    QVERIFY(camberAt(fineSecond, 10) && camberAt(fineSecond, 120));
}

void TestPrintout::ribGroupsFillPagesInTurn()
{
    addPanel(0, "Long", 100, 100, 0, 800, 0, 40);
    float minY = 0, maxY = 0;
    PlaneModel::instance()->getPanelList().front()->getRibHeightRange(minY, maxY);
    const float boxHeight = maxY - minY + 6;
    // Paper just high enough for twelve rows.
    const int height = int(std::ceil(15 + 12 * (boxHeight + 15))) + 1;
    const QString pdf = printPlane("groups.pdf", QSizeF(200, height));
    QVERIFY(!pdf.isEmpty());
    const QStringList pages = PdfProbe::pageTexts(pdf);
    const int groupEnds[4] = {12, 24, 36, 40};
    int first = 1;
    for (int page = 0; page < 4; ++page) {
        for (int rib = 1; rib <= 40; ++rib) {
            const bool here = rib >= first && rib <= groupEnds[page];
            QCOMPARE(pages[page].contains(QRegularExpression(QString("P1_R%1,").arg(rib))), here);
        }
        first = groupEnds[page] + 1;
    }
    QVERIFY(pages[4].contains("P1 (Panel 1)"));
}

void TestPrintout::fullLastRibPageIsNotFollowedByBlankSheet()
{
    addPanel(0, "Full", 100, 100, 0, 190, 0, 12);
    float minY = 0, maxY = 0;
    PlaneModel::instance()->getPanelList().front()->getRibHeightRange(minY, maxY);
    const float boxHeight = maxY - minY + 6;
    // Twelve rows fill the sheet; a thirteenth would not fit.
    const int height = int(std::ceil(15 + 12 * (boxHeight + 15))) + 1;
    const QString pdf = printPlane("full.pdf", QSizeF(200, height));
    QVERIFY(!pdf.isEmpty());
    const QStringList pages = PdfProbe::pageTexts(pdf);
    QVERIFY(pages[0].contains("P1_R12, thickness"));
    QCOMPARE(pageWith(pages, "P1 (Panel 1)"), 2);
}

void TestPrintout::panelWithoutRibsStillEndsItsPage()
{
    addPanel(0, "Bare", 150, 150, 0, 190, 0, 0);
    addPanel(1, "Ribbed", 150, 150, 0, 190, 0, 2);
    QCOMPARE(PlaneModel::instance()->getPanelList().front()->getRibCount(), 0);
    const QString pdf = printPlane("bare.pdf", QSizeF(200, 287));
    QVERIFY(!pdf.isEmpty());
    const QStringList pages = PdfProbe::pageTexts(pdf);
    QVERIFY(pages[0].contains("Ribs for panel #1: Bare"));
    QVERIFY(!pages[0].contains("Ribs for panel #2"));
    QVERIFY(pages[1].contains("Ribs for panel #2: Ribbed"));
    QVERIFY(pages[2].contains("P1 (Panel 1)"));
}

void TestPrintout::paperTooLowForARibWarnsAndGoesOn()
{
    // A 500 mm chord gives a rib box higher than 90 mm paper can hold.
    addPanel(0, "Root", 500, 400, 0, 190, 0, 3);
    const QString pdf = printPlane("low.pdf", QSizeF(200, 90));
    QVERIFY(!pdf.isEmpty());
    QCOMPARE(DialogSeam::calls().size(), size_t(1));
    QCOMPARE(DialogSeam::calls()[0].title, QString("Can't print to PDF"));
    QVERIFY(DialogSeam::calls()[0].text.contains("Paper height is smaller than what is necessary for one rib."));
    const QStringList pages = PdfProbe::pageTexts(pdf);
    QVERIFY(pages[0].contains("Ribs for panel #1: Root"));
    QVERIFY(!pages[0].contains("P1_R1"));
    QCOMPARE(pageWith(pages, "P1 (Panel 1)"), 2);
    QVERIFY(pageWith(pages, "- right wing") > 2);
    QVERIFY(pageWith(pages, "- left wing") > pageWith(pages, "- right wing"));
}

void TestPrintout::tilesCoverEachPanel_data()
{
    QTest::addColumn<float>("length");
    QTest::addColumn<float>("rootChord");
    QTest::addColumn<float>("sweep");
    QTest::addColumn<QString>("lastCaption");
    // 200 x 287 mm printable: tiles 200 mm across and 267 mm along the chord.
    QTest::newRow("290 mm needs two across") << 290.f << 200.f << 30.f << "Page (2, 1) of (2, 1)";
    QTest::newRow("190 mm fits one") << 190.f << 200.f << 30.f << "Page (1, 1) of (1, 1)";
    QTest::newRow("forward sweep") << 190.f << 200.f << -30.f << "Page (1, 1) of (1, 1)";
    QTest::newRow("deep chord, forward sweep") << 190.f << 300.f << -30.f << "Page (1, 2) of (1, 2)";
}

void TestPrintout::tilesCoverEachPanel()
{
    QFETCH(float, length);
    QFETCH(float, rootChord);
    QFETCH(float, sweep);
    QFETCH(QString, lastCaption);
    addPanel(0, "Only", rootChord, 120, sweep, length, 0, 2);
    const QString pdf = printPlane("tiles.pdf", QSizeF(200, 287));
    QVERIFY(!pdf.isEmpty());
    const QStringList pages = PdfProbe::pageTexts(pdf);
    const int dihedral = pageWith(pages, "P1 (Panel 1)");
    const int tiles = (pages.size() - dihedral) / 2;
    QCOMPARE(pages.size() - dihedral, 2 * tiles);
    QVERIFY2(pages[dihedral + tiles - 1].contains("Only: " + lastCaption + " - right wing"),
             qPrintable(pages[dihedral + tiles - 1]));
    QVERIFY(pages[pages.size() - 1].contains("Only: " + lastCaption + " - left wing"));
    const QRegularExpression counts("Page \\((\\d+), (\\d+)\\) of \\((\\d+), (\\d+)\\)");
    const QRegularExpressionMatch m = counts.match(lastCaption);
    QCOMPARE(tiles, m.captured(3).toInt() * m.captured(4).toInt());
}

void TestPrintout::printCommandWritesTheChosenPdf()
{
    addPanel(0, "Root", 150, 120, 0, 190, 0, 2);
    PrintSettings settings;
    bool accepted = false;
    // The dialog runs modally; accept it as the user would, with the
    // proposed file in the proposed folder.
    QTimer::singleShot(0, [&accepted]() {
        if (auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget())) {
            dialog->accept();
            accepted = true;
        }
    });
    QVERIFY(PrintJob::runPrintCommand(&settings, nullptr, dir.path(), "command.pdf"));
    QVERIFY(accepted);
    QVERIFY(settings.valid);
    const QString pdf = dir.filePath("command.pdf");
    QCOMPARE(PdfProbe::pageCount(pdf), 4);
    QVERIFY(PdfProbe::run("pdfinfo", {pdf}).contains(QRegularExpression("Title:\\s+Planformix printing Glider")));
    // Landscape A4 with 5 mm margins is what a first dialog proposes.
    const QSizeF paper = PdfProbe::pageSize(pdf, 1);
    QVERIFY(qAbs(paper.width() - 297.0) < 0.1 && qAbs(paper.height() - 210.0) < 0.1);
}


void TestPrintout::ribsTheSheetsConsumeGetNoTemplateAndAreNamed()
{
    // A thin tip under 2.5 mm sheets on both sides over the whole chord:
    // the sheets leave nothing of the last two ribs.
    SheetingStripList strips;
    strips.append(SheetingStripDefinition("sheet", 0, 1, 6, 100.0f, 100.0f, 2.5f, true, true, true, false, 0.0f, 0.0f,
                                          false, false));
    SparList spars;
    spars.addSpar(SparDefinition("Round", SparType::Round, 1, 6, 30.0f, 30.0f, true, false));
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(PanelBaseData(
        1, "Tip", "NACA 2412", "NACA 0005", 150.0f, 50.0f, 20.0f, 400.0f, 0.0f, 3.0f, false, true, false, 2.0f, 6,
        150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(), spars, strips,
        CoveringDefinition(SheetingType::Advanced, 25.0f, 1.5f, 0, true, true, true), BuildingTabData(), RibCombList()));
    std::vector<bool> consumed;
    for (const RibDefinition& rib : PlaneModel::instance()->getPanelList().front()->getRibList().getRibs())
        consumed.push_back(rib.consumedBySheets());
    QCOMPARE(consumed, (std::vector<bool>{false, false, false, false, true, true}));

    // Their rows hold their label, their dashed box and a note; no template,
    // hole or camber line.
    RecordingDevice device;
    const std::vector<double> tops = printRibRows(device);
    QCOMPARE(tops.size(), consumed.size());
    const double pitch = tops[1] - tops[0];
    for (std::size_t k = 0; k < tops.size(); ++k) {
        int drawn = 0;
        int notes = 0;
        for (const RecordedShape& shape : device.shapes()) {
            const double y = shape.points.boundingRect().center().y();
            if (shape.points.isEmpty() || y <= tops[k] || y >= tops[k] + pitch - 2.5)
                continue;
            if (shape.kind == RecordedShape::Text)
                notes += shape.text == "The sheeting leaves nothing of this rib to build." ? 1 : 0;
            else if (shape.pen.style() != Qt::CustomDashLine)
                ++drawn;
        }
        QVERIFY2((drawn == 0) == consumed[k], qPrintable(QString("rib %1: %2 shapes").arg(k + 1).arg(drawn)));
        QCOMPARE(notes, consumed[k] ? 1 : 0);
    }

    // The user is told which ribs of which panel got no template.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("consumed.pdf"));
    QVERIFY(PrintJob::printPlane(&printer, 200, 287, nullptr));
    QVERIFY(!DialogSeam::calls().empty());
    const DialogSeam::Call& told = DialogSeam::calls().back();
    QCOMPARE(told.icon, QMessageBox::Information);
    QCOMPARE(told.title, QString("Print / Export to PDF"));
    QCOMPARE(told.text, QString("These ribs get no template in the printout:\n\n"
                                "Ribs 5, 6 of panel 'Tip': the sheeting leaves nothing to build."));
}

void TestPrintout::ribsTheSheetsPartGetATemplateForEachPiece()
{
    // A mid-chord band of 2.5 mm sheets on both sides of a thin tip parts
    // the last three ribs: the wood behind the band is a piece of its own.
    SheetingStripList strips;
    strips.append(SheetingStripDefinition("band", 0, 1, 6, 25.0f, 25.0f, 2.5f, true, true, true, false, 35.0f, 35.0f,
                                          false, false));
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(PanelBaseData(
        1, "Tip", "NACA 2412", "NACA 0005", 150.0f, 50.0f, 20.0f, 400.0f, 0.0f, 3.0f, false, true, false, 2.0f, 6,
        150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(), SparList(), strips,
        CoveringDefinition(SheetingType::Advanced, 25.0f, 1.5f, 0, true, true, true), BuildingTabData(), RibCombList()));
    std::vector<int> pieces;
    for (const RibDefinition& rib : PlaneModel::instance()->getPanelList().front()->getRibList().getRibs())
        pieces.push_back(1 + int(rib.getFurtherPieces().size()));
    QCOMPARE(pieces, (std::vector<int>{1, 1, 1, 2, 2, 2}));

    // Each piece is a closed outline in its rib's row, which says so.
    RecordingDevice device;
    const std::vector<double> tops = printRibRows(device);
    QCOMPARE(tops.size(), pieces.size());
    const double pitch = tops[1] - tops[0];
    for (std::size_t k = 0; k < tops.size(); ++k) {
        int outlines = 0;
        int notes = 0;
        for (const RecordedShape& shape : device.shapes()) {
            const double y = shape.points.boundingRect().center().y();
            if (shape.points.isEmpty() || y <= tops[k] - 5.0 || y >= tops[k] + pitch - 5.0)
                continue;
            if (shape.kind == RecordedShape::Text)
                notes += shape.text.endsWith(QString::fromUtf8(" \u2013 Parted by the sheeting: 2 pieces.")) ? 1 : 0;
            else if (shape.kind == RecordedShape::Polygon && shape.points.size() > 50)
                ++outlines;
        }
        QCOMPARE(outlines, pieces[k]);
        QCOMPARE(notes, pieces[k] > 1 ? 1 : 0);
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("parted.pdf"));
    QVERIFY(PrintJob::printPlane(&printer, 200, 287, nullptr));
    QVERIFY(!DialogSeam::calls().empty());
    QCOMPARE(DialogSeam::calls().back().text,
             QString("These ribs get a template for each of their pieces:\n\n"
                     "Ribs 4\u20136 of panel 'Tip' are parted by the sheeting: each piece is cut on its own."));
}

QTEST_MAIN(TestPrintout)
#include "tst_printout.moc"

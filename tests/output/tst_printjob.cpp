#include <QtTest>
#include <cerrno>
#include <cstring>
#include <QComboBox>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>

#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "document/PlaneModel.h"
#include "foundation/DialogSeam.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "output/PrintDialog.h"
#include "output/PrintJob.h"
#include "output/PrintPage.h"
#include "output/PrintSettings.h"
#include "pdfprobe.h"
#include "printform.h"
#include "progresswatch.h"
#include "ui_PrintDialog.h"

// The print entry: printable area, exact millimetre scale on real PDF
// files, the shared page decorations, and the refusals.
class TestPrintJob : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void hundredMillimetresMeasureHundredOnPaper_data();
    void hundredMillimetresMeasureHundredOnPaper();
    void refusesAreaWithoutRoomForARow_data();
    void refusesAreaWithoutRoomForARow();
    void reportsPdfThatCannotBeCreated();
    void pdfOnReadOnlyFileSystemSaysSo_data();
    void pdfOnReadOnlyFileSystemSaysSo();
    void pdfCutShortKeepsOldFile_data();
    void pdfCutShortKeepsOldFile();
    void pdfWithoutMemoryKeepsOldFile();
    void firstPdfGoesIntoMissingDocumentsFolder();
    void decoratesPagesReadablyAlsoWhenMirrored();
    void planePrintsInMillimetresWhateverViewportItIsGiven();
    void longPrintoutShowsProgressAndCancels_data();
    void longPrintoutShowsProgressAndCancels();

private:
    // Sets a printer up through the print dialog as a user would.
    void setUpPdf(QPrinter& printer, const QString& path, int sizeIndex, bool landscape, int margin, int& width,
                  int& height);
    QTemporaryDir dir;
};

void TestPrintJob::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
}

void TestPrintJob::setUpPdf(QPrinter& printer, const QString& path, int sizeIndex, bool landscape, int margin,
                            int& width, int& height)
{
    PrintSettings settings;
    QFileInfo info(path);
    PrintDialog dialog(&printer, &settings, info.path(), info.fileName(), &height, &width);
    Ui::PrintDialog* ui = dialog.form();
    ui->comboBoxPrinterName->setCurrentIndex(ui->comboBoxPrinterName->count() - 1);
    PrintForm::choosePage(ui, sizeIndex, margin, landscape);
    dialog.done(QDialog::Accepted);
}

void TestPrintJob::hundredMillimetresMeasureHundredOnPaper_data()
{
    QTest::addColumn<int>("sizeIndex");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QSizeF>("paper");
    QTest::newRow("A4") << 4 << false << QSizeF(210.0, 297.0);
    QTest::newRow("A4 landscape") << 4 << true << QSizeF(297.0, 210.0);
    // 215.9 mm less the margins is not a whole number of millimetres.
    QTest::newRow("Letter") << 5 << false << QSizeF(215.9, 279.4);
    QTest::newRow("Letter landscape") << 5 << true << QSizeF(279.4, 215.9);
}

void TestPrintJob::hundredMillimetresMeasureHundredOnPaper()
{
    QFETCH(int, sizeIndex);
    QFETCH(bool, landscape);
    QFETCH(QSizeF, paper);
    const QString path = dir.filePath("scale.pdf");
    QPrinter printer(QPrinter::HighResolution);
    int w = 0, h = 0;
    const int margin = 5;
    setUpPdf(printer, path, sizeIndex, landscape, margin, w, h);
    QVERIFY(PrintJob::printPages(&printer, w, h, nullptr, [](QPainter* painter, int, int, QPrinter*) {
        painter->setPen(QPen(Qt::black, 0.3, Qt::SolidLine, Qt::FlatCap));
        painter->drawLine(QPointF(10, 20), QPointF(110, 20));
        painter->drawLine(QPointF(150, 30), QPointF(150, 130));
    }));

    const QSizeF size = PdfProbe::pageSize(path, 1);
    QVERIFY2(qAbs(size.width() - paper.width()) < 0.1 && qAbs(size.height() - paper.height()) < 0.1,
             qPrintable(QString("%1 x %2 mm").arg(size.width()).arg(size.height())));

    const int dpi = 600;
    const double pxPerMm = dpi / 25.4;
    const QImage page = PdfProbe::render(path, 1, dpi);
    QVERIFY(!page.isNull());
    const int rowY = qRound((margin + 20) * pxPerMm);
    const int columnX = qRound((margin + 150) * pxPerMm);
    const int band = qRound(0.5 * pxPerMm);

    const double across = PdfProbe::inkLengthAlongX(page, rowY - band, rowY + band) / pxPerMm;
    const double along = PdfProbe::inkLengthAlongY(page, columnX - band, columnX + band) / pxPerMm;
    QVERIFY2(qAbs(across - 100.0) <= 0.1, qPrintable(QString("across %1 mm").arg(across)));
    QVERIFY2(qAbs(along - 100.0) <= 0.1, qPrintable(QString("along %1 mm").arg(along)));
    // Page unit 0 is the printable area's edge, the margin off the paper's.
    const double start = PdfProbe::firstInkColumn(page, rowY - band, rowY + band) / pxPerMm;
    QVERIFY2(qAbs(start - (margin + 10)) <= 0.1, qPrintable(QString("starts at %1 mm").arg(start)));
}

void TestPrintJob::refusesAreaWithoutRoomForARow_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("printed");
    QTest::newRow("nothing left") << 0 << 0 << false;
    QTest::newRow("negative width") << -10 << 287 << false;
    QTest::newRow("too narrow for a rib") << 35 << 287 << false;
    QTest::newRow("too low for a tile") << 200 << 30 << false;
    QTest::newRow("smallest usable") << 36 << 31 << true;
}

void TestPrintJob::refusesAreaWithoutRoomForARow()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, printed);
    const QString path = dir.filePath(QString("area%1x%2.pdf").arg(width).arg(height));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    bool drawn = false;
    const bool result =
        PrintJob::printPages(&printer, width, height, nullptr, [&](QPainter*, int, int, QPrinter*) { drawn = true; });
    QCOMPARE(result, printed);
    QCOMPARE(drawn, printed);
    QCOMPARE(QFileInfo::exists(path), printed);
    QCOMPARE(DialogSeam::calls().size(), printed ? size_t(0) : size_t(1));
    if (!printed) {
        QCOMPARE(DialogSeam::calls()[0].icon, QMessageBox::Warning);
        QVERIFY(DialogSeam::calls()[0].text.contains(QString("%1 x %2 mm").arg(width).arg(height)));
    }
}

void TestPrintJob::reportsPdfThatCannotBeCreated()
{
    // A folder below a plain file cannot exist, whoever runs the test.
    QFile blocker(dir.filePath("plainfile"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath("plainfile/out.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    bool drawn = false;
    QVERIFY(!PrintJob::printPages(&printer, 200, 287, nullptr, [&](QPainter*, int, int, QPrinter*) { drawn = true; }));
    QVERIFY(!drawn);
    QCOMPARE(DialogSeam::calls().size(), size_t(1));
    const DialogSeam::Call& call = DialogSeam::calls()[0];
    QCOMPARE(call.icon, QMessageBox::Critical);
    QCOMPARE(call.title, QString("Error exporting to PDF"));
    QCOMPARE(call.buttons, QStringList({"Ok"}));
    QVERIFY(call.text.startsWith("<p align='center'>Error creating file " + QDir::toNativeSeparators(path) + ": "));
}

void TestPrintJob::pdfOnReadOnlyFileSystemSaysSo_data()
{
    QTest::addColumn<bool>("replacing");
    QTest::newRow("new file") << false;
    QTest::newRow("replacing a file") << true;
}

void TestPrintJob::pdfOnReadOnlyFileSystemSaysSo()
{
    // A mounted medium that is read-only is not a matter of permissions:
    // the user must hear which it is to know what to do.
    QFETCH(bool, replacing);
    const QByteArray previous = "the last printout";
    const auto fill = [&](const QString& folder) {
        QFile old(folder + "/plane.pdf");
        if (replacing && old.open(QIODevice::WriteOnly))
            old.write(previous);
    };
    const std::string wrong = TestSupport::runOnReadOnlyFileSystem(fill, [&](const QString& folder) {
        const QString target = folder + "/plane.pdf";
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        std::string problems;
        if (PrintJob::printPages(&printer, 200, 287, nullptr, [](QPainter*, int, int, QPrinter*) {}))
            problems += "the printout reported success; ";
        const QString expected = "<p align='center'>Error creating file " + QDir::toNativeSeparators(target) + ": "
                                 + QString::fromLocal8Bit(std::strerror(EROFS)) + "</p>";
        if (DialogSeam::calls().size() != 1 || DialogSeam::calls().front().text != expected)
            problems += "the box does not say " + expected.toStdString() + "; ";
        if (replacing)
            problems += TestSupport::keptUntouched(target, previous);
        return problems;
    });
    if (wrong == TestSupport::NoReadOnlyFileSystem)
        QSKIP("no read-only file system can be mounted here");
    QVERIFY2(wrong.empty(), wrong.c_str());
}

void TestPrintJob::pdfCutShortKeepsOldFile_data()
{
    TestSupport::addWriteFailureRows();
}

void TestPrintJob::pdfCutShortKeepsOldFile()
{
    QFETCH(int, failAt);
    const auto drawPages = [](QPainter* painter, int, int, QPrinter* printer) {
        for (int page = 1; page <= 3; ++page) {
            if (page > 1)
                printer->newPage();
            painter->drawText(QPointF(10, 10), QString("Page %1").arg(page));
            painter->drawEllipse(QPointF(100, 140), 80, 20 * page);
        }
    };
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("measured.pdf"));
    QVERIFY(PrintJob::printPages(&printer, 200, 287, nullptr, drawPages));
    const qint64 size = QFileInfo(printer.outputFileName()).size();
    QVERIFY(QFile::remove(printer.outputFileName()));
    const QString target = folder.filePath("plane.pdf");
    const QByteArray previous = "the last printout";
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(previous) == previous.size());
    }
    printer.setOutputFileName(target);
    DialogSeam::clear();

    const std::string wrong = TestSupport::runWithFileSizeLimit(TestSupport::failingLimit(failAt, size), [&] {
        std::string problems;
        if (PrintJob::printPages(&printer, 200, 287, nullptr, drawPages))
            problems += "the printout reported success; ";
        if (DialogSeam::calls().size() != 1 || DialogSeam::calls().front().title != "Error exporting to PDF")
            problems += "no \"Error exporting to PDF\" box; ";
        else if (!DialogSeam::calls().front().text.contains(": File too large</p>"))
            problems += "the box does not name the reason: " + DialogSeam::calls().front().text.toStdString() + "; ";
        if (!DialogSeam::statusMessages().empty())
            problems += "the failed printout was announced as written; ";
        return problems + TestSupport::keptUntouched(target, previous);
    });
    QVERIFY2(wrong.empty(), wrong.c_str());
}

void TestPrintJob::pdfWithoutMemoryKeepsOldFile()
{
    // The PDF engine does not survive running out of memory in its
    // compression: without room the printout is refused before it begins.
    const auto drawPages = [](QPainter* painter, int, int, QPrinter*) {
        painter->drawText(QPointF(10, 10), QString("Page 1"));
    };
    QTemporaryDir folder;
    const QString target = folder.filePath("plane.pdf");
    const QByteArray previous = "the last printout";
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(previous) == previous.size());
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    DialogSeam::clear();
    const std::string wrong = TestSupport::runWithDataLimit(0, [&] {
        std::string problems;
        if (PrintJob::printPages(&printer, 200, 287, nullptr, drawPages))
            problems += "the printout reported success; ";
        if (DialogSeam::calls().size() != 1 || !DialogSeam::calls().front().text.contains("not enough memory"))
            problems += "no box saying there is not enough memory; ";
        return problems + TestSupport::keptUntouched(target, previous);
    });
    QVERIFY2(wrong.empty(), wrong.c_str());
}

void TestPrintJob::firstPdfGoesIntoMissingDocumentsFolder()
{
    const TestSupport::FreshHome home;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY2(documents.startsWith(home.path()), qPrintable(documents));
    const QString target = documents + "/Planformix.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    QVERIFY(PrintJob::printPages(&printer, 200, 287, nullptr, [](QPainter*, int, int, QPrinter*) {}));
    QVERIFY(PdfProbe::pageSize(target, 1).isValid());
    QCOMPARE(DialogSeam::statusMessages(), std::vector<QString>{"PDF written to " + target});
}

void TestPrintJob::decoratesPagesReadablyAlsoWhenMirrored()
{
    const QString path = dir.filePath("decorated.pdf");
    QPrinter printer(QPrinter::HighResolution);
    int w = 0, h = 0;
    setUpPdf(printer, path, 4, false, 5, w, h);
    QVERIFY(PrintJob::printPages(&printer, w, h, nullptr, [](QPainter* painter, int pw, int ph, QPrinter* p) {
        painter->setFont(PrintPage::makeFont());
        const QPen text = PrintPage::makeTextPen(painter->pen());
        const QPen grid = PrintPage::makeGridPen(painter->pen());
        PrintPage page(painter, p, grid, text, pw, ph, "Glider One");
        page.decorate();
        const QTransform unmirrored = painter->transform();
        painter->scale(-1, 1);
        painter->translate(-pw, 0);
        page.setUnmirrored(&unmirrored);
        page.startNewPage();
    }));
    QCOMPARE(PdfProbe::pageCount(path), 2);
    // Where "Courier New" is missing the matcher must still give a
    // fixed-pitch face, and the PDF must carry it so the text is real text.
    QVERIFY(QFontInfo(PrintPage::makeFont()).fixedPitch());
    const QStringList fonts = PdfProbe::run("pdffonts", {path}).split('\n', Qt::SkipEmptyParts).mid(2);
    QCOMPARE(fonts.size(), 1);
    QVERIFY2(fonts[0].contains(QRegularExpression("\\byes\\b")), qPrintable(fonts[0]));
    for (int p = 1; p <= 2; ++p) {
        const QString text = PdfProbe::pageText(path, p);
        QVERIFY2(text.contains("Glider One"), qPrintable(text));
        QVERIFY2(text.contains("Designed with Planformix"), qPrintable(text));
    }
    // The plane's name stays at the top right and the footer at the bottom
    // centre on the mirrored sheet too: compare where ink lies.
    for (int p = 1; p <= 2; ++p) {
        const QImage image = PdfProbe::render(path, p, 100);
        const double pxPerMm = 100 / 25.4;
        const int top = qRound((5 + 2) * pxPerMm);
        const int first = PdfProbe::firstInkColumn(image, top - 4, top + 4) ;
        QVERIFY2(first > image.width() / 2, qPrintable(QString("page %1: name starts at column %2").arg(p).arg(first)));
    }
}

void TestPrintJob::planePrintsInMillimetresWhateverViewportItIsGiven()
{
    const QString path = dir.filePath("viewport.pdf");
    QPrinter printer(QPrinter::HighResolution);
    int w = 0, h = 0;
    setUpPdf(printer, path, 5, false, 5, w, h);
    // Letter less the margins is 205.9 mm across, cut to 205.
    QCOMPARE(w, 205);
    PlaneModel::instance()->clear();
    QPainter painter;
    QVERIFY(painter.begin(&printer));
    // The whole printable area given to the whole millimetres: 0.44 % too
    // wide, were the plane to keep it.
    painter.setWindow(0, 0, w, h);
    painter.setViewport(0, 0, printer.width(), printer.height());
    PlaneModel::instance()->print(&painter, w, h, &printer);
    QVERIFY(painter.end());

    // The second sheet's grey top right corner mark ends 1 mm short of the
    // printable area's right edge at 205 mm, 5 mm in from the paper's edge.
    const int dpi = 600;
    const double pxPerMm = dpi / 25.4;
    const QImage page = PdfProbe::render(path, 2, dpi);
    QVERIFY(!page.isNull());
    const int top = qRound(5 * pxPerMm);
    const int band = qRound(0.3 * pxPerMm);
    int last = -1;
    for (int x = 0; x < page.width(); ++x)
        for (int y = top - band; y <= top + band; ++y)
            if (PdfProbe::ink(page, x, y) > 0.2)
                last = x;
    const double end = last / pxPerMm;
    // Plus the half pen width of the square cap.
    QVERIFY2(qAbs(end - (5 + 204 + 0.1)) <= 0.15, qPrintable(QString("corner mark ends at %1 mm").arg(end)));
    delete PlaneModel::instance();
}

void TestPrintJob::longPrintoutShowsProgressAndCancels_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("printed to the end") << false;
    QTest::newRow("cancelled") << true;
}

void TestPrintJob::longPrintoutShowsProgressAndCancels()
{
    QFETCH(bool, cancel);
    if (!WingFoils::instance())
        WingFoils::createInstance(PLANFORMIX_BINARY_DIR "/resources/foils_v2", dir.filePath("imported"));
    PlaneModel::instance()->clear();
    for (int id = 1; id <= 3; ++id)
        PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(PanelBaseData(
            id, QString("Panel %1").arg(id), "CLARK Y AIRFOIL", "CLARK Y AIRFOIL", 200.0f, 180.0f, 10.0f, 600.0f,
            0.0f, 2.0f, false, false, true, 3.0f, 30, 150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(), SparList(),
            SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList()));
    QTemporaryDir folder;
    const QString target = folder.filePath("plane.pdf");
    const QByteArray previous = "the last printout";
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(previous) == previous.size());
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                      QPageLayout::Millimeter));
    QWidget window;
    window.show();

    ProgressWatch watch(cancel);
    const bool printed = PrintJob::printPlane(&printer, 200, 287, &window);
    QCOMPARE(watch.shown, 1);
    // The window manager elides a title that does not fit.
    QVERIFY2(watch.roomBesideTitle >= 120, qPrintable(QString::number(watch.roomBesideTitle)));
    QVERIFY(DialogSeam::calls().empty());
    if (cancel) {
        // A cancelled printout is no error, and the last one stays.
        QVERIFY(!printed);
        const std::string wrong = TestSupport::keptUntouched(target, previous);
        QVERIFY2(wrong.empty(), wrong.c_str());
    } else {
        QVERIFY(printed);
        QCOMPARE(watch.lastValue, watch.maximum);
        QVERIFY(!watch.cancelAtEnd);
        QVERIFY(PrintJob::isCompletePdf(target));
    }
    delete PlaneModel::instance();
}

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"

#include <QtTest>
#include <QPainter>
#include <QPrinter>

#include "output/DihedralTablePrinter.h"
#include "output/PrintJob.h"
#include "output/PrintPage.h"
#include "pdfprobe.h"

// The dihedral page read back from a PDF: its rows and its placement.
class TestDihedralTable : public QObject
{
    Q_OBJECT
private slots:
    void rowsGiveDistanceAndHeightOfOuterPanel();
    void wideSheetsCentreTheDrawing_data();
    void wideSheetsCentreTheDrawing();

private:
    QString printTable(const QString& name, const QPageSize& paper, int pageWidth,
                       const std::vector<DihedralTablePrinter::Joint>& joints);
    QTemporaryDir dir;
};

QString TestDihedralTable::printTable(const QString& name, const QPageSize& paper, int pageWidth,
                                      const std::vector<DihedralTablePrinter::Joint>& joints)
{
    const QString path = dir.filePath(name);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    const int pageHeight = static_cast<int>(paper.size(QPageSize::Millimeter).height());
    PrintJob::printPages(&printer, pageWidth, pageHeight, nullptr, [&](QPainter* painter, int w, int, QPrinter*) {
        painter->setFont(PrintPage::makeFont());
        const QPen text = PrintPage::makeTextPen(painter->pen());
        painter->setPen(text);
        DihedralTablePrinter::print(PrintPage::makeGridPen(painter->pen()), text, w, painter, joints);
    });
    return path;
}

void TestDihedralTable::rowsGiveDistanceAndHeightOfOuterPanel()
{
    const QString path = printTable("rows.pdf", QPageSize(QPageSize::A4), 210,
                                    {{"Root", "Root", 6, 400}, {"Root", "Mid", 3, 300}, {"Mid", "Tip", 5, 200},
                                     {"Tip", "Flat", 0, 150}});
    const QStringList lines = PdfProbe::pageText(path, 1).split('\n');
    const QStringList expected = {"Root Root 6 397.809 41.8114", "Root Mid 3 299.589 15.7008",
                                  "Mid Tip 5 199.239 17.4311", "Tip Flat 0 150 0"};
    int found = 0;
    for (const QString& line : lines) {
        if (found < expected.size() && line.trimmed() == expected[found])
            ++found;
    }
    QVERIFY2(found == expected.size(), qPrintable(lines.join('\n')));
    QVERIFY(lines.filter(QString(QChar(0x03B1)) + " (deg)").size() == 1);
}

void TestDihedralTable::wideSheetsCentreTheDrawing_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<double>("tableLeft");
    QTest::newRow("narrow sheet") << 200 << 0.0;
    QTest::newRow("wide sheet") << 410 << 55.0;
}

void TestDihedralTable::wideSheetsCentreTheDrawing()
{
    QFETCH(int, pageWidth);
    QFETCH(double, tableLeft);
    const QString path = printTable(QString("wide%1.pdf").arg(pageWidth), QPageSize(QPageSize::A2), pageWidth, {});
    const int dpi = 100;
    const double pxPerMm = dpi / 25.4;
    const QImage page = PdfProbe::render(path, 1, dpi);
    // The header's top line, y = 69, runs from the drawing's left edge.
    const int y = qRound(69 * pxPerMm);
    const double left = PdfProbe::firstInkColumn(page, y - 1, y + 1) / pxPerMm;
    QVERIFY2(qAbs(left - tableLeft) < 0.6, qPrintable(QString::number(left)));
}

QTEST_MAIN(TestDihedralTable)
#include "tst_dihedraltable.moc"

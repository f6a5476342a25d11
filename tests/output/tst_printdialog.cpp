#include <QtTest>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTranslator>

#include "foundation/DialogSeam.h"
#include "output/PrintDialog.h"
#include "output/PrintSettings.h"
#include "printform.h"
#include "ui_PrintDialog.h"

class TestPrintDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void offersPdfOutputWithoutPrinters();
    void printableAreaFollowsPaperMarginsAndOrientation_data();
    void printableAreaFollowsPaperMarginsAndOrientation();
    void acceptedDialogSetsUpPdfPrinter();
    void storedFileNameEndsInPdf_data();
    void storedFileNameEndsInPdf();
    void cancelLeavesRecordAndPrinterUntouched();
    void nextDialogRemembersAcceptedChoices();
    void choosingAnEntryResetsMargins();
    void fileButtonTakesChosenPath();
    void fileOutputSurvivesLanguageSwitch_data();
    void fileOutputSurvivesLanguageSwitch();

private:
    bool printersInstalled() const { return !QPrinterInfo::availablePrinterNames().isEmpty(); }
};

void TestPrintDialog::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
}

void TestPrintDialog::offersPdfOutputWithoutPrinters()
{
    if (printersInstalled())
        QSKIP("this machine has printers installed");
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    int h = -1, w = -1;
    PrintDialog dialog(&printer, &settings, "/tmp", "Planformix.pdf", &h, &w);
    Ui::PrintDialog* ui = dialog.form();

    QCOMPARE(dialog.windowTitle(), QString("Print / Export to PDF"));
    QCOMPARE(ui->comboBoxPrinterName->count(), 2);
    QCOMPARE(dialog.getSeparatorIndex(), 0);
    QCOMPARE(ui->comboBoxPrinterName->currentIndex(), 1);
    QCOMPARE(ui->comboBoxPrinterName->currentText(), QString("Print to file (PDF)"));
    QCOMPARE(ui->comboBoxPageSizes->count(), 7);
    QStringList sizes;
    for (int i = 0; i < ui->comboBoxPageSizes->count(); ++i)
        sizes << ui->comboBoxPageSizes->itemText(i);
    QCOMPARE(sizes, QStringList({QPageSize(QPageSize::A0).name(), QPageSize(QPageSize::A1).name(),
                                 QPageSize(QPageSize::A2).name(), QPageSize(QPageSize::A3).name(),
                                 QPageSize(QPageSize::A4).name(), QPageSize(QPageSize::Letter).name(),
                                 QPageSize(QPageSize::Legal).name()}));
    QCOMPARE(ui->comboBoxPageSizes->currentIndex(), 4);
    QCOMPARE(ui->lblWidth->text(), QString("210mm"));
    QCOMPARE(ui->lblHeight->text(), QString("297mm"));
    QCOMPARE(ui->lblLocationValue->text(), QString("-"));
    QCOMPARE(ui->lblTypeValue->text(), QString("QT PDF driver"));
    QCOMPARE(ui->lblDescriptionValue->text(), QString("-"));
    QVERIFY(ui->wdgFileForPrinting->isEnabled());
    QVERIFY(dialog.isPrintToFile());
    QVERIFY(ui->rbLandscape->isChecked());
    QVERIFY(dialog.isLandscape());
    QCOMPARE(ui->txtFileForPrinting->text(), QString("/tmp/Planformix.pdf"));
    QCOMPARE(dialog.getDirectory(), QString("/tmp"));
    QCOMPARE(dialog.getFileName(), QString("Planformix.pdf"));
    QCOMPARE(ui->spinMarginTop->value(), 5.0);
}

void TestPrintDialog::printableAreaFollowsPaperMarginsAndOrientation_data()
{
    QTest::addColumn<int>("sizeIndex");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("A4 portrait") << 4 << false << 5 << 200 << 287;
    QTest::newRow("A4 landscape") << 4 << true << 5 << 287 << 200;
    QTest::newRow("A3 portrait") << 3 << false << 10 << 277 << 400;
    // Letter is 215.9 x 279.4 mm: whole millimetres by truncation.
    QTest::newRow("Letter portrait") << 5 << false << 5 << 205 << 269;
    QTest::newRow("Letter landscape") << 5 << true << 0 << 279 << 215;
}

void TestPrintDialog::printableAreaFollowsPaperMarginsAndOrientation()
{
    if (printersInstalled())
        QSKIP("this machine has printers installed");
    QFETCH(int, sizeIndex);
    QFETCH(bool, landscape);
    QFETCH(int, margin);
    QFETCH(int, width);
    QFETCH(int, height);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    int h = -1, w = -1;
    PrintDialog dialog(&printer, &settings, dir.path(), "out.pdf", &h, &w);
    Ui::PrintDialog* ui = dialog.form();
    PrintForm::choosePage(ui, sizeIndex, margin, landscape);
    dialog.done(QDialog::Accepted);
    QCOMPARE(w, width);
    QCOMPARE(h, height);
    QCOMPARE(settings.landscape, landscape);
    QVERIFY(settings.valid);
}

void TestPrintDialog::acceptedDialogSetsUpPdfPrinter()
{
    if (printersInstalled())
        QSKIP("this machine has printers installed");
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    int h = -1, w = -1;
    PrintDialog dialog(&printer, &settings, dir.path(), "wing.pdf", &h, &w);
    dialog.form()->rbPortrait->setChecked(true);
    dialog.form()->spinMarginLeft->setValue(12);
    dialog.done(QDialog::Accepted);
    QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(printer.outputFileName(), dir.path() + "/wing.pdf");
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(printer.pageLayout().units(), QPageLayout::Millimeter);
    QCOMPARE(printer.pageLayout().margins().left(), 12.0);
    QCOMPARE(printer.pageLayout().margins().top(), 5.0);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(w, 193);
    QCOMPARE(h, 287);
    QCOMPARE(settings.printerName, PrintSettings::fileOutputKey());
    QVERIFY(settings.printToFile);
}

void TestPrintDialog::storedFileNameEndsInPdf_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("dialogName");
    QTest::newRow("bare name") << "plane" << "." << "plane.pdf" << "plane";
    QTest::newRow("upper case ending") << "/tmp/WING.PDF" << "/tmp" << "WING.PDF" << "WING.PDF";
    QTest::newRow("emptied line") << "" << "" << ".pdf" << "";
    QTest::newRow("trailing separator") << "/tmp/" << "/tmp" << ".pdf" << "";
}

void TestPrintDialog::storedFileNameEndsInPdf()
{
    QFETCH(QString, typed);
    QFETCH(QString, directory);
    QFETCH(QString, stored);
    QFETCH(QString, dialogName);
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    int h = 0, w = 0;
    PrintDialog dialog(&printer, &settings, "/somewhere", "default.pdf", &h, &w);
    dialog.form()->txtFileForPrinting->setText(typed);
    QCOMPARE(dialog.getDirectory(), directory);
    dialog.done(QDialog::Accepted);
    QCOMPARE(settings.fileName, stored);
    QCOMPARE(settings.directory, directory);
    QCOMPARE(dialog.getFileName(), dialogName);
}

void TestPrintDialog::cancelLeavesRecordAndPrinterUntouched()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/tmp/before.pdf");
    PrintSettings settings;
    const PrintSettings before = settings;
    int h = -7, w = -7;
    PrintDialog dialog(&printer, &settings, "/tmp", "after.pdf", &h, &w);
    dialog.form()->spinMarginTop->setValue(20);
    dialog.done(QDialog::Rejected);
    QVERIFY(settings == before);
    QVERIFY(!settings.valid);
    QCOMPARE(printer.outputFileName(), QString("/tmp/before.pdf"));
    QCOMPARE(h, -7);
    QCOMPARE(w, -7);
}

void TestPrintDialog::nextDialogRemembersAcceptedChoices()
{
    if (printersInstalled())
        QSKIP("this machine has printers installed");
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    int h = 0, w = 0;
    {
        PrintDialog first(&printer, &settings, "/tmp", "first.pdf", &h, &w);
        first.form()->rbPortrait->setChecked(true);
        first.form()->comboBoxPageSizes->setCurrentIndex(5); // Letter
        first.form()->spinMarginBottom->setValue(17);
        first.done(QDialog::Accepted);
    }
    PrintDialog second(&printer, &settings, "/elsewhere", "other.pdf", &h, &w);
    QVERIFY(second.form()->rbPortrait->isChecked());
    QVERIFY(!second.isLandscape());
    QCOMPARE(second.form()->comboBoxPageSizes->currentIndex(), 5);
    QCOMPARE(second.getMarginBottom(), 17);
    QCOMPARE(second.form()->spinMarginBottom->value(), 17.0);
    QCOMPARE(second.getMarginTop(), 5);
    QCOMPARE(second.getDirectory(), QString("/tmp"));
    QCOMPARE(second.getFileName(), QString("first.pdf"));
}

void TestPrintDialog::choosingAnEntryResetsMargins()
{
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    int h = 0, w = 0;
    PrintDialog dialog(&printer, &settings, "/tmp", "a.pdf", &h, &w);
    dialog.form()->spinMarginLeft->setValue(30);
    dialog.form()->spinMarginTop->setValue(31);
    QCOMPARE(dialog.getMarginLeft(), 30);
    dialog.printerSelected(dialog.form()->comboBoxPrinterName->itemText(dialog.getSeparatorIndex() + 1));
    QCOMPARE(dialog.getMarginLeft(), 5);
    QCOMPARE(dialog.getMarginTop(), 5);
    QCOMPARE(dialog.form()->spinMarginTop->value(), 5.0);
}

void TestPrintDialog::fileButtonTakesChosenPath()
{
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    int h = 0, w = 0;
    PrintDialog dialog(&printer, &settings, "/tmp", "a.pdf", &h, &w);
    dialog.on_btnFileForPrinting_clicked(); // cancelled
    QCOMPARE(dialog.getFileName(), QString("a.pdf"));
    DialogSeam::queueFileName("/var/tmp/chosen.pdf");
    dialog.on_btnFileForPrinting_clicked();
    QCOMPARE(dialog.getDirectory(), QString("/var/tmp"));
    QCOMPARE(dialog.getFileName(), QString("chosen.pdf"));
    QCOMPARE(dialog.form()->txtFileForPrinting->text(), QString("/var/tmp/chosen.pdf"));
    QCOMPARE(DialogSeam::calls().back().title, QString("Open file for printing"));
}

void TestPrintDialog::fileOutputSurvivesLanguageSwitch_data()
{
    QTest::addColumn<bool>("germanFirst");
    QTest::newRow("English, then German") << false;
    QTest::newRow("German, then English") << true;
}

void TestPrintDialog::fileOutputSurvivesLanguageSwitch()
{
    QFETCH(bool, germanFirst);
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/lang/planformix_de.qm")));
    const auto speak = [&](bool inGerman) {
        if (inGerman)
            QCoreApplication::installTranslator(&german);
        else
            QCoreApplication::removeTranslator(&german);
    };
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    int h = 0, w = 0;
    speak(germanFirst);
    QString firstEntry;
    {
        PrintDialog first(&printer, &settings, "/tmp", "wing.pdf", &h, &w);
        QComboBox* list = first.form()->comboBoxPrinterName;
        list->setCurrentIndex(list->count() - 1);
        firstEntry = list->currentText();
        first.done(QDialog::Accepted);
    }
    speak(!germanFirst);
    PrintDialog second(&printer, &settings, "/elsewhere", "other.pdf", &h, &w);
    QComboBox* list = second.form()->comboBoxPrinterName;
    const QString entry = list->itemText(list->count() - 1);
    speak(false);
    QVERIFY(entry != firstEntry);
    QCOMPARE(list->currentText(), entry);
    QCOMPARE(second.getPrinterName(), entry);
    QVERIFY(second.isPrintToFile());
    QCOMPARE(second.getFileName(), QString("wing.pdf"));
}

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"

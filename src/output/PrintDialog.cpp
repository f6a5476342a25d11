#include "output/PrintDialog.h"

#include "foundation/DialogSeam.h"
#include "output/PrintSettings.h"
#include "ui_PrintDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>

PrintDialog::PrintDialog(QPrinter* printer_, PrintSettings* settings_, const QString& directory_,
                         const QString& fileName_, int* printableHeight_, int* printableWidth_)
    : QDialog(nullptr), ui(new Ui::PrintDialog)
{
    ui->setupUi(this);
    fillPrinterList();
    connect(ui->comboBoxPrinterName, SIGNAL(currentTextChanged(QString)), this, SLOT(printerSelected(QString)));
    connect(ui->comboBoxPageSizes, SIGNAL(currentIndexChanged(int)), this, SLOT(pageSizeSelected(int)));
    connect(ui->rbPortrait, SIGNAL(toggled(bool)), this, SLOT(layoutSettingChanged(bool)));
    connect(ui->rbLandscape, SIGNAL(toggled(bool)), this, SLOT(layoutSettingChanged(bool)));

    QString defaultName = QPrinterInfo::defaultPrinterName();
    if (defaultName.isEmpty() && !printerNames.isEmpty())
        defaultName = printerNames.first();

    standardPageSizes = {QPageSize(QPageSize::A0), QPageSize(QPageSize::A1),     QPageSize(QPageSize::A2),
                         QPageSize(QPageSize::A3), QPageSize(QPageSize::A4),     QPageSize(QPageSize::Letter),
                         QPageSize(QPageSize::Legal)};

    if (!printerNames.isEmpty()) {
        int index = printerNames.indexOf(defaultName);
        if (index < 0)
            index = 0;
        {
            // The selection is configured explicitly right below.
            const QSignalBlocker blocker(ui->comboBoxPrinterName);
            ui->comboBoxPrinterName->setCurrentIndex(index);
        }
        printerSelected(printerNames.at(index));
        selectPageSize(QPrinterInfo::printerInfo(printerNames.at(index)).defaultPageSize());
    } else {
        const QString pdfEntry = ui->comboBoxPrinterName->itemText(ui->comboBoxPrinterName->count() - 1);
        {
            const QSignalBlocker blocker(ui->comboBoxPrinterName);
            ui->comboBoxPrinterName->setCurrentIndex(ui->comboBoxPrinterName->count() - 1);
        }
        printerSelected(pdfEntry);
    }

    settings = settings_;
    printer = printer_;
    printableHeight = printableHeight_;
    printableWidth = printableWidth_;
    landscape = true;
    ui->rbLandscape->setChecked(true);

    connect(this, SIGNAL(finished(int)), this, SLOT(dialogFinished(int)));

    if (settings && settings->valid) {
        restoreSettings(settings);
    } else {
        directory = directory_;
        updateFileLine();
        fileName = fileName_;
        updateFileLine();
    }
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

PrintDialog::~PrintDialog()
{
    delete ui;
}

void PrintDialog::fillPrinterList()
{
    ui->comboBoxPrinterName->clear();
    printerNames = QPrinterInfo::availablePrinterNames();
    ui->comboBoxPrinterName->addItems(printerNames);
    separatorIndex = printerNames.size();
    ui->comboBoxPrinterName->insertSeparator(separatorIndex);
    ui->comboBoxPrinterName->addItem(tr("Print to file (PDF)"));
}

void PrintDialog::printerSelected(QString name)
{
    printerInfo = QPrinterInfo::printerInfo(name);
    if (!printerInfo.isNull()) {
        pageSizes = printerInfo.supportedPageSizes();
        ui->lblLocationValue->setText(printerInfo.location());
        ui->lblTypeValue->setText(printerInfo.makeAndModel());
        ui->lblDescriptionValue->setText(printerInfo.description());
        ui->wdgFileForPrinting->setEnabled(false);
        printToFile = false;
    } else {
        pageSizes = standardPageSizes;
        ui->lblLocationValue->setText(QStringLiteral("-"));
        ui->lblTypeValue->setText(tr("QT PDF driver"));
        ui->lblDescriptionValue->setText(QStringLiteral("-"));
        ui->wdgFileForPrinting->setEnabled(true);
        printToFile = true;
    }
    ui->comboBoxPageSizes->clear();
    resetMargins();
    for (const QPageSize& size : qAsConst(pageSizes))
        ui->comboBoxPageSizes->addItem(size.name());
    selectPageSize(printerInfo.isNull() ? QPageSize(QPageSize::A4) : printerInfo.defaultPageSize());
    printerName = name;
}

void PrintDialog::selectPageSize(const QPageSize& size)
{
    int index = 0;
    for (int i = 0; i < pageSizes.size(); ++i) {
        if (pageSizes.at(i).name() == size.name()) {
            index = i;
            break;
        }
    }
    if (ui->comboBoxPageSizes->count() > 0)
        ui->comboBoxPageSizes->setCurrentIndex(index);
    pageSize = size;
}

void PrintDialog::pageSizeSelected(int index)
{
    if (index < 0 || index >= pageSizes.size())
        return;
    const QSizeF size = pageSizes.at(index).size(QPageSize::Millimeter);
    pageWidth = float(size.width());
    pageHeight = float(size.height());
    ui->lblWidth->setText(QString::number(double(pageWidth), 'g', 6) + QStringLiteral("mm"));
    ui->lblHeight->setText(QString::number(double(pageHeight), 'g', 6) + QStringLiteral("mm"));
    pageSize = pageSizes.at(index);
}

void PrintDialog::resetMargins()
{
    marginTop = marginBottom = marginLeft = marginRight = 5;
    ui->spinMarginTop->setValue(5);
    ui->spinMarginBottom->setValue(5);
    ui->spinMarginLeft->setValue(5);
    ui->spinMarginRight->setValue(5);
}

int PrintDialog::findPrinterIndex(const QString& name) const
{
    const int index = ui->comboBoxPrinterName->findText(name, Qt::MatchExactly);
    return index < 0 ? 0 : index;
}

void PrintDialog::restoreSettings(PrintSettings* record)
{
    // File output is known by its key or by the flag, never by the entry's
    // text, which changes with the language (a record that still holds that
    // text, in either language, has the flag set). A printer that is gone
    // falls back to file output too, so the list never shows one destination
    // while the dialog prepares another.
    const int fileEntry = ui->comboBoxPrinterName->count() - 1;
    const int printerIndex = printerNames.indexOf(record->printerName);
    const bool toFile = record->printToFile || record->printerName == PrintSettings::fileOutputKey()
                        || printerIndex < 0;
    const int index = toFile ? fileEntry : printerIndex;
    {
        // printerSelected is called explicitly with the entry's text.
        const QSignalBlocker blocker(ui->comboBoxPrinterName);
        ui->comboBoxPrinterName->setCurrentIndex(index);
    }
    printerSelected(ui->comboBoxPrinterName->itemText(index));
    selectPageSize(record->pageSize);
    ui->spinMarginBottom->setValue(record->marginBottom);
    ui->spinMarginTop->setValue(record->marginTop);
    ui->spinMarginLeft->setValue(record->marginLeft);
    ui->spinMarginRight->setValue(record->marginRight);
    if (record->landscape)
        ui->rbLandscape->setChecked(true);
    else
        ui->rbPortrait->setChecked(true);
    ui->txtFileForPrinting->setText(record->directory + QDir::separator() + record->fileName);
}

void PrintDialog::storeSettings(PrintSettings* record)
{
    record->printerName = printToFile ? PrintSettings::fileOutputKey() : printerName;
    record->pageSize = pageSize;
    record->marginTop = marginTop;
    record->marginBottom = marginBottom;
    record->marginLeft = marginLeft;
    record->marginRight = marginRight;
    record->fileName = fileName;
    record->directory = directory;
    record->printToFile = printToFile;
    record->landscape = landscape;
    if (!record->fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        record->fileName += QStringLiteral(".pdf");
    record->valid = true;
}

void PrintDialog::dialogFinished(int result)
{
    if (result != QDialog::Accepted || !settings || !printer)
        return;
    storeSettings(settings);
    if (settings->printToFile) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(settings->directory + QDir::separator() + settings->fileName);
    } else {
        printer->setOutputFormat(QPrinter::NativeFormat);
    }
    QPageLayout layout = printer->pageLayout();
    layout.setPageSize(settings->pageSize, QMarginsF(0, 0, 0, 0));
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMargins(QMarginsF(settings->marginLeft, settings->marginTop, settings->marginRight,
                                settings->marginBottom));
    printer->setPageLayout(layout);
    // For file output the printer is named as the entry reads.
    printer->setPrinterName(printerName);
    printer->setPageOrientation(settings->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);

    const QSizeF paper = printer->pageLayout().pageSize().size(QPageSize::Millimeter);
    const bool isLandscape = printer->pageLayout().orientation() == QPageLayout::Landscape;
    const double w = paper.width();
    const double h = paper.height();
    const int horizontalMargins = settings->marginLeft + settings->marginRight;
    const int verticalMargins = settings->marginTop + settings->marginBottom;
    const double width = isLandscape ? h - horizontalMargins : w - horizontalMargins;
    const double height = isLandscape ? w - verticalMargins : h - verticalMargins;
    if (printableWidth)
        *printableWidth = int(width);
    if (printableHeight)
        *printableHeight = int(height);
}

void PrintDialog::layoutSettingChanged(bool)
{
    landscape = !ui->rbPortrait->isChecked();
}

void PrintDialog::printerProperties()
{
    if (!printer)
        return;
    QPageSetupDialog dialog(printer, this);
    dialog.exec();
}

void PrintDialog::on_spinMarginTop_valueChanged(double arg1) { marginTop = qRound(arg1); }
void PrintDialog::on_spinMarginRight_valueChanged(double arg1) { marginRight = qRound(arg1); }
void PrintDialog::on_spinMarginBottom_valueChanged(double arg1) { marginBottom = qRound(arg1); }
void PrintDialog::on_spinMarginLeft_valueChanged(double arg1) { marginLeft = qRound(arg1); }

void PrintDialog::splitPath(const QString& path)
{
    const QFileInfo info(path);
    directory = info.path();
    fileName = info.fileName();
}

void PrintDialog::on_txtFileForPrinting_textChanged(const QString& arg1)
{
    splitPath(arg1);
}

void PrintDialog::on_btnFileForPrinting_clicked()
{
    const QString chosen =
        DialogSeam::saveFileName(this, tr("Open file for printing"), directory, QStringLiteral("*"));
    if (chosen.isEmpty())
        return;
    splitPath(chosen);
    updateFileLine();
}

void PrintDialog::updateFileLine()
{
    ui->txtFileForPrinting->setText(directory + QDir::separator() + fileName);
}

void PrintDialog::setDirectory(const QString& dir)
{
    directory = dir;
    updateFileLine();
}

void PrintDialog::setFileName(const QString& name)
{
    fileName = name;
    updateFileLine();
}

#pragma once

#include <QDialog>
#include <QList>
#include <QPageSize>
#include <QPrinterInfo>
#include <QStringList>

class QPrinter;
struct PrintSettings;

namespace Ui {
class PrintDialog;
}

// Chooses printer or PDF output, paper, margins and orientation, then sets
// the caller's printer up and reports the printable area in whole
// millimetres, which becomes the page unit grid of the printout.
class PrintDialog : public QDialog
{
    Q_OBJECT

public:
    PrintDialog(QPrinter* printer, PrintSettings* settings, const QString& directory, const QString& fileName,
                int* printableHeight, int* printableWidth);
    ~PrintDialog() override;

    void fillPrinterList();
    void selectPageSize(const QPageSize& size);
    void restoreSettings(PrintSettings* settings);
    void storeSettings(PrintSettings* settings);
    void updateFileLine();
    int findPrinterIndex(const QString& name) const;
    void resetMargins();

    int getSeparatorIndex() const { return separatorIndex; }
    void setSeparatorIndex(int index) { separatorIndex = index; }
    float getPageWidth() const { return pageWidth; }
    void setPageWidth(float width) { pageWidth = width; }
    float getPageHeight() const { return pageHeight; }
    void setPageHeight(float height) { pageHeight = height; }
    QStringList getPrinterNames() const { return printerNames; }
    void setPrinterNames(const QStringList& names) { printerNames = names; }
    QPageSize getPageSize() const { return pageSize; }
    void setPageSize(const QPageSize& size) { pageSize = size; }
    QString getPrinterName() const { return printerName; }
    void setPrinterName(const QString& name) { printerName = name; }
    QString getDirectory() const { return directory; }
    void setDirectory(const QString& dir);
    QString getFileName() const { return fileName; }
    void setFileName(const QString& name);

    bool isPrintToFile() const { return printToFile; }
    bool isLandscape() const { return landscape; }
    int getMarginTop() const { return marginTop; }
    int getMarginBottom() const { return marginBottom; }
    int getMarginLeft() const { return marginLeft; }
    int getMarginRight() const { return marginRight; }
    Ui::PrintDialog* form() const { return ui; }

public slots:
    void printerSelected(QString name);
    void pageSizeSelected(int index);
    void dialogFinished(int result);
    void layoutSettingChanged(bool selected);
    void printerProperties();
    void on_spinMarginTop_valueChanged(double arg1);
    void on_spinMarginRight_valueChanged(double arg1);
    void on_spinMarginBottom_valueChanged(double arg1);
    void on_spinMarginLeft_valueChanged(double arg1);
    void on_txtFileForPrinting_textChanged(const QString& arg1);
    void on_btnFileForPrinting_clicked();

private:
    void splitPath(const QString& path);

    int separatorIndex = 0;
    float pageWidth = 0.0f;
    float pageHeight = 0.0f;
    QStringList printerNames;
    QPrinterInfo printerInfo;
    QList<QPageSize> pageSizes;
    QList<QPageSize> standardPageSizes;
    int marginTop = 0;
    int marginBottom = 0;
    int marginLeft = 0;
    int marginRight = 0;
    QString fileName;
    QString directory;
    bool printToFile = false;
    bool landscape = false;
    QString printerName;
    QPageSize pageSize;
    Ui::PrintDialog* ui = nullptr;
    PrintSettings* settings = nullptr;
    QPrinter* printer = nullptr;
    int* printableHeight = nullptr;
    int* printableWidth = nullptr;
};

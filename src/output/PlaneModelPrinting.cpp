// The plane model's printing entries: they hand the plane's panels, name and
// root chord to the page producers of this folder, so that the document
// layer itself knows nothing of pages.

#include "document/PlaneModel.h"

#include "model/Panel.h"
#include "output/DihedralTablePrinter.h"
#include "output/PlanformPrinter.h"
#include "output/PrintJob.h"
#include "output/PrintPage.h"
#include "output/RibSheetPrinter.h"

void PlaneModel::print(QPainter* painter, int pageWidth, int pageHeight, QPrinter* printer)
{
    PrintJob::print(*this, painter, pageWidth, pageHeight, printer);
}

void PlaneModel::printRibSheets(const QPen& gridPen, const QPen& textPen, int pageWidth, int pageHeight,
                                QPainter* painter, QPrinter* printer)
{
    PrintPage page(painter, printer, gridPen, textPen, pageWidth, pageHeight, getName());
    RibSheetPrinter(page, getRootChord()).print(getPanelList());
}

void PlaneModel::printDihedralTable(const QPen& gridPen, const QPen& textPen, int pageWidth, QPainter* painter)
{
    DihedralTablePrinter::print(gridPen, textPen, pageWidth, painter, DihedralTablePrinter::jointsOf(getPanelList()));
}

void PlaneModel::printPlanformPages(const QPen& gridPen, const QPen& textPen, int pageWidth, int pageHeight,
                                    QPainter* painter, QPrinter* printer, const QTransform* unmirrored)
{
    PrintPage page(painter, printer, gridPen, textPen, pageWidth, pageHeight, getName());
    page.setUnmirrored(unmirrored);
    PlanformPrinter(page, getRootChord()).print(getPanelList());
}

void PlaneModel::drawClosedContour(const std::vector<Vertex*>& points, float ox, float boxHeight, float yBase,
                                   float scale, float rowTop, QPainter* painter)
{
    RibSheetPrinter::drawClosedContour(points, ox, boxHeight, yBase, scale, rowTop, painter);
}

void PlaneModel::drawPageFrame(QPainter* painter, const QPen& pen, int pageWidth, int pageHeight)
{
    PrintPage::drawFrame(painter, pen, pageWidth, pageHeight);
}

void PlaneModel::drawPageFooter(QPainter* painter, const QPen& pen, int pageWidth, int pageHeight,
                                const QTransform* unmirrored)
{
    PrintPage::drawFooter(painter, pen, pageWidth, pageHeight, unmirrored, getName());
}

void PlaneModel::drawPageDecorations(QPainter* painter, const QPen& framePen, const QPen& textPen, int pageWidth,
                                     int pageHeight, const QTransform* unmirrored)
{
    PrintPage::drawDecorations(painter, framePen, textPen, pageWidth, pageHeight, unmirrored, getName());
}

float PlaneModel::printLEStrip(float rootY, float tipY, float length, Panel* panel, QPainter* painter,
                               float& leSlope)
{
    return PlanformPrinter::printLEStrip(rootY, tipY, length, panel, painter, leSlope);
}

float PlaneModel::printTEStrip(float rootTE, float tipTE, float length, Panel* panel, QPainter* painter,
                               float& teSlope)
{
    return PlanformPrinter::printTEStrip(rootTE, tipTE, length, panel, painter, teSlope);
}

void PlaneModel::printSpars(Panel* panel, QPainter* painter, bool overRibs)
{
    PlanformPrinter::printSpars(panel, painter, overRibs);
}

void PlaneModel::printCombs(Panel* panel, QPainter* painter, int combType)
{
    PlanformPrinter::printCombs(panel, painter, combType);
}

void PlaneModel::printPanelRibs(float scale, float leDepth, float leSlope, float teSlope, Panel* panel,
                                QPainter* painter, const QTransform* unmirrored)
{
    PlanformPrinter::printPanelRibs(scale, leDepth, leSlope, teSlope, panel, painter, unmirrored);
}

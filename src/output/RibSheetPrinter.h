#pragma once

#include <QPen>
#include <list>
#include <vector>

class Panel;
class PrintPage;
class QPainter;
class RibDefinition;
class Vertex;

// The rib sheets: every rib of every panel drawn full size as a template,
// one rib a row, with its label, a dashed box, the leading-edge template,
// a 10 mm grid, the spar holes and the camber line. Ribs wider than the
// paper are cut into page-wide parts.
class RibSheetPrinter
{
public:
    // scale: the wing root chord; rib geometry times scale is millimetres.
    RibSheetPrinter(PrintPage& page, float scale);

    // Draws the sheets starting on the current page. Stops with a warning
    // when the paper is too low for a single rib of a panel.
    void print(const std::list<Panel*>& panels);

    // Rows of ribs of this box height that one page holds.
    static int rowsPerPage(int pageHeight, float boxHeight);
    // Page-wide parts needed for ribs up to widest mm long.
    static int partCount(float widest, int pageWidth);

    // Draws a closed shape of rib points mapped as the rib itself is.
    static void drawClosedContour(const std::vector<Vertex*>& points, float ox, float boxHeight, float yBase,
                                  float scale, float rowTop, QPainter* painter);

private:
    struct Row {
        float ox;
        float boxHeight;
        float yBase;
        float rowTop;
    };

    void printPanel(Panel* panel, int panelNo, bool lastPanel);
    void drawRow(const RibDefinition& rib, int panelNo, int ribNo, int part, const Row& row);
    void newPage();

    PrintPage& page;
    QPainter* painter;
    float scale;
    QPen boxPen;
    QPen dottedPen;
    int rowsOnPage = 0;
    // Something of the current panel (its header or a row) is on the sheet.
    bool pageUsed = false;
    bool pageDecorated = false;
    // The sheet holds no room for another row; the next row or panel header
    // starts a new one.
    bool pageFull = false;
    bool stopped = false;
};

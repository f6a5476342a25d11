#pragma once

#include <QString>
#include <functional>
#include <list>

class OutputProgress;
class Panel;
class PlaneModel;
class QPaintDevice;
class QPainter;
class QPrinter;
class QWidget;
struct PrintSettings;

// The way from the print command to paper: asks for printer, paper and
// margins, sets up a painter on which one unit is exactly one millimetre of
// the printable area, and lets the plane draw its pages.
class PrintJob
{
public:
    // Draws every page on a painter whose unit is the millimetre; starts
    // further pages on the printer.
    using PageDrawer = std::function<void(QPainter* painter, int pageWidth, int pageHeight, QPrinter* printer)>;

    // The whole print command: a high-resolution printer, the print dialog
    // (remembering its choices in settings), then the plane's pages.
    // Returns whether anything was printed.
    static bool runPrintCommand(PrintSettings* settings, QWidget* parent, const QString& directory,
                                const QString& fileName);

    // The plane's pages on a printer that is already set up, with progress
    // and Cancel while they are drawn; as printPages.
    static bool printPlane(QPrinter* printer, int pageWidth, int pageHeight, QWidget* parent);

    // Paints on a printer that is already set up. A printable area too small
    // to hold a row, a printer or file that cannot be opened and a file that
    // was not written are reported to the user; the result says whether the
    // pages were printed. When the user cancels the progress the drawer
    // reports to, a printer job is aborted and a PDF file is left as it was
    // before (or not made at all); that is no error and says nothing.
    static bool printPages(QPrinter* printer, int pageWidth, int pageHeight, QWidget* parent,
                           const PageDrawer& drawPages, OutputProgress* progress = nullptr);

    // Whether the PDF file was written to its end: its tail names where its
    // cross-reference table starts, and the table is found there.
    static bool isCompletePdf(const QString& path);

    // Window and viewport so that one painter unit is one millimetre on
    // paper in both directions, from the device's own resolution.
    static void setMillimetreUnits(QPainter* painter, const QPaintDevice* device, int pageWidth,
                                   int pageHeight);

    // Whether pages of this printable size (mm) can hold a rib row and a
    // planform tile. Smaller areas would need endless or countless sheets.
    static bool isUsableArea(int pageWidth, int pageHeight);
    // The same, telling the user when the area is refused.
    static bool acceptsArea(int pageWidth, int pageHeight, QWidget* parent);

    // The printout of the plane in its fixed order: rib sheets on the page
    // already begun, the dihedral table, then the planform tiles of the
    // right and of the mirrored left wing.
    // The producers report to progress, when given, and stop at the next
    // sheet or panel once it is cancelled.
    static void print(PlaneModel& plane, QPainter* painter, int pageWidth, int pageHeight, QPrinter* printer,
                      OutputProgress* progress = nullptr);
    // The units of work print() reports for these panels.
    static long long workOf(const std::list<Panel*>& panels);

    // Smallest printable width and height in mm: a rib row needs its 35 mm
    // lead-in plus something of the rib; a planform tile needs its 10 mm
    // caption band and 10 mm footer band plus some of the plan.
    static constexpr int minimumPageWidth = 36;
    static constexpr int minimumPageHeight = 31;
};

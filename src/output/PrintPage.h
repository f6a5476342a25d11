#pragma once

#include <QFont>
#include <QPen>
#include <QString>

class OutputProgress;
class QPainter;
class QPrinter;
class QTransform;

// What every printed page shares: one millimetre per painter unit, one font,
// the black text pen and the grey grid pen, the corner marks and the footer.
// A PrintPage also knows how to start the next sheet, so the page producers
// need not repeat the decoration rule.
class PrintPage
{
public:
    PrintPage(QPainter* painter, QPrinter* printer, const QPen& gridPen, const QPen& textPen,
              int pageWidth, int pageHeight, const QString& planeName);

    QPainter* painter() const { return painterRef; }
    const QPen& gridPen() const { return grid; }
    const QPen& textPen() const { return text; }
    int width() const { return pageWidth; }
    int height() const { return pageHeight; }

    // Left-wing sheets are drawn mirrored; their captions and footers use
    // this transform so that they read normally. Null on unmirrored sheets.
    void setUnmirrored(const QTransform* transform) { unmirrored = transform; }
    const QTransform* getUnmirrored() const { return unmirrored; }

    // Corner marks and footer on the current sheet.
    void decorate();
    // Ends the current sheet and decorates the next one; after a Cancel no
    // further sheet is started.
    void startNewPage();

    // Where the producers report the work they have done; none by default.
    void setProgress(OutputProgress* report) { progress = report; }
    // Counts units of work as done and keeps the window answering; false
    // once the user has cancelled the printout.
    bool step(long long units = 0);
    // The producers stop at their next sheet or panel once this is true.
    bool isCancelled() const;

    // The font of every text on paper. "Courier New" is asked for by name;
    // where it is missing the font matcher falls back to a monospace face.
    static QFont makeFont();
    // Both pens keep the brush of the painter's entry pen; only the colour
    // differs.
    static QPen makeTextPen(const QPen& entryPen);
    static QPen makeGridPen(const QPen& entryPen);
    // A dashed copy of a pen, ten pen widths on and ten off.
    static QPen makeDashedPen(const QPen& pen);
    // The thin dotted grey and red helper lines (scales, tabs, camber lines).
    static QPen makeDottedPen(const QColor& colour);

    static void drawFrame(QPainter* painter, const QPen& pen, int pageWidth, int pageHeight);
    static void drawFooter(QPainter* painter, const QPen& pen, int pageWidth, int pageHeight,
                           const QTransform* unmirrored, const QString& planeName);
    static void drawDecorations(QPainter* painter, const QPen& framePen, const QPen& textPen, int pageWidth,
                                int pageHeight, const QTransform* unmirrored, const QString& planeName);

    // Width of a text in painter units, as the painter's font measures it.
    static int textWidth(const QPainter* painter, const QString& text);

private:
    QPainter* painterRef;
    QPrinter* printer;
    QPen grid;
    QPen text;
    int pageWidth;
    int pageHeight;
    QString planeName;
    const QTransform* unmirrored = nullptr;
    OutputProgress* progress = nullptr;
};

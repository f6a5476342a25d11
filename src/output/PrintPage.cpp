#include "output/PrintPage.h"

#include "foundation/ApplicationSettings.h"
#include "output/OutputProgress.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTransform>

namespace {

constexpr qreal penWidth = 0.2;

QPen makePen(const QPen& entryPen, const QColor& colour)
{
    QPen pen(entryPen.brush(), penWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    pen.setColor(colour);
    return pen;
}

} // namespace

PrintPage::PrintPage(QPainter* painter, QPrinter* printer, const QPen& gridPen, const QPen& textPen,
                     int pageWidth, int pageHeight, const QString& planeName)
    : painterRef(painter),
      printer(printer),
      grid(gridPen),
      text(textPen),
      pageWidth(pageWidth),
      pageHeight(pageHeight),
      planeName(planeName)
{
}

void PrintPage::decorate()
{
    drawDecorations(painterRef, grid, text, pageWidth, pageHeight, unmirrored, planeName);
}

void PrintPage::startNewPage()
{
    if (isCancelled())
        return;
    if (printer)
        printer->newPage();
    decorate();
    step();
}

bool PrintPage::step(long long units)
{
    return progress == nullptr || progress->step(units);
}

bool PrintPage::isCancelled() const
{
    return progress != nullptr && progress->isCancelled();
}

QFont PrintPage::makeFont()
{
    QFont font(QStringLiteral("Courier New"));
    // Without Courier New the matcher should still pick a fixed-pitch face,
    // so that labels keep the widths the layout was made for.
    font.setStyleHint(QFont::TypeWriter, QFont::PreferOutline);
    font.setFixedPitch(true);
    font.setPixelSize(4);
    return font;
}

QPen PrintPage::makeTextPen(const QPen& entryPen)
{
    return makePen(entryPen, QColor(0, 0, 0, 255));
}

QPen PrintPage::makeGridPen(const QPen& entryPen)
{
    return makePen(entryPen, QColor(160, 160, 160, 255));
}

QPen PrintPage::makeDashedPen(const QPen& pen)
{
    QPen dashed(pen);
    dashed.setStyle(Qt::DashLine);
    dashed.setDashPattern({10.0, 10.0});
    return dashed;
}

QPen PrintPage::makeDottedPen(const QColor& colour)
{
    return QPen(QBrush(colour), penWidth, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin);
}

void PrintPage::drawFrame(QPainter* painter, const QPen& pen, int pageWidth, int pageHeight)
{
    if (pageWidth == 0)
        return;
    const int w = pageWidth;
    const int h = pageHeight;
    const QPen saved = painter->pen();
    painter->setPen(pen);
    painter->drawLine(1, 0, 5, 0);
    painter->drawLine(0, 1, 0, 5);
    painter->drawLine(w - 1, 0, w - 5, 0);
    painter->drawLine(w, 1, w, 5);
    painter->drawLine(1, h, 5, h);
    painter->drawLine(0, h - 1, 0, h - 5);
    painter->drawLine(w - 1, h, w - 5, h);
    painter->drawLine(w, h - 1, w, h - 5);
    painter->setPen(saved);
}

void PrintPage::drawFooter(QPainter* painter, const QPen& pen, int pageWidth, int pageHeight,
                           const QTransform* unmirrored, const QString& planeName)
{
    if (pageWidth == 0)
        return;
    if (unmirrored) {
        painter->save();
        painter->setTransform(*unmirrored, false);
    }
    const QPen savedPen = painter->pen();
    const QFont savedFont = painter->font();
    painter->setPen(pen);

    painter->drawText(pageWidth - textWidth(painter, planeName) - 5, 5, planeName);

    const QString footer = QCoreApplication::translate("PrintPage", "Designed with ")
                           + ApplicationSettings::getApplicationName();
    painter->drawText((pageWidth - textWidth(painter, footer)) / 2, pageHeight - 1, footer);

    painter->setPen(savedPen);
    painter->setFont(savedFont);
    if (unmirrored)
        painter->restore();
}

void PrintPage::drawDecorations(QPainter* painter, const QPen& framePen, const QPen& textPen, int pageWidth,
                                int pageHeight, const QTransform* unmirrored, const QString& planeName)
{
    drawFrame(painter, framePen, pageWidth, pageHeight);
    drawFooter(painter, textPen, pageWidth, pageHeight, unmirrored, planeName);
}

int PrintPage::textWidth(const QPainter* painter, const QString& text)
{
    return painter->fontMetrics().horizontalAdvance(text);
}

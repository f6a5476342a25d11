#include "output/RibSheetPrinter.h"

#include "document/PlaneModel.h"
#include "foundation/Circle3D.h"
#include "foundation/DialogSeam.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/Panel.h"
#include "model/RibDefinition.h"
#include "model/RibParting.h"
#include "output/ConsumedRibs.h"
#include "output/PrintPage.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("RibSheetPrinter", text);
}

// The rib's leading edge lies this far right of the page edge, leaving
// room for its leading-edge template.
constexpr float ribLeft = 35.0f;
constexpr float templateLeft = 10.0f;
constexpr float firstRowTop = 15.0f;
constexpr float rowGap = 15.0f;

QPointF map(float x, float y, float ox, float boxHeight, float yBase, float scale, float rowTop, float dx)
{
    return QPointF((x - ox) * scale + dx, rowTop + boxHeight - (y * scale - yBase));
}

// A part of a wide rib shows only one page width of it; the rest is clipped
// away, yet each part used to write every point of the rib into the page
// content. Lines this far beyond the visible band cannot touch a visible
// pixel (the pens are 0.2 mm wide with bevel joins and square caps), so they
// can be left out without changing what is printed.
constexpr qreal bandMargin = 1.0;

struct Band {
    qreal left;
    qreal right;
    bool reaches(qreal a, qreal b) const { return std::max(a, b) >= left && std::min(a, b) <= right; }
};

// Strokes a solid polyline (or closed polygon) but only the runs of it that
// reach into the band. Dashed lines must not go through here: dropping the
// head of a run would shift its dash pattern.
void drawSolidInBand(QPainter* painter, const QPolygonF& line, bool closed, const Band& band)
{
    const int n = line.size();
    if (n < 2)
        return;
    const int segments = closed ? n : n - 1;
    auto shown = [&](int i) { return band.reaches(line[i].x(), line[(i + 1) % n].x()); };
    int firstHidden = -1;
    for (int i = 0; i < segments && firstHidden < 0; ++i)
        if (!shown(i))
            firstHidden = i;
    if (firstHidden < 0) {
        // Wholly visible: drawn exactly as it always was.
        if (closed)
            painter->drawPolygon(line);
        else
            painter->drawPolyline(line);
        return;
    }
    // Start right after a hidden segment so that no run of a closed outline
    // wraps round its first point.
    const int start = closed ? firstHidden + 1 : 0;
    QPainterPath path;
    bool inRun = false;
    for (int k = 0; k < segments; ++k) {
        const int i = (start + k) % segments;
        if (!shown(i)) {
            inRun = false;
            continue;
        }
        if (!inRun)
            path.moveTo(line[i]);
        path.lineTo(line[(i + 1) % n]);
        inRun = true;
    }
    if (!path.isEmpty())
        painter->drawPath(path);
}

// A dotted line keeps its dots where they were only if it still starts
// where it did, so of the runs outside the band only those after its last
// visible segment are left out. A camber line runs from the trailing edge
// forward: on the later parts of a wide rib nearly all of it is such a tail.
void drawDottedInBand(QPainter* painter, const QPolygonF& line, const Band& band)
{
    int end = line.size();
    while (end >= 2 && !band.reaches(line[end - 2].x(), line[end - 1].x()))
        --end;
    if (end >= 2)
        painter->drawPolyline(line.constData(), end);
}

} // namespace

RibSheetPrinter::RibSheetPrinter(PrintPage& page, float scale)
    : page(page),
      painter(page.painter()),
      scale(scale),
      boxPen(PrintPage::makeDashedPen(page.gridPen())),
      dottedPen(PrintPage::makeDottedPen(QColor(170, 170, 170)))
{
}

int RibSheetPrinter::rowsPerPage(int pageHeight, float boxHeight)
{
    const float rows = (pageHeight - firstRowTop) / (boxHeight + rowGap);
    return rows > 0.0f && std::isfinite(rows) ? static_cast<int>(rows) : 0;
}

int RibSheetPrinter::partCount(float widest, int pageWidth)
{
    // Bounded, so that a damaged rib cannot ask for endless sheets.
    const float parts = pageWidth > 0 ? std::ceil((widest + ribLeft) / pageWidth) : 1.0f;
    return std::isfinite(parts) && parts > 1.0f ? static_cast<int>(std::min(parts, 1000.0f)) : 1;
}

void RibSheetPrinter::print(const std::list<Panel*>& panels)
{
    painter->setBrush(Qt::NoBrush);
    int panelNo = 1;
    for (auto it = panels.begin(); it != panels.end() && !stopped && !page.isCancelled(); ++it, ++panelNo) {
        printPanel(*it, panelNo, std::next(it) == panels.end());
        page.step(static_cast<long long>((*it)->getRibList().getRibs().size()) + 1);
    }
}

void RibSheetPrinter::newPage()
{
    page.startNewPage();
    pageFull = false;
    rowsOnPage = 0;
    pageUsed = false;
    pageDecorated = true;
}

void RibSheetPrinter::printPanel(Panel* panel, int panelNo, bool lastPanel)
{
    if (pageFull)
        newPage();
    if (!pageDecorated) {
        page.decorate();
        pageDecorated = true;
    }
    float minY = 0.0f;
    float maxY = 0.0f;
    panel->getRibHeightRange(minY, maxY);
    Row row;
    row.boxHeight = (maxY - minY) + 6.0f;
    row.yBase = minY - 3.0f;
    row.rowTop = firstRowTop;

    painter->setPen(page.textPen());
    painter->drawText(5, 5, tr("Ribs for panel #") + QString::number(panelNo) + ": " + panel->getPanelName());
    pageUsed = true;

    const int perPage = rowsPerPage(page.height(), row.boxHeight);
    if (perPage == 0) {
        DialogSeam::warning(nullptr, tr("Can't print to PDF"),
                            tr("<p align='center'>Paper height is smaller than what is necessary for one rib.<br>")
                                + tr("Please try re-orienting the paper or choosing a different paper size</p>"));
        stopped = true;
        return;
    }

    const std::list<RibDefinition>& ribs = panel->getRibList().getRibs();
    auto groupStart = ribs.cbegin();
    int groupRibNo = 1;
    while (groupStart != ribs.cend()) {
        const float widest = PlaneModel::getMaxRibLength(groupStart, ribs.cend(), scale, INT_MAX);
        const int parts = partCount(widest, page.width());
        auto rib = groupStart;
        for (int part = 0; part < parts; ++part) {
            rib = groupStart;
            int ribNo = groupRibNo;
            for (int k = 0; k < perPage && rib != ribs.cend(); ++k, ++rib, ++ribNo) {
                if (pageFull)
                    newPage();
                if (page.isCancelled())
                    return;
                row.ox = rib->getOffsetX();
                drawRow(*rib, panelNo, ribNo, part, row);
                ++rowsOnPage;
                pageUsed = true;
                row.rowTop += row.boxHeight + rowGap;
                if (page.height() < row.rowTop + row.boxHeight) {
                    // The sheet is started only when something goes on it, so
                    // a full last sheet is not followed by a blank one.
                    pageFull = true;
                    rowsOnPage = 0;
                    pageUsed = false;
                    row.rowTop = firstRowTop;
                }
            }
            if (part + 1 < parts && rowsOnPage > 0) {
                newPage();
                row.rowTop = firstRowTop;
            }
        }
        groupRibNo += static_cast<int>(std::distance(groupStart, rib));
        groupStart = rib;
        if (groupStart != ribs.cend() && rowsOnPage > 0) {
            newPage();
            row.rowTop = firstRowTop;
        }
    }

    // A panel that drew only its header still owns the sheet; the next
    // panel's header must not land on top of it.
    if (!lastPanel && pageUsed)
        newPage();
}

void RibSheetPrinter::drawRow(const RibDefinition& rib, int panelNo, int ribNo, int part, const Row& row)
{
    const float ox = row.ox;
    const float top = row.rowTop;
    const float boxBottom = top + row.boxHeight + 7.5f;
    const QPen textPen = page.textPen();
    auto mapped = [&](const Vector3D* p, float dx) {
        return map(p->getX(), p->getY(), ox, row.boxHeight, row.yBase, scale, top, dx);
    };
    auto polyline = [&](const RibDefinition::PointList& points, float dx) {
        QPolygonF line;
        line.reserve(static_cast<int>(points.size()));
        for (const Vector3D* p : points)
            line << mapped(p, dx);
        return line;
    };

    painter->setPen(boxPen);
    painter->drawRect(QRectF(0, top, page.width(), row.boxHeight + 7.5f));

    painter->setPen(textPen);
    QString label = tr("P") + QString::number(panelNo) + tr("_R") + QString::number(ribNo);
    if (part == 0)
        label += tr(", thickness: ") + QString::number(rib.thickness, 'g', 6) + tr("mm");
    // A parted rib says so beside its label: its pieces are drawn each on
    // its own where they stand in the rib.
    if (part == 0 && RibParting::told(rib))
        label += QStringLiteral(" \u2013 ") + RibParting::rowNote(rib);
    else if (part != 0)
        label += tr(" (part ") + QString::number(part + 1) + ")";
    painter->drawText(0, static_cast<int>(top - 2), label);

    // A rib the sheets consume gets no template, nor its leading edge's: its
    // row says why where the rib would stand, and the numbers run on.
    if (rib.consumedBySheets()) {
        if (part == 0)
            painter->drawText(QPointF(ribLeft, top + (row.boxHeight + 7.5f) / 2.0f), ConsumedRibs::rowNote());
        return;
    }

    const QTransform entry = painter->transform();
    painter->setClipRect(QRect(0, static_cast<int>(top), page.width(), static_cast<int>(row.boxHeight + 9.5f)),
                         Qt::ReplaceClip);
    painter->translate(-static_cast<qreal>(part) * page.width(), 0);
    const Band band{static_cast<qreal>(part) * page.width() - bandMargin,
                    static_cast<qreal>(part + 1) * page.width() + bandMargin};

    const RibDefinition::PointList& leTemplate = rib.getLETemplateCoords();
    if (!leTemplate.empty()) {
        drawSolidInBand(painter, polyline(leTemplate, templateLeft), false, band);
        const QPointF first = mapped(leTemplate.front(), templateLeft);
        const QPointF last = mapped(leTemplate.back(), templateLeft);
        const QPointF block[6] = {first,
                                  QPointF(first.x(), top),
                                  QPointF(0, top),
                                  QPointF(0, boxBottom),
                                  QPointF(first.x(), boxBottom),
                                  QPointF(first.x(), last.y())};
        drawSolidInBand(painter, QPolygonF(QVector<QPointF>(block, block + 6)), false, band);
    }

    const RibDefinition::PointList& outline = rib.getRibCoords();
    const size_t n = outline.size();
    if (n > 1)
        drawSolidInBand(painter, polyline(outline, ribLeft), true, band);
    for (const RibDefinition::PointList& piece : rib.getFurtherPieces())
        if (piece.size() > 1)
            drawSolidInBand(painter, polyline(piece, ribLeft), true, band);

    if (n >= 2) {
        painter->setPen(dottedPen);
        const qreal end = mapped(outline[n - 1], ribLeft).x();
        qreal x = mapped(outline[n / 2 - 1], ribLeft).x();
        // A grid line every 10 mm from the leading edge to the trailing edge,
        // all in one path: each line still starts its own dots.
        const int lines = std::isfinite(end - x) && end > x ? static_cast<int>((end - x) / 10.0) + 1 : 1;
        QVector<QLineF> grid;
        for (int i = 0; i < lines; ++i, x += 10.0)
            if (band.reaches(x, x))
                grid.append(QLineF(QPointF(x, top), QPointF(x, boxBottom)));
        painter->drawLines(grid);
        painter->setPen(textPen);
    }

    auto circles = [&](const RibDefinition::PartList& parts) {
        for (const IdentifiableObject* part : parts) {
            const Circle3D* circle = dynamic_cast<const Circle3D*>(part);
            if (!circle)
                continue;
            Vertex centre(0.0f, 0.0f, 0.0f);
            circle->getCentroid(centre);
            const float r = circle->getRadius() * scale;
            const QPointF c = map(centre.getX(), centre.getY(), ox, row.boxHeight, row.yBase, scale, top, ribLeft);
            if (band.reaches(c.x() - r, c.x() + r))
                painter->drawEllipse(c, r, r);
        }
    };
    auto contours = [&](const RibDefinition::PartList& parts) {
        for (const IdentifiableObject* part : parts) {
            const std::vector<Vertex*>& points = part->getPoints();
            const auto [lo, hi] = std::minmax_element(points.begin(), points.end(), [](const Vertex* a, const Vertex* b) {
                return a->getX() < b->getX();
            });
            if (lo == points.end())
                continue;
            const qreal left = (static_cast<qreal>((*lo)->getX()) - ox) * scale + ribLeft;
            const qreal right = (static_cast<qreal>((*hi)->getX()) - ox) * scale + ribLeft;
            if (band.reaches(left, right))
                drawClosedContour(points, ox, row.boxHeight, row.yBase, scale, top, painter);
        }
    };
    circles(rib.getRoundSparParts());
    contours(rib.getCubeSparParts());
    contours(rib.getCubeTubeParts());
    circles(rib.getTubeSparParts());

    const RibDefinition::PointList& camber = rib.getCamberLineCoords();
    if (!camber.empty()) {
        painter->setPen(dottedPen);
        drawDottedInBand(painter, polyline(camber, ribLeft), band);
        painter->setPen(textPen);
    }

    painter->setClipping(false);
    painter->setTransform(entry);
}

void RibSheetPrinter::drawClosedContour(const std::vector<Vertex*>& points, float ox, float boxHeight, float yBase,
                                        float scale, float rowTop, QPainter* painter)
{
    const size_t n = points.size();
    if (n < 2)
        return;
    auto mapped = [&](const Vertex* p) {
        return map(p->getX(), p->getY(), ox, boxHeight, yBase, scale, rowTop, ribLeft);
    };
    QPolygonF contour;
    for (const Vertex* p : points)
        contour << mapped(p);
    painter->drawPolygon(contour);
}

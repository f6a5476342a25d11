#include "output/PlanformPrinter.h"

#include "model/Panel.h"
#include "model/RibCombData.h"
#include "model/RibListTableModel.h"
#include "model/SparDefinition.h"
#include "output/PrintPage.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <iostream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PlanformPrinter", text);
}

// Bands above and below each tile for the caption and the footer.
constexpr int captionBand = 10;
constexpr float tileMargins = 20.0f;

QPolygonF quad(float ax, float ay, float bx, float by, float cx, float cy, float dx, float dy)
{
    const QPointF points[4] = {QPointF(ax, ay), QPointF(bx, by), QPointF(cx, cy), QPointF(dx, dy)};
    return PlanformPrinter::makeQuadrilateral(points);
}

void outline(QPainter* painter, const QPolygonF& polygon)
{
    painter->save();
    painter->setBrush(Qt::NoBrush);
    painter->drawConvexPolygon(polygon);
    painter->restore();
}

// Filled white first, so the shape hides whatever lies below it.
void whiteOutline(QPainter* painter, const QPolygonF& polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    painter->fillPath(path, QBrush(Qt::white));
    outline(painter, polygon);
}

void hatched(QPainter* painter, const QPolygonF& polygon, Qt::BrushStyle pattern)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    painter->fillPath(path, QBrush(Qt::gray, pattern));
    outline(painter, polygon);
}

void printSquareWebbing(const Panel* panel, const SparDefinition& spar, QPainter* painter, float x1, float y1,
                        float x2, float y2, float w1, float w2)
{
    const float D = x2 - x1;
    const float slope = D != 0.0f ? (y2 - y1) / D : 0.0f;
    const float rate = D != 0.0f ? (w2 - w1) / D : 0.0f;
    const RibListTableModel& ribs = panel->getPanelBaseData().getRibListTableModel();

    float startX = 0.0f;
    float dx = 0.0f;
    if (spar.getSquareWebbingFrom() >= 1) {
        bool found = false;
        const RibDefinition& rib = ribs.findRib(std::max(spar.getFirstRib(), spar.getSquareWebbingFrom()) - 1, found);
        if (found) {
            startX = rib.position + rib.thickness;
            dx = startX - x1;
        }
    }
    const int to = spar.getSquareWebbingTo() != 0 ? spar.getSquareWebbingTo() : spar.getLastRib();
    float endX = 0.0f;
    float cut = 0.0f;
    {
        bool found = false;
        const RibDefinition& rib = ribs.findRib(std::min(to, spar.getLastRib()) - 1, found);
        if (found) {
            endX = rib.position;
            cut = x2 - endX;
        }
    }
    const float x1w = x1 + dx;
    const float x2w = x2 - cut;
    const float y1w = y1 + dx * slope;
    const float y2w = y1w + (endX - startX) * slope;
    const float web = spar.getSquareWebbingWidth();
    const SquareWebbingType type = spar.getSquareWebbingType();

    if (type == SquareWebbingType::After || type == SquareWebbingType::Box) {
        const float yA = y1w + w1 + dx * rate;
        const float yB = y2w + w1 + (x2w - x1) * rate;
        outline(painter, quad(x1w, yA, x2w, yB, x2w, yB + web, x1w, yA + web));
    }
    if (type == SquareWebbingType::Before || type == SquareWebbingType::Box)
        outline(painter, quad(x1w, y1w - web, x2w, y2w - web, x2w, y2w, x1w, y1w));
    if (type == SquareWebbingType::Middle) {
        const float off = (w1 - web) / 2.0f;
        outline(painter, quad(x1w, y1w + off, x2w, y2w + off, x2w, y2w + off + web, x1w, y1w + off + web));
    }
}

} // namespace

PlanformPrinter::PlanformPrinter(PrintPage& page, float scale)
    : page(page), painter(page.painter()), scale(scale), tilePen(PrintPage::makeDashedPen(page.gridPen()))
{
}

int PlanformPrinter::columnCount(float length, int pageWidth)
{
    if (pageWidth <= 0)
        return 1;
    const float cols = std::ceil((static_cast<int>(length) + 10) / static_cast<float>(pageWidth));
    return std::isfinite(cols) && cols > 1.0f ? static_cast<int>(cols) : 1;
}

int PlanformPrinter::rowCount(float rootChord, float tipChord, float sweep, int pageHeight)
{
    const float tipTE = sweep + tipChord;
    const float maxY = std::max(tipTE, rootChord);
    const float minY = std::min(sweep, 0.0f);
    const double tileHeight = pageHeight - tileMargins;
    if (tileHeight <= 0.0)
        return 1;
    const double rows = std::ceil(static_cast<int>(maxY - minY) / tileHeight);
    return std::isfinite(rows) && rows > 1.0 ? static_cast<int>(rows) : 1;
}

void PlanformPrinter::print(const std::list<Panel*>& panels)
{
    for (auto it = panels.begin(); it != panels.end() && !page.isCancelled(); ++it) {
        printPanel(*it, std::next(it) == panels.end());
        page.step(static_cast<long long>((*it)->getRibList().getRibs().size()) + 1);
    }
}

void PlanformPrinter::printPanel(const Panel* panel, bool lastPanel)
{
    const QTransform saved = painter->transform();
    const QTransform* unmirrored = page.getUnmirrored();
    const float rc = panel->getRootChord();
    const float sw = panel->getSweep();
    const float tc = panel->getTipChord();
    const float L = panel->getLength(0);
    const float tipTE = sw + tc;
    const float tileHeight = page.height() - tileMargins;
    const int cols = columnCount(L, page.width());
    const int rows = rowCount(rc, tc, sw, page.height());
    const QString wing = unmirrored ? tr(" - left wing") : tr(" - right wing");
    const QRect tile(QPoint(0, captionBand), QPoint(page.width() - 1, static_cast<int>(tileHeight) + captionBand - 1));
    // Measured once, not on every tile: each measure shapes the text anew.
    const std::vector<RibLabel> labels = ribLabels(panel, painter);

    for (int col = 1; col <= cols; ++col) {
        const float xo = -static_cast<float>(col - 1) * page.width();
        for (int row = 1; row <= rows; ++row) {
            painter->setPen(page.textPen());
            const QString caption = panel->getPanelName() + tr(": Page (") + QString::number(col) + ", "
                                    + QString::number(row) + ") of (" + QString::number(cols) + ", "
                                    + QString::number(rows) + ")" + wing;
            if (unmirrored) {
                painter->save();
                painter->setTransform(*unmirrored);
                painter->drawText(5, 5, caption);
                painter->restore();
            } else {
                painter->drawText(5, 5, caption);
            }

            painter->setTransform(saved);
            painter->setPen(tilePen);
            painter->drawRect(tile);
            painter->setClipRect(tile, Qt::ReplaceClip);
            painter->translate(xo, -static_cast<float>(row - 1) * tileHeight);
            if (sw < 0.0f)
                painter->translate(0, -sw);
            painter->setPen(page.textPen());
            painter->translate(0, captionBand);

            outline(painter, quad(0, 0, L, sw, L, tipTE, 0, rc));

            printSpars(panel, painter, false);
            printCombs(panel, painter, RibCombData::Below);
            float leSlope = 0.0f;
            float teSlope = 0.0f;
            const float leDepth = printLEStrip(0, sw, L, panel, painter, leSlope);
            printTEStrip(rc, tipTE, L, panel, painter, teSlope);
            printPanelRibs(scale, leDepth, leSlope, teSlope, panel, painter, unmirrored, &labels);
            printSpars(panel, painter, true);
            printCombs(panel, painter, RibCombData::Above);

            painter->setClipping(false);
            painter->setTransform(saved);
            if (col != cols || row != rows)
                page.startNewPage();
            if (page.isCancelled())
                return;
        }
    }
    if (!lastPanel)
        page.startNewPage();
}

QPolygonF PlanformPrinter::makeQuadrilateral(const QPointF points[4])
{
    QPolygonF polygon;
    for (int i = 0; i < 4; ++i)
        polygon << points[i];
    return polygon;
}

float PlanformPrinter::printLEStrip(float rootY, float tipY, float length, const Panel* panel, QPainter* painter,
                                   float& leSlope)
{
    leSlope = length != 0.0f ? panel->getSweep() / length : 0.0f;
    const LEData& le = panel->getLEData();
    switch (le.getType()) {
    case LEData::Standard: {
        const float depth = le.getDepth();
        hatched(painter, quad(0, rootY, length, tipY, length, tipY + depth, 0, rootY + depth), Qt::BDiagPattern);
        return depth;
    }
    case LEData::None:
    case LEData::Cylinder:
    case LEData::Strip:
    case LEData::Diamond:
        return 0.0f;
    default:
        std::cout << "Implement the printing for the LE type " << le.getType() << std::flush;
        return 0.0f;
    }
}

float PlanformPrinter::printTEStrip(float rootTE, float tipTE, float length, const Panel* panel, QPainter* painter,
                                   float& teSlope)
{
    teSlope = length != 0.0f ? (tipTE - rootTE) / length : 0.0f;
    const TEData& te = panel->getTEData();
    switch (te.getType()) {
    case TEData::None:
        return 0.0f;
    case TEData::Standard: {
        const float depth = te.getDepth();
        const float rootChord = panel->getRootChord();
        const float factor =
            te.getStandardTEAutoAdjustDepth() && rootChord != 0.0f ? panel->getTipChord() / rootChord : 1.0f;
        hatched(painter, quad(0, rootTE - depth, length, tipTE - factor * depth, length, tipTE, 0, rootTE),
                Qt::FDiagPattern);
        return depth;
    }
    default:
        std::cout << "Implement the printing for the TE type " << te.getType() << std::flush;
        return 0.0f;
    }
}

void PlanformPrinter::printSpars(const Panel* panel, QPainter* painter, bool overRibs)
{
    const PanelBaseData& data = panel->getPanelBaseData();
    for (const SparDefinition& spar : panel->getSparList().getSpars()) {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0, w1 = 0, w2 = 0;
        if (!data.getSparRealPositions(spar, x1, y1, x2, y2, w1, w2))
            continue;
        const QPolygonF standard = quad(x1, y1, x2, y2, x2, y2 + w2, x1, y1 + w1);
        switch (spar.getType()) {
        case SparType::Round:
        case SparType::Tube:
            if (!overRibs)
                outline(painter, quad(x1, y1 - w1, x2, y2 - w1, x2, y2 - w1 + 2 * w2, x1, y1 + w1));
            break;
        case SparType::Square:
            if (!overRibs) {
                if (spar.getSquareSparBottom())
                    outline(painter, standard);
                if (spar.getSquareWebbingType() != SquareWebbingType::None)
                    printSquareWebbing(panel, spar, painter, x1, y1, x2, y2, w1, w2);
            } else if (spar.getSquareSparTop()) {
                whiteOutline(painter, standard);
            }
            break;
        case SparType::Webbing:
            if (!overRibs)
                outline(painter, quad(x1, y1, x2, y2, x2, y2 + w1, x1, y1 + w1));
            break;
        case SparType::Cube:
            if (!overRibs)
                whiteOutline(painter,
                             quad(x1, y1 - w1 / 2, x2, y2 - w1 / 2, x2, y2 - w1 / 2 + w2, x1, y1 + w1 / 2));
            break;
        case SparType::CubeTube:
            if (!overRibs)
                outline(painter, standard);
            break;
        default:
            std::cout << "PlaneModel@" << __LINE__ << ": implement printing of spar type "
                      << static_cast<int>(spar.getType()) << std::endl;
            break;
        }
    }
}

void PlanformPrinter::printCombs(const Panel* panel, QPainter* painter, int combType)
{
    const PanelBaseData& data = panel->getPanelBaseData();
    for (const RibCombData& comb : panel->getCombList().getCombs()) {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0, width = 0;
        if (!data.getCombRealPositions(comb, x1, y1, x2, y2, width) || comb.getType() != combType)
            continue;
        const QPolygonF shape = quad(x1, y1, x2, y2, x2, y2 + width, x1, y1 + width);
        if (combType == RibCombData::Above)
            whiteOutline(painter, shape);
        else if (combType == RibCombData::Below)
            outline(painter, shape);
        else
            std::cout << "Unknown rib comb type: " << comb.getType() << std::endl;
    }
}

std::vector<PlanformPrinter::RibLabel> PlanformPrinter::ribLabels(const Panel* panel, const QPainter* painter)
{
    std::vector<RibLabel> labels;
    labels.reserve(panel->getRibList().getRibs().size());
    for (int ribNo = 1; ribNo <= static_cast<int>(panel->getRibList().getRibs().size()); ++ribNo) {
        const QString text = panel->getPanelName() + "_R" + QString::number(ribNo);
        labels.push_back({text, PrintPage::textWidth(painter, text)});
    }
    return labels;
}

void PlanformPrinter::printPanelRibs(float scale, float leDepth, float leSlope, float teSlope, const Panel* panel,
                                     QPainter* painter, const QTransform* unmirrored,
                                     const std::vector<RibLabel>* labels)
{
    const std::vector<RibLabel> ownLabels = labels ? std::vector<RibLabel>() : ribLabels(panel, painter);
    const std::vector<RibLabel>& names = labels ? *labels : ownLabels;
    const QPen entryPen = painter->pen();
    const QPen scalePen = PrintPage::makeDottedPen(QColor(170, 170, 170));
    const QPen tabPen = PrintPage::makeDottedPen(QColor(255, 0, 0));
    const TEData& te = panel->getTEData();
    const BuildingTabData& tabs = panel->getBuildingTabData();
    const float panelRootChord = panel->getRootChord();
    // A tile shows a few of the panel's ribs; the others would only fill
    // the page's content stream with shapes that the clip hides.
    const QRectF visible = painter->hasClipping() ? painter->clipBoundingRect() : QRectF();
    const qreal textHeight = painter->fontMetrics().height();
    QVector<QLineF> ticks;
    int ribNo = 1;
    for (const RibDefinition& rib : panel->getRibList().getRibs()) {
        const float front = scale * rib.getOffsetX() + leDepth;
        const float t = rib.thickness;
        const float pos = rib.position;
        float len = rib.getChord() - leDepth;
        if (te.getType() == TEData::Standard) {
            const float f = te.getStandardTEAutoAdjustDepth() && panelRootChord > 0.0f
                                ? rib.getChord() / panelRootChord
                                : 1.0f;
            len -= te.getStandardTEDepth(f);
        }
        const QString& label = names[ribNo - 1].text;
        const float sum = (front + leSlope * t) + (front + len + teSlope * t);
        const int textWidth = names[ribNo - 1].width;
        ++ribNo;
        const float frontTab = front + tabs.getOffsetLE();
        const float rearTab = front + len - tabs.getOffsetTE();
        if (!visible.isEmpty()) {
            // The rib with its scale, its tabs (which may reach beyond it)
            // and its label beside it, with room for pens and glyphs.
            const qreal x0 = pos - 1.0;
            const qreal x1 = pos + t + 2.0 + textHeight + 1.0;
            const qreal y0 = std::min({front, front + len, frontTab, rearTab - tabs.getWidth(), (sum - textWidth) / 2});
            const qreal y1 = std::max({front, front + len, frontTab + tabs.getWidth(), rearTab, (sum + textWidth) / 2});
            const QRectF reach(QPointF(x0, y0 - textHeight - 1.0), QPointF(x1, y1 + textHeight + 1.0));
            const bool finite = std::isfinite(reach.left()) && std::isfinite(reach.right()) &&
                                std::isfinite(reach.top()) && std::isfinite(reach.bottom());
            if (finite && !reach.intersects(visible))
                continue;
        }

        whiteOutline(painter, quad(pos, front, pos + t, front, pos + t, front + len, pos, front + len));

        painter->setPen(scalePen);
        if (std::isfinite(len) && len >= 0.0f) {
            // One path for the whole scale: each mark still starts its own
            // dots, and the page content carries one stroke, not one a mark.
            const int marks = static_cast<int>(len / 10.0f);
            ticks.clear();
            for (int i = 0; i <= marks; ++i) {
                const float y = front + 10.0f * i;
                ticks.append(QLineF(QPointF(pos - 0.5f, y), QPointF(pos + t + 0.5f, y)));
            }
            painter->drawLines(ticks);
        }

        if (tabs.getDoUpper() || tabs.getDoLower()) {
            painter->setPen(tabPen);
            outline(painter, quad(pos - 0.2f, frontTab, pos + t + 0.2f, frontTab, pos + t + 0.2f,
                                  frontTab + tabs.getWidth(), pos - 0.2f, frontTab + tabs.getWidth()));
            outline(painter, quad(pos - 0.2f, rearTab - tabs.getWidth(), pos + t + 0.2f, rearTab - tabs.getWidth(),
                                  pos + t + 0.2f, rearTab, pos - 0.2f, rearTab));
        }

        painter->setPen(entryPen);
        painter->save();
        if (!unmirrored) {
            painter->translate(pos + t + 2, (sum - textWidth) / 2);
            painter->rotate(90);
        } else {
            painter->translate(pos + t + 2, (sum + textWidth) / 2);
            painter->rotate(90);
            painter->scale(-1, 1);
        }
        painter->drawText(0, 0, label);
        painter->restore();
    }
}

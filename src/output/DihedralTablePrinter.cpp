#include "output/DihedralTablePrinter.h"

#include "foundation/Mathematics.h"
#include "model/Panel.h"
#include "output/PrintPage.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace {

// Wider pages get a drawing of this width, centred.
constexpr int maxDrawingWidth = 300;

QString number(float value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

std::vector<DihedralTablePrinter::Joint> DihedralTablePrinter::jointsOf(const std::list<Panel*>& panels)
{
    std::vector<Joint> joints;
    const Panel* inner = nullptr;
    for (const Panel* panel : panels) {
        joints.push_back({(inner ? inner : panel)->getPanelName(), panel->getPanelName(), panel->getDihedralAngle(),
                          panel->getLength(0)});
        inner = panel;
    }
    return joints;
}

float DihedralTablePrinter::horizontalDistance(float angle, float length)
{
    return std::cos(Mathematics::degToRad(angle)) * length;
}

float DihedralTablePrinter::height(float angle, float length)
{
    return std::sin(Mathematics::degToRad(angle)) * length;
}

void DihedralTablePrinter::print(const QPen& gridPen, const QPen& textPen, int pageWidth, QPainter* painter,
                                 const std::vector<Joint>& joints)
{
    painter->save();
    const float W = static_cast<float>(pageWidth > maxDrawingWidth ? maxDrawingWidth : pageWidth);
    if (pageWidth > maxDrawingWidth)
        painter->translate((pageWidth - maxDrawingWidth) / 2, 0);

    const float x10 = 0.1f * W;
    const float x50 = 0.5f * W;
    const float x90 = 0.9f * W;

    // The sketch: panel 1 level, panel 2 raised, the height arrow at its tip.
    painter->drawLine(QPointF(x10, 60), QPointF(x50, 60));
    painter->drawLine(QPointF(x50, 60), QPointF(x90, 20));
    painter->drawLine(QPointF(x90 - 3, 27), QPointF(x90, 22));
    painter->drawLine(QPointF(x90, 22), QPointF(x90 + 3, 27));
    painter->drawLine(QPointF(x90 - 3, 53), QPointF(x90, 58));
    painter->drawLine(QPointF(x90, 58), QPointF(x90 + 3, 53));
    painter->drawLine(QPointF(x90, 22), QPointF(x90, 58));

    const QString p1 = QStringLiteral("P1");
    const QString p2 = QStringLiteral("P2");
    painter->drawText(static_cast<int>(x90 + 3), 40, QStringLiteral("h"));
    painter->drawText(static_cast<int>(0.3f * W - PrintPage::textWidth(painter, p1) / 2), 58, p1);
    painter->drawText(static_cast<int>(0.7f * W - PrintPage::textWidth(painter, p2) / 2), 38, p2);

    const double rise = std::atan(40.0 / (0.4 * W));
    const int span = static_cast<int>((rise * 180.0 / 3.14159 + 10.0) * 16.0);
    painter->drawArc(QRectF(x50 - 35, 25, 70, 70), -80, span);

    painter->setPen(PrintPage::makeDashedPen(gridPen));
    painter->drawLine(static_cast<int>(x50), 60, static_cast<int>(x90), 60);
    painter->setPen(textPen);

    const QString alpha(QChar(0x03B1));
    painter->drawText(static_cast<int>(0.7f * W + 3), 58, QStringLiteral("d"));
    painter->drawText(static_cast<int>(x50 + 20), 58, alpha);

    const int columns[6] = {0, static_cast<int>(0.25f * W), static_cast<int>(0.5f * W),
                            static_cast<int>(0.67f * W), static_cast<int>(0.84f * W), static_cast<int>(W)};
    const float textX[5] = {5, 0.25f * W + 5, x50 + 5, 0.67f * W + 5, 0.84f * W + 5};
    painter->drawText(static_cast<int>(textX[0]), 74, QStringLiteral("P1 (Panel 1)"));
    painter->drawText(static_cast<int>(textX[1]), 74, QStringLiteral("P2 (Panel 2)"));
    painter->drawText(static_cast<int>(textX[2]), 74, alpha + QStringLiteral(" (deg)"));
    painter->drawText(static_cast<int>(textX[3]), 74, QStringLiteral("d (mm)"));
    painter->drawText(static_cast<int>(textX[4]), 74, QStringLiteral("h (mm)"));

    float y = 81;
    int row = 1;
    for (const Joint& joint : joints) {
        painter->fillRect(QRectF(0, y - 6, W, 6), row % 2 == 1 ? Qt::lightGray : Qt::white);
        const int baseline = static_cast<int>(y - 1);
        const QString cells[5] = {joint.innerName, joint.outerName, number(joint.angle),
                                  number(horizontalDistance(joint.angle, joint.length)),
                                  number(height(joint.angle, joint.length))};
        for (int c = 0; c < 5; ++c)
            painter->drawText(static_cast<int>(textX[c]), baseline, cells[c]);
        y += 6;
        ++row;
    }

    const int bottom = 75 + 6 * static_cast<int>(joints.size());
    painter->drawLine(0, 75, static_cast<int>(W), 75);
    for (int x : columns)
        painter->drawLine(x, 69, x, bottom);
    painter->drawLine(0, 69, static_cast<int>(W), 69);
    painter->drawLine(0, bottom, static_cast<int>(W), bottom);

    painter->restore();
}

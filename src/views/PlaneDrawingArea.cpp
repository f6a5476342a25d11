#include "views/PlaneDrawingArea.h"

#include "document/PlaneModel.h"
#include "model/Panel.h"
#include "model/PlaneVisualisationOptions.h"
#include "views/PainterCursor.h"

#include <QFont>
#include <QFontMetrics>
#include <QGraphicsView>
#include <QPainter>
#include <algorithm>
#include <cmath>

PlaneDrawingArea::PlaneDrawingArea(QObject* parent, const PlaneVisualisationOptions* options)
    : QGraphicsScene(parent)
    , Observer(QStringLiteral("PlaneDrawingArea"), false)
    , model(nullptr)
    , options(options)
{
}

void PlaneDrawingArea::observedObjectChanged(Observable* observable)
{
    PlaneModel* const before = model;
    model = dynamic_cast<PlaneModel*>(observable);
    // The plane says when it comes to be held unbuilt, or shown again,
    // through its panels table, not to its observers.
    if (model && model != before)
        connect(model->getPanelsTableModel(), &QAbstractItemModel::layoutChanged, this,
                [this] { invalidate(QRectF(), QGraphicsScene::AllLayers); });
    invalidate(QRectF(), QGraphicsScene::AllLayers);
}

void PlaneDrawingArea::saveViewData(serializedPlanformixData&)
{
}

void PlaneDrawingArea::loadViewData(const google::protobuf::Message*, SerializeableIf::hint_t)
{
}

void PlaneDrawingArea::drawForeground(QPainter* painter, const QRectF& rect)
{
    const QRectF area = visibleArea(painter, rect);
    const float W = static_cast<float>(area.width());
    const float H = static_cast<float>(area.height());

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);

    const float S = 0.95f * std::min(W, H);
    QPen framePen = painter->pen();
    framePen.setColor(QColor(200, 200, 200));
    painter->setPen(framePen);
    painter->drawRect(QRect(static_cast<int>(-S / 2), static_cast<int>(-S / 2), static_cast<int>(S),
                            static_cast<int>(S)));

    if (model && model->getDocumentState() == PlaneModel::DocumentState::HeldNotBuilt)
        drawNotShownMessage(painter, S);
    else if (model == nullptr || model->getPanelCount() == 0)
        drawNotDefinedMessage(painter, S);
    else
        drawPlane(painter, S);
    painter->restore();
}

QRectF PlaneDrawingArea::visibleArea(QPainter* painter, const QRectF& exposed) const
{
    // A view repaints only what was exposed; laying the plane out in that
    // fragment would paint a small plane into it. Follow the whole visible
    // area of the view being painted; painting without a view (render())
    // lays out in the given area.
    for (QGraphicsView* view : views()) {
        if (painter->device() == view->viewport())
            return view->mapToScene(view->viewport()->rect()).boundingRect();
    }
    return exposed;
}

void PlaneDrawingArea::drawNotDefinedMessage(QPainter* painter, float frameSide) const
{
    const QString text = tr("Plane not defined yet. Go to 'Plane Definition' tab and define a few panels...");
    QPen pen = painter->pen();
    pen.setColor(QColor(255, 0, 0));
    painter->setPen(pen);
    const QFont font(QStringLiteral("Arial"), 12);
    painter->setFont(font);
    const int tw = QFontMetrics(font, painter->device()).horizontalAdvance(text);
    if (tw <= 0 || frameSide <= 0.0f)
        return;

    // Scaled so that the text always spans the frame, whatever the window.
    painter->save();
    const qreal factor = frameSide / tw;
    painter->scale(factor, factor);
    painter->drawText(QPoint(static_cast<int>(-tw / 2.0f), 0), text);
    painter->restore();
}

void PlaneDrawingArea::drawNotShownMessage(QPainter* painter, float frameSide) const
{
    // The plane is there, but not built: it is not one yet to be defined.
    const QString text = PlaneModel::notShownProblem();
    QPen pen = painter->pen();
    pen.setColor(QColor(255, 0, 0));
    painter->setPen(pen);
    const QRect frame(static_cast<int>(-frameSide * 0.45f), static_cast<int>(-frameSide * 0.45f),
                      static_cast<int>(frameSide * 0.9f), static_cast<int>(frameSide * 0.9f));
    if (frame.isEmpty())
        return;
    // A word-wrapped paragraph, as large as fits the frame, up to the
    // size of the other messages.
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    QFont font(QStringLiteral("Arial"), 12);
    for (int size = 12; size > 4; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font, painter->device()).boundingRect(frame, flags, text).height() <= frame.height())
            break;
    }
    painter->setFont(font);
    painter->drawText(frame, flags, text);
}

void PlaneDrawingArea::drawPlane(QPainter* painter, float frameSide) const
{
    const float span = model->getSpan();
    bool userFuselage = false;
    const float fus = model->getFuselageLength(&userFuselage);
    const float wp = model->getWingPosition(nullptr);
    const float d = options ? options->getWingHalvesDistance() : 0.0f;

    // The wider of the wing (both halves and the gap) and the fuselage
    // fills the frame. A plane that has neither width nor length (a
    // fuselage set to 0 and a wing folded up by its dihedral) has nothing
    // to scale to.
    const float extent = std::max(span + d, fus);
    if (!(extent > 0.0f) || !std::isfinite(extent))
        return;
    const float k = frameSide / extent;

    const QColor fuselageColour = userFuselage ? QColor(0, 0, 0) : QColor(200, 200, 200);
    painter->setPen(QPen(QBrush(fuselageColour), 4.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawLine(QLineF(0.0, -fus * k / 2, 0.0, fus * k / 2));

    painter->setPen(QPen(QBrush(QColor(0, 0, 0)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const float noseY = -fus * k / 2;
    drawWingHalf(painter, 1, k, d, noseY, wp);
    drawWingHalf(painter, -1, k, d, noseY, wp);
}

void PlaneDrawingArea::drawWingHalf(QPainter* painter, int side, float k, float d, float noseY,
                                    float wp) const
{
    PainterCursor cursor(painter);
    cursor.moveTo(side * d * k / 2, noseY + wp * k);

    const bool considerDihedral = model->getConsiderDihedral();
    float angle = 0.0f;
    bool first = true;
    for (const Panel* panel : model->getPanelList()) {
        // The dihedral at the root is shared by both halves.
        if (considerDihedral)
            angle += first ? panel->getDihedralAngle() / 2 : panel->getDihedralAngle();
        first = false;

        const float L = panel->getLength(angle) * k * side;
        const float sw = panel->getSweep() * k;
        const float rootChord = panel->getRootChord();
        const float tipChord = panel->getTipChord();
        cursor.lineBy(L, sw);
        cursor.lineBy(0.0f, tipChord * k);
        cursor.lineBy(-L, (rootChord - tipChord - panel->getSweep()) * k);
        cursor.lineBy(0.0f, -rootChord * k);
        cursor.moveBy(L, sw);
    }
}

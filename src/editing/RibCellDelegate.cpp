#include "editing/RibCellDelegate.h"

#include "model/RibDefinition.h"
#include "model/RibParting.h"
#include "model/RibListTableModel.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// A pale red behind the cells and dark red, struck-out numbers: the rib
// stays in the list, as it stays in the panel, but is not built.
const QColor consumedBackground(255, 222, 222);
const QColor consumedText(150, 0, 0);
// A pale amber behind the cells of a rib cut as several pieces: it is
// built, but not as one.
const QColor partedBackground(255, 236, 200);

} // namespace

RibCellDelegate::RibCellDelegate(const InputValueType* type) : XLineEditDelegate(type)
{
}

bool RibCellDelegate::isConsumed(const QModelIndex& index)
{
    const auto* model = dynamic_cast<const RibListTableModel*>(index.model());
    if (!model || index.row() < 0 || index.row() >= model->getRibCount())
        return false;
    bool found = false;
    const RibDefinition& rib = model->findRib(index.row(), found);
    return found && rib.consumedBySheets();
}

QString RibCellDelegate::partedNote(const QModelIndex& index)
{
    const auto* model = dynamic_cast<const RibListTableModel*>(index.model());
    if (!model || index.row() < 0 || index.row() >= model->getRibCount())
        return QString();
    bool found = false;
    const RibDefinition& rib = model->findRib(index.row(), found);
    return found && RibParting::told(rib) ? RibParting::ribNote(rib, index.row() + 1) : QString();
}

void RibCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!isConsumed(index)) {
        if (!(option.state & QStyle::State_Selected) && !partedNote(index).isEmpty())
            painter->fillRect(option.rect, partedBackground);
        XLineEditDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem marked(option);
    marked.font.setStrikeOut(true);
    marked.palette.setColor(QPalette::Text, consumedText);
    if (!(option.state & QStyle::State_Selected))
        painter->fillRect(option.rect, consumedBackground);
    XLineEditDelegate::paint(painter, marked, index);
}

bool RibCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
{
    if (event && event->type() == QEvent::ToolTip && isConsumed(index)) {
        QToolTip::showText(event->globalPos(),
                           tr("Rib %1: the sheeting leaves nothing to build.").arg(index.row() + 1), view);
        return true;
    }
    const QString parted = event && event->type() == QEvent::ToolTip ? partedNote(index) : QString();
    if (!parted.isEmpty()) {
        QToolTip::showText(event->globalPos(), parted, view);
        return true;
    }
    return XLineEditDelegate::helpEvent(event, view, option, index);
}

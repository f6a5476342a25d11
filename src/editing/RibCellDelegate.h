#pragma once

#include "editing/XLineEditDelegate.h"

// A cell of the rib table: edited as every number cell, and marked where
// the sheets consume the rib, or where the sheets or a spar's slot part it,
// with the reason as the cell's tip.
class RibCellDelegate : public XLineEditDelegate
{
    Q_OBJECT

public:
    explicit RibCellDelegate(const InputValueType* type);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Whether the row's rib is one the sheets leave nothing of.
    static bool isConsumed(const QModelIndex& index);
    // What the row's rib tells of its pieces (see RibParting); empty where
    // it is of one piece, as planned.
    static QString partedNote(const QModelIndex& index);
};

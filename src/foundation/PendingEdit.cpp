#include "foundation/PendingEdit.h"

#include "foundation/XDoubleSpinBox.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QApplication>
#include <QMetaObject>
#include <QWidget>

namespace {

QWidget* focusIn(QWidget* window)
{
    QWidget* focus = QApplication::focusWidget();
    if (!window)
        return focus;
    QWidget* top = window->window();
    // An inactive window still knows which of its widgets had the focus.
    if (!focus || focus->window() != top)
        focus = top->focusWidget();
    return focus;
}

// Whether the widget is the editor the view opened on a cell. (The views of
// this program show no other widgets in their cells.)
bool isOpenEditor(QAbstractItemView* view, QWidget* widget)
{
    for (const QModelIndex& index : {view->currentIndex(), view->indexAt(widget->geometry().center())})
        if (index.isValid() && view->indexWidget(index) == widget)
            return true;
    return false;
}

// The item view whose open cell editor holds the widget, and that editor
// (the child of the view's viewport the widget belongs to).
QAbstractItemView* editingView(QWidget* widget, QWidget*& editor)
{
    for (QWidget* child = widget; child; child = child->parentWidget()) {
        QWidget* viewport = child->parentWidget();
        if (!viewport)
            break;
        auto* view = qobject_cast<QAbstractItemView*>(viewport->parentWidget());
        if (view && view->viewport() == viewport && isOpenEditor(view, child)) {
            editor = child;
            return view;
        }
    }
    return nullptr;
}

} // namespace

void PendingEdit::finish(QWidget* window)
{
    QWidget* focus = focusIn(window);
    if (!focus)
        return;
    QWidget* editor = nullptr;
    if (QAbstractItemView* view = editingView(focus, editor)) {
        // What the view itself does when its delegate reports the editor
        // done, a focus change or Enter: the delegate writes the cell.
        QMetaObject::invokeMethod(view, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
        QMetaObject::invokeMethod(view, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget*, editor),
                                  Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
        return;
    }
    for (QWidget* widget = focus; widget; widget = widget->parentWidget()) {
        if (auto* field = qobject_cast<XDoubleSpinBox*>(widget)) {
            field->finishEdit();
            return;
        }
    }
}

bool PendingEdit::heldUntilEnd(QWidget* window)
{
    QWidget* focus = focusIn(window);
    if (!focus)
        return false;
    QWidget* editor = nullptr;
    if (editingView(focus, editor))
        return true;
    for (QWidget* widget = focus; widget; widget = widget->parentWidget())
        if (auto* field = qobject_cast<XDoubleSpinBox*>(widget))
            return !field->keyboardTracking();
    return false;
}

#include "editing/FeatureRows.h"

#include "editing/PanelPage.h"

#include <QAction>
#include <QMenu>
#include <QStackedWidget>
#include <QTableView>
#include <algorithm>

FeatureRows::FeatureRows(QTableView* view, QStackedWidget* editors, QWidget* emptyEditor, Operations operations)
    : view(view), editors(editors), emptyEditor(emptyEditor), ops(std::move(operations))
{
}

void FeatureRows::insertNew(int row)
{
    const int n = ops.count();
    if (n < 0 || (ops.refuse && ops.refuse(n + 1)))
        return;
    // The first record of an empty table is not selected: no editor page
    // is shown before the user picks it.
    if (!ops.insertFresh(n > 0 ? row : 0))
        return;
    if (n > 0)
        view->selectRow(row);
}

void FeatureRows::addBefore()
{
    if (!view->selectionModel())
        return;
    insertNew(std::max(0, PanelPage::selectedRow(view)));
}

void FeatureRows::addAfter()
{
    if (!view->selectionModel())
        return;
    const int r = PanelPage::selectedRow(view);
    insertNew(r < 0 ? 0 : r + 1);
}

void FeatureRows::copySelected()
{
    const int r = PanelPage::selectedRow(view);
    const int n = ops.count();
    if (n < 0 || r < 0 || (ops.refuse && ops.refuse(n + 1)))
        return;
    if (ops.insertCopy(r))
        view->selectRow(r + 1);
}

void FeatureRows::removeSelected()
{
    const int r = PanelPage::selectedRow(view);
    if (ops.count() <= 0 || r < 0)
        return;
    ops.remove(r);
    view->clearSelection();
    editors->setCurrentWidget(emptyEditor);
}

void FeatureRows::addMenuActions(QMenu* menu)
{
    actAddBefore = menu->addAction(QString(), [this]() { addBefore(); });
    actAddAfter = menu->addAction(QString(), [this]() { addAfter(); });
    actRemove = menu->addAction(QString(), [this]() { removeSelected(); });
    actCopy = menu->addAction(QString(), [this]() { copySelected(); });
}

void FeatureRows::setMenuTexts(const QString& addBefore, const QString& addAfter, const QString& remove,
                               const QString& copy)
{
    actAddBefore->setText(addBefore);
    actAddAfter->setText(addAfter);
    actRemove->setText(remove);
    actCopy->setText(copy);
}

void FeatureRows::popupMenu(QMenu* menu, QPoint pos, int n, QAction* extraOnRow)
{
    const int r = view->rowAt(pos.y());
    if (extraOnRow)
        PanelPage::enableListMenu(n, r, {actRemove, actCopy, extraOnRow}, {actAddBefore, actAddAfter});
    else
        PanelPage::enableListMenu(n, r, {actRemove, actCopy}, {actAddBefore, actAddAfter});
    menu->popup(view->viewport()->mapToGlobal(pos));
}

#include "editing/PanelPage.h"

#include "editing/XLineEditDelegate.h"
#include "foundation/CLocale.h"
#include "foundation/InputValueType.h"
#include "foundation/XDoubleSpinBox.h"
#include "model/RibDefinition.h"
#include "model/RibListTableModel.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QWidget>
#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>

namespace PanelPage {

void setRanges(std::initializer_list<Range> ranges)
{
    for (const Range& r : ranges) {
        r.field->setInputValueType(new InputValueType(9, r.min, r.max));
        if (r.noPopup)
            r.field->setDisplayMode(0, 1.0f);
    }
}

void setCellEditor(QTableView* view, int column, QAbstractItemDelegate* delegate, QObject* owner)
{
    view->setItemDelegateForColumn(column, delegate);
    delegate->setParent(owner);
}

void setLineEditor(QTableView* view, int column, int kind, QObject* owner)
{
    // The delegate copies the rule it is given.
    const InputValueType rule(kind);
    setCellEditor(view, column, new XLineEditDelegate(&rule), owner);
}

void showPicture(QWidget* widget, const char* image)
{
    widget->setSizePolicy(QSizePolicy::Expanding, widget->sizePolicy().verticalPolicy());
    widget->setStyleSheet(QStringLiteral("image: url(:/images/images/") +
                          QCoreApplication::translate("WingPanelDialog", image) + QStringLiteral(");"));
}

namespace {

// A page out of sight asks for no height; the one in front for its own.
template <class Pages>
void followCurrentPage(Pages* pages)
{
    for (int i = 0; i < pages->count(); ++i) {
        QWidget* page = pages->widget(i);
        QSizePolicy policy = page->sizePolicy();
        policy.setVerticalPolicy(page == pages->currentWidget() ? QSizePolicy::Preferred : QSizePolicy::Ignored);
        page->setSizePolicy(policy);
    }
}

} // namespace

void sizeToCurrentPage(QStackedWidget* stack)
{
    QObject::connect(stack, &QStackedWidget::currentChanged, stack, [stack] { followCurrentPage(stack); });
    followCurrentPage(stack);
}

void sizeToCurrentPage(QTabWidget* tabs)
{
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [tabs] { followCurrentPage(tabs); });
    followCurrentPage(tabs);
}

void checkAndToggle(QAbstractButton* button)
{
    button->setChecked(true);
    emit button->toggled(true);
}

void setWidgetsEnabled(const std::vector<QWidget*>& widgets, bool enabled)
{
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

void updateSinglePosition(XDoubleSpinBox* field, bool percent, float chord, float value)
{
    field->setValueInPercent(percent, usableChord(chord));
    field->setValue(value, true);
}

int selectedRow(QAbstractItemView* view)
{
    QItemSelectionModel* selection = view->selectionModel();
    if (!selection)
        return -1;
    const QModelIndexList indexes = selection->selectedIndexes();
    return indexes.isEmpty() ? -1 : indexes.first().row();
}

// Spars and combs are judged the same way: the angle of the line from their
// point at the first rib to their point at the last rib, in the planform.
bool featureRibs(const RibListTableModel* model, int firstRib, int lastRib, const RibDefinition*& first,
                 const RibDefinition*& last)
{
    if (!model || firstRib < 1 || lastRib < 1 || firstRib > model->getRibCount() || lastRib > model->getRibCount())
        return false;
    bool foundFirst = false;
    bool foundLast = false;
    first = &model->findRib(firstRib - 1, foundFirst);
    last = &model->findRib(lastRib - 1, foundLast);
    return foundFirst && foundLast;
}

QString neededFor90Text(float value)
{
    const float cut = static_cast<float>(static_cast<long long>(value * 100.0f)) / 100.0f;
    return CLocale::display(static_cast<double>(cut), 'g', 6);
}

void enableListMenu(int n, int r, std::initializer_list<QAction*> needRow, std::initializer_list<QAction*> adds)
{
    const bool onRow = n > 0 && r != -1;
    for (QAction* a : needRow)
        a->setEnabled(onRow);
    for (QAction* a : adds)
        a->setEnabled(onRow || n == 0);
}

} // namespace PanelPage

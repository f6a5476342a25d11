#include "editing/RibsPage.h"

#include "foundation/InputValueType.h"
#include "document/PlaneModel.h"
#include "editing/PanelPage.h"
#include "editing/RibCellDelegate.h"
#include "editing/WingPanelDialog.h"
#include "foundation/XDoubleSpinBox.h"
#include "model/PanelBaseData.h"
#include "model/RibListTableModel.h"
#include "model/SheetingStripDefinition.h"
#include "output/ConsumedRibs.h"
#include "ui_WingPanelDialog.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

RibsPage::RibsPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui) : PanelDialogPage(dialog, ui)
{
    ui->txtRibThickness->setTabPage(ui->tabRibDefinition);
    ui->txtNoOfRibs->setTabPage(ui->tabRibDefinition);
    PanelPage::setRanges({{ui->txtRibThickness, 0.01, 50, false}});
    ui->txtNoOfRibs->setInputValueType(new InputValueType(10, 2, 100));
    ui->txtNoOfRibs->setDisplayMode(0, 1.0f);
    for (int column : {0, 1}) {
        const InputValueType rule(column == 0 ? 5 : 6);
        PanelPage::setCellEditor(ui->tableViewRibs, column, new RibCellDelegate(&rule), &dialog);
    }
    // Under the table, in words, which ribs the sheets consume.
    consumedNote = new QLabel(ui->dockWidgetRibTableContents);
    consumedNote->setObjectName(QStringLiteral("lblConsumedRibs"));
    consumedNote->setWordWrap(true);
    QPalette palette = consumedNote->palette();
    palette.setColor(QPalette::WindowText, QColor(150, 0, 0));
    consumedNote->setPalette(palette);
    consumedNote->hide();
    ui->verticalLayout_16->addWidget(consumedNote);
    ui->tableViewRibs->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->tableViewRibs, SIGNAL(customContextMenuRequested(QPoint)), this, SLOT(customRibsMenuRequested(QPoint)));
    menu = new QMenu(&dialog);
    actAddBefore = menu->addAction(QString(), this, &RibsPage::addRibBefore);
    actAddAfter = menu->addAction(QString(), this, &RibsPage::addRibAfter);
    actDelete = menu->addAction(QString(), this, &RibsPage::deleteRib);
    actSplit = menu->addAction(QString(), this, &RibsPage::splitRib);
    // Generated ribs are as many as the field says.
    connect(ui->btnGenerateRibs, &QAbstractButton::clicked, this, [this] { filledNoOfRibs = 0; });
    retranslate();
}

void RibsPage::retranslate()
{
    actAddBefore->setText(WingPanelDialog::tr("Add rib in front"));
    actAddAfter->setText(WingPanelDialog::tr("Add rib behind"));
    actDelete->setText(WingPanelDialog::tr("Delete rib"));
    actSplit->setText(WingPanelDialog::tr("Split rib in two"));
    showConsumedRibs();
}

void RibsPage::showConsumedRibs()
{
    QStringList notes;
    if (dialog.workingPanel) {
        notes << ConsumedRibs::panelNote(*dialog.workingPanel) << ConsumedRibs::partedNote(*dialog.workingPanel);
        notes.removeAll(QString());
    }
    const QString note = notes.join('\n');
    consumedNote->setText(note);
    consumedNote->setVisible(!note.isEmpty());
    // The marks of the rows follow the ribs of the latest build.
    ui->tableViewRibs->viewport()->update();
}

void RibsPage::fitTable()
{
    QTableView* table = ui->tableViewRibs;
    // The headers keep the size their texts had before a language change
    // until they hear that the texts changed.
    if (const QAbstractItemModel* model = table->model()) {
        if (model->rowCount() > 0)
            table->verticalHeader()->headerDataChanged(Qt::Vertical, 0, model->rowCount() - 1);
        if (model->columnCount() > 0)
            table->horizontalHeader()->headerDataChanged(Qt::Horizontal, 0, model->columnCount() - 1);
    }
    table->resizeColumnsToContents();
    // The vertical scroll bar is counted even while it is hidden: a longer
    // rib list must not push the last column out of sight.
    table->setMinimumWidth(table->verticalHeader()->sizeHint().width() + table->horizontalHeader()->length() +
                           2 * table->frameWidth() +
                           table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table));
    // The scroll area around the building tabs and the table would
    // otherwise scroll sideways instead of growing.
    QScrollArea* area = ui->scrollArea_2;
    QWidget* content = area->widget();
    if (!content)
        return;
    // The layouts between the table and the scroll area learn of the new
    // width only at the next layout pass; their sizes are asked now.
    for (QWidget* w = table->parentWidget(); w && w != area; w = w->parentWidget())
        w->updateGeometry();
    area->setMinimumWidth(content->minimumSizeHint().width() + 2 * area->frameWidth() +
                          area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area));
}

void RibsPage::fill(const PanelBaseData& data)
{
    ui->txtRibThickness->setValue(data.getRibThickness(), true);
    ui->txtNoOfRibs->setValue(data.getNoOfRibs(), true);
    filledNoOfRibs = data.getNoOfRibs();
    filledSpecificWeight = data.getSpecificWeightRib();
}

void RibsPage::writeInto(PanelBaseData& data) const
{
    const float ribThickness = static_cast<float>(ui->txtRibThickness->value());
    if (ribThickness > 0.0f)
        data.setRibThickness(ribThickness);
    const int n = static_cast<int>(ui->txtNoOfRibs->value());
    if (filledNoOfRibs > n && n == static_cast<int>(ui->txtNoOfRibs->maximum()))
        data.setNoOfRibs(filledNoOfRibs);
    else if (n > 1)
        data.setNoOfRibs(n);
    data.setSpecificWeightRib(filledSpecificWeight);
}

void RibsPage::addFieldsToCheck(std::vector<XLineEdit*>&, std::vector<XDoubleSpinBox*>& numbers) const
{
    numbers.insert(numbers.end(), {ui->txtRibThickness, ui->txtNoOfRibs});
}

void RibsPage::customRibsMenuRequested(QPoint pos)
{
    const int n = dialog.workingRibs.getRibCount();
    if (n <= 1)
        return;
    const int r = ui->tableViewRibs->rowAt(pos.y());
    actAddBefore->setEnabled(r != 0);
    actAddAfter->setEnabled(r != n - 1);
    actDelete->setEnabled(r != 0 && r != n - 1);
    menu->popup(ui->tableViewRibs->viewport()->mapToGlobal(pos));
}

void RibsPage::renumberRibReferences(int lastAbove, int firstAbove, int delta)
{
    auto adjust = [&](auto& record) {
        if (record.getLastRib() > lastAbove)
            record.setLastRib(record.getLastRib() + delta);
        if (record.getFirstRib() > firstAbove)
            record.setFirstRib(record.getFirstRib() + delta);
    };
    for (SparDefinition& spar : dialog.workingSpars.getEditableSpars())
        adjust(spar);
    for (SheetingStripDefinition& strip : dialog.workingStrips.getStrips())
        adjust(strip);
    for (RibCombData& comb : dialog.workingCombs.getCombs())
        adjust(comb);
}

bool RibsPage::hasRoomForRib(const RibListTableModel* model) const
{
    return !model || !dialog.refuseBeyondLimits(model->getRibCount() + 1);
}

void RibsPage::deleteRib()
{
    RibListTableModel* model = dialog.ribModel();
    const int r = PanelPage::selectedRow(ui->tableViewRibs);
    // The first and the last rib bound the panel: removing them would leave
    // references without the matching rib change.
    if (model && r > 0 && r < model->getRibCount() - 1) {
        renumberRibReferences(r, r, -1);
        model->deleteRib(r);
    }
    dialog.adjustNumberOfRibsInTableModels();
}

void RibsPage::addRibBefore()
{
    RibListTableModel* model = dialog.ribModel();
    if (!hasRoomForRib(model))
        return;
    const int r = PanelPage::selectedRow(ui->tableViewRibs);
    if (model && r > 0) {
        renumberRibReferences(r, r, 1);
        model->insertRib(r - 1);
    }
    dialog.adjustNumberOfRibsInTableModels();
}

void RibsPage::addRibAfter()
{
    RibListTableModel* model = dialog.ribModel();
    if (!hasRoomForRib(model))
        return;
    const int r = PanelPage::selectedRow(ui->tableViewRibs);
    if (model && r >= 0 && r < model->getRibCount() - 1) {
        renumberRibReferences(r + 1, r + 1, 1);
        model->insertRib(r);
    }
    dialog.adjustNumberOfRibsInTableModels();
}

void RibsPage::splitRib()
{
    RibListTableModel* model = dialog.ribModel();
    if (!hasRoomForRib(model))
        return;
    const int r = PanelPage::selectedRow(ui->tableViewRibs);
    if (model && r >= 0 && r < model->getRibCount()) {
        renumberRibReferences(r + 1, r, 1);
        model->splitRib(r);
    }
    dialog.adjustNumberOfRibsInTableModels();
}

void RibsPage::ribSelectionChanged(QModelIndex selected, QModelIndex)
{
    if (RibListTableModel* model = dialog.ribModel()) {
        bool found = true;
        for (int i = 0; found; ++i) {
            RibDefinition& rib = model->getRib(i, found);
            if (found)
                rib.setSelected(false);
        }
        // The working list is what every rebuild starts from, so the
        // selection is kept there as well.
        for (RibDefinition& rib : dialog.workingRibs.getRibs())
            rib.setSelected(false);
        if (selected.row() != -1) {
            RibDefinition& rib = model->getRib(selected.row(), found);
            if (found) {
                rib.setSelected(true);
                bool inList = false;
                if (RibDefinition* own = dialog.workingRibs.getRib(selected.row() + 1, inList))
                    own->setSelected(true);
                dialog.updateSingleRibView(selected.row());
            }
        }
    }
    ui->wingFoilGLWidget->update();
}

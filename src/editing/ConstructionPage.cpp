#include "editing/ConstructionPage.h"

#include "foundation/InputValueType.h"
#include "editing/PanelPage.h"
#include "editing/WingPanelDialog.h"
#include "editing/XCombTypeEditDelegate.h"
#include "foundation/XDoubleSpinBox.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/RibDefinition.h"
#include "foundation/Mathematics.h"
#include "views/CADSceneEventBuildingTabDataChanged.h"
#include "model/CombListTableModel.h"
#include "model/RibListTableModel.h"
#include "ui_WingPanelDialog.h"

#include <QMenu>
#include <cmath>
#include <iostream>

ConstructionPage::ConstructionPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui)
    : PanelDialogPage(dialog, ui), rows(ui->tableViewCombs, ui->stackedWidgetCombs, ui->pageNoComb, rowOperations())
{
    PanelPage::setRanges({{ui->txtTabsFromLE, 2, 80, false},
                          {ui->txtTabsFromTE, 2, 80, false},
                          {ui->txtTabsWidth, 5, 15, false},
                          {ui->txtCombPosition, 2, 2000, false},
                          {ui->txtCombLastPosition, 2, 2000, false},
                          {ui->txtCombWidth, 0.5, 50, false},
                          {ui->txtCombExtendAbove, 0, 30, false},
                          {ui->txtCombCutIntoRib, 0, 50, true},
                          {ui->txtCutoutGapFore, 0, 15, false},
                          {ui->txtCutoutGapAft, 0, 15, false},
                          {ui->txtGapNeedle, 0, 15, false},
                          {ui->txtCombSlitHeight, 1, 5, false},
                          {ui->txtCombSlitAdjust, 2, 20, false}});
    PanelPage::setLineEditor(ui->tableViewCombs, 0, 1, &dialog);
    PanelPage::setCellEditor(ui->tableViewCombs, 1, new XCombTypeEditDelegate(combTypeNames()), &dialog);
    PanelPage::setLineEditor(ui->tableViewCombs, 2, 3, &dialog);
    PanelPage::setLineEditor(ui->tableViewCombs, 3, 3, &dialog);

    ui->tableViewCombs->setContextMenuPolicy(Qt::CustomContextMenu);
    menu = new QMenu(&dialog);
    rows.addMenuActions(menu);
    retranslate();

    connect(ui->tableViewCombs, SIGNAL(customContextMenuRequested(QPoint)), this,
            SLOT(customCombsMenuRequested(QPoint)));
    connect(ui->chkTabsAbove, SIGNAL(toggled(bool)), this, SLOT(buildingTabDataChanged()));
    connect(ui->chkTabsBelow, SIGNAL(toggled(bool)), this, SLOT(buildingTabDataChanged()));
    for (XDoubleSpinBox* f : {ui->txtTabsFromLE, ui->txtTabsFromTE, ui->txtTabsWidth})
        connect(f, SIGNAL(valueChanged(const QString&)), this, SLOT(buildingTabDataChanged()));

    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             ui->rbCombDistanceFromLE, ui->rbCombDistanceFromTE, ui->rbCombPositionPercentage, ui->rbCombPositionMM,
             ui->rbCombLastPositionPercentage, ui->rbCombLastPositionMM, ui->chkCombSeparateEnd})
        connect(b, SIGNAL(clicked(bool)), this, SLOT(combSpecificDataChanged()));
    connect(ui->chkCombExtendToBuildingTabs, SIGNAL(toggled(bool)), this, SLOT(combSpecificDataChanged()));
    for (XDoubleSpinBox* f :
         {ui->txtCombPosition, ui->txtCombLastPosition, ui->txtCombWidth, ui->txtCombExtendAbove, ui->txtCombCutIntoRib,
          ui->txtCutoutGapFore, ui->txtCutoutGapAft, ui->txtGapNeedle, ui->txtCombSlitHeight, ui->txtCombSlitAdjust})
        connect(f, SIGNAL(valueChanged(const QString&)), this, SLOT(combSpecificDataChanged()));
    connect(ui->btnComb90, SIGNAL(clicked()), this, SLOT(btnComb90Clicked()));
}

void ConstructionPage::retranslate()
{
    PanelPage::showPicture(ui->widget_ribCombStandard, QT_TRANSLATE_NOOP("WingPanelDialog", "RibComb.png"));
    if (auto* d = qobject_cast<XCombTypeEditDelegate*>(ui->tableViewCombs->itemDelegateForColumn(1)))
        d->setTypeNames(combTypeNames());
    rows.setMenuTexts(WingPanelDialog::tr("Add comb in front"), WingPanelDialog::tr("Add comb behind"),
                      WingPanelDialog::tr("Delete comb"), WingPanelDialog::tr("Copy comb"));
}

void ConstructionPage::showComb(int row)
{
    editorRow = row;
    CombListTableModel* model = combModel();
    RibCombData* comb = model ? PanelPage::deselectAllAndFind<RibCombData>(
                                    [model](int i, bool& found) -> RibCombData& { return model->getComb(i, found); }, row)
                              : nullptr;
    if (row == -1) {
        ui->tableViewCombs->clearSelection();
        ui->stackedWidgetCombs->setCurrentWidget(ui->pageNoComb);
        ui->wingFoilGLWidget->update();
        return;
    }
    if (!comb) {
        ui->wingFoilGLWidget->update();
        return;
    }
    float c1 = 0.0f;
    float c2 = 0.0f;
    dialog.ribChords(comb->getFirstRib(), comb->getLastRib(), c1, c2);
    visualizeCombAngle(*comb);
    comb->setSelected(true);
    if (comb->getType() == 0 || comb->getType() == 1) {
        ui->stackedWidgetCombs->setCurrentWidget(ui->pageStandardComb);
        PanelPage::showPositionRow(positionRow(), *comb, c1, c2);
        ui->txtCombWidth->setValue(comb->getWidth(), true);
        ui->txtCombExtendAbove->setValue(comb->getExtend(), true);
        ui->txtCombCutIntoRib->setValue(comb->getCutIntoRib(), true);
        ui->txtCutoutGapFore->setValue(comb->getCutoutGapFore(), true);
        ui->txtCutoutGapAft->setValue(comb->getCutoutGapAft(), true);
        ui->txtGapNeedle->setValue(comb->getGapNeedle(), true);
        ui->txtCombSlitHeight->setValue(comb->getSlitHeight(), true);
        ui->txtCombSlitAdjust->setValue(comb->getSlitAdjust(), true);
        ui->txtCombExtendAbove->setEnabled(!ui->chkCombExtendToBuildingTabs->isChecked());
        ui->chkCombExtendToBuildingTabs->setChecked(comb->getExtendToBuildingTabs());
    } else {
        std::cout << "Invalid comb type: " << comb->getType() << " for comb " << comb->getName().toUtf8().constData()
                  << std::endl;
    }
    ui->wingFoilGLWidget->update();
}

void ConstructionPage::combSelectionChanged(QModelIndex selected, QModelIndex)
{
    showComb(selected.row());
}

void ConstructionPage::readCombPage(RibCombData& comb, float c1, float c2)
{
    PanelPage::readPositionRow(positionRow(), comb, c1, c2);
    const struct
    {
        XDoubleSpinBox* field;
        void (RibCombData::*setter)(float);
    } sizes[] = {
        {ui->txtCombWidth, &RibCombData::setWidth},           {ui->txtCombExtendAbove, &RibCombData::setExtend},
        {ui->txtCombCutIntoRib, &RibCombData::setCutIntoRib}, {ui->txtCutoutGapFore, &RibCombData::setCutoutGapFore},
        {ui->txtCutoutGapAft, &RibCombData::setCutoutGapAft}, {ui->txtGapNeedle, &RibCombData::setGapNeedle},
        {ui->txtCombSlitHeight, &RibCombData::setSlitHeight}, {ui->txtCombSlitAdjust, &RibCombData::setSlitAdjust},
    };
    for (const auto& s : sizes)
        if (s.field->isValid())
            (comb.*s.setter)(static_cast<float>(s.field->value()));
    comb.setExtendToBuildingTabs(ui->chkCombExtendToBuildingTabs->isChecked());
    ui->txtCombExtendAbove->setEnabled(!comb.getExtendToBuildingTabs());
}

void ConstructionPage::combSpecificDataChanged()
{
    RibCombData* edited = editedComb();
    if (!edited)
        return;
    RibCombData& comb = *edited;
    float c1 = 0.0f;
    float c2 = 0.0f;
    dialog.ribChords(comb.getFirstRib(), comb.getLastRib(), c1, c2);
    if (comb.getType() == 0 || comb.getType() == 1) {
        readCombPage(comb, c1, c2);
        visualizeCombAngle(comb);
    } else {
        std::cout << "Unknown comb type: " << comb.getType() << std::endl;
    }
    dialog.workingCombs.assign(dialog.workingPanel->getCombList());
    dialog.redrawWindow(true);
}

void ConstructionPage::combDataChanged(QModelIndex index1, QModelIndex)
{
    showComb(index1.row());
    if (dialog.workingPanel)
        dialog.workingCombs.assign(dialog.workingPanel->getCombList());
    dialog.redrawWindow(true);
}

float ConstructionPage::getCombAngle(RibCombData comb, const RibListTableModel* pRibTableModel, float panelSweep,
                                     float panelLength, float& neededFor90Deg, bool untilLastRib)
{
    const RibDefinition* first = nullptr;
    const RibDefinition* last = nullptr;
    if (!PanelPage::featureRibs(pRibTableModel, comb.getFirstRib(), comb.getLastRib(), first, last) ||
        !(panelLength > 0.0f))
        return PanelPage::NoAngle;
    float p1 = 0.0f;
    float p2 = 0.0f;
    comb.getAbsolutePosition(p1, 0, *first);
    comb.getAbsolutePosition(p2, 1, *last);
    const float y1 = first->position;
    const float y2 = last->position + (untilLastRib ? last->thickness : 0.0f);
    if (y1 == y2)
        return PanelPage::NoAngle;
    const float k = panelSweep / panelLength;
    const float x1 = k * y1 + p1;
    const float x2 = k * y2 + p2;
    const float angle = Mathematics::radToDeg(std::atan((x1 - x2) / (y2 - y1))) + 90.0f;
    neededFor90Deg = k * y1 + p1 - k * y2 + comb.getWidth() / 2.0f;
    if (!comb.getMeasureFromLE())
        neededFor90Deg = last->getChord() - neededFor90Deg;
    ui->lblCombNeededFor90Deg->setText(PanelPage::neededFor90Text(neededFor90Deg));
    return angle;
}

void ConstructionPage::visualizeCombAngle(RibCombData comb)
{
    if (!dialog.workingPanel)
        return;
    const bool untilLastRib = comb.getLastRib() == dialog.workingPanel->getRibCount();
    float needed = 0.0f;
    const float angle = getCombAngle(comb, dialog.ribModel(), dialog.workingPanel->getSweep(),
                                     dialog.workingPanel->getLength(), needed, untilLastRib);
    QString text;
    dialog.getAngleText(angle, text);
    ui->lblCombAngle->setText(text);
}

void ConstructionPage::btnComb90Clicked()
{
    RibCombData* edited = editedComb();
    if (!edited)
        return;
    RibCombData& comb = *edited;
    float needed = 0.0f;
    const float angle =
        getCombAngle(comb, &dialog.workingPanel->getRibListTableModel(), dialog.workingPanel->getSweep(),
                     dialog.workingPanel->getLength(), needed, comb.getLastRib() == dialog.workingPanel->getRibCount());
    if (angle != PanelPage::NoAngle) {
        comb.setSeparateLastPosition(true);
        comb.setPercentageSelected(1, false);
        comb.setPosition(1, needed);
    }
    CombListTableModel* model = combModel();
    emit model->dataChanged(model->index(editorRow, 0), model->index(editorRow, model->columnCount() - 1));
}

void ConstructionPage::customCombsMenuRequested(QPoint pos)
{
    rows.popupMenu(menu, pos, dialog.workingCombs.getCombCount());
}

CombListTableModel* ConstructionPage::combModel() const
{
    return dynamic_cast<CombListTableModel*>(ui->tableViewCombs->model());
}

std::vector<QString> ConstructionPage::combTypeNames()
{
    std::vector<QString> names;
    for (int i = 0; i < RibCombData::getCombTypeCount(); ++i)
        names.push_back(RibCombData::getCombTypeName(i));
    return names;
}

void ConstructionPage::buildingTabDataChanged()
{
    dialog.workingTabs.setDoUpper(ui->chkTabsAbove->isChecked());
    dialog.workingTabs.setDoLower(ui->chkTabsBelow->isChecked());
    dialog.workingTabs.setOffsetLE(static_cast<float>(ui->txtTabsFromLE->value()));
    dialog.workingTabs.setOffsetTE(static_cast<float>(ui->txtTabsFromTE->value()));
    dialog.workingTabs.setWidth(static_cast<float>(ui->txtTabsWidth->value()));
    notifyBuildingTabs();
}

void ConstructionPage::notifyBuildingTabs()
{
    if (!dialog.workingPanel)
        return;
    float minY = 0.0f;
    float maxY = 0.0f;
    dialog.workingPanel->getRibHeightRange(minY, maxY);
    ui->singleRibDrawingArea->notify(CADSceneEventBuildingTabDataChanged(dialog.workingTabs, minY, maxY));
}

FeatureRows::Operations ConstructionPage::rowOperations()
{
    FeatureRows::Operations ops;
    ops.refuse = [this](int n) { return dialog.refuseBeyondLimits(-1, -1, -1, n); };
    ops.count = [this]() {
        CombListTableModel* model = combModel();
        return model ? model->getCombCount() : -1;
    };
    ops.insertFresh = [this](int row) {
        CombListTableModel* model = combModel();
        if (!model || !dialog.workingPanel)
            return false;
        RibCombData record;
        record.setFirstRib(1);
        record.setLastRib(dialog.workingPanel->getRibCount());
        model->insertComb(row, &record);
        return true;
    };
    ops.insertCopy = [this](int row) {
        const CombListTableModel* model = combModel();
        bool found = false;
        const RibCombData& source = model->getComb(row, found);
        if (!found)
            return false;
        RibCombData copy(source);
        copy.generateIds();
        copy.setName(source.getName() + QStringLiteral(" ") + WingPanelDialog::tr("(copy)"));
        copy.setPosition(0, copy.getPosition(0) + 1.0f);
        copy.setPosition(1, copy.getPosition(1) + 1.0f);
        combModel()->insertComb(row + 1, &copy);
        return true;
    };
    ops.remove = [this](int row) { combModel()->deleteComb(row); };
    return ops;
}

void ConstructionPage::fill(const PanelBaseData& data)
{
    const BuildingTabData& tabs = data.getBuildingTabData();
    ui->chkTabsAbove->setChecked(tabs.getDoUpper());
    ui->chkTabsBelow->setChecked(tabs.getDoLower());
    ui->txtTabsFromLE->setValue(tabs.getOffsetLE(), true);
    ui->txtTabsFromTE->setValue(tabs.getOffsetTE(), true);
    ui->txtTabsWidth->setValue(tabs.getWidth(), true);
}

void ConstructionPage::addFieldsToCheck(std::vector<XLineEdit*>&, std::vector<XDoubleSpinBox*>& numbers) const
{
    numbers.insert(numbers.end(), {ui->txtTabsFromLE, ui->txtTabsFromTE, ui->txtTabsWidth});
}

RibCombData* ConstructionPage::editedComb()
{
    CombListTableModel* model = combModel();
    if (!model || !dialog.workingPanel)
        return nullptr;
    bool found = false;
    RibCombData& record = model->getComb(editorRow, found);
    return found ? &record : nullptr;
}

PanelPage::PositionRow ConstructionPage::positionRow() const
{
    return {ui->txtCombPosition,    ui->txtCombLastPosition,          ui->rbCombPositionPercentage,
            ui->rbCombPositionMM,   ui->rbCombLastPositionPercentage, ui->rbCombLastPositionMM,
            ui->chkCombSeparateEnd, ui->rbCombDistanceFromLE,         ui->rbCombDistanceFromTE};
}

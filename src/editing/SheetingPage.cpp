#include "editing/SheetingPage.h"

#include "foundation/InputValueType.h"
#include "editing/PanelPage.h"
#include "editing/WingPanelDialog.h"
#include "foundation/XDoubleSpinBox.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "foundation/XLineEdit.h"
#include "model/RibDefinition.h"
#include "model/RibListTableModel.h"
#include "model/SheetingStripDefinition.h"
#include "model/SheetingStripTableModel.h"
#include "ui_WingPanelDialog.h"

#include <QMenu>
#include <iostream>

SheetingPage::SheetingPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui)
    : PanelDialogPage(dialog, ui),
      rows(ui->tableViewSheetingStrips, ui->stackedWidgetSheetingData, ui->pageStripSheetingNone, rowOperations())
{
    ui->txtStandardSheetingLength->setInputValueType(new InputValueType(6));
    ui->txtStandardSheetingThickness->setInputValueType(new InputValueType(6));
    ui->txtStandardSheetingExtend->setInputValueType(new InputValueType(2));
    ui->txtStandardSheetingExtend->setDisplayMode(0, 1.0f);

    for (XDoubleSpinBox* field :
         {ui->txtStandardSheetingLength, ui->txtStandardSheetingThickness, ui->txtStandardSheetingExtend})
        field->setTabPage(ui->tabCovering);
    PanelPage::setLineEditor(ui->tableViewSheetingStrips, 0, 1, &dialog);
    PanelPage::setLineEditor(ui->tableViewSheetingStrips, 1, 3, &dialog);
    PanelPage::setLineEditor(ui->tableViewSheetingStrips, 2, 3, &dialog);
    ui->tableViewSheetingStrips->setContextMenuPolicy(Qt::CustomContextMenu);
    menu = new QMenu(&dialog);
    rows.addMenuActions(menu);
    retranslate();

    connect(ui->tableViewSheetingStrips, SIGNAL(customContextMenuRequested(QPoint)), this,
            SLOT(customStripsMenuRequested(QPoint)));
    // The unit must be switched before the preview reads the length.
    connect(ui->rbStandardSheetingPercentage, SIGNAL(clicked(bool)), this, SLOT(standardSheetingMeasureUnitChanged()));
    connect(ui->rbStandardSheetingPercentage, SIGNAL(clicked(bool)), &dialog, SLOT(redrawWindowLightweight()));
    connect(ui->rbStandardSheetingMM, SIGNAL(clicked(bool)), this, SLOT(standardSheetingMeasureUnitChanged()));
    connect(ui->rbStandardSheetingMM, SIGNAL(clicked(bool)), &dialog, SLOT(redrawWindowLightweight()));
    for (QRadioButton* b : {ui->rbSheetingNone, ui->rbSheetingStandard, ui->rbSheetingAdvanced})
        connect(b, SIGNAL(toggled(bool)), this, SLOT(rbSheetingTypeToggled(bool)));

    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             ui->rbAdvancedSheetingLE, ui->rbAdvancedSheetingTE, ui->rbAdvancedSheetingPercentage,
             ui->rbAdvancedSheetingPercentageLast, ui->rbAdvancedSheetingMM, ui->rbAdvancedSheetingMMLast,
             ui->chkAdvancedSheetingSeparateEnd, ui->rbAdvancedSheetingOffsetPercentage,
             ui->rbAdvancedSheetingOffsetEndPercentage, ui->rbAdvancedSheetingOffsetMM,
             ui->rbAdvancedSheetingOffsetEndMM, ui->chkAdvancedSheetingOffsetSeparateEnd, ui->chkAdvancedSheetingUpper,
             ui->chkAdvancedSheetingLower, ui->chkAdvancedSheetingCapStrip})
        connect(b, SIGNAL(clicked(bool)), this, SLOT(sheetingStripSpecificDataChanged()));
    for (XDoubleSpinBox* f :
         {ui->txtAdvancedSheetingLength, ui->txtAdvancedSheetingLengthEnd, ui->txtAdvancedSheetingOffset,
          ui->txtAdvancedSheetingOffsetEnd, ui->txtAdvancedSheetingThickness})
        connect(f, SIGNAL(valueChanged(const QString&)), this, SLOT(sheetingStripSpecificDataChanged()));
}

void SheetingPage::retranslate()
{
    PanelPage::showPicture(ui->widget_Sheeting, QT_TRANSLATE_NOOP("WingPanelDialog", "sheeting.png"));
    PanelPage::showPicture(ui->widget_AdvancedSheeting,
                           QT_TRANSLATE_NOOP("WingPanelDialog", "sheeting-advanced-v2-en.png"));
    rows.setMenuTexts(WingPanelDialog::tr("Add strip in front"), WingPanelDialog::tr("Add strip behind"),
                      WingPanelDialog::tr("Delete strip"), WingPanelDialog::tr("Copy strip"));
}

void SheetingPage::showStrip(int row)
{
    editorRow = row;
    SheetingStripTableModel* model = stripModel();
    if (model) {
        bool found = true;
        for (int i = 0; found; ++i) {
            SheetingStripDefinition& s = model->getStrip(i, found);
            if (found)
                s.setSelected(false);
        }
    }
    if (row == -1) {
        ui->stackedWidgetSheetingData->setCurrentWidget(ui->pageStripSheetingNone);
        ui->wingFoilGLWidget->update();
        return;
    }
    bool found = false;
    SheetingStripDefinition* strip = model ? &model->getStrip(row, found) : nullptr;
    if (!found) {
        ui->wingFoilGLWidget->update();
        return;
    }
    float c1 = 0.0f;
    float c2 = 0.0f;
    dialog.ribChords(strip->getFirstRib(), strip->getLastRib(), c1, c2);
    strip->setSelected(true);
    if (strip->getType() == 0 || strip->getType() == 1) {
        ui->stackedWidgetSheetingData->setCurrentWidget(ui->pageStripSheeting);
        // Position indexes of a strip: 0 start, 1 end, 2 start offset, 3 end offset.
        ui->txtAdvancedSheetingLength->setValue(strip->getPosition(0), true);
        ui->txtAdvancedSheetingLength->setValueInPercent(strip->getPercentageSelected(0), PanelPage::usableChord(c1));
        ui->txtAdvancedSheetingLengthEnd->setValue(strip->getPosition(1), true);
        ui->txtAdvancedSheetingLengthEnd->setValueInPercent(strip->getPercentageSelected(1),
                                                            PanelPage::usableChord(c2));
        ui->txtAdvancedSheetingOffset->setValue(strip->getPosition(2), true);
        ui->txtAdvancedSheetingOffset->setValueInPercent(strip->getPercentageSelected(2), PanelPage::usableChord(c1));
        ui->txtAdvancedSheetingOffsetEnd->setValue(strip->getPosition(3), true);
        ui->txtAdvancedSheetingOffsetEnd->setValueInPercent(strip->getPercentageSelected(3),
                                                            PanelPage::usableChord(c2));
        ui->txtAdvancedSheetingThickness->setValue(strip->getThickness(), true);
        ui->rbAdvancedSheetingPercentage->setChecked(strip->getPercentageSelected(0));
        ui->rbAdvancedSheetingMM->setChecked(!strip->getPercentageSelected(0));
        ui->rbAdvancedSheetingPercentageLast->setChecked(strip->getPercentageSelected(1));
        ui->rbAdvancedSheetingMMLast->setChecked(!strip->getPercentageSelected(1));
        ui->rbAdvancedSheetingOffsetPercentage->setChecked(strip->getPercentageSelected(2));
        ui->rbAdvancedSheetingOffsetMM->setChecked(!strip->getPercentageSelected(2));
        ui->rbAdvancedSheetingOffsetEndPercentage->setChecked(strip->getPercentageSelected(3));
        ui->rbAdvancedSheetingOffsetEndMM->setChecked(!strip->getPercentageSelected(3));
        ui->rbAdvancedSheetingLE->setChecked(strip->getMeasureFromLE());
        ui->rbAdvancedSheetingTE->setChecked(!strip->getMeasureFromLE());
        ui->chkAdvancedSheetingSeparateEnd->setChecked(strip->getSeparateLastPosition());
        ui->chkAdvancedSheetingOffsetSeparateEnd->setChecked(strip->getOffsetSeparateEnd());
        ui->chkAdvancedSheetingUpper->setChecked(strip->getUpper());
        ui->chkAdvancedSheetingLower->setChecked(strip->getLower());
        ui->chkAdvancedSheetingCapStrip->setChecked(strip->getCapStrip());
        PanelPage::setWidgetsEnabled(
            {ui->txtAdvancedSheetingLengthEnd, ui->rbAdvancedSheetingPercentageLast, ui->rbAdvancedSheetingMMLast},
            strip->getSeparateLastPosition());
        PanelPage::setWidgetsEnabled({ui->txtAdvancedSheetingOffsetEnd, ui->rbAdvancedSheetingOffsetEndPercentage,
                                      ui->rbAdvancedSheetingOffsetEndMM},
                                     strip->getOffsetSeparateEnd());
    } else {
        std::cout << "Invalid Sheeting type: " << strip->getType() << " for strip "
                  << strip->getName().toUtf8().constData() << std::endl;
    }
    ui->wingFoilGLWidget->update();
}

void SheetingPage::sheetingStripSelectionChanged(QModelIndex selected, QModelIndex)
{
    showStrip(selected.row());
}

void SheetingPage::readStripPage(SheetingStripDefinition& strip, float c1, float c2)
{
    strip.setPercentageSelected(0, ui->rbAdvancedSheetingPercentage->isChecked());
    strip.setPercentageSelected(1, ui->rbAdvancedSheetingPercentageLast->isChecked());
    strip.setPercentageSelected(2, ui->rbAdvancedSheetingOffsetPercentage->isChecked());
    strip.setPercentageSelected(3, ui->rbAdvancedSheetingOffsetEndPercentage->isChecked());
    strip.setSeparateLastPosition(ui->chkAdvancedSheetingSeparateEnd->isChecked());
    strip.setOffsetSeparateEnd(ui->chkAdvancedSheetingOffsetSeparateEnd->isChecked());

    const bool endPercent = strip.getSeparateLastPosition() ? ui->rbAdvancedSheetingPercentageLast->isChecked()
                                                            : ui->rbAdvancedSheetingPercentage->isChecked();
    const bool offsetEndPercent = strip.getOffsetSeparateEnd() ? ui->rbAdvancedSheetingOffsetEndPercentage->isChecked()
                                                               : ui->rbAdvancedSheetingOffsetPercentage->isChecked();
    const struct
    {
        XDoubleSpinBox* field;
        int which;
        bool percent;
        float chord;
    } positions[] = {
        {ui->txtAdvancedSheetingLength, 0, ui->rbAdvancedSheetingPercentage->isChecked(), c1},
        {ui->txtAdvancedSheetingLengthEnd, 1, endPercent, c2},
        {ui->txtAdvancedSheetingOffset, 2, ui->rbAdvancedSheetingOffsetPercentage->isChecked(), c1},
        {ui->txtAdvancedSheetingOffsetEnd, 3, offsetEndPercent, c2},
    };
    for (const auto& p : positions) {
        if (p.field->isValid()) {
            strip.setPosition(p.which, static_cast<float>(p.field->value()));
            p.field->setValueInPercent(p.percent, PanelPage::usableChord(p.chord));
        }
    }
    if (ui->txtAdvancedSheetingThickness->isValid())
        strip.setThickness(static_cast<float>(ui->txtAdvancedSheetingThickness->value()));
    strip.setLower(ui->chkAdvancedSheetingLower->isChecked());
    strip.setUpper(ui->chkAdvancedSheetingUpper->isChecked());
    strip.setCapStrip(ui->chkAdvancedSheetingCapStrip->isChecked());
    PanelPage::setWidgetsEnabled(
        {ui->txtAdvancedSheetingLengthEnd, ui->rbAdvancedSheetingPercentageLast, ui->rbAdvancedSheetingMMLast},
        strip.getSeparateLastPosition());
    PanelPage::setWidgetsEnabled({ui->txtAdvancedSheetingOffsetEnd, ui->rbAdvancedSheetingOffsetEndPercentage,
                                  ui->rbAdvancedSheetingOffsetEndMM},
                                 strip.getOffsetSeparateEnd());
    strip.setMeasureFromLE(ui->rbAdvancedSheetingLE->isChecked());
}

void SheetingPage::sheetingStripSpecificDataChanged()
{
    SheetingStripDefinition* edited = editedStrip();
    if (!edited)
        return;
    SheetingStripDefinition& strip = *edited;
    float c1 = 0.0f;
    float c2 = 0.0f;
    dialog.ribChords(strip.getFirstRib(), strip.getLastRib(), c1, c2);
    if (strip.getType() == 0 || strip.getType() == 1)
        readStripPage(strip, c1, c2);
    else
        std::cout << "Unknown sheeting type: " << strip.getType() << std::endl;
    dialog.workingStrips.assign(dialog.workingPanel->getSheetingStripList());
    dialog.redrawWindow(true);
}

void SheetingPage::sheetingStripDataChanged(QModelIndex index1, QModelIndex)
{
    showStrip(index1.row());
    if (dialog.workingPanel)
        dialog.workingStrips.assign(dialog.workingPanel->getSheetingStripList());
    dialog.redrawWindow(true);
}

void SheetingPage::rbSheetingTypeToggled(bool state)
{
    if (!state)
        return;
    if (ui->rbSheetingStandard->isChecked())
        ui->stackedWidgetSheeting->setCurrentWidget(ui->pageSheetingStandard);
    else if (ui->rbSheetingAdvanced->isChecked())
        ui->stackedWidgetSheeting->setCurrentWidget(ui->pageSheetingAdvanced);
    else
        ui->stackedWidgetSheeting->setCurrentWidget(ui->pageSheetingNone);
    dialog.redrawWindow(true);
}

void SheetingPage::standardSheetingMeasureUnitChanged()
{
    ui->txtStandardSheetingLength->setValueInPercent(ui->rbStandardSheetingPercentage->isChecked(),
                                                     static_cast<float>(ui->txtRootChord->value()));
}

void SheetingPage::customStripsMenuRequested(QPoint pos)
{
    rows.popupMenu(menu, pos, dialog.workingStrips.getStripCount());
}

SheetingStripTableModel* SheetingPage::stripModel() const
{
    return dynamic_cast<SheetingStripTableModel*>(ui->tableViewSheetingStrips->model());
}

FeatureRows::Operations SheetingPage::rowOperations()
{
    FeatureRows::Operations ops;
    ops.refuse = [this](int n) { return dialog.refuseBeyondLimits(-1, -1, n, -1); };
    ops.count = [this]() {
        SheetingStripTableModel* model = stripModel();
        return model ? model->getStripCount() : -1;
    };
    ops.insertFresh = [this](int row) {
        SheetingStripTableModel* model = stripModel();
        if (!model || !dialog.workingPanel)
            return false;
        SheetingStripDefinition record;
        record.setFirstRib(1);
        record.setLastRib(dialog.workingPanel->getRibCount());
        model->insertStrip(row, &record);
        return true;
    };
    ops.insertCopy = [this](int row) {
        const SheetingStripTableModel* model = stripModel();
        bool found = false;
        const SheetingStripDefinition& source = model->getStrip(row, found);
        if (!found)
            return false;
        SheetingStripDefinition copy(source);
        copy.generateIds();
        copy.setName(source.getName() + QStringLiteral(" ") + WingPanelDialog::tr("(copy)"));
        copy.setPosition(0, copy.getPosition(0) + 2.0f);
        copy.setPosition(1, copy.getPosition(1) + 2.0f);
        stripModel()->insertStrip(row + 1, &copy);
        return true;
    };
    ops.remove = [this](int row) { stripModel()->deleteStrip(row); };
    return ops;
}

void SheetingPage::fill(const PanelBaseData& data)
{
    const CoveringDefinition& covering = data.getCoveringDefinition();
    switch (static_cast<int>(covering.getSheetingType())) {
    case 1: PanelPage::checkAndToggle(ui->rbSheetingStandard); break;
    case 2: PanelPage::checkAndToggle(ui->rbSheetingAdvanced); break;
    case 0: PanelPage::checkAndToggle(ui->rbSheetingNone); break;
    default: std::cout << "Selected Sheeting type: " << static_cast<int>(covering.getSheetingType()) << std::endl;
    }

    if (covering.getPercentageSelected())
        ui->rbStandardSheetingPercentage->setChecked(true);
    else
        ui->rbStandardSheetingMM->setChecked(true);
    ui->chkStandardSheetingUpper->setChecked(covering.getDoUpper());
    ui->chkStandardSheetingLower->setChecked(covering.getDoLower());
    ui->txtStandardSheetingLength->setValue(covering.getLength(), true);
    ui->txtStandardSheetingLength->setValueInPercent(ui->rbStandardSheetingPercentage->isChecked(),
                                                     static_cast<float>(ui->txtRootChord->value()));
    ui->txtStandardSheetingThickness->setValue(covering.getThickness(), true);
    ui->txtStandardSheetingExtend->setValue(covering.getExtend(), true);
}

void SheetingPage::writeInto(PanelBaseData& data) const
{
    CoveringDefinition& covering = data.getCoveringDefinition();
    if (ui->rbSheetingStandard->isChecked())
        covering.setSheetingType(SheetingType::Standard);
    else if (ui->rbSheetingAdvanced->isChecked())
        covering.setSheetingType(SheetingType::Advanced);
    else
        covering.setSheetingType(SheetingType::None);
    if (ui->txtStandardSheetingLength->value() > 0.0)
        covering.setLength(static_cast<float>(ui->txtStandardSheetingLength->value()));
    if (ui->txtStandardSheetingThickness->value() > 0.0)
        covering.setThickness(static_cast<float>(ui->txtStandardSheetingThickness->value()));
    if (ui->txtStandardSheetingExtend->value() >= 0.0)
        covering.setExtend(static_cast<int>(ui->txtStandardSheetingExtend->value()));
    covering.setPercentageSelected(ui->rbStandardSheetingPercentage->isChecked());
    covering.setDoUpper(ui->chkStandardSheetingUpper->isChecked());
    covering.setDoLower(ui->chkStandardSheetingLower->isChecked());
}

void SheetingPage::addFieldsToCheck(std::vector<XLineEdit*>&, std::vector<XDoubleSpinBox*>& numbers) const
{
    // A trailing edge with a strip leaves the sheeting unchecked.
    if (ui->stackedWidgetTE->currentWidget() == ui->pageTEStrip)
        return;
    if (ui->stackedWidgetSheeting->currentWidget() == ui->pageSheetingStandard) {
        numbers.insert(numbers.end(), {ui->txtStandardSheetingLength, ui->txtStandardSheetingExtend,
                                       ui->txtStandardSheetingThickness});
    } else if (ui->stackedWidgetSheeting->currentWidget() == ui->pageSheetingAdvanced) {
        numbers.push_back(ui->txtAdvancedSheetingLength);
        if (ui->chkAdvancedSheetingSeparateEnd->isChecked())
            numbers.push_back(ui->txtAdvancedSheetingLengthEnd);
        numbers.push_back(ui->txtAdvancedSheetingOffset);
        if (ui->chkAdvancedSheetingOffsetSeparateEnd->isChecked())
            numbers.push_back(ui->txtAdvancedSheetingOffsetEnd);
        numbers.push_back(ui->txtAdvancedSheetingThickness);
    }
}

SheetingStripDefinition* SheetingPage::editedStrip()
{
    SheetingStripTableModel* model = stripModel();
    if (!model || !dialog.workingPanel)
        return nullptr;
    bool found = false;
    SheetingStripDefinition& record = model->getStrip(editorRow, found);
    return found ? &record : nullptr;
}

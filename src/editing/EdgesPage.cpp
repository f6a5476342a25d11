#include "editing/EdgesPage.h"

#include "editing/PanelPage.h"
#include "editing/WingPanelDialog.h"
#include "foundation/CLocale.h"
#include "foundation/InputValueType.h"
#include "foundation/XDoubleSpinBox.h"
#include "foundation/XLineEdit.h"
#include "model/PanelBaseData.h"
#include "ui_WingPanelDialog.h"

#include <iostream>

EdgesPage::EdgesPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui) : PanelDialogPage(dialog, ui)
{
    ui->txtStandardLEDepth->setTabPage(ui->tabLeadingEdge);
    ui->txtStandardTEDepth->setTabPage(ui->tabTrailingEdge);
    for (XLineEdit* field : {ui->txtStandardWithStripTEDepth, ui->txtStandardWithStripTEStripDepth,
                             ui->txtStandardWithStripTEStripThickness})
        field->setTabPage(ui->tabTrailingEdge);
    ui->txtStandardLEDepth->setInputValueType(new InputValueType(6));
    ui->txtStandardTEDepth->setInputValueType(new InputValueType(6));
    ui->txtStandardWithStripTEDepth->setInputValueType(new InputValueType(6));
    ui->txtStandardWithStripTEStripDepth->setInputValueType(new InputValueType(6));
    ui->txtStandardWithStripTEStripThickness->setInputValueType(new InputValueType(6));

    for (QRadioButton* b : {ui->rbLENone, ui->rbLEStandard, ui->rbLERound, ui->rbLEDiamond, ui->rbLEStrip})
        connect(b, SIGNAL(toggled(bool)), this, SLOT(rbLETypeToggled(bool)));
    for (QRadioButton* b : {ui->rbTENone, ui->rbTEStandard, ui->rbTEStandardWithStrip})
        connect(b, SIGNAL(toggled(bool)), this, SLOT(rbTETypeToggled(bool)));
    retranslate();
}

void EdgesPage::retranslate()
{
    PanelPage::showPicture(ui->widget_LEStandard, QT_TRANSLATE_NOOP("WingPanelDialog", "LEStandard.png"));
    PanelPage::showPicture(ui->widget_TEStandard, QT_TRANSLATE_NOOP("WingPanelDialog", "TEStandard.png"));
    // The strip page is reached only through a document that has such an edge.
    PanelPage::showPicture(ui->imageViewTEStrip, QT_TRANSLATE_NOOP("WingPanelDialog", "TEStrip.png"));
}

void EdgesPage::fill(const PanelBaseData& data)
{
    switch (data.getLEData().getType()) {
    case 0: PanelPage::checkAndToggle(ui->rbLENone); break;
    case 1: PanelPage::checkAndToggle(ui->rbLEStandard); break;
    case 2: PanelPage::checkAndToggle(ui->rbLEStrip); break;
    case 3: PanelPage::checkAndToggle(ui->rbLEDiamond); break;
    case 4: PanelPage::checkAndToggle(ui->rbLERound); break;
    default: std::cout << "Selected LE type: " << data.getLEData().getType() << std::endl;
    }
    switch (data.getTEData().getType()) {
    case 1: PanelPage::checkAndToggle(ui->rbTEStandard); break;
    case 2: PanelPage::checkAndToggle(ui->rbTEStandardWithStrip); break;
    case 0: PanelPage::checkAndToggle(ui->rbTENone); break;
    default: std::cout << "Selected TE type: " << data.getTEData().getType() << std::endl;
    }
    ui->txtStandardLEDepth->setValue(data.getLEData().getStandardLEDepth(), true);
    ui->txtStandardTEDepth->setValue(data.getTEData().getStandardTEDepth(1.0f), true);
    ui->chkAutoAdjustTEDepth->setChecked(data.getTEData().getStandardTEAutoAdjustDepth());

    ui->txtStandardWithStripTEDepth->setText(CLocale::display(data.getTEData().getStripTEDepth(), 'g', 6));
    ui->txtStandardWithStripTEStripDepth->setText(CLocale::display(data.getTEData().getStripTEStripDepth(), 'g', 6));
    ui->txtStandardWithStripTEStripThickness->setText(
        CLocale::display(data.getTEData().getStripTEStripThickness(), 'g', 6));
}

void EdgesPage::writeInto(PanelBaseData& data) const
{
    LEData& le = data.getLEData();
    if (ui->rbLEStandard->isChecked())
        le.setType(1);
    else if (ui->rbLEStrip->isChecked())
        le.setType(2);
    else if (ui->rbLEDiamond->isChecked())
        le.setType(3);
    else if (ui->rbLERound->isChecked())
        le.setType(4);
    else
        le.setType(0);
    if (ui->txtStandardLEDepth->value() > 0.0)
        le.setStandardLEDepth(static_cast<float>(ui->txtStandardLEDepth->value()));

    TEData& te = data.getTEData();
    if (ui->rbTEStandard->isChecked())
        te.setType(1);
    else if (ui->rbTEStandardWithStrip->isChecked())
        te.setType(2);
    else
        te.setType(0);
    if (ui->txtStandardTEDepth->value() > 0.0)
        te.setStandardTEDepth(static_cast<float>(ui->txtStandardTEDepth->value()));
    te.setStandardTEAutoAdjustDepth(ui->chkAutoAdjustTEDepth->isChecked());
    // The strip fields are text: read as typed, as every number field is.
    double stripDepth = 0.0;
    if (CLocale::parseTyped(ui->txtStandardWithStripTEDepth->text(), stripDepth) && stripDepth > 0.0)
        te.setStripTEDepth(static_cast<float>(stripDepth));
    double stripStripDepth = 0.0;
    if (CLocale::parseTyped(ui->txtStandardWithStripTEStripDepth->text(), stripStripDepth) && stripStripDepth > 0.0)
        te.setStripTEStripDepth(static_cast<float>(stripStripDepth));
    double stripThickness = 0.0;
    if (CLocale::parseTyped(ui->txtStandardWithStripTEStripThickness->text(), stripThickness) && stripThickness > 0.0)
        te.setStripTEStripThickness(static_cast<float>(stripThickness));
}

void EdgesPage::addFieldsToCheck(std::vector<XLineEdit*>& texts, std::vector<XDoubleSpinBox*>& numbers) const
{
    if (ui->stackedWidgetTE->currentWidget() == ui->pageTEStrip)
        texts.insert(texts.end(), {ui->txtStandardWithStripTEDepth, ui->txtStandardWithStripTEStripDepth,
                                   ui->txtStandardWithStripTEStripThickness});
    if (ui->stackedWidgetLE->currentWidget() == ui->pageLEStandard)
        numbers.push_back(ui->txtStandardLEDepth);
    if (ui->stackedWidgetTE->currentWidget() == ui->pageTEStandard)
        numbers.push_back(ui->txtStandardTEDepth);
}

void EdgesPage::rbLETypeToggled(bool state)
{
    if (!state)
        return;
    if (ui->rbLEStandard->isChecked())
        ui->stackedWidgetLE->setCurrentWidget(ui->pageLEStandard);
    else if (ui->rbLEStrip->isChecked())
        ui->stackedWidgetLE->setCurrentWidget(ui->pageLEStrip);
    else if (ui->rbLEDiamond->isChecked())
        ui->stackedWidgetLE->setCurrentWidget(ui->pageLEDiamond);
    else if (ui->rbLERound->isChecked())
        ui->stackedWidgetLE->setCurrentWidget(ui->pageLERound);
    else
        ui->stackedWidgetLE->setCurrentWidget(ui->pageLENone);
    dialog.redrawWindow(true);
}

void EdgesPage::rbTETypeToggled(bool state)
{
    if (!state)
        return;
    if (ui->rbTEStandard->isChecked())
        ui->stackedWidgetTE->setCurrentWidget(ui->pageTEStandard);
    else if (ui->rbTEStandardWithStrip->isChecked())
        ui->stackedWidgetTE->setCurrentWidget(ui->pageTEStrip);
    else
        ui->stackedWidgetTE->setCurrentWidget(ui->pageTENone);
    dialog.redrawWindow(true);
}

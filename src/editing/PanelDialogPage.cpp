#include "editing/PanelDialogPage.h"

#include "editing/WingPanelDialog.h"

PanelDialogPage::PanelDialogPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui)
    : QObject(&dialog), dialog(dialog), ui(ui)
{
}

void PanelDialogPage::fill(const PanelBaseData&) {}

void PanelDialogPage::writeInto(PanelBaseData&) const {}

void PanelDialogPage::addFieldsToCheck(std::vector<XLineEdit*>&, std::vector<XDoubleSpinBox*>&) const {}

void PanelDialogPage::retranslate() {}

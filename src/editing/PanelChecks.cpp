#include "editing/PanelChecks.h"

#include "document/DocumentLimits.h"
#include "document/PlaneModel.h"
#include "editing/PanelDialogPage.h"
#include "editing/WingPanelDialog.h"
#include "foundation/DialogSeam.h"
#include "foundation/XDoubleSpinBox.h"
#include "foundation/XLineEdit.h"
#include "model/CombListTableModel.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/RibListTableModel.h"
#include "model/SheetingStripTableModel.h"
#include "model/SparsTableModel.h"
#include "ui_WingPanelDialog.h"

#include <QTabWidget>
#include <vector>

bool PanelChecks::allFieldsValid(const WingPanelDialog& dialog, QWidget** firstInvalidPage)
{
    std::vector<XLineEdit*> texts;
    std::vector<XDoubleSpinBox*> numbers;
    for (const PanelDialogPage* page : dialog.pages)
        page->addFieldsToCheck(texts, numbers);

    for (XLineEdit* field : texts) {
        if (!field->isValid()) {
            if (firstInvalidPage)
                *firstInvalidPage = field->getTabPage();
            return false;
        }
    }
    for (XDoubleSpinBox* field : numbers) {
        if (!field->isValid()) {
            if (firstInvalidPage)
                *firstInvalidPage = field->getTabPage();
            return false;
        }
    }
    return true;
}

void PanelChecks::showTabOf(QWidget* page)
{
    if (!page)
        return;
    for (QWidget* w = page->parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            if (tabs->indexOf(page) >= 0)
                tabs->setCurrentWidget(page);
            return;
        }
    }
}

bool PanelChecks::refuseBeyondLimits(WingPanelDialog& dialog, int ribs, int spars, int strips, int combs)
{
    if (ribs < 0)
        ribs = dialog.workingRibs.getRibCount();
    if (spars < 0)
        spars = dialog.workingSpars.getNumberOfSpars();
    if (strips < 0)
        strips = int(dialog.workingStrips.getStrips().size());
    if (combs < 0)
        combs = int(dialog.workingCombs.getCombs().size());
    // The plane as it would be with this panel in place of the one edited
    // (or added after the others).
    const int id = dialog.ui->txtID->text().toInt();
    const PanelsTableModel* panels = PlaneModel::instance()->getPanelsTableModel();
    int position = 0;
    const int number = panels->findPanelById(id, position) ? position + 1 : panels->getNoOfPanels() + 1;
    QString problem = DocumentLimits::panelProblem(number, ribs, spars, strips, combs);
    if (problem.isEmpty()) {
        PanelBaseData fields;
        for (const PanelDialogPage* page : dialog.pages)
            page->writeInto(fields);
        DocumentLimits::Size plane = DocumentLimits::planeSize(panels->getPanels(), id);
        plane += DocumentLimits::panelSize(
            ribs, spars, strips, combs, fields.getCoveringDefinition().getSheetingType() == SheetingType::Advanced);
        problem = DocumentLimits::planeProblem(plane);
    }
    return DocumentLimits::refuse(&dialog, problem);
}

bool PanelChecks::builtPanelValid(WingPanelDialog& dialog)
{
    QString message;
    PanelBaseData& data = dialog.workingPanel->getPanelBaseData();
    {
        const RibList& ribs = dialog.workingPanel->getRibList();
        message.clear();
        if (!data.getRibListTableModel().validate(message, true)) {
            DialogSeam::message(&dialog, QMessageBox::Warning, WingPanelDialog::tr("Invalid data"),
                                WingPanelDialog::tr("Not all ribs are correct: \n") + message);
            return false;
        }
        message.clear();
        if (!data.getSparsTableModel().validate(message, ribs)) {
            DialogSeam::message(&dialog, QMessageBox::Warning, WingPanelDialog::tr("Invalid data"),
                                WingPanelDialog::tr("Incorrect spars detected!\n\n") + message);
            return false;
        }
        message.clear();
        if (!data.getCoveringDefinition().validate(message, ribs)) {
            DialogSeam::message(&dialog, QMessageBox::Warning, WingPanelDialog::tr("Invalid data"),
                                WingPanelDialog::tr("Incorrect sheeting detected!\n\n") + message);
            return false;
        }
        message.clear();
        if (!data.getSheetingStripTableModel().validate(message)) {
            DialogSeam::message(&dialog, QMessageBox::Warning, WingPanelDialog::tr("Invalid data"),
                                WingPanelDialog::tr("Incorrect sheeting detected!\n\n") + message);
            return false;
        }
    }
    message.clear();
    if (!data.getCombListTableModel().validate(message)) {
        DialogSeam::message(&dialog, QMessageBox::Warning, WingPanelDialog::tr("Invalid data"), message);
        return false;
    }
    return true;
}

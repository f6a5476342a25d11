#pragma once

#include <QModelIndex>
#include <QObject>
#include <QPoint>

#include "editing/FeatureRows.h"
#include "editing/PanelDialogPage.h"

class QMenu;
class SheetingStripDefinition;
class SheetingStripTableModel;
class WingPanelDialog;

namespace Ui {
class WingPanelDialog;
}

// The sheeting tab of the panel dialog: the kind of covering, the unit of
// the standard sheeting length, and the sheeting strips with their table
// menu and editor page. The strips it edits are the working panel's.
class SheetingPage : public PanelDialogPage
{
    Q_OBJECT

public:
    SheetingPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    void fill(const PanelBaseData& data) override;
    void writeInto(PanelBaseData& data) const override;
    void addFieldsToCheck(std::vector<XLineEdit*>& texts, std::vector<XDoubleSpinBox*>& numbers) const override;
    void retranslate() override;
    int getEditorRow() const { return editorRow; }
    QMenu* getMenu() const { return menu; }
    FeatureRows& getRows() { return rows; }

public slots:
    void sheetingStripSelectionChanged(QModelIndex selected, QModelIndex deselected);
    void sheetingStripDataChanged(QModelIndex index1, QModelIndex index2);
    void sheetingStripSpecificDataChanged();
    void rbSheetingTypeToggled(bool state);
    void standardSheetingMeasureUnitChanged();
    void customStripsMenuRequested(QPoint pos);

private:
    void showStrip(int row);
    void readStripPage(SheetingStripDefinition& strip, float firstChord, float lastChord);
    SheetingStripTableModel* stripModel() const;
    FeatureRows::Operations rowOperations();
    // The record shown in the editor page, while there is a working panel.
    SheetingStripDefinition* editedStrip();

    int editorRow = -1;
    FeatureRows rows;
    QMenu* menu = nullptr;
};

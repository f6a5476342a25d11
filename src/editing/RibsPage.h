#pragma once

#include <QModelIndex>
#include <QPoint>

#include "editing/PanelDialogPage.h"

class QAction;
class QLabel;
class QMenu;
class RibListTableModel;

// The rib tab of the panel dialog: rib thickness and count, and the rib
// table's menu. Adding, deleting and splitting a rib renumbers the spars,
// strips and combs of the working copy so they stay on their ribs.
class RibsPage : public PanelDialogPage
{
    Q_OBJECT

public:
    RibsPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    void fill(const PanelBaseData& data) override;
    void writeInto(PanelBaseData& data) const override;
    void addFieldsToCheck(std::vector<XLineEdit*>& texts, std::vector<XDoubleSpinBox*>& numbers) const override;
    void retranslate() override;
    QMenu* getMenu() const { return menu; }
    // Says under the rib table which ribs of the working panel the sheets
    // consume, and marks their rows.
    void showConsumedRibs();

public slots:
    // Widens the rib table to show its columns whole, in the language in
    // force and for the number of ribs it holds.
    void fitTable();
    void customRibsMenuRequested(QPoint pos);
    void addRibBefore();
    void addRibAfter();
    void splitRib();
    void deleteRib();
    // Selects the current row's rib, in the table and in the working list,
    // and shows it in the single-rib view.
    void ribSelectionChanged(QModelIndex selected, QModelIndex deselected);

private:
    bool hasRoomForRib(const RibListTableModel* model) const;
    void renumberRibReferences(int lastAbove, int firstAbove, int delta);

    QMenu* menu = nullptr;
    QAction* actAddBefore = nullptr;
    QAction* actAddAfter = nullptr;
    QAction* actDelete = nullptr;
    QAction* actSplit = nullptr;
    QLabel* consumedNote = nullptr;
    // What the document holds beyond the fields: a rib count over the
    // field's 100 (a file may give up to 200), and the specific weight, which
    // no field shows. OK keeps them while the field is left as it was filled.
    int filledNoOfRibs = 0;
    float filledSpecificWeight = 150.0f;  // a new panel's
};

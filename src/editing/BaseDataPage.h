#pragma once

#include <QItemSelection>
#include <QString>

#include "editing/PanelDialogPage.h"

class Airfoil;
class QLineEdit;

// The base-data tab of the panel dialog: id, name and the panel's measures,
// the rib alignment, and the root and tip airfoil chosen from the library's
// list with their factors and data.
class BaseDataPage : public PanelDialogPage
{
    Q_OBJECT

public:
    BaseDataPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    void fill(const PanelBaseData& data) override;
    // Takes the airfoil names and points the list at the root airfoil;
    // last of the loading, when every other field is filled.
    void fillAirfoils(const PanelBaseData& data);
    void writeInto(PanelBaseData& data) const override;
    void addFieldsToCheck(std::vector<XLineEdit*>& texts, std::vector<XDoubleSpinBox*>& numbers) const override;
    // The airfoil fields are written in code; the form's own pass would
    // put its placeholder into the tip field.
    void retranslate() override;

    void fillFoilListModel();

public slots:
    void foilListRowChangedSlot(QItemSelection selected, QItemSelection deselected);
    void updateFoilFilter(QString filter);
    void removeTipFoilSelection();
    void rootFoilFactorChanged();
    void btnStraightenLEClicked();
    void btnCalculateLengthClicked();

private:
    void showFoilField(QLineEdit* field, const QString& name, const Airfoil* root);
    void showRootFoilField();
    void showTipFoilField();
    void showAirfoilData(const Airfoil& airfoil);
};

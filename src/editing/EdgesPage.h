#pragma once

#include "editing/PanelDialogPage.h"

// The leading-edge and trailing-edge tabs of the panel dialog: the kind of
// each edge, which switches its editor page, and their sizes.
class EdgesPage : public PanelDialogPage
{
    Q_OBJECT

public:
    EdgesPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    void fill(const PanelBaseData& data) override;
    void writeInto(PanelBaseData& data) const override;
    void addFieldsToCheck(std::vector<XLineEdit*>& texts, std::vector<XDoubleSpinBox*>& numbers) const override;
    void retranslate() override;

public slots:
    void rbLETypeToggled(bool state);
    void rbTETypeToggled(bool state);
};

#pragma once

#include <QObject>
#include <vector>

class PanelBaseData;
class WingPanelDialog;
class XDoubleSpinBox;
class XLineEdit;

namespace Ui {
class WingPanelDialog;
}

// One tab of the panel dialog. A page knows only its own widgets: it wires
// them, fills them from a panel's record, writes them back into a record and
// names the fields that must be valid. The dialog holds the record, the
// working copy and the OK/Cancel logic and calls every page the same way.
class PanelDialogPage : public QObject
{
    Q_OBJECT

public:
    PanelDialogPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    // Fills the widgets from the record without announcing the values.
    virtual void fill(const PanelBaseData& data);
    // Writes the usable values into the record; an unusable value leaves
    // the record's field as it was.
    virtual void writeInto(PanelBaseData& data) const;
    // Adds the fields that must be valid now, texts and numbers, in the
    // order they are checked.
    virtual void addFieldsToCheck(std::vector<XLineEdit*>& texts, std::vector<XDoubleSpinBox*>& numbers) const;
    // Sets the texts that the form's own text pass does not set.
    virtual void retranslate();

protected:
    WingPanelDialog& dialog;
    Ui::WingPanelDialog* ui;
};

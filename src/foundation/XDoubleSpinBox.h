#pragma once

#include <QDoubleSpinBox>
#include <QString>

class InputValueType;
class QLabel;

// The numeric input of every dialog: a double spin box that judges its own
// value with an optional InputValueType, paints itself red while the value
// is invalid, and shows the value converted for the user (inches, or the
// millimetre or percentage equivalent) in a small popup while the pointer
// rests on it.
class XDoubleSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    // Designer forms construct custom widgets with the parent alone, so the
    // factor defaults to the 1.0 every form uses.
    explicit XDoubleSpinBox(QWidget* parent = nullptr, float factor = 1.0f);
    ~XDoubleSpinBox() override;

    // Takes ownership of the rule (replacing an earlier one) and judges every
    // value change from then on.
    void setInputValueType(InputValueType* type);
    const InputValueType* getInputValueType() const { return valueType; }

    // Judges the current value now (recolouring the field) when a rule is
    // set; otherwise returns the stored verdict, which stays true.
    bool isValid();

    // What the popup shows beside the value:
    //   0  nothing (no popup at all)
    //   1  the value is millimetres; also shown as percent of reference
    //   2  the value is percent of reference; also shown as millimetres
    //   3  the value is millimetres; shown in inches
    void setDisplayMode(int mode, float reference);
    int getDisplayMode() const { return displayMode; }
    // true: mode 2, false: mode 1.
    void setValueInPercent(bool inPercent, float reference);
    float getDisplayFactor() const { return displayFactor; }
    const QString& getUnit() const { return unit; }

    // The value as the rule judges it: six significant digits, always with
    // a decimal point whatever the user's locale.
    QString valueText() const;

    using QDoubleSpinBox::setValue;
    // Fills the field; with silent set, nobody hears of it (not even the
    // field's own validation, so the colour stays until the next check).
    void setValue(double value, bool silent);

    void setTabPage(QWidget* page) { tabPage = page; }
    QWidget* getTabPage() const { return tabPage; }

    // The hover popup and its text, for the dialogs' tests and tooltips.
    QWidget* popupWindow() const { return popup; }
    QString popupText() const;

    // Typed text is read as a person means it, whatever the desktop's
    // language: a single '.' or ',' is the decimal separator. Only a whole
    // number of the field's kind, range and rule is taken; anything else
    // (grouping, a fraction in a whole-number field, a number out of range,
    // letters) stays in the field as typed, red, until the field is left,
    // and then the field goes back to the value it held before the edit.
    // No key is dropped on the way, so what the field shows is always what
    // the user typed. While a refused text shows, the field, and whoever
    // listens, holds the value from before the edit: never a number taken
    // on the way ("500" of "5001"), whatever was selected when typing began.
    QValidator::State validate(QString& input, int& pos) const override;
    double valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;

    // Why the typed text is refused (the range and kind the field takes),
    // or empty while the text is a number the field holds. Shown as the
    // field's tooltip while it is refused.
    QString refusal() const;

    // Ends an edit in progress as leaving the field would: a typed number
    // is taken, a refused text gives way to the value from before. For
    // commands that act on what the field holds while it keeps the focus.
    void finishEdit();

public slots:
    void validate(double value);
    void newValueSet(double value);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private slots:
    void typedTextChanging();
    void typedTextChanged();

private:
    bool readTyped(const QString& text, double& value) const;
    void endTyping();
    void holdValueBeforeTyping();
    void valueSetElsewhere();
    bool shownTextTaken() const;
    void refreshRefusal();
    void paintVerdict();
    void updatePopupText(double value);
    bool popupEnabled() const;
    QString numberPart(const QString& text) const;
    void placePopup();

    InputValueType* valueType = nullptr;
    bool valid = true;
    QWidget* tabPage = nullptr;
    float displayFactor;
    QString unit;
    int displayMode = 3;
    QWidget* popup = nullptr;
    QLabel* popupLabel = nullptr;
    // While the user types, keyboard tracking hands every number on the
    // way (the "500" of "5001") to the listeners; a text refused must take
    // the field, and them, back to the value from before the edit.
    bool typing = false;
    double valueBeforeTyping = 0.0;
    bool textRefused = false;
    // Set while the line edit reports a change of its text: a value that
    // arrives then was typed. The base class writes a value set by the
    // program with the line edit's signals blocked, so that one never
    // arrives here.
    bool textChanging = false;
};

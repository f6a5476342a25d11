#pragma once

#include <QLineEdit>
#include <QString>

class InputValueType;

// A line edit that judges its text with an optional InputValueType on every
// change and paints itself red while the text is invalid. Without a rule
// every text is valid.
class XLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit XLineEdit(QWidget* parent = nullptr);
    ~XLineEdit() override;

    // Takes ownership of the rule (replacing an earlier one) and starts
    // judging every text change.
    void setInputValueType(InputValueType* type);
    const InputValueType* getInputValueType() const { return valueType; }

    // Judges the current text now (recolouring the field) when a rule is
    // set; otherwise returns the stored verdict, which stays true.
    bool isValid();

    // What the rule takes, while the text is refused; empty otherwise.
    // Shown as the field's tooltip while it is refused.
    QString refusal() const;

    // The tab page that holds the field, so a dialog can bring the page of
    // the first invalid field to the front.
    void setTabPage(QWidget* page) { tabPage = page; }
    QWidget* getTabPage() const { return tabPage; }

public slots:
    void validateText(QString text);

protected:
    bool event(QEvent* event) override;

private:
    InputValueType* valueType = nullptr;
    bool valid = true;
    QWidget* tabPage = nullptr;
};

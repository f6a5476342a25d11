#pragma once

#include <QDialog>

class QEvent;
namespace Ui {
class AboutDialog;
}

// The About box: program logo, version, rights notice, the change history in
// the user's language and the credits. The main window makes a new one for
// every request and owns it; closing only hides it.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);
    ~AboutDialog() override;

    // 0 opens the about page, 1 the change history.
    void selectTab(int index);

public slots:
    void btnOkPressed();
    void btnCancelPressed();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showVersion();
    void loadChangeHistory();

    Ui::AboutDialog* ui;
};

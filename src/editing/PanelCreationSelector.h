#pragma once

#include <QDialog>

namespace Ui {
class PanelCreationSelector;
}

// Asks how a new panel takes over the spars of the panel before it.
class PanelCreationSelector : public QDialog
{
    Q_OBJECT

public:
    // The codes exec() returns.
    enum CopyMethod { VerbatimCopy = 0, MirrorCopy = 1, SmartCopy = 2 };

    explicit PanelCreationSelector(QWidget* parent = nullptr);
    ~PanelCreationSelector() override;

    // Runs the dialog and returns the chosen copy method. There is no
    // cancelling: Escape or closing the window take the method shown as
    // chosen, just as OK does.
    int exec() override;

private:
    Ui::PanelCreationSelector* ui;
};

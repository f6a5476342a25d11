#pragma once

#include <QObject>

#include "model/PlaneVisualisationOptions.h"

class WingPanelDialog;

namespace Ui {
class WingPanelDialog;
}

// The view column of the panel dialog: what the 3D preview shows and the
// camera presets, which place the camera for the panel's current measures.
class PanelViewPane : public QObject
{
    Q_OBJECT

public:
    PanelViewPane(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    PlaneVisualisationOptions options() const;

public slots:
    void topView();
    void frontView();
    void leftView();
    void bottomView();
    void rearView();
    void rightView();
    void view45();
    void chkGhostBoxToggled(bool state);

private:
    WingPanelDialog& dialog;
    Ui::WingPanelDialog* ui;
};

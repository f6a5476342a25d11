#pragma once

#include <QObject>

#include "model/PlaneVisualisationOptions.h"

class QProgressDialog;
class WingPanelDialog;

namespace Ui {
class QProgressDialog;
class WingPanelDialog;
}

// The view column of the panel dialog: what the 3D preview shows, the
// camera presets, which place the camera for the panel's current measures,
// and, under the preview, the progress of its build while one runs.
class PanelViewPane : public QObject
{
    Q_OBJECT

public:
    PanelViewPane(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    PlaneVisualisationOptions options() const;
    // A part of the column, not a window of its own: the dialog's fields
    // keep the keyboard while it shows. Hidden while nothing builds.
    QProgressDialog* buildProgress() const { return progress; }

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
    QProgressDialog* progress = nullptr;
};

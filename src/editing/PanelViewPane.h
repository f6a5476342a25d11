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
// and, beside OK and Cancel, the progress of its build while one runs.
// While the panel is rebuilt, its views show it as last built.
class PanelViewPane : public QObject
{
    Q_OBJECT

public:
    PanelViewPane(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    PlaneVisualisationOptions options() const;
    // A part of the column, not a window of its own: the dialog's fields
    // keep the keyboard while it shows. Hidden while nothing builds.
    QProgressDialog* buildProgress() const { return progress; }

    // While one lives, the 3D preview and the single-rib view show the
    // panel as last built, whatever becomes of the working panel meanwhile:
    // never a panel half built or let go of. The last one to go shows what
    // is there then.
    class PictureHold
    {
    public:
        explicit PictureHold(PanelViewPane& pane);
        ~PictureHold();
        PictureHold(const PictureHold&) = delete;
        PictureHold& operator=(const PictureHold&) = delete;

    private:
        PanelViewPane& pane;
    };
    // The views let go of the working panel, which is going; scale: the
    // single-rib view's (drawing units per mm) meanwhile.
    void letGoOfPanel(float scale);

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
    int holds = 0;
    // The rib drawn stands until the hold ends; then, with no panel, it goes.
    bool ribLetGo = false;
    float ribScale = 1.0f;
};

#pragma once

#include <QWidget>

class Ui_VisualisationButtons;

// Seven tool buttons, one per fixed view direction. The widget holds no
// state: it only turns each click into a signal named after the view, which
// the owner connects to the presets of its 3D view.
class VisualisationButtons : public QWidget
{
    Q_OBJECT

public:
    explicit VisualisationButtons(QWidget* parent = nullptr);
    ~VisualisationButtons() override;

    VisualisationButtons(const VisualisationButtons&) = delete;
    VisualisationButtons& operator=(const VisualisationButtons&) = delete;

signals:
    void topView();
    void bottomView();
    void leftView();
    void rightView();
    void frontView();
    void rearView();
    void view45();

public slots:
    void btnFrontPressed();
    void btnRearPressed();
    void btnTopPressed();
    void btnBottomPressed();
    void btnLeftPressed();
    void btnRightPressed();
    void btn45Pressed();

protected:
    void changeEvent(QEvent* event) override;

private:
    Ui_VisualisationButtons* ui;
};

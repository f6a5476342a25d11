#pragma once

#include <QGLWidget>
#include <QPoint>
#include <QTimer>

#include "model/PlaneVisualisationOptions.h"
#include "views/FrameScheduler.h"

class Airfoil;
class Panel;

// The 3D preview inside the panel dialog: the panel being edited, its wing
// neighbours as faint ghosts and a ground grid; a lone airfoil outline when
// there is no panel yet. Every pointer it holds belongs to someone else
// (the dialog, the panels model, the airfoil library). A picture that would
// hold the window shows as rib outlines first; the full one follows in
// slices between events and replaces it when complete.
class WingFoilGLWidget : public QGLWidget
{
    Q_OBJECT

public:
    // The fixed view directions.
    enum MatrixType_t {
        TopView = 0,
        FrontView = 1,
        LeftView = 2,
        AngledView = 3,
        BottomView = 4,
        RearView = 5,
        RightView = 6
    };

    explicit WingFoilGLWidget(QWidget* parent = nullptr);

    void setAirfoil(Airfoil* airfoil);
    void setPanel(Panel* panel);
    // Slot 0 is the previous panel of the wing, slot 1 the next one.
    void setGhostPanel(int index, Panel* panel);
    void setVisualisationOptions(const PlaneVisualisationOptions& options);
    void setDefaultView();
    void setModelviewMatrix(MatrixType_t type);
    void setTranslation(float x, float y, float z);

    const PlaneVisualisationOptions& getVisualisationOptions() const { return options; }
    const float* getRotationMatrix() const { return rotation; }
    void getTranslation(float& x, float& y, float& z) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Full pictures expected to take longer than oneGo ms show as outlines
    // first and follow in slices of about slice ms (for tests: 0 and 0
    // slice every picture part by part).
    void setFrameSlicing(double oneGo, double slice) { frames.setSlicing(oneGo, slice); }
    // What the view has done so far, for checking it: the outlines show
    // until the full picture is complete.
    bool isShowingLightFrame() const { return frames.isShowingLightFrame(); }
    // Draws the next slice of a full picture that follows the outlines, as
    // the view's timer does; true when the picture is complete (or there is
    // none to draw).
    bool drawNextSlice();

    // What a full picture draws, in order.
    enum Item { GridItem, PanelItem, PreviousItem, NextItem, ItemCount };

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

private:
    float referenceChord() const;
    void liftAndRoll(float& roll, float& lift) const;
    void placeItems();
    const Panel* itemPanel(int item) const;
    void drawLightFrame();
    void dropFullFrame();

    float rotation[16];
    float camera[3];
    PlaneVisualisationOptions options;
    QPoint lastMousePosition;
    Airfoil* airfoil = nullptr;
    Panel* panel = nullptr;
    Panel* ghosts[2] = {nullptr, nullptr};

    float placements[ItemCount][16];
    FrameScheduler frames;
    QTimer sliceTimer;
};

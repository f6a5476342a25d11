#pragma once

#include <QGLWidget>
#include <QPoint>
#include <QTimer>
#include <vector>

#include "model/PlaneVisualisationOptions.h"
#include "views/FrameScheduler.h"
#include "views/RendererQueue.h"

class Airfoil;
class Panel;

// The 3D preview inside the panel dialog: the panel being edited, its wing
// neighbours as faint ghosts and a ground grid; a lone airfoil outline when
// there is no panel yet. Every pointer it holds belongs to someone else
// (the dialog, the panels model, the airfoil library). A picture that would
// hold the window is drawn in slices between events and replaces the one
// shown when complete: meanwhile the last whole picture stands where the
// camera has not moved, rib outlines where it has. While its owner rebuilds
// what it shows, the view shows its last whole picture and draws nothing
// new, so that no half-built panel ever shows.
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
    void setFrameSlicing(double oneGo, double slice)
    {
        frames.setSlicing(oneGo, slice);
        forgetPicture();
    }
    // What the view has done so far, for checking it: the outlines show
    // until the full picture is complete.
    bool isShowingLightFrame() const { return frames.isShowingLightFrame(); }
    // Draws the next slice of a full picture that follows the outlines, as
    // the view's timer does; true when the picture is complete (or there is
    // none to draw).
    bool drawNextSlice();

    // While held (the calls nest), paints show the last whole picture as it
    // was, whatever the pointers now hold; letting go paints anew.
    void holdPicture(bool hold);
    bool isPictureHeld() const { return holds > 0; }

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
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The last complete picture, as read back before it was shown, with
    // the camera it was drawn from.
    struct Picture {
        std::vector<unsigned char> pixels;
        int width = 0;
        int height = 0;
        float rotation[16];
        float camera[3];
    };
    void keepPicture();
    void forgetPicture();
    // Whether the last whole picture has the view's size (and, with
    // fromHere, its camera).
    bool lastPictureFits(bool fromHere) const;
    // Lets the last whole picture stand for this paint, when it fits: the
    // screen is left as it is where it shows it still, else it is put back
    // from the pixels kept. False when there is none such.
    bool standIn(bool fromHere);
    void showLastPicture();
    // After a paint that left the screen as it was, paints swap again as
    // the view's owner set them to.
    void swapAsOwnerSet();

    float referenceChord() const;
    void liftAndRoll(float& roll, float& lift) const;
    void placeItems();
    const Panel* itemPanel(int item) const;
    void drawLightFrame();
    void dropFullFrame();
    // The slice timer: the next slice, or a wait while the user types or
    // the renderer is still at the slice before.
    void sliceDue();

    float rotation[16];
    float camera[3];
    PlaneVisualisationOptions options;
    QPoint lastMousePosition;
    Airfoil* airfoil = nullptr;
    Panel* panel = nullptr;
    Panel* ghosts[2] = {nullptr, nullptr};

    float placements[ItemCount][16];
    FrameScheduler frames;
    RendererQueue rendererQueue;
    QTimer sliceTimer;
    Picture last;
    // The screen shows the last whole picture, and nothing has covered it
    // since.
    bool onScreen = false;
    bool swapHeldBack = false;
    int holds = 0;
};

#pragma once

#include <QGLWidget>
#include <QTimer>
#include <array>
#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

#include "foundation/Observer.h"
#include "model/PlaneVisualisationOptions.h"
#include "views/FrameScheduler.h"
#include "views/RendererQueue.h"

class Panel;
class PanelDisplayLists;
class PlaneModel;
class WingFrame;
class QCheckBox;
class QSlider;
class XDoubleSpinBox;

// The 3D view of the whole wing in the main window: both wing halves over a
// ground grid, in root-chord units (X along the chord, Y up, Z along the
// span). It follows the plane model, keeps its camera and show options in
// the document, and is turned, moved and zoomed with the mouse.
class MainWingGLWidget : public QGLWidget, public Observer
{
    Q_OBJECT

public:
    explicit MainWingGLWidget(QWidget* parent = nullptr);
    ~MainWingGLWidget() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void observedObjectChanged(Observable* observable) override;
    void saveViewData(serializedPlanformixData& data) override;
    void loadViewData(const google::protobuf::Message* data, SerializeableIf::hint_t hint) override;

    // Once, before the user can touch the controls; the controls stay owned
    // by their form.
    void connectControls(QCheckBox* ribs, QCheckBox* spars, QCheckBox* covering, QCheckBox* comb, QCheckBox* te,
                         QCheckBox* le, QCheckBox* axes, QSlider* transparency, XDoubleSpinBox* wingHalvesDistance);

    // The view's own record: holders of the pointer see every later change.
    PlaneVisualisationOptions* getVisualisationOptions() { return &options; }

    // The model rotation, 16 elements in OpenGL order, and the camera
    // translation applied after it, in root-chord units.
    const float* getRotation() const { return rotation; }
    float getCameraX() const { return cameraX; }
    float getCameraY() const { return cameraY; }
    float getCameraZ() const { return cameraZ; }

    // The full picture of the plane in one go, into buffers the caller has
    // cleared, from the recorded panels where the view keeps them.
    void drawPlane(PlaneModel* plane);

    // Full frames slower than this (ms) give way to light ones while the
    // picture moves and right after an edit.
    void setFrameBudget(double milliseconds) { frames.setFrameBudget(milliseconds); }
    // Off: every frame draws every panel anew in immediate mode, as a
    // reference for the recorded drawing.
    void setRetainedGeometry(bool on);
    // Full frames expected to take longer than oneGo (ms) are drawn in
    // slices of about slice ms between events, a light frame showing until
    // they are complete.
    void setFrameSlicing(double oneGo, double slice) { frames.setSlicing(oneGo, slice); }
    // A plane of more ribs than this (each cut of a sheeting strip under
    // advanced covering counting as one rib more) is drawn anew in every full frame
    // rather than kept in display lists, which cost about 100 kB a rib
    // for each wing half.
    void setRetainedRibBudget(size_t ribs) { retainedRibBudget = ribs; }
    // What the view has done so far, for checking it. A light frame shows
    // until the full one is on screen, also while that is drawn in slices.
    bool isShowingLightFrame() const { return frames.isShowingLightFrame(); }
    bool isDrawingInSlices() const { return frames.isDrawingInSlices(); }
    int getRecordedLists() const { return recordedLists; }
    int getFramesRequested() const { return framesRequested; }
    const FrameScheduler& getFrameScheduler() const { return frames; }
    // The full frame being drawn in slices, if any, and what it draws next.
    const WingFrame* getFrameUnderWay() const;
    // What the slice timer does: the next slice, or a wait while the user
    // types or the renderer is still at the slice before.
    void sliceDue();
    // What the slice timer does once the renderer has caught up: draws the
    // next slice of the full frame under way and swaps it in when complete.
    // A test steps with it.
    void drawNextSlice();
    // What the timer that waits for the hand to rest does: ends the light
    // frames, so that the full frame follows.
    void showFullFrame(bool now = false);

public slots:
    void chkBoxRibsToggled(bool state);
    void chkBoxSparsToggled(bool state);
    void chkBoxAxesToggled(bool state);
    void chkBoxCoveringToggled(bool state);
    void chkBoxCombToggled(bool state);
    void chkBoxLEToggled(bool state);
    void chkBoxTEToggled(bool state);
    void hsliderTransparencyValueChanged(int value);
    void txtWingHalvesDistanceChanged(const QString& text);

    void topView();
    void frontView();
    void leftView();
    void bottomView();
    void rearView();
    void rightView();
    void view45();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

private:
    enum class Change { Still, Moving, Edited };
    // Asks for a frame that shows the state now; a light one first when
    // the picture moves or was edited and full frames are slow.
    void requestFrame(Change change, bool now = false);
    // Everything a frame shows apart from the panels' own drawing.
    std::vector<double> drawnState() const;
    // Whether every panel's recorded drawing still shows it.
    bool recordingsAreCurrent() const;
    // Whether the plane is small enough to keep in display lists.
    bool retainsPlane(const PlaneModel* plane) const;
    // Lets go of what is held for panels that are no longer in the plane.
    void forgetPanelsGone(const std::list<Panel*>& panels);
    void releaseRecordings();
    // What a full frame of the plane as it is would take, in milliseconds.
    double estimatedFullFrameMs() const;

    // A full frame of the plane as it is, drawn at once into buffers
    // paintGL has cleared or started in slices.
    std::unique_ptr<WingFrame> fullFrame(PlaneModel* plane, bool cleared);
    // Any frame painted meanwhile drops the one drawn in slices: it draws
    // over the back buffer that one was being drawn into.
    void dropFullFrame();
    void drawLightFrame(PlaneModel* plane);
    // The model-view matrix of the camera, loaded and copied to base.
    void loadCamera(float base[16]);
    void resetCamera();
    // Stores a show flag, mirrors it in its check box and lets the document
    // know, so that the change can be undone.
    void applyShowFlag(bool state, bool (PlaneVisualisationOptions::*get)() const,
                       void (PlaneVisualisationOptions::*set)(bool), QCheckBox* box);
    void notifyModel();
    // Where each panel of the right half lies, in list order: from its own
    // coordinates to the half's, s being one over the root chord.
    std::vector<std::array<float, 16>> panelPlacements(const std::list<Panel*>& panels, float s) const;
    bool hasWingToFrame() const;
    // Turns the wing to a preset's direction and frames it.
    void applyPreset(const float presetRotation[16]);
    // While the camera follows the wing, moves it so that both halves fit
    // the view with a margin, keeping its direction.
    void frameWing();

    float rotation[16];
    float cameraX;
    float cameraY;
    float cameraZ;
    QCheckBox* chkRibs = nullptr;
    QCheckBox* chkSpars = nullptr;
    QCheckBox* chkCovering = nullptr;
    QCheckBox* chkComb = nullptr;
    QCheckBox* chkTE = nullptr;
    QCheckBox* chkLE = nullptr;
    QCheckBox* chkAxes = nullptr;
    QSlider* sliderTransparency = nullptr;
    XDoubleSpinBox* txtWingHalvesDistance = nullptr;
    PlaneVisualisationOptions options;
    int lastMouseX = 0;
    int lastMouseY = 0;
    bool initialised = false;
    // From a preset until the user turns, moves or zooms the view.
    bool framesWing = true;
    PlaneModel* model = nullptr;

    bool retainedGeometry = true;
    size_t retainedRibBudget = 400;
    std::unordered_map<const Panel*, std::unique_ptr<PanelDisplayLists>> recordings;
    int recordedLists = 0;
    // What the last requested frame shows; a notification that changes
    // none of it and no panel's drawing asks for no frame.
    std::vector<double> shownState;
    int framesRequested = 0;
    // Waits for the hand to rest before the full frame follows light ones.
    QTimer fullFrameTimer;
    FrameScheduler frames;
    RendererQueue rendererQueue;
    QTimer sliceTimer;
};

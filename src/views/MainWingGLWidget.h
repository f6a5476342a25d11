#pragma once

#include <QGLWidget>
#include <QTimer>
#include <array>
#include <bitset>
#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

#include "foundation/Observer.h"
#include "model/PlaneVisualisationOptions.h"

class Panel;
class PanelDisplayLists;
class PlaneModel;
class QCheckBox;
class QElapsedTimer;
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
    void setFrameBudget(double milliseconds) { frameBudgetMs = milliseconds; }
    // Off: every frame draws every panel anew in immediate mode, as a
    // reference for the recorded drawing.
    void setRetainedGeometry(bool on);
    // Full frames expected to take longer than oneGo (ms) are drawn in
    // slices of about slice ms between events, a light frame showing until
    // they are complete.
    void setFrameSlicing(double oneGo, double slice)
    {
        oneGoFrameMs = oneGo;
        sliceMs = slice;
    }
    // A plane of more ribs than this (each cut of a sheeting strip under
    // advanced covering counting as one rib more) is drawn anew in every full frame
    // rather than kept in display lists, which cost about 100 kB a rib
    // for each wing half.
    void setRetainedRibBudget(size_t ribs) { retainedRibBudget = ribs; }
    // What the view has done so far, for checking it. A light frame shows
    // until the full one is on screen, also while that is drawn in slices.
    bool isShowingLightFrame() const { return lightFrames; }
    bool isDrawingInSlices() const { return frame.active && !frame.oneGo; }
    int getRecordedLists() const { return recordedLists; }

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

    // A full frame drawn step by step into the back buffer: in one go when
    // it is quick, else in slices between events while a light frame shows,
    // and swapped in once complete. Any frame painted meanwhile drops it.
    void beginFullFrame(PlaneModel* plane, bool oneGo);
    // Draws on until the frame is done or untilMs have passed (at least
    // one step); true when done.
    bool continueFullFrame(double untilMs);
    void drawNextSlice();
    void dropFullFrame();
    bool frameStillFitsPlane() const;
    void drawPanelPart(double untilMs, const QElapsedTimer& sliceTime);
    void drawLightFrame(PlaneModel* plane);
    // The model-view matrix of the camera, loaded and copied to base.
    void loadCamera(float base[16]);
    // Ends the light frames; the full frame follows, or is drawn now.
    void showFullFrame(bool now = false);
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
    bool lightFrames = false;
    QTimer fullFrameTimer;
    double frameBudgetMs = 33.0;
    double oneGoFrameMs;
    double sliceMs;
    // Drawing time of the last full frame, recording left out, and the
    // share of one rib of one wing half in it.
    double lastFullFrameMs = 0.0;
    double msPerRibSide = 0.0;

    struct FullFrame
    {
        enum Stage { Hold, Record, Begin, Panels, Done };
        bool active = false;
        bool oneGo = false;
        bool retain = false;
        Stage stage = Hold;
        std::vector<const Panel*> panels;
        std::vector<size_t> ribCounts;
        std::vector<std::array<float, 16>> placements;
        size_t ribs = 0;
        float base[16] = {};
        float mirrored[16] = {};
        GLboolean twoSided = GL_FALSE;
        int side = 1;
        size_t panel = 0;
        // The next of the panel's parts, in the order drawPanel asks for them.
        size_t part = 0;
        int nextMark = 1;
        std::bitset<256> marks;
        double recordMs = 0.0;
        double drawMs = 0.0;
    };
    FullFrame frame;
    QTimer sliceTimer;
};

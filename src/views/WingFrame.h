// Owns one full frame of the main wing view and where it has got to.
#pragma once

#include <qopengl.h>
#include <array>
#include <bitset>
#include <functional>
#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

#include "views/FrameScheduler.h"

class Panel;
class PanelDisplayLists;
class PlaneModel;
class PlaneVisualisationOptions;
class RendererQueue;

// One full frame of the main wing view, drawn step by step into the back
// buffer: the grid, then each panel of the right wing half and of its
// mirror image part by part, replayed from the panels' display lists where
// the view keeps them (recorded first where they are not current). It holds
// the panels it was started with, by address, and the placements worked out
// then; the view drops it as soon as the plane or the camera changes.
class WingFrame : public FrameScheduler::Frame
{
public:
    using Recordings = std::unordered_map<const Panel*, std::unique_ptr<PanelDisplayLists>>;

    enum class Stage { Hold, Record, Begin, Panels, Done };
    // What the frame draws next.
    struct Position
    {
        Stage stage = Stage::Hold;
        // 1 the right wing half, -1 the left.
        int side = 1;
        size_t panel = 0;
        // The next of the panel's parts, in the order drawPanel asks for them.
        size_t part = 0;
    };

    struct Setup
    {
        PlaneModel* plane = nullptr;
        const PlaneVisualisationOptions* options = nullptr;
        Recordings* recordings = nullptr;
        int* recordedLists = nullptr;
        // The view's bound on the renderer's backlog, kept over frames.
        RendererQueue* queue = nullptr;
        // Lets go of the lists of panels no longer in the plane.
        std::function<void()> forgetPanelsGone;
        // Keep the panels in display lists rather than drawing them anew.
        bool retain = false;
        // Drawn into buffers the view has cleared for it (one go) or into
        // the back buffer, which the frame clears itself.
        bool cleared = false;
        float camera[3] = {};
        float rotation[16] = {};
        // Where each panel of the right half lies, in list order.
        std::vector<std::array<float, 16>> placements;
    };

    explicit WingFrame(Setup setup);

    void resume() override;
    void pause() override;
    bool drawStep(FrameScheduler::Slice& slice) override;
    void finishWork() override;
    void sliceSent() override;
    bool rendererCaughtUp(bool all) override;
    // Rib sides: each rib drawn on both halves, a strip cut under advanced
    // covering counting as a rib.
    double units() const override { return 2.0 * double(ribs); }

    Position next() const { return at; }
    // Whether the plane still has the panels, with the rib counts, that the
    // frame was started with.
    bool fits(const std::list<Panel*>& panels) const;

    // What the panels cost to draw and to record, in ribs: a sheeting strip
    // cut under advanced covering adds about as many covering points to its
    // rib as a plain rib outline has.
    static size_t drawnRibsOf(const std::list<Panel*>& panels);

private:
    void hold();
    void record(FrameScheduler::Slice& slice);
    void begin();
    void drawPanelPart(const FrameScheduler::Slice& slice);
    void leftHalfState(bool on);

    Setup setup;
    std::vector<const Panel*> panels;
    std::vector<size_t> ribCounts;
    size_t ribs = 0;
    Position at;
    float base[16] = {};
    float mirrored[16] = {};
    GLboolean twoSided = GL_FALSE;
    int nextMark = 1;
    std::bitset<256> marks;
};

// Owns one full frame of the main wing view: its steps, from holding the
// panels' drawings to the last part of the left wing half.
#include "views/WingFrame.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "document/DocumentLimits.h"
#include "document/PlaneModel.h"
#include "foundation/GLUtils.h"
#include "model/Panel.h"
#include "model/PanelDrawing.h"
#include "model/RibDefinition.h"
#include "views/PanelDisplayLists.h"
#include "views/RendererQueue.h"

namespace {

// Draws the parts of one panel (ribs, and pieces or each spar, comb and strip
// of them, in the order drawPanel asks for them) from part number `from` on,
// until the slice is over: from the recorded lists when given, else anew. At
// least one part is drawn.
class PanelPart : public PanelDrawing::Recorded
{
public:
    PanelPart(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options, int side,
              PanelDrawing::Recorded* lists, size_t from, const FrameScheduler::Slice& slice)
        : scene(scene)
        , options(options)
        , side(side)
        , lists(lists)
        , cursor(from, slice)
    {
    }

    void drawPiece(PanelDrawing::Piece piece) override
    {
        if (lists) {
            if (take())
                lists->drawPiece(piece);
            return;
        }
        // Fifty spars along 200 ribs take longer than a slice.
        const size_t parts = PanelDrawing::pieceParts(scene, piece);
        for (size_t index = 0; index < parts; ++index)
            if (take())
                PanelDrawing::drawPiecePart(scene, piece, index, options, side);
    }

    void drawRib(size_t index) override
    {
        if (!take())
            return;
        if (lists)
            lists->drawRib(index);
        else
            scene.ribs[index]->visualize(options, static_cast<float>(side));
    }

    bool startsPanel() const override { return cursor.startsStep(); }
    bool finished() const { return cursor.finished(); }
    size_t resumeAt() const { return cursor.resumeAt(); }

private:
    bool take() { return cursor.take(); }

    const PanelDrawing::Scene& scene;
    const PlaneVisualisationOptions& options;
    int side;
    PanelDrawing::Recorded* lists;
    FrameScheduler::PartCursor cursor;
};

} // namespace

size_t WingFrame::drawnRibsOf(const std::list<Panel*>& panels)
{
    const DocumentLimits::Size size = DocumentLimits::planeSize(panels);
    return size_t(std::max(0LL, size.ribs + size.coveredStripCuts));
}

WingFrame::WingFrame(Setup setup)
    : setup(std::move(setup))
{
    const std::list<Panel*>& planePanels = this->setup.plane->getPanelList();
    panels.assign(planePanels.begin(), planePanels.end());
    for (const Panel* panel : planePanels)
        ribCounts.push_back(size_t(std::max(0, panel->getRibCount())));
    ribs = drawnRibsOf(planePanels);
}

bool WingFrame::fits(const std::list<Panel*>& planePanels) const
{
    if (planePanels.size() != panels.size())
        return false;
    size_t index = 0;
    for (const Panel* panel : planePanels) {
        if (panel != panels[index] || size_t(std::max(0, panel->getRibCount())) != ribCounts[index])
            return false;
        ++index;
    }
    return true;
}

// The left half's state is the frame's own while its slices run.
void WingFrame::leftHalfState(bool on)
{
    if (at.stage != Stage::Panels || at.side > 0)
        return;
    glCullFace(on ? GL_FRONT : GL_BACK);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, on ? GL_TRUE : twoSided);
}

void WingFrame::resume()
{
    leftHalfState(true);
}

void WingFrame::pause()
{
    leftHalfState(false);
}

void WingFrame::finishWork()
{
    if (setup.queue)
        setup.queue->finish();
    else
        glFinish();
}

void WingFrame::sliceSent()
{
    if (setup.queue)
        setup.queue->sliceSent();
    else
        glFinish();
}

bool WingFrame::rendererCaughtUp(bool all)
{
    return !setup.queue || setup.queue->caughtUp(all);
}

bool WingFrame::drawStep(FrameScheduler::Slice& slice)
{
    switch (at.stage) {
    case Stage::Hold:
        hold();
        break;
    case Stage::Record:
        record(slice);
        break;
    case Stage::Begin:
        begin();
        break;
    case Stage::Panels:
        if (at.panel < panels.size()) {
            drawPanelPart(slice);
        } else if (at.side > 0) {
            // Mirroring turns every face inside out, so the other faces
            // are culled and both sides are lit.
            glGetBooleanv(GL_LIGHT_MODEL_TWO_SIDE, &twoSided);
            at.side = -1;
            at.panel = 0;
            at.part = 0;
            leftHalfState(true);
        } else {
            glCullFace(GL_BACK);
            glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, twoSided);
            GLUtils::forgetStencilMarks();
            at.stage = Stage::Done;
        }
        break;
    case Stage::Done:
        break;
    }
    return at.stage == Stage::Done;
}

void WingFrame::hold()
{
    setup.forgetPanelsGone();
    if (!setup.retain)
        for (const Panel* panel : panels) {
            std::unique_ptr<PanelDisplayLists>& lists = (*setup.recordings)[panel];
            if (!lists)
                lists = std::make_unique<PanelDisplayLists>();
            lists->remember(PanelDrawing::sceneOf(*panel), *setup.options);
        }
    at.stage = setup.retain ? Stage::Record : Stage::Begin;
}

void WingFrame::record(FrameScheduler::Slice& slice)
{
    // Recording is left out of the frame's time: it follows edits, and the
    // frames that follow it only replay.
    const double before = slice.elapsedMs();
    if (at.panel < panels.size()) {
        const Panel* panel = panels[at.panel++];
        std::unique_ptr<PanelDisplayLists>& lists = (*setup.recordings)[panel];
        if (!lists)
            lists = std::make_unique<PanelDisplayLists>();
        *setup.recordedLists += lists->prepare(PanelDrawing::sceneOf(*panel), *setup.options, nextMark);
    } else {
        at.panel = 0;
        at.stage = Stage::Begin;
    }
    slice.leaveOut(slice.elapsedMs() - before);
}

void WingFrame::begin()
{
    // A frame drawn at once goes into the buffers paintGL has just cleared;
    // clearing a multisampled window costs a good share of a small wing's
    // frame.
    if (!setup.cleared)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    const float rc = setup.plane->getRootChord();
    if (rc == 0.0f || !std::isfinite(rc) || panels.empty()) {
        at.stage = Stage::Done;
        return;
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(setup.camera[0], setup.camera[1], setup.camera[2]);
    glMultMatrixf(setup.rotation);
    glGetFloatv(GL_MODELVIEW_MATRIX, base);
    // The left half is the mirror image.
    glScalef(1.0f, 1.0f, -1.0f);
    glGetFloatv(GL_MODELVIEW_MATRIX, mirrored);
    glLoadMatrixf(base);
    GLUtils::drawGrid(10, 1.0f / rc, 100.0f, 0.0f);
    at.stage = Stage::Panels;
    at.side = 1;
    at.panel = 0;
    at.part = 0;
}

void WingFrame::drawPanelPart(const FrameScheduler::Slice& slice)
{
    const Panel* panel = panels[at.panel];
    glLoadMatrixf(at.side > 0 ? base : mirrored);
    glMultMatrixf(setup.placements[at.panel].data());
    const PanelDrawing::Scene scene = PanelDrawing::sceneOf(*panel);
    const auto found = setup.recordings->find(panel);
    PanelDisplayLists* lists =
        setup.retain && found != setup.recordings->end() && found->second->isReady() ? found->second.get() : nullptr;
    std::optional<PanelDisplayLists::Replay> replay;
    if (lists)
        replay.emplace(*lists, at.side, marks);
    else if (at.part == 0)
        // Immediate drawing marks with values of its own choosing.
        GLUtils::forgetStencilMarks();
    PanelPart part(scene, *setup.options, at.side, replay ? &*replay : nullptr, at.part, slice);
    PanelDrawing::drawPanel(scene, *setup.options, at.side, &part);
    if (!part.finished()) {
        at.part = part.resumeAt();
        return;
    }
    if (!lists)
        marks.set();
    ++at.panel;
    at.part = 0;
}

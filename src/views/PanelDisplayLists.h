#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/PanelDrawing.h"
#include "model/RibDefinition.h"

class PlaneVisualisationOptions;

// What the view last drew of one panel and, where the view keeps it, that
// drawing in OpenGL display lists for both wing halves: a list per rib and a
// list per piece that joins the ribs, each recorded once and replayed in
// every frame until what it shows changes. A changed rib is told by the
// geometry block it was drawn from: a rib never writes to a block another
// rib holds, and a rebuild makes new blocks. The block is known here without
// a hold on it, so a plane that is gone takes its geometry along at once.
class PanelDisplayLists
{
public:
    // The stencil mark values used since the buffer was last cleared in the
    // frame being drawn.
    using MarkValues = std::bitset<256>;

    PanelDisplayLists() = default;
    PanelDisplayLists(const PanelDisplayLists&) = delete;
    PanelDisplayLists& operator=(const PanelDisplayLists&) = delete;
    // The lists belong to the context: release them while it is current.
    ~PanelDisplayLists() = default;

    // Replays the lists for PanelDrawing::drawPanel, keeping the stencil
    // marks of one list from cutting into the faces of another.
    class Replay : public PanelDrawing::Recorded
    {
    public:
        Replay(const PanelDisplayLists& lists, int side, MarkValues& marks);
        void drawPiece(PanelDrawing::Piece piece) override;
        void drawRib(size_t index) override;

    private:
        void makeRoom(size_t first, size_t last);

        const PanelDisplayLists& lists;
        int side;
        MarkValues& marks;
    };

    // Whether the panel is still drawn as it was when last remembered or
    // recorded, in the colours these options give.
    bool isCurrent(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options) const;
    // Takes the panel as it is for the one last drawn, without lists: the
    // view draws it anew each frame. Lists recorded before are deleted, so
    // the context must be current when there are any.
    void remember(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options);
    // Records what the options show and has changed or was never recorded,
    // for both halves; the context must be current. Returns the number of
    // lists recorded. nextMark is the stencil mark value the panel's lists
    // start from, if recorded now; on return, the value after the panel's.
    int prepare(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options, int& nextMark);
    // Draws the panel as PanelDrawing::drawPanel does, replaying the lists
    // that prepare made.
    void draw(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options, int side,
              MarkValues& marks);
    // False when nothing is recorded, or the context had no lists to give.
    bool isReady() const { return firstList != 0; }
    // Deletes the lists and lets go of the held geometry; the context must
    // be current.
    void release();
    // Forgets the lists of a context that is gone, without deleting them.
    void abandon();

private:
    void releaseLists();
    void hold(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options);

    static std::uint64_t colourKey(const PlaneVisualisationOptions& options);
    static std::uint64_t shapeKey(const PanelDrawing::Scene& scene);
    bool ribIsCurrent(size_t index, const RibDefinition& rib) const;
    unsigned int ribList(int side, size_t index) const;
    unsigned int pieceList(int side, PanelDrawing::Piece piece) const;
    size_t ribSlot(int side, size_t index) const;
    size_t pieceSlot(int side, PanelDrawing::Piece piece) const;

    // What the panel was last drawn from: of each rib the geometry block,
    // without a hold on it, and what else decides its drawing.
    struct HeldRib
    {
        std::weak_ptr<const RibGeometry> geometry;
        bool withGeometry = false;
        float scaledThickness = 0.0f;
        float position = 0.0f;
        bool selected = false;
    };
    static HeldRib heldOf(const RibDefinition& rib);
    bool held = false;
    std::vector<HeldRib> heldRibs;
    std::uint64_t recordedColours = 0;
    std::uint64_t recordedShapes = 0;
    // Per side: the ribs' lists, then the pieces'.
    unsigned int firstList = 0;
    size_t listsPerSide = 0;
    std::vector<bool> recorded;
    // The stencil value each rib's list marks with, and the first of the
    // values the combs' list takes one after the other (starting again from
    // 1 after a clear of its own when it runs out of them).
    std::vector<int> markValue;
    int firstCombMark = 1;
    long combMarks = 0;
    int markValues = 255;
};

#pragma once

#include <cstddef>
#include <vector>

class CoveringDefinition;
class Panel;
class PlaneVisualisationOptions;
class RibCombData;
class RibCombList;
class RibDefinition;
class SheetingStripList;
class SparDefinition;
class SparList;

// The OpenGL drawing of one wing panel: its ribs and everything that joins
// neighbouring ribs (edges, spars, combs, sheeting). Geometry is drawn in
// outline units, as the ribs hold it; side is 1 or -1 for the mirrored wing
// half and turns the normals with it.
class PanelDrawing
{
public:
    using Ribs = std::vector<const RibDefinition*>;

    // What a panel hands over to be drawn. Lengths of the planform are mm;
    // reference is the chord every rib point is divided by.
    struct Scene
    {
        Ribs ribs;
        const SparList* spars = nullptr;
        const RibCombList* combs = nullptr;
        const CoveringDefinition* covering = nullptr;
        const SheetingStripList* strips = nullptr;
        float rootChord = 0.0f;
        float tipChord = 0.0f;
        float length = 0.0f;
        float sweep = 0.0f;
        float reference = 1.0f;
        bool selected = false;
    };

    // The panel's ribs, lists and planform, scaled by the wing root chord.
    static Scene sceneOf(const Panel& panel);

    // The parts of a panel that join its ribs, each drawn as one piece.
    enum Piece { LeadingEdgePiece, TrailingEdgePiece, CombsPiece, SparsPiece, CoveringPiece, PieceCount };

    // Where drawPanel takes the pieces and ribs from when they were recorded
    // before: it asks only for what the options show, in its own order.
    class Recorded
    {
    public:
        virtual ~Recorded() = default;
        virtual void drawPiece(Piece piece) = 0;
        virtual void drawRib(size_t index) = 0;
        // False when the panel is drawn in parts and this call goes on with
        // one begun before: its selection box and axes are drawn already.
        virtual bool startsPanel() const { return true; }
    };

    // Transparent parts only look right when what is nearer the eye comes
    // last, so the order follows the current view direction. The selection
    // box and the axes are always drawn anew; the rest comes from recorded
    // when it is given.
    static void drawPanel(const Scene& scene, const PlaneVisualisationOptions& options, int side,
                          Recorded* recorded = nullptr);
    // One piece as drawPanel draws it, whatever the options show.
    static void drawPiece(const Scene& scene, Piece piece, const PlaneVisualisationOptions& options, int side);
    // A piece drawn part by part, as drawPiece draws it: each spar, comb or
    // advanced sheeting strip is a part of its own, an edge or standard
    // covering one part.
    static size_t pieceParts(const Scene& scene, Piece piece);
    static void drawPiecePart(const Scene& scene, Piece piece, size_t part, const PlaneVisualisationOptions& options,
                              int side);
    // Which pieces drawPanel draws with these options.
    static bool shows(const Scene& scene, Piece piece, const PlaneVisualisationOptions& options);

    // A light stand-in for the panel while the picture moves: the selection
    // box and the outlines of every step-th rib and of the tip rib.
    static void drawOutlines(const Scene& scene, const PlaneVisualisationOptions& options, size_t step);

    static void drawComb(const RibCombData& comb, const Ribs& ribs, float wingRootChord,
                         const PlaneVisualisationOptions& options, int side);
    // Every segment of the spar between its first and its last rib.
    static void drawSpar(const SparDefinition& spar, const Ribs& ribs, const PlaneVisualisationOptions& options,
                         int side);
    static void drawSparSegment(const SparDefinition& spar, const RibDefinition& ribA, const RibDefinition& ribB,
                                int side, const PlaneVisualisationOptions& options, bool first, bool last);
    static void drawLeadingEdge(const Ribs& ribs, const PlaneVisualisationOptions& options, int side);
    static void drawTrailingEdge(const Ribs& ribs, const PlaneVisualisationOptions& options, int side);
    static void drawCovering(const CoveringDefinition& covering, const SheetingStripList& strips, const Ribs& ribs,
                             const PlaneVisualisationOptions& options, int side);
};

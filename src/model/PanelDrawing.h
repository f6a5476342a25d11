#pragma once

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

    // Transparent parts only look right when what is nearer the eye comes
    // last, so the order follows the current view direction.
    static void drawPanel(const Scene& scene, const PlaneVisualisationOptions& options, int side);

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

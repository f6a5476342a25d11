#pragma once

#include <vector>

#include "foundation/AngleInfo.h"
#include "foundation/CloseSegments.h"
#include "model/finishing/OutlinePieces.h"
#include "model/finishing/OutlineRuns.h"
#include "model/finishing/SheetPinch.h"

class IdentifiableObject;
class Vector3D;

// The finishing passes over a finished rib outline (points in Selig order,
// in units of the wing root chord): what the modifiers' cuts leave behind
// that a cutter cannot follow is mended here, each repair kept to the few
// points of its own fault. The camber line tells which side of a narrow
// step is the rib's surface.
class OutlineCleanup
{
public:
    using PointList = std::vector<Vector3D*>;

    // scale is the wing root chord in mm: the passes measure in mm. Only a
    // sheeted outline is ended at a neck (see OutlineNeck): a bare rib's
    // necks are the design's. bands, the rib's covering polygons, tell where
    // sheets of both sides pinch it, sparParts (its square spar slots) where
    // that is a spar's web (see SheetPinch).
    OutlineCleanup(PointList& outline, const PointList& camberLine, float scale, bool sheeted = false,
                   const SheetPinch::PartList* bands = nullptr, const SheetPinch::PartList* sparParts = nullptr);

    // The sharp turns of the outline, points closer than 0.001 mm to the
    // last one kept skipped.
    static void collectTurns(const PointList& outline, std::vector<AngleInfo>& turns, float scale);
    // The camber line's height at x; 0 outside it.
    static float camberYAt(const PointList& camberLine, float x);

    // A segment of the outline by its extent, for the search for crossings
    // (see LoopCut).
    struct Span {
        float minX;
        float maxX;
        float minY;
        float maxY;
        int segment;
    };

    // Joins the points opposite each other (index i and n - 1 - i) that
    // cuts from both sides have crossed at their mean, and cleans the
    // outline, which ends the rib where its surfaces meet.
    void finishOutline();
    // Flattens steps and spikes narrower than 0.5 mm, cuts loops and folds
    // cuts that run out and back, and takes off what is left narrower than
    // 0.5 mm between two sharp corners. Where the sheets of both sides have
    // met and parted the rib, the larger piece stays (see SheetMeeting); a
    // sheeted rib thinned below 0.5 mm up to a face across its trailing
    // edge ends where it is that thick (see SheetedTail): the outline
    // points must still carry the sheets' shift.
    void cleanOutline();
    // Where the sheets or a slot part the rib, the pieces other than the one
    // the outline keeps go to pieces, each to be cleaned on its own; without
    // it only the larger piece is kept.
    void collectPiecesInto(OutlinePieces* sink) { pieces = sink; }
    // Where the search for crossings shows on the way that the outline
    // passes the last look (see OutlinePieces::crossesItself), the outline
    // as it is then goes to passed; the outline's square spar parts must
    // be the look's.
    void notePassedInto(OutlinePieces::Passed* sink) { passed = sink; }
    // Whether something is left narrower than 0.5 mm between two sharp
    // corners, as cleanOutline takes off, with a corner within reach of
    // one of the points near: for the last check after the passes that
    // follow the cleanup and move faces.
    bool narrowFeatureNear(const std::vector<CloseSegments::Point>& near, float reach);

private:
    friend class FaceStep;
    friend class LoopCut;
    friend class NarrowEnd;
    friend class NarrowTongue;

    void joinCrossedPairs();
    bool flattenNarrowTurns(const std::vector<AngleInfo>& turns, int& first, int& last);
    int repairTurns(const std::vector<AngleInfo>& turns, int first, int last);
    const std::vector<int>& collectRuns();
    bool mayCross();
    // shortTouch, where given, is set where the segments touch with no
    // more than a kerf's way between them.
    bool segmentsClose(int low, int high, Vector3D& at, bool* shortTouch = nullptr) const;
    // A run's first point, and where it is moved; run may reach past the
    // last run by up to the run count, going round.
    const Vector3D& runPoint(int run) const;
    void setRun(int run, float x, float y);
    double signedArea(int first, int end, const Vector3D& at) const;
    // Each mends at most one fault, on the runs as collectRuns last found
    // them, and tells whether it did. Indices of runs from first to last
    // may reach past the last run, for a feature through the place where
    // the outline closes (see NarrowEnd).
    bool foldReversal();
    bool takeOffNarrowFeature();
    bool narrowBetween(int first, int last, double& sense, bool& wholeEnd) const;
    void trimEnd(int first, int last);
    void flattenBetween(int first, int last);

    PointList& outline;
    const PointList& camberLine;
    float scale;
    bool sheeted;
    const SheetPinch::PartList* bands;
    const SheetPinch::PartList* sparParts;
    OutlinePieces* pieces = nullptr;
    OutlinePieces::Passed* passed = nullptr;
    // Whether the last search for crossings showed the runs as they are to
    // pass the last look's search.
    bool lookSearchPassed = false;
    // Where the outline's first and last points lay before the passes.
    float endX[2] = {0.0f, 0.0f};
    float endY[2] = {0.0f, 0.0f};
    OutlineRuns& runs;
    std::vector<int>& runStarts;
    std::vector<Span>& sweep;
    std::vector<Span>& merged;
    // The first point of each run, and the first again after the last.
    std::vector<CloseSegments::Point>& runPoints;
    // The runs where the outline turns sharply, between its first and last.
    std::vector<int>& corners;
    CloseSegments& closeSegments;
    // The outline's points moved by setRun since the runs were last found
    // (indices, first to last), where a mend keeps to setRun and to points
    // after the first run; the runs are then found again from there alone.
    bool tracking = false;
    bool movedKnown = false;
    int movedFirst = 0;
    int movedLast = -1;
    // How far along x the segments reach that the last loop cut was found
    // at: the next is looked for near it first.
    bool loopReachKnown = false;
    float loopReach = 0.0f;
};

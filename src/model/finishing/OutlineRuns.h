#pragma once

#include <vector>

#include "foundation/AngleInfo.h"
#include "foundation/CloseSegments.h"

class Vector3D;

// A rib outline as a cutter runs it: each run holds the points that lie
// within 0.001 mm of its first one, and the run that closes the trailing
// edge onto the first point is one with it. The outline's points are in
// Selig order, in units of the wing root chord; scale is the wing root
// chord in mm. One walk along the outline finds the runs, their first
// points side by side, and the runs where the outline may turn sharply,
// from which the turn list and the corners are judged without another
// walk.
class OutlineRuns
{
public:
    using PointList = std::vector<Vector3D*>;

    // Points closer than this (in mm) are one to a cutter, and surfaces
    // that come so close touch.
    static constexpr float samePointMm = 0.001f;

    // The sharp turns of the outline, points closer than 0.001 mm to the
    // last one kept skipped.
    static void collectTurns(const PointList& outline, std::vector<AngleInfo>& turns, float scale);
    // Puts every point of run run (of the runs starting at starts, closed)
    // on (x, y).
    static void moveRun(const PointList& outline, const std::vector<int>& starts, int run, float x, float y);

    // Finds the runs up to the last, not yet closed, and tells whether they
    // start at the points collectTurns keeps.
    bool gather(const PointList& outline, float scale);
    // Finds the runs again where the outline's points from first to last
    // (indices) have moved since they were gathered, not yet closed.
    void gatherAgain(const PointList& outline, float scale, int first, int last);
    // Makes the closing run one with the first, and repeats the first run's
    // point after the last.
    void close(const PointList& outline, float scale);
    void collect(const PointList& outline, float scale);
    // Finds the closed runs again, as collect would, where the outline's
    // points from first to last (indices) alone have moved since the runs
    // were last found and closed.
    void collectAgain(const PointList& outline, float scale, int first, int last);

    // The turn list of collectTurns, from runs gathered where gather told
    // that they start at the points it keeps.
    void turnsOfRuns(std::vector<AngleInfo>& turns) const;
    // The runs of closed runs where the outline turns by more than 45.6
    // degrees, from the second to the last but one: by all runs, or by the
    // runs that may turn sharply, when the runs are as gathered and closed.
    void collectCorners(std::vector<int>& corners) const;
    void cornersOfSharpRuns(std::vector<int>& corners) const;
    // Whether run r, first and last included, is a corner where the outline
    // closes as anywhere else.
    bool cornerAt(int r) const;
    // Whether the closed runs' outline is sure not to cross itself, found
    // in one walk.
    bool plainlyUncrossed(float scale) const;
    // The same walk over the runs' points p (m of them, then the first
    // again): the upper side lies above the lower one by more than gap
    // wherever they stand over each other along the chord, their x ranges
    // widened by reach.
    static bool sidesPlainlyApart(const CloseSegments::Point* p, int m, float reach, float gap);

    // The first outline index of every run, in order.
    std::vector<int> starts;
    // The first point of every run; once closed, the first again after the
    // last.
    std::vector<CloseSegments::Point> points;
    // The runs where the outline may turn sharply, in order.
    std::vector<int> sharpRuns;

private:
    bool turnsSharply(int r) const;
    // Takes the runs back to what close found: the first as gathered and
    // the closing runs after the last.
    void reopen();
    // Runs found by gatherAgain before they join the old ones.
    std::vector<int> newStarts;
    std::vector<CloseSegments::Point> newPoints;
    // What close changed: whether it has run since the runs were gathered,
    // the first run as gathered, and the closing runs it made one with the
    // first, last one first.
    bool closed = false;
    int openStart = 0;
    CloseSegments::Point openPoint{0.0f, 0.0f};
    std::vector<int> closingStarts;
    std::vector<CloseSegments::Point> closingPoints;
};

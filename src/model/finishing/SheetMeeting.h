#pragma once

#include <vector>

class Vector3D;

// Where the sheets of both sides have met inside a rib, or come closer
// than 0.5 mm, the rib is parted: one outline can hold only one of the two
// pieces. The larger piece is kept and ends where the sheets leave it
// 0.5 mm of wood, with a face across it; the other goes. Works on the runs
// of an outline (the first outline index of each run, Selig order, units
// of the wing root chord), while the outline points still carry how far
// the sheets have sunk them.
class SheetMeeting
{
public:
    using PointList = std::vector<Vector3D*>;

    // scale is the wing root chord in mm.
    SheetMeeting(PointList& outline, const std::vector<int>& runStarts, float scale);

    // Whether the run segments low and high (each from its run to the next)
    // lie on the inner faces of sheets sunk from opposite sides.
    bool sheetsMeet(int low, int high) const;
    // Puts the runs from dropFirst to dropLast (going round) onto at, where
    // the sheets meet, and ends the piece left, from keepFirst to keepLast
    // going round, where it is 0.5 mm thick. Where its sides turn back
    // before that, onlyWithFace leaves the outline as it was and tells so;
    // with it the face always runs from side to side, and lies past any
    // narrowing of the piece to about as thin a few millimetres on.
    bool keepPiece(int keepFirst, int keepLast, int dropFirst, int dropLast, const Vector3D& at,
                   bool onlyWithFace = false);

private:
    struct SidePoint {
        float x;
        float y;
        int run;
    };
    const Vector3D& point(int run) const;
    void setRun(int run, float x, float y);
    // The side of the kept piece from at, run by run from first in steps of
    // step (+1 or -1), as long as it runs away from at along the chord in
    // the sense dir and stays within most runs; its first point may lie
    // behind at if within slack of it, taken as level with at.
    void collectSide(std::vector<SidePoint>& side, const Vector3D& at, int first, int step, float dir,
                     int most, float slack) const;
    // Ends the kept piece on its bands' end faces where both sides turn
    // back up them at once from their feet, less than 0.5 mm apart.
    bool endOnFeet(const std::vector<SidePoint>& first, const std::vector<SidePoint>& last, int dropFirst,
                   int dropped);
    // The side's height at x; false beyond its end.
    static bool heightAt(const std::vector<SidePoint>& side, float x, float dir, float& y);

    PointList& outline;
    const std::vector<int>& runStarts;
    float scale;
};

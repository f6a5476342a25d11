#pragma once

#include <functional>
#include <list>

class Panel;

// The few plane-wide answers the wing model needs: document-unique part ids,
// the wing root chord that scales all rib geometry, the plane's panels in
// wing order, and the plane's history switch. The plane document answers
// them; the wing model asks here so that it never sees the document itself.
class PlaneAccess
{
public:
    // Part ids for spars, sheeting strips and combs; unique for the run.
    static int nextId();
    // Draws count ids at once and returns the first; with count 0 only
    // tells the id nextId would hand out next.
    static int takeIds(int count);

    // For work run side by side that must draw its ids as a plain loop
    // would: while a block is open on a thread, nextId() there hands out
    // first, first + 1, ... without touching the plane, and the caller
    // takes the ids used from the plane afterwards (takeIds).
    class IdBlock
    {
    public:
        explicit IdBlock(int first);
        ~IdBlock();
        IdBlock(const IdBlock&) = delete;
        IdBlock& operator=(const IdBlock&) = delete;
        int used() const { return next - first; }

    private:
        friend class PlaneAccess;
        const int first;
        int next;
        IdBlock* const outer;
    };

    // For panels built away from the plane (a document being read, side by
    // side on worker threads): while a block is open on a thread, the wing
    // answers there are the block's, the root chord of the wing and the id
    // of its first panel, and the plane is not asked.
    class WingBlock
    {
    public:
        WingBlock(float rootChord, int firstPanelId);
        ~WingBlock();
        WingBlock(const WingBlock&) = delete;
        WingBlock& operator=(const WingBlock&) = delete;

    private:
        friend class PlaneAccess;
        const float wingRootChord;
        const int firstId;
        WingBlock* const outer;
    };

    // In mm, -1.0 while the plane has no panel.
    static float rootChord();
    static int panelCount();
    // Root panel first; the panels stay owned by the plane.
    static const std::list<Panel*>& panels();
    // -1 while the plane has no panel.
    static int firstPanelId();

    // While the plane document is being built (its panels side by side on
    // worker threads, the window kept alive meanwhile), a change to the plane
    // waits until the new plane is in place: deferChange keeps it and runs
    // it then, after the work that built the plane; it returns true.
    static bool planeBeingBuilt();
    static bool deferChange(std::function<void()> change);
    // Changes made inside a larger change switch the plane's undo recording
    // off around themselves.
    static bool historyRecording();
    static void setHistoryRecording(bool on);

    // Panel lengths, chords and sweeps in mm and angles in degrees: values
    // near the float limits turn span, area and rib outlines into
    // infinities, and a saved plane could not be opened again.
    static constexpr float maxPanelDimension = 1.0e6f;
};

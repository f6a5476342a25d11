#pragma once

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

    // In mm, -1.0 while the plane has no panel.
    static float rootChord();
    static int panelCount();
    // Root panel first; the panels stay owned by the plane.
    static const std::list<Panel*>& panels();
    // Changes made inside a larger change switch the plane's undo recording
    // off around themselves.
    static bool historyRecording();
    static void setHistoryRecording(bool on);

    // Panel lengths, chords and sweeps in mm and angles in degrees: values
    // near the float limits turn span, area and rib outlines into
    // infinities, and a saved plane could not be opened again.
    static constexpr float maxPanelDimension = 1.0e6f;
};

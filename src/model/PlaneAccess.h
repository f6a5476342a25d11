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

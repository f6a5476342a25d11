#pragma once

// What a 3D view draws and how: shown parts, opacity, gap between the wing
// halves. A plain value, copied freely.
class PlaneVisualisationOptions
{
public:
    PlaneVisualisationOptions(bool showRibs, bool showSpars, bool showCovering, bool showTE, bool showLE,
                              bool showAxes, bool showGhostPanels, bool grayGhosts, int transparency,
                              int ghostTransparency, float wingHalvesDistance, bool showDihedral, bool showCombs);

    bool getShowRibs() const { return showRibs; }
    bool getShowSpars() const { return showSpars; }
    bool getShowCovering() const { return showCovering; }
    bool getShowTE() const { return showTE; }
    bool getShowLE() const { return showLE; }
    bool getShowAxes() const { return showAxes; }
    bool getShowGhostPanels() const { return showGhostPanels; }
    bool getGrayGhosts() const { return grayGhosts; }
    bool getShowDihedral() const { return showDihedral; }
    bool getShowCombs() const { return showCombs; }
    float getWingHalvesDistance() const { return wingHalvesDistance; }
    int getTransparency() const { return transparency; }
    int getGhostTransparency() const { return ghostTransparency; }

    // The inputs feeding these enforce their ranges; the record stores as given.
    void setShowRibs(bool on) { showRibs = on; }
    void setShowSpars(bool on) { showSpars = on; }
    void setShowCovering(bool on) { showCovering = on; }
    void setShowTE(bool on) { showTE = on; }
    void setShowLE(bool on) { showLE = on; }
    void setShowAxes(bool on) { showAxes = on; }
    void setShowCombs(bool on) { showCombs = on; }
    void setTransparency(int percent) { transparency = percent; }
    void setWingHalvesDistance(float distance) { wingHalvesDistance = distance; }

private:
    bool showRibs;
    bool showSpars;
    bool showCovering;
    bool showTE;
    bool showLE;
    bool showAxes;
    bool showGhostPanels;
    bool grayGhosts;
    bool showDihedral;
    bool showCombs;
    float wingHalvesDistance;
    int transparency;
    int ghostTransparency;
};

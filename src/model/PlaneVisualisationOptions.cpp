#include "model/PlaneVisualisationOptions.h"

PlaneVisualisationOptions::PlaneVisualisationOptions(bool showRibs_, bool showSpars_, bool showCovering_,
                                                     bool showTE_, bool showLE_, bool showAxes_,
                                                     bool showGhostPanels_, bool grayGhosts_, int transparency_,
                                                     int ghostTransparency_, float wingHalvesDistance_,
                                                     bool showDihedral_, bool showCombs_)
    : showRibs(showRibs_), showSpars(showSpars_), showCovering(showCovering_), showTE(showTE_), showLE(showLE_),
      showAxes(showAxes_), showGhostPanels(showGhostPanels_), grayGhosts(grayGhosts_), showDihedral(showDihedral_),
      showCombs(showCombs_), wingHalvesDistance(wingHalvesDistance_), transparency(transparency_),
      ghostTransparency(ghostTransparency_)
{
}

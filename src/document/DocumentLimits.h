#pragma once

#include "airfoils/AirfoilFile.h"

#include <QCoreApplication>
#include <QString>
#include <list>

class Panel;
class PanelBaseData;
class QWidget;

// How large a plane may grow: the one set of bounds that the editor stops at
// and that a document (file or undo state) is read within, so that whatever
// the editor builds and saves opens again, and whatever opens does so within
// a few seconds and a few GB of memory (bench BM_OpenLargestPlane,
// BM_UndoLargestPlane, BM_WindowUnanswered).
//
// A built rib with edges and tabs holds about 110 kB. A spar or comb cut
// into a rib costs a few kB and about 10 microseconds; a sheeting strip cut
// under advanced covering 30 to 60 kB and 60 microseconds, more the more
// strips the rib carries. So those strip cuts have a bound of their own.
//
// Panels are built side by side on all cores, but the ribs of one panel one
// after the other, so a panel's own lists are bounded as well as the plane's
// sums. Every spar, sheeting strip and rib comb is cut into every rib of its
// panel: a rib cut is one of those, and their sum over the plane bounds the
// building work that the ribs alone do not.
class DocumentLimits
{
    Q_DECLARE_TR_FUNCTIONS(DocumentLimits)

public:
    static constexpr int maxPanels = 1000;
    // Of every name a document holds (the plane's, a panel's, a spar's...),
    // in characters: far beyond any real name, and small enough that a
    // document of names is read in no time.
    static constexpr int maxNameLength = 300;
    static_assert(AirfoilNameKept <= maxNameLength, "a panel cut from any airfoil of the library must be saveable");
    // The panel dialog generates at most 100 ribs; splitting every one gives
    // 200.
    static constexpr long long maxRibsPerPanel = 200;
    // Of each: spars, sheeting strips, rib combs.
    static constexpr long long maxPartsPerList = 50;
    // So that the largest plane, shown in the main window and undone once,
    // fits in about 3 GB: every rib is held by the document, by the undo
    // state being built (or the plane it replaces) and by the 3D view.
    static constexpr long long maxRibs = 8000;
    static constexpr long long maxRibCuts = 60000;
    // One panel of 200 ribs with 50 strips under advanced covering.
    static constexpr long long maxCoveredStripCuts = 10000;

    struct Size {
        long long panels = 0;
        long long ribs = 0;
        long long ribCuts = 0;
        // The rib cuts of sheeting strips under advanced covering.
        long long coveredStripCuts = 0;
        Size& operator+=(const Size& other);
    };

    // One panel of so many ribs, spars, strips and combs; stripsCovered:
    // under advanced covering.
    static Size panelSize(long long ribs, long long spars, long long strips, long long combs,
                          bool stripsCovered = false);
    static Size panelSize(const PanelBaseData& data);
    // The plane's panels, leaving out the one with the id leftOutId (the
    // panel an edit replaces).
    static Size planeSize(const std::list<Panel*>& panels, int leftOutId = -1);

    // Which bound a plane of this size passes and why the bound is there,
    // in words for the user; empty within every bound.
    static QString planeProblem(const Size& plane);
    // The same for one panel's own lists; number counts from 1.
    static QString panelProblem(int number, long long ribs, long long spars, long long strips, long long combs);

    // The editor's stop: when problem is not empty, says so (naming the
    // bound) and returns true.
    static bool refuse(QWidget* parent, const QString& problem);
};

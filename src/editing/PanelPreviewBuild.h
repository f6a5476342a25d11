#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class PanelBaseData;
class QObject;
class QProgressDialog;
class RibDefinition;
class RibCombList;
class RibList;
class SheetingStripList;
class SparList;
class QWidget;

// Owns the panel dialog's build of its working panel: the last build, whose
// ribs the working panel shares and OK hands to the plane, and the values it
// was built from. A build runs away from the window: on a worker thread, the
// window painting meanwhile and, once the build has taken a moment, its
// progress with a Cancel shown. While the dialog is open that progress is
// the dialog's own, and what the user types or clicks in the dialog
// meanwhile is held back and handed on, in order, once the build is over: a
// window in front of the dialog would take keys meant for its fields. Before
// the dialog shows, a progress window with a Cancel stands in front of the
// window, as a document build has. The
// build asks the wing (its root chord, its first panel) as the plane answers
// now, so the result is what the plane itself would build from the same
// values and can take the panel's geometry over as it is.
class PanelPreviewBuild
{
    Q_DECLARE_TR_FUNCTIONS(PanelPreviewBuild)

public:
    // Superseded: input for the dialog came while it built, and the build
    // gave way to it; the last build stays, as on a Cancel, and the caller
    // builds again once that input is handed on.
    enum class Result { Built, Unchanged, Cancelled, Superseded };
    // Makes the build that of values. Unchanged, building nothing, when the
    // last build is of these values and shown (the working panel's data)
    // still holds them too. A panel of exactly these
    // values with nothing selected (same: the plane's panel the dialog
    // opened on) lends its ribs rather than being built again; a copy shares
    // them. Cancelled keeps the last build. Runs out of memory as the build
    // does (std::bad_alloc). With yieldToInput, input held back for the
    // dialog ends the build early (Superseded): the dialog answers a key at
    // once rather than after a build that key makes useless anyway.
    Result update(QWidget* parent, PanelBaseData& values, const QString& title, const PanelBaseData* shown,
                  const PanelBaseData* same, bool yieldToInput = false);
    // The dialog's own progress (a widget within it, not a window): the
    // builds show their progress there while its window is visible.
    void showProgressIn(QProgressDialog* progress) { inPlace = progress; }
    // Runs once all input held back for the dialog has been handed on
    // (at once when none is held).
    static void afterHeldInput(QObject* context, std::function<void()> then);
    const PanelBaseData* last() const { return built.get(); }
    // The last build when it was built from exactly these values.
    const PanelBaseData* lastOf(const PanelBaseData& values) const;
    void forget();
    // Hands the last build over when it was built from exactly these
    // values (else null), and forgets it.
    std::unique_ptr<PanelBaseData> takeLastOf(const PanelBaseData& values);
    // Builds the ribs of panel again where they lie, as the root panel of
    // the wing it is to lead: its own root chord scales the wing. The points
    // of the old ribs make the new ones, so a panel built in the plane's
    // old wing becomes the one the plane needs without being held twice.
    // Runs away from the window as update does, with the same progress (no
    // input ends it early). False when the user cancelled: the ribs are
    // then incomplete. Runs out of memory as the build does.
    bool rebuildAsWingRoot(QWidget* parent, PanelBaseData& panel, const QString& title);

    // The panel of these values (or same's copy, when given) with its ribs
    // built, or null when the user cancelled. Runs out of memory as the
    // build does. What is selected in values is cleared first: a build the
    // plane takes over must bring no selection into the wing. With a
    // progress in place whose window is visible, the build shows its
    // progress there and holds the window's input until it is over; with
    // yieldToInput too, held input ends it early (null, superseded set).
    struct InPlace {
        QProgressDialog* progress = nullptr;
        bool yieldToInput = false;
        bool superseded = false;
    };
    static std::unique_ptr<PanelBaseData> run(QWidget* parent, PanelBaseData& values, const QString& title,
                                              const PanelBaseData* same = nullptr, InPlace* inPlace = nullptr);

    // The panel's document entry: two panels with the same entry build the
    // same ribs (selection is no part of it).
    static std::string entryOf(const PanelBaseData& values);
    // Gives the ribs, spars, strips and combs of to the selection of the
    // lists, item by item, without touching their geometry.
    static void copySelection(PanelBaseData& to, const RibList& ribs, const SparList& spars,
                              const SheetingStripList& strips, const RibCombList& combs);

    // A heavy panel's ribs take a good part of a second to free. Held here
    // while the panel lets go of them, they are freed on a thread of their
    // own (releaseBeside), so the window does not wait for it, and the freed
    // pages go back to the system; awaitRelease waits, painting, until that
    // memory is back.
    using HeldRibs = std::unique_ptr<std::vector<RibDefinition>>;
    static HeldRibs holdRibs(const PanelBaseData& values);
    static void releaseBeside(HeldRibs ribs);
    static void awaitRelease();

    // How long a build runs before its progress shows; tests that answer
    // it show it at once.
    static int shownAfterMs;
    // Called on the build's worker after each step of a build: a test holds
    // the build there to look at the window while it runs.
    static std::function<void()> afterStep;

private:
    // Runs build (which draws idDraws part ids and reports total steps) on
    // a worker, the window answering meanwhile, as run describes; false
    // when it did not complete.
    static bool runAway(QWidget* parent, const QString& title, InPlace* inPlace, long long total, int idDraws,
                        const std::function<void()>& build);

    std::unique_ptr<PanelBaseData> built;
    std::string builtEntry;
    QProgressDialog* inPlace = nullptr;
};

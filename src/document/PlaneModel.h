#pragma once

#include "document/PlaneSummaryVisualisationOptions.h"
#include "foundation/Observable.h"
#include "foundation/Observer.h"
#include "foundation/SerializeableIf.h"
#include "model/PanelsTableModel.h"
#include "model/PlaneAccess.h"

#include <QMutex>
#include <QString>
#include <functional>
#include <list>
#include <vector>

class DXFSettings;
class Panel;
class QPainter;
class QPen;
class QPrinter;
class QTransform;
class RibCombData;
class RibDefinition;
class SparDefinition;
class Vector3D;
class Vertex;
class XDxfGen;

// The document: the one plane the application edits, with its name, its
// panels in wing order, the derived span and area, the summary options and
// the counter of document-unique part ids. It watches its own panels model
// and tells its observers after every panel change, span and area already
// up to date. The document file and the undo states are made from it.
class PlaneModel : public Observable, public Observer, public SerializeableIf
{
public:
    static PlaneModel* instance();

    PlaneModel(const PlaneModel&) = delete;
    PlaneModel& operator=(const PlaneModel&) = delete;
    ~PlaneModel() override;

    // --- document persistence ---
    // An empty target receives the encoded document; otherwise it names the
    // file (UTF-8) to write. A file is replaced only once every byte of the
    // new one is on disk.
    bool save(std::string& target) override;
    bool writeToStream(std::fstream& stream) override;
    bool serializeToString(std::string* output) override;
    // A document that does not decode, has another version or could not be
    // built safely is refused, and the plane stays exactly as it was.
    bool load(const std::string& source, bool sourceIsFile, hint_t hint) override;
    bool loadFromStream(std::fstream& stream, hint_t hint) override;
    bool loadFromString(const std::string& data, hint_t hint) override;
    // Why the last refused document was refused, in words for the user.
    QString getLoadProblem() const;
    // Whether the last load was stopped by its progress report; the
    // document is then the one from before.
    bool wasLoadStopped() const;

    // The document is the truth and the built plane is made from it. While
    // a new document is built the one before is kept, as bytes where its
    // plane had to go first to make room; when neither can be built for
    // lack of memory the document is held as those bytes, unbuilt: it is
    // saved, recorded and undone exactly as it was, and the plane shows
    // nothing until memory allows it to be built again.
    enum class DocumentState {
        Shown,
        BeingReplaced,
        HeldNotBuilt,
    };
    DocumentState getDocumentState() const;
    // After an edit of the plane ran out of memory half way: the plane
    // becomes document (the plane before the edit, as bytes) again. What
    // the edit left goes first, then document is built where memory
    // allows, or held unbuilt. True when it is shown; never throws.
    bool recoverDocument(std::string document);
    // Why the document is not shown while it is held, and how to show it
    // again from where the user is: by Undo and Redo while the history
    // holds a step, by opening its file while that holds it.
    static QString notShownProblem();
    // The ways back to a held plane have changed (a save, a new undo
    // step): whoever shows notShownProblem hears of it.
    void retellHeldState();
    // Called on this thread about every 20 ms while the panels of a
    // document are built on worker threads, with the work done so far and
    // the whole work (in the units of an estimate of the building time, about
    // microseconds), so that a long load can keep the window painted and
    // show its progress. Returning false stops the load.
    void setLoadProgress(std::function<bool(long long done, long long total)> report);
    // Whether rebuilding every panel of the plane takes long enough (about
    // a second of one core) to want its progress shown.
    bool rebuildTakesLong() const;
    // Whether the plane is large enough to be given up while another
    // document is built in its place; when that one cannot be built, the
    // memory the attempt took may not let this one be built again.
    bool givenUpWhileReplaced() const;
    // Whether a plane of this one's size could be built now beside it, so
    // that replacing it by a plane much like it can be expected to succeed.
    bool roomForAnotherLikeIt() const;
    // A document is being built: the plane must not change meanwhile.
    static bool planeBeingBuilt();
    // Keeps a change to the plane that arrives while a document is built,
    // and runs it from the event loop once the building is over (at once
    // when nothing is being built). Building a document file drops it: the
    // plane it was made on is given up.
    void deferChange(std::function<void()> change);

    void observedObjectChanged(Observable* sender) override;
    // Fills the document message from the plane and its persistent views.
    void saveViewData(serializedPlanformixData& data) override;
    // Rebuilds the plane from a document message; a message that fails the
    // document checks is ignored.
    void loadViewData(const google::protobuf::Message* data, hint_t hint) override;

    QString getName() const;
    void setName(const QString& name, bool notify);
    void resetName();

    int getUnits() const;
    void setUnits(int units);
    bool getConsiderDihedral() const;
    // Span and area follow at once, so observers see the span for the new
    // setting.
    void setConsiderDihedral(bool on);

    // Both wing halves, mm and mm².
    float getSpan() const;
    float getArea() const;

    int getPanelCount() const;
    // Root panel first; the panels stay owned by the panels model.
    const std::list<Panel*>& getPanelList() const;
    PanelsTableModel* getPanelsTableModel();
    PanelsTableModel* getTableModel();
    // Root chord of the first panel in mm, -1.0 while the plane has none.
    float getRootChord() const;
    bool addPanel(Panel* panel);
    int getModelVersion() const;

    // The user's value when one is set (userDefined true), otherwise the
    // value computed from the wing.
    float getFuselageLength(bool* userDefined) const;
    float getWingPosition(bool* userDefined) const;
    void setFuselageLength(float length);
    void setWingPosition(float position);

    // Ids are unique for the life of the model: clearing, loading or closing
    // a document never restarts them, so records made for different
    // documents in one run never share an id.
    int getNextId();
    // Draws count ids at once and returns the first; with count 0 it only
    // tells the id getNextId would hand out next.
    int takeIds(int count);

    // The longest rib without its trailing-edge piece, in mm, over at most
    // count ribs from first (0 when none is positive).
    static float getMaxRibLength(std::list<RibDefinition>::const_iterator first,
                                 std::list<RibDefinition>::const_iterator end, float scale, int count);
    float getFirstRibThickness() const;

    // --- DXF drawing of ribs, spars and combs (output/PlaneModelDxfExport.cpp) ---
    // False only when the user declined to overwrite an existing file or
    // named a folder, so the caller can ask for another name.
    bool exportDxf(const DXFSettings& settings);
    // The running y offset (mm) is a double: rows stack down the sheet far
    // beyond where a float keeps a thousandth of a millimetre.
    // A square spar laid out flat as a strip below the running y offset.
    void exportSparPartDxf(XDxfGen& dxf, Panel* panel, const SparDefinition& spar, double& y,
                           const DXFSettings& settings, float ribHeightRange);
    // Rib-shaped points (outline units) as one closed polyline on the rib layer.
    void exportPointsPolylineDxf(const std::vector<Vector3D*>& points, float ox, float scale, double yOffset,
                                 XDxfGen& dxf);
    void exportCombDxf(XDxfGen& dxf, Panel* panel, const RibCombData& comb, int panelNumber, double& y,
                       const DXFSettings& settings, float ribHeightRange);

    void resetBaseData();
    void clear();

    // --- printing; one painter unit is one millimetre of the printable area ---
    // The whole printout: rib sheets on the page already begun, the
    // dihedral table, the right and the mirrored left wing's planform tiles.
    void print(QPainter* painter, int pageWidth, int pageHeight, QPrinter* printer);
    void printRibSheets(const QPen& gridPen, const QPen& textPen, int pageWidth, int pageHeight,
                        QPainter* painter, QPrinter* printer);
    void printDihedralTable(const QPen& gridPen, const QPen& textPen, int pageWidth, QPainter* painter);
    // unmirrored: null for the right wing; for the left wing, the transform
    // that texts are drawn with on the mirrored painter.
    void printPlanformPages(const QPen& gridPen, const QPen& textPen, int pageWidth, int pageHeight,
                            QPainter* painter, QPrinter* printer, const QTransform* unmirrored);
    static void drawClosedContour(const std::vector<Vertex*>& points, float ox, float boxHeight, float yBase,
                                  float scale, float rowTop, QPainter* painter);
    static void drawPageFrame(QPainter* painter, const QPen& pen, int pageWidth, int pageHeight);
    void drawPageFooter(QPainter* painter, const QPen& pen, int pageWidth, int pageHeight,
                        const QTransform* unmirrored);
    void drawPageDecorations(QPainter* painter, const QPen& framePen, const QPen& textPen, int pageWidth,
                             int pageHeight, const QTransform* unmirrored);
    // One panel's shapes on a planform tile, in plan millimetres.
    static float printLEStrip(float rootY, float tipY, float length, Panel* panel, QPainter* painter,
                              float& leSlope);
    static float printTEStrip(float rootTE, float tipTE, float length, Panel* panel, QPainter* painter,
                              float& teSlope);
    static void printSpars(Panel* panel, QPainter* painter, bool overRibs);
    static void printCombs(Panel* panel, QPainter* painter, int combType);
    static void printPanelRibs(float scale, float leDepth, float leSlope, float teSlope, Panel* panel,
                               QPainter* painter, const QTransform* unmirrored);

    // How many panels, ribs and parts a document may hold: DocumentLimits.
    // Panel lengths, chords, sweeps and rib positions in mm, and the panel's
    // angles in degrees: the editors keep them to a few metres and degrees,
    // and values near the float limits turn span, area and rib outlines into
    // infinities.
    static constexpr float minPanelDimension = 0.001f;
    static constexpr float maxPanelDimension = PlaneAccess::maxPanelDimension;
    static constexpr float maxAirfoilFactor = 1000.0f;

private:
    PlaneModel();

    void recalculateSpanAndArea(bool considerDihedral);
    bool refuse(const QString& problem);
    enum class BuildResult { Built, Stopped, NoMemory };
    // Builds every panel of a checked document away from the plane, side by
    // side, then puts the new plane in place of the old one. Stopped or out
    // of memory, the document is the one from before: built again, or held.
    BuildResult buildPlane(const serializedPlanformixData& data, hint_t hint);
    // The panels of a document in place of the plane's; stoppable: the
    // progress report may stop it.
    bool buildPanels(const serializedPlanformixData& data, hint_t hint, bool stoppable);
    // Announces a change into or out of HeldNotBuilt; heldDocument goes
    // once the plane is shown.
    void setState(DocumentState newState);
    // Builds the held document again; what cannot be built for lack of
    // memory stays held.
    void restoreHeldDocument();
    // The document the user has when this plane is not it.
    bool heldDocumentIsTheTruth() const;
    // The plane's panels become these, its name name; the old panels are
    // freed while the window is kept painted.
    void replacePanels(std::vector<Panel*> panels, const QString& name = QString());
    void discardPanels(std::vector<Panel*> panels);
    // Hands the memory freed by the last plane back to the system.
    void giveMemoryBack();
    // keep false: the changes are dropped, not run.
    void runDeferredChanges(bool keep);
    void addViewRecords(serializedPlanformixData& data);
    // The plane's name and the persistent views' records, as a document
    // without panels.
    std::string settingsNow();
    // Puts into the held document what the user changed of the name and
    // the views' settings since the plane was held.
    void takeSettingsChangedWhileHeld(serializedPlanformixData& held);

    static PlaneModel* theInstance;

    QString planeName;
    PanelsTableModel panelsModel;
    QString loadProblem;
    bool loadStopped = false;
    DocumentState state = DocumentState::Shown;
    // The document while its plane is not built (see DocumentState).
    std::string heldDocument;
    // settingsNow() when the document began to be held unbuilt.
    std::string settingsWhenHeld;
    std::function<bool(long long, long long)> loadProgress;
    bool building = false;
    std::vector<std::function<void()>> deferredChanges;
    struct FuselageOverride {
        float fuselageLength = -1.0f;
        float wingPosition = -1.0f;
    } fuselage;
    float span = 0.0f;
    float area = 0.0f;
    QMutex idMutex;
    int lastId = 1;
    int modelVersion = 1;
    PlaneSummaryVisualisationOptions summaryOptions{0, true};
};

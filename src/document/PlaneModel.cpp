#include "document/PlaneModel.h"

#include "document/DocumentCheck.h"
#include "document/DocumentLimits.h"
#include "document/FileManager.h"
#include "document/PanelCodec.h"
#include "foundation/AtomicFileWriter.h"
#include "foundation/ConcurrentWork.h"
#include "foundation/DialogSeam.h"
#include "foundation/FileErrorText.h"
#include "foundation/MemoryReserve.h"
#include "model/Panel.h"
#include "planformixdata.pb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMutexLocker>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <cmath>
#include <exception>
#include <limits>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <new>
#include <iostream>
#include <iterator>
#include <future>
#include <memory>
#include <sstream>
#include <system_error>
#include <vector>

using PanelMessage = serializedPlanformixData::serializedPanelData;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PlaneModel", text);
}

// Made once and kept: a language switch later in the run does not rename
// the planes that are created afterwards.
const QString& defaultPlaneName()
{
    static const QString name = tr("New Plane");
    return name;
}

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), int(text.size()));
}

std::string toUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// Estimated time to build one panel entry, in microseconds as measured for
// the rib rebuild (bench_document), only to show how far a load has come:
// every panel and rib has its own cost, and every spar, strip and comb is
// cut into every rib. Strips are cut only under advanced covering, and there
// each costs more the more strips the rib already carries.
long long openWork(const PanelMessage& panel)
{
    const long long strips = panel.sheeting().sheetingstriplist_size();
    const bool stripsCut = panel.sheeting().sheetingtype() == PanelMessage::sheetingDefinition::Advanced;
    const long long perRib = 140 + 10 * (panel.sparlist_size() + panel.comblist_size())
                             + strips * (stripsCut ? 30 + strips : 10);
    return 1000 + DocumentCheck::ribsBuilt(panel) * perRib;
}

// About what a built plane of this size holds, in bytes: a rib with edges
// and tabs about 110 kB, a sheeting strip cut under advanced covering about
// 45 kB, any other rib cut a few kB.
long long estimatedBytes(const DocumentLimits::Size& size)
{
    return size.ribs * 110000 + size.coveredStripCuts * 45000 + (size.ribCuts - size.coveredStripCuts) * 3000;
}

// A plane larger than this is not kept while an undo state is built. Two
// planes of a ten-panel wing of 100 ribs a panel would already take a third
// more memory than the program showing one.
constexpr long long keptDuringRebuild = 100LL * 1000 * 1000;


} // namespace

PlaneModel* PlaneModel::theInstance = nullptr;

PlaneModel* PlaneModel::instance()
{
    if (!theInstance)
        new PlaneModel();
    return theInstance;
}

PlaneModel::PlaneModel()
    : Observer(QStringLiteral("PlaneModel"), false)
    , planeName(defaultPlaneName())
{
    notifyObservers();
    theInstance = this;
    panelsModel.addObserver(this);
    lastId = 1;
}

PlaneModel::~PlaneModel()
{
    setNotificationsEnabled(false);
    clear();
    if (theInstance == this)
        theInstance = nullptr;
}

// ---------------------------------------------------------------- document

bool PlaneModel::save(std::string& target)
{
    if (target.empty())
        return serializeToString(&target);

    const QString name = fromUtf8(target);
    std::string bytes;
    if (heldDocumentIsTheTruth()) {
        // Not built, but the user's all the same: its panels written as they
        // were read, with what the plane and its views hold now.
        serializedPlanformixData data;
        saveViewData(data);
        if (!data.SerializeToString(&bytes)) {
            DialogSeam::warning(
                nullptr, tr("Can't write file"),
                tr("Can't write into specified file: %1").arg(tr("the document could not be encoded")));
            return false;
        }
    } else {
        serializedPlanformixData data;
        saveViewData(data);
        // The editor keeps every plane within what a document opens with; a
        // plane that got beyond it all the same is not written, so no file
        // exists that the program then refuses.
        QString problem;
        if (!DocumentCheck::isBuildable(data, problem)) {
            DialogSeam::warning(nullptr, tr("Document not saved"),
                                tr("The document is not saved, because it would not open again: %1").arg(problem));
            return false;
        }
        if (!data.SerializeToString(&bytes)) {
            DialogSeam::warning(
                nullptr, tr("Can't write file"),
                tr("Can't write into specified file: %1").arg(tr("the document could not be encoded")));
            return false;
        }
    }
    // Written beside the target and renamed over it at the end, so a failed
    // save leaves the previous file intact.
    AtomicFileWriter file(name);
    if (!file.open()) {
        DialogSeam::warning(nullptr, tr("Can't create file"),
                            tr("Can't create file '%1' for writing: %2").arg(name, file.errorString()));
        return false;
    }
    if (!file.write(bytes.data(), qint64(bytes.size())) || !file.commit()) {
        DialogSeam::warning(nullptr, tr("Can't write file"),
                            tr("Can't write into specified file: %1").arg(file.errorString()));
        return false;
    }
    return true;
}

bool PlaneModel::writeToStream(std::fstream& stream)
{
    serializedPlanformixData data;
    saveViewData(data);
    if (!data.SerializeToOstream(&stream) || !stream.flush()) {
        DialogSeam::warning(nullptr, tr("Can't write file"),
                            tr("Can't write into specified file: %1").arg(FileErrorText::reason(errno)));
        return false;
    }
    return true;
}

bool PlaneModel::serializeToString(std::string* output)
{
    if (!output)
        return false;
    serializedPlanformixData data;
    saveViewData(data);
    return data.SerializeToString(output);
}

bool PlaneModel::load(const std::string& source, bool sourceIsFile, hint_t hint)
{
    loadProblem.clear();
    loadStopped = false;
    if (!sourceIsFile)
        return loadFromString(source, hint);
    QFile file(fromUtf8(source));
    if (!file.open(QIODevice::ReadOnly))
        return refuse(tr("The file cannot be read: %1").arg(FileErrorText::reason(file)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refuse(tr("The file cannot be read: %1").arg(FileErrorText::reason(file)));
    return loadFromString(bytes.toStdString(), hint);
}

bool PlaneModel::loadFromStream(std::fstream& stream, hint_t hint)
{
    std::ostringstream bytes;
    bytes << stream.rdbuf();
    if (stream.bad())
        return refuse(tr("The file cannot be read."));
    return loadFromString(bytes.str(), hint);
}

bool PlaneModel::loadFromString(const std::string& bytes, hint_t hint)
{
    loadProblem.clear();
    loadStopped = false;
    // One document at a time: a load asked for from inside another one's
    // building (an event handled meanwhile) is refused, not mixed in.
    if (building)
        return refuse(tr("Another document is being opened."));
    serializedPlanformixData data;
    bool decoded = false;
    bool outOfMemory = false;
    try {
        decoded = data.ParsePartialFromString(bytes);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory) {
        // Nothing of the open document has been touched yet; what the
        // decoding took goes before the refusal is worded.
        data.Clear();
        return refuse(tr("There is not enough memory to build this document."));
    }
    // Without a version (an empty file, say) it is no document at all.
    if (decoded && data.has_version() && data.version() != modelVersion) {
        std::cout << "data.version(): " << data.version() << ", model version: " << modelVersion << std::endl;
        return refuse(tr("The document is of version %1; this program reads version %2.")
                          .arg(data.version())
                          .arg(modelVersion));
    }
    // A truncated or damaged document is refused whole: a surviving prefix
    // would otherwise replace the user's plane with part of one.
    if (!decoded || !data.IsInitialized()) {
        std::cout << "The data is not a readable document" << std::endl;
        return refuse(tr("The file is not a document of this program, or it is damaged."));
    }
    // Checked before anything of the open plane is touched, so a refusal
    // comes at once and leaves the plane as it was.
    QString problem;
    if (!DocumentCheck::isBuildable(data, problem)) {
        std::cout << "The document cannot be loaded: " << problem.toStdString() << std::endl;
        return refuse(problem);
    }
    switch (buildPlane(data, hint)) {
    case BuildResult::Built:
        return true;
    case BuildResult::Stopped:
        loadStopped = true;
        if (state == DocumentState::HeldNotBuilt)
            loadProblem = notShownProblem();
        return false;
    case BuildResult::NoMemory:
        break;
    }
    std::cout << "Not enough memory to build the document" << std::endl;
    QString memoryProblem = tr("There is not enough memory to build this document.");
    if (state == DocumentState::HeldNotBuilt)
        memoryProblem += QStringLiteral("\n\n") + notShownProblem();
    return refuse(memoryProblem);
}

bool PlaneModel::refuse(const QString& problem)
{
    loadProblem = problem;
    return false;
}

QString PlaneModel::getLoadProblem() const
{
    return loadProblem;
}

bool PlaneModel::wasLoadStopped() const
{
    return loadStopped;
}

PlaneModel::DocumentState PlaneModel::getDocumentState() const
{
    return state;
}

bool PlaneModel::heldDocumentIsTheTruth() const
{
    return state == DocumentState::HeldNotBuilt || (state == DocumentState::BeingReplaced && !heldDocument.empty());
}

QString PlaneModel::notShownProblem()
{
    const auto* files = theInstance ? dynamic_cast<const FileManager*>(
                                          theInstance->findObserverByName(QStringLiteral("FileManager")))
                                    : nullptr;
    if (!files)
        return tr("The plane cannot be shown: there is not enough memory to build it. The document is kept as it "
                  "was and can be saved. To show it again, free memory, then use Undo and Redo or open the file "
                  "again.");
    // The file holds the document only while nothing is unsaved.
    const QString file = files->isModified() ? QString() : files->getFileName();
    QString way;
    if (files->hasUndoOrRedo())
        way = file.isEmpty() ? tr("To show it again, free memory, then use Undo and Redo.")
                             : tr("To show it again, free memory, then use Undo and Redo, or open the file '%1' "
                                  "again.")
                                   .arg(file);
    else
        way = file.isEmpty() ? tr("To show it again, free memory, save it, then open the saved file.")
                             : tr("To show it again, free memory, then open the file '%1' again.").arg(file);
    return tr("The plane cannot be shown: there is not enough memory to build it. The document is kept as it was "
              "and can be saved.")
           + QLatin1Char(' ') + way;
}

void PlaneModel::retellHeldState()
{
    if (state != DocumentState::HeldNotBuilt)
        return;
    emit panelsModel.layoutAboutToBeChanged();
    emit panelsModel.layoutChanged();
}

void PlaneModel::setState(DocumentState newState)
{
    const bool wasHeld = state == DocumentState::HeldNotBuilt;
    state = newState;
    if (newState == DocumentState::Shown)
        std::string().swap(heldDocument);
    if (newState != DocumentState::HeldNotBuilt) {
        std::string().swap(settingsWhenHeld);
    } else if (!wasHeld) {
        // Unknown, every setting shown counts as changed.
        try {
            settingsWhenHeld = settingsNow();
        } catch (const std::bad_alloc&) {
            std::string().swap(settingsWhenHeld);
        }
    }
    // The panels table says when the plane it lists is not the document.
    if (wasHeld != (newState == DocumentState::HeldNotBuilt)) {
        emit panelsModel.layoutAboutToBeChanged();
        emit panelsModel.layoutChanged();
    }
}

void PlaneModel::setLoadProgress(std::function<bool(long long, long long)> report)
{
    loadProgress = std::move(report);
}

bool PlaneModel::rebuildTakesLong() const
{
    // In microseconds, as the estimate of a document's building time.
    const DocumentLimits::Size size = DocumentLimits::planeSize(panelsModel.getPanels());
    const long long work = size.panels * 1000 + size.ribs * 140 + (size.ribCuts - size.coveredStripCuts) * 10
                           + size.coveredStripCuts * 80;
    return work > 1000 * 1000;
}

bool PlaneModel::givenUpWhileReplaced() const
{
    return state == DocumentState::Shown
           && estimatedBytes(DocumentLimits::planeSize(panelsModel.getPanels())) > keptDuringRebuild;
}

bool PlaneModel::roomForAnotherLikeIt() const
{
    // The estimate is about what a plane holds; a quarter more for what
    // building it takes on the way.
    const long long bytes = estimatedBytes(DocumentLimits::planeSize(panelsModel.getPanels()));
    return MemoryReserve::hasRoomFor(std::size_t(bytes + bytes / 4));
}

bool PlaneModel::planeBeingBuilt()
{
    return theInstance && theInstance->building;
}

void PlaneModel::deferChange(std::function<void()> change)
{
    if (!building) {
        change();
        return;
    }
    deferredChanges.push_back(std::move(change));
}

void PlaneModel::runDeferredChanges(bool keep)
{
    std::vector<std::function<void()>> changes;
    changes.swap(deferredChanges);
    // Changes made to a plane that was given up for a document file go
    // with it; the opened document is not theirs.
    if (!keep || changes.empty())
        return;
    // After the work that built the plane has finished (the open or the
    // undo with its framing), as the events they came from would have run.
    const auto runAll = [changes] {
        for (const std::function<void()>& change : changes)
            change();
    };
    // Queued on the panels model, so that they are dropped with the plane.
    if (QCoreApplication::instance())
        QMetaObject::invokeMethod(&panelsModel, runAll, Qt::QueuedConnection);
    else
        runAll();
}

void PlaneModel::saveViewData(serializedPlanformixData& data)
{
    if (heldDocumentIsTheTruth()) {
        data.ParseFromString(heldDocument);
        if (state == DocumentState::HeldNotBuilt)
            takeSettingsChangedWhileHeld(data);
        return;
    }
    data.set_version(modelVersion);
    data.set_planename(toUtf8(planeName));
    for (const Panel* panel : panelsModel.getPanels())
        PanelCodec::fill(data.add_panels(), *panel);
    addViewRecords(data);
}

void PlaneModel::addViewRecords(serializedPlanformixData& data)
{
    for (Observer* observer : getObservers())
        if (observer->isPersistent())
            observer->saveViewData(data);
}

std::string PlaneModel::settingsNow()
{
    serializedPlanformixData now;
    now.set_version(modelVersion);
    now.set_planename(toUtf8(planeName));
    addViewRecords(now);
    return now.SerializeAsString();
}

void PlaneModel::takeSettingsChangedWhileHeld(serializedPlanformixData& held)
{
    // The views show what they showed when the plane went (not always the
    // held document's settings), so only what changed since goes in: the
    // summary's unit, the 3D view's show options, whatever a view keeps.
    serializedPlanformixData now;
    now.ParseFromString(settingsNow());
    serializedPlanformixData before;
    const bool known = !settingsWhenHeld.empty() && before.ParseFromString(settingsWhenHeld);
    if (!known || now.planename() != before.planename())
        held.set_planename(now.planename());
    for (const serializedPlanformixData::serializedViewData& view : now.views()) {
        const auto sameView = [&view](const serializedPlanformixData::serializedViewData& other) {
            return other.observername() == view.observername();
        };
        const auto& was = before.views();
        const auto wasThere = std::find_if(was.begin(), was.end(), sameView);
        if (known && wasThere != was.end() && wasThere->SerializeAsString() == view.SerializeAsString())
            continue;
        auto* views = held.mutable_views();
        const auto inHeld = std::find_if(views->begin(), views->end(), sameView);
        if (inHeld != views->end())
            *inHeld = view;
        else
            *held.add_views() = view;
    }
}

void PlaneModel::loadViewData(const google::protobuf::Message* message, hint_t hint)
{
    const auto* data = dynamic_cast<const serializedPlanformixData*>(message);
    QString problem;
    if (!data || building || !DocumentCheck::isBuildable(*data, problem))
        return;
    if (buildPlane(*data, hint) == BuildResult::NoMemory)
        refuse(tr("There is not enough memory to build this document."));
}

PlaneModel::BuildResult PlaneModel::buildPlane(const serializedPlanformixData& data, hint_t hint)
{
    // Every panel is built away from the plane, which stays whole and shown
    // until the new one is complete: the wing's root chord and first panel
    // are the document's, not the plane's. So the panels, the first among
    // them, are built side by side, and a stopped build leaves the plane as
    // it was. A large plane goes first, so that two large planes never take
    // the memory at once: it is held as a document meanwhile and built
    // again where the new one is stopped or runs out of memory.
    const bool wasShown = state == DocumentState::Shown;
    if (givenUpWhileReplaced()) {
        try {
            serializedPlanformixData kept;
            saveViewData(kept);
            heldDocument = kept.SerializeAsString();
        } catch (const std::bad_alloc&) {
            // Nothing is given up yet.
            std::string().swap(heldDocument);
            return BuildResult::NoMemory;
        }
    }
    setState(DocumentState::BeingReplaced);
    bool outOfMemory = false;
    bool complete = false;
    try {
        if (wasShown && !heldDocument.empty())
            replacePanels({});
        complete = buildPanels(data, hint, true);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory)
        MemoryReserve::release();
    if (complete) {
        setState(DocumentState::Shown);
        return BuildResult::Built;
    }
    // What the failed build took is freed by now.
    if (heldDocument.empty())
        setState(DocumentState::Shown);
    else if (wasShown)
        restoreHeldDocument();
    else
        setState(DocumentState::HeldNotBuilt);
    return outOfMemory ? BuildResult::NoMemory : BuildResult::Stopped;
}

void PlaneModel::restoreHeldDocument()
{
    giveMemoryBack();
    // The plane was there a moment ago, so it is built again in full;
    // nothing can stop that.
    bool built = false;
    try {
        serializedPlanformixData kept;
        built = kept.ParseFromString(heldDocument) && buildPanels(kept, UNDO_REDO, false);
    } catch (const std::bad_alloc&) {
        built = false;
    }
    if (built) {
        setState(DocumentState::Shown);
        return;
    }
    MemoryReserve::release();
    giveMemoryBack();
    setState(DocumentState::HeldNotBuilt);
}

bool PlaneModel::recoverDocument(std::string document)
{
    MemoryReserve::release();
    if (document.empty() || building)
        return state == DocumentState::Shown;
    heldDocument.swap(document);
    setState(DocumentState::BeingReplaced);
    try {
        // What the failed edit left goes before the document is built.
        replacePanels({});
    } catch (const std::bad_alloc&) {
    }
    std::string().swap(document);
    restoreHeldDocument();
    return state == DocumentState::Shown;
}

bool PlaneModel::buildPanels(const serializedPlanformixData& data, hint_t hint, bool stoppable)
{
    const int count = data.panels_size();
    const float wingRootChord = count > 0 ? data.panels(0).rootchord() : -1.0f;
    long long total = 0;
    std::vector<long long> work(static_cast<std::size_t>(count), 0);
    for (int i = 0; i < count; ++i)
        total += work[std::size_t(i)] = openWork(data.panels(i));
    std::atomic<long long> done{0};
    std::vector<PanelCodec::Records> records(static_cast<std::size_t>(count));
    std::vector<std::unique_ptr<Panel>> built(static_cast<std::size_t>(count));
    QThread* const home = QThread::currentThread();
    const auto report = loadProgress;
    building = true;
    bool complete = false;
    std::exception_ptr failure;
    try {
        complete = PanelsTableModel::buildInOrder(
            count,
            [&](int i) {
                records[std::size_t(i)] = PanelCodec::recordsFrom(data.panels(i));
                return PanelsTableModel::expectedIdDraws(records[std::size_t(i)].covering,
                                                         int(DocumentCheck::ribsBuilt(data.panels(i))));
            },
            [&](int i) {
                // Rib by rib, so that one large panel shows its progress too.
                const long long whole = work[std::size_t(i)];
                const long long ribs = DocumentCheck::ribsBuilt(data.panels(i));
                const long long perRib = ribs > 0 ? (whole - 1000) / ribs : 0;
                long long counted = 0;
                ConcurrentWork::StepReport steps([&] {
                    if (counted + perRib <= whole) {
                        counted += perRib;
                        done += perRib;
                    }
                });
                PlaneAccess::WingBlock wing(wingRootChord, 1);
                built[std::size_t(i)].reset(PanelCodec::panelFrom(i + 1, data.panels(i), records[std::size_t(i)]));
                built[std::size_t(i)]->getPanelBaseData().moveToThread(home);
                done += whole - counted;
            },
            report ? std::function<bool()>([&] { return report(done.load(), total) || !stoppable; })
                   : std::function<bool()>());
        // Here, not on the workers, where running short could not be refused.
        if (complete)
            for (std::unique_ptr<Panel>& panel : built)
                panel->getPanelBaseData().watchTableModels();
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure) {
        // Out of the catch block first: what follows allocates.
        building = false;
        runDeferredChanges(hint != FILE_LOAD);
        std::rethrow_exception(failure);
    }
    std::vector<Panel*> panels;
    panels.reserve(built.size());
    for (std::unique_ptr<Panel>& panel : built)
        panels.push_back(panel.release());
    if (!complete) {
        discardPanels(std::move(panels));
        building = false;
        runDeferredChanges(hint != FILE_LOAD);
        return false;
    }

    // Past this point nothing is stopped any more: the progress shows no
    // Cancel from here on.
    if (report)
        report(total, total);
    building = false;
    replacePanels(std::move(panels), fromUtf8(data.planename()));
    for (const serializedPlanformixData::serializedViewData& view : data.views())
        if (Observer* observer = findObserverByName(fromUtf8(view.observername())))
            observer->loadViewData(&view, hint);
    runDeferredChanges(hint != FILE_LOAD);
    return true;
}

void PlaneModel::replacePanels(std::vector<Panel*> panels, const QString& name)
{
    // As clear() and then the new panels in one step; the old panels are
    // out of the plane before they go.
    resetBaseData();
    std::vector<Panel*> old = panelsModel.takePanels();
    notifyObservers();
    setName(name, true);
    panelsModel.appendPanels(std::move(panels));
    const bool wasBuilding = building;
    building = true;
    discardPanels(std::move(old));
    building = wasBuilding;
}

void PlaneModel::giveMemoryBack()
{
    // Panels are built on worker threads, whose memory pools the next
    // build's workers need not draw from again: the freed pages go back to
    // the system, so that a plane freed and the next one built do not add
    // up. For a large plane that takes most of a second, so it runs beside
    // the window, which is kept painted.
#ifdef __GLIBC__
    std::future<int> trimmed;
    try {
        trimmed = std::async(std::launch::async, [] { return malloc_trim(0); });
    } catch (const std::exception&) {
        malloc_trim(0);
        return;
    }
    while (trimmed.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready)
        if (loadProgress)
            loadProgress(0, 0);
#endif
}

void PlaneModel::discardPanels(std::vector<Panel*> panels)
{
    // A large plane takes most of a second to free: the window is kept
    // painted meanwhile, as while it was built. Nothing can be stopped here.
    QElapsedTimer clock;
    clock.start();
    DocumentLimits::Size size;
    for (const Panel* panel : panels)
        if (panel)
            size += DocumentLimits::panelSize(panel->getPanelBaseData());
    const bool large = estimatedBytes(size) > keptDuringRebuild;
    for (Panel*& panel : panels) {
        delete panel;
        panel = nullptr;
        if (loadProgress && clock.elapsed() >= 20) {
            loadProgress(0, 0);
            clock.restart();
        }
    }
    // A few tens of milliseconds, worth it for a large plane only.
    if (large)
        giveMemoryBack();
}

// ------------------------------------------------------------------- plane

void PlaneModel::observedObjectChanged(Observable* sender)
{
    if (!dynamic_cast<PanelsTableModel*>(sender))
        return;
    recalculateSpanAndArea(summaryOptions.getConsiderDihedral());
    notifyObservers();
}

void PlaneModel::recalculateSpanAndArea(bool considerDihedral)
{
    span = 2.0f * panelsModel.getWingHalfSpan(considerDihedral);
    area = 2.0f * panelsModel.getWingHalfArea(considerDihedral);
}

QString PlaneModel::getName() const
{
    return planeName;
}

void PlaneModel::setName(const QString& name, bool notify)
{
    planeName = name;
    // A plane held unbuilt is saved as its document: the name goes there.
    if (state == DocumentState::HeldNotBuilt) {
        try {
            serializedPlanformixData held;
            if (held.ParseFromString(heldDocument)) {
                held.set_planename(toUtf8(name));
                held.SerializeToString(&heldDocument);
            }
        } catch (const std::bad_alloc&) {
        }
    }
    if (notify)
        notifyObservers();
}

void PlaneModel::resetName()
{
    planeName = defaultPlaneName();
    notifyObservers();
}

int PlaneModel::getUnits() const
{
    return summaryOptions.getUnits();
}

void PlaneModel::setUnits(int units)
{
    summaryOptions.setUnits(units);
    notifyObservers();
}

bool PlaneModel::getConsiderDihedral() const
{
    return summaryOptions.getConsiderDihedral();
}

void PlaneModel::setConsiderDihedral(bool on)
{
    summaryOptions.setConsiderDihedral(on);
    recalculateSpanAndArea(on);
    notifyObservers();
}

float PlaneModel::getSpan() const
{
    return span;
}

float PlaneModel::getArea() const
{
    return area;
}

int PlaneModel::getPanelCount() const
{
    return panelsModel.getNoOfPanels();
}

const std::list<Panel*>& PlaneModel::getPanelList() const
{
    return panelsModel.getPanels();
}

PanelsTableModel* PlaneModel::getPanelsTableModel()
{
    return &panelsModel;
}

PanelsTableModel* PlaneModel::getTableModel()
{
    return &panelsModel;
}

float PlaneModel::getRootChord() const
{
    if (panelsModel.getNoOfPanels() == 0)
        return -1.0f;
    return panelsModel.getFirstPanelRootChord();
}

bool PlaneModel::addPanel(Panel* panel)
{
    panelsModel.appendPanel(panel);
    return true;
}

int PlaneModel::getModelVersion() const
{
    return modelVersion;
}

float PlaneModel::getFuselageLength(bool* userDefined) const
{
    if (fuselage.fuselageLength != -1.0f) {
        if (userDefined)
            *userDefined = true;
        return fuselage.fuselageLength;
    }
    if (userDefined)
        *userDefined = false;
    const float fromSpan = 0.8f * span;
    const float fromChord = 1.4f * getRootChord();
    return fromSpan >= fromChord ? fromSpan : fromChord;
}

float PlaneModel::getWingPosition(bool* userDefined) const
{
    if (fuselage.wingPosition != -1.0f) {
        if (userDefined)
            *userDefined = true;
        return fuselage.wingPosition;
    }
    if (userDefined)
        *userDefined = false;
    return 0.2f * getFuselageLength(nullptr);
}

void PlaneModel::setFuselageLength(float length)
{
    fuselage.fuselageLength = length;
}

void PlaneModel::setWingPosition(float position)
{
    fuselage.wingPosition = position;
}

int PlaneModel::getNextId()
{
    // Taken while the lock is held: read after unlocking, two threads could
    // both see the second increment.
    QMutexLocker locker(&idMutex);
    return ++lastId;
}

int PlaneModel::takeIds(int count)
{
    QMutexLocker locker(&idMutex);
    const int first = lastId + 1;
    lastId += std::max(count, 0);
    return first;
}

float PlaneModel::getMaxRibLength(std::list<RibDefinition>::const_iterator first,
                                  std::list<RibDefinition>::const_iterator end, float scale, int count)
{
    float longest = 0.0f;
    for (int i = 0; i < count && first != end; ++i, ++first) {
        const float length = first->getChord() - first->getTEDepth(scale);
        if (length > longest)
            longest = length;
    }
    return longest;
}

float PlaneModel::getFirstRibThickness() const
{
    if (panelsModel.getNoOfPanels() == 0)
        return 0.0f;
    const RibList ribs = panelsModel.getPanels().front()->getRibList();
    if (ribs.getRibCount() == 0)
        return 0.0f;
    return ribs.getFirstRib().thickness;
}

void PlaneModel::resetBaseData()
{
    summaryOptions.setUnits(0);
    summaryOptions.setConsiderDihedral(true);
    const bool historyWasOn = getHistoryRecordingEnabled();
    setHistoryRecordingEnabled(false);
    planeName = QString();
    setHistoryRecordingEnabled(historyWasOn);
}

void PlaneModel::clear()
{
    setState(DocumentState::Shown);
    resetBaseData();
    panelsModel.clear();
    notifyObservers();
}

#include "document/FileManager.h"

#include "document/PlaneModel.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/DialogSeam.h"
#include "foundation/MemoryReserve.h"
#include "foundation/ModalProgress.h"
#include "foundation/Observable.h"
#include "planformixdata.pb.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProgressDialog>
#include <QWidget>
#include <memory>
#include <new>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("FileManager", text);
}

void setActionEnabled(QAction* action, bool enabled)
{
    if (action)
        action->setEnabled(enabled);
}

// File names cross the document interface as UTF-8, so that any name the
// user can type reaches the file system unchanged.
std::string toDocumentPath(const QString& path)
{
    return path.toUtf8().toStdString();
}

// Keeps the window alive while the panels of a document are built on
// worker threads: every report paints what needs painting and, once the
// work has taken a moment, shows how far it has come with a Cancel button.
// The dialog is application modal, so no input reaches the main window
// meanwhile; changes to the plane that arrive otherwise (queued calls,
// timers) wait until the new plane is in place (PlaneModel::deferChange).
class BuildProgress
{
public:
    BuildProgress(QWidget* parent, PlaneModel* plane, const QString& title)
        : parent(parent)
        , plane(plane)
        , title(title)
    {
        clock.start();
        if (plane)
            plane->setLoadProgress([this](long long done, long long total) { return report(done, total); });
    }
    ~BuildProgress()
    {
        if (plane)
            plane->setLoadProgress(nullptr);
    }
    BuildProgress(const BuildProgress&) = delete;
    BuildProgress& operator=(const BuildProgress&) = delete;

private:
    bool report(long long done, long long total)
    {
        if (!dialog && clock.elapsed() >= ModalProgress::shownAfterMs)
            dialog = ModalProgress::open(parent, title, tr("Building the ribs of the document..."), tr("Cancel"));
        if (!dialog || dialog->wasCanceled()) {
            // Nothing to click yet, or the pieces still running finish after
            // a Cancel: paint, but take no input.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return !dialog;
        }
        const int value = total > 0 ? int(std::min(done, total) * ModalProgress::steps / total) : 0;
        if (total > 0 && value >= ModalProgress::steps && !cancelTaken) {
            // Every panel is built, or all but a sliver: what follows cannot
            // be stopped, so no Cancel is offered at the end. Taken away
            // before the full bar shows, whose painting takes clicks.
            dialog->setCancelButton(nullptr);
            cancelTaken = true;
        }
        if (total > 0)
            dialog->setValue(value);
        QCoreApplication::processEvents();
        return !dialog->wasCanceled();
    }

    QWidget* parent;
    PlaneModel* plane;
    QString title;
    QElapsedTimer clock;
    std::unique_ptr<QProgressDialog> dialog;
    bool cancelTaken = false;
};

} // namespace

FileManager::FileManager(QWidget* mainWindow, const QString& title, QAction* saveAction, QAction* saveAsAction,
                         QAction* undoAction, QAction* redoAction, const QString& filter,
                         const QString& extension, SerializeableIf* document)
    : Observer(QStringLiteral("FileManager"), false)
    , saveAction(saveAction)
    , saveAsAction(saveAsAction)
    , undoAction(undoAction)
    , redoAction(redoAction)
    , filter(filter)
    , extension(extension)
    , document(document)
    , mainWindow(mainWindow)
    , title(title)
{
    setActionEnabled(saveAction, false);
    setActionEnabled(saveAsAction, false);
    updateWindowTitle(QString(), false);
    resetHistory();
}

FileManager::~FileManager() = default;

void FileManager::setFilter(const QString& newFilter)
{
    filter = newFilter;
}

void FileManager::setDocument(SerializeableIf* newDocument)
{
    document = newDocument;
}

bool FileManager::isModified() const
{
    return modified;
}

QString FileManager::getFileName() const
{
    return fileName;
}

void FileManager::updateWindowTitle(const QString& newFileName, bool showModified)
{
    fileName = newFileName;
    if (!mainWindow)
        return;
    QString text = title + QLatin1Char(' ') + ApplicationSettings::getApplicationVersion();
    if (!fileName.isEmpty())
        text += QStringLiteral(" - ") + fileName;
    if (showModified)
        text += QLatin1Char('*');
    mainWindow->setWindowTitle(text);
}

Observable* FileManager::documentObservable() const
{
    return dynamic_cast<Observable*>(document);
}

bool FileManager::modificationTrackingOn() const
{
    const Observable* observable = documentObservable();
    return !observable || observable->getModificationTrackingEnabled();
}

bool FileManager::historyRecordingOn() const
{
    const Observable* observable = documentObservable();
    return observable && observable->getHistoryRecordingEnabled();
}

void FileManager::setModified(bool newModified)
{
    if (modificationTrackingOn() && modified != newModified) {
        modified = newModified;
        updateWindowTitle(fileName, modified);
    }
    setActionEnabled(saveAction, modified);
    if (modified)
        setActionEnabled(saveAsAction, true);
    if (historyRecordingOn())
        storeHistoryState();
}

void FileManager::observedObjectChanged(Observable*)
{
    // Every change of the model is an edit: marked (while tracked) and
    // recorded (while recorded) exactly as an explicit mark would be.
    setModified(true);
}

void FileManager::saveViewData(serializedPlanformixData&)
{
}

void FileManager::loadViewData(const google::protobuf::Message*, SerializeableIf::hint_t)
{
}

bool FileManager::saveFile(bool saveAs)
{
    if (!document)
        return false;

    QString name;
    if (!saveAs && !fileName.isEmpty()) {
        name = fileName;
    } else {
        // The dialog completes a bare name with the suffix itself, so its own
        // overwrite question covers the name that is really written.
        QString suffix = extension;
        if (suffix.startsWith(QLatin1Char('.')))
            suffix.remove(0, 1);
        name = DialogSeam::saveFileName(mainWindow, saveAs ? tr("Save file as...") : tr("Save file"),
                                        dialogFolder(), filter, suffix);
        if (name.isEmpty())
            return false;
    }
    if (!name.endsWith(extension)) {
        name += extension;
        // Nobody has been asked about this completed name yet.
        if (QFileInfo::exists(name)) {
            const QMessageBox::StandardButton answer = DialogSeam::message(
                mainWindow, QMessageBox::Warning, tr("Save file"),
                tr("The file '%1' already exists.\nDo you want to replace it?").arg(name),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            if (answer != QMessageBox::Yes)
                return false;
        }
    }

    std::string target = toDocumentPath(name);
    bool saved = false;
    bool outOfMemory = false;
    try {
        saved = !target.empty() && document->save(target);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory) {
        // The file on disk is untouched: it is replaced only once complete.
        MemoryReserve::release();
        DialogSeam::warning(mainWindow, tr("Save file"),
                            tr("There is not enough memory to save the document; the file '%1' is left as it was.")
                                .arg(name),
                            QMessageBox::Ok);
        MemoryReserve::keep();
        return false;
    }
    if (!saved)
        return false;

    adoptFile(name);
    return true;
}

bool FileManager::confirmDiscardOrSave()
{
    const int answer = DialogSeam::choice(
        mainWindow, QMessageBox::Warning, tr("Unsaved changes detected"),
        tr("<p align='center'>Document contains unsaved changes.<br>"
           "Do you really want to close the document and lose your work?</p>"),
        QStringList{tr("&Yes, do it!"), tr("&No, save first!")}, 0, -1);
    if (answer == 1)
        return saveFile(false);
    return true;
}

bool FileManager::openFile(const QString& requestedName)
{
    if (!document)
        return false;
    if (modified && !confirmDiscardOrSave())
        return false;

    QString name = requestedName;
    if (name.isEmpty()) {
        name = DialogSeam::openFileName(mainWindow, tr("Open file"), dialogFolder(), filter);
        if (name.isEmpty())
            return false;
    }

    PlaneModel* plane = dynamic_cast<PlaneModel*>(document);
    // A plane given up on the way is no edit: a refused file leaves the
    // document unmarked and its history as it was, and an opened one
    // starts both afresh.
    Observable* observable = documentObservable();
    const bool historyWasOn = observable && observable->getHistoryRecordingEnabled();
    const bool trackingWasOn = observable && observable->getModificationTrackingEnabled();
    if (observable) {
        observable->setHistoryRecordingEnabled(false);
        observable->setModificationTrackingEnabled(false);
    }
    bool loaded = false;
    bool outOfMemory = false;
    try {
        BuildProgress progress(mainWindow, plane, tr("Opening document"));
        loaded = document->load(toDocumentPath(name), true, SerializeableIf::FILE_LOAD);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (observable) {
        observable->setModificationTrackingEnabled(trackingWasOn);
        observable->setHistoryRecordingEnabled(historyWasOn);
    }
    if (!loaded) {
        // Whatever went wrong, the document that was open is still the
        // user's, with its file, its mark and its history; a stop asked for
        // needs no words, unless the document could not be shown again.
        if (outOfMemory)
            MemoryReserve::release();
        const bool quiet = !outOfMemory && plane && plane->wasLoadStopped()
                           && plane->getDocumentState() != PlaneModel::DocumentState::HeldNotBuilt;
        if (!quiet) {
            QString text = tr("Error loading file '%1'").arg(name);
            if (outOfMemory)
                text += QStringLiteral("\n\n") + tr("There is not enough memory to open it.");
            else if (plane && !plane->getLoadProblem().isEmpty())
                text += QStringLiteral("\n\n") + plane->getLoadProblem();
            DialogSeam::warning(mainWindow, tr("Error loading file"), text, QMessageBox::Ok);
        }
        MemoryReserve::keep();
        return false;
    }

    adoptFile(name);
    return true;
}

bool FileManager::closeFile(bool force)
{
    if (!force && modified && !confirmDiscardOrSave())
        return false;

    if (PlaneModel* plane = dynamic_cast<PlaneModel*>(document))
        plane->clear();
    setModified(false);
    updateWindowTitle(QString(), false);
    resetHistory();
    return true;
}

QString FileManager::dialogFolder() const
{
    return DialogSeam::startFolder(ApplicationSettings::getInstance()->getLastDirectory());
}

void FileManager::adoptFile(const QString& name)
{
    updateWindowTitle(name, false);
    setModified(false);
    resetHistory();
    ApplicationSettings* settings = ApplicationSettings::getInstance();
    settings->setLastDirectory(QFileInfo(name).absoluteFilePath());
    settings->saveSetting(ApplicationSettings::KeyLastDirectory);
}

int FileManager::nextSlot(int slot)
{
    return (slot + 1) % historySize;
}

int FileManager::previousSlot(int slot)
{
    return (slot + historySize - 1) % historySize;
}

void FileManager::storeHistoryState()
{
    if (!document)
        return;
    bool outOfMemory = false;
    if (!recordState(outOfMemory))
        tellStepNotRecorded(outOfMemory);
    retellHeldState();
}

bool FileManager::recordState(bool& outOfMemory)
{
    std::string& slot = history.at(size_t(current));
    std::string().swap(slot);
    bool stored = false;
    try {
        stored = document->save(slot);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (!stored || slot.empty()) {
        // The document shown is in no slot now: an undo from here would
        // skip it, and a redo could never reach it. The history starts
        // afresh with the next change instead, and what it held is freed.
        for (std::string& state : history)
            std::string().swap(state);
        current = 0;
        oldest = 0;
        newest = 0;
        setActionEnabled(undoAction, false);
        setActionEnabled(redoAction, false);
        return false;
    }
    current = nextSlot(current);
    if (current == oldest)
        oldest = nextSlot(oldest);
    newest = current;
    setActionEnabled(undoAction, true);
    setActionEnabled(redoAction, false);
    return true;
}

void FileManager::tellStepNotRecorded(bool outOfMemory)
{
    MemoryReserve::release();
    try {
        DialogSeam::warning(mainWindow, tr("Undo"),
                            outOfMemory ? tr("There is not enough memory to record this change for Undo. The change "
                                             "stands, but it and the changes before it cannot be undone.")
                                        : tr("This change could not be recorded for Undo. The change stands, but it "
                                             "and the changes before it cannot be undone."),
                            QMessageBox::Ok);
    } catch (const std::bad_alloc&) {
        // Not even the box fits: the change and the document stand all the same.
    }
    MemoryReserve::keep();
}

void FileManager::retellHeldState()
{
    if (auto* plane = dynamic_cast<PlaneModel*>(document))
        plane->retellHeldState();
}

bool FileManager::hasUndoOrRedo() const
{
    return previousSlot(current) != oldest || current != newest;
}

bool FileManager::restoreSnapshot(const std::string& snapshot, const QString& progressTitle)
{
    Observable* observable = documentObservable();
    const bool notificationsWereOn = observable ? observable->getNotificationsEnabled() : false;
    const bool historyWasOn = observable ? observable->getHistoryRecordingEnabled() : false;
    if (observable) {
        observable->setNotificationsEnabled(false);
        observable->setHistoryRecordingEnabled(false);
    }

    bool loaded = false;
    bool outOfMemory = false;
    try {
        BuildProgress progress(mainWindow, dynamic_cast<PlaneModel*>(document), progressTitle);
        loaded = document->load(snapshot, false, SerializeableIf::UNDO_REDO);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }

    PlaneModel* plane = dynamic_cast<PlaneModel*>(document);
    if (outOfMemory) {
        MemoryReserve::release();
        DialogSeam::warning(mainWindow, progressTitle, tr("There is not enough memory for this step."),
                            QMessageBox::Ok);
    } else if (!loaded && plane && !plane->getLoadProblem().isEmpty()
               && (!plane->wasLoadStopped()
                   || plane->getDocumentState() == PlaneModel::DocumentState::HeldNotBuilt)) {
        DialogSeam::warning(mainWindow, progressTitle, plane->getLoadProblem(), QMessageBox::Ok);
    }
    if (!loaded)
        MemoryReserve::keep();

    if (observable) {
        // A refused snapshot left the document as it was: let the views
        // redraw, but do not mark an unchanged document modified.
        const bool trackingWasOn = observable->getModificationTrackingEnabled();
        if (!loaded)
            observable->setModificationTrackingEnabled(false);
        observable->setNotificationsEnabled(notificationsWereOn);
        observable->setModificationTrackingEnabled(trackingWasOn);
        observable->setHistoryRecordingEnabled(historyWasOn);
    }
    return loaded;
}

void FileManager::undo()
{
    if (!document)
        return;
    const int target = previousSlot(current);
    // An empty slot holds no state (the history was given up).
    if (target == oldest || history.at(size_t(previousSlot(target))).empty())
        return;
    if (!restoreSnapshot(history.at(size_t(previousSlot(target))), tr("Undo")))
        return;
    current = target;
    setActionEnabled(undoAction, previousSlot(current) != oldest);
    setActionEnabled(redoAction, true);
}

void FileManager::redo()
{
    if (!document || current == newest || history.at(size_t(current)).empty())
        return;
    if (!restoreSnapshot(history.at(size_t(current)), tr("Redo")))
        return;
    current = nextSlot(current);
    if (current == oldest)
        oldest = nextSlot(oldest);
    setActionEnabled(undoAction, true);
    setActionEnabled(redoAction, current != newest);
}

bool FileManager::rebuildDocument(const std::function<void(serializedPlanformixData&)>& change,
                                  const QString& progressTitle)
{
    PlaneModel* plane = dynamic_cast<PlaneModel*>(document);
    if (!plane)
        return false;
    std::string changed;
    bool outOfMemory = false;
    try {
        serializedPlanformixData data;
        plane->saveViewData(data);
        change(data);
        changed = data.SerializeAsString();
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory) {
        // Nothing of the plane has been touched.
        MemoryReserve::release();
        DialogSeam::warning(mainWindow, progressTitle, tr("There is not enough memory for this step."),
                            QMessageBox::Ok);
        MemoryReserve::keep();
        return false;
    }
    if (!restoreSnapshot(changed, progressTitle))
        return false;
    // The restore told the views and marked the document; the edit is one
    // undo step.
    if (historyRecordingOn())
        storeHistoryState();
    return true;
}

void FileManager::resetHistory()
{
    current = 0;
    oldest = 0;
    newest = 0;
    history.assign(size_t(historySize), std::string());
    // The document matches its file here: nothing is lost when it is not
    // recorded.
    bool outOfMemory = false;
    if (document)
        recordState(outOfMemory);
    setActionEnabled(undoAction, false);
    setActionEnabled(redoAction, false);
    retellHeldState();
}

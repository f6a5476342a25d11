#pragma once

#include "foundation/Observer.h"

#include <QString>
#include <deque>
#include <functional>
#include <string>

class QAction;
class QWidget;
class Observable;

// Ties the plane document to its file and to the main window: the file
// name and the unsaved-changes mark (both shown in the window title), the
// questions before work is thrown away, the file dialogs, and undo/redo over
// whole-document snapshots.
//
// Every notification of the document with history recording on becomes one
// undo step. The ring keeps 20 slots; the slot at `current` is the next one
// written, the state on screen sits in the slot before it.
class FileManager : public Observer
{
public:
    FileManager(QWidget* mainWindow, const QString& title, QAction* saveAction, QAction* saveAsAction,
                QAction* undoAction, QAction* redoAction, const QString& filter, const QString& extension,
                SerializeableIf* document);
    ~FileManager() override;

    void setDocument(SerializeableIf* document);
    // The file-type filter of the file dialogs, set anew with the language.
    void setFilter(const QString& filter);
    bool isModified() const;
    QString getFileName() const;

    void updateWindowTitle(const QString& fileName, bool modified);
    void setModified(bool modified);

    void observedObjectChanged(Observable* observable) override;
    void saveViewData(serializedPlanformixData& data) override;
    void loadViewData(const google::protobuf::Message* data, SerializeableIf::hint_t hint) override;

    // True when the document was written.
    bool saveFile(bool saveAs);
    // True when the open document was given up for the file. A cancelled
    // dialog, a refused question, a file that cannot be loaded, a stopped
    // build and a shortage of memory all give false, and the open document
    // keeps its content, its modified mark and its undo history (it may be
    // held unbuilt, see PlaneModel::DocumentState).
    bool openFile(const QString& fileName);
    // True when the document was closed (emptied).
    bool closeFile(bool force);

    void undo();
    void redo();
    void resetHistory();
    // Whether Undo or Redo has a step to go to.
    bool hasUndoOrRedo() const;
    // One edit of the whole plane, made on the plane as a document by
    // change and built the way an undo state is: away from the plane, with
    // its progress under title and a Cancel that leaves the plane as it
    // was. True when the plane took the change (one undo step).
    bool rebuildDocument(const std::function<void(serializedPlanformixData&)>& change, const QString& title);

    static constexpr int historySize = 20;

private:
    Observable* documentObservable() const;
    bool modificationTrackingOn() const;
    bool historyRecordingOn() const;
    // Asks before unsaved changes are lost; false when the user chose to
    // save first and that save did not happen.
    bool confirmDiscardOrSave();
    // After a successful open or save the document is that file: its name
    // in the title, nothing unsaved, the history starting from it, and the
    // next file dialog opening where it lies.
    void adoptFile(const QString& name);
    // Where the open and save dialogs start: the folder of the last document,
    // never a name to be taken for a file.
    QString dialogFolder() const;
    // Records the document as the next undo step; one that cannot be
    // recorded is told, and the history starts afresh after it.
    void storeHistoryState();
    // False when the document could not be recorded; the history is then
    // empty.
    bool recordState(bool& outOfMemory);
    void tellStepNotRecorded(bool outOfMemory);
    void retellHeldState();
    // Runs a restore with notifications and history recording off, then puts
    // both back (notifications first, so the views redraw without a new
    // undo state being stored). A long restore shows its progress under
    // title and can be stopped; the document is then as before.
    bool restoreSnapshot(const std::string& snapshot, const QString& title);
    static int nextSlot(int slot);
    static int previousSlot(int slot);

    std::deque<std::string> history;
    int current = 0;
    int oldest = 0;
    int newest = 0;
    bool modified = false;
    QAction* saveAction;
    QAction* saveAsAction;
    QAction* undoAction;
    QAction* redoAction;
    QString fileName;
    QString filter;
    QString extension;
    SerializeableIf* document;
    QWidget* mainWindow;
    QString title;
};

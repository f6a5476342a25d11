#pragma once

#include <QString>
#include <QThread>

class Planformix;

// Loads the airfoil library away from the GUI thread while the splash screen
// shows. The library is read by nobody before finished() has arrived on the
// GUI thread, which is why it needs no lock.
//
// A missing airfoil directory does not end the process from here: the thread
// only notes it, and start-up, on the GUI thread after finished(), reports it
// and leaves the event loop with -1. Ending the process from a worker thread
// would run the process's exit handlers while the GUI thread still runs.
class InitializerThread : public QThread
{
public:
    explicit InitializerThread(Planformix* centralWidget);
    // Waits for a load still under way: the program may be ended before the
    // airfoils are in, and a thread object must not die under its thread.
    ~InitializerThread() override;

    // The absolute path of the airfoil directory that was not found; empty
    // when loading went through. Valid once finished() has been delivered.
    QString getMissingDirectory() const { return missingDirectory; }
    // The line start-up writes to standard output for it.
    QString missingDirectoryMessage() const;

protected:
    void run() override;

private:
    Planformix* centralWidget;
    QString missingDirectory;
};

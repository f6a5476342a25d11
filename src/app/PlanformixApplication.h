#pragma once

#include <QApplication>

// The program's application object. It exists so that the rest of the
// program can reach the application through the settings object
// (ApplicationSettings::getApplication) under its own type.
class PlanformixApplication : public QApplication
{
    Q_OBJECT
public:
    // argc by reference: the toolkit removes its own options from it.
    PlanformixApplication(int& argc, char** argv);
    ~PlanformixApplication() override;

    // The whole program on this application object: settings, main window,
    // splash screen and airfoil loading, then the event loop. argc and argv
    // as the constructor left them; exactly one argument is a document to
    // open. Returns the exit code.
    int runProgram(int argc, char** argv);

signals:
    // Reserved for files handed over by the desktop; nothing emits it yet.
    void fileOpenSignal(QString& fileName);

protected slots:
    bool event(QEvent* event) override;
};

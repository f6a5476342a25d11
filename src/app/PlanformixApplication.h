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

signals:
    // Reserved for files handed over by the desktop; nothing emits it yet.
    void fileOpenSignal(QString& fileName);

protected slots:
    bool event(QEvent* event) override;
};

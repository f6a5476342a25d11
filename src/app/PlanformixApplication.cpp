#include "app/PlanformixApplication.h"

#include "app/InitializerThread.h"
#include "app/MainWindow.h"
#include "app/Planformix.h"
#include "app/SplashScreen.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/CompiledResources.h"

#include <QPixmap>
#include <cstdio>

PlanformixApplication::PlanformixApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

PlanformixApplication::~PlanformixApplication() = default;

bool PlanformixApplication::event(QEvent* event)
{
    return QApplication::event(event);
}

int PlanformixApplication::runProgram(int argc, char** argv)
{
    CompiledResources::ensureLoaded();
    ApplicationSettings::getInstance()->setApplication(this);

    // Counted after the constructor has taken out the toolkit's own options.
    QString fileName;
    if (argc == 2)
        fileName = QString::fromUtf8(argv[1]);

    Planformix* centralWidget = new Planformix(nullptr);
    MainWindow window(fileName, nullptr);
    // An imported airfoil shows up in the panel dialog without a restart.
    QObject::connect(&window, &MainWindow::airfoilListChanged, centralWidget, &Planformix::airfoilListChanged);

    // It closes itself after the main window is shown and goes at the end
    // of this scope; the close timer dies with it if the program ends first.
    SplashScreen splash(1500);
    splash.setPixmap(QPixmap(QStringLiteral(":/images/images/splash.png")));
    splash.show();

    InitializerThread thread(centralWidget);
    window.setCentralWidget(centralWidget);
    // Delivered on the GUI thread after the loading has ended. A missing
    // airfoil directory is reported here rather than from the loading
    // thread, so the process ends through the event loop with everything
    // still in one piece.
    QObject::connect(&thread, &QThread::finished, &window, [&thread, &window] {
        const QString missing = thread.getMissingDirectory();
        if (!missing.isEmpty()) {
            std::printf("%s\n", thread.missingDirectoryMessage().toLocal8Bit().constData());
            std::fflush(stdout);
            QCoreApplication::exit(-1);
            return;
        }
        window.foilsLoaded();
    });
    QObject::connect(&thread, &QThread::finished, &splash, &SplashScreen::closeSplashScreen);
    thread.start(QThread::InheritPriority);

    setStyleSheet(QStringLiteral("QGroupBox::title{ margin: 0px }"));

    // The thread object goes first at the end of this scope; it waits for a
    // load still under way, so the loop may end at any time.
    return exec();
}

#include "app/InitializerThread.h"
#include "app/MainWindow.h"
#include "app/Planformix.h"
#include "app/PlanformixApplication.h"
#include "app/SplashScreen.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/CompiledResources.h"

#include <QPixmap>
#include <QTimer>
#include <google/protobuf/stubs/common.h>
#include <cstdio>

namespace {

// Test hook, for the start-up test only: with PLANFORMIX_TEST_QUIT_AFTER_MS
// set to a number of milliseconds, the program writes the window title to
// standard output that long after the main window was shown and then leaves
// through the Exit command, so a test can start the real program on a
// document and see it end by itself. Unset, nothing of this runs.
void armTestQuitHook(MainWindow& window)
{
    bool ok = false;
    const int delay = qEnvironmentVariableIntValue("PLANFORMIX_TEST_QUIT_AFTER_MS", &ok);
    if (!ok || delay < 0)
        return;
    QTimer::singleShot(delay, &window, [&window] {
        std::printf("window title: %s\n", window.windowTitle().toUtf8().constData());
        std::fflush(stdout);
        window.close();
    });
}

} // namespace

int main(int argc, char** argv)
{
    // Checks the runtime against the headers the document code was really
    // generated and compiled with; fixed numbers of an older release would
    // refuse every current runtime.
    GOOGLE_PROTOBUF_VERIFY_VERSION;

    PlanformixApplication app(argc, argv);
    CompiledResources::ensureLoaded();
    ApplicationSettings::getInstance()->setApplication(&app);

    // Read after the application object has taken out the toolkit's own
    // options: exactly one argument left is a document to open.
    QString fileName;
    if (argc == 2)
        fileName = QString::fromUtf8(argv[1]);

    Planformix* centralWidget = new Planformix(nullptr);
    MainWindow window(fileName, nullptr);
    // An imported airfoil shows up in the panel dialog without a restart.
    QObject::connect(&window, &MainWindow::airfoilListChanged, centralWidget, &Planformix::airfoilListChanged);

    // Never deleted: it closes itself after the main window is shown.
    SplashScreen* splash = new SplashScreen(1500);
    splash->setPixmap(QPixmap(QStringLiteral(":/images/images/splash.png")));
    splash->show();

    InitializerThread thread(centralWidget);
    window.setCentralWidget(centralWidget);
    // Delivered on the GUI thread after the loading has ended. A missing
    // airfoil directory is reported here rather than from the loading
    // thread, so the process ends through the event loop with everything
    // still in one piece.
    QObject::connect(&thread, &QThread::finished, &window, [&thread, &window, &app] {
        const QString missing = thread.getMissingDirectory();
        if (!missing.isEmpty()) {
            std::printf("%s\n", thread.missingDirectoryMessage().toLocal8Bit().constData());
            std::fflush(stdout);
            app.exit(-1);
            return;
        }
        window.foilsLoaded();
        armTestQuitHook(window);
    });
    QObject::connect(&thread, &QThread::finished, splash, &SplashScreen::closeSplashScreen);
    thread.start(QThread::InheritPriority);

    app.setStyleSheet(QStringLiteral("QGroupBox::title{ margin: 0px }"));

    // The thread object goes first at the end of this scope; it waits for a
    // load still under way, so the loop may end at any time.
    return app.exec();
}

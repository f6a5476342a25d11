#include "app/MainWindow.h"
#include "app/PlanformixApplication.h"
#include "document/PlaneModel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Starts the program in a child process (it needs a display for its 3D
// views). The real binary does not end by itself, so the cases that open the
// main window start this executable again as the program: the same start-up
// code, plus a watcher that closes the main window shortly after it appears.
namespace {

const QString program = QStringLiteral(PLANFORMIX_BINARY_DIR "/bin/planformix");
const char* const asProgram = "TST_PROGRAMSTART_AS_PROGRAM";

// Prints the title of the shown main window, then closes it as the user's
// close box would.
void closeMainWindowOnceShown(QApplication& app)
{
    QTimer* poll = new QTimer(&app);
    QObject::connect(poll, &QTimer::timeout, [poll] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            MainWindow* window = qobject_cast<MainWindow*>(w);
            if (window == nullptr || !window->isVisible())
                continue;
            poll->stop();
            QTimer::singleShot(300, window, [window] {
                std::printf("window title: %s\n", window->windowTitle().toUtf8().constData());
                std::fflush(stdout);
                window->close();
            });
            return;
        }
    });
    poll->start(20);
}

struct Run
{
    int exitCode = -1000;
    QString out;
};

Run runProgram(const QString& executable, const QStringList& arguments, const QString& configHome = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (executable != program)
        env.insert(QLatin1String(asProgram), QStringLiteral("1"));
    if (!configHome.isEmpty())
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    process.setProcessEnvironment(env);
    process.start(executable, arguments);
    Run run;
    if (!process.waitForStarted(10000))
        return run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    return run;
}

} // namespace

class TestProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void opensTheOneDocumentOfTheCommandLine_data();
    void opensTheOneDocumentOfTheCommandLine();
    void missingAirfoilDirectoryEndsWithMinusOne();

private:
    QTemporaryDir dir;
    QString document;
};

void TestProgramStart::initTestCase()
{
    QVERIFY(QFile::exists(program));
    QVERIFY(dir.isValid());
    document = dir.filePath(QStringLiteral("start glider.pfz"));
    PlaneModel* model = PlaneModel::instance();
    model->setName(QStringLiteral("Start Glider"), false);
    std::string target = document.toStdString();
    QVERIFY(model->save(target));
    delete model;
}

void TestProgramStart::opensTheOneDocumentOfTheCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("opens");
    QTest::newRow("one document") << QStringList({document}) << true;
    QTest::newRow("toolkit option and document") << QStringList({"-style", "fusion", document}) << true;
    QTest::newRow("no argument") << QStringList() << false;
    QTest::newRow("two arguments") << QStringList({document, document}) << false;
    QTest::newRow("one empty argument") << QStringList({QString()}) << false;
}

void TestProgramStart::opensTheOneDocumentOfTheCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, opens);

    const Run run = runProgram(QCoreApplication::applicationFilePath(), arguments);
    QCOMPARE(run.exitCode, 0);
    const QString expected = QStringLiteral("window title: Planformix 1.2.3") +
                             (opens ? QStringLiteral(" - ") + QFileInfo(document).absoluteFilePath() : QString());
    QVERIFY2(run.out.split('\n').contains(expected), qPrintable(run.out));
}

void TestProgramStart::missingAirfoilDirectoryEndsWithMinusOne()
{
    QTemporaryDir configHome;
    QVERIFY(configHome.isValid());
    {
        QSettings stored(configHome.filePath(QStringLiteral("Planformix/Planformix.conf")), QSettings::IniFormat);
        stored.setValue(QStringLiteral("version"), QStringLiteral("1.2.3"));
        stored.setValue(QStringLiteral("foilsDir"), QStringLiteral("../no-such-foils"));
    }
    // The real binary: this case ends without a window to close.
    const Run run = runProgram(program, {document}, configHome.path());
    QCOMPARE(run.exitCode, 255);
    QVERIFY2(run.out.contains(QStringLiteral("Foils directory /")), qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("no-such-foils not found - are you in the correct directory?\n")),
             qPrintable(run.out));
    QVERIFY(!run.out.contains(QStringLiteral("window title:")));
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(asProgram)) {
        PlanformixApplication app(argc, argv);
        closeMainWindowOnceShown(app);
        return app.runProgram(argc, argv);
    }
    QApplication app(argc, argv);
    TestProgramStart test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_programstart_gl.moc"

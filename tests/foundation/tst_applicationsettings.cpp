#include <QtTest>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "common/TestSupport.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/FPSMonitor.h"

// The settings object is a process-wide singleton over the user's store, so
// every start is played in a child process with its own config and data
// folders. The child writes what it saw into a report file.
namespace {

using Report = QMap<QString, QString>;
using Probe = std::function<void(ApplicationSettings*, Report&)>;

QString storePath(const QString& root)
{
    return root + "/config/Planformix/Planformix.conf";
}

// Writes a store as an earlier start of the program would have left it.
void writeStore(const QString& root, const QMap<QString, QVariant>& values)
{
    QSettings store(storePath(root), QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it)
        store.setValue(it.key(), it.value());
    store.sync();
}

QByteArray readStoreBytes(const QString& root)
{
    QFile file(storePath(root));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Report startProgram(const QString& root, const Probe& probe = Probe())
{
    const QString reportPath = root + "/report.ini";
    const int status = TestSupport::runInChildProcess([&] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + "/config"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(root + "/data"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root + "/config");
        Report report;
        ApplicationSettings* settings = nullptr;
        const auto output = TestSupport::captureOutput([&] { settings = ApplicationSettings::getInstance(); });
        report["stdout"] = QString::fromStdString(output.out);
        report["lastDirectory"] = settings->getLastDirectory();
        report["foilsDir"] = settings->getFoilsDir();
        report["importedFoilsDir"] = settings->getImportedFoilsDir();
        report["importedFoilsDirExists"] = QDir(settings->getImportedFoilsDir()).exists() ? "yes" : "no";
        report["version"] = settings->getVersion();
        report["antiAlias"] = settings->getAntiAlias() ? "true" : "false";
        report["language"] = settings->getLanguage();
        report["versionChanged"] = settings->isVersionChanged() ? "yes" : "no";
        report["sameInstance"] = ApplicationSettings::getInstance() == settings ? "yes" : "no";
        if (probe)
            probe(settings, report);
        QSettings out(reportPath, QSettings::IniFormat);
        for (auto it = report.begin(); it != report.end(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
    });
    Report report;
    if (status != 0)
        return report;
    QSettings in(reportPath, QSettings::IniFormat);
    for (const QString& key : in.allKeys())
        report[key] = in.value(key).toString();
    return report;
}

} // namespace

using Values = QMap<QString, QVariant>;
Q_DECLARE_METATYPE(Report)

class TestApplicationSettings : public QObject
{
    Q_OBJECT
private slots:
    void startTakesOrResetsTheStore_data();
    void startTakesOrResetsTheStore();
    void setSettingWritesThroughPlainSetterDoesNot();
    void languageDefaultFollowsGermanLocales();
    void frameRate();
};

void TestApplicationSettings::startTakesOrResetsTheStore_data()
{
    QTest::addColumn<Values>("stored");
    QTest::addColumn<Report>("expected");  // "default" stands for the program's default
    QTest::addColumn<bool>("rewritten");
    const Values mine{{"version", "1.2.3"}, {"lastDirectory", "/my/documents"}, {"foilsDir", "../my_foils"},
                      {"importedFoilsDir", "IMPORTED"}, {"antiAlias", false}, {"language", "xx"}};
    const Report defaults{{"stdout", ""}, {"versionChanged", "yes"}, {"version", "1.2.3"},
                          {"lastDirectory", "default"}, {"foilsDir", "../resources/foils_v2"},
                          {"importedFoilsDir", "default"}, {"antiAlias", "true"}, {"language", "default"}};
    QTest::newRow("first run") << Values() << defaults << true;

    Values earlier = mine;
    earlier["version"] = "1.2.2";
    Report reset = defaults;
    reset["stdout"] = "VERSION MISMATCH\n";
    QTest::newRow("earlier version") << earlier << reset << true;

    QTest::newRow("same version") << mine
        << Report{{"stdout", ""}, {"versionChanged", "no"}, {"lastDirectory", "/my/documents"},
                  {"foilsDir", "../my_foils"}, {"importedFoilsDir", "IMPORTED"}, {"antiAlias", "false"},
                  {"language", "xx"}}
        << false;
    QTest::newRow("same version, keys missing or empty")
        << Values{{"version", "1.2.3"}, {"language", "xx"}, {"foilsDir", ""}}
        << Report{{"stdout", ""}, {"versionChanged", "no"}, {"lastDirectory", "default"},
                  {"foilsDir", "../resources/foils_v2"}, {"importedFoilsDir", "default"},
                  {"antiAlias", "true"}, {"language", "xx"}}
        << false;
}

void TestApplicationSettings::startTakesOrResetsTheStore()
{
    QFETCH(Values, stored);
    QFETCH(Report, expected);
    QFETCH(bool, rewritten);
    QTemporaryDir root;
    if (stored.contains("importedFoilsDir"))
        stored["importedFoilsDir"] = root.path() + "/my/imported";
    if (!stored.isEmpty())
        writeStore(root.path(), stored);
    const QByteArray before = readStoreBytes(root.path());

    const Report report = startProgram(root.path());
    QVERIFY(!report.isEmpty());
    QCOMPARE(report["sameInstance"], QString("yes"));
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        QString value = it.value();
        if (value == "IMPORTED")
            value = root.path() + "/my/imported";
        if (value != "default")
            QVERIFY2(report[it.key()] == value, qPrintable(it.key() + ": " + report[it.key()]));
    }
    QVERIFY(report["importedFoilsDir"] == root.path() + "/my/imported"
            || report["importedFoilsDir"] == root.path() + "/data/Planformix/Planformix/Planformix/importedFoils");
    // The loader reads it at every start, so it must exist in every case.
    QCOMPARE(report["importedFoilsDirExists"], QString("yes"));
    QVERIFY(report["language"] == "en" || report["language"] == "de" || expected["language"] == "xx");
    QVERIFY(!report["lastDirectory"].isEmpty());

    if (!rewritten) {
        QCOMPARE(readStoreBytes(root.path()), before);
        return;
    }
    QSettings store(storePath(root.path()), QSettings::IniFormat);
    QCOMPARE(store.allKeys().size(), 6);
    for (const QString& key : store.allKeys())
        QCOMPARE(store.value(key).toString(), report[key]);
    // The next start finds a current store and says nothing.
    const Report again = startProgram(root.path());
    QCOMPARE(again["stdout"], QString());
    QCOMPARE(again["versionChanged"], QString("no"));
}

void TestApplicationSettings::setSettingWritesThroughPlainSetterDoesNot()
{
    QTemporaryDir root;
    writeStore(root.path(), {{"version", "1.2.3"}, {"language", "de"}, {"antiAlias", true}});
    const Report report = startProgram(root.path(), [&](ApplicationSettings* settings, Report& r) {
        settings->setLanguage("en");
        settings->setAntiAlias(false);
        QSettings store(storePath(root.path()), QSettings::IniFormat);
        r["storedAfterSetter"] = store.value("language").toString();
        settings->setSetting(ApplicationSettings::KeyLanguage, QString("en"));
        settings->setSetting(ApplicationSettings::KeyAntiAlias, false);
        QSettings reread(storePath(root.path()), QSettings::IniFormat);
        r["storedAfterSetSetting"] = reread.value("language").toString();
        r["antiAliasAfterSetSetting"] = reread.value("antiAlias").toString();
    });
    QVERIFY(!report.isEmpty());
    QCOMPARE(report["storedAfterSetter"], QString("de"));
    QCOMPARE(report["storedAfterSetSetting"], QString("en"));
    QCOMPARE(report["antiAliasAfterSetSetting"], QString("false"));
}

void TestApplicationSettings::languageDefaultFollowsGermanLocales()
{
    QCOMPARE(ApplicationSettings::defaultLanguage("de_DE"), QString("de"));
    QCOMPARE(ApplicationSettings::defaultLanguage("de_AT"), QString("de"));
    QCOMPARE(ApplicationSettings::defaultLanguage("de"), QString("en"));  // the prefix is "de_"
    QCOMPARE(ApplicationSettings::defaultLanguage("en_US"), QString("en"));
}

void TestApplicationSettings::frameRate()
{
    FPSMonitor monitor;
    QCOMPARE(monitor.getAverageFps(), 0);  // no frame yet
    qint64 now = 1000;
    for (qint64 length : {20, 10, 40}) {
        monitor.startFrame(now);
        now += length;
        monitor.endFrame(now);
    }
    QCOMPARE(monitor.getMinFps(), 25);
    QCOMPARE(monitor.getMaxFps(), 100);
    QCOMPARE(monitor.getAverageFps(), 43);

    monitor.reset();
    QCOMPARE(monitor.getMinFps(), 1000000);
    QCOMPARE(monitor.getMaxFps(), -1);
    // Frames too short for the clock count as one millisecond, a clock set
    // back as a zero-length frame: no division by zero, no negative rate.
    monitor.startFrame(5000);
    monitor.endFrame(5000);
    monitor.startFrame(6000);
    monitor.endFrame(5990);
    QCOMPARE(monitor.getMinFps(), 1000);
    QCOMPARE(monitor.getAverageFps(), 1000);
}

QTEST_MAIN(TestApplicationSettings)
#include "tst_applicationsettings.moc"

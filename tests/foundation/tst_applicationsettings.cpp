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

class TestApplicationSettings : public QObject
{
    Q_OBJECT
private slots:
    void firstRunWritesEveryDefault();
    void storeOfEarlierVersionIsResetOnce();
    void storeOfSameVersionIsTakenAndNotRewritten();
    void missingKeyOfCurrentStoreReadsAsDefault();
    void setSettingWritesThroughPlainSetterDoesNot();
    void languageDefaultFollowsGermanLocales_data();
    void languageDefaultFollowsGermanLocales();

    void frameRateExtremesAndAverage();
    void frameRateNeverDividesByZero();
};

void TestApplicationSettings::firstRunWritesEveryDefault()
{
    QTemporaryDir root;
    const Report report = startProgram(root.path());
    QVERIFY(!report.isEmpty());
    QCOMPARE(report["stdout"], QString());
    QCOMPARE(report["versionChanged"], QString("yes"));
    QCOMPARE(report["sameInstance"], QString("yes"));
    QCOMPARE(report["foilsDir"], QString("../resources/foils_v2"));
    QCOMPARE(report["version"], QString("1.2.3"));
    QCOMPARE(report["antiAlias"], QString("true"));
    QVERIFY(report["language"] == "en" || report["language"] == "de");
    QVERIFY(report["importedFoilsDir"].startsWith(root.path() + "/data/"));
    QVERIFY(report["importedFoilsDir"].endsWith("/Planformix/importedFoils"));
    QCOMPARE(report["importedFoilsDirExists"], QString("yes"));

    QSettings store(storePath(root.path()), QSettings::IniFormat);
    QCOMPARE(store.allKeys().size(), 6);
    QCOMPARE(store.value("version").toString(), QString("1.2.3"));
    QCOMPARE(store.value("foilsDir").toString(), QString("../resources/foils_v2"));
    QCOMPARE(store.value("importedFoilsDir").toString(), report["importedFoilsDir"]);
    QCOMPARE(store.value("lastDirectory").toString(), report["lastDirectory"]);
    QCOMPARE(store.value("antiAlias").toBool(), true);
    QCOMPARE(store.value("language").toString(), report["language"]);
}

void TestApplicationSettings::storeOfEarlierVersionIsResetOnce()
{
    QTemporaryDir root;
    writeStore(root.path(), {{"version", "1.2.2"}, {"lastDirectory", "/old/documents"},
                             {"foilsDir", "elsewhere"}, {"importedFoilsDir", root.path() + "/old"},
                             {"antiAlias", false}, {"language", "xx"}});
    const Report report = startProgram(root.path());
    QVERIFY(!report.isEmpty());
    QCOMPARE(report["stdout"], QString("VERSION MISMATCH\n"));
    QCOMPARE(report["versionChanged"], QString("yes"));
    QCOMPARE(report["version"], QString("1.2.3"));
    QCOMPARE(report["foilsDir"], QString("../resources/foils_v2"));
    QVERIFY(report["lastDirectory"] != "/old/documents");
    QVERIFY(report["importedFoilsDir"].endsWith("/Planformix/importedFoils"));
    QCOMPARE(report["antiAlias"], QString("true"));
    QVERIFY(report["language"] != "xx");

    QSettings store(storePath(root.path()), QSettings::IniFormat);
    QCOMPARE(store.value("version").toString(), QString("1.2.3"));
    QCOMPARE(store.value("foilsDir").toString(), QString("../resources/foils_v2"));
    QCOMPARE(store.value("antiAlias").toBool(), true);
    QCOMPARE(store.value("language").toString(), report["language"]);

    // The next start finds a current store and says nothing.
    const Report again = startProgram(root.path());
    QCOMPARE(again["stdout"], QString());
    QCOMPARE(again["versionChanged"], QString("no"));
}

void TestApplicationSettings::storeOfSameVersionIsTakenAndNotRewritten()
{
    QTemporaryDir root;
    const QString imported = root.path() + "/mine/importedFoils";
    QDir().mkpath(imported);
    writeStore(root.path(), {{"version", "1.2.3"}, {"lastDirectory", "/my/documents"},
                             {"foilsDir", "../my_foils"}, {"importedFoilsDir", imported},
                             {"antiAlias", false}, {"language", "de"}});
    const QByteArray before = readStoreBytes(root.path());
    const Report report = startProgram(root.path());
    QVERIFY(!report.isEmpty());
    QCOMPARE(report["stdout"], QString());
    QCOMPARE(report["versionChanged"], QString("no"));
    QCOMPARE(report["lastDirectory"], QString("/my/documents"));
    QCOMPARE(report["foilsDir"], QString("../my_foils"));
    QCOMPARE(report["importedFoilsDir"], imported);
    QCOMPARE(report["antiAlias"], QString("false"));
    QCOMPARE(report["language"], QString("de"));
    QCOMPARE(readStoreBytes(root.path()), before);
}

void TestApplicationSettings::missingKeyOfCurrentStoreReadsAsDefault()
{
    QTemporaryDir root;
    writeStore(root.path(), {{"version", "1.2.3"}, {"language", "en"}});
    const QByteArray before = readStoreBytes(root.path());
    const Report report = startProgram(root.path());
    QVERIFY(!report.isEmpty());
    QCOMPARE(report["versionChanged"], QString("no"));
    QCOMPARE(report["language"], QString("en"));
    QCOMPARE(report["antiAlias"], QString("true"));
    QCOMPARE(report["foilsDir"], QString("../resources/foils_v2"));
    QVERIFY(report["importedFoilsDir"].endsWith("/Planformix/importedFoils"));
    // The loader will read it, so it must exist even though no default was
    // written.
    QCOMPARE(report["importedFoilsDirExists"], QString("yes"));
    QVERIFY(!report["lastDirectory"].isEmpty());
    QCOMPARE(readStoreBytes(root.path()), before);
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

void TestApplicationSettings::languageDefaultFollowsGermanLocales_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("language");
    QTest::newRow("Germany") << "de_DE" << "de";
    QTest::newRow("Austria") << "de_AT" << "de";
    QTest::newRow("Switzerland") << "de_CH" << "de";
    QTest::newRow("German without territory") << "de" << "en";
    QTest::newRow("English") << "en_US" << "en";
    QTest::newRow("C") << "C" << "en";
    QTest::newRow("Danish, not German") << "da_DK" << "en";
}

void TestApplicationSettings::languageDefaultFollowsGermanLocales()
{
    QFETCH(QString, localeName);
    QFETCH(QString, language);
    QCOMPARE(ApplicationSettings::defaultLanguage(localeName), language);
}

void TestApplicationSettings::frameRateExtremesAndAverage()
{
    FPSMonitor monitor;
    QCOMPARE(monitor.getMinFps(), 1000000);
    QCOMPARE(monitor.getMaxFps(), -1);
    const qint64 lengths[] = {20, 10, 40};
    qint64 now = 1000;
    for (qint64 length : lengths) {
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
    QCOMPARE(monitor.getAverageFps(), 0);
}

void TestApplicationSettings::frameRateNeverDividesByZero()
{
    FPSMonitor monitor;
    QCOMPARE(monitor.getAverageFps(), 0);
    monitor.startFrame(5000);
    monitor.endFrame(5000);
    monitor.startFrame(5000);
    monitor.endFrame(5000);
    // Zero-length frames count as the shortest the clock can measure.
    QCOMPARE(monitor.getMinFps(), 1000);
    QCOMPARE(monitor.getAverageFps(), 1000);
    // A clock that went backwards is a zero-length frame, not a negative rate.
    monitor.startFrame(6000);
    monitor.endFrame(5990);
    QVERIFY(monitor.getMinFps() > 0);
    QVERIFY(monitor.getAverageFps() > 0);
}

QTEST_MAIN(TestApplicationSettings)
#include "tst_applicationsettings.moc"

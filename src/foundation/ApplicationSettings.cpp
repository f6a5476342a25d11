#include "foundation/ApplicationSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

namespace {
const char* const ApplicationName = "Planformix";
const char* const ApplicationVersion = "1.2.3";
const char* const FoilsDir = "../resources/foils_v2";
const char* const DefaultAirfoil = "CLARK Y AIRFOIL";

const ApplicationSettings::SettingsKey_t AllKeys[] = {
    ApplicationSettings::KeyLastDirectory, ApplicationSettings::KeyFoilsDir,
    ApplicationSettings::KeyImportedFoilsDir, ApplicationSettings::KeyVersion,
    ApplicationSettings::KeyAntiAlias, ApplicationSettings::KeyLanguage,
};
} // namespace

ApplicationSettings* ApplicationSettings::instance = nullptr;

ApplicationSettings* ApplicationSettings::getInstance()
{
    if (!instance)
        new ApplicationSettings();
    return instance;
}

ApplicationSettings::ApplicationSettings()
    : antiAlias(true), settings(nullptr), application(nullptr), versionChanged(false)
{
    // Anything the construction below calls may already ask for the
    // singleton; it must find this object rather than build a second one.
    instance = this;

    QCoreApplication::setOrganizationName(ApplicationName);
    QCoreApplication::setOrganizationDomain("planformix.org");
    QCoreApplication::setApplicationName(ApplicationName);

    settings = new QSettings();
    settings->setFallbacksEnabled(false);

    if (!settings->allKeys().isEmpty()) {
        loadAllSettings();
        if (version == ApplicationVersion) {
            versionChanged = false;
        } else {
            std::fputs("VERSION MISMATCH\n", stdout);
            std::fflush(stdout);
            versionChanged = true;
        }
    } else {
        versionChanged = true;
    }

    if (versionChanged) {
        applyDefaults();
        saveAllSettings();
    }
    // The airfoil loader reads this directory at every start; a store that
    // names a directory that has gone (or a fresh machine) must not end the
    // program there.
    ensureDirectory(importedFoilsDir);

    fpsMonitor.reset();
    application = nullptr;
}

void ApplicationSettings::applyDefaults()
{
    lastDirectory = defaultLastDirectory();
    foilsDir = defaultFoilsDir();
    importedFoilsDir = defaultImportedFoilsDir();
    version = ApplicationVersion;
    antiAlias = true;
    language = defaultLanguage(QLocale::system().name());
}

void ApplicationSettings::ensureDirectory(const QString& path)
{
    if (path.isEmpty())
        return;
    QDir dir(path);
    if (!dir.exists())
        dir.mkpath(".");
}

QString ApplicationSettings::getKeyName(SettingsKey_t key)
{
    switch (key) {
    case KeyLastDirectory: return QStringLiteral("lastDirectory");
    case KeyFoilsDir: return QStringLiteral("foilsDir");
    case KeyImportedFoilsDir: return QStringLiteral("importedFoilsDir");
    case KeyVersion: return QStringLiteral("version");
    case KeyAntiAlias: return QStringLiteral("antiAlias");
    case KeyLanguage: return QStringLiteral("language");
    }
    return QString();
}

QVariant ApplicationSettings::valueOf(SettingsKey_t key) const
{
    switch (key) {
    case KeyLastDirectory: return lastDirectory;
    case KeyFoilsDir: return foilsDir;
    case KeyImportedFoilsDir: return importedFoilsDir;
    case KeyVersion: return version;
    case KeyAntiAlias: return antiAlias;
    case KeyLanguage: return language;
    }
    return QVariant();
}

void ApplicationSettings::saveSetting(SettingsKey_t key)
{
    const QString name = getKeyName(key);
    if (!name.isEmpty())
        settings->setValue(name, valueOf(key));
    settings->sync();
}

void ApplicationSettings::setSetting(SettingsKey_t key, const QVariant& value)
{
    switch (key) {
    case KeyLastDirectory: lastDirectory = value.toString(); break;
    case KeyFoilsDir: foilsDir = value.toString(); break;
    case KeyImportedFoilsDir: importedFoilsDir = value.toString(); break;
    case KeyVersion: version = value.toString(); break;
    case KeyAntiAlias: antiAlias = value.toBool(); break;
    case KeyLanguage: language = value.toString(); break;
    }
    saveSetting(key);
}

void ApplicationSettings::saveAllSettings()
{
    for (SettingsKey_t key : AllKeys)
        saveSetting(key);
}

void ApplicationSettings::loadAllSettings()
{
    // A key missing from an otherwise current store (written by hand, or
    // lost) reads as its default, not as an empty path or a switched-off
    // option.
    lastDirectory = settings->value(getKeyName(KeyLastDirectory), defaultLastDirectory()).toString();
    // An empty airfoil directory would make the loader read whatever folder
    // the program runs in.
    foilsDir = settings->value(getKeyName(KeyFoilsDir)).toString();
    if (foilsDir.isEmpty())
        foilsDir = defaultFoilsDir();
    importedFoilsDir = settings->value(getKeyName(KeyImportedFoilsDir)).toString();
    if (importedFoilsDir.isEmpty())
        importedFoilsDir = defaultImportedFoilsDir();
    version = settings->value(getKeyName(KeyVersion), QString()).toString();
    antiAlias = settings->value(getKeyName(KeyAntiAlias), true).toBool();
    language = settings->value(getKeyName(KeyLanguage), defaultLanguage(QLocale::system().name()))
                   .toString();
}

QString ApplicationSettings::getApplicationName()
{
    return QString::fromLatin1(ApplicationName);
}

QString ApplicationSettings::getApplicationVersion()
{
    return QString::fromLatin1(ApplicationVersion);
}

QString ApplicationSettings::defaultFoilsDir()
{
    return QString::fromLatin1(FoilsDir);
}

QString ApplicationSettings::defaultImportedFoilsDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QDir::separator()
           + QString::fromLatin1(ApplicationName) + QDir::separator() + QStringLiteral("importedFoils");
}

QString ApplicationSettings::defaultLastDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString ApplicationSettings::defaultLanguage(const QString& localeName)
{
    return localeName.startsWith(QLatin1String("de_")) ? QStringLiteral("de") : QStringLiteral("en");
}

QString ApplicationSettings::defaultAirfoilName()
{
    return QString::fromLatin1(DefaultAirfoil);
}

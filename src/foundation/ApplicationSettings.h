#pragma once

#include <QString>
#include <QVariant>

#include "foundation/FPSMonitor.h"

class QSettings;
class PlanformixApplication;

// The program's one settings object: the user's preferences held in memory
// over the platform settings store, plus a few process-wide values that are
// not stored (the application object, the program's name and version, and
// whether this start follows a version change).
class ApplicationSettings
{
public:
    // Selects one stored key. The numbers are the key indices the rest of
    // the program passes around (anti-aliasing 8, language 9).
    enum SettingsKey_t {
        KeyLastDirectory = 4,
        KeyFoilsDir = 5,
        KeyImportedFoilsDir = 6,
        KeyVersion = 7,
        KeyAntiAlias = 8,
        KeyLanguage = 9
    };

    static ApplicationSettings* getInstance();

    ApplicationSettings* getSettings() { return this; }

    // Writes the in-memory value of one key and syncs the store; an unknown
    // key only syncs.
    void saveSetting(SettingsKey_t key);
    // Sets the value, writes it and syncs, all at once.
    void setSetting(SettingsKey_t key, const QVariant& value);
    void saveAllSettings();
    void loadAllSettings();

    const QString& getLastDirectory() const { return lastDirectory; }
    void setLastDirectory(const QString& value) { lastDirectory = value; }
    const QString& getFoilsDir() const { return foilsDir; }
    void setFoilsDir(const QString& value) { foilsDir = value; }
    // The one place every reader and writer of imported airfoils takes the
    // directory from.
    const QString& getImportedFoilsDir() const { return importedFoilsDir; }
    void setImportedFoilsDir(const QString& value) { importedFoilsDir = value; }
    const QString& getVersion() const { return version; }
    void setVersion(const QString& value) { version = value; }
    bool getAntiAlias() const { return antiAlias; }
    void setAntiAlias(bool value) { antiAlias = value; }
    const QString& getLanguage() const { return language; }
    void setLanguage(const QString& value) { language = value; }

    PlanformixApplication* getApplication() const { return application; }
    void setApplication(PlanformixApplication* app) { application = app; }

    bool isVersionChanged() const { return versionChanged; }
    void setVersionChanged(bool changed) { versionChanged = changed; }

    FPSMonitor& getFPSMonitor() { return fpsMonitor; }

    static QString getApplicationName();
    static QString getApplicationVersion();
    static QString getKeyName(SettingsKey_t key);

    // Defaults written on a first run and after a version change.
    static QString defaultFoilsDir();
    static QString defaultImportedFoilsDir();
    static QString defaultLastDirectory();
    // "de" for a German locale name such as "de_DE", "en" for anything else.
    static QString defaultLanguage(const QString& localeName);
    static QString defaultAirfoilName();

private:
    ApplicationSettings();
    ApplicationSettings(const ApplicationSettings&) = delete;
    ApplicationSettings& operator=(const ApplicationSettings&) = delete;

    void applyDefaults();
    QVariant valueOf(SettingsKey_t key) const;
    static void ensureDirectory(const QString& path);

    FPSMonitor fpsMonitor;
    QString lastDirectory;
    QString foilsDir;
    QString importedFoilsDir;
    QString version;
    bool antiAlias;
    QString language;
    QSettings* settings;
    PlanformixApplication* application;
    bool versionChanged;

    static ApplicationSettings* instance;
};

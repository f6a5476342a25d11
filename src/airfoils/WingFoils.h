#pragma once

#include <QString>
#include <map>

#include "airfoils/AirfoilFile.h"

class Airfoil;

// The process-wide airfoil library: every airfoil file of the shipped and
// the imported-airfoils directory, resampled and kept by name. It is filled
// once by the start-up loading thread and only read (and grown by imports)
// on the GUI thread after that thread has finished, so it needs no lock.
class WingFoils
{
public:
    // Creates the library, makes it reachable through instance() at once,
    // then loads foilsDir and importedFoilsDir in that order. A directory
    // that does not exist stops the loading: its absolute path is stored in
    // *missingDirectory (when given) for the caller to report, and the
    // library holds what was loaded before. An earlier library is replaced
    // but kept until the program ends: ribs may still point into it.
    // importedFoilsDir is the importedFoilsDir setting, the one place that
    // directory is named; the settings store creates it at every start.
    static WingFoils* createInstance(const QString& foilsDir, const QString& importedFoilsDir,
                                     QString* missingDirectory = nullptr);
    static WingFoils* instance();

    // The line start-up writes for a missing airfoil directory.
    static QString missingDirectoryMessage(const QString& absolutePath);

    WingFoils();
    ~WingFoils();
    WingFoils(const WingFoils&) = delete;
    WingFoils& operator=(const WingFoils&) = delete;

    // Loads every file of one directory in case-insensitive name order; a
    // file that yields no airfoil is reported and skipped. False when the
    // directory does not exist (nothing is loaded then).
    bool loadDirectory(const QString& dir);
    // Reads one airfoil file; the caller owns the result. Null on failure,
    // with the reason in reading (when given), which also follows the
    // progress and can cancel the reading from another thread.
    Airfoil* loadAirfoilFile(const QString& path, AirfoilFileType type, AirfoilReading* reading = nullptr);

    // Takes ownership in every case: a null pointer is ignored and an
    // airfoil whose name is already taken is reported and deleted. file,
    // when given, is where the airfoil is kept (see airfoilOfFile).
    void addAirfoil(Airfoil* airfoil, const QString& file = QString());
    // The name of the library's airfoil that the file holds, empty when
    // none: writing over that file would lose the airfoil at the next start.
    QString airfoilOfFile(const QString& file) const;
    // Exact, case-sensitive lookup. A name that earlier builds cut short
    // finds its airfoil (see findCutName). With useDefault a missing name is
    // reported and answered with the default airfoil (null when that is
    // missing too).
    Airfoil* findAirfoil(QString name, bool useDefault);
    const std::map<QString, Airfoil*>& getAirfoils() const { return airfoils; }

    // Diagnostic listing of the first count entries (-1: all).
    void printAirfoils(int count) const;

private:
    Airfoil* findCutName(const QString& name) const;

    std::map<QString, Airfoil*> airfoils;
    // Absolute file path to the name of the airfoil read from it or
    // imported into it.
    std::map<QString, QString> fileAirfoils;

    static WingFoils* library;
};

#include "airfoils/WingFoils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <vector>

#include "airfoils/Airfoil.h"
#include "foundation/ApplicationSettings.h"

namespace {
const int MetadataCount = 8;

// Libraries replaced by createInstance. Panels built before keep pointers
// into their airfoils, so these live until the program ends.
std::vector<std::unique_ptr<WingFoils>>& replacedLibraries()
{
    static std::vector<std::unique_ptr<WingFoils>> libraries;
    return libraries;
}
} // namespace

WingFoils* WingFoils::library = nullptr;

WingFoils* WingFoils::createInstance(const QString& foilsDir, const QString& importedFoilsDir,
                                     QString* missingDirectory)
{
    if (library)
        replacedLibraries().emplace_back(library);
    library = new WingFoils();
    for (const QString& dir : {foilsDir, importedFoilsDir}) {
        if (!library->loadDirectory(dir)) {
            if (missingDirectory)
                *missingDirectory = QDir(dir).absolutePath();
            break;
        }
    }
    return library;
}

WingFoils* WingFoils::instance()
{
    return library;
}

QString WingFoils::missingDirectoryMessage(const QString& absolutePath)
{
    return QStringLiteral("Foils directory ") + absolutePath
           + QStringLiteral(" not found - are you in the correct directory?");
}

WingFoils::WingFoils() = default;

WingFoils::~WingFoils()
{
    for (auto& entry : airfoils)
        delete entry.second;
    airfoils.clear();
    if (library == this)
        library = nullptr;
}

bool WingFoils::loadDirectory(const QString& dir)
{
    const QDir directory(dir);
    if (!directory.exists())
        return false;
    const QFileInfoList entries = directory.entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        if (!entry.isFile())
            continue;
        const QString path = dir + QStringLiteral("/") + entry.fileName();
        AirfoilReading reading;
        Airfoil* airfoil = loadAirfoilFile(path, getAirfoilFileType(entry.fileName()), &reading);
        // A nameless airfoil would be a blank row in every airfoil list and
        // could not be chosen by name.
        if (airfoil && airfoil->getName().isEmpty()) {
            delete airfoil;
            airfoil = nullptr;
        }
        if (!airfoil) {
            std::cout << "error loading file " << path.toStdString();
            if (reading.failure != AirfoilReadFailure::None)
                std::cout << ": " << airfoilReadFailureText(reading.failure);
            std::cout << std::endl;
            continue;
        }
        addAirfoil(airfoil, path);
    }
    return true;
}

Airfoil* WingFoils::loadAirfoilFile(const QString& path, AirfoilFileType type, AirfoilReading* reading)
{
    AirfoilReading ownReading;
    AirfoilReading& state = reading ? *reading : ownReading;
    FILE* stream = std::fopen(QFile::encodeName(path).constData(), "r");
    if (!stream) {
        const int error = errno;
        std::cerr << path.toStdString() << ": " << "Error opening file for read" << ": "
                  << std::strerror(error) << std::endl;
        state.failure = AirfoilReadFailure::CannotOpen;
        state.systemError = error;
        return nullptr;
    }

    Airfoil* airfoil = nullptr;
    try {
        // Editors on Windows like to start a text file with a UTF-8 byte
        // order mark; it would otherwise end the name line before the name.
        unsigned char head[3] = {};
        if (std::fread(head, 1, 3, stream) != 3 || head[0] != 0xEF || head[1] != 0xBB || head[2] != 0xBF)
            std::rewind(stream);

        QString name;
        QString metadata[MetadataCount];
        for (QString& value : metadata)
            value = QStringLiteral("---");

        state.gridDomainMayFollow = false;
        if (type == AirfoilFileType::Dat) {
            name = readAirfoilTextLine(stream, &state);
            if (name == QLatin1String(ExtendedDatMarker) + QLatin1Char('\n')) {
                name = readAirfoilTextLine(stream, &state);
                // Tokens are kept whole whatever their length; they are only
                // shown, never parsed.
                const QStringList tokens =
                    readAirfoilTextLine(stream, &state).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
                for (int i = 0; i < MetadataCount && i < tokens.size(); ++i)
                    metadata[i] = tokens[i];
            } else {
                state.gridDomainMayFollow = true;
            }
        } else {
            name = QFileInfo(path).baseName();
        }
        if (name.endsWith(QLatin1Char('\n')))
            name.chop(1);
        if (name.endsWith(QLatin1Char('\r')))
            name.chop(1);
        name = airfoilNameWithinBound(name);

        if (state.isCancelled()) {
            state.failure = AirfoilReadFailure::Cancelled;
            std::fclose(stream);
            return nullptr;
        }
        bool ok = false;
        airfoil = new Airfoil(name, metadata[0], metadata[1], metadata[2], metadata[3], metadata[4],
                              metadata[5], metadata[6], metadata[7], stream, &ok, &state);
        if (!ok) {
            delete airfoil;
            airfoil = nullptr;
        }
    } catch (const std::bad_alloc&) {
        delete airfoil;
        airfoil = nullptr;
        state.failure = AirfoilReadFailure::NotEnoughMemory;
    }
    std::fclose(stream);
    return airfoil;
}

void WingFoils::addAirfoil(Airfoil* airfoil, const QString& file)
{
    if (!airfoil)
        return;
    if (airfoils.count(airfoil->getName()) != 0) {
        std::cout << "Error adding airfoil \"" << airfoil->getName().toStdString()
                  << "\": airfoil already exists!" << std::endl;
        delete airfoil;
        return;
    }
    airfoils[airfoil->getName()] = airfoil;
    if (!file.isEmpty())
        fileAirfoils[QFileInfo(file).absoluteFilePath()] = airfoil->getName();
}

QString WingFoils::airfoilOfFile(const QString& file) const
{
    const auto found = fileAirfoils.find(QFileInfo(file).absoluteFilePath());
    return found != fileAirfoils.end() ? found->second : QString();
}

Airfoil* WingFoils::findAirfoil(QString name, bool useDefault)
{
    const auto found = airfoils.find(name);
    if (found != airfoils.end())
        return found->second;
    if (Airfoil* full = findCutName(name))
        return full;
    if (!useDefault)
        return nullptr;
    const QString defaultName = ApplicationSettings::defaultAirfoilName();
    std::cerr << "ERROR in " << "Airfoil* WingFoils::findAirfoil(QString, bool)" << ": airfoil "
              << name.toStdString() << " not found, setting default airfoil "
              << defaultName.toStdString() << " instead!" << std::endl;
    const auto fallback = airfoils.find(defaultName);
    return fallback != airfoils.end() ? fallback->second : nullptr;
}

// Earlier builds read a name line only up to its first byte beyond ASCII
// ("Profil M" for a file naming "Profil Mü 12" in Latin-1), and documents
// saved then carry that start. It stands for the one airfoil whose name
// goes on from there with a letter beyond ASCII; when several do, none is
// guessed.
Airfoil* WingFoils::findCutName(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    Airfoil* match = nullptr;
    for (auto it = airfoils.upper_bound(name); it != airfoils.end() && it->first.startsWith(name); ++it) {
        if (it->first.at(name.size()).unicode() <= 0x7F)
            continue;
        if (match)
            return nullptr;
        match = it->second;
    }
    return match;
}

void WingFoils::printAirfoils(int count) const
{
    int index = 0;
    for (const auto& entry : airfoils) {
        if (count >= 0 && index >= count)
            break;
        std::cout << "Foil #" << index << ": "
                  << (entry.second ? entry.second->getName().toStdString() : std::string("?????"))
                  << std::endl;
        ++index;
    }
}

#pragma once

#include <QDialog>
#include <QString>

#include "airfoils/AirfoilFile.h"

class Airfoil;
class AirfoilDrawingArea;
struct AirfoilReading;

namespace Ui {
class AirfoilImportDialog;
}

// Shows an airfoil file about to be imported, lets the user rename it,
// choose the file name it is kept under and scale its thickness, and writes
// it as a plain DAT file. The import command drives it: create, run, write
// the file into the imported-airfoils folder, take the airfoil, scale it by
// getScale(), name it getAirfoilName() and add it to the library.
class AirfoilImportDialog : public QDialog
{
    Q_OBJECT

public:
    // The longest airfoil name the field takes, typed or loaded: longer
    // than the names of public airfoil collections, short enough for one
    // row of an airfoil list. The reader reads names of any length back.
    static constexpr int maxNameLength = 200;

    // Reads the file at once, away from the GUI thread; a read that takes a
    // moment shows its progress with a Cancel. *ok is false when the file
    // holds no usable outline (failureReason() says why) or the reading was
    // cancelled (wasCancelled()); the dialog then has no preview and is not
    // meant to be run.
    AirfoilImportDialog(QWidget* parent, const QString& path, AirfoilFileType type, bool* ok);
    ~AirfoilImportDialog() override;

    AirfoilImportDialog(const AirfoilImportDialog&) = delete;
    AirfoilImportDialog& operator=(const AirfoilImportDialog&) = delete;

    // The user stopped the reading of the file.
    bool wasCancelled() const { return cancelled; }
    // Why the file gave no airfoil, for the user; empty when it did.
    QString failureReason() const { return reason; }
    // The file was not at fault: memory ran short while it was read.
    bool failedForLackOfMemory() const { return shortOfMemory; }

    // The file name to write under in the imported-airfoils folder: without
    // any directory part, and with ".dat" appended when the typed name has
    // another suffix, so that the next start reads the file back as DAT.
    // accept() lets only a name pass that the next start reads.
    QString getTargetFileName() const;
    // The typed name as the written file will give it back at the next
    // start, and so the key to add the airfoil under: the typed text, letters
    // of every script included, with "&" as the reader escapes it; control
    // characters become "?", leading blanks go, and the extended form's
    // marker gets a blank behind it.
    QString getAirfoilName() const;
    float getScale() const;
    // Hands the loaded airfoil, unscaled, to the caller (null when the file
    // could not be read or it was taken already).
    Airfoil* takeAirfoil();

    // Writes the airfoil under its new name with its thickness scaled.
    // A failure is shown in a warning box and answered with false; without
    // an airfoil nothing is written and the answer is false as well.
    bool writeDatFile(const QString& path);

public slots:
    void scaleChanged();
    // Refuses to close with an empty airfoil name (it would be a blank row
    // in every airfoil list) or a file name the next start would not read,
    // and says why.
    void accept() override;

private:
    static QString describeFailure(const AirfoilReading& reading);
    // Why the typed file name cannot be used; empty when it can.
    QString targetFileNameProblem() const;

    Ui::AirfoilImportDialog* ui;
    AirfoilDrawingArea* preview = nullptr;
    bool cancelled = false;
    bool shortOfMemory = false;
    QString reason;
};

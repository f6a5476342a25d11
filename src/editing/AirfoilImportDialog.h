#pragma once

#include <QDialog>
#include <QString>

#include "airfoils/AirfoilFile.h"

class Airfoil;
class AirfoilDrawingArea;

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

    // Reads the file at once. *ok is false when it holds no usable outline
    // (the reader has said why on the console); the dialog then has no
    // preview and is not meant to be run.
    AirfoilImportDialog(QWidget* parent, const QString& path, AirfoilFileType type, bool* ok);
    ~AirfoilImportDialog() override;

    AirfoilImportDialog(const AirfoilImportDialog&) = delete;
    AirfoilImportDialog& operator=(const AirfoilImportDialog&) = delete;

    // The file name to write under in the imported-airfoils folder: without
    // any directory part, and with ".dat" appended when the typed name has
    // another suffix, so that the next start reads the file back as DAT.
    QString getTargetFileName() const;
    // The typed name as the written file will give it back at the next
    // start, and so the key to add the airfoil under: the same text for
    // plain ASCII names without "&", save the extended form's marker, which
    // gets a blank behind it.
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
    // Refuses to close with an empty airfoil name: it would be a blank row
    // in every airfoil list.
    void accept() override;

private:
    Ui::AirfoilImportDialog* ui;
    AirfoilDrawingArea* preview = nullptr;
};

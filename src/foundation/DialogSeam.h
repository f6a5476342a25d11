#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <deque>
#include <vector>

class QWidget;

// Every modal message box and file dialog of the program goes through here.
// The program shows real QMessageBox/QFileDialog windows; a test switches
// scripting on, and then every call is recorded and answered from a queue
// without showing anything, so no test ever blocks on a modal window.
class DialogSeam
{
public:
    enum class Kind { Message, Choice, OpenFile, SaveFile };

    struct Call {
        Kind kind;
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QStringList buttons;  // custom button texts of a choice
        QString directory;    // file dialogs: the proposed path
        QString filter;
        QString defaultSuffix;
    };

    // A standard-button message box; returns the button pressed.
    static QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                               const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // A box with buttons of our own texts; returns the index of the button
    // pressed, escapeIndex when the box was closed otherwise.
    static int choice(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                      const QStringList& buttonTexts, int defaultIndex, int escapeIndex);

    // File dialogs; an empty result means cancelled. A non-empty
    // defaultSuffix is appended by the dialog to a typed name without one,
    // so its own overwrite question covers the completed name. Where memory
    // is too short for the dialog, a box says so instead and the result is
    // empty, as if the dialog had been cancelled.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter);
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter, const QString& defaultSuffix = QString());

    // The folder a document dialog opens in, with no file name proposed:
    // the remembered folder, or the folder of the remembered file. Where
    // neither exists any more, or on a new account whose documents folder
    // is not there yet, the documents folder, created now.
    static QString startFolder(const QString& remembered);

    // A short word that something went well (a file written), shown for a
    // while in the status bar of the main window rather than in a box that
    // must be closed. Scripted, it is only recorded.
    static void status(const QString& text);
    static const std::vector<QString>& statusMessages();

    // --- scripting, for tests ---
    static void setScripted(bool on);
    static bool isScripted();
    // Answers are consumed in order; a call with no queued answer takes the
    // default (the default button, escapeIndex for choices, "" for files).
    static void queueButton(QMessageBox::StandardButton button);
    static void queueChoice(int index);
    static void queueFileName(const QString& path);
    static const std::vector<Call>& calls();
    static void clear();

    // What a file dialog takes here while it is open and a name is typed
    // in it: some 9 MB measured, 8 of them the stack of the thread that
    // lists the folder; the rest holds a larger folder's listing.
    static constexpr std::size_t fileDialogRoom = 12 * 1024 * 1024;

private:
    static Call makeCall(Kind kind, QMessageBox::Icon icon, const QString& title, const QString& text);
    static bool roomForFileDialog(QWidget* parent);
};

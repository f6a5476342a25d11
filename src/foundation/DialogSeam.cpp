#include "foundation/DialogSeam.h"

#include "foundation/MemoryReserve.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DialogSeam", text);
}

struct ScriptState {
    bool scripted = false;
    std::deque<QMessageBox::StandardButton> buttons;
    std::deque<int> choices;
    std::deque<QString> fileNames;
    std::vector<DialogSeam::Call> calls;
    std::vector<QString> statusMessages;
};

ScriptState& state()
{
    static ScriptState s;
    return s;
}

} // namespace

DialogSeam::Call DialogSeam::makeCall(Kind kind, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    Call call;
    call.kind = kind;
    call.icon = icon;
    call.title = title;
    call.text = text;
    return call;
}

QMessageBox::StandardButton DialogSeam::message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                const QString& text, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    if (state().scripted) {
        state().calls.push_back(makeCall(Kind::Message, icon, title, text));
        if (!state().buttons.empty()) {
            const QMessageBox::StandardButton answer = state().buttons.front();
            state().buttons.pop_front();
            return answer;
        }
        if (defaultButton != QMessageBox::NoButton)
            return defaultButton;
        return (buttons & QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::NoButton;
    }
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton DialogSeam::warning(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    return message(parent, QMessageBox::Warning, title, text, buttons, defaultButton);
}

int DialogSeam::choice(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                       const QStringList& buttonTexts, int defaultIndex, int escapeIndex)
{
    if (state().scripted) {
        Call call = makeCall(Kind::Choice, icon, title, text);
        call.buttons = buttonTexts;
        state().calls.push_back(call);
        if (!state().choices.empty()) {
            const int answer = state().choices.front();
            state().choices.pop_front();
            return answer;
        }
        return escapeIndex;
    }
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    std::vector<QPushButton*> pushButtons;
    for (const QString& buttonText : buttonTexts)
        pushButtons.push_back(box.addButton(buttonText, QMessageBox::ActionRole));
    if (defaultIndex >= 0 && defaultIndex < int(pushButtons.size()))
        box.setDefaultButton(pushButtons[size_t(defaultIndex)]);
    if (escapeIndex >= 0 && escapeIndex < int(pushButtons.size()))
        box.setEscapeButton(pushButtons[size_t(escapeIndex)]);
    box.exec();
    for (size_t i = 0; i < pushButtons.size(); ++i)
        if (box.clickedButton() == pushButtons[i])
            return int(i);
    return escapeIndex;
}

// Short of memory, a file dialog does not fail as a whole: it shows without
// its pictures and its folder listing, and the first key typed in the session
// (often the name typed in it) has the platform load the keyboard's compose
// table, in a library that ends the process where an allocation fails. So
// the dialog is only shown where it fits, and the reserve carries the box
// that says it does not.
bool DialogSeam::roomForFileDialog(QWidget* parent)
{
    if (MemoryReserve::hasRoomFor(fileDialogRoom))
        return true;
    MemoryReserve::release();
    message(parent, QMessageBox::Warning, tr("Not enough memory"),
            tr("There is not enough memory to show the file dialog."), QMessageBox::Ok);
    MemoryReserve::keep();
    return false;
}

QString DialogSeam::openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter)
{
    if (!roomForFileDialog(parent))
        return QString();
    if (state().scripted) {
        Call call = makeCall(Kind::OpenFile, QMessageBox::NoIcon, caption, QString());
        call.directory = directory;
        call.filter = filter;
        state().calls.push_back(call);
        if (!state().fileNames.empty()) {
            const QString answer = state().fileNames.front();
            state().fileNames.pop_front();
            return answer;
        }
        return QString();
    }
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString DialogSeam::saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter, const QString& defaultSuffix)
{
    if (!roomForFileDialog(parent))
        return QString();
    if (state().scripted) {
        Call call = makeCall(Kind::SaveFile, QMessageBox::NoIcon, caption, QString());
        call.directory = directory;
        call.filter = filter;
        call.defaultSuffix = defaultSuffix;
        state().calls.push_back(call);
        if (state().fileNames.empty())
            return QString();
        QString answer = state().fileNames.front();
        state().fileNames.pop_front();
        // The real dialog completes a bare name with the default suffix.
        if (!answer.isEmpty() && !defaultSuffix.isEmpty() && QFileInfo(answer).suffix().isEmpty())
            answer += QLatin1Char('.') + defaultSuffix;
        return answer;
    }
    QFileDialog dialog(parent, caption, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString DialogSeam::startFolder(const QString& remembered)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!remembered.isEmpty()) {
        const QFileInfo info(remembered);
        if (info.isDir())
            return info.absoluteFilePath();
        // A missing documents folder is not yet made, not a file in home.
        const bool isDocuments = !documents.isEmpty() && QDir::cleanPath(info.absoluteFilePath()) ==
                                                            QDir::cleanPath(QFileInfo(documents).absoluteFilePath());
        const QFileInfo folder(info.absolutePath());
        if (!isDocuments && folder.isDir())
            return folder.absoluteFilePath();
    }
    if (!documents.isEmpty() && QDir().mkpath(documents))
        return QFileInfo(documents).absoluteFilePath();
    return QDir::homePath();
}

void DialogSeam::status(const QString& text)
{
    if (state().scripted) {
        state().statusMessages.push_back(text);
        return;
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<QMainWindow*>(widget)) {
            window->statusBar()->showMessage(text, 10000);
            return;
        }
    }
}

const std::vector<QString>& DialogSeam::statusMessages() { return state().statusMessages; }

void DialogSeam::setScripted(bool on) { state().scripted = on; }
bool DialogSeam::isScripted() { return state().scripted; }
void DialogSeam::queueButton(QMessageBox::StandardButton button) { state().buttons.push_back(button); }
void DialogSeam::queueChoice(int index) { state().choices.push_back(index); }
void DialogSeam::queueFileName(const QString& path) { state().fileNames.push_back(path); }
const std::vector<DialogSeam::Call>& DialogSeam::calls() { return state().calls; }

void DialogSeam::clear()
{
    state().buttons.clear();
    state().choices.clear();
    state().fileNames.clear();
    state().calls.clear();
    state().statusMessages.clear();
}

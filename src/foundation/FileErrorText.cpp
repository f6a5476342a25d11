#include "foundation/FileErrorText.h"

#include <QFileDevice>
#include <QtGlobal>
#include <cerrno>
#include <iterator>

namespace {

// The English wording is the system's own, so English messages read as
// they always did.
struct KnownError {
    int error;
    const char* text;
};

const KnownError knownErrors[] = {
    {ENOENT, QT_TRANSLATE_NOOP("FileErrorText", "No such file or directory")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileErrorText", "Not a directory")},
    {EISDIR, QT_TRANSLATE_NOOP("FileErrorText", "Is a directory")},
    {EACCES, QT_TRANSLATE_NOOP("FileErrorText", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("FileErrorText", "Operation not permitted")},
    {EROFS, QT_TRANSLATE_NOOP("FileErrorText", "Read-only file system")},
    {ENOSPC, QT_TRANSLATE_NOOP("FileErrorText", "No space left on device")},
    {EDQUOT, QT_TRANSLATE_NOOP("FileErrorText", "Disk quota exceeded")},
    {EFBIG, QT_TRANSLATE_NOOP("FileErrorText", "File too large")},
    {EMFILE, QT_TRANSLATE_NOOP("FileErrorText", "Too many open files")},
    {ENFILE, QT_TRANSLATE_NOOP("FileErrorText", "Too many open files in system")},
};

const KnownError* find(int error)
{
    for (const KnownError& known : knownErrors) {
        if (known.error == error)
            return &known;
    }
    return nullptr;
}

QString translated(const KnownError& known)
{
    return QCoreApplication::translate("FileErrorText", known.text);
}

} // namespace

QString FileErrorText::reason(int error)
{
    if (const KnownError* known = find(error))
        return translated(*known);
    // Qt's text for an error number, thread-safe unlike strerror().
    return qt_error_string(error);
}

QString FileErrorText::reason(const QFileDevice& file)
{
    return reason(file.errorString());
}

QString FileErrorText::reason(const QString& systemText)
{
    if (systemText.isEmpty())
        return systemText;
    // A device keeps only the text of its error: Qt's text for the error
    // number, which is the system's own for all but the commonest errors.
    for (const KnownError& known : knownErrors) {
        if (systemText == QLatin1String(known.text) || systemText == qt_error_string(known.error))
            return translated(known);
    }
    return systemText;
}

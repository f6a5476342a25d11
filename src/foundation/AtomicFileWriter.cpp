#include "foundation/AtomicFileWriter.h"

#include "foundation/FileErrorText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A symbolic link is followed, as QSaveFile does, so that replacing the
// file keeps the link and updates what it points to.
QString finalName(const QString& target)
{
    const QFileInfo info(target);
    return info.isSymLink() ? info.symLinkTarget() : target;
}

// Why a file that exists may not be replaced, in the system's words (a file
// made read-only, a read-only file system); empty when it may. Renaming
// over a file needs no write access to the file itself, so without this the
// user's protection would be ignored, and the system is asked rather than
// the permission bits read, which know nothing of the file system.
QString refusalToReplace(const QString& target)
{
    const QFileInfo existing(target);
    if (!existing.exists() || existing.isDir())
        return QString();
    if (::access(QFile::encodeName(target).constData(), W_OK) == 0)
        return QString();
    return FileErrorText::reason(errno);
}

// The content must be on the disk before the new name points at it: after a
// crash or a power cut, a rename that reached the disk first would leave an
// empty or partial file where the old one was.
bool syncToDisk(const QString& path, QString& reason)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reason = FileErrorText::reason(errno);
        return false;
    }
    // A file system that cannot sync (EINVAL) has nothing more to write.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    if (!synced)
        reason = FileErrorText::reason(errno);
    ::close(fd);
    return synced;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(const QString& target)
    : target(target)
{
}

AtomicFileWriter::~AtomicFileWriter()
{
    cancel();
}

bool AtomicFileWriter::open(bool textMode)
{
    cancel();
    failed = false;
    failure.clear();
    // Refused here as by openForProducer: the save file's own words for a
    // folder differ from the system's, and every write names it alike.
    if (target.isEmpty() || QFileInfo(target).isDir()) {
        fail(FileErrorText::reason(target.isEmpty() ? ENOENT : EISDIR));
        return false;
    }
    const QString refusal = refusalToReplace(target);
    if (!refusal.isEmpty()) {
        fail(refusal);
        return false;
    }
    file = std::make_unique<QSaveFile>(target);
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (textMode)
        mode |= QIODevice::Text;
    if (!file->open(mode)) {
        fail(FileErrorText::reason(*file));
        file.reset();
        return false;
    }
    return true;
}

bool AtomicFileWriter::write(const char* data, qint64 size)
{
    if (!file || failed)
        return false;
    // An unbuffered write that reaches the limit of the disk returns short
    // without an error; writing the rest then yields the system's reason.
    while (size > 0) {
        const qint64 written = file->write(data, size);
        if (written <= 0) {
            fail(file->error() != QFileDevice::NoError ? FileErrorText::reason(*file) : FileErrorText::reason(EIO));
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

bool AtomicFileWriter::write(const QByteArray& data)
{
    return write(data.constData(), data.size());
}

QString AtomicFileWriter::openForProducer()
{
    cancel();
    failed = false;
    failure.clear();
    const QFileInfo existing(target);
    if (target.isEmpty() || existing.isDir()) {
        fail(FileErrorText::reason(target.isEmpty() ? ENOENT : EISDIR));
        return QString();
    }
    const QString refusal = refusalToReplace(target);
    if (!refusal.isEmpty()) {
        fail(refusal);
        return QString();
    }
    // Created exclusively with the usual mode, so the umask applies as to
    // any other new file and nothing else can own this name.
    const QByteArray base = QFile::encodeName(finalName(target)) + '.';
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray candidate = base;
        for (int i = 0; i < 6; ++i)
            candidate += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
        const int fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            producedPath = QFile::decodeName(candidate);
            return producedPath;
        }
        if (errno != EEXIST) {
            fail(FileErrorText::reason(errno));
            return QString();
        }
    }
    fail(FileErrorText::reason(EEXIST));
    return QString();
}

bool AtomicFileWriter::commit()
{
    if (!producedPath.isEmpty())
        return commitProducedFile();
    if (!file) {
        if (!failed)
            fail(FileErrorText::reason(EBADF));
        return false;
    }
    if (failed) {
        cancel();
        return false;
    }
    if (!file->commit()) {
        fail(FileErrorText::reason(*file));
        file.reset();
        return false;
    }
    file.reset();
    return true;
}

bool AtomicFileWriter::commitProducedFile()
{
    const QString destination = finalName(target);
    const QFileInfo existing(destination);
    if (existing.exists())
        QFile::setPermissions(producedPath, existing.permissions());
    QString reason;
    if (!syncToDisk(producedPath, reason)) {
        fail(reason);
        cancel();
        return false;
    }
    if (std::rename(QFile::encodeName(producedPath).constData(), QFile::encodeName(destination).constData()) != 0) {
        fail(FileErrorText::reason(errno));
        cancel();
        return false;
    }
    producedPath.clear();
    return true;
}

void AtomicFileWriter::cancel()
{
    if (file) {
        // The temporary goes with the object.
        file->cancelWriting();
        file.reset();
    }
    if (!producedPath.isEmpty()) {
        QFile::remove(producedPath);
        producedPath.clear();
    }
}

QString AtomicFileWriter::errorString() const
{
    return failure;
}

bool AtomicFileWriter::writeFile(const QString& target, const QByteArray& content, QString* error)
{
    AtomicFileWriter writer(target);
    const bool written = writer.open() && writer.write(content) && writer.commit();
    if (!written && error)
        *error = writer.errorString();
    return written;
}

void AtomicFileWriter::createDocumentsFolderFor(const QString& target)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || QFileInfo::exists(documents))
        return;
    if (QFileInfo(target).absolutePath() == QDir(documents).absolutePath())
        QDir().mkpath(documents);
}

void AtomicFileWriter::fail(const QString& reason)
{
    if (failed)
        return;
    failed = true;
    failure = reason;
}

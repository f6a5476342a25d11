#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QSaveFile;

// The one way the program writes a file: the content goes to a temporary
// file beside the target, which replaces the target only once every byte
// has reached it. On any failure the old file stays as it was, no temporary
// is left behind, and errorString() holds the system's reason in the
// program's language.
//
// A target the system will not let us write (a read-only file, a
// read-only file system) is refused at open with the system's reason, for
// both kinds of writer.
//
// QSaveFile alone does not give this: with its buffer, commit() renames the
// file even when the final flush failed (a full disk, a file-size limit), so
// the file is written unbuffered and every write is checked to its last byte.
class AtomicFileWriter
{
public:
    explicit AtomicFileWriter(const QString& target);
    // Discards whatever was not committed.
    ~AtomicFileWriter();

    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file; text mode writes the platform's line ends.
    bool open(bool textMode = false);
    // After the first failure every further write fails at once.
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& data);

    // For producers that insist on opening a file by name themselves (the
    // PDF printer): creates an empty temporary file beside the target and
    // returns its path, or an empty string when it cannot be created. The
    // caller checks that the producer finished the file before commit().
    QString openForProducer();

    // Puts the temporary in place of the target when everything was
    // written and has reached the disk; otherwise, or when that fails,
    // discards it and returns false.
    bool commit();
    // Discards the temporary; the target stays as it was.
    void cancel();

    QString errorString() const;

    // The whole content in one go.
    static bool writeFile(const QString& target, const QByteArray& content, QString* error);

    // A fresh account may lack the documents folder that exports propose;
    // it is made when the user has accepted a file directly inside it.
    static void createDocumentsFolderFor(const QString& target);

private:
    void fail(const QString& reason);
    bool commitProducedFile();

    QString target;
    std::unique_ptr<QSaveFile> file;
    QString producedPath;
    QString failure;
    bool failed = false;
};

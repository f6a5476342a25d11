#pragma once

#include <QCoreApplication>
#include <QString>

class QFileDevice;

// Why a file could not be read or written, in the program's language.
//
// The system's reasons reach the program in its own words: strerror() in
// the language of the system, and Qt's file error strings, which Qt 5 leaves
// in English for the commonest errors (a missing folder, no permission, a
// full disk, too many open files). A message built in the program's language
// passes its reason through here, so a German message does not end in an
// English reason, nor an English one in a German reason. A reason this does
// not know is passed on as the system gave it.
class FileErrorText
{
    Q_DECLARE_TR_FUNCTIONS(FileErrorText)

public:
    // For a system error number (errno).
    static QString reason(int error);
    // For what a file device reports after a failed open, read or write.
    static QString reason(const QFileDevice& file);
    // For a reason already in the system's words: a device's errorString()
    // or strerror(). Empty stays empty.
    static QString reason(const QString& systemText);
};

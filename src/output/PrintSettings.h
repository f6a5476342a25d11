#pragma once

#include <QPageSize>
#include <QString>

// The print choices remembered between print requests. The print action
// keeps one for the life of the program; `valid` turns true at the first
// accepted print dialog.
struct PrintSettings
{
    // The name remembered for output to a PDF file. It stays the same in
    // every language, unlike the text of the list entry, and no printer
    // system accepts it as a printer's name (spaces, angle brackets).
    static QString fileOutputKey() { return QStringLiteral("<print to file>"); }

    // A printer's name, or fileOutputKey() for a PDF file.
    QString printerName;
    QPageSize pageSize;
    int marginTop = 0;
    int marginBottom = 0;
    int marginLeft = 0;
    int marginRight = 0;
    QString fileName;
    QString directory;
    bool printToFile = false;
    bool landscape = false;
    bool valid = false;

    bool operator==(const PrintSettings& other) const;
    bool operator!=(const PrintSettings& other) const { return !(*this == other); }
};

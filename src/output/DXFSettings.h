#pragma once

#include <QString>

// What the DXF export writes and where: kept by the main window between
// exports so the last file name and choice come back.
class DXFSettings
{
public:
    DXFSettings(bool drawBox, const QString& fileName);

    const QString& getFileName() const { return fileName; }
    void setFileName(const QString& name) { fileName = name; }
    // Whether every rib gets a box around it, on a layer of its own.
    bool getDrawBox() const { return drawBox; }
    void setDrawBox(bool draw) { drawBox = draw; }

private:
    QString fileName;
    bool drawBox;
};

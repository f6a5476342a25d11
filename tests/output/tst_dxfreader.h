#pragma once

// Reads a DXF drawing back with an independent reader (ezdxf, through the
// script next to this file) and hands its summary to the Qt tests.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

struct DxfReadBack {
    bool loaded = false;
    QString diagnostics;
    QJsonObject summary;

    QStringList layers() const
    {
        // ezdxf adds the layers every drawing has; ours are the rest.
        QStringList names;
        for (const QJsonValue& v : summary.value("layers").toArray())
            if (v.toString() != "0" && v.toString() != "Defpoints")
                names << v.toString();
        return names;
    }

    QList<QJsonObject> entities(const QString& type = QString(), const QString& layer = QString()) const
    {
        QList<QJsonObject> found;
        for (const QJsonValue& v : summary.value("entities").toArray()) {
            const QJsonObject e = v.toObject();
            if ((type.isEmpty() || e.value("type").toString() == type)
                && (layer.isEmpty() || e.value("layer").toString() == layer))
                found << e;
        }
        return found;
    }
};

inline DxfReadBack readDxfBack(const QString& path)
{
    DxfReadBack result;
    QProcess python;
    python.start("/usr/bin/python3",
                 {QStringLiteral(PLANFORMIX_SOURCE_DIR "/tests/output/dxf_summary.py"), path});
    if (!python.waitForFinished(120000)) {
        result.diagnostics = "ezdxf reader did not finish: " + python.errorString();
        return result;
    }
    result.diagnostics = QString::fromUtf8(python.readAllStandardError());
    if (python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0)
        return result;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(python.readAllStandardOutput(), &error);
    if (error.error != QJsonParseError::NoError) {
        result.diagnostics += "unreadable summary: " + error.errorString();
        return result;
    }
    result.summary = doc.object();
    result.loaded = true;
    return result;
}

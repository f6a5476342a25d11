#pragma once

// What the panel dialog's test executables share: the panel they open the
// dialog on, and the lookup of the dialog's widgets by object name.

#include <QObject>
#include <QString>

#include "model/PanelBaseData.h"

inline PanelBaseData makePanelData(const SparList& spars = SparList(), int teType = 1)
{
    LEData le(1, 8.0f);
    TEData te;
    te.setType(teType);
    return PanelBaseData(7, QStringLiteral("Inner"), QStringLiteral("NACA 2412"), QString(), 200.0f, 180.0f, 0.0f,
                         362.0f, 0.0f, 0.0f, false, false, true, 2.0f, 10, 150.0f, 1.0f, 1.0f, nullptr, le, te,
                         spars, SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList());
}

// A widget the form must hold: a missing one ends the test run.
template <typename T>
T* childNamed(const QObject* parent, const char* name)
{
    T* w = parent->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no widget %s", name);
    return w;
}

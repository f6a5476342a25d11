#pragma once

#include <QCoreApplication>
#include <QString>

class RibDefinition;

// What the user is told of a rib that comes out in pieces (the sheets or a
// spar's slot part it), whose outline still crosses itself, or that the
// finishing's last check marked, in the
// program's language: the same words in the rib table, the rib view and
// on each output's row of the rib.
class RibParting
{
    Q_DECLARE_TR_FUNCTIONS(RibParting)

public:
    // Whether there is anything to tell of the rib.
    static bool told(const RibDefinition& rib);
    // One sentence naming the rib by its 1-based number; empty when there
    // is nothing to tell.
    static QString ribNote(const RibDefinition& rib, int number);
    // What a row of the rib says beside its label; empty when nothing.
    static QString rowNote(const RibDefinition& rib);
};

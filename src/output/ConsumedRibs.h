#pragma once

#include <QString>
#include <QStringList>
#include <list>
#include <vector>

class Panel;

// Ribs that the sheets leave nothing of: where the sheets of both sides
// meet inside a thin rib, no piece of it could be cut or glued. They get no
// template on the rib sheets and no outline in a drawing, and the user is
// told which ribs of which panel they are, in the words of this class.
class ConsumedRibs
{
public:
    // The 1-based numbers of the panel's ribs that the sheets consume.
    static std::vector<int> numbersIn(const Panel& panel);
    // Rising numbers as runs: "3", "5–8", "2, 5–8, 11".
    static QString runsOf(const std::vector<int>& numbers);
    // One sentence naming the panel's consumed ribs; empty when it has none.
    static QString panelNote(const Panel& panel);
    // One panel's sentence a line, for every panel that has consumed ribs.
    static QStringList planeNotes(const std::list<Panel*>& panels);
    // What an output says in its row in place of a consumed rib.
    static QString rowNote();

    // Ribs the sheets or a spar's slot part, each piece cut on its own, and
    // ribs whose outline still crosses itself: one sentence for each cause,
    // naming the panel's ribs; empty when it has none.
    static QString partedNote(const Panel& panel);
    // One panel's sentences a line, for every panel that has such ribs.
    static QStringList partedPlaneNotes(const std::list<Panel*>& panels);
};

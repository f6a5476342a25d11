#pragma once

class QWidget;

// The edit in progress in a window: the number field or the table cell
// editor that holds the focus with text the user typed. A command that
// reads or writes what the fields hold ends it first, as leaving the
// field would, since a shortcut, a tool button or a menu leaves the focus
// where it was.
class PendingEdit
{
public:
    // Ends the edit in the window of the given widget (the focus widget of
    // the application when it is in that window, else the window's own):
    // a number field takes its typed number or gives a refused text way to
    // the value from before; an open cell editor writes its cell, under the
    // cell's own rules, and closes.
    static void finish(QWidget* window);

    // Whether the focus in the window is where typed text reaches the
    // model only when the edit ends: an open table cell editor, or a number
    // field that takes a number only once it is complete (without keyboard
    // tracking).
    static bool heldUntilEnd(QWidget* window);
};

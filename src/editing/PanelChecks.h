#pragma once

class QWidget;
class WingPanelDialog;

// What the panel dialog checks before it builds a panel of its fields or
// hands one to the plane: that every field holds a usable value, that the
// plane stays within its bounds with the panel in place, and that the
// built panel's lists fit its ribs. A check that fails says why in a
// message over the dialog.
class PanelChecks
{
public:
    // True when every field of the dialog's pages is valid; otherwise
    // *firstInvalidPage (when given) receives the tab page of the first
    // invalid one.
    static bool allFieldsValid(const WingPanelDialog& dialog, QWidget** firstInvalidPage);
    // Brings the tab page to the front of the tabs that hold it.
    static void showTabOf(QWidget* page);
    // Whether the panel may have so many ribs, spars, strips and combs (-1:
    // as many as the dialog's lists hold) within the plane; otherwise says
    // which bound it would pass and returns true.
    static bool refuseBeyondLimits(WingPanelDialog& dialog, int ribs, int spars, int strips, int combs);
    // Whether the working panel's ribs, spars, covering, strips and combs
    // are right; otherwise says what is wrong with the first that is not
    // and returns false.
    static bool builtPanelValid(WingPanelDialog& dialog);
};

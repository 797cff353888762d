#pragma once

#include "app/click_dispatch.h"

// The steps OK, Apply and Cancel run, in this order. OK and Apply are only dispatched while the
// mouse is connected.
struct CommitPlan {
    bool sendToDevice = false;         // the apply sequence: the record to the mouse, config.bin, labels
    bool takeSnapshot = false;         // the record becomes the state Cancel returns to
    bool applyPointerSettings = false; // hand the pointer settings to Windows
    bool revertToSnapshot = false;     // discard every edit since the last snapshot
    bool setRevertPending = false;     // redraw the page from the reverted record when next shown
    bool hideWindow = false;

    bool operator==(const CommitPlan&) const = default;
};

// The plan of Ok, Apply or Cancel; an empty plan for every other action.
CommitPlan commitPlanFor(ClickAction action);

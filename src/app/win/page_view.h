#pragma once

#include <windows.h>

#include "app/click_dispatch.h"

// The Windows side of one settings page: it owns the page's child controls while the page is
// shown and turns clicks, control notifications and the pointer into calls on the page's model.
class PageView {
public:
    virtual ~PageView() = default;

    // Creates the page's controls from the model, every list closed; the page is already drawn.
    virtual void createControls() = 0;
    // Destroys the page's controls and forgets its open lists.
    virtual void destroyControls() = 0;
    // The lists a click closes before its own action runs.
    virtual void closeLists(const ListsToClose& lists) = 0;
    // A click on one of the page's areas.
    virtual void carryOut(const ClickDecision& decision) = 0;
    // WM_COMMAND from a page control or a page menu. True when the page took it.
    virtual bool onCommand(int id, int notification) = 0;
    // Every message of the thread before it is dispatched; true when the page used it up.
    virtual bool preTranslateMessage(const MSG& message) = 0;
    // The page's part of what a click must know.
    virtual void describe(ClickContext& context) const = 0;
};

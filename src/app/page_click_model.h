#pragma once

#include <optional>

#include "app/page_update.h"
#include "common/geometry.h"

// A settings page's model as a left click on the main window reaches it.
class PageClickModel {
public:
    // A click at p on the page: the open lists it is not in or on close, then the area it hits acts.
    // Nothing when it hits no area.
    virtual std::optional<PageUpdate> click(Point p) = 0;
    // The open lists p is not in or on close (a click on one of the frame's buttons).
    virtual void closeListsAt(Point p) = 0;

protected:
    ~PageClickModel() = default;
};

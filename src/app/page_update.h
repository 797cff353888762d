#pragma once

#include <optional>
#include <string>
#include <vector>

#include "assign/assignment_group_model.h"
#include "common/item_index.h"
#include "lang/notice.h"
#include "skin/paint_element.h"

// What the view of a page does after its model handled a click or a choice.
struct PageUpdate {
    // Drawn into the canvas in this order; the window then shows the whole client area once.
    std::vector<PaintElement> redraw;
    // The page is drawn again from the record (many fields changed at once, e.g. the key mode).
    bool redrawPage = false;
    // The page's controls show the record again (colour swatches, texts, list contents).
    bool refreshControls = false;
    // A refusal or a warning to show once the page is drawn.
    std::optional<Notice> notice;
    // The function dialog the view runs next; what it chose goes back to the model.
    std::optional<DialogRequest> dialog;
    // The stage whose colour the system's colour chooser picks next; the colour goes back to
    // the model. The chooser opens with its own defaults (black), not with the stage's colour.
    std::optional<StageIndex> colourForStage;

    bool operator==(const PageUpdate&) const = default;
};

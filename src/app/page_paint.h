#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "app/hot_area.h"
#include "skin/paint_element.h"
#include "config/device_config_record.h"
#include "lang/text_key.h"

// The language's text of a key.
using TextLookup = std::function<std::wstring(TextKey)>;

// What the pages are drawn from.
struct PagePaintInput {
    const DeviceConfigRecord& record;
    TextLookup text;
    std::span<const std::wstring> buttonLabels; // labels of the active key mode, slot 0 first
    uint8_t sensorType = 0;
};

// The whole page, in drawing order, starting with the page image at (0, 0). The child controls
// (swatches, lighting texts, macro lists and edits) are not part of it.
std::vector<PaintElement> basicPagePaint(const PagePaintInput& input);
std::vector<PaintElement> advancedPagePaint(const PagePaintInput& input);

// One button of the main window drawn normal or over: its image, and its caption for text buttons,
// or the number and label for a drop-down header. Empty for areas that are not buttons.
std::vector<PaintElement> buttonPaint(const HotAreaEntry& button, bool over, const PagePaintInput& input);

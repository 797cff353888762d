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
#include "settings/dpi_stages.h"

// The language's text of a key.
using TextLookup = std::function<std::wstring(TextKey)>;

// What the pages are drawn from.
struct PagePaintInput {
    const DeviceConfigRecord& record;
    TextLookup text;
    std::span<const std::wstring> buttonLabels; // labels of the active key mode, slot 0 first
    uint8_t sensorType = 0;
    std::wstring profileInForce; // the name the title bar shows; empty while no profile is in force
};

// The whole page, in drawing order, starting with the page image at (0, 0). The child controls
// (swatches, lighting texts, macro lists and edits) are not part of it.
std::vector<PaintElement> basicPagePaint(const PagePaintInput& input);
std::vector<PaintElement> advancedPagePaint(const PagePaintInput& input);

// One push button of the main window drawn normal or over, as its kind's look says (area_kind.h):
// its image, and its caption for text buttons, or the number and label for a drop-down header.
// Empty for areas that are not push buttons.
std::vector<PaintElement> buttonPaint(const HotAreaEntry& button, bool over, const PagePaintInput& input);

// DPI stages and pointer settings: the parts of the pages a click on them redraws.
// One DPI stage column: its on/off box and its scale, the lowest positions up to the column's lit
// count light, the rest of the sensor's scale dark.
std::vector<PaintElement> dpiStageColumnPaint(StageIndex stage, const DpiStageColumn& column);
// The pointer group of the Advanced page as the record holds it: the three scales, then the
// precision and one-screen boxes.
std::vector<PaintElement> pointerGroupPaint(const DeviceConfigRecord& record);
// One pointer scale (0 speed, 1 scroll lines, 2 double-click) with its lowest `lit` segments light.
std::vector<PaintElement> pointerScalePaint(uint8_t scale, uint8_t lit);
// A tick box of either page (DPI stage box, precision, one screen), ticked or empty.
PaintElement checkBoxPaint(HotArea box, bool ticked, uint8_t index = 0);

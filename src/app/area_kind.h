#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "app/hot_area.h"
#include "app/page.h"
#include "common/accessible_node.h"
#include "lang/text_key.h"
#include "skin/skin_image.h"

// How a push button of the main window is drawn: its skin image normal and lit (under the pointer,
// or the chosen one of a pair), and what stands on the image.
struct ButtonLook {
    SkinImage normal{};
    SkinImage over{};
    // The caption, centred on the image; nothing for a picture button.
    std::optional<TextKey> caption;
    // A drop-down header shows its button's number and the label of the function assigned to it.
    bool showsAssignment = false;
};

constexpr ButtonLook textButton(TextKey caption) {
    return {SkinImage::ButtonNormal, SkinImage::ButtonOver, caption};
}

constexpr ButtonLook pictureButton(SkinImage normal, SkinImage over) {
    return {normal, over, std::nullopt};
}

// The texts naming the stops of a kind of area: none where the page names them from what they
// show, one for every index, or one per index.
template <TextKey... keys>
inline constexpr std::array<TextKey, sizeof...(keys)> kStopNames{keys...};

// Where the areas of a kind stand in the keyboard order of the window and what they are to a
// screen reader. The areas of one index (a scale's positions together) are one stop, at
// `place + index * placeStep`.
struct AreaStops {
    uint16_t place = 0;
    uint16_t placeStep = 1;
    FocusRole role = FocusRole::Button;
    std::span<const TextKey> names;

    uint16_t placeOf(uint8_t index) const { return static_cast<uint16_t>(place + index * placeStep); }
    std::optional<TextKey> nameOf(uint8_t index) const {
        if (names.size() == 1) {
            return names.front();
        }
        return index < names.size() ? std::optional(names[index]) : std::nullopt;
    }
};

// Everything the main window needs of a kind of hot area beyond its rectangles (page_layout.inc):
// how it is drawn when it is a push button, whether it lights up under the pointer, its keyboard
// stops. The table of the frame or of a page that holds it adds what a click on it does.
struct AreaKind {
    HotArea area{};
    std::optional<ButtonLook> look;
    bool lightsUnderPointer = false;
    AreaStops stops;
};

// The kinds of the frame's areas (frame_areas.h) and of a page's areas (its model's table); none
// for Page::None.
std::span<const AreaKind> pageAreaKinds(Page page);

// The kind of `area` in any of the tables; nothing for an open-list window, which has none.
const AreaKind* areaKindOf(HotArea area);

// A hot area of the layout with the kind that says what it is.
struct ShownArea {
    HotAreaEntry entry;
    const AreaKind* kind = nullptr;
};

// Every hot area the main window shows with `page`: the frame's, then the page's, each in layout
// order; the open-list windows, which have no kind, are left out.
std::vector<ShownArea> shownAreas(Page page);

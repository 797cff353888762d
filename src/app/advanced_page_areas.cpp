#include "app/hot_area.h"

#include <array>

// The hot areas of the Advanced Settings page as {area, {left, top, right, bottom}, index, subIndex}, right
// and bottom exclusive, one rectangle per line, in the order the click dispatch tests them; the list windows
// last.
namespace {

constexpr std::array<HotAreaEntry, 43> kAdvancedPageAreas{{
    {HotArea::PrecisionCheckBox, {51, 255, 67, 271}},
    {HotArea::OneScreenCheckBox, {51, 405, 67, 421}},
    {HotArea::PointerDefault, {38, 584, 143, 605}},
    {HotArea::RecordStart, {735, 229, 764, 258}},
    {HotArea::RecordStop, {735, 265, 764, 294}},
    {HotArea::NewMacro, {513, 528, 618, 549}},
    {HotArea::DeleteMacro, {617, 528, 722, 549}},
    {HotArea::ConfirmMacro, {721, 528, 826, 549}},
    {HotArea::MouseEventHeader, {735, 402, 854, 416}},
    {HotArea::PointerSliderSegment, {52, 200, 76, 211}, 1, 1},
    {HotArea::PointerSliderSegment, {76, 200, 100, 211}, 1, 2},
    {HotArea::PointerSliderSegment, {100, 200, 124, 211}, 1, 3},
    {HotArea::PointerSliderSegment, {124, 200, 148, 211}, 1, 4},
    {HotArea::PointerSliderSegment, {148, 200, 172, 211}, 1, 5},
    {HotArea::PointerSliderSegment, {172, 200, 196, 211}, 1, 6},
    {HotArea::PointerSliderSegment, {196, 200, 220, 211}, 1, 7},
    {HotArea::PointerSliderSegment, {220, 200, 244, 211}, 1, 8},
    {HotArea::PointerSliderSegment, {244, 200, 268, 211}, 1, 9},
    {HotArea::PointerSliderSegment, {268, 200, 292, 211}, 1, 10},
    {HotArea::PointerSliderSegment, {292, 200, 316, 211}, 1, 11},
    {HotArea::PointerSliderSegment, {52, 350, 76, 361}, 2, 1},
    {HotArea::PointerSliderSegment, {76, 350, 100, 361}, 2, 2},
    {HotArea::PointerSliderSegment, {100, 350, 124, 361}, 2, 3},
    {HotArea::PointerSliderSegment, {124, 350, 148, 361}, 2, 4},
    {HotArea::PointerSliderSegment, {148, 350, 172, 361}, 2, 5},
    {HotArea::PointerSliderSegment, {172, 350, 196, 361}, 2, 6},
    {HotArea::PointerSliderSegment, {196, 350, 220, 361}, 2, 7},
    {HotArea::PointerSliderSegment, {220, 350, 244, 361}, 2, 8},
    {HotArea::PointerSliderSegment, {244, 350, 268, 361}, 2, 9},
    {HotArea::PointerSliderSegment, {268, 350, 292, 361}, 2, 10},
    {HotArea::PointerSliderSegment, {292, 350, 316, 361}, 2, 11},
    {HotArea::PointerSliderSegment, {52, 500, 76, 511}, 3, 1},
    {HotArea::PointerSliderSegment, {76, 500, 100, 511}, 3, 2},
    {HotArea::PointerSliderSegment, {100, 500, 124, 511}, 3, 3},
    {HotArea::PointerSliderSegment, {124, 500, 148, 511}, 3, 4},
    {HotArea::PointerSliderSegment, {148, 500, 172, 511}, 3, 5},
    {HotArea::PointerSliderSegment, {172, 500, 196, 511}, 3, 6},
    {HotArea::PointerSliderSegment, {196, 500, 220, 511}, 3, 7},
    {HotArea::PointerSliderSegment, {220, 500, 244, 511}, 3, 8},
    {HotArea::PointerSliderSegment, {244, 500, 268, 511}, 3, 9},
    {HotArea::PointerSliderSegment, {268, 500, 292, 511}, 3, 10},
    {HotArea::PointerSliderSegment, {292, 500, 316, 511}, 3, 11},
    {HotArea::MouseEventList, {734, 419, 854, 569}},
}};

} // namespace

std::span<const HotAreaEntry> advancedPageAreas() {
    return kAdvancedPageAreas;
}

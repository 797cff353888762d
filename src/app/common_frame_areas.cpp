#include "app/hot_area.h"

#include <array>

// The hot areas of the frame shared by both pages as {area, {left, top, right, bottom}, index, subIndex},
// right and bottom exclusive, one rectangle per line, in the order the click dispatch tests them.
namespace {

constexpr std::array<HotAreaEntry, 9> kCommonFrameAreas{{
    {HotArea::Ok, {562, 623, 667, 644}},
    {HotArea::Apply, {666, 623, 771, 644}},
    {HotArea::Skins, {701, 5, 719, 23}},
    {HotArea::Minimise, {825, 5, 843, 23}},
    {HotArea::Close, {850, 5, 868, 23}},
    {HotArea::BasicPageButton, {14, 54, 54, 94}},
    {HotArea::AdvancedPageButton, {60, 54, 100, 94}},
    {HotArea::Cancel, {770, 623, 875, 644}},
    {HotArea::WebLink, {260, 629, 450, 645}},
}};

} // namespace

std::span<const HotAreaEntry> commonFrameAreas() {
    return kCommonFrameAreas;
}

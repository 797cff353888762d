#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "app/hot_area.h"

namespace {

struct EdgeCase {
    const char* name;
    HotArea area;
    uint8_t index;
    uint8_t subIndex;
    Rect expected;
};

// Rectangles as the page layout gives them, right and bottom exclusive.
const EdgeCase kEdgeCases[] = {
    {"ok", HotArea::Ok, 0, 0, {562, 623, 667, 644}},
    {"cancel", HotArea::Cancel, 0, 0, {770, 623, 875, 644}},
    {"minimise", HotArea::Minimise, 0, 0, {825, 5, 843, 23}},
    {"webLink", HotArea::WebLink, 0, 0, {260, 629, 450, 645}},
    {"modeB", HotArea::ModeB, 0, 0, {357, 518, 462, 539}},
    {"list7", HotArea::AssignmentList, 6, 0, {252, 359, 463, 609}},
    {"rate4", HotArea::ReportRateSegment, 3, 0, {758, 204, 828, 215}},
    {"dpiCell4x12", HotArea::DpiLevelCell, 3, 11, {635, 302, 651, 318}},
    {"lightingList2", HotArea::LightingList, 1, 0, {766, 377, 851, 457}},
    {"mouseEventHeader", HotArea::MouseEventHeader, 0, 0, {735, 402, 854, 416}},
    {"confirm", HotArea::ConfirmMacro, 0, 0, {721, 528, 826, 549}},
};

class HotAreaEdges : public testing::TestWithParam<EdgeCase> {};

TEST_P(HotAreaEdges, RightAndBottomEdgesAreExclusive) {
    const EdgeCase& c = GetParam();
    const Rect r = hotAreaRect(c.area, c.index, c.subIndex);
    ASSERT_EQ(r, c.expected);
    EXPECT_TRUE(r.contains({r.left, r.top}));
    EXPECT_TRUE(r.contains({r.right - 1, r.bottom - 1}));
    EXPECT_TRUE(r.contains({r.left, r.bottom - 1}));
    EXPECT_FALSE(r.contains({r.right, r.top}));
    EXPECT_FALSE(r.contains({r.left, r.bottom}));
    EXPECT_FALSE(r.contains({r.left - 1, r.top}));
    EXPECT_FALSE(r.contains({r.left, r.top - 1}));
    EXPECT_FALSE(r.contains({r.right, r.bottom}));
}

INSTANTIATE_TEST_SUITE_P(PageLayout, HotAreaEdges, testing::ValuesIn(kEdgeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HotAreaTables, RepeatedAreasFollowTheirSpacing) {
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(hotAreaRect(HotArea::AssignmentHeader, i), (Rect{252, 199 + 23 * i, 463, 220 + 23 * i}))
            << "header " << i;
        EXPECT_EQ(hotAreaRect(HotArea::AssignmentList, i), (Rect{252, 221 + 23 * i, 463, 471 + 23 * i}))
            << "list " << i;
    }
    for (int s = 0; s < 4; ++s) {
        const int x = 554 + 27 * s;
        EXPECT_EQ(hotAreaRect(HotArea::DpiStageCheckBox, s), (Rect{x, 541, x + 16, 557}));
        EXPECT_EQ(hotAreaRect(HotArea::DpiColourSwatch, s), (Rect{x, 523, x + 16, 539}));
        for (int l = 0; l < 12; ++l) {
            const int y = 500 - 18 * l;
            EXPECT_EQ(hotAreaRect(HotArea::DpiLevelCell, s, l), (Rect{x, y, x + 16, y + 16}))
                << s << "/" << l;
        }
    }
    const int sliderTops[] = {200, 350, 500};
    for (int k = 0; k < 3; ++k) {
        for (int n = 0; n < 11; ++n) {
            const int x = 52 + 24 * n;
            EXPECT_EQ(hotAreaRect(HotArea::PointerSliderSegment, k, n),
                      (Rect{x, sliderTops[k], x + 24, sliderTops[k] + 11}))
                << k << "/" << n;
        }
    }
}

TEST(HotAreaTables, EveryEntryIsUniqueAndNotEmpty) {
    std::set<std::tuple<HotArea, int, int>> seen;
    for (auto table : {commonFrameAreas(), basicPageAreas(), advancedPageAreas()}) {
        for (const HotAreaEntry& entry : table) {
            EXPECT_GT(entry.rect.width(), 0);
            EXPECT_GT(entry.rect.height(), 0);
            EXPECT_TRUE(seen.insert({entry.area, entry.index, entry.subIndex}).second)
                << static_cast<int>(entry.area) << " " << int(entry.index) << " " << int(entry.subIndex);
        }
    }
    EXPECT_EQ(seen.size(), 10u + 83u + 43u);
}

TEST(HotAreaTables, UnknownAreaGivesAnEmptyRectangle) {
    EXPECT_EQ(hotAreaRect(HotArea::AssignmentHeader, 7), Rect{});
    EXPECT_EQ(hotAreaRect(HotArea::DpiLevelCell, 0, 12), Rect{});
}

TEST(HotAreaTables, ListWindowsAreNoClickTargets) {
    // The open list covers the headers below its own; a click there belongs to the list window.
    const auto hit = clickTargetAt(basicPageAreas(), {300, 250});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->area, HotArea::AssignmentHeader);
    EXPECT_EQ(hit->index, 2) << "the third header";
    EXPECT_FALSE(clickTargetAt(advancedPageAreas(), {800, 500}));
}

} // namespace

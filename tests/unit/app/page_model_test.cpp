#include <gtest/gtest.h>

#include "app/advanced_page_model.h"
#include "app/basic_page_model.h"
#include "app/hot_area.h"

namespace {

ImageElement image(SkinImage kind, uint8_t segment) {
    return {kind, hotAreaRect(HotArea::ReportRateSegment, segment).topLeft()};
}

class BasicPage : public testing::Test {
protected:
    DeviceConfigRecord record{};
    AppSettings settings;
    UiTexts texts;
    BasicPageModel page{record, settings, texts};
};

struct RateCase {
    uint8_t storedCode;
    uint8_t clickedSegment;
    uint8_t expectedCode;
    std::vector<PaintElement> expectedRedraw;
};

TEST_F(BasicPage, ReportRateSegmentStoresItsCodeAndRedrawsTheTwoSegments) {
    const RateCase cases[] = {
        {8, 3, 1, {image(SkinImage::ReportRateDark, 0), image(SkinImage::ReportRateLight, 3)}},
        {1, 1, 4, {image(SkinImage::ReportRateDark, 3), image(SkinImage::ReportRateLight, 1)}},
        {0, 2, 2, {image(SkinImage::ReportRateLight, 2)}}, // nothing lit before
        {2, 4, 2, {}},                                     // no such segment
    };
    for (const RateCase& c : cases) {
        record.reportIntervalCode = c.storedCode;
        const PageUpdate update = page.selectReportRate(c.clickedSegment);
        EXPECT_EQ(record.reportIntervalCode, c.expectedCode) << int(c.clickedSegment);
        EXPECT_EQ(update.redraw, c.expectedRedraw) << int(c.clickedSegment);
    }
}

TEST_F(BasicPage, StageColourIsStoredRedBlueGreenAndRefreshesTheSwatches) {
    record.dpiStageEnabled[2] = 1; // a colour is only chosen for a stage that is on
    const PageUpdate update = page.setStageColour(StageIndex{2}, 10, 20, 30);
    EXPECT_EQ(record.stageColor[2].red, 10);
    EXPECT_EQ(record.stageColor[2].green, 20);
    EXPECT_EQ(record.stageColor[2].blue, 30);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&record.stageColor[2])[1], 30) << "blue is the second byte";
    EXPECT_TRUE(update.refreshControls);
    EXPECT_EQ(page.setStageColour(StageIndex{4}, 1, 1, 1), PageUpdate{}) << "no fifth stage";
}

TEST_F(BasicPage, OnlyTheSwatchOfAStageThatIsOnAsksForItsColour) {
    record.dpiStageEnabled = {1, 0, 2, 0};
    const std::optional<StageIndex> expected[] = {StageIndex{0}, std::nullopt, StageIndex{2}, std::nullopt};
    for (uint8_t stage = 0; stage < 4; ++stage) {
        const std::optional<PageUpdate> update =
            page.click(hotAreaRect(HotArea::DpiColourSwatch, stage).topLeft());
        ASSERT_TRUE(update) << "the click is used up either way: no drag";
        EXPECT_EQ(update->colourForStage, expected[stage]) << int(stage);
    }
}

TEST_F(BasicPage, NoListIsOpenAfterAReset) {
    record.lightingMode = 1;
    page.toggleLightingList(0);
    page.toggleAssignmentList(ButtonIndex{3});
    page.reset();
    for (std::size_t button = 0; button < 7; ++button) {
        EXPECT_FALSE(page.assignmentListOpen(ButtonIndex{button}));
    }
    EXPECT_FALSE(page.lightingListOpen(0));
    EXPECT_FALSE(page.dpiSubListOpen());
}

// Every area of a page's layout that takes clicks has a handler in its page: a click on it is used up,
// never handed back to drag the window.
TEST(PageAreas, EveryClickTargetOfBothPagesActs) {
    DeviceConfigRecord record{};
    record.dpiStageEnabled = {1, 1, 1, 1};
    AppSettings settings;
    UiTexts texts;
    BasicPageModel basic(record, settings, texts);
    AdvancedPageModel advanced(record, settings, texts);
    for (const HotAreaEntry& entry : basicPageAreas()) {
        EXPECT_EQ(basic.click(entry.rect.topLeft()).has_value(), isClickTarget(entry.area))
            << static_cast<int>(entry.area) << " " << int(entry.index) << " " << int(entry.subIndex);
        basic.reset();
    }
    for (const HotAreaEntry& entry : advancedPageAreas()) {
        EXPECT_EQ(advanced.click(entry.rect.topLeft()).has_value(), isClickTarget(entry.area))
            << static_cast<int>(entry.area) << " " << int(entry.index) << " " << int(entry.subIndex);
    }
}

TEST(AdvancedPage, TheMouseEventListIsClosedAfterAReset) {
    DeviceConfigRecord record{};
    AppSettings settings;
    UiTexts texts;
    AdvancedPageModel page(record, settings, texts);
    page.reset();
    EXPECT_FALSE(page.mouseEventListOpen());
}

} // namespace

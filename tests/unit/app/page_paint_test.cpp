#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "app/page_paint.h"

namespace {

std::wstring fakeText(TextKey key) {
    return L"text" + std::to_wstring(static_cast<int>(key));
}

struct PaintFixture {
    DeviceConfigRecord record{};
    std::array<std::wstring, 12> labels{L"Left Click", L"Right Click", L"Mid Click",       L"Forward",
                                        L"Backward",   L"DPI Loop",    L"Single Key-Enter"};
    PagePaintInput input() const { return {record, fakeText, labels, sensorType, profileInForce}; }
    uint8_t sensorType = 0;
    std::wstring profileInForce;
};

std::vector<ImageElement> imagesOf(const std::vector<PaintElement>& plan, SkinImage image) {
    std::vector<ImageElement> found;
    for (const PaintElement& element : plan) {
        if (const auto* drawn = std::get_if<ImageElement>(&element); drawn && drawn->image == image) {
            found.push_back(*drawn);
        }
    }
    return found;
}

// Position in the plan of the first element drawn at `at`, or of the text `text`; -1 if absent.
long positionOfImageAt(const std::vector<PaintElement>& plan, SkinImage image, Point at) {
    const auto it = std::ranges::find_if(plan, [&](const PaintElement& element) {
        const auto* drawn = std::get_if<ImageElement>(&element);
        return drawn && drawn->image == image && drawn->at.x == at.x && drawn->at.y == at.y;
    });
    return it == plan.end() ? -1 : it - plan.begin();
}

const TextElement* findText(const std::vector<PaintElement>& plan, const std::wstring& text) {
    for (const PaintElement& element : plan) {
        if (const auto* drawn = std::get_if<TextElement>(&element); drawn && drawn->text == text) {
            return drawn;
        }
    }
    return nullptr;
}

struct RateCase {
    uint8_t code;
    int litLeft; // left edge of the lit segment, 0 for none
};

class ReportRatePaint : public testing::TestWithParam<RateCase> {};

TEST_P(ReportRatePaint, SelectedSegmentIsLitAfterTheDarkOnes) {
    PaintFixture fixture;
    fixture.record.reportIntervalCode = GetParam().code;
    const auto plan = basicPagePaint(fixture.input());
    const auto lit = imagesOf(plan, SkinImage::ReportRateLight);
    EXPECT_EQ(imagesOf(plan, SkinImage::ReportRateDark).size(), 4u);
    if (GetParam().litLeft == 0) {
        EXPECT_TRUE(lit.empty());
        return;
    }
    ASSERT_EQ(lit.size(), 1u);
    EXPECT_EQ(lit[0].at.x, GetParam().litLeft);
    EXPECT_EQ(lit[0].at.y, 204);
    EXPECT_GT(positionOfImageAt(plan, SkinImage::ReportRateLight, lit[0].at),
              positionOfImageAt(plan, SkinImage::ReportRateDark, lit[0].at));
}

INSTANTIATE_TEST_SUITE_P(Codes, ReportRatePaint,
                         testing::Values(RateCase{8, 542}, RateCase{4, 614}, RateCase{2, 686},
                                         RateCase{1, 758}, RateCase{0, 0}, RateCase{3, 0}));

struct DpiCase {
    const char* name;
    uint8_t sensorType;
    bool enabled;
    uint8_t step;
    std::size_t positions;
    std::size_t lit;
};

class DpiScalePaint : public testing::TestWithParam<DpiCase> {};

TEST_P(DpiScalePaint, StageColumnLitUpToItsStep) {
    const DpiCase& c = GetParam();
    PaintFixture fixture;
    fixture.sensorType = c.sensorType;
    fixture.record.dpiStageEnabled = {0, 0, 0, 0};
    fixture.record.dpiStageEnabled[1] = c.enabled;
    fixture.record.dpiPosition[1] = c.step;
    const auto plan = basicPagePaint(fixture.input());
    const auto inColumn2 = [](const std::vector<ImageElement>& images) {
        return std::ranges::count_if(images, [](const ImageElement& image) { return image.at.x == 581; });
    };
    const auto lit = imagesOf(plan, SkinImage::DpiLevelLight);
    const auto dark = imagesOf(plan, SkinImage::DpiLevelDark);
    EXPECT_EQ(static_cast<std::size_t>(inColumn2(lit)), c.lit);
    EXPECT_EQ(static_cast<std::size_t>(inColumn2(lit) + inColumn2(dark)), c.positions);
    EXPECT_EQ(lit.size(), c.lit) << "the other stages are off";
    for (const ImageElement& image : lit) {
        EXPECT_GE(image.at.y, 500 - 18 * static_cast<int>(c.lit - 1)) << "lit from the bottom up";
    }
    const auto ticked = imagesOf(plan, SkinImage::CheckBoxTicked);
    EXPECT_EQ(ticked.size(), c.enabled ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Stages, DpiScalePaint,
                         testing::Values(DpiCase{"sensor0step4", 0, true, 4, 12, 5},
                                         DpiCase{"sensor0top", 0, true, 11, 12, 12},
                                         DpiCase{"sensor1step0", 1, true, 0, 8, 1},
                                         DpiCase{"sensor2stepPastScale", 2, true, 10, 8, 8},
                                         DpiCase{"disabledStage", 0, false, 6, 12, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BasicPagePaint, StartsWithThePageImageAndDrawsLabelsInTheHeaders) {
    PaintFixture fixture;
    const auto plan = basicPagePaint(fixture.input());
    ASSERT_FALSE(plan.empty());
    EXPECT_EQ(std::get<ImageElement>(plan.front()), (ImageElement{SkinImage::BasicPage, {0, 0}}));
    const TextElement* label = findText(plan, L"Single Key-Enter");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->rect, (Rect{272, 337, 463, 358}));
    EXPECT_EQ(label->align, TextAlign::Left);
    const TextElement* number = findText(plan, L"7");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->rect, (Rect{252, 337, 272, 358}));
    const TextElement* title = findText(plan, fakeText(TextKey::BasicSettings));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, FontRole::Title);
}

TEST(BasicPagePaint, SelectedKeyModeIsDrawnOver) {
    // Any key mode other than 0 is Mode B, as it is for editing and sending.
    for (const uint8_t keyMode : {1, 2}) {
        PaintFixture fixture;
        fixture.record.keyMode = keyMode;
        const auto plan = basicPagePaint(fixture.input());
        EXPECT_GE(positionOfImageAt(plan, SkinImage::ButtonOver, {357, 518}), 0);
        EXPECT_GE(positionOfImageAt(plan, SkinImage::ButtonNormal, {253, 518}), 0);
        EXPECT_EQ(positionOfImageAt(plan, SkinImage::ButtonOver, {253, 518}), -1);
    }
}

TEST(BasicPagePaint, DpiRowLabelsStayInTheScaleValueColumn) {
    PaintFixture fixture;
    const auto plan = basicPagePaint(fixture.input());
    for (const wchar_t* label : {L"Color", L"Select"}) {
        const auto* text = findText(plan, label);
        ASSERT_NE(text, nullptr) << label;
        // The DPI panel of the skins begins at x 484; the first swatch column at 554.
        EXPECT_GE(text->rect.left, 484);
        EXPECT_LT(text->rect.right, 554);
    }
}

TEST(BasicPagePaint, ScaleValuesFollowTheSensor) {
    PaintFixture fixture;
    fixture.sensorType = 1;
    const auto plan = basicPagePaint(fixture.input());
    EXPECT_NE(findText(plan, L"3200"), nullptr);
    EXPECT_EQ(findText(plan, L"4000"), nullptr);
}

struct SliderCase {
    uint8_t speed;
    uint8_t lines;
    uint8_t doubleClick;
    std::array<int, 3> lit;
};

class PointerScalePaint : public testing::TestWithParam<SliderCase> {};

TEST_P(PointerScalePaint, SegmentsLitUpToTheValueWithinTheScale) {
    PaintFixture fixture;
    fixture.record.pointerSpeedPosition = GetParam().speed;
    fixture.record.scrollLines = GetParam().lines;
    fixture.record.doubleClickPosition = GetParam().doubleClick;
    const auto plan = advancedPagePaint(fixture.input());
    const auto lit = imagesOf(plan, SkinImage::SliderLight);
    const auto dark = imagesOf(plan, SkinImage::SliderDark);
    const int tops[] = {200, 350, 500};
    for (int slider = 0; slider < 3; ++slider) {
        const auto onRow = [&](const ImageElement& image) { return image.at.y == tops[slider]; };
        EXPECT_EQ(std::ranges::count_if(lit, onRow), GetParam().lit[slider]) << "slider " << slider + 1;
        EXPECT_EQ(std::ranges::count_if(lit, onRow) + std::ranges::count_if(dark, onRow), 11);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, PointerScalePaint,
                         testing::Values(SliderCase{6, 3, 6, {6, 3, 6}}, SliderCase{1, 0, 11, {1, 0, 11}},
                                         SliderCase{200, 255, 0, {11, 11, 0}}));

TEST(AdvancedPagePaint, CheckBoxesFollowTheRecord) {
    PaintFixture fixture;
    fixture.record.enhancePointerPrecision = 1;
    const auto plan = advancedPagePaint(fixture.input());
    EXPECT_EQ(std::get<ImageElement>(plan.front()), (ImageElement{SkinImage::AdvancedPage, {0, 0}}));
    EXPECT_GE(positionOfImageAt(plan, SkinImage::CheckBoxTicked, {51, 255}), 0);
    EXPECT_GE(positionOfImageAt(plan, SkinImage::CheckBoxEmpty, {51, 405}), 0);
    EXPECT_EQ(findText(plan, fakeText(TextKey::StartRecording))->align, TextAlign::CentreWrapped);
    EXPECT_EQ(imagesOf(plan, SkinImage::DropdownNormal).size(), 0u) << "no assignment headers";
}

TEST(ButtonPaint, TextButtonsGetImageAndCentredCaption) {
    PaintFixture fixture;
    const auto over = buttonPaint({HotArea::Apply, {666, 623, 771, 644}}, true, fixture.input());
    ASSERT_EQ(over.size(), 2u);
    EXPECT_EQ(std::get<ImageElement>(over[0]), (ImageElement{SkinImage::ButtonOver, {666, 623}}));
    const auto& caption = std::get<TextElement>(over[1]);
    EXPECT_EQ(caption.text, fakeText(TextKey::Apply));
    EXPECT_EQ(caption.align, TextAlign::Centre);

    const auto close = buttonPaint({HotArea::Close, {850, 5, 868, 23}}, false, fixture.input());
    ASSERT_EQ(close.size(), 1u);
    EXPECT_EQ(std::get<ImageElement>(close[0]).image, SkinImage::CloseNormal);

    const auto header =
        buttonPaint({HotArea::AssignmentHeader, {252, 222, 463, 243}, 1}, true, fixture.input());
    ASSERT_EQ(header.size(), 3u);
    EXPECT_EQ(std::get<ImageElement>(header[0]).image, SkinImage::DropdownOver);
    EXPECT_EQ(std::get<TextElement>(header[2]).text, L"Right Click");
}

// The title bar names the profile in force on both pages, right-aligned and clear of the title-bar
// buttons, and names none while no profile is in force.
TEST(ProfileNamePaint, TitleBarNamesTheProfileInForceBesideItsButton) {
    PaintFixture fixture;
    const std::wstring shown = fakeText(TextKey::ProfileInForceCaption) + L" \u5c04\u51fb";
    for (const auto paint : {basicPagePaint, advancedPagePaint}) {
        fixture.profileInForce.clear();
        EXPECT_EQ(findText(paint(fixture.input()), shown), nullptr);
        fixture.profileInForce = L"\u5c04\u51fb";
        const std::vector<PaintElement> plan = paint(fixture.input());
        const TextElement* name = findText(plan, shown);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->align, TextAlign::Right);
        const Rect button = hotAreaRect(HotArea::Profiles);
        EXPECT_LE(name->rect.right, button.left);
        EXPECT_GE(name->rect.top, button.top);
        EXPECT_LE(name->rect.bottom, button.bottom);
    }
}

} // namespace

#include <gtest/gtest.h>

#include "skin/win/paint_plan_renderer.h"
#include "skin_test_support.h"

using skintest::Pixel;

namespace {

constexpr TextColour kGreen{0, 255, 0};

struct InkExtent {
    int count = 0;
    RECT box{10000, 10000, -1, -1};
};

// Where the surface holds text ink (pure green) within `area`.
InkExtent inkIn(const skintest::TestSurface& surface, RECT area) {
    InkExtent ink;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const Pixel p = surface.at(x, y);
            if (p.green > 128 && p.red == 0 && p.blue == 0) {
                ++ink.count;
                ink.box = {std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                           std::max<LONG>(ink.box.right, x), std::max<LONG>(ink.box.bottom, y)};
            }
        }
    }
    return ink;
}

class SkinPaintPlan : public testing::Test {
protected:
    SkinPaintPlan() { resources_ = {folder_.path().wstring(), nullptr, nullptr, kGreen, nullptr}; }

    skintest::TempFolder folder_;
    PaintResources resources_;
    skintest::TestSurface surface_{80, 60, {}};
};

TEST_F(SkinPaintPlan, DrawsImagesAtTheirPlaceAndTextsInsideTheirRectangles) {
    skintest::writePng(folder_.path() / L"button-normal.png", 4, 4, {0, 0, 255, 255}, false);
    const std::vector<PaintElement> plan{
        ImageElement{SkinImage::ButtonNormal, {2, 3}},
        TextElement{L"Wx", {30, 10, 70, 40}, FontRole::Normal, TextAlign::Centre}};

    drawPaintPlan(surface_.dc(), plan, resources_);

    EXPECT_EQ(surface_.at(2, 3).blue, 255);
    EXPECT_EQ(surface_.at(5, 6).blue, 255);
    EXPECT_EQ(surface_.at(6, 7).blue, 0);
    EXPECT_GT(inkIn(surface_, {30, 10, 70, 40}).count, 0);
    EXPECT_EQ(inkIn(surface_, {0, 0, 80, 60}).count, inkIn(surface_, {30, 10, 70, 40}).count)
        << "no ink outside the text's rectangle";
}

TEST_F(SkinPaintPlan, SkipsAMissingImageSilently) {
    skintest::MessageBoxCatcher boxes;
    const std::vector<PaintElement> plan{
        ImageElement{SkinImage::CheckBoxTicked, {0, 0}},
        TextElement{L"ok", {0, 0, 80, 60}, FontRole::Normal, TextAlign::Left}};

    drawPaintPlan(surface_.dc(), plan, resources_);

    EXPECT_TRUE(boxes.seen().empty());
    EXPECT_GT(inkIn(surface_, {0, 0, 80, 60}).count, 0) << "the rest of the plan is still drawn";
}

TEST_F(SkinPaintPlan, AlignsSingleLinesLeftCentredOrRight) {
    const RECT area{0, 0, 80, 60};
    std::vector<LONG> lefts;
    for (const TextAlign align : {TextAlign::Left, TextAlign::Centre, TextAlign::Right}) {
        surface_.fill({});
        const std::vector<PaintElement> plan{TextElement{L"ab", {0, 0, 80, 60}, FontRole::Normal, align}};
        drawPaintPlan(surface_.dc(), plan, resources_);
        const InkExtent ink = inkIn(surface_, area);
        ASSERT_GT(ink.count, 0);
        const int above = ink.box.top;
        const int below = 59 - ink.box.bottom;
        EXPECT_NEAR(above, below, 4) << "vertically centred";
        lefts.push_back(ink.box.left);
    }
    EXPECT_LT(lefts[0], lefts[1]);
    EXPECT_LT(lefts[1], lefts[2]);
    EXPECT_LE(lefts[0], 2);
}

TEST_F(SkinPaintPlan, WrapsCentredTextAroundTheMiddleOfItsRectangle) {
    const Rect area{10, 0, 50, 60};
    const std::vector<PaintElement> plan{
        TextElement{L"aa bb cc dd", area, FontRole::Normal, TextAlign::CentreWrapped}};

    drawPaintPlan(surface_.dc(), plan, resources_);

    const InkExtent ink = inkIn(surface_, {0, 0, 80, 60});
    ASSERT_GT(ink.count, 0);
    EXPECT_GT(ink.box.bottom - ink.box.top, 16) << "more than one line";
    EXPECT_NEAR(ink.box.top - area.top, area.bottom - 1 - ink.box.bottom, 4);
    EXPECT_GE(ink.box.left, area.left);
    EXPECT_LT(ink.box.right, area.right);
}

} // namespace

#include <gtest/gtest.h>

#include "ui/win/mem_dc.h"
#include "skin_test_support.h"

using skintest::Pixel;
using skintest::TestSurface;

namespace {

void paint(HDC dc, RECT area, COLORREF colour) {
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
}

TEST(SkinMemDc, DrawingReachesTheTargetOnlyWhenTheSurfaceIsReleased) {
    const Pixel black{};
    TestSurface target(8, 8, black);
    {
        CMemDC surface(target.dc(), RECT{2, 2, 6, 6});
        paint(surface.dc(), RECT{2, 2, 6, 6}, RGB(0, 200, 0));
        EXPECT_EQ(target.at(3, 3), black) << "still off screen";
    }
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 2 && y < 6;
            EXPECT_EQ(target.at(x, y).green, inside ? 200 : 0) << x << "," << y;
        }
    }
}

TEST(SkinMemDc, AnEmptyRectangleCoversTheTargetsClipBox) {
    TestSurface target(5, 4, {});
    {
        CMemDC surface(target.dc());
        EXPECT_EQ(surface.area().right, 5);
        EXPECT_EQ(surface.area().bottom, 4);
        paint(surface.dc(), RECT{0, 0, 5, 4}, RGB(0, 0, 77));
    }
    EXPECT_EQ(target.at(0, 0).blue, 77);
    EXPECT_EQ(target.at(4, 3).blue, 77);
}

TEST(SkinMemDc, CanvasKeepsWhatWasDrawnAndTheWholeAreaIsCopied) {
    skintest::TestDib canvas(6, 6, {10, 10, 10, 0});
    TestSurface window(6, 6, {});
    {
        CMemDC surface(window.dc(), canvas.bitmap(), RECT{0, 0, 6, 6});
        paint(surface.dc(), RECT{1, 1, 3, 3}, RGB(250, 0, 0));
    }
    EXPECT_EQ(canvas.at(1, 1).red, 250) << "drawn into the canvas";
    EXPECT_EQ(window.pixels(), canvas.pixels()) << "the whole canvas reached the window";
}

TEST(SkinMemDc, WithoutACanvasNothingIsDrawnOrCopied) {
    const Pixel grey{50, 50, 50, 0};
    TestSurface window(4, 4, grey);
    {
        CMemDC surface(window.dc(), nullptr, RECT{0, 0, 4, 4});
        paint(surface.dc(), RECT{0, 0, 4, 4}, RGB(255, 255, 255));
    }
    EXPECT_EQ(window.at(2, 2), grey);
}

} // namespace

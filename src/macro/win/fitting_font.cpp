#include "macro/win/fitting_font.h"

#include <cstdlib>

#include "skin/win/mem_dc.h"

namespace {

// Below this cell height a caption would no longer be readable; it is cut instead.
constexpr LONG kSmallestHeight = 9;

bool fits(HDC dc, HFONT font, const std::vector<std::wstring>& texts, SIZE box, UINT format) {
    ScopedSelect selected(dc, font);
    for (const std::wstring& text : texts) {
        RECT measured{0, 0, box.cx, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
        if (measured.right > box.cx || measured.bottom > box.cy) {
            return false;
        }
    }
    return true;
}

} // namespace

UniqueFont fontFitting(HWND window, HFONT font, const std::vector<std::wstring>& texts, SIZE box,
                       UINT format) {
    LOGFONTW shape{};
    WindowDc dc(window);
    if (dc.get() == nullptr || font == nullptr || GetObjectW(font, sizeof(shape), &shape) == 0 ||
        fits(dc.get(), font, texts, box, format)) {
        return {};
    }
    const LONG sign = shape.lfHeight < 0 ? -1 : 1;
    UniqueFont smaller;
    for (LONG height = std::labs(shape.lfHeight) - 1; height >= kSmallestHeight; --height) {
        shape.lfHeight = sign * height;
        shape.lfWidth = 0;
        smaller.reset(CreateFontIndirectW(&shape));
        if (!smaller || fits(dc.get(), smaller.get(), texts, box, format)) {
            break;
        }
    }
    return smaller;
}

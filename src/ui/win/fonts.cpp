#include "ui/win/fonts.h"

#include <algorithm>
#include <cstdlib>

#include "lang/font_choice.h"
#include "ui/win/scoped_handle.h"

namespace {

// Below this cell height a caption would no longer be readable; it is cut instead.
constexpr LONG kSmallestHeight = 9;

// The box the widest and the tallest of `texts` take with `font`.
SIZE measuredBox(HDC dc, HFONT font, const std::vector<std::wstring>& texts, SIZE box, UINT format) {
    ScopedSelect selected(dc, font);
    SIZE largest{0, 0};
    for (const std::wstring& text : texts) {
        RECT measured{0, 0, box.cx, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
        largest.cx = std::max(largest.cx, measured.right);
        largest.cy = std::max(largest.cy, measured.bottom);
    }
    return largest;
}

bool fits(HDC dc, HFONT font, const std::vector<std::wstring>& texts, SIZE box, UINT format) {
    const SIZE measured = measuredBox(dc, font, texts, box, format);
    return measured.cx <= box.cx && measured.cy <= box.cy;
}

UniqueFont fontOfHeight(LOGFONTW shape, LONG height) {
    shape.lfHeight = shape.lfHeight < 0 ? -height : height;
    shape.lfWidth = 0;
    return UniqueFont(CreateFontIndirectW(&shape));
}

} // namespace

UniqueFont fontFitting(HWND window, HFONT font, const std::vector<std::wstring>& texts, SIZE box, UINT format,
                       FontShrink shrink) {
    LOGFONTW shape{};
    WindowDc dc(window);
    if (dc.get() == nullptr || font == nullptr || GetObjectW(font, sizeof(shape), &shape) == 0 ||
        fits(dc.get(), font, texts, box, format)) {
        return {};
    }
    const LONG height = std::labs(shape.lfHeight);
    if (shrink == FontShrink::InProportion) {
        const LONG width = measuredBox(dc.get(), font, texts, box, format).cx;
        return fontOfHeight(shape, std::max(kSmallestHeight, height * box.cx / width));
    }
    UniqueFont smaller;
    for (LONG tried = height - 1; tried >= kSmallestHeight; --tried) {
        smaller = fontOfHeight(shape, tried);
        if (!smaller || fits(dc.get(), smaller.get(), texts, box, format)) {
            break;
        }
    }
    return smaller;
}

HFONT createFontFrom(const FontSpec& font) {
    return CreateFontW(font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kFontPitchAndFamily, font.face.c_str());
}

#include "skin/win/paint_plan_renderer.h"

#include <variant>

#include "skin/skin_paths.h"
#include "skin/win/load_png.h"
#include "ui/win/win_geometry.h"

namespace {

UINT singleLineFormat(TextAlign align) {
    const UINT format = DT_VCENTER | DT_SINGLELINE;
    switch (align) {
    case TextAlign::Centre:
        // A centred text wider than its area (the web address in a wide font) spreads to both
        // sides instead of losing its first and last letters.
        return format | DT_CENTER | DT_NOCLIP;
    case TextAlign::Right:
        return format | DT_RIGHT;
    default:
        return format;
    }
}

// Word-wrapped and centred: the rectangle shrinks around the measured height so the lines sit in
// its vertical middle.
void drawWrapped(HDC dc, const std::wstring& text, RECT area) {
    const int length = static_cast<int>(text.size());
    RECT measured = area;
    DrawTextW(dc, text.c_str(), length, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    area.top += (area.bottom - area.top - height) / 2;
    area.bottom = area.top + height;
    DrawTextW(dc, text.c_str(), length, &area, DT_CENTER | DT_WORDBREAK);
}

void drawText(HDC dc, const TextElement& text, const PaintResources& resources) {
    const HFONT font = text.font == FontRole::Title ? resources.titleFont : resources.normalFont;
    const HGDIOBJ previousFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, resources.textColour.colorRef());
    RECT area = toRect(text.rect);
    if (text.align == TextAlign::CentreWrapped) {
        drawWrapped(dc, text.text, area);
    } else {
        DrawTextW(dc, text.text.c_str(), static_cast<int>(text.text.size()), &area,
                  singleLineFormat(text.align));
    }
    if (previousFont != nullptr) {
        SelectObject(dc, previousFont);
    }
}

} // namespace

void drawPaintPlan(HDC dc, std::span<const PaintElement> plan, const PaintResources& resources) {
    for (const PaintElement& element : plan) {
        if (const auto* image = std::get_if<ImageElement>(&element)) {
            LoadPng(dc, skinImagePath(resources.skinFolder, image->image), image->at.x, image->at.y,
                    resources.images);
        } else {
            drawText(dc, std::get<TextElement>(element), resources);
        }
    }
}

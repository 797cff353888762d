#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "skin/paint_element.h"
#include "skin/text_colour.h"
#include "skin/win/png_image.h"

// What the main window draws its pages with.
struct PaintResources {
    std::wstring skinFolder;
    HFONT normalFont = nullptr;
    HFONT titleFont = nullptr;
    TextColour textColour;
    PngCache* images = nullptr; // decoded images to reuse; nullptr decodes every image afresh
};

// Draws a page's paint plan in order: skin images at their own size (a missing image is skipped
// silently, as the main window does) and texts single-line and vertically centred in the UI text
// colour on a transparent background, or word-wrapped and centred on the measured height.
void drawPaintPlan(HDC dc, std::span<const PaintElement> plan, const PaintResources& resources);

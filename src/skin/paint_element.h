#pragma once

#include <string>
#include <variant>

#include "common/geometry.h"
#include "skin/skin_image.h"

// The main window's two fonts.
enum class FontRole { Normal, Title };

// How a text sits in its rectangle. Every text is drawn in the UI text colour on a transparent
// background, single-line and vertically centred, except CentreWrapped: word-wrapped and centred,
// its rectangle first shrunk symmetrically to the measured height of the text.
enum class TextAlign { Left, Centre, Right, CentreWrapped };

// A skin image drawn at its own size with its top-left corner at `at`.
struct ImageElement {
    SkinImage image{};
    Point at;
    bool operator==(const ImageElement&) const = default;
};

struct TextElement {
    std::wstring text;
    Rect rect;
    FontRole font = FontRole::Normal;
    TextAlign align = TextAlign::Left;
    bool operator==(const TextElement&) const = default;
};

// One step of drawing a page into the canvas.
using PaintElement = std::variant<ImageElement, TextElement>;

#pragma once

// Client-area pixel coordinates of a skinned window.
struct Point {
    int x = 0;
    int y = 0;

    constexpr bool operator==(const Point&) const = default;
};

// A pixel rectangle whose right and bottom edges are exclusive: it holds the points with
// left <= x < right and top <= y < bottom. Two buttons drawn 105 pixels wide at 104-pixel steps
// therefore share one pixel column.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr bool contains(Point p) const {
        return left <= p.x && p.x < right && top <= p.y && p.y < bottom;
    }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr Point topLeft() const { return {left, top}; }
    constexpr bool operator==(const Rect&) const = default;
};

#include "app/hot_area.h"

#include <array>
#include <cstddef>
#include <vector>

#include "skin/hover_tracker.h"

namespace {

enum class AreaTable { Frame, Basic, Advanced };

#define PAGE_WINDOW(width, height)
#define AREA_KIND(area, role)
#define PAGE_CONTROL(name, left, top, right, bottom)
#define HOT_AREA(table, area, index, subIndex, left, top, right, bottom)                                     \
    HotAreaEntry{HotArea::area, {left, top, right, bottom}, index, subIndex},
constexpr std::array kAreas{
#include "app/page_layout.inc"
};
#undef HOT_AREA
#define HOT_AREA(table, area, index, subIndex, left, top, right, bottom) AreaTable::table,
constexpr std::array kTables{
#include "app/page_layout.inc"
};
#undef HOT_AREA
#undef PAGE_CONTROL
#undef AREA_KIND
#undef PAGE_WINDOW

constexpr std::size_t firstOf(AreaTable table) {
    std::size_t first = 0;
    while (first < kTables.size() && kTables[first] != table) {
        ++first;
    }
    return first;
}

constexpr std::size_t countOf(AreaTable table) {
    std::size_t count = 0;
    for (std::size_t row = firstOf(table); row < kTables.size() && kTables[row] == table; ++row) {
        ++count;
    }
    return count;
}

// A table's rows stand together, so that each table is one run of the layout's rows.
static_assert(countOf(AreaTable::Frame) + countOf(AreaTable::Basic) + countOf(AreaTable::Advanced) ==
              kAreas.size());

std::span<const HotAreaEntry> tableOf(AreaTable table) {
    return std::span(kAreas).subspan(firstOf(table), countOf(table));
}

} // namespace

std::span<const HotAreaEntry> commonFrameAreas() {
    return tableOf(AreaTable::Frame);
}

std::span<const HotAreaEntry> basicPageAreas() {
    return tableOf(AreaTable::Basic);
}

std::span<const HotAreaEntry> advancedPageAreas() {
    return tableOf(AreaTable::Advanced);
}

bool isClickTarget(HotArea area) {
    enum class Role { Target, OpenList };
    struct AreaKind {
        HotArea area;
        Role role;
    };
#define PAGE_WINDOW(width, height)
#define AREA_KIND(area, role) AreaKind{HotArea::area, Role::role},
#define HOT_AREA(table, area, index, subIndex, left, top, right, bottom)
#define PAGE_CONTROL(name, left, top, right, bottom)
    constexpr std::array kKinds{
#include "app/page_layout.inc"
    };
#undef PAGE_CONTROL
#undef HOT_AREA
#undef AREA_KIND
#undef PAGE_WINDOW
    for (const AreaKind& kind : kKinds) {
        if (kind.area == area) {
            return kind.role == Role::Target;
        }
    }
    return false;
}

Rect hotAreaRect(HotArea area, uint8_t index, uint8_t subIndex) {
    for (auto table : {commonFrameAreas(), basicPageAreas(), advancedPageAreas()}) {
        for (const HotAreaEntry& entry : table) {
            if (entry.area == area && entry.index == index && entry.subIndex == subIndex) {
                return entry.rect;
            }
        }
    }
    return {};
}

std::optional<HotAreaEntry> clickTargetAt(std::span<const HotAreaEntry> table, Point p) {
    std::vector<Rect> rects;
    std::vector<const HotAreaEntry*> targets;
    for (const HotAreaEntry& entry : table) {
        if (isClickTarget(entry.area)) {
            rects.push_back(entry.rect);
            targets.push_back(&entry);
        }
    }
    const std::optional<std::size_t> picked = pickRect(rects, p);
    if (!picked) {
        return std::nullopt;
    }
    return *targets[*picked];
}

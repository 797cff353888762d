#include "app/hot_area.h"

#include <vector>

#include "skin/hover_tracker.h"

bool isClickTarget(HotArea area) {
    return area != HotArea::AssignmentList && area != HotArea::LightingList &&
           area != HotArea::MouseEventList;
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

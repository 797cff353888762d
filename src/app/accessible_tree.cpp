#include "app/accessible_tree.h"

#include "app/frame_areas.h"

std::wstring withNumber(const std::wstring& text, unsigned number) {
    std::wstring filled = text;
    if (const std::size_t at = filled.find(L"{}"); at != std::wstring::npos) {
        filled.replace(at, 2, std::to_wstring(number));
    }
    return filled;
}

StopDescription describeFrameStop(const FocusStop& stop, bool advancedShown, const UiTexts& texts) {
    StopDescription description;
    if (const FrameArea* area = frameAreaOf(stop.area); area != nullptr && area->page != Page::None) {
        description.checked = (area->page == Page::Advanced) == advancedShown;
    }
    if (stop.name) {
        description.name = texts[*stop.name];
    }
    return description;
}

std::vector<AccessibleNode> accessibleNodes(const KeyboardFocus& focus,
                                            const std::function<StopDescription(const FocusStop&)>& describe,
                                            const UiTexts& texts) {
    std::vector<AccessibleNode> nodes;
    const std::span<const FocusStop> order = focus.order();
    for (std::size_t i = 0; i < order.size(); ++i) {
        const FocusStop& stop = order[i];
        const StopDescription description = describe(stop);
        AccessibleNode node{
            stop.role,           description.name,        description.value,         focusStopRect(stop),
            description.checked, description.unavailable, focus.focusedIndex() == i, {}};
        // A scale only moves with the arrows, and a field or a list takes its own keys.
        if (stop.role != FocusRole::Slider && stop.control == 0) {
            node.defaultAction = texts[TextKey::AccessPress];
        }
        nodes.push_back(std::move(node));
    }
    return nodes;
}

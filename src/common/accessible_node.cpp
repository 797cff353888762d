#include "common/accessible_node.h"

#include <optional>

std::vector<AccessibleChange> accessibleChanges(const std::vector<AccessibleNode>& before,
                                                const std::vector<AccessibleNode>& after) {
    using Kind = AccessibleChange::Kind;
    std::vector<AccessibleChange> changes;
    bool sameChildren = before.size() == after.size();
    for (std::size_t i = 0; sameChildren && i < after.size(); ++i) {
        sameChildren = before[i].role == after[i].role && before[i].rect == after[i].rect;
    }
    if (!sameChildren) {
        changes.push_back({Kind::Children, 0});
    }
    std::optional<std::size_t> focused;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i].focused && (!sameChildren || !before[i].focused)) {
            focused = i;
        }
        if (!sameChildren) {
            continue;
        }
        if (before[i].checked != after[i].checked || before[i].unavailable != after[i].unavailable) {
            changes.push_back({Kind::State, i});
        }
        if (before[i].value != after[i].value || before[i].name != after[i].name) {
            changes.push_back({Kind::Value, i});
        }
    }
    if (focused) {
        changes.push_back({Kind::Focus, *focused});
    }
    return changes;
}

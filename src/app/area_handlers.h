#pragma once

#include <optional>
#include <span>
#include <vector>

#include "app/area_kind.h"
#include "app/hot_area.h"
#include "app/page_update.h"
#include "common/geometry.h"

// One row of a page model's table of areas: a kind of hot area, whole (area_kind.h), and the member
// of the model that a click on such an area runs.
template <class Model>
struct AreaHandler {
    AreaKind kind;
    PageUpdate (Model::*handle)(const HotAreaEntry& hit);
};

// Runs the handler of the click target of `areas` at p; nothing where p is on no target or no row
// handles the target's kind.
template <class Model>
std::optional<PageUpdate> handleAreaClick(Model& model, std::span<const HotAreaEntry> areas,
                                          std::span<const AreaHandler<Model>> handlers, Point p) {
    const std::optional<HotAreaEntry> hit = clickTargetAt(areas, p);
    if (!hit) {
        return std::nullopt;
    }
    for (const AreaHandler<Model>& handler : handlers) {
        if (handler.kind.area == hit->area) {
            return (model.*handler.handle)(*hit);
        }
    }
    return std::nullopt;
}

// The kinds of a table's rows, in its order.
template <class Model>
std::vector<AreaKind> areaKindsOf(std::span<const AreaHandler<Model>> handlers) {
    std::vector<AreaKind> kinds;
    for (const AreaHandler<Model>& handler : handlers) {
        kinds.push_back(handler.kind);
    }
    return kinds;
}

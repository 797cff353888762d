#include "app/area_kind.h"

#include "app/advanced_page_model.h"
#include "app/basic_page_model.h"
#include "app/frame_areas.h"

namespace {

std::span<const HotAreaEntry> pageLayout(Page page) {
    switch (page) {
    case Page::Basic:
        return basicPageAreas();
    case Page::Advanced:
        return advancedPageAreas();
    case Page::None:
        break;
    }
    return {};
}

const AreaKind* kindIn(std::span<const AreaKind> kinds, HotArea area) {
    for (const AreaKind& kind : kinds) {
        if (kind.area == area) {
            return &kind;
        }
    }
    return nullptr;
}

void appendShown(std::vector<ShownArea>& shown, std::span<const HotAreaEntry> layout,
                 std::span<const AreaKind> kinds) {
    for (const HotAreaEntry& entry : layout) {
        if (const AreaKind* kind = kindIn(kinds, entry.area)) {
            shown.push_back({entry, kind});
        }
    }
}

} // namespace

std::span<const AreaKind> pageAreaKinds(Page page) {
    switch (page) {
    case Page::Basic:
        return BasicPageModel::areaKinds();
    case Page::Advanced:
        return AdvancedPageModel::areaKinds();
    case Page::None:
        break;
    }
    return {};
}

const AreaKind* areaKindOf(HotArea area) {
    for (const std::span<const AreaKind> kinds :
         {frameAreaKinds(), pageAreaKinds(Page::Basic), pageAreaKinds(Page::Advanced)}) {
        if (const AreaKind* kind = kindIn(kinds, area)) {
            return kind;
        }
    }
    return nullptr;
}

std::vector<ShownArea> shownAreas(Page page) {
    std::vector<ShownArea> shown;
    appendShown(shown, commonFrameAreas(), frameAreaKinds());
    appendShown(shown, pageLayout(page), pageAreaKinds(page));
    return shown;
}

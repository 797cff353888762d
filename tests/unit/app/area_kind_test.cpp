#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/area_kind.h"
#include "app/frame_areas.h"

namespace {

struct AreaTable {
    const char* name;
    std::span<const HotAreaEntry> layout;
    std::span<const AreaKind> kinds;
    // The places of the page's stops lie between the frame's title bar and its foot.
    bool pagePlaces;
};

const AreaTable kTables[] = {
    {"frame", commonFrameAreas(), frameAreaKinds(), false},
    {"basic", basicPageAreas(), pageAreaKinds(Page::Basic), true},
    {"advanced", advancedPageAreas(), pageAreaKinds(Page::Advanced), true},
};

std::set<uint8_t> indexesOf(std::span<const HotAreaEntry> layout, HotArea area) {
    std::set<uint8_t> indexes;
    for (const HotAreaEntry& entry : layout) {
        if (entry.area == area) {
            indexes.insert(entry.index);
        }
    }
    return indexes;
}

// A click target of the layout has one row in its own table, an open-list window none, and no row
// names an area its table does not lay out or that another table has.
TEST(AreaKinds, EachClickTargetOfALayoutHasOneRowInItsOwnTable) {
    for (const AreaTable& table : kTables) {
        for (const HotAreaEntry& entry : table.layout) {
            const auto rows = std::ranges::count(table.kinds, entry.area, &AreaKind::area);
            EXPECT_EQ(rows, isClickTarget(entry.area) ? 1 : 0) << table.name << " area " << int(entry.area);
        }
        for (const AreaKind& kind : table.kinds) {
            EXPECT_FALSE(indexesOf(table.layout, kind.area).empty()) << table.name << " " << int(kind.area);
            EXPECT_EQ(areaKindOf(kind.area), &kind) << table.name << " " << int(kind.area);
        }
    }
}

// Every stop of a row stands in its table's range of places and has a name for each index where the
// row names its stops; a button that lights under the pointer has a look to light.
TEST(AreaKinds, RowsPlaceAndNameEveryIndexOfTheirAreas) {
    for (const AreaTable& table : kTables) {
        for (const AreaKind& kind : table.kinds) {
            const std::set<uint8_t> indexes = indexesOf(table.layout, kind.area);
            const std::size_t names = kind.stops.names.size();
            EXPECT_TRUE(names <= 1 || names == indexes.size()) << table.name << " " << int(kind.area);
            for (const uint8_t index : indexes) {
                const uint16_t place = kind.stops.placeOf(index);
                EXPECT_EQ(place >= 100 && place < 900, table.pagePlaces)
                    << table.name << " " << int(kind.area) << " place " << place;
                EXPECT_EQ(kind.stops.nameOf(index).has_value(), names > 0) << table.name << " " << int(index);
            }
            EXPECT_TRUE(!kind.lightsUnderPointer || kind.look) << table.name << " " << int(kind.area);
        }
    }
}

} // namespace

#include <gtest/gtest.h>

#include <type_traits>

#include "common/item_index.h"

namespace {

// A plain number, or the index of another kind of thing, is never taken for an index.
static_assert(!std::is_convertible_v<int, ButtonIndex>);
static_assert(!std::is_convertible_v<StageIndex, ButtonIndex>);
static_assert(!std::is_convertible_v<ButtonIndex, std::size_t>);

TEST(ItemIndex, CountsFromZeroAndShowsTheNumberFromOne) {
    const struct {
        std::size_t value;
        unsigned number;
    } kCases[] = {{0, 1}, {4, 5}, {6, 7}};
    for (const auto& c : kCases) {
        EXPECT_EQ(ButtonIndex{c.value}.value(), c.value);
        EXPECT_EQ(ButtonIndex{c.value}.number(), c.number) << c.value;
    }
    EXPECT_LT(StageIndex{1}, StageIndex{2});
}

} // namespace

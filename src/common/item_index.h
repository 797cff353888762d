#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>

// The place of one of a row of like things on the pages, counted from 0: the first button box is
// ButtonIndex{0}. Each kind of thing has its own type, so a stage's index is not taken for a
// button's, and it is built explicitly, so a number as the window shows it is not passed by
// mistake. number() is what the user reads: the same place counted from 1.
template <typename Kind>
class ItemIndex {
public:
    constexpr ItemIndex() = default;
    constexpr explicit ItemIndex(std::size_t value) : value_(static_cast<uint8_t>(value)) {}

    constexpr std::size_t value() const { return value_; }
    constexpr unsigned number() const { return value_ + 1u; }
    constexpr auto operator<=>(const ItemIndex&) const = default;

private:
    uint8_t value_ = 0;
};

// A button box of the Basic page's assignment group (0..6), the same as the record's button slot.
using ButtonIndex = ItemIndex<struct ButtonIndexKind>;
// A DPI stage (0..3).
using StageIndex = ItemIndex<struct StageIndexKind>;

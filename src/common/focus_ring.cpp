#include "common/focus_ring.h"

void FocusRing::reset(std::size_t count, std::optional<std::size_t> kept) {
    count_ = count;
    focused_ = kept && *kept < count ? kept : std::nullopt;
}

bool FocusRing::move(bool forward) {
    if (count_ == 0) {
        return false;
    }
    if (forward) {
        focused_ = focused_ ? (*focused_ + 1) % count_ : 0;
    } else {
        focused_ = focused_ ? (*focused_ + count_ - 1) % count_ : count_ - 1;
    }
    keyboardUsed_ = true;
    return true;
}

bool FocusRing::focusAt(std::size_t index, bool byKeyboard) {
    if (index >= count_) {
        return false;
    }
    focused_ = index;
    keyboardUsed_ = keyboardUsed_ || byKeyboard;
    return true;
}

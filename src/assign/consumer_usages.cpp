#include "assign/consumer_usages.h"

#include <array>

namespace {

// Scan Next, Scan Previous, Stop, Play/Pause, Mute, Volume Increment, Volume Decrement.
constexpr std::array<uint8_t, kMultimediaItemCount> kMultimediaUsages = {0xB5, 0xB6, 0xB7, 0xCD,
                                                                         0xE2, 0xE9, 0xEA};

// AL Consumer Control Configuration, AL Email Reader, AL Calculator, AL Local Machine Browser (all
// 01xx), then AC Search, Home, Back, Forward, Stop, Refresh, Bookmarks (all 02xx).
constexpr std::array<uint8_t, kWindowsItemCount> kWindowsUsages = {0x83, 0x8A, 0x92, 0x94, 0x21, 0x23,
                                                                   0x24, 0x25, 0x26, 0x27, 0x2A};
constexpr std::size_t kFirstBrowserItem = 4;

} // namespace

uint8_t MultimediaUsage(std::size_t item) {
    return item < kMultimediaUsages.size() ? kMultimediaUsages[item] : 0;
}

uint8_t WindowsUsage(std::size_t item) {
    return item < kWindowsUsages.size() ? kWindowsUsages[item] : 0;
}

uint8_t WindowsUsageHighByte(std::size_t item) {
    if (item < kFirstBrowserItem) {
        return 1;
    }
    return item < kWindowsItemCount ? 2 : 0;
}

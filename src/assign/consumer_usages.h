#pragma once

#include <cstddef>
#include <cstdint>

// Consumer-control usages behind the multimedia and Windows-function lists, by list item.

inline constexpr std::size_t kMultimediaItemCount = 7;
inline constexpr std::size_t kWindowsItemCount = 11;

// Low byte of the usage of a multimedia list item (0 outside the list); the high byte is always 0.
uint8_t MultimediaUsage(std::size_t item);

// Low byte of the usage of a Windows-function list item (0 outside the list).
uint8_t WindowsUsage(std::size_t item);

// High byte stored with a Windows-function item: 1 for the application launchers (items 0 to 3),
// 2 for the browser commands (items 4 to 10), 0 past the list.
uint8_t WindowsUsageHighByte(std::size_t item);

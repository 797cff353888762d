#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// One eight-byte command frame of the mouse's command interface. Byte 0 is the command code (bit 7
// set asks the mouse for a reply), bytes 1 to 6 are parameters (byte 2 is the data length of
// commands that carry a data block) and byte 7 is the checksum that makes all eight bytes add up
// to FFh.
struct DeviceCommand {
    static constexpr std::size_t kSize = 8;
    static constexpr std::size_t kChecksumIndex = 7;
    static constexpr uint8_t kReadFlag = 0x80;

    std::array<uint8_t, kSize> bytes{};

    static DeviceCommand make(uint8_t code, uint8_t byte1 = 0, uint8_t byte2 = 0, uint8_t byte3 = 0,
                              uint8_t byte4 = 0, uint8_t byte5 = 0, uint8_t byte6 = 0) {
        return DeviceCommand{{code, byte1, byte2, byte3, byte4, byte5, byte6, 0}};
    }

    uint8_t code() const { return bytes[0]; }
    bool isRead() const { return (bytes[0] & kReadFlag) != 0; }
    uint8_t dataLength() const { return bytes[2]; }

    uint8_t& operator[](std::size_t index) { return bytes[index]; }
    uint8_t operator[](std::size_t index) const { return bytes[index]; }

    bool operator==(const DeviceCommand&) const = default;
};

static_assert(sizeof(DeviceCommand) == DeviceCommand::kSize);

// FFh minus the sum of bytes 0 to 6, modulo 256.
uint8_t frameChecksum(const DeviceCommand& frame);

// The frame with its checksum byte filled in.
DeviceCommand sealed(DeviceCommand frame);

// True when the eight bytes add up to FFh modulo 256.
bool isWellFormed(const DeviceCommand& frame);

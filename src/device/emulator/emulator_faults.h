#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Ways the emulated mouse can be told to misbehave, as broken or unplugged hardware does.
struct EmulatorFaults {
    // Byte 2 of the replies to data reads (90h, 93h) announces this length instead of the true one.
    std::optional<uint8_t> announcedLength;
    // Only this many input reports follow a data read reply (default: as many as announced).
    std::optional<std::size_t> chunksSent;
    // Byte 1 of the replies to 87h, 90h and 93h names this set, block or slot number.
    std::optional<uint8_t> replyNumber;
    // Byte 0 of every reply carries this command code instead of the request's (checksum kept right).
    std::optional<uint8_t> replyCode;
    // Every reply carries a checksum one off the right one.
    bool badChecksum = false;
    // Get-feature calls fail: read requests get no reply.
    bool silentReplies = false;
    // No input report ever arrives: every read of a data chunk waits out its time-out.
    bool silentInput = false;
    // After this many reports on the command interface the mouse is gone and every call fails.
    std::optional<std::size_t> unplugAfterReports;
    // The mouse comes back from being unplugged with its factory state: it forgot what it was sent.
    bool forgetOnUnplug = false;
    // Report lengths the command interface claims instead of 9 and 33.
    std::optional<uint16_t> featureLength;
    std::optional<uint16_t> inputLength;
    std::optional<uint16_t> outputLength;
};

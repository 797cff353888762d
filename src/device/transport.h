#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/device_command.h"
#include "device/hid_port.h"
#include "device/pacer.h"

// Carries command frames to the mouse in feature reports and data blocks in 32-byte chunks of
// output and input reports, all with report ID 0. Buffers are sized from the lengths the command
// interface reports; a device whose reports are too short to hold a frame or a chunk gets nothing.
//
// Every call returns whether all of its reports went through, so a caller can tell a mouse that
// stopped answering from one that answered zeros; the protocol itself carries on either way.
//
// One Transport serves one exchange sequence (a connection exchange, an Apply). Once any report of
// it has failed (a read that got nothing within its time-out, or a report the mouse refused, as a
// mouse that has gone does), the mouse is taken as not answering: the later reads of the sequence
// take a report that is already there but wait for none, so a silent mouse costs one time-out per
// sequence instead of one per read.
class Transport {
public:
    static constexpr std::size_t kChunkSize = 32;
    static constexpr std::size_t kMinimumFeatureLength = 1 + DeviceCommand::kSize;
    static constexpr std::size_t kMinimumDataReportLength = 1 + kChunkSize;
    static constexpr std::chrono::milliseconds kChunkPause{3};
    static constexpr std::chrono::milliseconds kDefaultReadTimeout{250};

    Transport(HidPort& port, Pacer& pacer, std::chrono::milliseconds readTimeout = kDefaultReadTimeout)
        : port_(port), pacer_(pacer), readTimeout_(readTimeout) {}

    // Sends the frame with its checksum. For a read request the frame is replaced by the mouse's
    // eight-byte reply (zeros when no reply came); otherwise it is left as it was.
    bool sendCommand(DeviceCommand& frame);

    // Sends the frame, then for a write the frame's byte-2 bytes of `data` in chunks, pausing after
    // each; for a read the frame is replaced by the reply and the reply's byte-2 bytes are read in
    // whole chunks into `data`. Nothing is written or read outside `data`: a write takes zeros
    // where `data` ends early, a read keeps only what fits. A chunk that does not arrive within the
    // read time-out ends the read; what was not received stays zero. A frame that did not go out
    // is not followed by its data.
    bool sendCommandWithData(DeviceCommand& frame, std::span<uint8_t> data);

    Pacer& pacer() { return pacer_; }

    // Whether the interface's report lengths can carry the whole protocol: a feature report holds
    // a frame and the data reports hold a chunk. A sequence sends nothing on a link that cannot.
    bool carriesProtocol() const;

    // Whether a report of this sequence has failed, so reads no longer wait.
    bool mouseStoppedAnswering() const { return mouseStoppedAnswering_; }

private:
    bool sendFrame(const DeviceCommand& frame);
    bool receiveReply(DeviceCommand& frame);
    bool writeChunks(std::size_t length, std::span<const uint8_t> data);
    bool readChunks(std::size_t length, std::span<uint8_t> data);
    // Notes a failed report; returns `delivered`.
    bool noted(bool delivered);

    HidPort& port_;
    Pacer& pacer_;
    std::chrono::milliseconds readTimeout_;
    bool mouseStoppedAnswering_ = false;
};

// Number of 32-byte chunks that carry `length` data bytes.
constexpr std::size_t chunkCount(std::size_t length) {
    return (length + Transport::kChunkSize - 1) / Transport::kChunkSize;
}

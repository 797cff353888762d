#include "macro/macro_encoding.h"

#include <algorithm>

#include "assign/key_names.h"
#include "macro/macro_event_line.h"

namespace {

constexpr uint32_t kLongestShortDelayMs = 1270;
constexpr uint8_t kReleaseBit = 0x80;
constexpr uint8_t kLongDelayMarker = 0x03;
constexpr uint16_t kMaxLoopCount = 65535;

// Writes event pairs into a slot's event bytes, refusing any pair that would not fit.
class EventWriter {
public:
    explicit EventWriter(std::array<uint8_t, kMacroEventStreamSize>& events) : events_(events) {}

    bool write(std::initializer_list<uint8_t> bytes) {
        if (bytes.size() > events_.size() - used_) {
            return false;
        }
        std::ranges::copy(bytes, events_.begin() + static_cast<std::ptrdiff_t>(used_));
        used_ += bytes.size();
        return true;
    }

private:
    std::array<uint8_t, kMacroEventStreamSize>& events_;
    std::size_t used_ = 0;
};

bool writeKeyEvent(EventWriter& writer, bool release, uint8_t code, uint32_t delayMs) {
    const uint8_t releaseBit = release ? kReleaseBit : 0;
    if (delayMs <= kLongestShortDelayMs) {
        return writer.write({static_cast<uint8_t>(((delayMs / 10) & 0x7F) | releaseBit), code});
    }
    return writer.write({static_cast<uint8_t>(((delayMs % 100) & 0x7F) | releaseBit), code,
                         static_cast<uint8_t>((delayMs / 100) & 0xFF), kLongDelayMarker});
}

} // namespace

uint16_t loopCountFromText(std::wstring_view text) {
    const uint32_t value = leadingDecimal(text, kMaxLoopCount + 1u);
    return value < 1 || value > kMaxLoopCount ? 1 : static_cast<uint16_t>(value);
}

std::optional<MacroSlot> encodeMacro(std::wstring_view loopTimes, std::span<const std::wstring> lines) {
    MacroSlot slot{};
    if (lines.empty()) {
        return slot;
    }
    if (lines.size() > kMacroLineLimit) {
        return std::nullopt;
    }
    slot.setLoopCount(loopCountFromText(loopTimes));
    EventWriter writer(slot.events);
    for (std::size_t j = 0; j < lines.size(); ++j) {
        const MacroLineKind kind = classifyMacroLine(lines[j]);
        if (kind != MacroLineKind::KeyPress && kind != MacroLineKind::KeyRelease) {
            continue;
        }
        const uint32_t delayMs = j + 1 < lines.size() ? delayOfLine(lines[j + 1]) : 0;
        const uint8_t code = KeyNameToCode(keyNameOfLine(lines[j], kind));
        if (!writeKeyEvent(writer, kind == MacroLineKind::KeyRelease, code, delayMs)) {
            return std::nullopt;
        }
    }
    return slot;
}

void SetSlotLoopCount(MacroSlot& slot, long long loopCount) {
    slot.setLoopCount(loopCount < 1 || loopCount > kMaxLoopCount ? 1 : static_cast<uint16_t>(loopCount));
}

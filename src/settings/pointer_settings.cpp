#include "settings/pointer_settings.h"

#include "settings/pointer_mapping.h"

namespace {

constexpr uint32_t kDefaultSpeed = 10;
constexpr uint8_t kDefaultScrollLines = 3;
constexpr uint32_t kDefaultDoubleClickMs = 500;

uint8_t flag(bool on) {
    return on ? 1 : 0;
}

} // namespace

void PointerSettings::addMessage(std::vector<Notice>& messages, TextKey text) const {
    messages.push_back({texts_[text], texts_[TextKey::PointerWarningCaption]});
}

std::vector<Notice> PointerSettings::readSystemOnce() {
    std::vector<Notice> messages;
    if (!systemRead_) {
        systemRead_ = true;
        readSystem(messages);
    }
    return messages;
}

void PointerSettings::readSystem(std::vector<Notice>& messages) {
    if (const std::optional<MouseAcceleration> acceleration = system_.mouseAcceleration()) {
        record_.enhancePointerPrecision = flag(precisionOf(*acceleration));
    }
    if (const std::optional<uint32_t> speed = system_.mouseSpeed()) {
        record_.pointerSpeedPosition = positionOfMouseSpeed(*speed);
    } else {
        addMessage(messages, TextKey::GetMouseSpeedFailed);
    }
    if (const std::optional<uint32_t> lines = system_.wheelScrollLines()) {
        const bool page = *lines == kWheelScrollPage;
        record_.scrollOneScreen = flag(page);
        record_.scrollLines = page ? 0 : scrollLinesOnScale(*lines);
    } else {
        addMessage(messages, TextKey::GetWheelScrollLinesFailed);
    }
    if (const std::optional<uint32_t> time = system_.doubleClickTime()) {
        record_.doubleClickPosition = positionOfDoubleClickTime(*time);
    } else {
        addMessage(messages, TextKey::GetDoubleClickTimeFailed);
    }
}

PointerGroupView PointerSettings::view() const {
    PointerGroupView view;
    view.precision = record_.enhancePointerPrecision != 0;
    view.oneScreen = record_.scrollOneScreen != 0;
    view.speedSegments = positionOnScale(record_.pointerSpeedPosition);
    view.scrollSegments = scrollLinesOnScale(record_.scrollLines);
    view.doubleClickSegments = positionOnScale(record_.doubleClickPosition);
    return view;
}

void PointerSettings::togglePrecision() {
    record_.enhancePointerPrecision = flag(record_.enhancePointerPrecision == 0);
}

void PointerSettings::toggleOneScreen() {
    record_.scrollOneScreen = flag(record_.scrollOneScreen == 0);
}

bool PointerSettings::setScale(PointerScale scale, uint8_t segment) {
    if (segment < 1 || segment > kPointerScaleMax) {
        return false;
    }
    switch (scale) {
    case PointerScale::Speed:
        record_.pointerSpeedPosition = segment;
        return true;
    case PointerScale::ScrollLines:
        record_.scrollLines = segment;
        return true;
    case PointerScale::DoubleClick:
        record_.doubleClickPosition = segment;
        return true;
    }
    return false;
}

void PointerSettings::setSystem(const MouseAcceleration& acceleration, uint32_t speed, uint32_t wheelScroll,
                                uint32_t doubleClickMs, std::vector<Notice>& messages) {
    if (!system_.setMouseAcceleration(acceleration)) {
        addMessage(messages, TextKey::SetMouseFailed);
    }
    if (!system_.setMouseSpeed(speed)) {
        addMessage(messages, TextKey::SetMouseSpeedFailed);
    }
    if (!system_.setWheelScrollLines(wheelScroll)) {
        addMessage(messages, TextKey::SetWheelScrollLinesFailed);
    }
    if (!system_.setDoubleClickTime(doubleClickMs)) {
        addMessage(messages, TextKey::SetDoubleClickTimeFailed);
    }
}

std::vector<Notice> PointerSettings::applyToSystem(bool deviceConnected) {
    std::vector<Notice> messages;
    if (deviceConnected) {
        setSystem(mouseAccelerationOf(record_.enhancePointerPrecision != 0),
                  mouseSpeedOfPosition(record_.pointerSpeedPosition),
                  wheelScrollValue(record_.scrollOneScreen != 0, record_.scrollLines),
                  doubleClickTimeOfPosition(record_.doubleClickPosition), messages);
    }
    return messages;
}

std::vector<Notice> PointerSettings::restoreDefaults() {
    std::vector<Notice> messages;
    setSystem(mouseAccelerationOf(false), kDefaultSpeed, kDefaultScrollLines, kDefaultDoubleClickMs,
              messages);
    record_.enhancePointerPrecision = 0;
    record_.scrollOneScreen = 0;
    record_.pointerSpeedPosition = positionOfMouseSpeed(kDefaultSpeed);
    record_.scrollLines = kDefaultScrollLines;
    record_.doubleClickPosition = positionOfDoubleClickTime(kDefaultDoubleClickMs);
    return messages;
}

#include <windows.h>

#include <memory>
#include <optional>

#include "cli/device_port_factory.h"
#include "config/text_encoding.h"
#include "device/win/hid_discovery.h"
#include "device/win/win32_hid_port.h"

namespace {

// The mouse's command interface found by the program's own search. The event interface, opened
// by the same search, is not used by the tool; all handles close with the port (its link owns them
// and goes after the port that uses them).
class SearchedCommandPort : public HidPort {
public:
    bool open(std::string& error) {
        std::wstring failure;
        if (!findMouseInterfaces(link_, [&failure](const std::wstring& text) { failure = text; })) {
            error = failure.empty() ? "the mouse (USB 04D9:A09F) was not found"
                                    : "the mouse search failed: " + oneLine(failure);
            return false;
        }
        port_.emplace(link_.commandHandle.load(), link_.featureLength.load(), link_.inputLength.load(),
                      link_.outputLength.load());
        return true;
    }

    bool setFeature(std::span<const uint8_t> report) override { return port_->setFeature(report); }
    bool getFeature(std::span<uint8_t> report) override { return port_->getFeature(report); }
    bool writeOutput(std::span<const uint8_t> report) override { return port_->writeOutput(report); }
    bool readInput(std::span<uint8_t> report, std::chrono::milliseconds timeout) override {
        return port_->readInput(report, timeout);
    }
    uint16_t featureLength() const override { return port_->featureLength(); }
    uint16_t inputLength() const override { return port_->inputLength(); }
    uint16_t outputLength() const override { return port_->outputLength(); }

private:
    static std::string oneLine(const std::wstring& text) {
        std::string line = encodeUtf8(text);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        return line;
    }

    DeviceLink link_;
    std::optional<Win32HidPort> port_;
};

} // namespace

std::unique_ptr<HidPort> openDeviceCommandPort(std::string& error) {
    auto port = std::make_unique<SearchedCommandPort>();
    if (!port->open(error)) {
        return nullptr;
    }
    return port;
}

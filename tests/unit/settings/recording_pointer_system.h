#pragma once

#include <set>
#include <string>
#include <vector>

#include "settings/pointer_system.h"

// A system whose pointer settings live in memory. It records every call in order (setters with
// their values) and refuses the calls named in `failing`.
class RecordingPointerSystem : public PointerSystem {
public:
    MouseAcceleration acceleration{};
    uint32_t speed = 10;
    uint32_t wheelLines = 3;
    uint32_t doubleClickMs = 500;
    std::set<std::string> failing; // e.g. "mouseSpeed", "setDoubleClickTime"
    std::vector<std::string> calls;

    std::optional<MouseAcceleration> mouseAcceleration() override {
        return get("mouseAcceleration", acceleration);
    }
    bool setMouseAcceleration(const MouseAcceleration& v) override {
        const std::string shown = std::to_string(v.threshold1) + " " + std::to_string(v.threshold2) + " " +
                                  std::to_string(v.acceleration);
        return set("setMouseAcceleration " + shown, acceleration, v);
    }
    std::optional<uint32_t> mouseSpeed() override { return get("mouseSpeed", speed); }
    bool setMouseSpeed(uint32_t v) override { return set("setMouseSpeed " + std::to_string(v), speed, v); }
    std::optional<uint32_t> wheelScrollLines() override { return get("wheelScrollLines", wheelLines); }
    bool setWheelScrollLines(uint32_t v) override {
        return set("setWheelScrollLines " + std::to_string(v), wheelLines, v);
    }
    std::optional<uint32_t> doubleClickTime() override { return get("doubleClickTime", doubleClickMs); }
    bool setDoubleClickTime(uint32_t v) override {
        return set("setDoubleClickTime " + std::to_string(v), doubleClickMs, v);
    }

private:
    template <typename T>
    std::optional<T> get(const std::string& call, const T& value) {
        calls.push_back(call);
        return failing.contains(call) ? std::nullopt : std::optional<T>(value);
    }
    template <typename T>
    bool set(const std::string& call, T& target, const T& value) {
        calls.push_back(call);
        if (failing.contains(call.substr(0, call.find(' ')))) {
            return false;
        }
        target = value;
        return true;
    }
};

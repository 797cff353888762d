#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/device_config_record.h"
#include "lang/language.h"
#include "lang/notice.h"
#include "settings/pointer_system.h"

// The three scales of the pointer group, counted from 0 as the index of their areas on the advanced
// page.
enum class PointerScale : uint8_t { Speed = 0, ScrollLines = 1, DoubleClick = 2 };

// What the pointer group draws: the two boxes, and for each scale the segments 1..n lit (0..11).
struct PointerGroupView {
    bool precision = false;
    bool oneScreen = false;
    uint8_t speedSegments = 0;
    uint8_t scrollSegments = 0;
    uint8_t doubleClickSegments = 0;
    bool operator==(const PointerGroupView&) const = default;
};

// The Windows pointer settings of the advanced page: enhanced pointer precision, one screen per
// wheel notch, and the speed, scroll-line and double-click scales. The choices live in the record;
// the system sees them on OK or Apply, or at once through Default. One model serves the whole run,
// because the system is read only at the first drawing of the page in a run.
class PointerSettings {
public:
    PointerSettings(DeviceConfigRecord& record, PointerSystem& system, const UiTexts& texts)
        : record_(record), system_(system), texts_(texts) {}

    // Called before every drawing of the advanced page. The first call of the run replaces the five
    // fields with the system's values; a value the system does not give keeps the field from
    // config.bin, and the speed, wheel and double-click reads each report their failure. Later calls
    // return no messages and leave the fields as they are.
    std::vector<Notice> readSystemOnce();

    // What the group draws for the record; values off the scales are drawn at their nearest end.
    PointerGroupView view() const;

    // Clicks on the boxes flip them; the view repaints the box.
    void togglePrecision();
    void toggleOneScreen();
    // A click on segment 1..11 of a scale stores it; the view repaints that scale. Other segments
    // change nothing and return false.
    bool setScale(PointerScale scale, uint8_t segment);

    // OK and Apply: hands the five fields to the system, only while the mouse is connected (without
    // it OK and Apply do nothing at all). Every setting is tried; each one the system refuses gives
    // its own message.
    std::vector<Notice> applyToSystem(bool deviceConnected);

    // Default: sets the system to its defaults at once (speed 10, 3 lines, 500 ms, no precision),
    // whether the mouse is connected or not, and the fields to the matching positions; the view
    // repaints the whole group.
    std::vector<Notice> restoreDefaults();

private:
    void readSystem(std::vector<Notice>& messages);
    void setSystem(const MouseAcceleration& acceleration, uint32_t speed, uint32_t wheelScroll,
                   uint32_t doubleClickMs, std::vector<Notice>& messages);
    void addMessage(std::vector<Notice>& messages, TextKey text) const;

    DeviceConfigRecord& record_;
    PointerSystem& system_;
    const UiTexts& texts_;
    bool systemRead_ = false;
};

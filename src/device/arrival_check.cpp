#include "device/arrival_check.h"

#include <algorithm>
#include <cstring>

#include "device/device_exchanges.h"
#include "device/lighting_merge.h"

bool readMouseSettings(Transport& transport, DeviceImage& image) {
    image.read = ReadMarks{};
    if (!transport.carriesProtocol()) {
        return false;
    }
    bool complete = readLightingEffect(transport, image);
    for (uint8_t set = 0; set < kLedParameterSetCount; ++set) {
        complete = readLedParameterSet(transport, image, set) && complete;
    }
    for (uint8_t block = 0; block < kColorBlockCount; ++block) {
        complete = readColorBlock(transport, image, block) && complete;
    }
    for (uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
        complete = readMacroSlot(transport, image, slot) && complete;
    }
    return complete;
}

ArrivalComparison compareWithRecord(const DeviceImage& image, const DeviceConfigRecord& record) {
    ArrivalComparison comparison;
    const ReadMarks& read = image.read;

    // What Apply would make of the mouse's own lighting: where that differs from what the mouse
    // holds, the record's choice is not on the mouse.
    LightingEffectBytes effect = image.lightingEffect;
    LedParameterSet ledSet0 = image.ledSets[0];
    mergeLighting(record, effect, ledSet0);
    comparison.lightingDiffers = (read.lightingEffect && effect != image.lightingEffect) ||
                                 (read.ledSets[0] && ledSet0 != image.ledSets[0]) ||
                                 (read.colorBlocks[1] && image.colorBlocks[1] != stageColorBlock(record));

    for (uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
        const std::size_t index = slot - 1u;
        if (read.macroSlots[index] &&
            std::memcmp(image.macroSlots[index].data(), &record.macroSlots[index], kMacroSlotSize) != 0) {
            comparison.differingSlots.push_back(slot);
        }
    }

    const bool allRead =
        read.lightingEffect && read.ledSets[0] && read.colorBlocks[1] &&
        std::find(read.macroSlots.begin(), read.macroSlots.end(), false) == read.macroSlots.end();
    if (comparison.lightingDiffers || !comparison.differingSlots.empty()) {
        comparison.agreement = MouseAgreement::Differs;
    } else {
        comparison.agreement = allRead ? MouseAgreement::Same : MouseAgreement::Unknown;
    }
    return comparison;
}

ArrivalComparison checkArrivedMouse(Transport& transport, const DeviceConfigRecord& record) {
    DeviceImage image;
    readMouseSettings(transport, image);
    return compareWithRecord(image, record);
}

ArrivalAction arrivalAction(bool sendOnArrival, bool settingsSaved) {
    if (sendOnArrival) {
        return ArrivalAction::SendSettings;
    }
    return settingsSaved ? ArrivalAction::Compare : ArrivalAction::Nothing;
}

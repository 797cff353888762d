#include "settings/lighting_panel.h"

namespace {

constexpr uint8_t kFirstMode = kLightingStandard;
constexpr uint8_t kLastMode = kLightingNeon;

bool choosableMode(uint8_t mode) {
    return mode >= kFirstMode && mode <= kLastMode;
}

} // namespace

std::vector<uint8_t> LightingPanel::effectChoices() const {
    const std::span<const uint8_t> choices = lightingEffectChoices(record_.lightingMode);
    return {choices.begin(), choices.end()};
}

bool LightingPanel::listOpens(LightingField field) const {
    switch (field) {
    case LightingField::Mode:
        return true;
    case LightingField::Parameter:
        return choosableMode(record_.lightingMode);
    case LightingField::Effect:
        return !effectChoices().empty();
    }
    return false;
}

LightingPanelChange LightingPanel::toggleList(LightingField field) {
    LightingPanelChange change = closeList();
    if (change.closedList == field) {
        return change;
    }
    if (listOpens(field)) {
        openList_ = field;
        change.openedList = field;
    } else {
        // The effect field of the Standard mode shows the mode's only effect whatever the record
        // holds, so the field is set again instead.
        change.fieldsChanged = field == LightingField::Effect;
    }
    return change;
}

LightingPanelChange LightingPanel::closeList() {
    LightingPanelChange change;
    change.closedList = openList_;
    openList_.reset();
    return change;
}

std::vector<std::wstring> LightingPanel::listItems() const {
    std::vector<std::wstring> items;
    if (!openList_) {
        return items;
    }
    switch (*openList_) {
    case LightingField::Mode:
        for (uint8_t mode = kFirstMode; mode <= kLastMode; ++mode) {
            items.push_back(lightingModeName(mode, texts_));
        }
        break;
    case LightingField::Parameter:
        for (std::size_t index = 0; index < lightingParameterCount(record_.lightingMode); ++index) {
            items.push_back(lightingParameterText(record_.lightingMode, static_cast<uint8_t>(index)));
        }
        break;
    case LightingField::Effect:
        for (const uint8_t effect : effectChoices()) {
            items.push_back(lightingEffectName(effect, texts_));
        }
        break;
    }
    return items;
}

void LightingPanel::store(LightingField field, std::size_t entry) {
    const auto value = static_cast<uint8_t>(entry);
    switch (field) {
    case LightingField::Mode:
        record_.lightingMode = static_cast<uint8_t>(kFirstMode + value);
        break;
    case LightingField::Parameter:
        if (record_.lightingMode == kLightingStandard) {
            record_.standardBrightness = value;
        } else if (record_.lightingMode == kLightingRespiration) {
            record_.respirationCycle = value;
        } else {
            record_.neonCycle = value;
        }
        break;
    case LightingField::Effect:
        if (record_.lightingMode == kLightingRespiration) {
            record_.respirationColorEffect = effectChoices()[entry];
        } else {
            record_.neonColorEffect = effectChoices()[entry];
        }
        break;
    }
}

LightingPanelChange LightingPanel::choose(std::size_t entry) {
    if (!openList_ || entry >= listItems().size()) {
        return {};
    }
    store(*openList_, entry);
    LightingPanelChange change = closeList();
    change.fieldsChanged = true;
    return change;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/device_config_record.h"
#include "lang/language.h"
#include "settings/lighting_texts.h"

// The three fields of the lighting panel, counted from 0 as the index of their header areas.
enum class LightingField : uint8_t { Mode = 0, Parameter = 1, Effect = 2 };

// What the view does after an operation of the panel, in this order: destroy the list window of
// `closedList`, set the three field texts from `fields()` when `fieldsChanged`, create the list of
// `openedList` under its field and fill it with `listItems()`.
struct LightingPanelChange {
    std::optional<LightingField> closedList;
    std::optional<LightingField> openedList;
    bool fieldsChanged = false;
    bool operator==(const LightingPanelChange&) const = default;
};

// The lighting panel of the basic page: a mode, the mode's parameter (brightness or cycle time)
// and its colour effect, each chosen in a pop-up list under its field. At most one list is open.
// Each mode keeps its own parameter and effect in the record, so switching modes back and forth
// finds the earlier choices again.
class LightingPanel {
public:
    LightingPanel(DeviceConfigRecord& record, const UiTexts& texts) : record_(record), texts_(texts) {}

    // A click on a field: closes its list when it is open, otherwise closes any other open list and
    // opens this one. The Standard mode has a single effect, so its effect field opens no list. A
    // record whose lighting is Off (or holds an unknown mode) has no parameter or effect to choose
    // until a mode is picked: only the mode list opens.
    LightingPanelChange toggleList(LightingField field);

    // A click elsewhere on the page closes the open list.
    LightingPanelChange closeList();

    // Entry `entry` (0-based) was chosen in the open list: stores it, updates the fields and closes
    // the list. An entry the list does not have changes nothing.
    LightingPanelChange choose(std::size_t entry);

    std::optional<LightingField> openList() const { return openList_; }

    // The entries of the open list; empty while no list is open.
    std::vector<std::wstring> listItems() const;

    // What the three fields show for the record.
    LightingFieldTexts fields() const { return lightingFieldTexts(record_, texts_); }

private:
    bool listOpens(LightingField field) const;
    std::vector<uint8_t> effectChoices() const;
    void store(LightingField field, std::size_t entry);

    DeviceConfigRecord& record_;
    const UiTexts& texts_;
    std::optional<LightingField> openList_;
};

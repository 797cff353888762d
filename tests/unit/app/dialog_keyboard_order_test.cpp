#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/profiles_dialog_model.h"
#include "assign/combo_key_dialog_model.h"
#include "assign/consumer_key_dialog_model.h"
#include "assign/delay_time_dialog_model.h"
#include "assign/fire_key_dialog_model.h"
#include "assign/key_capture_rules.h"
#include "common/dialog_layout.h"
#include "macro/macro_key_dialog_model.h"
#include "skin/skins_dialog_model.h"

namespace {

struct LayoutRow {
    std::string dialog;
    std::string name;
    Rect rect;
};

const std::vector<LayoutRow> kLayoutRows = {
#define DIALOG_FRAME(name, l, t, r, b)
#define DIALOG_AREA(dialog, image, name, l, t, r, b) {#dialog, #name, Rect{l, t, r, b}},
#include "common/dialog_layout.inc"
#undef DIALOG_AREA
#undef DIALOG_FRAME
};

struct DialogOrder {
    std::string dialog;
    std::vector<DialogStop> order;
    // The dialog's areas that take no keyboard focus: texts, the sunken displays of drop-downs, and
    // the lists that open under them.
    std::set<std::string> notStops;
};

std::vector<DialogOrder> dialogOrders() {
    const UiTexts texts(Language::English);
    return {
        {"SingleKey", {}, {"PromptText", "KeyNameStatic"}},
        {"ComboKey", ComboKeyDialogModel(texts).keyboardOrder(), {"ModifierStatic", "ModifierList"}},
        {"FireKey",
         FireKeyDialogModel(texts).keyboardOrder(),
         {"KeyStatic", "KeyList", "SpeedCaption", "TimesCaption", "SpeedNote", "TimesNote"}},
        {"DelayTime", DelayTimeDialogModel::keyboardOrder(), {"DelayPrompt", "RangeNote"}},
        {"MediaKey",
         ConsumerKeyDialogModel(ConsumerKeyDialog::Multimedia, texts).keyboardOrder(),
         {"ItemStatic", "ItemList"}},
        {"WindowsKey",
         ConsumerKeyDialogModel(ConsumerKeyDialog::WindowsFunction, texts).keyboardOrder(),
         {"ItemStatic", "ItemList"}},
        {"MacroKey",
         MacroKeyDialogModel::keyboardOrder(),
         {"MacroStatic", "MacroList", "ListCaption", "RepeatText1", "RepeatText2", "RepeatText3"}},
        {"Skins", skinsDialogKeyboardOrder(), {"ColourPrompt", "SkinNameStatic", "SkinList"}},
        {"Profiles",
         profilesDialogKeyboardOrder(),
         {"Title", "NameCaption", "ProgramsCaption", "RunningList"}},
    };
}

int stopsAt(const std::vector<DialogStop>& order, Rect area) {
    int count = 0;
    for (const DialogStop& stop : order) {
        count += stop.area == area ? 1 : 0;
    }
    return count;
}

// A new area in a dialog's layout fails here until it is a stop or named as none. The single-key
// dialog captures every key, Tab too: Alt+O and Alt+C are its keyboard.
TEST(DialogKeyboardOrder, EveryAreaOfEachDialogIsAStopExactlyOnce) {
    for (const DialogOrder& dialog : dialogOrders()) {
        std::set<std::string> seen;
        for (const LayoutRow& row : kLayoutRows) {
            if (row.dialog != dialog.dialog) {
                continue;
            }
            seen.insert(row.name);
            const int expected = dialog.notStops.count(row.name) != 0 ? 0 : 1;
            EXPECT_EQ(stopsAt(dialog.order, row.rect), expected) << dialog.dialog << " " << row.name;
        }
        for (const std::string& name : dialog.notStops) {
            EXPECT_TRUE(seen.count(name) != 0) << dialog.dialog << " has no area " << name;
        }
        const int frame = dialog.order.empty() ? 0 : 1;
        EXPECT_EQ(stopsAt(dialog.order, dialog_layout::Ok), frame) << dialog.dialog;
        EXPECT_EQ(stopsAt(dialog.order, dialog_layout::Cancel), frame) << dialog.dialog;
        if (frame != 0) {
            EXPECT_EQ(dialog.order.back().area, dialog_layout::Cancel)
                << dialog.dialog << ": Cancel comes last";
        }
        for (const DialogStop& stop : dialog.order) {
            if (stop.takesOwnKeys()) {
                EXPECT_NE(stop.control, 0) << dialog.dialog << ": a field or a list names its control";
            }
        }
    }
}

// Tab and Shift+Tab wrap; Space clicks the middle of a drawn stop and leaves a field its keys; a click
// and a control taking the focus move it without the mark, which shows once Tab moved it.
TEST(DialogFocus, KeysClicksAndTheMark) {
    using Kind = DialogFocusAction::Kind;
    const UiTexts texts;
    DialogFocus focus(ComboKeyDialogModel(texts).keyboardOrder());
    const std::size_t count = focus.order().size();
    EXPECT_EQ(focus.key(FocusKey::Space), DialogFocusAction{}) << "nothing has the focus yet";
    focus.clickedAt(dialog_layout::ComboKeyModifierDropdown.topLeft());
    EXPECT_EQ(focus.focusedIndex(), 0u);
    EXPECT_EQ(focus.markRect(), Rect{}) << "a click shows no mark";
    focus.controlFocused(kComboSecondKeyEditId);
    EXPECT_EQ(focus.focusedIndex(), 2u);
    EXPECT_EQ(focus.key(FocusKey::Space), DialogFocusAction{}) << "the key field takes its own keys";
    const struct {
        FocusKey key;
        std::size_t focusedAfter;
        Kind kind;
    } kSteps[] = {
        {FocusKey::Tab, 3, Kind::MoveMark},
        {FocusKey::Space, 3, Kind::Activate},
        {FocusKey::Tab, 4, Kind::MoveMark},
        {FocusKey::Tab, 0, Kind::MoveMark},
        {FocusKey::ShiftTab, count - 1, Kind::MoveMark},
        {FocusKey::Left, count - 1, Kind::None},
    };
    for (const auto& step : kSteps) {
        const DialogFocusAction action = focus.key(step.key);
        EXPECT_EQ(action.kind, step.kind) << int(step.key);
        EXPECT_EQ(focus.focusedIndex(), step.focusedAfter) << int(step.key);
        EXPECT_EQ(focus.markRect(), focus.order()[step.focusedAfter].area);
        if (action.kind == Kind::Activate) {
            EXPECT_TRUE(focus.markRect().contains(action.point));
        }
    }
}

// In keyboard use a combo key field takes the key pressed in it and moves on at its release; the
// release of the Tab that brought the focus there is not a key of the field.
TEST(OneKeyField, TakesOneKeyAndMovesOnAtItsRelease) {
    using Step = OneKeyField::Step;
    constexpr unsigned kTab = 0x09, kA = 0x41, kControl = 0x11;
    const struct {
        unsigned key;
        bool released;
        Step step;
    } kEvents[] = {
        {kTab, true, Step::Ignore},        {kControl, false, Step::Take},         {kA, false, Step::Take},
        {kA, true, Step::Ignore},          {kControl, true, Step::TakeAndMoveOn}, {kTab, false, Step::Take},
        {kTab, true, Step::TakeAndMoveOn},
    };
    OneKeyField field;
    for (const auto& event : kEvents) {
        EXPECT_EQ(field.onKeyEvent(event.key, event.released), event.step)
            << event.key << " " << event.released;
    }
}

} // namespace

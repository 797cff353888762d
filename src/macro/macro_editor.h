#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"
#include "lang/notice.h"
#include "macro/macro_store.h"

// Shown in every language when a thirteenth macro is asked for.
inline constexpr std::wstring_view kMacroLimitText = L"Macro numbers up to 12.";

// The entries of the mouse-event pop-up, in list order; the same in every language.
std::span<const std::wstring_view> mouseEventItems();

// The macro group of the Advanced Settings page: the macro list, the name and loop-times edits,
// the event list of the selected macro and the mouse-event pop-up. The view shows this state in
// its controls and turns their notifications into the calls below; it updates the loop-times edit
// from loopTimesText() without calling SetLoopTimes again (the model has already run it).
// New, loop-count changes and deletions reach record.ini at once; event-list edits only on
// Confirm. Slot operations use the macro's position in record.ini, where the encoding puts it.
class MacroEditor {
public:
    MacroEditor(MacroStore& store, MacroArea& area, const UiTexts& texts);

    // Reloads everything from record.ini and the macro area, each time the page is built.
    void LoadMacroPage();

    // The name edit's text changed (the edit takes at most kMacroNameMaxLength characters).
    void setMacroNameText(std::wstring text);
    // New: the macro's section is written at once, at the end of record.ini, so the list and the
    // file agree on its place and a file that cannot be written is told at once.
    std::optional<Notice> NewMacro();
    // What Delete did: the slot of the macro that went, or why nothing changed.
    struct Deletion {
        std::optional<std::size_t> slot;
        std::optional<Notice> refusal;
    };
    // Delete: the selected macro leaves record.ini and the list; its slot leaves the macro area, the
    // slots after it moving down one as their macros do in the file, and the last slot emptied.
    Deletion DeleteMacro();
    // Confirm: writes the selected macro where it stands in record.ini and re-encodes the macro
    // area. A macro whose events do not fit its slot is refused and nothing of it is written. When
    // the file cannot be written the edit stays on screen, to be confirmed again.
    std::optional<Notice> SaveMacro();
    void SelectMacro(std::optional<std::size_t> index);
    // The loop-times edit's text changed by the user.
    void SetLoopTimes(std::wstring text);

    // The event line under the pointer or clicked (nothing: none).
    void selectEventLine(std::optional<std::size_t> index);
    // Opens or closes the mouse-event pop-up; returns whether it is open now.
    bool toggleMouseEventList();
    void closeMouseEventList() { mouseEventListOpen_ = false; }
    // Entry `item` of the pop-up was chosen; the pop-up closes.
    void InsertMouseEvent(std::size_t item);
    // Whether a double-click opens the delay-time dialog: a delay line is selected.
    bool canEditDelay() const;
    // The delay-time dialog ended with OK and this value.
    void EditDelayLine(long long delayMs);
    // Command 32772 of the event list's context menu: removes the selected line only.
    void DeleteEventLine();

    // For the recorder.
    bool hasSelectedMacro() const { return selectedMacro_.has_value(); }
    void clearEventLines();
    // Appends a line and selects it (the list scrolls it into view).
    void appendEventLine(std::wstring line);

    const std::vector<std::wstring>& macroNames() const { return macroNames_; }
    std::optional<std::size_t> selectedMacro() const { return selectedMacro_; }
    const std::wstring& macroNameText() const { return macroNameText_; }
    const std::wstring& loopTimesText() const { return loopTimesEdit_; }
    const std::vector<std::wstring>& eventLines() const { return eventLines_; }
    std::optional<std::size_t> selectedEventLine() const { return selectedEventLine_; }
    bool mouseEventListOpen() const { return mouseEventListOpen_; }

private:
    // The program changes the loop-times edit; that runs SetLoopTimes as a user edit does.
    void showLoopTimes(std::wstring text);
    void showSlotLoopCount(const std::wstring& name);
    // The refusal shown when record.ini could not be written.
    Notice fileNotWritten() const;
    void insertLines(std::size_t at, const std::vector<std::wstring>& lines);
    const std::wstring& selectedName() const { return macroNames_[*selectedMacro_]; }

    MacroStore& store_;
    MacroArea& area_;
    const UiTexts& texts_;

    std::vector<std::wstring> macroNames_;
    std::optional<std::size_t> selectedMacro_;
    std::wstring macroNameText_;
    std::wstring loopTimesEdit_;
    std::wstring loopCountText_; // the last accepted loop count, which Confirm writes
    std::vector<std::wstring> eventLines_;
    std::optional<std::size_t> selectedEventLine_;
    bool mouseEventListOpen_ = false;
};

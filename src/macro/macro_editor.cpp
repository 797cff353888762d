#include "macro/macro_editor.h"

#include <algorithm>
#include <array>
#include <utility>

#include "config/profile_name.h"
#include "macro/macro_encoding.h"
#include "macro/macro_event_line.h"

namespace {

constexpr std::array<std::wstring_view, 9> kMouseEventItems{
    L"L-Button Click", L"R-Button Click", L"M-Button Click", L"L-Button   Dn", L"L-Button   Up",
    L"R-Button   Dn",  L"R-Button   Up",  L"M-Button   Dn",  L"M-Button   Up",
};
constexpr std::wstring_view kClickSuffix = L" Click";
constexpr long long kLongestEditedDelayMs = 10000;
constexpr uint32_t kMaxLoopCount = 65535;

std::wstring_view trimmedName(std::wstring_view text) {
    return trimProfileBlanks(text.substr(0, kMacroNameMaxLength));
}

} // namespace

std::span<const std::wstring_view> mouseEventItems() {
    return kMouseEventItems;
}

MacroEditor::MacroEditor(MacroStore& store, MacroArea& area, const UiTexts& texts)
    : store_(store), area_(area), texts_(texts) {}

void MacroEditor::LoadMacroPage() {
    macroNames_ = store_.listMacros();
    selectedMacro_.reset();
    macroNameText_.clear();
    loopTimesEdit_.clear();
    loopCountText_.clear();
    clearEventLines();
    mouseEventListOpen_ = false;
    if (macroNames_.empty()) {
        return;
    }
    const StoredMacro first = store_.readMacro(macroNames_.front());
    macroNameText_ = macroNames_.front();
    loopCountText_ = first.loopTimes;
    showLoopTimes(first.loopTimes);
    eventLines_ = first.lines;
    selectedMacro_ = 0;
    showSlotLoopCount(macroNames_.front());
}

void MacroEditor::setMacroNameText(std::wstring text) {
    macroNameText_ = std::move(text);
    if (macroNameText_.size() > kMacroNameMaxLength) {
        macroNameText_.resize(kMacroNameMaxLength);
    }
}

std::optional<Notice> MacroEditor::NewMacro() {
    const std::wstring name(trimmedName(macroNameText_));
    if (name.empty()) {
        return Notice{texts_[TextKey::MacroNameBlank]};
    }
    if (macroNames_.size() >= kMacroSlotCount) {
        return warningNotice(std::wstring(kMacroLimitText));
    }
    if (std::ranges::any_of(macroNames_, [&](const std::wstring& m) { return profileNamesEqual(m, name); })) {
        return Notice{texts_[TextKey::MacroNameExists]};
    }
    const uint16_t loopCount = loopCountFromText(loopCountText_);
    if (!store_.writeLoopCount(name, loopCount)) {
        return fileNotWritten();
    }
    loopCountText_ = std::to_wstring(loopCount);
    macroNames_.push_back(name);
    macroNameText_ = name;
    clearEventLines();
    selectedMacro_ = macroNames_.size() - 1;
    return std::nullopt;
}

MacroEditor::Deletion MacroEditor::DeleteMacro() {
    if (!selectedMacro_) {
        return {};
    }
    const std::wstring name = selectedName();
    const std::optional<std::size_t> slot = store_.slotOf(name);
    if (!store_.deleteMacro(name)) {
        return {std::nullopt, fileNotWritten()};
    }
    macroNames_.erase(macroNames_.begin() + static_cast<std::ptrdiff_t>(*selectedMacro_));
    selectedMacro_.reset();
    clearEventLines();
    macroNameText_.clear();
    if (slot) {
        std::shift_left(area_.begin() + static_cast<std::ptrdiff_t>(*slot), area_.end(), 1);
        area_.back() = MacroSlot{};
    }
    return {slot, std::nullopt};
}

std::optional<Notice> MacroEditor::SaveMacro() {
    if (!selectedMacro_) {
        return std::nullopt;
    }
    if (!encodeMacro(loopCountText_, eventLines_)) {
        return warningNotice(texts_[TextKey::MacroTooLong]);
    }
    const std::wstring name = selectedName();
    if (!store_.slotOf(name) && store_.listMacros().size() >= kMacroSlotCount) {
        return warningNotice(std::wstring(kMacroLimitText));
    }
    if (!store_.writeMacro(name, loopCountText_, eventLines_)) {
        return fileNotWritten();
    }
    EncodeMacroArea(store_, area_);
    return std::nullopt;
}

void MacroEditor::SelectMacro(std::optional<std::size_t> index) {
    if (!index || *index >= macroNames_.size()) {
        return;
    }
    selectedMacro_ = index;
    const std::wstring name = selectedName();
    macroNameText_ = name;
    showLoopTimes(store_.readLoopTimes(name));
    eventLines_ = store_.readMacro(name).lines;
    selectedEventLine_.reset();
    if (!eventLines_.empty()) {
        showSlotLoopCount(name);
    }
}

void MacroEditor::SetLoopTimes(std::wstring text) {
    uint32_t value = leadingDecimal(text, kMaxLoopCount + 1);
    if (value < 1 || value > kMaxLoopCount) {
        text = L"1";
        value = 1;
    }
    loopTimesEdit_ = std::move(text);
    if (!selectedMacro_) {
        return;
    }
    const std::wstring name = selectedName();
    loopCountText_ = std::to_wstring(value);
    store_.writeLoopCount(name, value);
    if (const std::optional<std::size_t> slot = store_.slotOf(name)) {
        SetSlotLoopCount(area_[*slot], value);
    }
}

Notice MacroEditor::fileNotWritten() const {
    return warningNotice(texts_[TextKey::MacroFileNotWritten]);
}

void MacroEditor::showLoopTimes(std::wstring text) {
    SetLoopTimes(std::move(text));
}

void MacroEditor::showSlotLoopCount(const std::wstring& name) {
    if (const std::optional<std::size_t> slot = store_.slotOf(name)) {
        showLoopTimes(std::to_wstring(area_[*slot].loopCount()));
    }
}

void MacroEditor::selectEventLine(std::optional<std::size_t> index) {
    selectedEventLine_ = index && *index < eventLines_.size() ? index : std::nullopt;
}

bool MacroEditor::toggleMouseEventList() {
    mouseEventListOpen_ = !mouseEventListOpen_;
    return mouseEventListOpen_;
}

void MacroEditor::insertLines(std::size_t at, const std::vector<std::wstring>& lines) {
    eventLines_.insert(eventLines_.begin() + static_cast<std::ptrdiff_t>(at), lines.begin(), lines.end());
}

void MacroEditor::InsertMouseEvent(std::size_t item) {
    mouseEventListOpen_ = false;
    if (item >= kMouseEventItems.size()) {
        return;
    }
    // A click stands for the button's press and release lines.
    const std::wstring_view entry = kMouseEventItems[item];
    std::vector<std::wstring> events{std::wstring(entry)};
    if (entry.ends_with(kClickSuffix)) {
        const std::wstring_view button = entry.substr(0, entry.size() - kClickSuffix.size());
        events = {keyPressLine(button), keyReleaseLine(button)};
    }
    const std::wstring gap = delayLine(kDefaultDelayMs);
    std::vector<std::wstring> eventsThenGaps;
    std::vector<std::wstring> gapsThenEvents;
    for (const std::wstring& event : events) {
        eventsThenGaps.insert(eventsThenGaps.end(), {event, gap});
        gapsThenEvents.insert(gapsThenEvents.end(), {gap, event});
    }

    if (!selectedEventLine_) {
        if (eventLines_.empty() && selectedMacro_) {
            insertLines(0, eventsThenGaps);
        }
        return;
    }
    const std::size_t after = *selectedEventLine_ + 1;
    if (isDelayLine(eventLines_[*selectedEventLine_])) {
        insertLines(after, eventsThenGaps);
        selectedEventLine_ = after;
    } else {
        insertLines(after, gapsThenEvents);
        selectedEventLine_ = after + 1;
    }
}

bool MacroEditor::canEditDelay() const {
    return selectedEventLine_ && isDelayLine(eventLines_[*selectedEventLine_]);
}

void MacroEditor::EditDelayLine(long long delayMs) {
    if (!canEditDelay()) {
        return;
    }
    const long long shown = delayMs > kLongestEditedDelayMs || delayMs < 0 ? kDefaultDelayMs : delayMs;
    eventLines_[*selectedEventLine_] = delayLine(shown);
}

void MacroEditor::DeleteEventLine() {
    if (!selectedEventLine_) {
        return;
    }
    eventLines_.erase(eventLines_.begin() + static_cast<std::ptrdiff_t>(*selectedEventLine_));
    selectedEventLine_.reset();
}

void MacroEditor::clearEventLines() {
    eventLines_.clear();
    selectedEventLine_.reset();
}

void MacroEditor::appendEventLine(std::wstring line) {
    eventLines_.push_back(std::move(line));
    selectedEventLine_ = eventLines_.size() - 1;
}

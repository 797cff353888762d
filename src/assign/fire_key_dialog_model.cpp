#include "assign/fire_key_dialog_model.h"

#include <utility>

#include "assign/edit_number.h"
#include "assign/key_names.h"

namespace {

std::vector<std::wstring> fireKeyTexts() {
    std::vector<std::wstring> texts;
    for (const std::wstring_view item : fireKeyItems()) {
        texts.emplace_back(item);
    }
    return texts;
}

// The leading number of an edit's text when it lies in [low, high].
std::optional<uint8_t> numberInRange(std::wstring_view text, int low, int high) {
    const int value = editTextNumber(text);
    if (value < low || value > high) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(value);
}

} // namespace

FireKeyDialogTexts fireKeyDialogTexts(const UiTexts& texts) {
    return {texts[TextKey::FireSpeedCaption], texts[TextKey::FireTimesCaption], texts[TextKey::FireSpeedNote],
            texts[TextKey::FireTimesNote], texts[TextKey::FireKey]};
}

FireKeyDialogModel::FireKeyDialogModel(const UiTexts& texts)
    : texts_(texts), keys_(kFireKeyListLayout, fireKeyTexts(), {}),
      speedText_(std::to_wstring(kFireSpeedDefault)), timesText_(std::to_wstring(kFireTimesDefault)) {}

DialogAnswer<bool> FireKeyDialogModel::chooseKey(std::optional<std::size_t> row) {
    const bool taken = keys_.choose(row);
    return {taken, choice()};
}

FunctionChoice FireKeyDialogModel::onSpeedChanged(std::wstring text) {
    speedText_ = std::move(text);
    return choice();
}

DialogAnswer<std::optional<std::wstring>> FireKeyDialogModel::onSpeedFocusLost() {
    if (numberInRange(speedText_, kFireSpeedMin, kFireSpeedMax)) {
        return {std::nullopt, choice()};
    }
    speedText_ = std::to_wstring(kFireSpeedMin);
    return {speedText_, choice()};
}

DialogAnswer<std::optional<std::wstring>> FireKeyDialogModel::onTimesChanged(std::wstring text) {
    timesText_ = std::move(text);
    if (numberInRange(timesText_, 0, kFireTimesMax)) {
        return {std::nullopt, choice()};
    }
    timesText_ = std::to_wstring(kFireTimesDefault);
    return {timesText_, choice()};
}

FunctionChoice FireKeyDialogModel::choice() const {
    return fireKeyChoice(texts_, static_cast<int>(keys_.position()), keyName(),
                         numberInRange(speedText_, kFireSpeedMin, kFireSpeedMax).value_or(kFireSpeedMin),
                         numberInRange(timesText_, 0, kFireTimesMax).value_or(kFireTimesDefault));
}

std::vector<DialogStop> FireKeyDialogModel::keyboardOrder() const {
    return withOkAndCancel({dropDownStop(keys_.layout()),
                            {dialog_layout::FireKeySpeedEdit, FocusRole::Edit, kFireSpeedEditId},
                            {dialog_layout::FireKeyTimesEdit, FocusRole::Edit, kFireTimesEditId}});
}

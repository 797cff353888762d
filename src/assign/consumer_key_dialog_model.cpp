#include "assign/consumer_key_dialog_model.h"

#include "assign/consumer_usages.h"

namespace {

std::vector<std::wstring> textsFrom(const UiTexts& texts, TextKey first, std::size_t count) {
    std::vector<std::wstring> items;
    for (std::size_t i = 0; i < count; ++i) {
        items.push_back(texts[static_cast<TextKey>(static_cast<std::size_t>(first) + i)]);
    }
    return items;
}

static_assert(static_cast<std::size_t>(TextKey::MultimediaVolumeDown) -
                  static_cast<std::size_t>(TextKey::MultimediaNext) + 1 ==
              kMultimediaItemCount);
static_assert(static_cast<std::size_t>(TextKey::WindowsBrowserFavorites) -
                  static_cast<std::size_t>(TextKey::WindowsMediaPlayer) + 1 ==
              kWindowsItemCount);

DialogDropDown dropDownOf(ConsumerKeyDialog dialog, const UiTexts& texts) {
    std::vector<std::wstring> items = consumerKeyItems(dialog, texts);
    std::wstring first = items.front();
    return {dialog == ConsumerKeyDialog::Multimedia ? kMultimediaListLayout : kWindowsListLayout,
            std::move(items), std::move(first)};
}

} // namespace

std::vector<std::wstring> consumerKeyItems(ConsumerKeyDialog dialog, const UiTexts& texts) {
    return dialog == ConsumerKeyDialog::Multimedia
               ? textsFrom(texts, TextKey::MultimediaNext, kMultimediaItemCount)
               : textsFrom(texts, TextKey::WindowsMediaPlayer, kWindowsItemCount);
}

ConsumerKeyDialogModel::ConsumerKeyDialogModel(ConsumerKeyDialog dialog, const UiTexts& texts)
    : texts_(texts), dialog_(dialog), list_(dropDownOf(dialog, texts)) {}

FunctionChoice ConsumerKeyDialogModel::choice() const {
    if (dialog_ == ConsumerKeyDialog::Multimedia) {
        return multimediaKeyChoice(texts_, list_.position(), list_.text());
    }
    return windowsKeyChoice(list_.position(), list_.text());
}

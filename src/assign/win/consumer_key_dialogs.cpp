#include "assign/win/consumer_key_dialogs.h"

#include <utility>

#include "skin/win/list_hover.h"

namespace {

SkinImage backgroundOf(ConsumerKeyDialog dialog) {
    return dialog == ConsumerKeyDialog::Multimedia ? SkinImage::MediaKeyDialog : SkinImage::WindowsKeyDialog;
}

const wchar_t* loadFailureOf(ConsumerKeyDialog dialog) {
    return dialog == ConsumerKeyDialog::Multimedia ? kMultimediaDialogLoadFailure : kWindowsDialogLoadFailure;
}

} // namespace

ConsumerKeyDialogView::ConsumerKeyDialogView(ConsumerKeyDialog dialog, DialogLook look, const UiTexts& texts)
    : SkinnedSubDialog(backgroundOf(dialog), loadFailureOf(dialog), std::move(look)), model_(dialog, texts),
      choice_(model_.choice()), list_(*this, model_.list()),
      listName_(texts[dialog == ConsumerKeyDialog::Multimedia ? TextKey::Multimedia : TextKey::Windows]) {}

void ConsumerKeyDialogView::createControls() {
    list_.create(0);
}

void ConsumerKeyDialogView::onClick(Point p) {
    if (model_.click(p) != DropDownClick::None) {
        list_.showList();
    }
}

bool ConsumerKeyDialogView::isDragSpot(Point p) const {
    return !list_.covers(p);
}

INT_PTR ConsumerKeyDialogView::onOtherMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND || !list_.isPick(LOWORD(wParam), HIWORD(wParam))) {
        return FALSE;
    }
    const DialogAnswer<bool> answer = model_.chooseItem(list_.selection());
    choice_ = answer.choice;
    if (answer.change) {
        list_.showChoice();
        list_.showList();
    }
    return TRUE;
}

bool ConsumerKeyDialogView::filterMessage(MSG& message) {
    if (message.message == WM_MOUSEMOVE) {
        selectListItemUnderPointer(list_.list());
    }
    return false;
}

CMediaDialog::CMediaDialog(DialogLook look, const UiTexts& texts)
    : ConsumerKeyDialogView(ConsumerKeyDialog::Multimedia, std::move(look), texts) {}

CWindowsDialog::CWindowsDialog(DialogLook look, const UiTexts& texts)
    : ConsumerKeyDialogView(ConsumerKeyDialog::WindowsFunction, std::move(look), texts) {}

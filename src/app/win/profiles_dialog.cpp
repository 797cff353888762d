#include "app/win/profiles_dialog.h"

#include <windows.h>

#include <commdlg.h>
#include <tlhelp32.h>

#include <utility>

#include "common/dialog_layout.h"
#include "config/win/notice_box.h"
#include "skin/win/list_hover.h"
#include "ui/win/message_wait.h"
#include "ui/win/win_geometry.h"

namespace {

// Posted to the dialog to destroy a list that closed while it was notifying its parent.
constexpr UINT kReleaseRetiredListMessage = WM_APP + 0x21;
// Between an option's tick and its text.
constexpr int kTickGap = 22;

void drawText(HDC dc, const std::wstring& text, Rect area, UINT format) {
    RECT rect = toRect(area);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

// Word-wrapped and vertically centred in `area`.
void drawWrapped(HDC dc, const std::wstring& text, Rect area) {
    RECT measured = toRect(area);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_WORDBREAK | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    area.top += (area.height() - height) / 2;
    area.bottom = area.top + height;
    drawText(dc, text, area, DT_WORDBREAK);
}

// The executable names of the running processes.
std::vector<std::wstring> runningExecutables() {
    std::vector<std::wstring> names;
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return names;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        names.emplace_back(entry.szExeFile);
    }
    return names;
}

void fillList(HWND list, const std::vector<std::wstring>& items) {
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
}

} // namespace

CProfilesDialog::CProfilesDialog(DialogLook look, const UiTexts& texts, ProfileLibrary& library,
                                 ProfilesDialogOptions options, std::optional<std::wstring> chosen,
                                 Profile current)
    : SkinnedSubDialog(SkinImage::ProfilesDialog, L"Profiles Dialog Load background image failed!!!",
                       std::move(look)),
      texts_(texts), current_(std::move(current)), model_(library, texts, options, std::move(chosen)) {}

void CProfilesDialog::createControls() {
    const DWORD list = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    const DWORD edit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    profileList_ = createControl(L"LISTBOX", L"", list, dialog_layout::ProfilesProfileList, kProfileListId);
    nameEdit_ = createControl(L"EDIT", L"", edit, dialog_layout::ProfilesNameEdit, kNameEditId);
    programList_ = createControl(L"LISTBOX", L"", list, dialog_layout::ProfilesProgramList, kProgramListId);
    programEdit_ = createControl(L"EDIT", L"", edit, dialog_layout::ProfilesProgramEdit, kProgramEditId);
    refresh();
}

void CProfilesDialog::refresh() {
    fillList(profileList_, model_.names());
    SendMessageW(profileList_, LB_SETCURSEL, model_.selected() ? static_cast<WPARAM>(*model_.selected()) : -1,
                 0);
    fillList(programList_, model_.programs());
    const std::wstring name = model_.selected() ? model_.names()[*model_.selected()] : L"";
    SetWindowTextW(nameEdit_, name.c_str());
}

void CProfilesDialog::paintOwnContent(HDC dc) {
    drawText(dc, texts_[TextKey::Profiles], dialog_layout::ProfilesTitle,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    drawText(dc, texts_[TextKey::ProfileNameCaption], dialog_layout::ProfilesNameCaption,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    drawText(dc, texts_[TextKey::ProfilePrograms], dialog_layout::ProfilesProgramsCaption,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const struct {
        Rect area;
        bool ticked;
        TextKey text;
    } options[] = {
        {dialog_layout::ProfilesBalloonOption, model_.options().switchBalloon,
         TextKey::ProfileSwitchBalloonOption},
        {dialog_layout::ProfilesArrivalOption, model_.options().sendOnArrival, TextKey::ApplyOnConnect},
    };
    for (const auto& option : options) {
        drawSkinImage(dc, option.ticked ? SkinImage::CheckBoxTicked : SkinImage::CheckBoxEmpty,
                      optionTickAt(option.area));
        Rect text = option.area;
        text.left += kTickGap;
        drawWrapped(dc, texts_[option.text], text);
    }
    // The skin buttons carry the UI text colour, as OK and Cancel do.
    SetTextColor(dc, textColour().colorRef());
    for (const ProfilesDialogButton& button : profilesDialogButtons()) {
        const Rect area = button.area;
        drawSkinImage(dc, SkinImage::ButtonNormal, area.topLeft());
        drawText(dc, texts_[button.caption], area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void CProfilesDialog::onClick(Point p) {
    const ProfilesDialogClick click = model_.click(p);
    if (click.closeRunningList) {
        closeRunningList();
    }
    carryOut(click.command);
}

bool CProfilesDialog::isDragSpot(Point p) const {
    return model_.click(p).command == ProfilesDialogCommand::None &&
           !(model_.runningListOpen() && dialog_layout::ProfilesRunningList.contains(p));
}

void CProfilesDialog::carryOut(ProfilesDialogCommand command) {
    switch (command) {
    case ProfilesDialogCommand::SaveNew:
        showResult(model_.saveNew(textOf(nameEdit_), current_));
        break;
    case ProfilesDialogCommand::Rename:
        showResult(model_.renameSelected(textOf(nameEdit_)));
        break;
    case ProfilesDialogCommand::Delete:
        showResult(model_.deleteSelected());
        break;
    case ProfilesDialogCommand::Import:
        if (const std::optional<std::wstring> path = pickFile(false, L"")) {
            showResult(model_.importFrom(*path));
        }
        break;
    case ProfilesDialogCommand::Export:
        if (model_.selected()) {
            if (const std::optional<std::wstring> path = pickFile(true, model_.exportFileName())) {
                showResult(model_.exportSelected(*path));
            }
        }
        break;
    case ProfilesDialogCommand::AddProgram: {
        const DialogResult result = model_.addProgram(textOf(programEdit_));
        if (!result) {
            SetWindowTextW(programEdit_, L"");
        }
        showResult(result);
        break;
    }
    case ProfilesDialogCommand::ToggleRunningList:
        toggleRunningList();
        break;
    case ProfilesDialogCommand::RemoveProgram:
        showResult(model_.removeProgram(listSelection(programList_)));
        break;
    case ProfilesDialogCommand::ToggleBalloon:
        model_.toggleBalloon();
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
    case ProfilesDialogCommand::ToggleArrival:
        model_.toggleArrival();
        InvalidateRect(hwnd(), nullptr, TRUE);
        break;
    case ProfilesDialogCommand::None:
        break;
    }
}

void CProfilesDialog::showResult(const DialogResult& result) {
    if (result) {
        showNotice(hwnd(), *result, texts_);
        return;
    }
    refresh();
}

void CProfilesDialog::toggleRunningList() {
    if (!model_.toggleRunningList(runningExecutables())) {
        runningList_.reset();
        return;
    }
    runningList_.reset(createControl(L"LISTBOX", L"",
                                     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY,
                                     dialog_layout::ProfilesRunningList, kRunningListId));
    fillList(runningList_.get(), model_.runningList());
}

void CProfilesDialog::closeRunningList() {
    model_.closeRunningList();
    runningList_.reset();
}

void CProfilesDialog::onRunningPicked() {
    if (!runningList_) {
        return;
    }
    const DialogResult result = model_.pickRunning(listSelection(runningList_.get()));
    // The list is still inside its own notification: hide it now, destroy it right after.
    ShowWindow(runningList_.get(), SW_HIDE);
    retiredList_ = std::move(runningList_);
    PostMessageW(hwnd(), kReleaseRetiredListMessage, 0, 0);
    showResult(result);
}

std::wstring CProfilesDialog::textOf(HWND control) const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::optional<std::size_t> CProfilesDialog::listSelection(HWND list) const {
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(index));
}

std::optional<std::wstring> CProfilesDialog::pickFile(bool save, const std::wstring& suggested) {
    // "Profiles (*.toml)", then every file.
    std::wstring filter = texts_[TextKey::ProfileFileFilter];
    filter.append(1, L'\0').append(L"*.toml").append(1, L'\0').append(L"*.*").append(1, L'\0');
    filter.append(L"*.*").append(1, L'\0');
    std::wstring path(MAX_PATH * 4, L'\0');
    path.replace(0, suggested.size(), suggested);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = hwnd();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = L"toml";
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const ForeignMessageLoop fileDialog;
    const BOOL picked = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!picked) {
        return std::nullopt;
    }
    path.resize(path.find(L'\0'));
    return path;
}

INT_PTR CProfilesDialog::onOtherMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == kReleaseRetiredListMessage) {
        retiredList_.reset();
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    const int control = LOWORD(wParam);
    const int notification = HIWORD(wParam);
    if (control == kProfileListId && notification == LBN_SELCHANGE) {
        model_.select(listSelection(profileList_));
        runningList_.reset();
        refresh();
        return TRUE;
    }
    if (control == kRunningListId && (notification == LBN_SELCHANGE || notification == LBN_DBLCLK)) {
        onRunningPicked();
        return TRUE;
    }
    return FALSE;
}

std::wstring CProfilesDialog::stopName(const DialogStop& stop) const {
    const std::pair<Rect, TextKey> named[] = {
        {dialog_layout::ProfilesProfileList, TextKey::Profiles},
        {dialog_layout::ProfilesNameEdit, TextKey::ProfileNameCaption},
        {dialog_layout::ProfilesProgramList, TextKey::ProfilePrograms},
        {dialog_layout::ProfilesProgramEdit, TextKey::AccessProgramName},
        {dialog_layout::ProfilesBalloonOption, TextKey::ProfileSwitchBalloonOption},
        {dialog_layout::ProfilesArrivalOption, TextKey::ApplyOnConnect},
    };
    for (const auto& [area, text] : named) {
        if (stop.area == area) {
            return texts_[text];
        }
    }
    for (const ProfilesDialogButton& button : profilesDialogButtons()) {
        if (stop.area == button.area) {
            return texts_[button.caption];
        }
    }
    return SkinnedSubDialog::stopName(stop);
}

bool CProfilesDialog::stopChecked(const DialogStop& stop) const {
    return (stop.area == dialog_layout::ProfilesBalloonOption && model_.options().switchBalloon) ||
           (stop.area == dialog_layout::ProfilesArrivalOption && model_.options().sendOnArrival);
}

bool CProfilesDialog::filterMessage(MSG& message) {
    if (message.message == WM_MOUSEMOVE) {
        selectListItemUnderPointer(runningList_.get());
    }
    // Enter in a field does what the field is for, and never ends the dialog.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        if (message.hwnd == programEdit_) {
            carryOut(ProfilesDialogCommand::AddProgram);
            return true;
        }
        return message.hwnd == nameEdit_;
    }
    return false;
}

ProfilesDialogEnd runProfilesDialog(HWND owner, const DialogLook& look, const UiTexts& texts,
                                    ProfileLibrary& library, ProfilesDialogOptions options,
                                    std::optional<std::wstring> chosen, Profile current) {
    CProfilesDialog dialog(look, texts, library, options, std::move(chosen), std::move(current));
    const bool ok = dialog.runModal(owner) == IDOK;
    const ProfilesDialogModel& model = dialog.model();
    return {ok, ok ? model.options() : options, model.chosen(), model.renames(), model.folderChanged()};
}

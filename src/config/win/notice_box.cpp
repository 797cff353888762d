#include "config/win/notice_box.h"

#include "config/data_paths.h"
#include "config/win/module_path.h"
#include "ui/win/message_wait.h"

namespace {

// The caption of the program's own notices: the executable's name, which does not change in a run.
const std::wstring& programTitle() {
    static const std::wstring title = applicationTitle(currentModulePath());
    return title;
}

} // namespace

void showNotice(HWND owner, const Notice& notice, const UiTexts& texts) {
    const UINT style = notice.kind == NoticeKind::Warning ? MB_OK | MB_ICONWARNING : MB_OK;
    const ForeignMessageLoop messageBox;
    MessageBoxW(owner, noticeText(notice, texts).c_str(),
                noticeCaption(notice, texts, programTitle()).c_str(), style);
}

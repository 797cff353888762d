#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/page_control_layout.h"
#include "lang/font_choice.h"
#include "lang/language.h"
#include "macro/macro_key_dialog_model.h"
#include "ui/win/fonts.h"
#include "ui/win/scoped_handle.h"

namespace {

// The box a text takes with `font` under DrawText with `format`, `width` wide at most.
SIZE measure(HWND window, HFONT font, const std::wstring& text, int width, UINT format) {
    const HDC dc = GetDC(window);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT box{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return {box.right, box.bottom};
}

struct FitCase {
    TextKey text;
    SIZE box;
    UINT format;
};

// The mouse-event header (one line) and the macro-key dialog's repeat options (wrapped, 48 pixels
// high at most, their panels in the skins) hold their texts whole in every language, with the
// program's fonts.
TEST(ShellFittingFont, EveryLanguagesCaptionFitsItsPlace) {
    const UniqueWindow window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                              GetModuleHandleW(nullptr), nullptr));
    const SIZE header{kMouseEventHeaderTextRect.width(), LONG_MAX};
    const SIZE option{macroRepeatTextRect(1).width(), 48};
    const UINT wrapped = DT_WORDBREAK | DT_EDITCONTROL;
    const FitCase cases[] = {{TextKey::InsertMouseEventButton, header, DT_SINGLELINE},
                             {TextKey::MacroRepeatCount, option, wrapped},
                             {TextKey::MacroRepeatUntilKeyPress, option, wrapped},
                             {TextKey::MacroRepeatUntilReleased, option, wrapped}};
    for (const wchar_t* code : {L"EN", L"GER", L"CHS", L"CHT"}) {
        const UiTexts texts(languageFromCode(code));
        const UniqueFont pageFont(createFontFrom(chooseMainWindowFonts(code, 6, 1).normal));
        for (const FitCase& c : cases) {
            const UniqueFont fitted =
                fontFitting(window.get(), pageFont.get(), {texts[c.text]}, c.box, c.format);
            const SIZE size = measure(window.get(), fitted ? fitted.get() : pageFont.get(), texts[c.text],
                                      c.box.cx, c.format);
            EXPECT_LE(size.cx, c.box.cx) << code << " " << int(c.text);
            EXPECT_LE(size.cy, c.box.cy) << code << " " << int(c.text);
        }
        EXPECT_FALSE(fontFitting(window.get(), pageFont.get(), {texts[TextKey::New]}, header, DT_SINGLELINE))
            << "a caption that fits keeps the page's font";
    }
}

} // namespace

#pragma once

#include <string>
#include <vector>

#include "config/ini_file.h"
#include "config/temp_folder.h"
#include "macro/macro_editor.h"

using Lines = std::vector<std::wstring>;

// A record.ini in a fresh folder, the macro area and the editor working on both.
struct MacroFiles {
    TempFolder folder{L"gm macro test"};
    IniFile file{pathFromWide(folder.file(L"record.ini"))};
    MacroStore store{file};
    MacroArea area{};
    UiTexts texts{Language::English};
    MacroEditor editor{store, area, texts};

    void newMacro(const std::wstring& name) {
        editor.setMacroNameText(name);
        ASSERT_FALSE(editor.NewMacro());
    }
    // New, the lines, Confirm.
    void confirm(const std::wstring& name, const Lines& lines) {
        newMacro(name);
        for (const std::wstring& line : lines) {
            editor.appendEventLine(line);
        }
        ASSERT_FALSE(editor.SaveMacro());
    }
};

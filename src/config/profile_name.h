#pragma once

#include <string>
#include <string_view>

// Section and key names as the Windows profile functions compare them: without the blanks around
// them and ignoring letter case (ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic letters).
std::wstring_view trimProfileBlanks(std::wstring_view text);
bool profileNamesEqual(std::wstring_view stored, std::wstring_view wanted);

// The characters the profile functions treat as blanks: white space and Ctrl+Z.
bool isProfileBlank(wchar_t c);

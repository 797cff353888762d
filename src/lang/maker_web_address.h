#pragma once

// The maker's home page, opened by the link on the main window; the same in every language.
inline constexpr const wchar_t* kMakerWebAddress = L"https://krello-marrowin.com";

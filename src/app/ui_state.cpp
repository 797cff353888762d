#include "app/ui_state.h"

UiState& uiState() {
    static UiState state;
    return state;
}

std::wstring applicationTitle(const std::wstring& exePath) {
    const size_t separator = exePath.find_last_of(L"\\/");
    std::wstring fileName = separator == std::wstring::npos ? exePath : exePath.substr(separator + 1);
    const size_t dot = fileName.rfind(L'.');
    if (dot != std::wstring::npos) {
        fileName.erase(dot);
    }
    return fileName;
}

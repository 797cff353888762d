#include "config/win/win32_profile_store.h"

#include <windows.h>

#include <utility>

#include "config/win/unicode_profile_file.h"

namespace {

constexpr DWORD kValueBufferLength = 1024;
constexpr DWORD kInitialNamesBufferLength = 1024;

} // namespace

Win32ProfileStore::Win32ProfileStore(std::wstring path) : path_(std::move(path)) {}

std::wstring Win32ProfileStore::readString(const std::wstring& section, const std::wstring& key) {
    wchar_t buffer[kValueBufferLength] = {};
    const DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer,
                                                  kValueBufferLength, path_.c_str());
    return std::wstring(buffer, length);
}

bool Win32ProfileStore::writeString(const std::wstring& section, const std::wstring& key,
                                    const std::wstring& value) {
    createUnicodeProfileFileIfMissing(path_);
    const bool fitsEightBitFile =
        fitsAnsiCodePage(section) && fitsAnsiCodePage(key) && fitsAnsiCodePage(value);
    if (!fitsEightBitFile && !makeProfileFileUnicode(path_)) {
        return false;
    }
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path_.c_str()) != FALSE;
}

bool Win32ProfileStore::deleteKey(const std::wstring& section, const std::wstring& key) {
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), nullptr, path_.c_str()) != FALSE;
}

bool Win32ProfileStore::deleteSection(const std::wstring& section) {
    return WritePrivateProfileStringW(section.c_str(), nullptr, nullptr, path_.c_str()) != FALSE;
}

std::vector<std::wstring> Win32ProfileStore::sectionNames() {
    std::wstring buffer(kInitialNamesBufferLength, L'\0');
    DWORD length = 0;
    for (;;) {
        length =
            GetPrivateProfileSectionNamesW(buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
        // The function signals a list that did not fit by returning the buffer size minus two.
        if (length + 2 < buffer.size()) {
            break;
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
    std::vector<std::wstring> names;
    for (std::size_t start = 0; start < length;) {
        const std::size_t end = buffer.find(L'\0', start);
        if (end == start || end == std::wstring::npos) {
            break;
        }
        names.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

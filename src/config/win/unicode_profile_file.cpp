#include "config/win/unicode_profile_file.h"

#include <windows.h>

#include <climits>
#include <optional>
#include <string>

#include "ui/win/scoped_handle.h"

namespace {

constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// Far beyond any str.ini or record.ini; a larger file is not read into memory.
constexpr LONGLONG kMaxProfileFileSize = 64 * 1024 * 1024;

std::optional<std::string> readWholeFile(const std::wstring& path) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxProfileFileSize) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

std::wstring decodeMultiByte(UINT codePage, std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
    }
    return text;
}

// An odd byte at the end is dropped, as the profile functions do.
std::wstring decodeUtf16BigEndian(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) << 8 |
                                            static_cast<unsigned char>(bytes[i + 1])));
    }
    return text;
}

// The text GetPrivateProfileStringW sees in a file without a UTF-16LE byte-order mark. Note that
// UTF-8 without a byte-order mark is read in the ANSI code page like any 8-bit file.
std::wstring profileText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) {
        return decodeMultiByte(CP_UTF8, bytes.substr(kUtf8Mark.size()));
    }
    if (bytes.starts_with(kUtf16BigEndianMark)) {
        return decodeUtf16BigEndian(bytes.substr(kUtf16BigEndianMark.size()));
    }
    return decodeMultiByte(CP_ACP, bytes);
}

bool writeNewFile(const std::wstring& path, std::string_view bytes) {
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && FlushFileBuffers(file.get());
}

} // namespace

void createUnicodeProfileFileIfMissing(const std::wstring& path) {
    // CREATE_NEW fails when the file exists, which leaves an existing file and its encoding alone.
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
        DWORD written = 0;
        WriteFile(file.get(), kUtf16LittleEndianMark.data(),
                  static_cast<DWORD>(kUtf16LittleEndianMark.size()), &written, nullptr);
    }
}

bool fitsAnsiCodePage(std::wstring_view text) {
    if (text.empty()) {
        return true;
    }
    if (text.size() > INT_MAX / 4) {
        return false;
    }
    // A round trip catches both the default character and the best-fit mappings (ā written as a).
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return false;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return decodeMultiByte(CP_ACP, bytes) == text;
}

bool makeProfileFileUnicode(const std::wstring& path) {
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) {
        return false;
    }
    if (bytes->starts_with(kUtf16LittleEndianMark)) {
        return true;
    }
    const std::wstring text = profileText(*bytes);
    static_assert(sizeof(wchar_t) == 2, "wide text on Windows is UTF-16LE in memory");
    std::string converted(kUtf16LittleEndianMark);
    converted.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));

    const std::wstring temporary = path + L".tmp";
    if (writeNewFile(temporary, converted) &&
        MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(temporary.c_str());
    return false;
}

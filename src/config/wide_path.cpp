#include "config/wide_path.h"

#include "config/text_encoding.h"

std::filesystem::path pathFromWide(const std::wstring& text) {
#ifdef _WIN32
    return std::filesystem::path(text);
#else
    const std::string utf8 = encodeUtf8(text);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
#endif
}

std::wstring wideFromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return path.wstring();
#else
    const std::u8string utf8 = path.u8string();
    return decodeText(std::string(utf8.begin(), utf8.end())).text;
#endif
}

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

#include "config/text_encoding.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
bool isSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// Wide text as code points: on Windows wchar_t holds UTF-16 units and pairs are joined; elsewhere
// it holds code points already. Unpaired surrogates become U+FFFD.
std::u32string codePointsOf(std::wstring_view text) {
    std::u32string points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = static_cast<char32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            unit &= 0xFFFF;
            if (isHighSurrogate(unit) && i + 1 < text.size() &&
                isLowSurrogate(static_cast<char32_t>(text[i + 1]) & 0xFFFF)) {
                const char32_t low = static_cast<char32_t>(text[++i]) & 0xFFFF;
                points.push_back(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                continue;
            }
        }
        points.push_back(isSurrogate(unit) || unit > kMaxCodePoint ? kReplacement : unit);
    }
    return points;
}

void appendWide(std::wstring& out, char32_t point) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (point >= 0x10000) {
            point -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (point >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (point & 0x3FF)));
            return;
        }
    }
    out.push_back(static_cast<wchar_t>(point));
}

std::wstring decodeUtf16(std::string_view bytes, bool littleEndian) {
    std::vector<char32_t> units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<uint8_t>(bytes[i]);
        const auto second = static_cast<uint8_t>(bytes[i + 1]);
        units.push_back(littleEndian ? (second << 8 | first) : (first << 8 | second));
    }
    std::wstring text;
    text.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            appendWide(text, 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00));
        } else {
            appendWide(text, isSurrogate(unit) ? kReplacement : unit);
        }
    }
    if (bytes.size() % 2 != 0) {
        appendWide(text, kReplacement);
    }
    return text;
}

// Strict UTF-8 decoding: nothing when any sequence is malformed, overlong or out of range.
std::optional<std::wstring> decodeUtf8(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<uint8_t>(bytes[i]);
        int length = 0;
        char32_t point = 0;
        if (lead < 0x80) {
            length = 1;
            point = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            point = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            point = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            point = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + length > bytes.size()) {
            return std::nullopt;
        }
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<uint8_t>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            point = point << 6 | (next & 0x3F);
        }
        const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
        if (overlong || isSurrogate(point) || point > kMaxCodePoint) {
            return std::nullopt;
        }
        appendWide(text, point);
        i += length;
    }
    return text;
}

std::string encodeUtf16(std::wstring_view text, bool littleEndian) {
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    auto appendUnit = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes.push_back(littleEndian ? low : high);
        bytes.push_back(littleEndian ? high : low);
    };
    for (char32_t point : codePointsOf(text)) {
        if (point >= 0x10000) {
            point -= 0x10000;
            appendUnit(0xD800 + (point >> 10));
            appendUnit(0xDC00 + (point & 0x3FF));
        } else {
            appendUnit(point);
        }
    }
    return bytes;
}

std::string encodeLatin1(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char32_t point : codePointsOf(text)) {
        bytes.push_back(point <= 0xFF ? static_cast<char>(point) : '?');
    }
    return bytes;
}

} // namespace

std::string encodeUtf8(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char32_t point : codePointsOf(text)) {
        if (point < 0x80) {
            bytes.push_back(static_cast<char>(point));
        } else if (point < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | point >> 6));
            bytes.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        } else if (point < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | point >> 12));
            bytes.push_back(static_cast<char>(0x80 | (point >> 6 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | point >> 18));
            bytes.push_back(static_cast<char>(0x80 | (point >> 12 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (point >> 6 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (point & 0x3F)));
        }
    }
    return bytes;
}

DecodedText decodeText(std::string_view bytes) {
    if (startsWith(bytes, "\xFF\xFE")) {
        return {decodeUtf16(bytes.substr(2), true), TextEncoding::Utf16LittleEndian};
    }
    if (startsWith(bytes, "\xFE\xFF")) {
        return {decodeUtf16(bytes.substr(2), false), TextEncoding::Utf16BigEndian};
    }
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        std::optional<std::wstring> text = decodeUtf8(bytes.substr(3));
        if (text) {
            return {std::move(*text), TextEncoding::Utf8WithMark};
        }
    }
    if (std::optional<std::wstring> text = decodeUtf8(bytes)) {
        return {std::move(*text), TextEncoding::Utf8};
    }
    std::wstring text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        text.push_back(static_cast<wchar_t>(static_cast<uint8_t>(byte)));
    }
    return {std::move(text), TextEncoding::Latin1};
}

std::string encodeText(std::wstring_view text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16LittleEndian:
        return encodeUtf16(text, true);
    case TextEncoding::Utf16BigEndian:
        return encodeUtf16(text, false);
    case TextEncoding::Utf8WithMark:
        return "\xEF\xBB\xBF" + encodeUtf8(text);
    case TextEncoding::Utf8:
        return encodeUtf8(text);
    case TextEncoding::Latin1:
        return encodeLatin1(text);
    }
    return encodeUtf8(text);
}

bool canEncode(std::wstring_view text, TextEncoding encoding) {
    if (encoding != TextEncoding::Latin1) {
        return true;
    }
    for (char32_t point : codePointsOf(text)) {
        if (point > 0xFF) {
            return false;
        }
    }
    return true;
}

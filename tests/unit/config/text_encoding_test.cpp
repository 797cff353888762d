#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "config/text_encoding.h"

namespace {

std::string bytesOf(std::initializer_list<uint8_t> values) {
    return std::string(values.begin(), values.end());
}

TEST(TextEncoding, DecodesEachEncodingFromItsBytes) {
    const struct {
        std::string bytes;
        std::wstring text;
        TextEncoding encoding;
    } cases[] = {
        {bytesOf({0xFF, 0xFE, 'A', 0, 0x20, 0x9F}), L"A鼠", TextEncoding::Utf16LittleEndian},
        {bytesOf({0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE}), L"😀", TextEncoding::Utf16LittleEndian},
        {bytesOf({0xFE, 0xFF, 0, 'A', 0x9F, 0x20}), L"A鼠", TextEncoding::Utf16BigEndian},
        {"\xEF\xBB\xBF"
         "a\xC3\xBC",
         L"aü", TextEncoding::Utf8WithMark},
        {"a\xC3\xBC\xE9\xBC\xA0", L"aü鼠", TextEncoding::Utf8},
        {"plain", L"plain", TextEncoding::Utf8},
        {"", L"", TextEncoding::Utf8},
        {"Gr\xF6\xDF"
         "e",
         L"Größe", TextEncoding::Latin1},
        {"\xC0\xAF", L"\u00C0\u00AF", TextEncoding::Latin1},           // overlong '/'
        {"\xED\xA0\x80", L"\u00ED\u00A0\u0080", TextEncoding::Latin1}, // encoded surrogate
    };
    for (const auto& c : cases) {
        const DecodedText decoded = decodeText(c.bytes);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(decoded.encoding, c.encoding);
    }
}

TEST(TextEncoding, BrokenUtf16DecodesWithReplacementCharacters) {
    EXPECT_EQ(decodeText(bytesOf({0xFF, 0xFE, 'A', 0, 0x00, 0xD8, 'B', 0})).text, L"A\uFFFDB");
    EXPECT_EQ(decodeText(bytesOf({0xFF, 0xFE, 'A', 0, 'Z'})).text, L"A\uFFFD");
}

TEST(TextEncoding, EncodingThenDecodingGivesTheTextBack) {
    const std::wstring text = L"[Setting-CHS]\r\nItem1=左键 Größe 😀\r\n";
    for (TextEncoding encoding : {TextEncoding::Utf16LittleEndian, TextEncoding::Utf16BigEndian,
                                  TextEncoding::Utf8WithMark, TextEncoding::Utf8}) {
        const DecodedText decoded = decodeText(encodeText(text, encoding));
        EXPECT_EQ(decoded.text, text);
        EXPECT_EQ(decoded.encoding, encoding);
    }
}

TEST(TextEncoding, OnlyLatin1CanFailToHoldText) {
    EXPECT_TRUE(canEncode(L"Größe", TextEncoding::Latin1));
    EXPECT_FALSE(canEncode(L"左键", TextEncoding::Latin1));
    EXPECT_TRUE(canEncode(L"左键", TextEncoding::Utf8));
    EXPECT_EQ(encodeText(L"Größe", TextEncoding::Latin1), "Gr\xF6\xDF"
                                                          "e");
}

} // namespace

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "temp_folder.h"

namespace {

using Names = std::vector<std::wstring>;

class IniFileTest : public ::testing::Test {
protected:
    TempFolder temp{L"Einstellungen 设置"};
    std::wstring path = temp.file(L"str.ini");
    IniFile ini{pathFromWide(path)};

    void writeText(const std::wstring& text, TextEncoding encoding) {
        writeBytes(path, encodeText(text, encoding));
    }
};

TEST_F(IniFileTest, MissingFileReadsEmptyAndIsNotCreatedByReadingOrDeleting) {
    EXPECT_EQ(ini.readString(L"Skins", L"Lan"), L"");
    EXPECT_EQ(ini.sectionNames(), Names{});
    ini.deleteKey(L"Skins", L"Lan");
    ini.deleteSection(L"Skins");
    EXPECT_FALSE(fileExists(path));
}

TEST_F(IniFileTest, CreatedFileIsUtf16WithByteOrderMark) {
    ini.writeString(L"Skins", L"Path", L"Blau");
    const std::string bytes = readBytes(path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(decodeText(bytes).text, L"[Skins]\r\nPath=Blau\r\n");
}

TEST_F(IniFileTest, EmptyValueIsAKeyThatReadsEmpty) {
    ini.writeString(L"Setting-EN", L"Item7", L"");
    EXPECT_EQ(ini.readString(L"Setting-EN", L"Item7"), L"");
    EXPECT_EQ(ini.sectionNames(), Names{L"Setting-EN"});
}

TEST_F(IniFileTest, NamesAreFoundWhateverTheirCaseAndSurroundingBlanks) {
    ini.writeString(L"Setting-EN", L"Item1", L"Left Click");
    ini.writeString(L"Über Makros", L"Straße", L"x");
    const struct {
        const wchar_t* section;
        const wchar_t* key;
    } lookups[] = {{L"setting-en", L"ITEM1"}, {L"  SETTING-en\t", L" item1 "}, {L"Setting-EN", L"Item1"}};
    for (const auto& lookup : lookups) {
        EXPECT_EQ(ini.readString(lookup.section, lookup.key), L"Left Click") << lookup.section;
    }
    EXPECT_EQ(ini.readString(L"über makros", L"STRASSE"), L"");
    EXPECT_EQ(ini.readString(L"ÜBER MAKROS", L"straße"), L"x");

    ini.writeString(L"SETTING-EN", L"ITEM1", L"Right Click");
    EXPECT_EQ(ini.readString(L"Setting-EN", L"Item1"), L"Right Click");
    EXPECT_EQ(ini.sectionNames(), (Names{L"Setting-EN", L"Über Makros"})) << "no second section by case";
}

TEST_F(IniFileTest, HandWrittenLinesReadLikeTheWindowsProfileFunctions) {
    writeText(L"; written by hand\r\n"
              L"[Skins]   trailing text\r\n"
              L"  Lan =  GER  \r\n"
              L"Path=\"Dark Blue\"\r\n"
              L"RColor='12'\r\n"
              L"GColor=\"34\r\n"
              L"BColor=\"\r\n"
              L"stray line without equals\r\n"
              L"Quoted=\"a\" b \"c\"\n"
              L"Mismatched=\"x'\n"
              L"Inner=a=b\n"
              L"Lan=FIRST KEY WINS\n"
              L"[ Spaced ]\n"
              L"k=v\n"
              L"[Skins]\n"
              L"Extra=from the second copy\n",
              TextEncoding::Utf8);
    const struct {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* value;
    } cases[] = {
        {L"Skins", L"Lan", L"GER"},
        {L"Skins", L"Path", L"Dark Blue"},
        {L"Skins", L"RColor", L"12"},
        {L"Skins", L"GColor", L"\"34"},
        {L"Skins", L"BColor", L"\""},
        {L"Skins", L"stray line without equals", L""},
        {L"Skins", L"Quoted", L"a\" b \"c"},
        {L"Skins", L"Mismatched", L"\"x'"},
        {L"Skins", L"Inner", L"a=b"},
        {L"Skins", L"Extra", L""},
        {L" Spaced ", L"k", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini.readString(c.section, c.key), c.value) << c.key;
    }
    EXPECT_EQ(ini.sectionNames(), (Names{L"Skins", L" Spaced ", L"Skins"}));
}

TEST_F(IniFileTest, WritingKeepsCommentsAndOtherSections) {
    writeText(L"; keep me\r\n[A]\r\nnote without value\r\nx=1\r\n[B]\r\ny=2\r\n", TextEncoding::Utf8);
    ini.writeString(L"A", L"x", L"  10");
    ini.writeString(L"A", L"z", L"3");
    EXPECT_EQ(decodeText(readBytes(path)).text,
              L"; keep me\r\n\r\n[A]\r\nnote without value\r\nx=10\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
}

TEST_F(IniFileTest, SectionDeletedAndWrittenAgainMovesToTheEnd) {
    for (const wchar_t* section : {L"Macro 1", L"Macro 2", L"Macro 3"}) {
        ini.writeString(section, L"ItemCount", L"0");
    }
    ini.deleteSection(L"MACRO 1");
    EXPECT_EQ(ini.sectionNames(), (Names{L"Macro 2", L"Macro 3"}));
    EXPECT_EQ(ini.readString(L"Macro 1", L"ItemCount"), L"");
    ini.writeString(L"Macro 1", L"ItemCount", L"4");
    EXPECT_EQ(ini.sectionNames(), (Names{L"Macro 2", L"Macro 3", L"Macro 1"}));
    EXPECT_EQ(ini.readString(L"macro 1", L"itemcount"), L"4");
}

TEST_F(IniFileTest, DeleteKeyRemovesOnlyThatKey) {
    ini.writeString(L"S", L"a", L"1");
    ini.writeString(L"S", L"b", L"2");
    ini.deleteKey(L"s", L"A");
    EXPECT_EQ(ini.readString(L"S", L"a"), L"");
    EXPECT_EQ(ini.readString(L"S", L"b"), L"2");
    EXPECT_EQ(ini.sectionNames(), Names{L"S"});
}

TEST_F(IniFileTest, LongValuesAreCutTo1023Characters) {
    const struct {
        std::wstring stored;
        std::size_t readLength;
    } cases[] = {
        {std::wstring(1023, L'a'), 1023},
        {std::wstring(1024, L'b'), 1023},
        {std::wstring(5000, L'标'), 1023},
        {L"\"" + std::wstring(1022, L'c') + L"\"", 1022},
        {L"\"" + std::wstring(1500, L'd') + L"\"", 1023},
    };
    for (const auto& c : cases) {
        ini.writeString(L"Long", L"Value", c.stored);
        const std::wstring read = ini.readString(L"Long", L"Value");
        EXPECT_EQ(read.size(), c.readLength);
        EXPECT_EQ(read.find(L'"'), std::wstring::npos);
    }
}

TEST_F(IniFileTest, TextInAnyLanguageSurvivesTheRoundTrip) {
    const std::wstring values[] = {L"左键单击", L"滑鼠左鍵", L"Linksklick – Größe", L"Ключ", L"😀 emoji"};
    int n = 0;
    for (const std::wstring& value : values) {
        ini.writeString(L"Setting-CHS", L"Item" + std::to_wstring(++n), value);
    }
    n = 0;
    IniFile reopened(pathFromWide(path));
    for (const std::wstring& value : values) {
        EXPECT_EQ(reopened.readString(L"Setting-CHS", L"Item" + std::to_wstring(++n)), value);
    }
}

TEST_F(IniFileTest, ExistingFilesAreReadAndWrittenInTheirOwnEncoding) {
    const struct {
        TextEncoding encoding;
        std::wstring value;
        std::string prefix;
    } cases[] = {
        {TextEncoding::Utf16LittleEndian, L"鼠标", "\xFF\xFE"},
        {TextEncoding::Utf16BigEndian, L"鼠标", "\xFE\xFF"},
        {TextEncoding::Utf8WithMark, L"Größe", "\xEF\xBB\xBF"},
        {TextEncoding::Utf8, L"Größe", "[Skins]"},
        {TextEncoding::Utf8, L"plain", "[Skins]"},
        {TextEncoding::Latin1, L"Größe", "[Skins]"},
    };
    for (const auto& c : cases) {
        writeText(L"[Skins]\r\nPath=" + c.value + L"\r\n", c.encoding);
        EXPECT_EQ(ini.readString(L"Skins", L"Path"), c.value);
        ini.writeString(L"Skins", L"Lan", L"GER");
        const std::string bytes = readBytes(path);
        EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix);
        EXPECT_EQ(decodeText(bytes).encoding, c.encoding);
        EXPECT_EQ(ini.readString(L"Skins", L"Path"), c.value);
        EXPECT_EQ(ini.readString(L"Skins", L"Lan"), L"GER");
    }
}

TEST_F(IniFileTest, EightBitFileBecomesUnicodeRatherThanLoseALabel) {
    writeText(L"[Setting-GER]\r\nItem1=Größe\r\n", TextEncoding::Latin1);
    ini.writeString(L"Setting-CHS", L"Item1", L"左键");
    EXPECT_EQ(readBytes(path).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(ini.readString(L"Setting-CHS", L"Item1"), L"左键");
    EXPECT_EQ(ini.readString(L"Setting-GER", L"Item1"), L"Größe");
}

// The file is kept parsed; what another writer changes must still be seen, even a change that
// leaves the size and the write time as they were.
TEST_F(IniFileTest, ChangesByAnotherWriterAreSeen) {
    IniFile other{pathFromWide(path)};
    EXPECT_EQ(ini.readString(L"Skins", L"Lan"), L"");
    other.writeString(L"Skins", L"Lan", L"GER");
    EXPECT_EQ(ini.readString(L"Skins", L"Lan"), L"GER");
    const auto writeTime = std::filesystem::last_write_time(pathFromWide(path));
    writeText(L"[Skins]\r\nLan=CHS\r\n", TextEncoding::Utf16LittleEndian);
    std::filesystem::last_write_time(pathFromWide(path), writeTime);
    EXPECT_EQ(ini.readString(L"Skins", L"Lan"), L"CHS");
    ini.writeString(L"Skins", L"Path", L"Blau");
    EXPECT_EQ(other.sectionNames(), Names{L"Skins"});
    EXPECT_EQ(other.readString(L"Skins", L"Path"), L"Blau");
    std::filesystem::remove(pathFromWide(path));
    EXPECT_EQ(ini.readString(L"Skins", L"Lan"), L"");
}

TEST_F(IniFileTest, ChangesReportAFileThatCannotBeWritten) {
    IniFile unwritable{pathFromWide(temp.file(L"missing folder/record.ini"))};
    EXPECT_FALSE(unwritable.writeString(L"Macro", L"ItemCount", L"0"));
    EXPECT_TRUE(unwritable.deleteSection(L"Macro")) << "nothing to remove, nothing to write";
    EXPECT_TRUE(ini.writeString(L"Macro", L"ItemCount", L"0"));
    std::filesystem::remove(pathFromWide(path));
    std::filesystem::create_directory(pathFromWide(path));
    EXPECT_FALSE(ini.writeString(L"Macro", L"ItemCount", L"1"));
    EXPECT_EQ(ini.readString(L"Macro", L"ItemCount"), L"");
}

} // namespace

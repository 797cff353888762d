#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "config/ini_file.h"
#include "config/text_encoding.h"
#include "config/win/win32_profile_store.h"
#include "config_test_folder.h"

namespace {

// One step of a scenario: a write (value set), a key deletion (value unset) or a section deletion
// (key unset too).
struct Step {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
};

struct Lookup {
    const wchar_t* section;
    const wchar_t* key;
};

struct Scenario {
    const char* name;
    std::wstring initialText; // written before the steps when set
    TextEncoding initialEncoding;
    std::vector<Step> steps;
    std::vector<Lookup> lookups;
};

struct Outcome {
    std::vector<std::wstring> values;
    std::vector<std::wstring> sections;
    bool fileExists = false;
};

Outcome run(ProfileStore& store, const std::wstring& path, const Scenario& scenario) {
    if (!scenario.initialText.empty()) {
        const std::string bytes = encodeText(scenario.initialText, scenario.initialEncoding);
        std::ofstream(std::filesystem::path(path), std::ios::binary).write(bytes.data(), bytes.size());
    }
    for (const Step& step : scenario.steps) {
        if (step.value) {
            store.writeString(step.section, step.key, step.value);
        } else if (step.key) {
            store.deleteKey(step.section, step.key);
        } else {
            store.deleteSection(step.section);
        }
    }
    Outcome outcome;
    for (const Lookup& lookup : scenario.lookups) {
        outcome.values.push_back(store.readString(lookup.section, lookup.key));
    }
    outcome.sections = store.sectionNames();
    outcome.fileExists = std::filesystem::exists(std::filesystem::path(path));
    return outcome;
}

// Names differ only in the case of ASCII letters here: Wine folds no other letters, while Windows
// and IniFile also fold accented ones.
std::vector<Scenario> scenarios() {
    static const std::wstring long1024(1024, L'y');
    static const std::wstring long3000(3000, L'标');
    static const std::wstring quoted1022 = L"\"" + std::wstring(1022, L'q') + L"\"";
    static const std::wstring quoted1023 = L"\"" + std::wstring(1023, L'r') + L"\"";
    static const std::wstring quoted1500 = L"\"" + std::wstring(1500, L's') + L"\"";
    static const std::wstring max(1023, L'x');
    return {
        {"missing file",
         L"",
         TextEncoding::Utf8,
         {{L"Skins", L"Lan", nullptr}, {L"Skins", nullptr, nullptr}},
         {{L"Skins", L"Lan"}, {L"Setting-EN", L"Item1"}}},
        {"case-insensitive names",
         L"",
         TextEncoding::Utf8,
         {{L"Setting-EN", L"Item1", L"Left Click"},
          {L"SETTING-en", L"ITEM1", L"Right Click"},
          {L"setting-EN", L"item2", L"Mid Click"},
          {L"Übung", L"Größe", L"1"},
          {L"ÜBUNG", L"GRÖSSE", L"2"}},
         {{L"setting-en", L"item1"}, {L"Setting-EN", L"ITEM2"}, {L"ÜBUNG", L"größe"}, {L"Übung", L"GRÖsse"}}},
        {"section deleted and written again moves to the end",
         L"",
         TextEncoding::Utf8,
         {{L"Macro A", L"ItemCount", L"1"},
          {L"Macro B", L"ItemCount", L"2"},
          {L"Macro C", L"ItemCount", L"3"},
          {L"macro a", nullptr, nullptr},
          {L"Macro B", L"Item1", L"A   Dn"},
          {L"Macro A", L"ItemCount", L"4"}},
         {{L"Macro A", L"ItemCount"}, {L"Macro B", L"Item1"}}},
        {"sections equal but for case, one deleted",
         L"[Macro]\r\nItemCount=1\r\n[MACRO]\r\nItemCount=2\r\n[Other]\r\nItemCount=4\r\n[macro]"
         L"\r\nItemCount=3\r\n",
         TextEncoding::Utf16LittleEndian,
         {{L"macro", nullptr, nullptr}},
         {{L"Macro", L"ItemCount"}, {L"Other", L"ItemCount"}}},
        {"deleted keys read empty",
         L"",
         TextEncoding::Utf8,
         {{L"S", L"a", L"1"}, {L"S", L"b", L"2"}, {L"s", L"A", nullptr}, {L"S", L"missing", nullptr}},
         {{L"S", L"a"}, {L"S", L"b"}}},
        {"long values are cut",
         L"",
         TextEncoding::Utf8,
         {{L"Long", L"a", max.c_str()},
          {L"Long", L"b", long1024.c_str()},
          {L"Long", L"c", long3000.c_str()},
          {L"Long", L"d", quoted1022.c_str()},
          {L"Long", L"e", quoted1023.c_str()},
          {L"Long", L"f", quoted1500.c_str()}},
         {{L"Long", L"a"},
          {L"Long", L"b"},
          {L"Long", L"c"},
          {L"Long", L"d"},
          {L"Long", L"e"},
          {L"Long", L"f"}}},
        {"text in any language",
         L"",
         TextEncoding::Utf8,
         {{L"Setting-CHS", L"Item1", L"左键单击"},
          {L"Setting-CHT", L"Item1", L"滑鼠左鍵"},
          {L"Setting-GER", L"Item1", L"Linksklick – Größe"},
          {L"宏 1", L"Item1", L"Ключ   Dn"}},
         {{L"Setting-CHS", L"Item1"},
          {L"Setting-CHT", L"Item1"},
          {L"Setting-GER", L"Item1"},
          {L"宏 1", L"Item1"}}},
        {"blanks around written values",
         L"",
         TextEncoding::Utf8,
         {{L"  Skins ", L" Path ", L"   Dark"}, {L"Skins", L"Empty", L""}},
         {{L"Skins", L"Path"}, {L"Skins", L"Empty"}}},
        {"hand-written Unicode file",
         L"[Skins]\r\n  Lan =  GER  \r\nPath=\"Dark Blue\"\r\nRColor='12'\r\nGColor=\"34\r\nstray line\r\n"
         L"Inner=a=b\r\nLan=second\r\n[Setting-GER]\r\nItem1=Größe\r\n[skins]\r\nExtra=1\r\n",
         TextEncoding::Utf16LittleEndian,
         {{L"Setting-GER", L"Item2", L"Rechtsklick"}, {L"New", L"k", L"v"}},
         {{L"Skins", L"Lan"},
          {L"Skins", L"Path"},
          {L"Skins", L"RColor"},
          {L"Skins", L"GColor"},
          {L"Skins", L"stray line"},
          {L"Skins", L"Inner"},
          {L"Skins", L"Extra"},
          {L"Setting-GER", L"Item1"},
          {L"Setting-GER", L"Item2"}}},
        {"hand-written ASCII file",
         L"; comment\r\n[Skins]\r\nLan=CHS\r\nRColor = 255\r\n\r\n[Setting-EN]\r\nItem1=Left Click\r\n",
         TextEncoding::Utf8,
         {{L"Skins", L"Path", L"Default"},
          {L"Setting-EN", nullptr, nullptr},
          {L"Setting-EN", L"Item1", L"x"}},
         {{L"Skins", L"Lan"}, {L"Skins", L"RColor"}, {L"Skins", L"Path"}, {L"Setting-EN", L"Item1"}}},
    };
}

TEST(ConfigProfileStore, IniFileAgreesWithTheWindowsProfileFunctions) {
    for (const Scenario& scenario : scenarios()) {
        ConfigTestFolder folder;
        const std::wstring windowsPath = folder.file(L"windows.ini");
        const std::wstring portablePath = folder.file(L"portable.ini");
        Win32ProfileStore windows(windowsPath);
        IniFile portable{std::filesystem::path(portablePath)};

        const Outcome expected = run(windows, windowsPath, scenario);
        const Outcome actual = run(portable, portablePath, scenario);
        ASSERT_EQ(actual.values.size(), expected.values.size());
        for (std::size_t i = 0; i < expected.values.size(); ++i) {
            EXPECT_EQ(actual.values[i], expected.values[i]) << scenario.name << ", lookup " << i;
        }
        EXPECT_EQ(actual.sections, expected.sections) << scenario.name;
        EXPECT_EQ(actual.fileExists, expected.fileExists) << scenario.name;
    }
}

TEST(ConfigProfileStore, WindowsStoreReportsAChangeItCouldNotWrite) {
    ConfigTestFolder folder;
    Win32ProfileStore unwritable(folder.file(L"missing folder\\record.ini"));
    EXPECT_FALSE(unwritable.writeString(L"Macro", L"ItemCount", L"1"));
    Win32ProfileStore writable(folder.file(L"record.ini"));
    EXPECT_TRUE(writable.writeString(L"Macro", L"ItemCount", L"1"));
    EXPECT_TRUE(writable.deleteKey(L"Macro", L"Item0")) << "nothing to remove, nothing to write";
    EXPECT_TRUE(writable.deleteSection(L"Macro"));
}

// IniFile keeps the file parsed; a change the profile functions make right after, of the same
// size and within the same second, is still seen, and the other way round.
TEST(ConfigProfileStore, IniFileAndTheProfileFunctionsSeeEachOthersChanges) {
    ConfigTestFolder folder;
    const std::wstring path = folder.file(L"record.ini");
    Win32ProfileStore windows(path);
    IniFile portable{std::filesystem::path(path)};
    for (const wchar_t* value : {L"1", L"2", L"3"}) {
        windows.writeString(L"Macro", L"ItemCount", value);
        EXPECT_EQ(portable.readString(L"Macro", L"ItemCount"), value);
    }
    portable.writeString(L"Macro", L"ItemCount", L"4");
    EXPECT_EQ(windows.readString(L"Macro", L"ItemCount"), L"4");
}

TEST(ConfigProfileStore, WindowsStoreCreatesAUnicodeFile) {
    ConfigTestFolder folder;
    const std::wstring path = folder.file(L"str.ini");
    Win32ProfileStore store(path);
    store.writeString(L"Setting-CHS", L"Item1", L"左键单击");

    std::ifstream stream(std::filesystem::path(path), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(decodeText(bytes).text.find(L"Item1=左键单击"), std::wstring::npos);
    EXPECT_EQ(IniFile(std::filesystem::path(path)).readString(L"Setting-CHS", L"Item1"), L"左键单击");
}

TEST(ConfigProfileStore, WindowsStoreListsManySections) {
    ConfigTestFolder folder;
    Win32ProfileStore store(folder.file(L"record.ini"));
    std::vector<std::wstring> written;
    for (int i = 0; i < 200; ++i) {
        written.push_back(L"Macro with a long name number " + std::to_wstring(i));
        store.writeString(written.back(), L"ItemCount", L"0");
    }
    EXPECT_EQ(store.sectionNames(), written);
}

std::string fileBytes(const std::wstring& path) {
    std::ifstream stream(std::filesystem::path(path), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}

// Identifies the file itself rather than its name, so a file replaced by another one shows.
std::pair<DWORD, DWORD> fileIdentity(const std::wstring& path) {
    BY_HANDLE_FILE_INFORMATION info = {};
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    return {info.nFileIndexHigh, info.nFileIndexLow};
}

enum class FileAfterWrite { KeepsItsEncoding, BecomesUtf16, EitherWay };

// A value that must read the same after the write; with `value` unset, the same as before it.
struct KeptValue {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
};

struct ExistingFileCase {
    const char* name;
    std::string bytes;
    Step write;
    std::vector<KeptValue> kept;
    FileAfterWrite after;
};

std::vector<ExistingFileCase> existingFileCases() {
    const std::string ansiSkins = "[Skins]\r\nPath=Graphite\r\n";
    const std::string utf8German = ansiSkins + "[Setting-GER]\r\nItem1=Gr\xC3\xB6\xC3\x9F\x65\r\n";
    const std::wstring unicodeText = L"[Skins]\r\nPath=Graphite\r\n[Setting-CHS]\r\nItem1=左键单击\r\n";
    const KeptValue path{L"Skins", L"Path", L"Graphite"};
    return {
        {"8-bit file, Chinese label",
         ansiSkins,
         {L"Setting-CHS", L"Item1", L"左键单击"},
         {path},
         FileAfterWrite::BecomesUtf16},
        {"8-bit file, ASCII value",
         ansiSkins,
         {L"Skins", L"Lan", L"CHS"},
         {path},
         FileAfterWrite::KeepsItsEncoding},
        {"8-bit file, German label",
         ansiSkins + "[Setting-GER]\r\nItem1=Gr\xF6\xDF\x65\r\n",
         {L"Setting-GER", L"Item2", L"Rechtsklick – Größe"},
         {path, {L"Setting-GER", L"Item1", nullptr}},
         FileAfterWrite::EitherWay},
        {"8-bit file, Chinese section name",
         ansiSkins,
         {L"宏 1", L"ItemCount", L"0"},
         {path},
         FileAfterWrite::BecomesUtf16},
        {"8-bit file, letters the code page only approximates",
         ansiSkins,
         {L"Setting-EN", L"Item1", L"Ā ā ő"},
         {path},
         FileAfterWrite::EitherWay},
        {"UTF-8 file with its mark",
         "\xEF\xBB\xBF" + utf8German,
         {L"Setting-CHS", L"Item1", L"左键单击"},
         {path, {L"Setting-GER", L"Item1", L"Größe"}},
         FileAfterWrite::BecomesUtf16},
        {"UTF-8 file without a mark",
         utf8German,
         {L"Setting-CHS", L"Item1", L"左键单击"},
         {path, {L"Setting-GER", L"Item1", nullptr}},
         FileAfterWrite::BecomesUtf16},
        {"empty file", "", {L"Setting-CHS", L"Item1", L"左键单击"}, {}, FileAfterWrite::BecomesUtf16},
        {"UTF-16LE file",
         encodeText(unicodeText, TextEncoding::Utf16LittleEndian),
         {L"Setting-CHS", L"Item2", L"右键单击"},
         {path, {L"Setting-CHS", L"Item1", L"左键单击"}},
         FileAfterWrite::KeepsItsEncoding},
        {"UTF-16BE file",
         encodeText(unicodeText, TextEncoding::Utf16BigEndian),
         {L"Setting-CHS", L"Item2", L"右键单击"},
         {path, {L"Setting-CHS", L"Item1", L"左键单击"}},
         FileAfterWrite::BecomesUtf16},
    };
}

TEST(ConfigProfileStore, WindowsStoreKeepsEveryLabelInAnExistingFile) {
    for (const ExistingFileCase& testCase : existingFileCases()) {
        ConfigTestFolder folder;
        const std::wstring path = folder.file(L"str.ini");
        std::ofstream(std::filesystem::path(path), std::ios::binary)
            .write(testCase.bytes.data(), static_cast<std::streamsize>(testCase.bytes.size()));
        Win32ProfileStore store(path);
        std::vector<std::wstring> before;
        for (const KeptValue& kept : testCase.kept) {
            before.push_back(store.readString(kept.section, kept.key));
        }
        const auto identityBefore = fileIdentity(path);

        store.writeString(testCase.write.section, testCase.write.key, testCase.write.value);

        EXPECT_EQ(store.readString(testCase.write.section, testCase.write.key), testCase.write.value)
            << testCase.name;
        for (std::size_t i = 0; i < testCase.kept.size(); ++i) {
            const KeptValue& kept = testCase.kept[i];
            const std::wstring after = store.readString(kept.section, kept.key);
            EXPECT_EQ(after, before[i]) << testCase.name << ", " << encodeUtf8(kept.key);
            if (kept.value) {
                EXPECT_EQ(after, kept.value) << testCase.name << ", " << encodeUtf8(kept.key);
            }
        }
        const std::string bytes = fileBytes(path);
        if (testCase.after == FileAfterWrite::BecomesUtf16) {
            EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE") << testCase.name;
        } else if (testCase.after == FileAfterWrite::KeepsItsEncoding) {
            EXPECT_EQ(bytes.substr(0, 2), testCase.bytes.substr(0, 2)) << testCase.name;
            EXPECT_EQ(fileIdentity(path), identityBefore) << testCase.name;
        }
        const std::vector<std::filesystem::path> files(std::filesystem::directory_iterator(folder.folder()),
                                                       std::filesystem::directory_iterator{});
        EXPECT_EQ(files.size(), 1u) << testCase.name << ": the temporary file was left behind";
    }
}

TEST(ConfigProfileStore, WindowsStoreDropsAWriteItCannotKeepRatherThanStoreQuestionMarks) {
    ConfigTestFolder folder;
    const std::wstring path = folder.file(L"str.ini");
    const std::string original = "[Setting-CHS]\r\nItem1=Left Click\r\n";
    std::ofstream(std::filesystem::path(path), std::ios::binary)
        .write(original.data(), static_cast<std::streamsize>(original.size()));
    // A folder where the conversion puts its temporary file makes the conversion fail.
    std::filesystem::create_directory(std::filesystem::path(path + L".tmp"));
    Win32ProfileStore store(path);

    EXPECT_FALSE(store.writeString(L"Setting-CHS", L"Item1", L"左键单击"));

    EXPECT_EQ(store.readString(L"Setting-CHS", L"Item1"), L"Left Click");
    EXPECT_EQ(fileBytes(path), original);
}

} // namespace

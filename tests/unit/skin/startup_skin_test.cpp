#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "skin/skin_paths.h"

namespace {

constexpr wchar_t kExeFolder[] = L"C:\\Mouse\\";
constexpr wchar_t kRoot[] = L"C:\\Mouse\\Skins";

std::vector<DirectoryEntry> everyImage() {
    std::vector<DirectoryEntry> images{{L".", true}, {L"..", true}};
    for (SkinImage image : allSkinImages()) {
        images.push_back({skinImageFileName(image), false});
    }
    return images;
}

// Folders by full path; every folder asked for is remembered.
class FakeSkinsFolder : public DirectoryLister {
public:
    std::vector<DirectoryEntry> entries(const std::wstring& folder) const override {
        asked.push_back(folder);
        const auto found = folders.find(folder);
        return found == folders.end() ? std::vector<DirectoryEntry>{} : found->second;
    }
    std::map<std::wstring, std::vector<DirectoryEntry>> folders{
        {kRoot,
         {{L".", true},
          {L"..", true},
          {L"Partial", true},
          {L"Empty", true},
          {L"readme.txt", false},
          {L"main.png", true},
          {L"Complete", true}}},
        {L"C:\\Mouse\\Skins/Partial", {{L"MAIN.PNG", false}}},
        {L"C:\\Mouse\\Skins/Empty", {{L"main.png", true}}},
        {L"C:\\Mouse\\Skins/Complete", everyImage()},
    };
    mutable std::vector<std::wstring> asked;
};

struct Case {
    const wchar_t* requested;
    const wchar_t* name;
    const wchar_t* folder;
};

class StartupSkinChoice : public testing::TestWithParam<Case> {};

TEST_P(StartupSkinChoice, NamedSkinWithItsMainImageElseTheFirstCompleteOne) {
    FakeSkinsFolder skins;
    const StartupSkin chosen = chooseStartupSkin(skins, kExeFolder, GetParam().requested);
    EXPECT_EQ(chosen, (StartupSkin{GetParam().name, GetParam().folder, true}));
    for (const std::wstring& folder : skins.asked) {
        EXPECT_TRUE(folder.starts_with(kRoot) && folder.find(L"..") == std::wstring::npos)
            << "listed " << std::string(folder.begin(), folder.end());
    }
}

INSTANTIATE_TEST_SUITE_P(Names, StartupSkinChoice,
                         testing::Values(Case{L"Complete", L"Complete", L"C:\\Mouse\\Skins/Complete"},
                                         Case{L"partial", L"partial", L"C:\\Mouse\\Skins/Partial"},
                                         Case{L"NoSuchSkin", L"Complete", L"C:\\Mouse\\Skins/Complete"},
                                         Case{L"Empty", L"Complete", L"C:\\Mouse\\Skins/Complete"},
                                         Case{L"", L"Complete", L"C:\\Mouse\\Skins/Complete"},
                                         Case{L"..\\..\\..\\Windows", L"Complete",
                                              L"C:\\Mouse\\Skins/Complete"},
                                         Case{L"../Partial", L"Complete", L"C:\\Mouse\\Skins/Complete"},
                                         Case{L"C:Partial", L"Complete", L"C:\\Mouse\\Skins/Complete"},
                                         Case{L"..", L"Complete", L"C:\\Mouse\\Skins/Complete"}));

TEST(StartupSkin, ImagesInTheSkinsFolderItselfServeAnEmptyName) {
    FakeSkinsFolder skins;
    skins.folders[kRoot].push_back({L"main.png", false});
    EXPECT_EQ(chooseStartupSkin(skins, kExeFolder, L""), (StartupSkin{L"", kRoot, true}));
}

TEST(StartupSkin, WithoutCompleteSkinsTheFirstWithAMainImage) {
    FakeSkinsFolder skins;
    skins.folders.erase(L"C:\\Mouse\\Skins/Complete");
    EXPECT_EQ(chooseStartupSkin(skins, kExeFolder, L"Gone"),
              (StartupSkin{L"Partial", L"C:\\Mouse\\Skins/Partial", true}));
}

TEST(StartupSkin, NoSkinAtAllKeepsAValidNameAndDropsAHostileOne) {
    FakeSkinsFolder skins;
    skins.folders.clear();
    EXPECT_EQ(chooseStartupSkin(skins, kExeFolder, L"Blue"),
              (StartupSkin{L"Blue", L"C:\\Mouse\\Skins/Blue", false}));
    EXPECT_EQ(chooseStartupSkin(skins, kExeFolder, L"..\\x"), (StartupSkin{L"", kRoot, false}));
}

TEST(SkinFolderName, OneFolderNameOrNothing) {
    for (const wchar_t* valid : {L"", L"Blue Ice", L"Rot.Schwarz", L"..Dots first", L"鼠标"}) {
        EXPECT_TRUE(isSkinFolderName(valid)) << std::wstring(valid).size();
    }
    for (const wchar_t* invalid :
         {L".", L"..", L"...", L"a\\b", L"a/b", L"..\\..\\Windows", L"C:", L"a*", L"a?", L"a|b", L"a\x01"}) {
        EXPECT_FALSE(isSkinFolderName(invalid)) << std::wstring(invalid).size();
    }
}

} // namespace

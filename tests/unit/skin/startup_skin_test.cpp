#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "skin/skin_paths.h"

namespace {

constexpr wchar_t kExeFolder[] = L"C:\\Mouse\\";
constexpr wchar_t kRoot[] = L"C:\\Mouse\\Skins";

// Entries of a folder by name; a trailing '/' marks a folder.
std::vector<DirectoryEntry> listing(std::initializer_list<std::wstring> names) {
    std::vector<DirectoryEntry> entries;
    for (const std::wstring& name : names) {
        const bool folder = name.ends_with(L'/');
        entries.push_back({folder ? name.substr(0, name.size() - 1) : name, folder});
    }
    return entries;
}

std::vector<DirectoryEntry> everyImage() {
    std::vector<DirectoryEntry> images = listing({L"./", L"../"});
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
    // "Empty" holds a folder named like the main image; the Skins folder itself holds no images.
    std::map<std::wstring, std::vector<DirectoryEntry>> folders{
        {kRoot, listing({L"./", L"../", L"Partial/", L"Empty/", L"readme.txt", L"main.png/", L"Complete/"})},
        {L"C:\\Mouse\\Skins/Partial", listing({L"MAIN.PNG"})},
        {L"C:\\Mouse\\Skins/Empty", listing({L"main.png/"})},
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

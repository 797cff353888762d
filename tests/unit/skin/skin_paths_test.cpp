#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skin/skin_paths.h"

namespace {

struct FolderCase {
    const wchar_t* exeFolder;
    const wchar_t* skinName;
    const wchar_t* folder;
};

class SkinFolder : public testing::TestWithParam<FolderCase> {};

TEST_P(SkinFolder, ComposedBesideTheExecutable) {
    EXPECT_EQ(skinFolderPath(GetParam().exeFolder, GetParam().skinName), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Paths, SkinFolder,
                         testing::Values(FolderCase{L"C:\\Program Files\\Mouse\\", L"Blue",
                                                    L"C:\\Program Files\\Mouse\\Skins/Blue"},
                                         FolderCase{L"C:\\Mouse\\", L"", L"C:\\Mouse\\Skins"},
                                         FolderCase{L"/opt/mouse/", L"Rot Schwarz",
                                                    L"/opt/mouse/Skins/Rot Schwarz"},
                                         FolderCase{L"", L"Blue", L"Skins/Blue"}));

TEST(SkinImagePath, OneSeparatorBeforeTheFileName) {
    EXPECT_EQ(skinImagePath(L"C:\\Mouse\\Skins/Blue", SkinImage::ButtonOver),
              L"C:\\Mouse\\Skins/Blue/button-over.png");
    EXPECT_EQ(skinImagePath(L"C:\\Mouse\\Skins/Blue\\", SkinImage::Main), L"C:\\Mouse\\Skins/Blue\\main.png");
    EXPECT_EQ(skinsRootPath(L"D:\\x\\"), L"D:\\x\\Skins");
}

TEST(SkinImages, EveryImageHasItsOwnPngName) {
    std::set<std::wstring> names;
    for (SkinImage image : allSkinImages()) {
        const std::wstring name = skinImageFileName(image);
        EXPECT_TRUE(name.ends_with(L".png")) << std::string(name.begin(), name.end());
        EXPECT_TRUE(names.insert(name).second);
    }
    EXPECT_EQ(names.size(), 36u);
    EXPECT_EQ(std::wstring(skinImageFileName(SkinImage::NextPageOver)), L"button-NextPage-over.png");
    EXPECT_EQ(std::wstring(skinImageFileName(SkinImage::CheckBoxTicked)), L"PaneMakingTick.png");
}

} // namespace

struct NoSkinCase {
    Language language;
    const wchar_t* message;
};

class NoCompleteSkinMessage : public testing::TestWithParam<NoSkinCase> {};

TEST_P(NoCompleteSkinMessage, NamesTheSkinsFolderOnALineOfItsOwn) {
    EXPECT_EQ(noCompleteSkinMessage(UiTexts(GetParam().language), L"C:\\Program Files\\Mouse\\"),
              GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, NoCompleteSkinMessage,
    testing::Values(
        NoSkinCase{Language::English,
                   L"No complete skin was found in this folder:\nC:\\Program Files\\Mouse\\Skins"},
        NoSkinCase{
            Language::German,
            L"In diesem Ordner wurde kein vollständiger Skin gefunden:\nC:\\Program Files\\Mouse\\Skins"},
        NoSkinCase{Language::SimplifiedChinese,
                   L"在此文件夹中没有找到完整的皮肤：\nC:\\Program Files\\Mouse\\Skins"},
        NoSkinCase{Language::TraditionalChinese,
                   L"在此資料夾中沒有找到完整的皮膚：\nC:\\Program Files\\Mouse\\Skins"}));

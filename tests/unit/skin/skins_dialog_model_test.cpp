#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "skin/skins_dialog_model.h"

namespace {

class FakeLister : public DirectoryLister {
public:
    std::vector<DirectoryEntry> entries(const std::wstring& folder) const override {
        listedFolders.push_back(folder);
        return contents;
    }
    std::vector<DirectoryEntry> contents;
    mutable std::vector<std::wstring> listedFolders;
};

class RecordingStore : public ProfileStore {
public:
    std::wstring readString(const std::wstring&, const std::wstring&) override { return {}; }
    bool writeString(const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        writes.push_back({section + L"/" + key, value});
        return true;
    }
    bool deleteKey(const std::wstring&, const std::wstring&) override { return true; }
    bool deleteSection(const std::wstring&) override { return true; }
    std::vector<std::wstring> sectionNames() override { return {}; }
    std::vector<std::pair<std::wstring, std::wstring>> writes;
};

const SkinChoice kCurrent{L"Black", L"C:\\Mouse\\Skins/Black", {10, 20, 30}};

struct Fixture {
    FakeLister lister;
    Fixture() {
        lister.contents = {{L".", true},           {L"..", true},       {L"Black", true},
                           {L"readme.txt", false}, {L"Blue Ice", true}, {L"red", true}};
    }
    SkinsDialogModel model() const { return SkinsDialogModel(lister, L"C:\\Mouse\\", kCurrent); }
};

TEST(SkinsDialogList, ShowsOnlySkinFoldersInFileSystemOrder) {
    Fixture fixture;
    SkinsDialogModel model = fixture.model();
    EXPECT_TRUE(model.toggleSkinList());
    EXPECT_EQ(model.listedSkins(), (std::vector<std::wstring>{L"Black", L"Blue Ice", L"red"}));
    ASSERT_EQ(fixture.lister.listedFolders.size(), 1u);
    EXPECT_EQ(fixture.lister.listedFolders[0], L"C:\\Mouse\\Skins");
    EXPECT_FALSE(model.toggleSkinList());
    EXPECT_FALSE(model.skinListOpen());
}

TEST(SkinsDialogList, EmptySkinsFolderGivesAnEmptyListAndKeepsTheSkin) {
    Fixture fixture;
    fixture.lister.contents = {{L".", true}, {L"..", true}, {L"notes.txt", false}};
    SkinsDialogModel model = fixture.model();
    model.toggleSkinList();
    EXPECT_TRUE(model.listedSkins().empty());
    EXPECT_EQ(model.selectSkin(0), SkinSelection{});
    EXPECT_EQ(model.choice().skinName, kCurrent.skinName);
}

TEST(SkinsDialogSelection, PickedFolderBecomesTheChoice) {
    Fixture fixture;
    SkinsDialogModel model = fixture.model();
    model.toggleSkinList();
    const SkinSelection selection = model.selectSkin(1);
    EXPECT_TRUE(selection.destroyList);
    EXPECT_TRUE(selection.showName);
    EXPECT_FALSE(model.skinListOpen());
    EXPECT_EQ(model.choice().skinName, L"Blue Ice");
    EXPECT_EQ(model.choice().skinFolder, L"C:\\Mouse\\Skins/Blue Ice");
    EXPECT_EQ(model.choice().textColour, kCurrent.textColour);
}

TEST(SkinsDialogSelection, FolderLookedUpAgainWithoutRegardToCase) {
    Fixture fixture;
    SkinsDialogModel model = fixture.model();
    model.toggleSkinList();
    fixture.lister.contents = {{L"RED", true}};
    model.selectSkin(2);
    EXPECT_EQ(model.choice().skinName, L"red");
    EXPECT_EQ(model.choice().skinFolder, L"C:\\Mouse\\Skins/RED");
}

TEST(SkinsDialogSelection, VanishedFolderLeavesTheChoiceAsItWas) {
    Fixture fixture;
    SkinsDialogModel model = fixture.model();
    model.toggleSkinList();
    fixture.lister.contents = {{L"Black", true}};
    const SkinSelection selection = model.selectSkin(1);
    EXPECT_TRUE(selection.destroyList);
    EXPECT_FALSE(selection.showName);
    EXPECT_EQ(model.choice().skinName, kCurrent.skinName);
    EXPECT_EQ(model.choice().skinFolder, kCurrent.skinFolder);
}

TEST(SkinsDialogSelection, NoSelectionOrClosedListChangesNothing) {
    Fixture fixture;
    SkinsDialogModel model = fixture.model();
    EXPECT_EQ(model.selectSkin(0), SkinSelection{}) << "list closed";
    model.toggleSkinList();
    EXPECT_EQ(model.selectSkin(std::nullopt), SkinSelection{});
    EXPECT_EQ(model.selectSkin(3), SkinSelection{}) << "past the end";
    EXPECT_TRUE(model.skinListOpen());
    EXPECT_EQ(model.choice().skinName, kCurrent.skinName);
}

struct ClickCase {
    const char* name;
    Point p;
    bool listOpen;
    bool closeList;
    SkinsDialogCommand command;
};

class SkinsDialogClicks : public testing::TestWithParam<ClickCase> {};

TEST_P(SkinsDialogClicks, OneCommandPerClick) {
    Fixture fixture;
    SkinsDialogModel model = fixture.model();
    if (GetParam().listOpen) {
        model.toggleSkinList();
    }
    const SkinsDialogClick click = model.click(GetParam().p);
    EXPECT_EQ(click.closeSkinList, GetParam().closeList);
    EXPECT_EQ(click.command, GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, SkinsDialogClicks,
    testing::Values(
        ClickCase{"ok", {166, 253}, false, false, SkinsDialogCommand::EndWithOk},
        ClickCase{"okLastColumn", {269, 273}, false, false, SkinsDialogCommand::EndWithOk},
        ClickCase{"okCancelSharedColumn", {270, 260}, false, false, SkinsDialogCommand::EndWithCancel},
        ClickCase{"cancelRightEdge", {375, 260}, false, false, SkinsDialogCommand::None},
        ClickCase{"close", {352, 6}, true, true, SkinsDialogCommand::EndWithCancel},
        ClickCase{"headerWithListOpen", {150, 143}, true, false, SkinsDialogCommand::ToggleSkinList},
        ClickCase{"insideList", {100, 200}, true, false, SkinsDialogCommand::None},
        ClickCase{"swatch", {42, 94}, true, true, SkinsDialogCommand::ChooseColour},
        ClickCase{"prompt", {100, 70}, false, false, SkinsDialogCommand::None},
        ClickCase{"okWithListOpen", {200, 260}, true, true, SkinsDialogCommand::EndWithOk}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkinsDialogCommit, ColourThenSkinNameWrittenEvenWhenUnchanged) {
    Fixture fixture;
    SkinsDialogModel model = fixture.model();
    RecordingStore store;
    commitSkinChoice(store, model.choice());
    const std::vector<std::pair<std::wstring, std::wstring>> expected{{L"Skins/RColor", L"10"},
                                                                      {L"Skins/GColor", L"20"},
                                                                      {L"Skins/BColor", L"30"},
                                                                      {L"Skins/Path", L"Black"}};
    EXPECT_EQ(store.writes, expected);
}

TEST(SkinsDialogCommit, ChosenColourAndSkinAreWritten) {
    Fixture fixture;
    SkinsDialogModel model = fixture.model();
    model.setTextColour({255, 0, 128});
    model.toggleSkinList();
    model.selectSkin(1);
    RecordingStore store;
    commitSkinChoice(store, model.choice());
    const std::vector<std::pair<std::wstring, std::wstring>> expected{{L"Skins/RColor", L"255"},
                                                                      {L"Skins/GColor", L"0"},
                                                                      {L"Skins/BColor", L"128"},
                                                                      {L"Skins/Path", L"Blue Ice"}};
    EXPECT_EQ(store.writes, expected);
}

TEST(SkinsDialogWheel, ScrollsTheOpenListThreeLines) {
    EXPECT_EQ(skinListWheelLines(120, true), -3);
    EXPECT_EQ(skinListWheelLines(-120, true), 3);
    EXPECT_EQ(skinListWheelLines(120, false), 0);
}

struct TextsCase {
    const wchar_t* code;
    const wchar_t* cancel;
};

class SkinsDialogCaptions : public testing::TestWithParam<TextsCase> {};

TEST_P(SkinsDialogCaptions, ChosenByTheWholeLanguageCode) {
    EXPECT_EQ(skinsDialogTexts(UiTexts(languageFromCode(GetParam().code))).cancel, GetParam().cancel);
}

INSTANTIATE_TEST_SUITE_P(Languages, SkinsDialogCaptions,
                         testing::Values(TextsCase{L"CHS", L"取消"}, TextsCase{L"GER", L"Löschen"},
                                         TextsCase{L"ger", L"Cancel"}, TextsCase{L"", L"Cancel"},
                                         TextsCase{L"CHTX", L"Cancel"}));

} // namespace

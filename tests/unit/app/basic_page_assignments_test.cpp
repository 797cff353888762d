#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/basic_page_model.h"
#include "app/hot_area.h"
#include "assign/button_function.h"
#include "assign/default_button_labels.h"

namespace {

// The texts a redraw writes, with their rectangles.
std::vector<std::pair<std::wstring, Rect>> textsOf(const PageUpdate& update) {
    std::vector<std::pair<std::wstring, Rect>> texts;
    for (const PaintElement& element : update.redraw) {
        if (const auto* text = std::get_if<TextElement>(&element)) {
            texts.emplace_back(text->text, text->rect);
        }
    }
    return texts;
}

std::vector<ImageElement> imagesOf(const PageUpdate& update) {
    std::vector<ImageElement> images;
    for (const PaintElement& element : update.redraw) {
        if (const auto* image = std::get_if<ImageElement>(&element)) {
            images.push_back(*image);
        }
    }
    return images;
}

// The label a box shows: the text right of the button number in the box's rectangle.
std::wstring boxLabel(const PageUpdate& update, ButtonIndex button) {
    const Rect box = hotAreaRect(HotArea::AssignmentHeader, static_cast<uint8_t>(button.value()));
    for (const auto& [text, rect] : textsOf(update)) {
        if (rect.top == box.top && rect.left > box.left && rect.right == box.right) {
            return text;
        }
    }
    return L"<not drawn>";
}

class BasicPageAssignments : public testing::Test {
protected:
    BasicPageAssignments() {
        restoreDefaultAssignments(record);
        storeDefaultButtonLabels(settings, texts);
    }

    std::array<bool, 7> openLists() const {
        std::array<bool, 7> open{};
        for (std::size_t button = 0; button < open.size(); ++button) {
            open[button] = page.assignmentListOpen(ButtonIndex{button});
        }
        return open;
    }

    DeviceConfigRecord record{};
    AppSettings settings;
    UiTexts texts;
    BasicPageModel page{record, settings, texts};
};

TEST_F(BasicPageAssignments, ABoxOpensItsListExceptTheLastLeftClickWhichIsRefusedWithAWarning) {
    const PageUpdate refused = page.toggleAssignmentList(ButtonIndex{0});
    EXPECT_EQ(refused.notice, (Notice{L"Left key must be selected!", L"Warning"}));
    EXPECT_FALSE(page.assignmentListOpen(ButtonIndex{0}));

    EXPECT_EQ(page.toggleAssignmentList(ButtonIndex{3}), PageUpdate{});
    EXPECT_TRUE(page.assignmentListOpen(ButtonIndex{3}));
    EXPECT_EQ(openLists(), (std::array<bool, 7>{false, false, false, true}));
    EXPECT_EQ(page.assignmentListItems().size(), 15u);
    EXPECT_EQ(page.toggleAssignmentList(ButtonIndex{7}), PageUpdate{}) << "there is no eighth box";
}

struct CloseCase {
    const char* what;
    Point p;
    bool listStaysOpen;
};

TEST_F(BasicPageAssignments, AClickElsewhereClosesTheOpenListOrOnlyItsDpiSubList) {
    const CloseCase cases[] = {{"elsewhere", {700, 600}, false}, {"own header", {300, 250}, true}};
    for (const CloseCase& c : cases) {
        page.reset();
        page.toggleAssignmentList(ButtonIndex{2});
        page.hoverAssignmentList(ButtonIndex{2}, kDpiSwitchItem);
        ASSERT_TRUE(page.dpiSubListOpen()) << c.what;
        page.closeListsAt(c.p);
        EXPECT_EQ(page.assignmentListOpen(ButtonIndex{2}), c.listStaysOpen) << c.what;
        EXPECT_FALSE(page.dpiSubListOpen()) << c.what;
    }
}

// A click on the page closes the lists it is not on before its own area acts.
TEST_F(BasicPageAssignments, AClickOnAnotherBoxClosesTheOpenListAndTogglesItsOwn) {
    page.toggleAssignmentList(ButtonIndex{6});
    ASSERT_TRUE(page.click({300, 250}));
    EXPECT_EQ(openLists(), (std::array<bool, 7>{false, false, true, false, false, false, false}));
    ASSERT_TRUE(page.click({300, 250}));
    EXPECT_EQ(openLists(), (std::array<bool, 7>{}))
        << "a click on the open list's own box is left to the toggle, which closes it";
    page.toggleAssignmentList(ButtonIndex{1});
    EXPECT_EQ(page.click({700, 600}), std::nullopt) << "no area there: the window is dragged";
    EXPECT_EQ(openLists(), (std::array<bool, 7>{}));
}

TEST_F(BasicPageAssignments, TheDpiSubListFollowsThePointerAndItsChoiceRedrawsTheBox) {
    page.toggleAssignmentList(ButtonIndex{4});
    page.hoverAssignmentList(ButtonIndex{4}, kDpiSwitchItem);
    EXPECT_TRUE(page.dpiSubListOpen());
    page.hoverAssignmentList(ButtonIndex{4}, 7);
    EXPECT_FALSE(page.dpiSubListOpen());
    page.hoverAssignmentList(ButtonIndex{4}, kDpiSwitchItem);

    const PageUpdate update = page.chooseDpiSwitch(3);
    EXPECT_EQ(boxLabel(update, ButtonIndex{4}), L"Shift DPI");
    EXPECT_EQ(ReadButtonFunction(record, KeyMode::ModeA, 4), ButtonFunction{DpiSwitchFunction{4}});
    EXPECT_FALSE(page.assignmentListOpen(ButtonIndex{4}));
    EXPECT_FALSE(page.dpiSubListOpen());
    EXPECT_EQ(page.chooseDpiSwitch(0), PageUpdate{}) << "no list is open any more";
}

struct ChoiceCase {
    std::size_t item;
    std::optional<FunctionChoice> dialogResult; // nothing: the dialog was cancelled
    std::wstring expectedLabel;                 // empty: no redraw
};

TEST_F(BasicPageAssignments, AFunctionChosenInTheListIsStoredAndItsBoxRedrawnUnlessItsDialogWasCancelled) {
    const ChoiceCase cases[] = {
        {14, std::nullopt, L"Key Off"},
        {11, singleKeyChoice(UiTexts(), L"F5"), L"Single Key-F5"},
        {10, std::nullopt, L""},
        {kDpiSwitchItem, std::nullopt, L""},
    };
    for (const ChoiceCase& c : cases) {
        page.toggleAssignmentList(ButtonIndex{1});
        PageUpdate update = page.chooseAssignment(ButtonIndex{1}, c.item);
        const std::optional<DialogRequest> ran = update.dialog;
        if (ran) {
            PageUpdate onlyTheDialog;
            onlyTheDialog.dialog = ran;
            EXPECT_EQ(update, onlyTheDialog) << "nothing is drawn before the dialog ran";
            EXPECT_EQ(ran->slot, 1u);
            EXPECT_TRUE(page.assignmentListOpen(ButtonIndex{1}))
                << "the list stays open while the dialog runs";
            update = page.assign(*ran, c.dialogResult);
        }
        if (c.expectedLabel.empty()) {
            EXPECT_EQ(update, PageUpdate{}) << c.item;
        } else {
            EXPECT_EQ(boxLabel(update, ButtonIndex{1}), c.expectedLabel) << c.item;
            EXPECT_EQ(settings.labelsA[1], c.expectedLabel) << c.item;
        }
        EXPECT_EQ(ran.has_value(), c.item == 11 || c.item == 10) << c.item;
        EXPECT_EQ(page.assignmentListOpen(ButtonIndex{1}), c.item == kDpiSwitchItem) << c.item;
        page.reset();
    }
    EXPECT_EQ(settings.labelsA[1], L"Single Key-F5") << "the cancelled fire key kept the single key";
}

TEST_F(BasicPageAssignments, ModeBLightsItsButtonAndShowsItsOwnLabels) {
    settings.labelsB[0] = L"Mid Click";
    const PageUpdate update = page.selectKeyMode(1);
    EXPECT_EQ(record.keyMode, 1);
    const std::vector<ImageElement> images = imagesOf(update);
    ASSERT_GE(images.size(), 2u);
    EXPECT_EQ(images[0], (ImageElement{SkinImage::ButtonNormal, hotAreaRect(HotArea::ModeA).topLeft()}));
    EXPECT_EQ(images[1], (ImageElement{SkinImage::ButtonOver, hotAreaRect(HotArea::ModeB).topLeft()}));
    EXPECT_EQ(boxLabel(update, ButtonIndex{0}), L"Mid Click");
    EXPECT_EQ(boxLabel(update, ButtonIndex{6}), L"DPI -");

    page.selectKeyMode(0);
    EXPECT_EQ(record.keyMode, 0);
    settings.labelsA[0] = L"Combo Key-A";
    EXPECT_EQ(boxLabel(page.restoreDefaultAssignments(), ButtonIndex{0}), L"Left Click");
    EXPECT_EQ(settings.labelsB[0], L"Left Click") << "Default restores both key modes";
}

} // namespace

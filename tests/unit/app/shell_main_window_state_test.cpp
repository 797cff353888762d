#include <gtest/gtest.h>

#include <string>

#include "app/main_window_state.h"
#include "config/data_paths.h"

namespace {

struct TrayCase {
    unsigned mouseMessage;
    TrayRequest expected;
};

class TrayRequestTest : public testing::TestWithParam<TrayCase> {};

TEST_P(TrayRequestTest, MapsTheIconsMouseMessage) {
    EXPECT_EQ(trayRequest(GetParam().mouseMessage), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(MouseMessages, TrayRequestTest,
                         testing::Values(TrayCase{0x0200, TrayRequest::None},       // move
                                         TrayCase{0x0201, TrayRequest::None},       // left down
                                         TrayCase{0x0202, TrayRequest::OpenWindow}, // left up
                                         TrayCase{0x0203, TrayRequest::OpenWindow}, // left double click
                                         TrayCase{0x0204, TrayRequest::None},       // right down
                                         TrayCase{0x0205, TrayRequest::OpenMenu},   // right up
                                         TrayCase{0x0206, TrayRequest::None},       // right double click
                                         TrayCase{0x0208, TrayRequest::None},       // middle up
                                         TrayCase{0x0400, TrayRequest::None},
                                         TrayCase{0x0402, TrayRequest::None},           // balloon shown
                                         TrayCase{0x0403, TrayRequest::BalloonGone},    // balloon hidden
                                         TrayCase{0x0404, TrayRequest::BalloonGone},    // balloon timed out
                                         TrayCase{0x0405, TrayRequest::BalloonClicked}, // balloon clicked
                                         TrayCase{0x0406, TrayRequest::None}));

// The steps of an opening, in order, as one line.
class RecordingOpening : public OpenWindowPorts {
public:
    std::string steps;

    void noticeMouseAbsent() override { add("balloon"); }
    void prepareCanvas() override { add("canvas"); }
    void rebuildShownPage() override { add("rebuild"); }
    void buildBasicPage() override { add("build basic"); }
    void completeShownPage() override { add("complete"); }
    void showWindow() override { add("show"); }

private:
    void add(const std::string& step) { steps += (steps.empty() ? "" : ", ") + step; }
};

struct OpenCase {
    const char* name;
    bool connected;
    Page activePage;
    bool basicPageInitialised;
    bool revertPending;
    const char* steps;
};

class OpenWindowTest : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenWindowTest, TakesItsStepsInOrder) {
    const OpenCase& c = GetParam();
    MainWindowState state;
    state.pages.activePage = c.activePage;
    state.pages.basicPageInitialised = c.basicPageInitialised;
    state.revertPending = c.revertPending;
    RecordingOpening ports;

    openWindow(state, c.connected, ports);
    EXPECT_EQ(ports.steps, c.steps) << c.name;
    // Only an opening with the mouse present consumes the revert and the start-up hides.
    EXPECT_EQ(state.revertPending, c.revertPending && !c.connected) << c.name;
    EXPECT_EQ(state.startupHideCount, c.connected ? 0 : 2) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    States, OpenWindowTest,
    testing::Values(
        OpenCase{"absent mouse only warns", false, Page::Basic, true, true, "balloon"},
        OpenCase{"absent at start-up, present now", true, Page::None, false, false,
                 "canvas, build basic, show"},
        OpenCase{"page already built", true, Page::Basic, true, false, "canvas, complete, show"},
        OpenCase{"cancel on the basic page", true, Page::Basic, true, true, "canvas, rebuild, show"},
        OpenCase{"cancel on the advanced page", true, Page::Advanced, true, true, "canvas, rebuild, show"},
        OpenCase{"cancel with no page built", true, Page::None, false, true, "canvas, complete, show"}));

TEST(MainWindowState, HidesOnTheFirstTwoNonClientPaintsOnly) {
    MainWindowState state;
    EXPECT_TRUE(state.takeStartupHide());
    EXPECT_TRUE(state.takeStartupHide());
    EXPECT_FALSE(state.takeStartupHide());
    EXPECT_FALSE(state.takeStartupHide());
    EXPECT_EQ(state.startupHideCount, 0);
}

struct TitleCase {
    const wchar_t* exePath;
    const wchar_t* title;
};

class ApplicationTitleTest : public testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitleTest, IsTheFileNameWithoutExtension) {
    EXPECT_EQ(applicationTitle(GetParam().exePath), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Paths, ApplicationTitleTest,
                         testing::Values(TitleCase{L"C:\\Program Files\\Mouse\\Krello_Marrowin\u00b2.exe",
                                                   L"Krello_Marrowin\u00b2"},
                                         TitleCase{L"C:\\Tools\\my.mouse.tool.exe", L"my.mouse.tool"},
                                         TitleCase{L"Z:/tmp/run dir/setup", L"setup"},
                                         TitleCase{L"C:\\v1.2\\prog", L"prog"},
                                         TitleCase{L"plain.exe", L"plain"}));

} // namespace

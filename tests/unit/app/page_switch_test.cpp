#include <gtest/gtest.h>

#include <string>

#include "app/page_switch.h"

namespace {

// The steps of a build, in order, as one line.
class RecordingBuild : public PageBuildPorts {
public:
    std::string steps;

    void hidePage(Page page, bool pageChanges) override {
        add(std::string(page == Page::Basic ? "hide basic" : "hide advanced") +
            (pageChanges ? "" : " for a rebuild"));
    }
    void runFirstBuildSteps() override { add("first build"); }
    void showBuiltPage() override { add("show"); }

private:
    void add(const std::string& step) { steps += (steps.empty() ? "" : ", ") + step; }
};

enum class Action { BuildBasic, BuildAdvanced, Rebuild };

struct BuildCase {
    const char* name;
    PageState before;
    Action action;
    const char* steps;
    PageState after;
};

class PageBuildTest : public testing::TestWithParam<BuildCase> {};

TEST_P(PageBuildTest, TakesItsStepsInOrder) {
    const BuildCase& c = GetParam();
    PageState state = c.before;
    RecordingBuild ports;
    switch (c.action) {
    case Action::BuildBasic:
        buildPage(state, Page::Basic, ports);
        break;
    case Action::BuildAdvanced:
        buildPage(state, Page::Advanced, ports);
        break;
    case Action::Rebuild:
        rebuildShownPage(state, ports);
        break;
    }
    EXPECT_EQ(ports.steps, c.steps) << c.name;
    EXPECT_EQ(state.activePage, c.after.activePage) << c.name;
    EXPECT_EQ(state.basicPageInitialised, c.after.basicPageInitialised) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Builds, PageBuildTest,
    testing::Values(BuildCase{"first Basic build reads the mouse back",
                              {},
                              Action::BuildBasic,
                              "hide advanced, first build, show",
                              {Page::Basic, true}},
                    BuildCase{"later Basic build",
                              {Page::Advanced, true},
                              Action::BuildBasic,
                              "hide advanced, show",
                              {Page::Basic, true}},
                    BuildCase{"Advanced page builds without the exchange",
                              {Page::Basic, false},
                              Action::BuildAdvanced,
                              "hide basic, show",
                              {Page::Advanced, false}},
                    BuildCase{"building the shown page does nothing",
                              {Page::Advanced, true},
                              Action::BuildAdvanced,
                              "",
                              {Page::Advanced, true}},
                    BuildCase{"rebuild of the Basic page",
                              {Page::Basic, true},
                              Action::Rebuild,
                              "hide basic for a rebuild, show",
                              {Page::Basic, true}},
                    // The page is drawn again, a recording goes on.
                    BuildCase{"rebuild of the Advanced page",
                              {Page::Advanced, true},
                              Action::Rebuild,
                              "hide advanced for a rebuild, show",
                              {Page::Advanced, true}},
                    BuildCase{"rebuild with no page shown", {}, Action::Rebuild, "", {}}),
    [](const testing::TestParamInfo<BuildCase>& info) { return "case" + std::to_string(info.index); });

} // namespace

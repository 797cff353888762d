#include <gtest/gtest.h>

#include <vector>

#include "device/interface_selection.h"

namespace {

// One enumerated collection and whether opening it would succeed.
struct Listed {
    InterfaceDescription description;
    bool opens = true;
};

struct Step {
    std::size_t index;
    InterfaceAction action;
    bool operator==(const Step&) const = default;
};

struct SearchRun {
    std::vector<Step> steps; // the collections that led to an open, in order
    std::size_t examined = 0;
    SearchState state = SearchState::Searching;
    std::optional<InterfaceDescription> eventInterface;
    std::optional<InterfaceDescription> commandInterface;
};

// Drives the search the way the platform loop does: every collection is examined in order, an open is
// tried for each one the search asks for, and the loop ends as soon as the search stops searching.
SearchRun run(const std::vector<Listed>& list) {
    InterfaceSearch search;
    SearchRun result;
    for (std::size_t i = 0; i < list.size() && search.state() == SearchState::Searching; ++i) {
        ++result.examined;
        const InterfaceAction action = search.examine(list[i].description);
        if (action != InterfaceAction::Skip) {
            result.steps.push_back({i, action});
            search.opened(list[i].opens);
        }
    }
    result.state = search.state();
    result.eventInterface = search.eventInterface();
    result.commandInterface = search.commandInterface();
    return result;
}

constexpr InterfaceDescription kEvent = {0x04D9, 0xA09F, 0xFF01, 0xFF01, 0, 9, 0};
constexpr InterfaceDescription kCommand = {0x04D9, 0xA09F, 0xFF00, 0xFF00, 9, 33, 33};
constexpr InterfaceDescription kMousePointer = {0x04D9, 0xA09F, 0x0001, 0x0002, 0, 8, 0};
constexpr InterfaceDescription kKeyboard = {0x04D9, 0xA09F, 0x0001, 0x0006, 0, 9, 2};

InterfaceDescription withIds(InterfaceDescription d, uint16_t vendorId, uint16_t productId) {
    d.vendorId = vendorId;
    d.productId = productId;
    return d;
}

bool sameInterface(const std::optional<InterfaceDescription>& a, const InterfaceDescription& b) {
    return a && a->usagePage == b.usagePage && a->usage == b.usage && a->featureLength == b.featureLength &&
           a->inputLength == b.inputLength && a->outputLength == b.outputLength;
}

using enum InterfaceAction;

TEST(InterfaceSelection, EventFirstThenCommand) {
    const SearchRun r = run({{kMousePointer}, {kEvent}, {kKeyboard}, {kCommand}, {kEvent}});
    EXPECT_EQ(r.steps, (std::vector<Step>{{1, OpenEvent}, {3, OpenCommandAndStop}}));
    EXPECT_EQ(r.examined, 4u);
    EXPECT_EQ(r.state, SearchState::Found);
    EXPECT_TRUE(sameInterface(r.eventInterface, kEvent));
    EXPECT_TRUE(sameInterface(r.commandInterface, kCommand));
}

TEST(InterfaceSelection, CommandFirstLeavesTheEventInterfaceClosed) {
    const SearchRun r = run({{kCommand}, {kEvent}});
    EXPECT_EQ(r.steps, (std::vector<Step>{{0, OpenCommandAndStop}}));
    EXPECT_EQ(r.examined, 1u);
    EXPECT_EQ(r.state, SearchState::Found);
    EXPECT_FALSE(r.eventInterface.has_value());
}

TEST(InterfaceSelection, ForeignDevicesAreSkippedWhateverTheirUsage) {
    const SearchRun r = run({{withIds(kCommand, 0x046D, 0xA09F)},
                             {withIds(kEvent, 0x04D9, 0xA0A0)},
                             {withIds(kCommand, 0x04D9, 0x0000)},
                             {kEvent},
                             {kCommand}});
    EXPECT_EQ(r.steps, (std::vector<Step>{{3, OpenEvent}, {4, OpenCommandAndStop}}));
    EXPECT_EQ(r.state, SearchState::Found);
}

TEST(InterfaceSelection, CollectionsWithoutTheNeededReportsAreSkipped) {
    InterfaceDescription eventWithoutInput = kEvent;
    eventWithoutInput.inputLength = 0;
    InterfaceDescription commandWithoutFeature = kCommand;
    commandWithoutFeature.featureLength = 0;
    InterfaceDescription crossedUsage = kCommand;
    crossedUsage.usage = 0xFF01;
    const SearchRun r = run({{eventWithoutInput}, {commandWithoutFeature}, {crossedUsage}});
    EXPECT_TRUE(r.steps.empty());
    EXPECT_EQ(r.examined, 3u);
    EXPECT_EQ(r.state, SearchState::Searching);
    EXPECT_FALSE(r.commandInterface.has_value());
}

TEST(InterfaceSelection, FailedOpenEndsTheSearchWithoutTheMouse) {
    struct Case {
        std::vector<Listed> list;
        std::vector<Step> steps;
        bool eventOpen;
    };
    const Case cases[] = {
        {{{kEvent, false}, {kCommand}}, {{0, OpenEvent}}, false},
        {{{kEvent}, {kCommand, false}}, {{0, OpenEvent}, {1, OpenCommandAndStop}}, true},
        {{{kCommand, false}, {kEvent}}, {{0, OpenCommandAndStop}}, false},
    };
    for (const Case& c : cases) {
        const SearchRun r = run(c.list);
        EXPECT_EQ(r.steps, c.steps);
        EXPECT_EQ(r.state, SearchState::Failed);
        EXPECT_EQ(r.eventInterface.has_value(), c.eventOpen);
        EXPECT_FALSE(r.commandInterface.has_value()) << "a failed open must not count as connected";
    }
}

TEST(InterfaceSelection, NothingMoreIsOpenedOnceTheSearchHasEnded) {
    InterfaceSearch search;
    ASSERT_EQ(search.examine(kCommand), OpenCommandAndStop);
    ASSERT_EQ(search.opened(true), SearchState::Found);
    EXPECT_EQ(search.examine(kEvent), Skip);
    EXPECT_EQ(search.opened(true), SearchState::Found);
    EXPECT_FALSE(search.eventInterface().has_value());
}

} // namespace

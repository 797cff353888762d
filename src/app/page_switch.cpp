#include "app/page_switch.h"

#include <utility>

namespace {

Page otherPage(Page page) {
    return page == Page::Basic ? Page::Advanced : Page::Basic;
}

} // namespace

void buildPage(PageState& state, Page target, PageBuildPorts& ports) {
    if (target == Page::None || state.activePage == target) {
        return;
    }
    state.activePage = target;
    ports.hidePage(otherPage(target), true);
    if (target == Page::Basic && !std::exchange(state.basicPageInitialised, true)) {
        ports.runFirstBuildSteps();
    }
    ports.showBuiltPage();
}

void rebuildShownPage(PageState& state, PageBuildPorts& ports) {
    const Page shown = state.activePage;
    if (shown == Page::None) {
        return;
    }
    // The shown page's own controls go, so that they are created afresh with the new values.
    ports.hidePage(shown, false);
    if (shown == Page::Basic && !std::exchange(state.basicPageInitialised, true)) {
        ports.runFirstBuildSteps();
    }
    ports.showBuiltPage();
}

#include "app/page_switch.h"

namespace {

Page otherPage(Page page) {
    return page == Page::Basic ? Page::Advanced : Page::Basic;
}

} // namespace

PageBuildPlan buildPage(PageState& state, Page target) {
    PageBuildPlan plan;
    if (target == Page::None || state.activePage == target) {
        return plan;
    }
    state.activePage = target;
    plan.build = true;
    plan.tearDown = otherPage(target);
    plan.pageChanges = true;
    if (target == Page::Basic) {
        plan.firstBuildExchange = !state.basicPageInitialised;
        state.basicPageInitialised = true;
    }
    return plan;
}

PageBuildPlan rebuildShownPage(PageState& state) {
    const Page shown = state.activePage;
    if (shown == Page::None) {
        return {};
    }
    state.activePage = Page::None;
    PageBuildPlan plan = buildPage(state, shown);
    // The shown page's own controls go, so that they are created afresh with the new values.
    plan.tearDown = shown;
    plan.pageChanges = false;
    return plan;
}

#include "app/window_reopen.h"

ReopenPlan planWindowReopen(PageState& pages, bool& revertPending, bool deviceConnected) {
    ReopenPlan plan;
    if (!deviceConnected) {
        plan.reportMouseMissing = true;
        return plan;
    }
    if (revertPending) {
        revertPending = false;
        plan.rereadSettings = pages.activePage == Page::Basic;
        plan.page = rebuildShownPage(pages);
    } else if (!pages.basicPageInitialised) {
        plan.page = buildPage(pages, Page::Basic);
    }
    plan.showWindow = true;
    return plan;
}

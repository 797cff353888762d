#include "app/commit_plan.h"

CommitPlan commitPlanFor(ClickAction action) {
    CommitPlan plan;
    switch (action) {
    case ClickAction::Ok:
    case ClickAction::Apply:
        plan.sendToDevice = true;
        plan.takeSnapshot = true;
        plan.applyPointerSettings = true;
        plan.hideWindow = action == ClickAction::Ok;
        break;
    case ClickAction::Cancel:
        plan.revertToSnapshot = true;
        plan.setRevertPending = true;
        plan.hideWindow = true;
        break;
    default:
        break;
    }
    return plan;
}

#include "app/win/page_host.h"

void showPageUpdate(PageHost& host, const PageUpdate& update) {
    if (update.redrawPage) {
        host.repaintPage();
    } else if (!update.redraw.empty()) {
        host.drawIntoCanvas(update.redraw);
    }
    if (update.notice) {
        host.showNotice(*update.notice);
    }
}

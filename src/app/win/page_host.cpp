#include "app/win/page_host.h"

void showPageUpdate(PageHost& host, const PageUpdate& update) {
    if (update.redrawPage) {
        host.repaintPage();
    } else if (!update.redraw.empty()) {
        host.drawIntoCanvas(update.redraw);
    }
    if (update.message && update.messageCaption.empty()) {
        host.showMessage(*update.message);
    } else if (update.message) {
        MessageBoxW(host.window(), update.message->c_str(), update.messageCaption.c_str(), MB_OK);
    }
}

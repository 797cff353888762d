#include "app/skinless_window.h"

#include <algorithm>

#include "app/page_control_layout.h"

Rect skinlessWindowRect(const Rect& workArea) {
    const int width = std::min(kMainWindowArea.width(), workArea.width());
    const int height = std::min(kMainWindowArea.height(), workArea.height());
    const int left = workArea.left + (workArea.width() - width) / 2;
    const int top = workArea.top + (workArea.height() - height) / 2;
    return {left, top, left + width, top + height};
}

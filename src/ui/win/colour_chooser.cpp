#include "ui/win/colour_chooser.h"

#include <commdlg.h>

std::optional<COLORREF> chooseColour(HWND owner) {
    static COLORREF customColours[16] = {};
    CHOOSECOLORW chooser{};
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = owner;
    chooser.rgbResult = RGB(0, 0, 0);
    chooser.lpCustColors = customColours;
    if (!ChooseColorW(&chooser)) {
        return std::nullopt;
    }
    return chooser.rgbResult;
}

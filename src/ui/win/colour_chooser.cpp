#include "ui/win/colour_chooser.h"

#include <commdlg.h>

#include "ui/win/message_wait.h"

std::optional<COLORREF> chooseColour(HWND owner) {
    static COLORREF customColours[16] = {};
    CHOOSECOLORW chooser{};
    chooser.lStructSize = sizeof(chooser);
    chooser.hwndOwner = owner;
    chooser.rgbResult = RGB(0, 0, 0);
    chooser.lpCustColors = customColours;
    const ForeignMessageLoop systemDialog;
    if (!ChooseColorW(&chooser)) {
        return std::nullopt;
    }
    return chooser.rgbResult;
}

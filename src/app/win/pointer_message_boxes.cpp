#include "app/win/pointer_message_boxes.h"

void showPointerMessages(HWND owner, const std::vector<PointerMessage>& messages) {
    for (const PointerMessage& message : messages) {
        MessageBoxW(owner, message.text.c_str(), message.caption.c_str(), MB_OK);
    }
}

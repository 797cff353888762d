#include <windows.h>

#include "app/win/gorvik_app.h"
#include "common/debug_log.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    setDebugLogSink([](const std::wstring& line) { OutputDebugStringW(line.c_str()); });
    CGorvikApp app(instance);
    return app.run();
}

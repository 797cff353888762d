#pragma once

#include <windows.h>

// The application object: registers the main window's class and runs the main window until the
// program ends.
class CGorvikApp {
public:
    explicit CGorvikApp(HINSTANCE instance) : instance_(instance) {}
    CGorvikApp(const CGorvikApp&) = delete;
    CGorvikApp& operator=(const CGorvikApp&) = delete;

    // The whole run: initInstance, then exitInstance. Returns the process exit code.
    int run();

private:
    // Returns false once the main window is gone (or could not be made): the program is done.
    bool initInstance();
    int exitInstance();

    HINSTANCE instance_;
};

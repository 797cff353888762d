#pragma once

#include <string>

#include "ui/win/scoped_handle.h"

// A text file that lines are appended to, each written through at once so that a reader of the
// file sees every line as soon as it happened. Used for the emulated build's wire trace.
class TraceFile {
public:
    explicit TraceFile(const std::wstring& path);

    bool isOpen() const { return file_.valid(); }
    // Appends the line and a line end.
    void appendLine(const std::string& line);

private:
    UniqueHandle file_;
};

#pragma once

#include <functional>
#include <string>

// Diagnostic lines the program composes but never shows to the user. The Windows shell routes them
// to OutputDebugStringW; tests install their own sink to read them.
using DebugLogSink = std::function<void(const std::wstring&)>;

void setDebugLogSink(DebugLogSink sink);
void debugLog(const std::wstring& line);

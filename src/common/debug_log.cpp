#include "common/debug_log.h"

#include <utility>

namespace {

DebugLogSink& currentSink() {
    static DebugLogSink sink;
    return sink;
}

} // namespace

void setDebugLogSink(DebugLogSink sink) { currentSink() = std::move(sink); }

void debugLog(const std::wstring& line) {
    if (currentSink()) {
        currentSink()(line);
    }
}

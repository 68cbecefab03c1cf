#include "model/InternalError.h"

#include "model/Trace.h"

#include <cstdio>
#include <utility>

namespace {
// The flow installs the message box here; tests install an observer.
InternalErrorHandler g_internalErrorHandler;

void Report(const std::string& text) {
    WriteTrace(text, LOG_FORCED);
    if (g_internalErrorHandler) g_internalErrorHandler(text);
}
}  // namespace

void SetInternalErrorHandler(InternalErrorHandler handler) { g_internalErrorHandler = std::move(handler); }

std::string FormatInternalError(int code, const char* file, int line) {
    char text[512];
    std::snprintf(text, sizeof text, "fatal error: no such player (%d)\n\n  file:\t%s\n  line:\t%d", code,
                  file ? file : "", line);
    return text;
}

void ReportInternalError(int code, const char* file, int line) { Report(FormatInternalError(code, file, line)); }

std::string FormatFatalDiscard(int seat, int card, const char* file, int line) {
    char text[512];
    std::snprintf(text, sizeof text, "fatal discard:  player: %d, card: %d\n\n  file:\t%s\n  line:\t%d", seat, card,
                  file ? file : "", line);
    return text;
}

void ReportFatalDiscard(int seat, int card, const char* file, int line) {
    Report(FormatFatalDiscard(seat, card, file, line));
}

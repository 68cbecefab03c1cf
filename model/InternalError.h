#pragma once
// Reports of internal inconsistencies ("fatal error: no such player ..."): formatted once, written
// to the trace as a forced line, and handed to a replaceable handler that shows them to the user
// (the message box of the main frame). No exceptions: the caller goes on safely after the report.

#include <functional>
#include <string>

using InternalErrorHandler = std::function<void(const std::string& text)>;

// Installs the handler that shows a report; an empty handler (the default) shows nothing.
void SetInternalErrorHandler(InternalErrorHandler handler);

// "fatal error: no such player (%d)\n\n  file:\t%s\n  line:\t%d"
std::string FormatInternalError(int code, const char* file, int line);
void ReportInternalError(int code, const char* file, int line);

// "fatal discard:  player: %d, card: %d\n\n  file:\t%s\n  line:\t%d": a card code outside 1..52
// reached CPlayer::Discard.
std::string FormatFatalDiscard(int seat, int card, const char* file, int line);
void ReportFatalDiscard(int seat, int card, const char* file, int line);

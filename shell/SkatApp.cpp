#include "shell/SkatApp.h"

#include "platform/core/FileIo.h"
#include "platform/core/WindowApi.h"

#include <climits>
#include <cstdio>

CSkatApp* g_pApp = nullptr;

namespace {

// The prefix of the lowest category bit of the flags.
const char* CategoryPrefix(unsigned flags) {
    if (flags & LOG_VIEW) return "CView:";
    if (flags & LOG_MAINFRAME) return "CMainFrame:";
    if (flags & LOG_GAME) return "CGame:";
    if (flags & LOG_PLAYER) return "CPlayer:";
    return "";
}

}  // namespace

bool CSkatApp::WantsLog(unsigned flags) const {
    // Step 1: trace off.
    if (Log == 0) return false;

    // Step 2: the levels. A category in the verbose mask has its normal lines written as well.
    if ((flags & LOG_FORCED) != 0) return true;
    const unsigned normalMask = static_cast<unsigned>(LogLevel) | static_cast<unsigned>(LogLevelV);
    const unsigned mask = (flags & LOG_VERBOSE) != 0 ? static_cast<unsigned>(LogLevelV) : normalMask;
    return (mask & flags) != 0;
}

void CSkatApp::WriteLog(const std::string& text, unsigned flags) {
    // Steps 1 and 2: the log off, or the line's category and level not asked for.
    if (!WantsLog(flags)) return;
    const bool forced = (flags & LOG_FORCED) != 0;
    const bool verbose = (flags & LOG_VERBOSE) != 0;

    // Step 3: remember the focus window, as appending to the log window moves the focus to the
    // main frame.
    const HWND focus = GetFocus();

    // Step 4: the body. A forced line never carries a category prefix.
    std::string body;
    if (!forced && !text.empty() && text.front() == ':') body = CategoryPrefix(flags);
    body += text;
    body += "\r\n";

    // Step 5: the head, the category number right-aligned in two places and the line kind; a
    // forced line stands after a blank line instead.
    std::string head;
    if (forced) {
        head = "\r\n ";
    } else {
        char number[16];
        std::snprintf(number, sizeof number, "%2d", static_cast<int>(flags & ~static_cast<unsigned>(LOG_VERBOSE)));
        head = number;
        head += verbose ? '+' : ' ';
    }

    // Step 6: the file takes only the first three characters of the head, so that the bodies of
    // the file stay aligned; it is opened and closed for each line and so complete at any moment.
    // A file error loses the line, and the window is not updated either.
    if (platform::AppendToFile(LogFilePath, head.substr(0, 3) + body)) {
        // Step 7: the log window shows the whole head.
        if (LogList && LogWindowSink) LogWindowSink(head + body);
    }

    // Step 8: give the focus back.
    if (focus && GetFocus() != focus) SetFocus(focus);
}

void CSkatApp::ReadLogFile() {
    LogTextLength = 0;
    LogLineCount = 0;
    LogLongestLine = 0;
    // Only a regular file, read without waiting (a named pipe or a device as the log is passed
    // over), and no more of it than the window shows.
    platform::FileContent content = platform::ReadRegularFile(LogFilePath, kMaxLogFileBytes);
    // An unreadable log leaves the previous text.
    if (!content) return;
    LogText = content.Text();
    LogTextLength = static_cast<int>(LogText.size());
    CountLogLines(LogText);
}

void CSkatApp::CountLogLines(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find("\r\n", position);
        if (end == std::string_view::npos) break;
        ++LogLineCount;
        // Characters, not bytes: a UTF-8 continuation byte adds no width to the line.
        int length = 0;
        for (std::size_t i = position; i < end; ++i) {
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++length;
        }
        if (length > LogLongestLine) LogLongestLine = length;
        position = end + 2;
    }
}

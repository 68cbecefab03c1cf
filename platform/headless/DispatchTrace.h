#pragma once
// platform::DispatchTrace: the headless host's record of every window procedure call the engine makes
// (dispatched, sent, or from another process), with a compact text form for golden tests.
//
// Text form, one line per call:  "<time> <depth> <kind> <target> <message> <wParam>"
//   time     virtual ms;  depth: handler calls already on the stack (0 = the outermost pump)
//   kind     D dispatched from the queue, S sent, X from another process
//   target   the name given with Name(), else the window title in quotes, else #<handle>
//   message  MessageName(); for WM_COMMAND the wParam is shown as the id, with "/code" when the
//            notification code is not 0
// Example: "200 1 D frame WM_TIMER 3"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/core/Host.h"
#include "platform/core/Message.h"

namespace platform {

class DispatchTrace {
public:
    void Record(const DispatchRecord& record);
    void Clear() { m_records.clear(); }
    const std::vector<DispatchRecord>& Records() const { return m_records; }

    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool Enabled() const { return m_enabled; }
    // Only records the filter accepts are kept (e.g. leave out focus or paint traffic).
    void SetFilter(std::function<bool(const DispatchRecord&)> filter) { m_filter = std::move(filter); }
    // Keeps only the message kinds listed (convenience over SetFilter).
    void KeepOnly(std::vector<UINT> messages);

    // A name for the window in the text form.
    void Name(HWND hwnd, std::string name) { m_names[hwnd] = std::move(name); }
    std::string TargetName(HWND hwnd) const;

    std::string Line(const DispatchRecord& record) const;
    // Every record's line, each ended by '\n'.
    std::string Text() const;

private:
    bool m_enabled = true;
    std::function<bool(const DispatchRecord&)> m_filter;
    std::vector<DispatchRecord> m_records;
    std::unordered_map<HWND, std::string> m_names;
};

}  // namespace platform

#include "platform/headless/DispatchTrace.h"

#include <algorithm>

#include "platform/core/WindowSystem.h"

namespace platform {

void DispatchTrace::Record(const DispatchRecord& record) {
    if (!m_enabled || (m_filter && !m_filter(record))) return;
    m_records.push_back(record);
}

void DispatchTrace::KeepOnly(std::vector<UINT> messages) {
    SetFilter([messages = std::move(messages)](const DispatchRecord& record) {
        return std::find(messages.begin(), messages.end(), record.message) != messages.end();
    });
}

std::string DispatchTrace::TargetName(HWND hwnd) const {
    if (auto it = m_names.find(hwnd); it != m_names.end()) return it->second;
    if (const Window* window = WindowSystem::Instance().FromHandle(hwnd); window && !window->Title().empty())
    {
        std::string quoted(1, '"');
        quoted.append(window->Title()).push_back('"');
        return quoted;
    }
    std::string number(1, '#');
    number.append(std::to_string(HandleValue(hwnd)));
    return number;
}

std::string DispatchTrace::Line(const DispatchRecord& record) const {
    std::string line = std::to_string(record.time);
    line.push_back(' ');
    line.append(std::to_string(record.depth)).push_back(' ');
    line.push_back(static_cast<char>(record.kind));
    line.push_back(' ');
    line.append(TargetName(record.hwnd)).push_back(' ');
    line.append(MessageName(record.message)).push_back(' ');
    if (record.message == WM_COMMAND) {
        line.append(std::to_string(LOWORD(record.wParam)));
        if (HIWORD(record.wParam) != 0) line.append("/").append(std::to_string(HIWORD(record.wParam)));
    } else {
        line.append(std::to_string(record.wParam));
    }
    return line;
}

std::string DispatchTrace::Text() const {
    std::string text;
    for (const DispatchRecord& record : m_records) text += Line(record) + '\n';
    return text;
}

}  // namespace platform

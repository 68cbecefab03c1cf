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
        return '"' + window->Title() + '"';
    return "#" + std::to_string(HandleValue(hwnd));
}

std::string DispatchTrace::Line(const DispatchRecord& record) const {
    std::string line = std::to_string(record.time) + ' ' + std::to_string(record.depth) + ' ' +
                       static_cast<char>(record.kind) + ' ' + TargetName(record.hwnd) + ' ' +
                       MessageName(record.message) + ' ';
    if (record.message == WM_COMMAND) {
        line += std::to_string(LOWORD(record.wParam));
        if (HIWORD(record.wParam) != 0) line += '/' + std::to_string(HIWORD(record.wParam));
    } else {
        line += std::to_string(record.wParam);
    }
    return line;
}

std::string DispatchTrace::Text() const {
    std::string text;
    for (const DispatchRecord& record : m_records) text += Line(record) + '\n';
    return text;
}

}  // namespace platform

#pragma once
// platform::ScriptedAnswers: the answers a test lines up for message boxes (a button id: IDOK, IDYES,
// ...) and file dialogs (a path, or cancelled). The dialog layer takes the next one, in order, when a
// box or dialog opens; with none left it runs normally.

#include <deque>
#include <optional>
#include <string>

#include "platform/core/Host.h"

namespace platform {

class ScriptedAnswers {
public:
    void PushMessageBoxAnswer(int buttonId) { m_messageBoxes.push_back(buttonId); }
    std::optional<int> TakeMessageBoxAnswer() {
        if (m_messageBoxes.empty()) return std::nullopt;
        int answer = m_messageBoxes.front();
        m_messageBoxes.pop_front();
        return answer;
    }
    std::size_t PendingMessageBoxAnswers() const { return m_messageBoxes.size(); }

    void PushFileDialogAnswer(std::string path) { m_fileDialogs.push_back({true, std::move(path)}); }
    void PushFileDialogCancel() { m_fileDialogs.push_back({false, {}}); }
    std::optional<FileDialogAnswer> TakeFileDialogAnswer() {
        if (m_fileDialogs.empty()) return std::nullopt;
        FileDialogAnswer answer = std::move(m_fileDialogs.front());
        m_fileDialogs.pop_front();
        return answer;
    }
    std::size_t PendingFileDialogAnswers() const { return m_fileDialogs.size(); }

    void Clear() {
        m_messageBoxes.clear();
        m_fileDialogs.clear();
    }

private:
    std::deque<int> m_messageBoxes;
    std::deque<FileDialogAnswer> m_fileDialogs;
};

}  // namespace platform

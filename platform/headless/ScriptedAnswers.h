#pragma once
// platform::ScriptedAnswers: the answers a test lines up for message boxes (a button id: IDOK, IDYES,
// ...), file dialogs (a path, or cancelled) and modal dialogs (per template id, the person's actions
// on its controls). The dialog layer takes the next one, in order, when a box or dialog opens; with
// none left it runs normally.

#include <deque>
#include <map>
#include <optional>
#include <string>

#include "platform/core/DialogAnswer.h"
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

    // The actions for the next modal run of the dialog with this template.
    void PushDialogAnswer(int templateId, DialogActions actions) { m_dialogs[templateId].push_back(std::move(actions)); }
    std::optional<DialogActions> TakeDialogAnswer(int templateId) {
        auto found = m_dialogs.find(templateId);
        if (found == m_dialogs.end() || found->second.empty()) return std::nullopt;
        DialogActions actions = std::move(found->second.front());
        found->second.pop_front();
        return actions;
    }
    std::size_t PendingDialogAnswers() const {
        std::size_t count = 0;
        for (const auto& [id, answers] : m_dialogs) count += answers.size();
        return count;
    }

    void Clear() {
        m_messageBoxes.clear();
        m_fileDialogs.clear();
        m_dialogs.clear();
    }

private:
    std::deque<int> m_messageBoxes;
    std::deque<FileDialogAnswer> m_fileDialogs;
    std::map<int, std::deque<DialogActions>> m_dialogs;
};

}  // namespace platform

#include "dialogs/SettingsDialogBase.h"

#include <cstring>

#include "dialogs/SettingsIds.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"

const platform::DialogTemplate& SettingsTemplate(int templateId) {
    static const platform::DialogTemplate none{};
    const platform::DialogTemplate* found = platform::FindDialog(templateId);
    return found ? *found : none;
}

CSettingsDialogBase::CSettingsDialogBase(int templateId, std::string topic)
    : platform::Dialog(SettingsTemplate(templateId)), helpTopic(std::move(topic)) {}

bool CSettingsDialogBase::OnInitDialog() {
    help.Reset();
    return true;
}

bool CSettingsDialogBase::OnCommand(int id, unsigned code, HWND control) {
    switch (id) {
        case IDC_SETTINGS_HELP: OnHelp(); return true;
        case IDC_SETTINGS_STANDARD: OnStandard(); return true;
        default: return platform::Dialog::OnCommand(id, code, control);
    }
}

namespace {

bool EnglishEdition() {
    const platform::ResourceSet* resources = platform::CurrentResources();
    return resources && std::strcmp(resources->language, "en") == 0;
}

}  // namespace

int CSettingsDialogBase::DownArrowPicture() { return EnglishEdition() ? IDB_ARROW_DOWN_EN : IDB_ARROW_DOWN_GE; }
int CSettingsDialogBase::UpArrowPicture() { return EnglishEdition() ? IDB_ARROW_UP_EN : IDB_ARROW_UP_GE; }

void CSettingsDialogBase::SetArrowPicture(int id, int picture) {
    if (HWND button = GetDlgItem(id)) ::SendMessage(button, BM_SETIMAGE, static_cast<WPARAM>(picture), 0);
}

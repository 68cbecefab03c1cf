// The folder commands: the sounds, voices and storage folders of the work folder open in the
// desktop's file manager; a folder that cannot be opened is named in a message.
#include "flow/MainFrame.h"
#include "flow/FrameSettings.h"

#include "match/Profile.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

namespace {

constexpr int kStorageFolderName = 41170;  // "Storage"

}  // namespace

CFrameSettings& CMainFrame::FrameSettings() { return *settings_; }

void CFrameSettings::OpenWorkFolder(const std::string& name) {
    const std::string path = g_Profile.Work + name;
    if (platform::OpenFolder(path).done) return;
    ::MessageBox(frame_.Handle(), platform::LoadString(IDS_FOLDER_FAILED), {path},
                 platform::LoadString(IDS_PRODUCT_NAME), platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

void CFrameSettings::OnSoundsFolder() { OpenWorkFolder("Sounds"); }
void CFrameSettings::OnVoicesFolder() { OpenWorkFolder("Voices"); }
void CFrameSettings::OnStorageFolder() { OpenWorkFolder(platform::LoadString(kStorageFolderName)); }

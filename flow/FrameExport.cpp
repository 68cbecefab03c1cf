// Match > Initialization: the settings backed up into a registry import file on the desk; the
// command asks, the match files write it.
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"

#include "dialogs/MatchSettingsDialogs.h"

#include "match/OwnFiles.h"
#include "match/Profile.h"
#include "match/SettingsExport.h"
#include "model/GameState.h"
#include "model/Trace.h"
#include "platform/core/Codepage.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

void CMainFrame::OnInitialization() {
    // 1. The file on the desk, named after the product.
    const std::string product = platform::LoadString(IDS_PRODUCT_NAME);
    const std::string path = g_Profile.Desk + product + ".reg";
    // 2. The confirmation dialog, with the game paused; only its OK writes the file.
    const int pause = SetPause(0);
    CSaveInitValuesDialog confirmation;
    confirmation.DoModal();
    SetPause(pause);
    if (confirmation.Confirmed == 0) return;
    MatchFiles().WriteSettingsExport(path);
}

void CMatchFiles::WriteSettingsExport(const std::string& path) {
    const std::string product = platform::LoadString(IDS_PRODUCT_NAME);
    // 3. The product key's unnamed value; nothing sets it, so it is usually empty.
    std::string productDefault;
    if (const platform::RegistryKey* key = platform::CurrentUserRegistry().Find("Software\\" + product))
        productDefault = key->String("").value_or(std::string());
    // 4. and 5. Written whole, in the file's code page; a failure leaves no file and is named.
    WriteTrace(":OnInitialization(" + path + ")", LOG_MAINFRAME);
    const std::string text = platform::Utf8ToCp1252(SettingsExportText(productDefault, g_Game.FlowState));
    if (!WriteOwnFile(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}))
        ReportFileError(IDS_WRITE_FAILED, "OnInitialization", path);
}

// The frame's steps of the stored deals (the cards assignment): read and written whole.
#include "flow/MainFrame.h"

#include "match/OwnFiles.h"
#include "match/Profile.h"
#include "match/StoredDealFile.h"
#include "model/GameState.h"
#include "model/Trace.h"
#include "platform/core/Codepage.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

void CMainFrame::SaveStore(const std::string& path) {
    WriteTrace(":SaveStore(" + path + ")", LOG_MAINFRAME);
    if (!WriteOwnFile(path, EncodeStoredDeals(g_StoreRows, g_Game.StoreCount)))
        ReportFileError(IDS_WRITE_FAILED, "SaveStore", path);
}

void CMainFrame::ReadStore(const std::string& path, int which) {
    // The stored deals of an abandoned game win at the start.
    const std::string source = which == 0 && platform::FileExists(TempStorePath) ? TempStorePath : path;
    WriteTrace(":ReadStore(" + source + ")", LOG_MAINFRAME);
    const OwnFileRead read = ReadOwnFile(source, kStoredDealCap);
    std::optional<CStoreRows> rows;
    if (read.Result == OwnFileRead::Read && !read.TooLarge) rows = DecodeStoredDeals(read.Bytes);
    if (rows) {
        g_Game.StoreCount = StoreRecords(*rows);
        g_StoreRows = std::move(*rows);
        return;
    }
    // A new store. A file that is there but unreadable is moved aside, with one message.
    if (read.Result != OwnFileRead::Missing) {
        MoveDamagedFileAside(source);
        ReportFileError(IDS_READ_FAILED, "ReadStore", source);
    }
    g_Profile.SksName = "cards~.sks";
    g_StoreRows.Reset(platform::Utf8ToCp1252(platform::LoadString(IDS_STORE_TITLE)));
    g_Game.StoreCount = 0;
}

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
#include "resources/WorkFolderIds.h"
#include "resources/ids.h"

#include <algorithm>

void CMainFrame::SaveStore(const std::string& path) {
    WriteTrace(":SaveStore(" + path + ")", LOG_MAINFRAME);
    WriteStoreFile(path, false);
}

void CMainFrame::SaveStoreAfterGame(const std::string& path) {
    WriteTrace(":SaveStore(" + path + ")", LOG_MAINFRAME);
    WriteStoreFile(path, true);
}

void CMainFrame::WriteStoreFile(const std::string& path, bool inPlace) {
    CStoreRows::WrittenFile& written = g_StoreRows.Written;
    // A store its reader would refuse is not written: the file keeps the deals it holds.
    if (StoredDealsFileBytes(g_StoreRows, g_Game.StoreCount) > kStoredDealCap) {
        ReportFileError(IDS_WRITE_FAILED, "SaveStore", path);
        return;
    }
    // Stored deals someone else wrote since our last write stay as they are.
    if (written.Path == path && platform::ChangedSince(path, written.Stamp)) {
        ReportFileError(IDS_CHANGED_BY_OTHER, "SaveStore", path);
        return;
    }
    // After a game only the new deal, when the file is still the one written last.
    if (inPlace && written.Path == path && !IsProtectedFile(path)) {
        if (const auto steps = StoredDealAppendSteps(g_StoreRows, g_Game.StoreCount, written.Stamp.size)) {
            platform::FileStamp after;
            if (platform::UpdateFileInPlace(path, written.Stamp, *steps, after)) {
                written.Stamp = after;
                g_StoreRows.Unchanged = std::min<std::size_t>(after.size, g_StoreRows.Bytes.size());
                return;
            }
        }
    }
    const std::vector<std::uint8_t> bytes = EncodeStoredDeals(g_StoreRows, g_Game.StoreCount);
    if (!WriteOwnFile(path, bytes)) {
        if (written.Path == path) written = {};
        ReportFileError(IDS_WRITE_FAILED, "SaveStore", path);
        return;
    }
    const std::optional<platform::FileStamp> stamp = platform::StampOf(path);
    written = stamp ? CStoreRows::WrittenFile{path, *stamp} : CStoreRows::WrittenFile{};
    g_StoreRows.Unchanged = std::min(bytes.size(), g_StoreRows.Bytes.size());
}

void CMainFrame::ReadStore(const std::string& path, int which) {
    // The stored deals of an abandoned game win at the start.
    const std::string source = which == 0 && platform::FileExists(Files().TempStorePath) ? Files().TempStorePath : path;
    WriteTrace(":ReadStore(" + source + ")", LOG_MAINFRAME);
    const OwnFileRead read = ReadOwnFile(source, kStoredDealCap);
    std::optional<CStoreRows> rows;
    if (read.Result == OwnFileRead::Read && !read.TooLarge) rows = DecodeStoredDeals(read.Bytes);
    if (rows) {
        g_Game.StoreCount = StoreRecords(*rows);
        g_StoreRows = std::move(*rows);
        return;
    }
    // A new store. A file that is there but unreadable is named once; the program's own is moved
    // aside, a file the person opened stays where it is.
    if (read.Result != OwnFileRead::Missing) {
        if (which == 0) MoveDamagedFileAside(source);
        ReportFileError(IDS_READ_FAILED, "ReadStore", source);
    }
    g_Profile.SksName = "cards~.sks";
    g_StoreRows.Reset(platform::Utf8ToCp1252(platform::LoadString(IDS_STORE_TITLE)));
    g_Game.StoreCount = 0;
}

void CMainFrame::DropDealsPastList() {
    // A game end writes its deal before its list row; killed in between, the store is one deal
    // ahead, and a deal without its game is no game of the match.
    int deals = g_Game.StoreCount;
    while (deals > 0 && g_StoreRows.DealWord(deals, DEAL_GAME) > g_Game.GameCount) --deals;
    if (deals == g_Game.StoreCount) return;
    g_Game.StoreCount = deals;
    g_StoreRows.Bytes.resize(std::min(g_StoreRows.Bytes.size(), StoredDealsFileBytes(g_StoreRows, deals)));
    g_StoreRows.Unchanged = std::min(g_StoreRows.Unchanged, g_StoreRows.Bytes.size());
}

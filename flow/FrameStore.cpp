// The frame's steps of the stored deals (the cards assignment): read and written whole.
#include "flow/MatchFiles.h"

#include "match/OwnFiles.h"
#include "match/Profile.h"
#include "match/StoredDealFile.h"
#include "model/GameState.h"
#include "model/Trace.h"
#include "platform/core/Codepage.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

#include <algorithm>

void CMatchFiles::SaveStore(const std::string& path) {
    WriteTrace(":SaveStore(" + path + ")", LOG_MAINFRAME);
    WriteStoreFile(path, false);
}

void CMatchFiles::SaveStoreAfterGame(const std::string& path) {
    WriteTrace(":SaveStore(" + path + ")", LOG_MAINFRAME);
    WriteStoreFile(path, true);
}

void CMatchFiles::WriteStoreFile(const std::string& path, bool inPlace) {
    const int deals = g_Game.StoreCount;
    // After a game only the new deal.
    const auto newDeal = [deals](const platform::FileStamp& written) {
        return StoredDealAppendSteps(g_StoreRows, deals, written.size);
    };
    const auto wholeFile = [deals] { return EncodeStoredDeals(g_StoreRows, deals); };
    const std::optional<std::size_t> size = WriteGrowingFile(
        "SaveStore", path, StoredDealsFileBytes(g_StoreRows, deals) <= kStoredDealCap, g_StoreRows.Written, inPlace,
        newDeal, wholeFile);
    if (size) g_StoreRows.Unchanged = std::min<std::size_t>(*size, g_StoreRows.Bytes.size());
}

void CMatchFiles::ReadStore(const std::string& path, int which) {
    // The stored deals of an abandoned game win at the start.
    const std::string source = which == 0 && platform::FileExists(files_.TempStorePath) ? files_.TempStorePath : path;
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

void CMatchFiles::DropDealsPastList() {
    // A game end writes its deal before its list row; killed in between, the store is one deal
    // ahead, and a deal without its game is no game of the match.
    int deals = g_Game.StoreCount;
    while (deals > 0 && g_StoreRows.DealWord(deals, DEAL_GAME) > g_Game.GameCount) --deals;
    if (deals == g_Game.StoreCount) return;
    g_Game.StoreCount = deals;
    g_StoreRows.Bytes.resize(std::min(g_StoreRows.Bytes.size(), StoredDealsFileBytes(g_StoreRows, deals)));
    g_StoreRows.Unchanged = std::min(g_StoreRows.Unchanged, g_StoreRows.Bytes.size());
}

// The frame's steps of the game and card statistics: the block read at start-up and written when
// the frame goes, a deal latched when dealt and counted once at the end of its game, a finished
// game counted by its class.
#include "flow/MatchFiles.h"

#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/RamschState.h"

#include "match/OwnFiles.h"
#include "match/Statistics.h"
#include "match/StatisticsCounting.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/WorkFolderIds.h"
#include "resources/ids.h"

namespace {
CStatisticsBlock& Block() {
    if (!g_pStatistics) g_pStatistics = std::make_unique<CStatisticsBlock>();
    return *g_pStatistics;
}

// An open statistics window shows the counters as they are now.
void RedrawStatisticsWindow(CMainFrame& frame, int command) {
    if (const HWND window = frame.FramePanels().SideWindow(command))
        ::RedrawWindow(window, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

void CMatchFiles::ReadStatistics(const std::string& path, bool showError) {
    WriteTrace(":ReadStatistics(" + path + ")", LOG_MAINFRAME);
    // 1. The block, zero, when there is none yet.
    CStatisticsBlock& block = Block();
    // 2. The first 4200 bytes.
    const OwnFileRead read = ReadOwnFile(path, kStatisticsBytes);
    // The bytes read whole are kept: counters that come out the same need no write.
    if (read.Result == OwnFileRead::Read && !read.TooLarge) NoteSeen(g_StatisticsSeen, path, read.Bytes);
    else NoteSeen(g_StatisticsSeen, path);
    if (read.Result == OwnFileRead::Read) {
        block = DecodeStatistics(read.Bytes);
        // 3. A file of the game part alone starts the card part afresh.
        if (read.Bytes.size() <= kGameStatisticsBytes) ResetCardStatistics();
        return;
    }
    // 4. Nothing to read: zero statistics, the game part and the card part. A file that is there
    //    but unreadable is kept aside and named, so that the exit does not write an empty block
    //    over it.
    InitGameStatistics();
    ResetCardStatistics();
    if (read.Result == OwnFileRead::Unreadable) {
        MoveDamagedFileAside(path);
        showError = true;
    }
    if (showError)
        ReportFileError(IDS_READ_FAILED, "ReadData", path);
}

void CMatchFiles::SaveStatistics(const std::string& path) {
    WriteTrace(":SaveStatistics(" + path + ")", LOG_MAINFRAME);
    if (!g_pStatistics) return;
    // Counters another program wrote since the start are theirs: they stay. Counters the file
    // holds already are not written again.
    switch (WriteSeenFile(g_StatisticsSeen, path, EncodeStatistics(*g_pStatistics), true)) {
    case SeenWrite::Written:
    case SeenWrite::Unchanged: return;
    case SeenWrite::ChangedByOther: ReportFileError(IDS_CHANGED_BY_OTHER, "SaveData", path); return;
    case SeenWrite::Failed: ReportFileError(IDS_WRITE_FAILED, "SaveData", path); return;
    }
}

void CMatchFiles::InitGameStatistics() { Block().InitGameStatistics(); }
void CMatchFiles::ResetCardStatistics() { Block().ResetCardStatistics(); }

// A new or loaded match starts its statistics afresh; an open window shows them so at once.
void CMatchFiles::ResetMatchGameStatistics() {
    WriteTrace(":ResetMatchGameStatistics()", LOG_MAINFRAME);
    Block().ResetMatchGameStatistics();
    RedrawStatisticsWindow(frame_, ID_LIST_GAME_STATISTICS);
}

void CMatchFiles::ResetMatchCardStatistics() {
    WriteTrace(":ResetMatchCardStatistics()", LOG_MAINFRAME);
    Block().ResetMatchCardStatistics();
    RedrawStatisticsWindow(frame_, ID_LIST_CARD_STATISTICS);
}

void CMatchFiles::LatchCardsStatistics(int kind) {
    WriteTrace(":LatchCardsStatistics()", LOG_MAINFRAME);
    CardLatch& latch = files_.CardLatches[kind == 0 ? 0 : 1];
    latch = {};
    if (kind == 0) {
        // The three hands and the skat as dealt.
        for (int seat = 0; seat < 3; ++seat) {
            const CCards& hand = *frame_.GameObject().Player(seat);
            LatchCards(latch, seat, hand.cards.data(), hand.capacity);
        }
        LatchCards(latch, 3, frame_.GameObject().cards.data(), frame_.GameObject().capacity);
        return;
    }
    // A test deal: four rows dealt from a full deck of their own.
    CCards rows[4] = {{"", 10, false, false}, {"", 10, false, false}, {"", 10, false, false}, {"", 2, false, false}};
    ClearDeckTaken();
    for (int row = 0; row < 4; ++row) {
        rows[row].Deal();
        LatchCards(latch, row, rows[row].cards.data(), rows[row].capacity);
    }
}

void CMatchFiles::UpdateCardsStatistics(int kind) {
    WriteTrace(":UpdateCardsStatistics()", LOG_MAINFRAME);
    AddLatchToTables(Block(), files_.CardLatches[kind == 0 ? 0 : 1], kind);
    RedrawStatisticsWindow(frame_, ID_LIST_CARD_STATISTICS);
}

void CMatchFiles::LatchDeal() {
    files_.CardStatisticsPending = 1;
    LatchCardsStatistics(0);
}

// The deal is counted once, by whichever end its game finds: played out, given up or passed in.
void CMatchFiles::CountLatchedDeal() {
    if (!files_.CardStatisticsPending) return;
    files_.CardStatisticsPending = 0;
    UpdateCardsStatistics(0);
}

void CMatchFiles::ForgetLatchedDeal() { files_.CardStatisticsPending = 0; }

void CMatchFiles::Statistics(int score) {
    // 1. to 6. The game as the statistics see it, counted by its class.
    StatisticsGame game;
    game.GameType = g_Game.GameType;
    game.VariantMode = g_Game.VariantMode;
    game.Soloist = g_Game.Soloist;
    game.KontraState = g_Game.KontraState;
    game.KontraSeat = g_Game.KontraSeat;
    game.OuvertAnnounced = g_Game.OuvertAnnounced != 0 ? 1 : 0;
    game.HandAnnounced = g_Game.HandAnnounced != 0 ? 1 : 0;
    game.SchneiderAnnounced = g_Game.SchneiderAnnounced != 0 ? 1 : 0;
    game.SchwarzAnnounced = g_Game.SchwarzAnnounced != 0 ? 1 : 0;
    for (int i = 0; i < 3; ++i) {
        game.PartyPoints[i] = g_Game.PartyPoints[i];
        game.PartyTricks[i] = g_Game.PartyTricks[i];
        game.PassedOnFlags[i] = g_Game.SkatPassedOnBySeat[i];
    }
    game.RamschLoser = frame_.Ramsch().RamschResultSeats[0];
    game.RamschSecondLoser = frame_.Ramsch().RamschResultSeats[1];
    CountFinishedGame(Block(), game, score);
    // 7. The trace names the class and who gave Kontra and Rekontra.
    std::string detail = std::string("GAME_TYPE_") + StatisticsClassName(StatisticsClass(game));
    if (game.KontraState != KONTRA_NONE) {
        detail += ":Kontra:" + frame_.GetPlayerName(game.KontraSeat);
        if (game.KontraState == KONTRA_REKONTRA) detail += ":Rekontra:" + frame_.GetPlayerName(game.Soloist);
    }
    WriteTrace(":Statistics(" + detail + ")", LOG_MAINFRAME);
    // 8. The statistics window shows the new numbers.
    RedrawStatisticsWindow(frame_, ID_LIST_GAME_STATISTICS);
}

// The course of a finished game as the game file keeps it: what each seat played, the skat laid
// away, and the record of the result and of each trick's winner and points.
#include "flow/FrameTable.h"
#include "flow/MainFrame.h"
#include "flow/RamschState.h"
#include "flow/TrickPlayState.h"
#include "flow/MatchSeries.h"

#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Skat.h"
#include "model/Trace.h"

void CFrameTable::CopyCourse(std::int32_t* image, int offset) {
    WriteTrace(":CopyCourse()", LOG_MAINFRAME);
    // The course rows of seats 0-2, ten words each, then the course skat's two.
    for (int seat = 0; seat < 3; ++seat)
        for (int i = 0; i < 10; ++i)
            image[10 * seat + i] = frame_.GameObject().CourseRow(seat).cards[static_cast<std::size_t>(i)];
    for (int i = 0; i < 2; ++i) image[30 + i] = frame_.GameObject().CourseSkat().cards[static_cast<std::size_t>(i)];
    // The record of 68 words.
    const bool ramsch = g_Game.GameType == GAME_RAMSCH;
    std::int32_t* record = image + offset;
    record[0] = 1001;
    record[1] = g_Game.GameType;
    record[2] = ramsch ? frame_.Ramsch().RamschResultSeats[0] : frame_.Series().GameScoreValue;
    record[3] = (frame_.TrickPlay().CourseShown ? 0x10000000 : 0) + (ramsch ? frame_.Ramsch().RamschResultSeats[1] : 0);
    record[4] = g_Game.PartyPoints[0];
    record[5] = g_Game.PartyPoints[1];
    record[6] = ramsch ? g_Game.PartyPoints[2] : g_Game.BidIndex;
    record[7] = frame_.GameObject().CourseSkat().count;
    for (int seat = 0; seat < 3; ++seat) record[8 + seat] = frame_.GameObject().CourseRow(seat).count;
    record[11] = g_Game.CourseTricks;
    record[12] = g_Game.HandAnnounced;
    record[13] = g_Game.OuvertAnnounced;
    record[14] = frame_.Ramsch().RamschPushCount;
    for (int seat = 0; seat < 3; ++seat) record[15 + seat] = g_Game.SkatPassedOnBySeat[seat];
    for (int party = 0; party < 3; ++party) record[18 + party] = g_Game.PartyTricks[party];
    record[21] = g_Game.KontraState + 8 * g_Game.SchneiderAnnounced + 16 * g_Game.SchwarzAnnounced;
    record[22] = g_Game.KontraSeat;
    record[23] = g_Game.Soloist;
    // Each of the 11 snapshots: the trick winner and the three points stored in it.
    for (int snapshot = 0; snapshot < 11; ++snapshot) {
        const GameSnapshot& stored = frame_.TrickPlay().History[snapshot];
        record[24 + 4 * snapshot] = stored.trickWinner;
        for (int party = 0; party < 3; ++party) record[25 + 4 * snapshot + party] = stored.partyPoints[party];
    }
}

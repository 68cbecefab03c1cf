// The frame's steps of the game file: the deal, the course of a finished game and the annotation,
// written whole and read whole; a file that does not hold a sound game leaves the game as it was.
#include "flow/MatchFiles.h"

#include "flow/MainFrame.h"
#include "flow/FrameAuction.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/MatchSeries.h"
#include "flow/RamschRounds.h"

#include "computer/evaluation/GameEvaluation.h"
#include "match/GameFile.h"
#include "match/OwnFiles.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

#include <algorithm>

GameFileRecord CMatchFiles::GameImage(bool withCourse, bool withAnnotation) {
    GameFileRecord record;
    // The four dealt rows: the three hands and the skat, as dealt.
    for (int seat = 0; seat < 3; ++seat) {
        const CPlayer& player = *frame_.GameObject().Player(seat);
        for (int i = 0; i < 10; ++i) record.Dealt[static_cast<std::size_t>(10 * seat + i)] = player.dealt[static_cast<std::size_t>(i)];
    }
    for (int i = 0; i < 2; ++i)
        record.Dealt[static_cast<std::size_t>(30 + i)] = frame_.GameObject().dealt[static_cast<std::size_t>(i)];
    if (withCourse) {
        std::array<std::int32_t, 100> course{};
        frame_.FrameTable().CopyCourse(course.data(), 32);
        record.Course = course;
    }
    if (withAnnotation) record.Annotation = frame_.Texts().AnnotationText;
    return record;
}

void CMatchFiles::SaveFile(const std::string& path, int kind) {
    // The course only of a finished game.
    const bool course = kind != 0 && g_Game.FlowState == STATE_IDLE && frame_.GameObject().CourseRow(0).count == 10;
    const GameFileRecord image = GameImage(course, true);
    const std::vector<std::uint8_t> bytes = EncodeGameFile(image);
    // A file the reader would refuse is not written, nor named as the game: it would be named and
    // moved aside at the next start. Before the first deal the program's own file has no game to
    // keep, and nothing is said; a save the person asked for is told that nothing was stored.
    if (!DecodeGameFile(bytes).Record) {
        const bool dealt =
            std::any_of(image.Dealt.begin(), image.Dealt.end(), [](std::int32_t card) { return card != NO_CARD; });
        if (dealt || path != files_.TempGameFile) ReportFileError(IDS_WRITE_FAILED, "SaveFile", path);
        return;
    }
    // 1. The title names the file.
    frame_.SetTitle(path, kind);
    // 2. Saving under another name first keeps the current game in the work folder. The
    //    annotation stays whether or not its panel is open.
    if (path != files_.TempGameFile && !g_Settings.View.ListAnnotation) SaveFile(files_.TempGameFile, 0);
    // 3. The image goes to the file; a write that fails is named.
    //    A file that holds this very game already, as the program left it, stays as it is.
    WriteTrace(":SaveFile(" + path + ")", LOG_MAINFRAME);
    if (WriteSeenFile(files_.GameSeen, path, bytes, false) == SeenWrite::Failed)
        ReportFileError(IDS_WRITE_FAILED, "SaveFile", path);
}

bool CMatchFiles::ReadCards(const std::string& path, int titleKind) {
    // 1. and 2. The whole file, decoded before anything of the game changes. A file too short for
    //    a deal is passed over without a word; one whose cards are not a deal is named. The
    //    program's own game file in the work folder is moved aside when it is damaged; a file the
    //    person chose is theirs and stays where it is, named when it is missing or cannot be read.
    const bool ownFile = path == files_.TempGameFile;
    const OwnFileRead read = ReadOwnFile(path, kGameFileCap);
    GameFileDecoded decoded;
    if (read.Result == OwnFileRead::Read) decoded = DecodeGameFile(read.Bytes);
    if (read.TooLarge) decoded = {std::nullopt, GameFileFault::TooLarge};
    if (!decoded.Record) {
        if (ownFile && read.Result != OwnFileRead::Missing) MoveDamagedFileAside(path);
        if (!ownFile && read.Result != OwnFileRead::Read)
            ReportFileError(IDS_READ_FAILED, "ReadCards", path);
        else if (read.Result == OwnFileRead::Read && read.Bytes.size() >= kGameDealBytes)
            MessageBox(frame_.Handle(), platform::LoadString(IDS_NO_GAME_FILE), {path}, platform::LoadString(IDS_PRODUCT_NAME),
                       platform::MB_OK | platform::MB_ICONEXCLAMATION);
        if (read.Result != OwnFileRead::Read) frame_.SetTitle("cards~.skt", 3);
        return false;
    }
    const GameFileRecord& record = *decoded.Record;
    WriteTrace(":ReadCards(" + path + ")", LOG_MAINFRAME);
    // 3. The dealt rows. The bytes read are kept: saving the same game again writes nothing.
    NoteSeen(files_.GameSeen, path, read.Bytes);
    files_.GameFileRead = 1;
    g_Game.CourseTricks = 0;
    game_.SetDeal(&record.Dealt[0], &record.Dealt[30]);
    frame_.FrameTexts().SetAnnotationText(record.Annotation);
    game_.ClearCourse();
    bool lastTrickShown = false;
    if (record.Course) {
        // 4. The course and the game's result.
        using namespace course;
        const auto at = [&](std::size_t offset) { return record.CourseAt(offset); };
        for (int seat = 0; seat < 3; ++seat)
            for (int i = 0; i < at(RowCounts + 4 * seat); ++i) {
                const int card = at(Rows + 40 * seat + 4 * i);
                if (IsDeckCard(card)) game_.NoteCourseCard(seat, card);
            }
        for (int i = 0; i < at(SkatCount); ++i)
            if (IsDeckCard(at(Skat + 4 * i))) game_.NoteCourseSkatCard(at(Skat + 4 * i));
        g_Game.SetGameType(at(GameType));
        const bool ramsch = at(GameType) == GAME_RAMSCH;
        const std::int32_t packed = at(LastTrickAndSecondLoser);
        lastTrickShown = (packed & kLastTrickShownBit) != 0;
        // A Ramsch keeps its losers where another game keeps its score (3: no loser).
        if (ramsch) {
            frame_.RamschRounds().RestoreResult(at(ScoreOrLoser), packed & ~kLastTrickShownBit, at(PassOnCount));
        } else {
            frame_.MatchSeries().SetGameScore(at(ScoreOrLoser));
            frame_.RamschRounds().RestoreResult(3, 3, at(PassOnCount));
        }
        g_Game.PartyPoints[0] = at(Points0);
        g_Game.PartyPoints[1] = at(Points1);
        if (ramsch) g_Game.PartyPoints[2] = at(BidOrPoints2);
        else g_Game.BidIndex = at(BidOrPoints2);
        g_Game.HandAnnounced = at(HandAnnounced);
        g_Game.OuvertAnnounced = at(OuvertAnnounced);
        for (int seat = 0; seat < 3; ++seat) {
            g_Game.SkatPassedOnBySeat[seat] = at(PassedOnFlags + 4 * seat);
            g_Game.PartyTricks[seat] = at(PartyTricks + 4 * seat);
        }
        const std::int32_t kontra = at(Kontra);
        g_Game.KontraState = kontra & 7;
        g_Game.SchneiderAnnounced = (kontra >> 3) & 1;
        g_Game.SchwarzAnnounced = (kontra >> 4) & 1;
        if (at(KontraSeat) != -1) g_Game.KontraSeat = at(KontraSeat);
        g_Game.Soloist = at(Soloist);
        for (int snapshot = 0; snapshot < kCourseSnapshots; ++snapshot) {
            const std::size_t group = Snapshots + 16 * static_cast<std::size_t>(snapshot);
            int partyPoints[3];
            for (int party = 0; party < 3; ++party) partyPoints[party] = at(group + 4 + 4 * party);
            frame_.FrameTrickPlay().LoadCourseSnapshot(snapshot, at(group), partyPoints);
        }
        g_Game.CourseTricks = at(Tricks);
        if (g_Game.CourseTricks > 0) {
            g_Game.StopFlag = StopState::Running;
            g_Game.GameEndFlags = 8;
        }
    }
    // 5. The players look at the deal; the cards stay off the table.
    game_.LayDealBack();
    frame_.FrameAuction().EvaluateBidLimits();
    game_.TakeCardsOffTable(false);
    if (lastTrickShown && !frame_.TrickPlay().CourseShown) frame_.FrameTrickPlay().OnLast();
    // 6. The title names the file read.
    frame_.SetTitle(path, titleKind);
    return true;
}

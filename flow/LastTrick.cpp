// "Letzten Stich": the last trick during play, the whole course of the game after it; the seat
// labels at the start of a game; deleting a file, and the trace log at a new game or match.
#include "flow/MainFrame.h"

#include "model/GameState.h"
#include "model/Player.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/FileIo.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"
#include "flow/ShellServices.h"
#include "tavlo/Tavlo.h"

#include <algorithm>

namespace {
constexpr int kCourseLength = 10;  // cards each seat plays in a whole game

// The labels "Vh", "Mh", "Hh" from the given seat on.
void LabelSeatsFrom(CMainFrame& frame, int first) {
    frame.MovePosText(first % 3, IDS_LABEL_FOREHAND, nullptr, nullptr);
    frame.MovePosText((first + 1) % 3, IDS_LABEL_MIDDLEHAND, nullptr, nullptr);
    frame.MovePosText((first + 2) % 3, IDS_LABEL_REARHAND, nullptr, nullptr);
}
}  // namespace

// A game that ended early (given up, or a lost Null) has seats with cards still in hand: they go
// to the end of the seats' course rows, one card per seat and pass, so that each row holds ten.
static void CompleteCourse(CSkat& game) {
    if (game.courseRows[0].count >= kCourseLength) return;
    // 1. The shortest row sets the number of whole tricks; an interrupted trick is led again by
    //    its leader.
    int shortest = kCourseLength;
    for (const CTrick& row : game.courseRows) shortest = std::min(shortest, row.count);
    if (g_Game.CourseTricks == kCourseLength) {
        g_Game.CourseTricks = shortest;
        g_Game.PreviousForehand = g_Game.Forehand;
        g_Game.TurnSeat = g_Game.Forehand;
        g_Game.TrickWinner = g_Game.Forehand;
    }
    // 2. The first pass fills up the seats that had not played to the interrupted trick; from
    //    the second on every seat gives one card.
    int bound = shortest;
    for (int pass = g_Game.CourseTricks; pass < kCourseLength; ++pass) {
        for (int seat = 0; seat < 3; ++seat) {
            CTrick& row = game.courseRows[seat];
            if (row.count > bound || row.IsComplete()) continue;
            CPlayer& player = *game.Player(seat);
            const int card = player.FindFirstHeldCard();
            // A card already in the course was booked without leaving the hand: never show it twice.
            if (card < 0 || row.HasCard(card)) continue;
            player.Discard(card);
            row.AddCard(card);
        }
        bound = kCourseLength;
    }
}

void CMainFrame::OnLast() {
    EditTrickPlay().LastTrickAvailable = 1;
    const bool inPlay = g_Game.FlowState == STATE_PLAY;
    if (!TrickPlay().CourseShown) {
        WriteTrace(":OnLast(trick)", LOG_MAINFRAME);
        SetPause(0);
        EditTrickPlay().CourseShown = 1;
        if (inPlay) {
            // The last trick lies where the skat lay; the skat's cards stay in the game object.
            EditGameObject().RemoveCards(false);
            EditGameObject().lastTrick.PaintCards();
            return;
        }
        // After the game: the seat labels make room for the course.
        for (int seat = 0; seat < 3; ++seat) RemoveText(seat, IDS_WIDEST_NAME);
        CompleteCourse(EditGameObject());
        MoveExtraText(0, IDS_NOTICE_RAMSCH, 0, nullptr, nullptr);
        WriteTrace("CCards::PaintCards(course)", LOG_GAME);
        EditGameObject().courseSkat.PaintCards();
        for (CTrick& row : EditGameObject().courseRows) row.PaintCards();
        platform::Rect all = ClientRect();
        ShowImages(all, nullptr);
        MoveCourseText(1);
    } else {
        WriteTrace(":OnLast(remove)", LOG_MAINFRAME);
        SetPause(1);
        EditTrickPlay().CourseShown = 0;
        if (inPlay) {
            if (GameObject().LastTrick().count > 0) EditGameObject().lastTrick.RemoveCards(false);
            EditGameObject().PaintCards();
        } else {
            if (WB_IsBalloonShown(g_Frame.hTableWnd, 5)) WB_RemoveBalloon(g_Frame.hTableWnd, 5);
            MoveCourseText(0);
            WriteTrace("CCards::RemoveCards(course)", LOG_GAME);
            EditGameObject().courseSkat.RemoveCards(false);
            for (CTrick& row : EditGameObject().courseRows) row.RemoveCards(false);
            LabelSeatsFrom(*this, g_Game.Forehand);
            if (g_Game.KontraState != KONTRA_NONE) {
                MovePosText(g_Game.KontraSeat, IDS_MARK_KONTRA, nullptr, nullptr);
                if (g_Game.KontraState == KONTRA_REKONTRA) MovePosText(g_Game.Soloist, IDS_MARK_REKONTRA, nullptr, nullptr);
            }
            if (View) View->Invalidate();
        }
    }
    // Both ways: the round notice of the variant rules.
    if (g_Game.RoundStatus != ROUND_NORMAL && g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Extra != 0)
        MoveExtraText(g_Game.RoundStatus == ROUND_BOCK ? IDS_NOTICE_BOCK : IDS_NOTICE_RAMSCH, 0, 0, nullptr, nullptr);
}

void CMainFrame::AnnounceSeats() {
    // The course on the table keeps its own layout; the labels come back when it is removed.
    if (TrickPlay().CourseShown && TrickPlay().LastTrickAvailable != 0) return;
    g_Game.Forehand = g_Game.Leader;
    LabelSeatsFrom(*this, g_Game.Leader);
}

void CMainFrame::DeleteFile(const std::string& path, bool silent) {
    // 1. No reminder while the question is open.
    const int pause = g_Game.PauseLevel;
    g_Game.PauseLevel = 0;
    // 2. Unless silent, the person confirms the delete; a no changes nothing.
    if (!silent && MessageBox(Handle(), platform::LoadString(IDS_QUERY_DELETE_FILE), {path}, platform::LoadString(IDS_PRODUCT_NAME),
                              platform::MB_YESNO | platform::MB_ICONQUESTION) != IDYES) {
        SetPause(pause);
        return;
    }
    // 3. A file that cannot be deleted stays; that is no reason to stop the game.
    (void)platform::RemoveFile(path);
    // 4. The pause is as before.
    SetPause(pause);
}

void CMainFrame::LogDeleteOn(int event) {
    const std::optional<std::string> path =
        g_FrameShell.LogFileToDelete ? g_FrameShell.LogFileToDelete(event) : std::nullopt;
    if (!path) return;
    DeleteFile(*path, true);
    if (g_FrameShell.ForgetLogText) g_FrameShell.ForgetLogText();
    // The open log window sizes its bars to the empty text.
    if (HWND log = SideWindow(CM_LOG_WINDOW)) ::SendMessage(log, WM_SIZE, 0, 0);
}

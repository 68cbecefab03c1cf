// "Letzten Stich": the last trick during play, the whole course of the game after it; the seat
// labels at the start of a game; deleting a file, and the trace log at a new game or match.
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"

#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
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

// The labels "Vh", "Mh", "Hh" from the given seat on.
void LabelSeatsFrom(CMainFrame& frame, int first) {
    frame.FrameTable().MovePosText(first % 3, IDS_LABEL_FOREHAND, nullptr, nullptr);
    frame.FrameTable().MovePosText((first + 1) % 3, IDS_LABEL_MIDDLEHAND, nullptr, nullptr);
    frame.FrameTable().MovePosText((first + 2) % 3, IDS_LABEL_REARHAND, nullptr, nullptr);
}
}  // namespace

void CTrickPlay::OnLast() {
    trickPlay_.LastTrickAvailable = 1;
    const bool inPlay = g_Game.FlowState == STATE_PLAY;
    if (!trickPlay_.CourseShown) {
        WriteTrace(":OnLast(trick)", LOG_MAINFRAME);
        frame_.SetPause(0);
        trickPlay_.CourseShown = 1;
        if (inPlay) {
            // The last trick lies where the skat lay; the skat's cards stay in the game object.
            game_.ShowLastTrickInSkatsPlace();
            return;
        }
        // After the game: the seat labels make room for the course.
        for (int seat = 0; seat < 3; ++seat) frame_.FrameTable().RemoveText(seat, IDS_WIDEST_NAME);
        game_.CompleteCourse();
        frame_.FrameTable().MoveExtraText(0, IDS_NOTICE_RAMSCH, 0, nullptr, nullptr);
        WriteTrace("CCards::PaintCards(course)", LOG_GAME);
        game_.PaintCourse();
        platform::Rect all = frame_.ClientRect();
        frame_.FrameTable().ShowImages(all, nullptr);
        frame_.FrameTable().MoveCourseText(1);
    } else {
        WriteTrace(":OnLast(remove)", LOG_MAINFRAME);
        frame_.SetPause(1);
        trickPlay_.CourseShown = 0;
        if (inPlay) {
            game_.ShowSkatInItsPlace();
        } else {
            if (WB_IsBalloonShown(g_Frame.hTableWnd, 5)) WB_RemoveBalloon(g_Frame.hTableWnd, 5);
            frame_.FrameTable().MoveCourseText(0);
            WriteTrace("CCards::RemoveCards(course)", LOG_GAME);
            game_.RemoveCourse(false);
            LabelSeatsFrom(frame_, g_Game.Forehand);
            if (g_Game.KontraState != KONTRA_NONE) {
                frame_.FrameTable().MovePosText(g_Game.KontraSeat, IDS_MARK_KONTRA, nullptr, nullptr);
                if (g_Game.KontraState == KONTRA_REKONTRA) frame_.FrameTable().MovePosText(g_Game.Soloist, IDS_MARK_REKONTRA, nullptr, nullptr);
            }
            if (frame_.GetView()) frame_.GetView()->Invalidate();
        }
    }
    // Both ways: the round notice of the variant rules.
    if (g_Game.RoundStatus != ROUND_NORMAL && g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Extra != 0)
        frame_.FrameTable().MoveExtraText(g_Game.RoundStatus == ROUND_BOCK ? IDS_NOTICE_BOCK : IDS_NOTICE_RAMSCH, 0, 0, nullptr, nullptr);
}

void CTrickPlay::AnnounceSeats() {
    // The course on the table keeps its own layout; the labels come back when it is removed.
    if (trickPlay_.CourseShown && trickPlay_.LastTrickAvailable != 0) return;
    g_Game.Forehand = g_Game.Leader;
    LabelSeatsFrom(frame_, g_Game.Leader);
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
    if (HWND log = FramePanels().SideWindow(CM_LOG_WINDOW)) ::SendMessage(log, WM_SIZE, 0, 0);
}

void CTrickPlay::CourseGone(bool firstTrick) {
    trickPlay_.CourseShown = 0;
    if (firstTrick) trickPlay_.PlayStep = 3;
}

bool CTrickPlay::UpdateCourseCommand(int flowState) {
    trickPlay_.CourseRequested = (g_Game.GameEndFlags & 8) ? 1 : 0;
    bool enabled = false;
    if (!((flowState == STATE_IDLE || flowState == STATE_NEW) && !trickPlay_.CourseRequested)) {
        const int course = frame_.GameObject().CourseRow(0).count;
        enabled = frame_.GameObject().LastTrick().count > 0 || course == 10 ||
                  (course >= 1 && course <= 9 && trickPlay_.CourseRequested);
    }
    trickPlay_.CourseAvailable = enabled ? 1 : 0;
    return enabled;
}

// The manipulation marks: the one routine that changes CheatMask, shows the mark's message in the
// status bar and spells the mask out in the trace. CheatPending (the marks of the previous game)
// is the profile's Game/Cond; CheatDirty is the game record's CheatMaskChanged.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FramePanels.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"

#include "model/FlowGlobals.h"
#include "match/Profile.h"
#include "model/GameState.h"
#include "model/Trace.h"
#include "platform/core/CommandState.h"
#include "platform/core/Resources.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"

namespace {

// The trace words of the marks in the order of their bits; 256 and 512 share one word.
std::string CheatWords(int mask) {
    if (mask == 0) return "HONEST";
    static const struct {
        int bits;
        const char* word;
    } kWords[] = {{1, "ABORTED"}, {2, "RECOVERED"}, {4, "REPEATED"}, {8, "SWAPPED"}, {16, "FACEUP"},
                  {32, "DEALT"},  {64, "UNDONE"},   {128, "LOADED"}, {256 | 512, "UNCOVERED"}};
    std::string words;
    for (const auto& entry : kWords) {
        if ((mask & entry.bits) == 0) continue;
        if (!words.empty()) words += ':';
        words += entry.word;
    }
    return words;
}

// The message of the lowest mark held (a game loaded at start-up names what bent it).
int LowestMarkMessage(int mask) {
    if (g_Game.AllCardsOpen) return IDS_CHEATED_FACEUP;
    if (mask & 1) return IDS_CHEATED_ABORTED;
    if (mask & 2) return IDS_CHEATED_RECOVERED;
    if (mask & 4) return IDS_CHEATED_REPEATED;
    if (mask & 8) return IDS_CHEATED_SWAPPED;
    if (mask & 64) return IDS_CHEATED_UNDONE;
    return IDS_CHEATED_FACEUP;
}

// One call's change of the marks: the mask and the marks of the previous game (written through),
// the mask before the mark, and what the mark asks for.
struct MarkChange {
    int& mask;
    int& pending;
    int m0;
    bool openCards;
    int message = 0;
    bool repaint = false;
};

// Step 1: UNCOVERED is taken back when neither side window is in use, or both show the person.
void TakeBackUncovered(CMainFrame& frame, MarkChange& c, int& code) {
    if (!(code == 256 || (c.mask & 256))) return;
    const auto unused = [&frame](int id) {
        platform::CommandState state(id);
        frame.UpdateCommand(state);
        return state.Enabled() && state.Check().value_or(0) == 0;
    };
    const bool personOnly = (g_Flow.ShownSeats & 0x0F) == 2 && ((g_Flow.ShownSeats >> 4) & 0x0F) == 2;
    if ((unused(ID_LIST_STATE) && unused(ID_LIST_TRICK_ESTIMATION)) || personOnly) {
        if (g_Game.FlowState != STATE_PLAY) {
            c.mask &= ~256;
            c.m0 = c.mask;
            if (code == 256) code = -1;
        }
        frame.FrameTimers().AskFullRepaint();
        c.repaint = true;
    }
}

// Mark 0, a game begun: only FACEUP stays, and UNCOVERED while the status window shows another
// seat; the marks held pass to the next game.
void ClearMarks(CMainFrame& frame, MarkChange& c) {
    c.mask = c.openCards ? 16 : 0;
    if (!frame.FramePanels().GameStatusWindowOpen()) frame.FramePanels().ForgetStateWindowUse();
    else if (frame.Panels().StateWindowUsed && (g_Flow.ShownSeats & 0x0F) != 2) c.mask |= 256;
    if (c.m0 != 0) {
        c.pending = c.m0;
        c.repaint = true;
    }
}

void MarkAborted(MarkChange& c) {
    c.mask |= 1;
    if (c.m0 == 0) c.repaint = true;
    c.message = IDS_CHEATED_ABORTED;
}

// A game recovered takes the marks of the game it left.
void MarkRecovered(MarkChange& c) {
    c.mask |= c.pending | 2;
    c.pending = c.openCards ? 16 : 0;
    if (c.mask & 16) c.mask |= 32;
    c.mask &= ~4;
    if (c.m0 == 0) c.repaint = true;
    g_Flow.LoadMarkPending = 1;
    c.message = IDS_CHEATED_RECOVERED;
}

// A game repeated; the first repeat after a recovered game that was aborted is the recovery's own.
void MarkRepeated(MarkChange& c) {
    if (c.mask & 16) c.mask |= 32;
    if (c.mask & 1) {
        if (g_Flow.LoadMarkPending) {
            g_Flow.LoadMarkPending = 0;
        } else {
            c.mask |= 4;
            c.message = IDS_CHEATED_REPEATED;
        }
    } else {
        c.mask |= 4;
        c.repaint = true;
        c.message = IDS_CHEATED_REPEATED;
        c.pending = 0;
    }
}

void MarkSwapped(CMainFrame& frame, MarkChange& c) {
    c.mask |= 8;
    if (c.m0 == 0) {
        frame.FrameTimers().AskFullRepaint();
        c.repaint = true;
    }
    c.message = IDS_CHEATED_SWAPPED;
}

// The cards laid open or closed in flow state `state`: DEALT follows FACEUP during a game.
void MarkFaceUp(MarkChange& c, int state) {
    const bool betweenGames = state == STATE_IDLE || state == STATE_NEW;
    if (c.openCards) {
        c.mask |= 16;
        if (!betweenGames) c.mask |= 32;
        c.message = IDS_CHEATED_FACEUP;
    } else {
        if (state != STATE_PLAY) c.mask &= ~16;
        if (betweenGames) c.mask &= ~32;
    }
    c.repaint = true;
}

// A deal: the marks pending from before join the mask, unless the load's mark is all there is.
void MarkDealt(MarkChange& c) {
    if (c.m0 == 0) c.pending = 0;
    if (c.pending != 128) c.mask |= c.pending;
    if (c.mask & 16) c.mask |= 32;
    if (!(c.mask & 2) && !c.openCards) c.mask &= ~16;
    if (c.m0 == 0) {
        if (c.mask != 0) c.repaint = true;
    } else {
        c.message = c.openCards ? IDS_CHEATED_FACEUP : IDS_CHEATED_ABORTED;
    }
}

void MarkUndone(MarkChange& c) {
    c.mask |= 64;
    if (c.m0 == 0) c.repaint = true;
    c.message = IDS_CHEATED_UNDONE;
}

void MarkLoaded(MarkChange& c) {
    if (c.m0 != 0) c.message = LowestMarkMessage(c.m0);
    c.pending |= 128;
}

// 256 and 512: cards the person does not hold shown to him (a side window, a suggestion).
void MarkUncovered(CMainFrame& frame, MarkChange& c, int code) {
    c.mask |= code;
    if (c.m0 == 0) {
        frame.FrameTimers().AskFullRepaint();
        c.repaint = true;
        c.message = IDS_CHEATED_UNCOVERED;
    }
}

// Step 2: the mark itself.
void ApplyMark(CMainFrame& frame, MarkChange& c, int code, int arg) {
    switch (code) {
        case 0: ClearMarks(frame, c); break;
        case 1: MarkAborted(c); break;
        case 2: MarkRecovered(c); break;
        case 4: MarkRepeated(c); break;
        case 8: MarkSwapped(frame, c); break;
        case 16: MarkFaceUp(c, arg); break;
        case 32: MarkDealt(c); break;
        case 64: MarkUndone(c); break;
        case 128: MarkLoaded(c); break;
        case 256:
        case 512: MarkUncovered(frame, c, code); break;
        default: break;
    }
}

}  // namespace

void CCardExchange::CheckCheat(int code, int arg) {
    const int entryMask = g_Game.CheatMask;
    MarkChange change{g_Game.CheatMask, g_Profile.Cond, g_Game.CheatMask, false};
    frame_.FrameTexts().ClearCheatText();

    TakeBackUncovered(frame_, change, code);
    change.openCards = g_Game.AllCardsOpen != 0;
    ApplyMark(frame_, change, code, arg);
    if (change.mask != entryMask) g_Game.CheatMaskChanged = 1;
    // The table's colour changes with the marks: all of it.
    if (change.repaint) {
        frame_.Invalidate();
        frame_.InvalidateTable();
    }

    // Step 3: the legend shows the marks.
    if (g_Game.CheatMaskChanged) {
        RepaintLegend();
        g_Game.CheatMaskChanged = 0;
    }

    // Step 4: the message of the mark in pane 0.
    if (change.message != 0) {
        frame_.FrameTexts().SetCheatText(platform::LoadString(change.message));
        frame_.FrameTimers().RotateFrom(2);
        frame_.SetStatusPane(0, frame_.Texts().CheatText);
    }

    // Step 5: the marks in the trace.
    WriteTrace(":CheckCheat(" + CheatWords(change.mask) + ")", LOG_MAINFRAME);
}

// Until the legend window is built its repaint is only traced.
void CCardExchange::RepaintLegend() { WriteTrace(":RepaintLegend()", LOG_MAINFRAME); }

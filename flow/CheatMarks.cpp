// The manipulation marks: the one routine that changes CheatMask, shows the mark's message in the
// status bar and spells the mask out in the trace. CheatPending (the marks of the previous game)
// is the profile's Game/Cond; CheatDirty is the game record's CheatMaskChanged.
#include "flow/MainFrame.h"

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

}  // namespace

void CMainFrame::CheckCheat(int code, int arg) {
    int& mask = g_Game.CheatMask;
    int& pending = g_Profile.Cond;
    const int entryMask = mask;
    int m0 = mask;
    int message = 0;
    bool repaint = false;
    EditTexts().CheatText.clear();

    // Step 1: UNCOVERED is taken back when neither side window is in use, or both show the person.
    if (code == 256 || (mask & 256)) {
        const auto unused = [this](int id) {
            platform::CommandState state(id);
            UpdateCommand(state);
            return state.Enabled() && state.Check().value_or(0) == 0;
        };
        const bool personOnly = (g_Flow.ShownSeats & 0x0F) == 2 && ((g_Flow.ShownSeats >> 4) & 0x0F) == 2;
        if ((unused(ID_LIST_STATE) && unused(ID_LIST_TRICK_ESTIMATION)) || personOnly) {
            if (g_Game.FlowState != STATE_PLAY) {
                mask &= ~256;
                m0 = mask;
                if (code == 256) code = -1;
            }
            EditTimers().FullRepaint = 1;
            repaint = true;
        }
    }

    // Step 2: the mark itself.
    const bool openCards = g_Game.AllCardsOpen != 0;
    switch (code) {
        case 0:
            mask = openCards ? 16 : 0;
            if (!GameStatusWindowOpen()) EditPanels().StateWindowUsed = 0;
            else if (Panels().StateWindowUsed && (g_Flow.ShownSeats & 0x0F) != 2) mask |= 256;
            if (m0 != 0) {
                pending = m0;
                repaint = true;
            }
            break;
        case 1:
            mask |= 1;
            if (m0 == 0) repaint = true;
            message = IDS_CHEATED_ABORTED;
            break;
        case 2:
            mask |= pending | 2;
            pending = openCards ? 16 : 0;
            if (mask & 16) mask |= 32;
            mask &= ~4;
            if (m0 == 0) repaint = true;
            g_Flow.LoadMarkPending = 1;
            message = IDS_CHEATED_RECOVERED;
            break;
        case 4:
            if (mask & 16) mask |= 32;
            if (mask & 1) {
                if (g_Flow.LoadMarkPending) {
                    g_Flow.LoadMarkPending = 0;
                } else {
                    mask |= 4;
                    message = IDS_CHEATED_REPEATED;
                }
            } else {
                mask |= 4;
                repaint = true;
                message = IDS_CHEATED_REPEATED;
                pending = 0;
            }
            break;
        case 8:
            mask |= 8;
            if (m0 == 0) {
                EditTimers().FullRepaint = 1;
                repaint = true;
            }
            message = IDS_CHEATED_SWAPPED;
            break;
        case 16: {
            const bool betweenGames = arg == STATE_IDLE || arg == STATE_NEW;
            if (openCards) {
                mask |= 16;
                if (!betweenGames) mask |= 32;
                message = IDS_CHEATED_FACEUP;
            } else {
                if (arg != STATE_PLAY) mask &= ~16;
                if (betweenGames) mask &= ~32;
            }
            repaint = true;
            break;
        }
        case 32:
            if (m0 == 0) pending = 0;
            if (pending != 128) mask |= pending;
            if (mask & 16) mask |= 32;
            if (!(mask & 2) && !openCards) mask &= ~16;
            if (m0 == 0) {
                if (mask != 0) repaint = true;
            } else {
                message = openCards ? IDS_CHEATED_FACEUP : IDS_CHEATED_ABORTED;
            }
            break;
        case 64:
            mask |= 64;
            if (m0 == 0) repaint = true;
            message = IDS_CHEATED_UNDONE;
            break;
        case 128:
            if (m0 != 0) message = LowestMarkMessage(m0);
            pending |= 128;
            break;
        case 256:
        case 512:
            mask |= code;
            if (m0 == 0) {
                EditTimers().FullRepaint = 1;
                repaint = true;
                message = IDS_CHEATED_UNCOVERED;
            }
            break;
        default:
            break;
    }
    if (mask != entryMask) g_Game.CheatMaskChanged = 1;
    // The table's colour changes with the marks: all of it.
    if (repaint) {
        Invalidate();
        InvalidateTable();
    }

    // Step 3: the legend shows the marks.
    if (g_Game.CheatMaskChanged) {
        RepaintLegend();
        g_Game.CheatMaskChanged = 0;
    }

    // Step 4: the message of the mark in pane 0.
    if (message != 0) {
        EditTexts().CheatText = platform::LoadString(message);
        EditTimers().StatusRotationIndex = 2;
        SetStatusPane(0, Texts().CheatText);
    }

    // Step 5.
    WriteTrace(":CheckCheat(" + CheatWords(mask) + ")", LOG_MAINFRAME);
}

// Until the legend window is built its repaint is only traced.
void CMainFrame::RepaintLegend() { WriteTrace(":RepaintLegend()", LOG_MAINFRAME); }

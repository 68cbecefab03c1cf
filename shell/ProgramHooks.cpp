#include "shell/ProgramHooks.h"

#include "computer/evaluation/FrameServices.h"
#include "flow/MainFrame.h"
#include "model/GameState.h"
#include "model/TableServices.h"
#include "model/Trace.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"

void InstallProgramHooks() {
    // Trace lines reach the application object that is current when they are written.
    SetTraceSink({[] { return g_pApp != nullptr; },
                  [](const std::string& text, unsigned flags) { g_pApp->WriteLog(text, flags); }});

    // The card rows lie on the view's window and ask the main frame while it exists.
    g_TableServices.TableWindow = [] { return g_Shell.hTableWnd; };
    g_TableServices.SetPause = [](int level) {
        if (g_Shell.pMainFrame) return g_Shell.pMainFrame->SetPause(level);
        const int previous = g_Game.PauseLevel;
        g_Game.PauseLevel = level;
        return previous;
    };
    g_TableServices.DeckPosition = [] {
        return g_Shell.pMainFrame ? g_Shell.pMainFrame->TrickCentre : platform::Point{};
    };
    g_TableServices.PrintOffset = [](platform::DeviceContext* printer) {
        return g_Shell.pMainFrame ? g_Shell.pMainFrame->PrintOffset(printer) : platform::Point{};
    };
    g_TableServices.SelectionSound = [] {
        if (g_Shell.pMainFrame) g_Shell.pMainFrame->SoundEffect(6, false);
    };
    g_TableServices.ZoomExtra = [] { return platform::Point{g_Shell.ZoomExtraWidth, g_Shell.ZoomExtraHeight}; };

    // A computer's lay-away glides on the table like the person's exchange.
    g_ComputerFrame.SwapCards = [](int card, CCards& row, int otherCard, CCards& otherRow) {
        if (g_Shell.pMainFrame) g_Shell.pMainFrame->SwapCards(card, row, otherCard, otherRow, false);
    };
}

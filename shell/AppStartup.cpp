// The application's start-up: trace, frame and view, settings, fonts and pens, then the frame is
// shown; its first erase brings the table to life.
#include "model/Skat.h"
#include "shell/SkatApp.h"

#include "computer/evaluation/FrameServices.h"
#include "flow/MainFrame.h"
#include "flow/FileState.h"
#include "flow/FrameSettings.h"
#include "flow/TableState.h"
#include "match/Profile.h"
#include "model/Settings.h"
#include "platform/core/Clock.h"
#include "platform/core/Dialog.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/FileIo.h"
#include "platform/core/HeapPolicy.h"
#include "platform/core/Menu.h"
#include "platform/core/Folders.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/core/TextFormat.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "shell/ProgramHooks.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatDoc.h"
#include "shell/SkatView.h"

CShellGlobals g_Shell;

namespace {

struct FontSpec {
    const char* face;
    int height, width, weight;
    bool italic;
    int escapement;
};

// The application fonts 0 to 14.
constexpr FontSpec kFonts[15] = {
    {"Arial", 32, 0, 700, true, 0},        {"Arial", 20, 0, 700, false, 0},
    {"Arial", 20, 6, 700, false, 0},       {"Courier New", 16, 0, 700, false, 0},
    {"Arial", 17, 0, 700, false, 0},       {"Arial", 16, 6, 700, false, 0},
    {"Arial", 12, 0, 700, false, 0},       {"Arial", 16, 5, 0, false, 0},
    {"Arial", 14, 0, 700, false, 0},       {"Arial", 14, 0, 700, false, 900},
    {"Arial", 14, 0, 100, false, 0},       {"Arial", 12, 0, 100, false, 0},
    {"Arial", 12, 0, 700, false, 0},       {"Arial", 12, 4, 700, false, 0},
    {"Courier New", 12, 0, 700, false, 0},
};

}  // namespace

// Every program and set-up that makes an application object has the lower layers connected.
CSkatApp::CSkatApp() { InstallProgramHooks(); }

CSkatApp::~CSkatApp() { ExitInstance(); }

void CSkatApp::ExitInstance() {
    // The computer player reads the trick through the frame's game object only while it exists.
    if (Frame && g_ComputerFrame.Game == &Frame->GameObject()) g_ComputerFrame.Game = nullptr;
    TableView.reset();
    // A frame that goes without its close takes its hooks down first: no hook reaches it afterwards.
    if (Frame) DisconnectFrameHooks(*Frame);
    Frame.reset();
    Document.reset();
    if (g_pApp == this) g_pApp = nullptr;
}

void CSkatApp::CreateFontsAndPens() {
    ThickPen = {platform::PenStyle::Solid, 3, {}};
    ThinPen = {platform::PenStyle::Solid, 1, {}};
    for (std::size_t i = 0; i < Fonts.size(); ++i) {
        const FontSpec& entry = kFonts[i];
        platform::LogFont font;
        font.face = entry.face;
        font.height = entry.height;
        font.width = entry.width;
        font.weight = entry.weight;
        font.italic = entry.italic;
        font.escapement = entry.escapement;
        const bool arial = font.face == "Arial";
        font.outPrecision = arial ? 3 : 0;
        font.clipPrecision = arial ? 2 : 0;
        font.quality = arial ? 1 : 0;
        font.pitchAndFamily = arial ? 0x22 : 0x21;
        Fonts[i] = font;
    }
}

bool CSkatApp::InitInstance(const std::string& commandLine) {
    CommandLine = commandLine;
    // The stored deals and the match list grow through a whole match: their blocks stay off the heap.
    platform::KeepLargeBlocksOutOfTheHeap();
    // Step 1: the German edition writes dates the German way.
    const char* format = platform::LoadString(IDS_OTHER_LANGUAGE) == "en" ? "%d.%m.%Y %H:%M" : "%Y-%m-%d %H:%M";
    StartTime = platform::FormatLocalTime(format, Time64());

    // Step 3: HKEY_CURRENT_USER\Software\Kartovan+\skat.
    const std::string product = platform::LoadString(IDS_PRODUCT_NAME);
    platform::SetRegistryKey(product, platform::LoadString(IDS_APP_TITLE));

    // Step 4: the log lies in the desktop folder of the settings, a per-user folder by default.
    LogFilePath = GetProfileString("Paths", "Desk", platform::DesktopFolder()) + product + ".log";

    // Step 5: the log's switches and levels from the settings.
    Log = GetProfileInt("View", "Log", 0);
    LogDelete = GetProfileInt("View", "LogDelete", 3);
    LogLevel = GetProfileInt("View", "LogLevel", 15);
    LogLevelV = GetProfileInt("View", "LogLevelV", 0);
    LogList = GetProfileInt("View", "LogList", 1);
    LogTextLength = 0;
    g_pApp = this;

    // Step 6: a log set to start afresh each time is deleted.
    if (LogDelete == 1) (void)platform::RemoveFile(LogFilePath);

    // Steps 7 and 8: the log's first lines, the start time and the product with its version.
    WriteLog(platform::FormatText(platform::LoadString(IDS_TRACE_PROGRAM), {StartTime}), LOG_FORCED);
    std::string line = "CSkatApp::InitInstance(";
    line += product;
    line += " ";
    line += platform::LoadString(IDS_VERSION);
    line += ")";
    WriteLog(line, LOG_MAINFRAME);

    // Steps 9 and 10: document, frame and view; the frame stays hidden until the settings and the
    // fonts are there, so that its first erase finds them.
    Document = std::make_unique<CSkatDoc>();
    Frame = std::make_unique<CMainFrame>();
    g_ComputerFrame.Game = &Frame->GameObject();
    platform::CreateParams frameParams;
    frameParams.kind = platform::WindowKind::Overlapped;
    frameParams.rect = {0, 0, 1024, 768};
    frameParams.title = product;
    if (!Frame->Create(frameParams)) {
        Frame.reset();
        return false;
    }
    TableView = std::make_unique<CSkatView>();
    if (!TableView->CreateView(*Frame)) {
        Frame.reset();
        TableView.reset();
        return false;
    }

    // Steps 11 and 12: the main window owns the others; its help file and the program's name are known.
    g_Shell.hSharedMainWnd = Frame->Handle();
    // The main window owns every window made without one: the prompt bars above the table, the
    // message dialogs.
    platform::Dialog::SetDefaultOwner(Frame->Handle());
    g_Shell.HelpFile = Frame->Files().HelpFilePath;
    AppName = product;

    // Step 13: every setting into its global. The profile's reader takes over here when it comes.
    ReadProfile();
    // The menu shows the switches and the open windows as the settings have them.
    if (Frame->Table().MainMenu)
        for (const ProfileMenuCheck& check : ProfileMenuChecks())
            Frame->Table().MainMenu->CheckItem(check.Command, check.Checked);
    // The seats carry the names of the profile from the start: the table's labels, the panels and
    // the score sheet show them before the first game.
    Frame->FrameSettings().NameSeatsOnTable();
    // The help page that was open at the last exit opens again.
    if (const std::string page = HelpTopicPage(g_Profile.HelpTopic); !page.empty())
        platform::ShowHelpTopic(TableView->Handle(), g_Shell.HelpFile + page);

    // Step 14: the fonts and pens of the table.
    CreateFontsAndPens();

    // Step 15: the main window shows.
    Frame->ShowWindow(SW_SHOW);

    // Step 16: a file named on the command line opens once the window is up.
    if (!CommandLine.empty()) {
        Frame->PostMessage(WM_COMMAND, CM_CONSOLE);
        WriteLog("PostMessage(CM_CONSOLE)\r\n", LOG_MAINFRAME);
    }
    return true;
}

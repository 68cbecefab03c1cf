// The file commands of the game and match menus: load, save and delete a game or a match through
// the file dialogs, whose folders are the storage folders of the work folder.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/GiveUp.h"
#include "flow/MatchFiles.h"

#include "match/GameList.h"
#include "match/Profile.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/FileDialog.h"
#include "platform/core/FileIo.h"
#include "platform/core/Folders.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

bool IsGameKind(int kind) { return kind == 1 || kind == 2 || kind == 0x10000; }

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The extension of the last path part, without the dot; empty when it has none.
std::string ExtensionOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return path.substr(dot + 1);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool CMatchFiles::SelectFile(int kind, std::string& path) {
    const bool game = IsGameKind(kind);
    int title = IDS_TITLE_DELETE_MATCH;
    switch (kind) {
        case 1: title = IDS_TITLE_LOAD_GAME; break;
        case 2: title = IDS_TITLE_SAVE_GAME; break;
        case 0x10000: title = IDS_TITLE_DELETE_GAME; break;
        case 4: title = IDS_TITLE_LOAD_MATCH; break;
        case 5: title = IDS_TITLE_SAVE_MATCH; break;
        default: break;
    }
    const std::string extension = platform::LoadString(game ? IDS_EXTENSION_GAME : IDS_EXTENSION_MATCH);
    // The start folder: the last one of this kind, else the storage folder of games or matches.
    std::string folder = files_.SelectFolders[kind];
    if (folder.empty()) {
        folder = g_Profile.Work + platform::LoadString(IDS_FOLDER_STORAGE) + "/" +
                 platform::LoadString(game ? IDS_FOLDER_GAMES : IDS_FOLDER_MATCHES) + "/";
        platform::EnsureFolder(folder);
    }
    platform::FileDialogRequest request;
    request.owner = frame_.Handle();
    request.save = kind == 2 || kind == 5;
    request.title = platform::LoadString(title);
    // The delete dialogs pick the file to delete: their button says so, not "Open".
    if (title == IDS_TITLE_DELETE_GAME || title == IDS_TITLE_DELETE_MATCH)
        request.acceptLabel = platform::LoadString(IDS_BUTTON_DELETE);
    request.folder = folder;
    request.defaultExtension = extension;
    request.filters = {{platform::LoadString(game ? IDS_FILTER_GAMES : IDS_FILTER_MATCHES), "*." + extension}};
    // The dialog runs with the game paused; it comes again while another extension is typed.
    const int pause = frame_.SetPause(0);
    platform::FileDialogAnswer answer;
    for (;;) {
        answer = platform::RunFileDialog(request);
        if (!answer.accepted || Lower(ExtensionOf(answer.path)) == Lower(extension)) break;
        request.folder = FolderOf(answer.path).empty() ? request.folder : FolderOf(answer.path);
    }
    frame_.SetPause(pause);
    if (!answer.accepted) return false;
    files_.SelectFolders[kind] = FolderOf(answer.path);
    path = answer.path;
    return true;
}

bool CMatchFiles::CheckFileExtension(int kind, std::string& path, const std::string& newName) {
    // A name must be one file's name in the same folder: nothing that leaves the folder, nothing
    // hidden in control characters, and not the name of another file that is there.
    const std::string folder = FolderOf(path);
    const std::string title = path.substr(folder.size());
    const bool control = std::any_of(newName.begin(), newName.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
    const std::string target = folder + newName + (kind == 1 ? ".skm" : ".skt");
    const bool refused = title.empty() || newName.empty() || newName.front() == ' ' || control ||
                         newName.find_first_of("/\\") != std::string::npos || newName == "." || newName == ".." ||
                         (target != path && platform::FileExists(target));
    if (refused) return true;
    path = target;
    frame_.SetTitle(path, kind == 1 ? 1 : 2);
    return false;
}

void CMainFrame::OnLoad() {
    // 1. The play pauses while the person picks a game file; a cancel goes back.
    const int pause = SetPause(0);
    std::string path;
    if (!MatchFiles().SelectFile(1, path)) {
        SetPause(pause);
        return;
    }
    // 2. The table repaints and the game is read; a file that cannot be read changes nothing.
    RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE);
    WriteTrace(":OnLoad()", LOG_MAINFRAME);
    if (!MatchFiles().ReadCards(path, 2)) {
        SetPause(pause);
        return;
    }
    InvalidateTable();
    // 3. The loaded game becomes the current one in the work folder too.
    const std::string loadedNote = Texts().AnnotationText;
    CardExchange().CheckCheat(2, 1);
    SetFlowState(STATE_IDLE);
    MatchFiles().SaveFile(Files().TempGameFile, 0);
    // 4. The note panel shows the loaded game's note.
    FramePanels().RenewAnnotationAfterLoad(loadedNote);
    // 5. A game without tricks is played from its deal; a finished one shows its course.
    if (g_Game.CourseTricks <= 0) {
        GiveUp().OnRepeat();
    } else {
        g_Game.StopFlag = StopState::Running;
        g_Game.GameEndFlags = 8;
        if (!TrickPlay().CourseShown) FrameTrickPlay().OnLast();
    }
    // 6. The pause is as before.
    SetPause(pause);
}

void CMainFrame::OnLoadMatch() {
    // 1. The play pauses; with games played the person is asked first.
    const int pause = SetPause(0);
    if (g_Game.GameCount > 0 &&
        MessageBox(Handle(), platform::LoadString(IDS_QUERY_LOAD_MATCH_NOW), platform::LoadString(IDS_PRODUCT_NAME),
                   platform::MB_YESNO | platform::MB_ICONQUESTION) != IDYES) {
        SetPause(pause);
        return;
    }
    // 2. The person picks the match file; a cancel goes back.
    std::string path;
    if (!MatchFiles().SelectFile(4, path)) {
        SetPause(pause);
        return;
    }
    // 3. The match's statistics start afresh.
    MatchFiles().ResetMatchCardStatistics();
    MatchFiles().ResetMatchGameStatistics();
    // 4. The list and its stored deals, kept as the current match in the work folder.
    MatchFiles().UseMatchFiles(path);
    if (MatchFiles().ReadList(path, 1, true)) {
        MatchFiles().SaveList(Files().TempMatchFile, false);
        MatchFiles().ReadStore(Files().StorePath, 1);
        MatchFiles().SaveStore(Files().TempStoreFile);
        MatchFiles().UseOwnMatchFiles();
        // 5. The cheat marks clear and the loaded match starts.
        CardExchange().CheckCheat(0, 1);
        for (int seat = 0; seat < 3; ++seat) FrameTable().RemoveText(seat, IDS_WIDEST_NAME);
        Startup();
    } else {
        MatchFiles().UseOwnMatchFiles();
    }
    // 6. The pause is as before.
    SetPause(pause);
}

void CMainFrame::OnSaveGame() {
    std::string path;
    if (MatchFiles().SelectFile(2, path)) MatchFiles().SaveFile(path, 2);
}

void CMainFrame::OnSaveStore() {
    std::string path;
    if (!MatchFiles().SelectFile(5, path)) return;
    MatchFiles().SaveList(path, true);
    MatchFiles().SaveStore(path.substr(0, path.size() - 4) + ".sks");
}

void CMainFrame::OnDeleteGame() {
    std::string path;
    if (!MatchFiles().SelectFile(0x10000, path)) return;
    DeleteFile(path, false);
    WriteTrace(":DeleteFile_(" + path + ")", LOG_MAINFRAME);
}

void CMainFrame::OnDeleteMatch() {
    const int pause = SetPause(0);
    std::string path;
    if (MatchFiles().SelectFile(6, path)) {
        DeleteFile(path, false);
        WriteTrace(":DeleteFile_(" + path + ")", LOG_MAINFRAME);
        // The stored deals of that match go with it, unless the list was kept (also when what
        // is at the list's name is no file and could not be deleted as one).
        const std::string deals = path.substr(0, path.size() - 4) + ".sks";
        std::error_code unknown;
        if (std::filesystem::symlink_status(path, unknown).type() == std::filesystem::file_type::not_found) {
            DeleteFile(deals, true);
            WriteTrace(":DeleteFile_(" + deals + ")", LOG_MAINFRAME);
        }
    }
    SetPause(pause);
}

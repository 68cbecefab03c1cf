#pragma once
// CFrameSettings: the frame's settings commands. Each runs its settings dialog with the game
// paused and carries out what the new settings ask of the table, the players and the files. It
// keeps no record of its own: what a setting changes in another part it asks of that part.

#include <string>

class CMainFrame;
class CSkat;

class CFrameSettings {
public:
    CFrameSettings(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}
    CFrameSettings(const CFrameSettings&) = delete;
    CFrameSettings& operator=(const CFrameSettings&) = delete;

    // --- Settings and renames of the match and game menus (flow/SettingsRename.cpp) --------------
    void OnSettings();
    void OnRenameGame();
    void OnRenameSeries();

    // --- Settings dialogs of the Options and Variations menus (flow/SettingsCommands.cpp) --------
    // The match-end dialog of a loaded match that has reached its end.
    void OpenTerminationDialog();
    void OnRiskDisposition();
    void OnLogging();
    void OnSortDialog();
    void OnRamschEvalMode();
    void OnTermination();

    // --- The settings dialogs of the look, the players, the rules (flow/SettingsDialogs.cpp) -----
    void OnCardBack();
    void OnCardFace();
    void OnDelay();
    void OnImages();
    void OnConfiguration();
    void OnNames();
    // The profile's seat names on the table's card rows: at the start and after a rename.
    void NameSeatsOnTable();

    // --- The folder commands (flow/FolderCommands.cpp) -------------------------------------------
    void OpenWorkFolder(const std::string& name);
    void OnSoundsFolder();
    void OnVoicesFolder();
    void OnStorageFolder();

private:
    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
};

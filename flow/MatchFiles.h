#pragma once
// CMatchFiles: the program's files as the frame keeps them, the match list, the stored deals, the
// statistics and the game file. It owns the files record (flow/FileState.h) and is the only writer
// of it; the frame owns one and hands it to the steps that read, write or name a file. The files a
// game end adds to share one write step, which keeps the one-writer rule and the in-place write.

#include "flow/FileState.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {
struct FileStamp;
struct FileStep;
}

class CMainFrame;
class CSkat;
struct GameFileRecord;
struct ListSettings;
struct SeenFile;

class CMatchFiles {
public:
    CMatchFiles(CMainFrame& frame, CSkat& game);
    CMatchFiles(const CMatchFiles&) = delete;
    CMatchFiles& operator=(const CMatchFiles&) = delete;

    // The record, for reading; the frame's Files() gives the same.
    const FileState& Record() const { return files_; }

    // --- Where the files are (flow/MatchFiles.cpp) -----------------------------------------------
    // The edition, from the other edition's language code ("en" or "ge").
    void SetEdition(const std::string& otherLanguage);
    // The statistics and the temporary match, game and store files in the work folder; the match
    // and the game are the temporary ones until a name is given.
    void PlaceOwnFiles(const std::string& workFolder);
    void SetHelpFolder(const std::string& folder);
    // The running match: the list kept while a game is abandoned, and the exit writes it back.
    void BeginRunningMatch(const std::string& workFolder);
    // The match ends without its list and stored deals written back.
    void DropMatchAtExit();
    // The match list (and its stored deals beside it) the person named; or back to the own copies.
    void UseMatchFiles(const std::string& listPath);
    void UseOwnMatchFiles();
    // A new deal is the temporary game until it is saved under a name.
    void UseOwnGameFile();
    // A deal played again without a game file is no longer the game read from one.
    void ForgetGameReadWithoutFile();
    // Rename of the game (kind 0) or the match (kind 1): false when the new name is refused.
    bool TakeNewName(int kind, const std::string& newName);
    // A file handed over while the flow was busy, kept until it is free; taking it forgets it.
    void HoldPendingFile(const std::string& name);
    std::string TakePendingFile();

    // --- The files a game end and the frame's end write (flow/MatchFiles.cpp) --------------------
    // The files of a finished game: the stored deal, then the list row, then the statistics.
    void SaveGameEndFiles();
    // The match list and its stored deals, unless the match was ended without them.
    void SaveRunningMatch();
    // A game read from a file is kept in the temporary game file.
    void KeepReadGame();
    // The close command stores the statistics, where a failure can still be shown.
    void SaveStatisticsAtClose();
    // The frame goes: the statistics unless the close stored them, the running match, and the
    // temporary list and store go away.
    void SaveAtFrameEnd();
    // A match list (or stored-deal) file the person hands over is missing or reads whole; one that
    // is there but cannot be read is named (message 40201).
    bool MatchFileUsable(const std::string& path, bool storedDeals);
    // A file that cannot be read or written (40201 or 40202 with the operation and the path): a
    // message box, or, while the frame is being destroyed and can run no dialog, a trace line.
    void ReportFileError(int stringId, const char* operation, const std::string& path);

    // --- Statistics (flow/FrameStatistics.cpp) ---------------------------------------------------
    // Creates the block when there is none and fills it from the file; a file that cannot be read
    // is moved aside (with a message when showError, or when it was there but damaged).
    void ReadStatistics(const std::string& path, bool showError);
    void SaveStatistics(const std::string& path);
    // The deal's cards into the latch: kind 0 the real deal, 1 a test deal made here.
    void LatchCardsStatistics(int kind);
    // The latch of the kind into the card tables.
    void UpdateCardsStatistics(int kind);
    // The real deal latched, to be counted once when its game is over.
    void LatchDeal();
    // The latched deal counted, when it has not been yet; the start forgets one.
    void CountLatchedDeal();
    void ForgetLatchedDeal();
    // Counts a finished game with its listed score.
    void Statistics(int score);
    void InitGameStatistics();
    void ResetCardStatistics();
    void ResetMatchGameStatistics();
    void ResetMatchCardStatistics();

    // --- The match list (flow/FrameList.cpp, flow/ListBooking.cpp) -------------------------------
    bool ReadList(const std::string& path, int compare, bool reportErrors);
    void SaveList(const std::string& path, bool setTitle);
    // The list after a game: in place, only the new rows, the changed header words and the
    // trailer, when the file is the one written last; else whole.
    void SaveListAfterGame(const std::string& path);
    void RestoreMatch(bool takeHeaderSettings);
    // Lists what the trailer would change and takes it over when the person agrees (at start-up
    // without asking); true when taken.
    bool CompareListSettings(const ListSettings& settings);
    // The game just counted joins the list with its score and short text.
    void AddGameToList(int kind, const std::string& text);
    // The deal goes into the stored deals, numbered as the list's header counts.
    void AddDealToStore();
    // The last listed game joins the totals and the balances.
    void UpdateListFiguresForLastGame();

    // --- The stored deals (flow/FrameStore.cpp) --------------------------------------------------
    void ReadStore(const std::string& path, int which);
    void SaveStore(const std::string& path);
    // The stored deals after a game: the new deal appended when the file is the one written last.
    void SaveStoreAfterGame(const std::string& path);
    // Stored deals of games the list does not hold (a game end cut short after its deal was
    // written) go.
    void DropDealsPastList();

    // --- The game file and the copies for a drag (flow/FrameGameFile.cpp, flow/FrameTitle.cpp) --
    bool ReadCards(const std::string& path, int titleKind);
    // Kind 2 makes the file the current game and includes the course; kind 0 writes the deal and
    // the annotation only.
    void SaveFile(const std::string& path, int kind);
    // The game as the game file holds it: the deal, the course when asked for and complete, and
    // the annotation when asked for.
    GameFileRecord GameImage(bool withCourse, bool withAnnotation);
    // Writes the current game (kind 0), the match list (1) or the stored deals (2) into the work
    // folder for a drag out; returns the file name written there.
    std::string SaveTempFile(int kind);
    std::string TempFileName(int kind) const;
    // The match name without extension; empty for the temporary names.
    std::string UserFileName() const;

    // --- The file dialogs (flow/FileCommands.cpp) ------------------------------------------------
    // The open, save or delete dialog of a kind (1 open game, 2 save game, 0x10000 delete game,
    // 4 open match, 5 save match, else delete match); false when cancelled.
    bool SelectFile(int kind, std::string& path);
    // True when the new name is refused; otherwise the path takes it and the title follows.
    bool CheckFileExtension(int kind, std::string& path, const std::string& newName);

    // --- The settings export and the file types (flow/FrameExport.cpp, flow/FrameFileTypes.cpp) --
    // Every setting into a registry import file at path; a failure leaves no file and is named.
    void WriteSettingsExport(const std::string& path);
    // Re-points a registered open command at the other edition (code "ge" or "en"). root: 0 the
    // classes, 1 the machine, 2 the user; only the user's keys are kept here. The program's own
    // open command (the first of the language switch's four calls) is the user's desktop entry.
    void RegisterFileType(int root, const std::string& subkey, const std::string& code);

private:
    void FillListHeader();
    void WriteListFile(const std::string& path, bool inPlace);
    void WriteStoreFile(const std::string& path, bool inPlace);
    // The write step of the files a game end adds to (the match list, the stored deals). A file
    // that does not fit its reader's cap, or that someone else changed since the program last
    // wrote it there, is not written, and the failure is named under the operation. inPlace: the
    // steps appendSteps gives for the file as last written (nothing: none fit) are made in place
    // when the file is still that one; otherwise the whole file goes at once. Returns the size of
    // the file written, nothing when it was not; written follows the file.
    std::optional<std::size_t> WriteGrowingFile(
        const char* operation, const std::string& path, bool fits, SeenFile& written, bool inPlace,
        const std::function<std::optional<std::vector<platform::FileStep>>(const platform::FileStamp&)>& appendSteps,
        const std::function<std::vector<std::uint8_t>()>& wholeFile);

    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
    FileState files_;
};

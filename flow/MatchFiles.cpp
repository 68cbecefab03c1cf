// The match files' record and the steps that place, name and write the files as a whole: where
// they live, which match and game they are, what a game end and the frame's end write.
#include "flow/MatchFiles.h"

#include "flow/MainFrame.h"
#include "match/MatchListFile.h"
#include "match/OwnFiles.h"
#include "match/StoredDealFile.h"
#include "model/GameState.h"
#include "model/Trace.h"
#include "platform/core/FileIo.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

CMatchFiles::CMatchFiles(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}

CMatchFiles& CMainFrame::MatchFiles() { return *matchFiles_; }
const FileState& CMainFrame::Files() const { return matchFiles_->Record(); }

void CMatchFiles::SetEdition(const std::string& otherLanguage) {
    files_.LanguageCode = otherLanguage == "en" ? "ge" : "en";
    files_.EnglishEdition = otherLanguage != "en" ? 1 : 0;
}

void CMatchFiles::PlaceOwnFiles(const std::string& workFolder) {
    files_.StatisticsPath = workFolder + "statistics2";
    files_.TempMatchFile = workFolder + "cards~.skm";
    files_.TempGameFile = workFolder + "cards~.skt";
    files_.TempStoreFile = workFolder + "cards~.sks";
    files_.ListPath = files_.TempMatchFile;
    files_.StorePath = files_.TempStoreFile;
    files_.GamePath = files_.TempGameFile;
}

void CMatchFiles::SetHelpFolder(const std::string& folder) { files_.HelpFilePath = folder; }

void CMatchFiles::BeginRunningMatch(const std::string& workFolder) {
    files_.TempListPath = workFolder + "temp~.skm";
    files_.TempStorePath = workFolder + "temp~.sks";
    files_.ListUpdateOnExit = 1;
}

void CMatchFiles::DropMatchAtExit() { files_.ListUpdateOnExit = 0; }

void CMatchFiles::UseMatchFiles(const std::string& listPath) {
    files_.ListPath = listPath;
    files_.StorePath = listPath.substr(0, listPath.size() - 4) + ".sks";
}

void CMatchFiles::UseOwnMatchFiles() {
    files_.ListPath = files_.TempMatchFile;
    files_.StorePath = files_.TempStoreFile;
}

void CMatchFiles::UseOwnGameFile() { files_.GamePath = files_.TempGameFile; }

void CMatchFiles::ForgetGameReadWithoutFile() {
    if (files_.GamePath.empty()) files_.GameFileRead = 0;
}

bool CMatchFiles::TakeNewName(int kind, const std::string& newName) {
    std::string path = kind == 1 ? files_.ListPath : files_.GamePath;
    if (CheckFileExtension(kind, path, newName)) return false;
    (kind == 1 ? files_.ListPath : files_.GamePath) = path;
    return true;
}

void CMatchFiles::HoldPendingFile(const std::string& name) { files_.PendingFile = name; }

std::string CMatchFiles::TakePendingFile() {
    std::string name = std::move(files_.PendingFile);
    files_.PendingFile.clear();
    return name;
}

void CMatchFiles::SaveGameEndFiles() {
    // The deal before its list row, so a game end cut short leaves at most a deal ahead of the
    // list (dropped at the next start); the statistics with them, so a killed run keeps them.
    SaveStoreAfterGame(files_.StorePath);
    SaveListAfterGame(files_.ListPath);
    SaveStatistics(files_.StatisticsPath);
}

void CMatchFiles::SaveRunningMatch() {
    if (!files_.ListUpdateOnExit) return;
    SaveList(files_.ListPath, false);
    SaveStore(files_.StorePath);
}

void CMatchFiles::KeepReadGame() {
    if (files_.GameFileRead) SaveFile(files_.TempGameFile, g_Game.CourseTricks == 10 ? 2 : 0);
}

void CMatchFiles::SaveStatisticsAtClose() {
    SaveStatistics(files_.StatisticsPath);
    files_.StatisticsSavedAtClose = 1;
}

void CMatchFiles::SaveAtFrameEnd() {
    if (!files_.StatisticsSavedAtClose) SaveStatistics(files_.StatisticsPath);
    SaveRunningMatch();
    if (!files_.TempListPath.empty() && platform::FileExists(files_.TempListPath))
        (void)platform::RemoveFile(files_.TempListPath);
    if (!files_.TempStorePath.empty() && platform::FileExists(files_.TempStorePath))
        (void)platform::RemoveFile(files_.TempStorePath);
}

bool CMatchFiles::MatchFileUsable(const std::string& path, bool storedDeals) {
    const OwnFileRead read = ReadOwnFile(path, storedDeals ? kStoredDealCap : kMatchListCap);
    if (read.Result == OwnFileRead::Missing) return true;
    const bool usable = read.Result == OwnFileRead::Read && !read.TooLarge &&
                        (storedDeals ? DecodeStoredDeals(read.Bytes).has_value() : DecodeMatchList(read.Bytes).has_value());
    if (!usable) ReportFileError(IDS_READ_FAILED, storedDeals ? "ReadStore" : "ReadList", path);
    return usable;
}

void CMatchFiles::ReportFileError(int stringId, const char* operation, const std::string& path) {
    // Past the frame's end, and on a close by signal (the session ends: nobody is there to answer),
    // the failure goes to the trace only.
    if (frame_.Run().Destroying || frame_.Run().ExitRequested) {
        WriteTrace(std::string(":FileError(") + operation + ":" + path + ")", LOG_MAINFRAME);
        return;
    }
    MessageBox(frame_.Handle(), platform::LoadString(stringId), {operation, path}, platform::LoadString(IDS_PRODUCT_NAME),
               platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

#pragma once
// The record of the program's files: their paths (the temporary ones live in the work folder), the
// edition, the file handed over while the flow was busy, the statistics' latches. Only the match
// files part (flow/MatchFiles.h) writes it; the frame's Files() gives every other part a const view.

#include "match/OwnFiles.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>

struct FileState {
    std::string ListPath, StorePath, GamePath;
    std::string TempListPath, TempStorePath;
    std::string StatisticsPath;
    std::string TempMatchFile, TempGameFile, TempStoreFile;
    std::string HelpFilePath;
    std::string LanguageCode;
    int EnglishEdition = 0;
    std::map<int, std::string> SelectFolders;  // the last folder of each dialog kind
    std::string PendingFile;                   // a file handed over while the flow was busy
    int GameFileRead = 0;
    // The game file the program last read or wrote, with its bytes: the same game is not written again.
    SeenFile GameSeen;
    int ListUpdateOnExit = 0;
    // The close command stored the statistics (where a failure can still be shown).
    int StatisticsSavedAtClose = 0;
    std::array<std::uint32_t, 4> CardLatches[2] = {};
    int CardStatisticsPending = 0;
};

#pragma once
// The ids of the texts about the one program that writes into a work folder: a start that finds the
// folder held by another program, and a file another program changed. Each edition holds its texts
// in its files chapter.

inline constexpr int IDS_FOLDER_IN_USE = 42101;               // %1: the work folder
inline constexpr int IDS_LANGUAGE_SWITCH_NOT_CLOSED = 42102;  // %1: the work folder
inline constexpr int IDS_CHANGED_BY_OTHER = 42103;            // %1: the operation, %2: the file

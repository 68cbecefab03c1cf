#pragma once
// The English edition's menu, accelerator and dialog lookups, for its resource set.

#include "platform/core/Resources.h"

namespace platform {
struct MenuTemplate;
struct AcceleratorTable;
struct DialogTemplate;
class Bitmap;
}  // namespace platform

const platform::MenuTemplate* FindEnglishMenu(int id);
const platform::AcceleratorTable* FindEnglishAccelerators(int id);
const platform::DialogTemplate* FindEnglishDialog(int id);
// The edition's bitmap resources by id (an empty bitmap for an unknown id).
platform::Bitmap MakeEnglishBitmap(int id);
// The shell's chapter of the string table.
platform::StringTable EnglishShellStrings();

// The chapter of help, the language switch, the about box and the legend.
platform::StringTable EnglishHelpStrings();

// The chapter of the manipulation marks' texts.
platform::StringTable EnglishManipulationStrings();

// The chapters of the string table, one per area of the program.
platform::StringTable EnglishFileStrings();

// The chapter of the Ramsch rounds, Kontra, giving up and the end of a match.
platform::StringTable EnglishGameRoadStrings();
// The trick estimation window's popup texts.
platform::StringTable EnglishEstimationPopupStrings();
// The side windows' chapter of the string table.
platform::StringTable EnglishSideWindowStrings();
// The card and game statistics windows' chapter.
platform::StringTable EnglishStatisticsStrings();
// The statistics windows' panel templates (chained in FindEnglishDialog).
const platform::DialogTemplate* FindEnglishStatisticsDialog(int id);
// The settings dialogs' templates (chained in FindEnglishDialog).
const platform::DialogTemplate* FindEnglishSettingsDialog(int id);

// The settings dialogs' strings.
platform::StringTable EnglishSettingsStrings();
platform::StringTable EnglishSuggestionStrings();
platform::StringTable EnglishFrameHelpStrings();
// The information panels' templates (chained in FindEnglishDialog) and strings.
const platform::DialogTemplate* FindEnglishPanelDialog(int id);
platform::StringTable EnglishPanelStrings();
// The trick estimation window's chapter.
platform::StringTable EnglishEstimationStrings();

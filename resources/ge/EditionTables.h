#pragma once
// The German edition's menu, accelerator and dialog lookups, for its resource set.

#include "platform/core/Resources.h"

namespace platform {
struct MenuTemplate;
struct AcceleratorTable;
struct DialogTemplate;
class Bitmap;
}  // namespace platform

const platform::MenuTemplate* FindGermanMenu(int id);
const platform::AcceleratorTable* FindGermanAccelerators(int id);
const platform::DialogTemplate* FindGermanDialog(int id);
// The edition's bitmap resources by id (an empty bitmap for an unknown id).
platform::Bitmap MakeGermanBitmap(int id);
// The shell's chapter of the string table.
platform::StringTable GermanShellStrings();

// The chapter of help, the language switch, the about box and the legend.
platform::StringTable GermanHelpStrings();

// The chapter of the manipulation marks' texts.
platform::StringTable GermanManipulationStrings();

// The chapters of the string table, one per area of the program.
platform::StringTable GermanFileStrings();

// The chapter of the Ramsch rounds, Kontra, giving up and the end of a match.
platform::StringTable GermanGameRoadStrings();
// The trick estimation window's popup texts.
platform::StringTable GermanEstimationPopupStrings();
// The side windows' chapter of the string table.
platform::StringTable GermanSideWindowStrings();
// The card and game statistics windows' chapter.
platform::StringTable GermanStatisticsStrings();
// The statistics windows' panel templates (chained in FindGermanDialog).
const platform::DialogTemplate* FindGermanStatisticsDialog(int id);
// The settings dialogs' templates (chained in FindGermanDialog).
const platform::DialogTemplate* FindGermanSettingsDialog(int id);

// The settings dialogs' strings.
platform::StringTable GermanSettingsStrings();
platform::StringTable GermanSuggestionStrings();
platform::StringTable GermanFrameHelpStrings();
// The information panels' templates (chained in FindGermanDialog) and strings.
const platform::DialogTemplate* FindGermanPanelDialog(int id);
platform::StringTable GermanPanelStrings();
// The trick estimation window's chapter.
platform::StringTable GermanEstimationStrings();

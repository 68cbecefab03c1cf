#pragma once
// The templates of the match and file settings dialogs: the general settings (258), the export
// confirmation (147), the match end (149), the trace log (317) and the rename (305). One layout serves both editions;
// each edition supplies its texts as a type with one constant per text.

#include "resources/SettingsTemplates.h"

namespace resources {

template <class Text>
struct MatchSettingsTemplates : SettingsTemplateStyles {
    using CK = platform::ControlKind;
    using CT = platform::ControlTemplate;
    using DT = platform::DialogTemplate;
    static constexpr platform::DialogFont kFont{"MS Sans Serif", 8};

    // --- General settings: the three titles on top, counting and calculation, then the switches ---
    static constexpr int BoxRow(int n) { return 112 + 13 * n; }
    static constexpr CT settings[] = {
        // The title boxes stand before their labels, whose brackets name what the box adds.
        {CK::CheckBox, 1076, "", {8, 7, 10, 10}, kFirstBox},
        {CK::Static, -1, Text::listTitleLabel, {20, 8, 204, 8}, 0},
        {CK::Edit, 1008, "", {8, 18, 210, 12}, kField},
        {CK::CheckBox, 1077, "", {8, 35, 10, 10}, kFirstBox},
        {CK::Static, -1, Text::subtitleLabel, {20, 36, 204, 8}, 0},
        {CK::Edit, 1009, "", {8, 46, 210, 12}, kField},
        {CK::Static, -1, Text::storeTitleLabel, {8, 64, 210, 8}, 0},
        {CK::Edit, 1010, "", {8, 74, 210, 12}, kField},
        {CK::GroupBox, -1, Text::countingGroup, {226, 4, 100, 40}, 0},
        {CK::RadioButton, 1022, Text::byGame, {232, 16, 88, 10}, kFirstRadio},
        {CK::RadioButton, 1068, Text::byRound, {232, 29, 88, 10}, kRadio},
        {CK::GroupBox, -1, Text::calculationGroup, {226, 48, 100, 54}, 0},
        {CK::RadioButton, 1011, Text::gamePoints, {232, 60, 88, 10}, kFirstRadio},
        {CK::RadioButton, 1023, Text::weighted, {232, 73, 88, 10}, kRadio},
        {CK::RadioButton, 1024, Text::both, {232, 86, 88, 10}, kRadio},
        {CK::CheckBox, 1075, Text::annotate, {8, BoxRow(0), 200, 10}, kFirstBox},
        {CK::CheckBox, 1047, Text::deal, {8, BoxRow(1), 200, 10}, kBox},
        {CK::CheckBox, 1052, Text::zoom, {8, BoxRow(2), 200, 10}, kBox},
        {CK::CheckBox, 1049, Text::last, {8, BoxRow(3), 200, 10}, kBox},
        {CK::CheckBox, 1048, Text::safe, {8, BoxRow(4), 200, 10}, kBox},
        {CK::CheckBox, 1051, Text::abandon, {8, BoxRow(5), 200, 10}, kBox},
        {CK::CheckBox, 1050, Text::balloon, {8, BoxRow(6), 200, 10}, kBox},
        {CK::CheckBox, 1134, Text::score, {8, BoxRow(7), 200, 10}, kBox},
        {CK::CheckBox, 1133, Text::ruleNumber, {8, BoxRow(8), 200, 10}, kBox},
        {CK::CheckBox, 1184, Text::suggestAll, {8, BoxRow(9), 200, 10}, kBox},
        {CK::PushButton, 3, "&Standard", {226, 180, 100, 14}, kButton},
        {CK::PushButton, 1, "&OK", {226, 198, 100, 14}, kButton},
        {CK::PushButton, 2, Text::cancel, {226, 216, 100, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {226, 234, 100, 14}, kButton},
    };
    static constexpr DT settingsDialog{258, Text::settingsCaption, kDialog, {0, 0, 334, 254}, kFont, settings};

    // --- Export confirmation ---------------------------------------------------------------------
    static constexpr CT saveInit[] = {
        {CK::Static, -1, Text::backupQuestion, {8, 10, 200, 8}, platform::CTL_CENTER},
        {CK::PushButton, 1, "&OK", {8, 30, 62, 14}, kDefault},
        {CK::PushButton, 2, Text::cancel, {77, 30, 62, 14}, kButton},
        {CK::PushButton, 1185, Text::help, {146, 30, 62, 14}, kButton},
    };
    static constexpr DT saveInitDialog{147, Text::initialValuesCaption, kDialog, {0, 0, 216, 50}, kFont, saveInit};

    // --- Match end -------------------------------------------------------------------------------
    static constexpr CT termination[] = {
        {CK::RadioButton, 1040, Text::series, {8, 10, 90, 10}, kFirstRadio},
        {CK::RadioButton, 1009, Text::duration, {8, 26, 90, 10}, kRadio},
        {CK::RadioButton, 1049, "&Bierlachs", {8, 42, 90, 10}, kRadio},
        {CK::RadioButton, 1051, Text::unlimited, {8, 58, 90, 10}, kRadio},
        {CK::Static, -1, Text::roundsLabel, {104, 11, 70, 8}, 0},
        {CK::Edit, 1050, "", {176, 9, 40, 12}, kField},
        {CK::Static, -1, Text::minutesLabel, {104, 27, 70, 8}, 0},
        {CK::Edit, 1010, "", {176, 25, 40, 12}, kField},
        {CK::Static, -1, Text::creditLabel, {104, 43, 70, 8}, 0},
        {CK::Edit, 1011, "", {176, 41, 40, 12}, kField},
        {CK::PushButton, 3, "&Standard", {6, 78, 54, 14}, kButton},
        {CK::PushButton, 1, "&OK", {64, 78, 54, 14}, kButton},
        {CK::PushButton, 2, Text::cancel, {122, 78, 54, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {180, 78, 54, 14}, kButton},
    };
    static constexpr DT terminationDialog{149, Text::terminationCaption, kDialog, {0, 0, 240, 98}, kFont, termination};

    // --- Trace log -------------------------------------------------------------------------------
    static constexpr int LevelRow(int n) { return 78 + 13 * n; }
    static constexpr CT logging[] = {
        {CK::GroupBox, -1, Text::createGroup, {6, 4, 110, 42}, 0},
        {CK::RadioButton, 1280, Text::logOn, {12, 16, 98, 10}, kFirstRadio},
        {CK::RadioButton, 1279, Text::logOff, {12, 29, 98, 10}, kRadio},
        {CK::GroupBox, -1, Text::deleteGroup, {130, 4, 130, 68}, 0},
        {CK::RadioButton, 1285, Text::deleteNever, {136, 16, 118, 10}, kFirstRadio},
        {CK::RadioButton, 1283, Text::deleteBeforeGame, {136, 29, 118, 10}, kRadio},
        {CK::RadioButton, 1284, Text::deleteBeforeMatch, {136, 42, 118, 10}, kRadio},
        {CK::RadioButton, 1289, Text::deleteBoth, {136, 55, 118, 10}, kRadio},
        {CK::Static, -1, "normal", {30, 66, 36, 8}, 0},
        {CK::Static, -1, Text::advanced, {78, 66, 48, 8}, 0},
        {CK::CheckBox, 1281, Text::viewRow, {12, LevelRow(0), 70, 10}, kFirstBox},
        {CK::CheckBox, 1286, "", {96, LevelRow(0), 10, 10}, kBox},
        {CK::CheckBox, 1282, Text::frameRow, {12, LevelRow(1), 70, 10}, kBox},
        {CK::CheckBox, 1287, "", {96, LevelRow(1), 10, 10}, kBox},
        {CK::CheckBox, 1022, Text::gameRow, {12, LevelRow(2), 70, 10}, kBox},
        {CK::CheckBox, 1023, "", {96, LevelRow(2), 10, 10}, kBox},
        {CK::CheckBox, 1014, Text::playerRow, {12, LevelRow(3), 70, 10}, kBox},
        {CK::CheckBox, 1288, "", {96, LevelRow(3), 10, 10}, kBox},
        {CK::GroupBox, -1, Text::dataGroup, {130, 78, 130, 30}, 0},
        {CK::CheckBox, 1010, Text::display, {136, 91, 118, 10}, kFirstBox},
        {CK::PushButton, 3, "&Standard", {6, 138, 60, 14}, kButton},
        {CK::PushButton, 1, "&OK", {70, 138, 60, 14}, kButton},
        {CK::PushButton, 2, Text::cancel, {134, 138, 60, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {198, 138, 62, 14}, kButton},
    };
    static constexpr DT loggingDialog{317, Text::loggingCaption, kDialog, {0, 0, 266, 158}, kFont, logging};

    // --- Rename (the caption comes from the strings, by kind) ----------------------------------------
    static constexpr CT rename[] = {
        {CK::Static, -1, "Name:", {8, 10, 30, 8}, 0},
        {CK::Edit, 1056, "", {40, 8, 200, 12}, kField},
        {CK::PushButton, 3, "&Standard", {8, 30, 54, 14}, kButton},
        {CK::PushButton, 1, "&OK", {68, 30, 54, 14}, kDefault},
        {CK::PushButton, 2, Text::cancel, {127, 30, 54, 14}, kButton},
        {CK::PushButton, 1185, Text::help, {186, 30, 54, 14}, kButton},
    };
    static constexpr DT renameDialog{305, Text::renameCaption, kDialog, {0, 0, 248, 50}, kFont, rename};

    static const platform::DialogTemplate* Find(int id) {
        for (const DT* dialog : {&settingsDialog, &saveInitDialog, &terminationDialog, &loggingDialog, &renameDialog})
            if (dialog->id == id) return dialog;
        return nullptr;
    }
};

}  // namespace resources

#pragma once
// The control panels at the top of the card statistics (316) and game statistics (318) windows,
// laid out once for both editions. Each edition supplies its texts; the English card panel moves
// its controls a little (its texts are of other widths), the game panel is the same in both.
//
// Card panel: the size buttons, the count of recorded deals, the three views and the test deal and
// reset buttons. Game panel: the size buttons, the count of recorded games, the game type, the
// per-match switch and the reset button. The switches are wide enough for their texts in the
// screen fonts, which run wider than the classic dialog font.

#include "platform/core/DialogTemplate.h"

namespace resources {

template <class Text>
struct StatisticsTemplates {
    using CK = platform::ControlKind;
    using CT = platform::ControlTemplate;

    static constexpr unsigned kButton = platform::CTL_TABSTOP | platform::CTL_GROUP;
    static constexpr unsigned kCount = platform::CTL_READONLY | platform::CTL_CENTER | platform::CTL_TABSTOP | platform::CTL_GROUP;
    static constexpr unsigned kRadio = platform::CTL_AUTO;

    // The card panel's positions: German, or English (E).
    static constexpr bool E = Text::englishCardPanel;

    static constexpr CT cardControls[] = {
        {CK::GroupBox, -1, Text::recordedGames, {E ? 74 : 69, 2, E ? 207 : 218, 46}, 0},
        {CK::Static, -1, Text::number, {E ? 80 : 75, 15, 38, 8}, platform::CTL_CENTER},
        {CK::Edit, 1050, "", {E ? 79 : 74, 25, 40, 14}, kCount},
        {CK::RadioButton, 1009, Text::series, {E ? 147 : 150, 10, 38, 10}, kRadio | platform::CTL_GROUP | platform::CTL_TABSTOP},
        {CK::RadioButton, 1051, Text::unlimited, {E ? 147 : 150, 22, E ? 52 : 56, 10}, kRadio},
        {CK::RadioButton, 1175, "&Test", {E ? 147 : 150, 34, 34, 10}, kRadio},
        {CK::PushButton, 1047, Text::deal, {E ? 225 : 232, 11, 50, 14}, kButton | platform::CTL_HIDDEN},
        {CK::PushButton, 1082, Text::reset, {E ? 225 : 232, 29, 50, 14}, kButton},
        {CK::PushButton, 1292, "", {E ? 12 : 13, E ? 19 : 20, 15, 14}, kButton},
        {CK::PushButton, 1291, "", {E ? 42 : 41, E ? 19 : 20, 16, 14}, kButton},
    };
    static constexpr platform::DialogTemplate cards{316, "", platform::DLG_MODELESS | platform::DLG_NO_PARENT,
                                                    {0, 0, E ? 291 : 292, 53}, {"Arial", 8}, cardControls};

    static constexpr CT gameControls[] = {
        {CK::GroupBox, -1, Text::recordedGames, {69, 2, 259, 46}, 0},
        {CK::Static, -1, Text::number, {75, 15, 38, 8}, platform::CTL_CENTER},
        {CK::Edit, 1050, "", {74, 25, 40, 14}, kCount},
        {CK::Static, -1, Text::type, {145, 15, 38, 8}, platform::CTL_CENTER},
        {CK::ComboBox, 1081, "", {133, 25, 63, 83}, platform::CTL_DROPLIST | kButton},
        {CK::Static, -1, Text::mode, {218, 15, 38, 8}, platform::CTL_CENTER},
        {CK::CheckBox, 1116, Text::perMatch, {218, 25, 53, 9}, platform::CTL_AUTO | kButton},
        {CK::PushButton, 1082, Text::reset, {274, 25, 50, 14}, kButton},
        {CK::PushButton, 1292, "", {13, 20, 15, 14}, kButton},
        {CK::PushButton, 1291, "", {40, 20, 16, 14}, kButton},
    };
    static constexpr platform::DialogTemplate games{318, "", platform::DLG_MODELESS | platform::DLG_NO_PARENT,
                                                    {0, 0, 333, 53}, {"Arial", 8}, gameControls};

    static const platform::DialogTemplate* Find(int id) {
        if (id == cards.id) return &cards;
        if (id == games.id) return &games;
        return nullptr;
    }
};

}  // namespace resources

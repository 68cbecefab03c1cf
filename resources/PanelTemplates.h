#pragma once
// The templates of the game information panels beside the table: the game data (172), the game
// status (188) and the game value (298). One layout serves both editions; each edition supplies
// its texts as a type with one constant per text. The panels keep their template position until
// the frame moves them to their stored place.

#include "platform/core/DialogTemplate.h"

namespace resources {

template <class Text>
struct PanelTemplates {
    using CK = platform::ControlKind;
    using CT = platform::ControlTemplate;
    using DT = platform::DialogTemplate;
    static constexpr platform::DialogFont kFont{"MS Sans Serif", 8};
    static constexpr unsigned kPanel = platform::DLG_MODELESS | platform::DLG_NO_PARENT;
    static constexpr unsigned kButton = platform::CTL_TABSTOP | platform::CTL_GROUP;
    static constexpr unsigned kList = platform::CTL_TABSTOP | platform::CTL_GROUP | platform::CTL_DROPLIST;
    static constexpr unsigned kRight = platform::CTL_RIGHT;

    // --- Game data: the texts of the game, then per seat its counts -----------------------------
    static constexpr int DataRow(int n) { return 6 + 11 * n; }
    static constexpr int SeatRow(int n) { return 109 + 10 * n; }
    static constexpr CT data[] = {
        {CK::Static, -1, Text::soloistLabel, {6, DataRow(0), 72, 8}, 0},
        {CK::Static, 1014, "", {80, DataRow(0), 192, 8}, 0},
        {CK::Static, -1, Text::gameLabel, {6, DataRow(1), 72, 8}, 0},
        {CK::Static, 1022, "", {80, DataRow(1), 192, 8}, 0},
        {CK::Static, -1, "Status:", {6, DataRow(2), 72, 8}, 0},
        {CK::Static, 1024, "", {80, DataRow(2), 192, 8}, 0},
        {CK::Static, -1, Text::modeLabel, {6, DataRow(3), 72, 8}, 0},
        {CK::Static, 1023, "", {80, DataRow(3), 114, 8}, 0},
        {CK::Static, 1030, "", {198, DataRow(3), 74, 8}, kRight},
        {CK::Static, -1, Text::announceLabel, {6, DataRow(4), 72, 8}, 0},
        {CK::Static, 1015, "", {80, DataRow(4), 192, 8}, 0},
        {CK::Static, -1, Text::replyLabel, {6, DataRow(5), 72, 8}, 0},
        {CK::Static, 1021, "", {80, DataRow(5), 192, 8}, 0},
        {CK::Static, -1, Text::bidLabel, {6, DataRow(6), 72, 8}, 0},
        {CK::Static, 1025, "", {80, DataRow(6), 192, 8}, 0},
        {CK::Static, -1, Text::trickLabel, {6, DataRow(7), 72, 8}, 0},
        {CK::Static, 1026, "", {80, DataRow(7), 192, 8}, 0},
        {CK::Static, -1, Text::gamesColumn, {118, 97, 30, 8}, kRight},
        {CK::Static, -1, Text::wonColumn, {150, 97, 22, 8}, kRight},
        {CK::Static, -1, Text::lostColumn, {174, 97, 22, 8}, kRight},
        {CK::Static, -1, Text::pointsColumn, {198, 97, 34, 8}, kRight},
        {CK::Static, -1, Text::weightedColumn, {234, 97, 40, 8}, kRight},
        {CK::Static, 1064, "1:", {6, SeatRow(0), 110, 8}, 0},
        {CK::Static, 1031, "", {118, SeatRow(0), 30, 8}, kRight},
        {CK::Static, 1037, "", {150, SeatRow(0), 22, 8}, kRight},
        {CK::Static, 1040, "", {174, SeatRow(0), 22, 8}, kRight},
        {CK::Static, 1027, "", {198, SeatRow(0), 34, 8}, kRight},
        {CK::Static, 1034, "", {234, SeatRow(0), 40, 8}, kRight},
        {CK::Static, 1065, "2:", {6, SeatRow(1), 110, 8}, 0},
        {CK::Static, 1032, "", {118, SeatRow(1), 30, 8}, kRight},
        {CK::Static, 1038, "", {150, SeatRow(1), 22, 8}, kRight},
        {CK::Static, 1041, "", {174, SeatRow(1), 22, 8}, kRight},
        {CK::Static, 1028, "", {198, SeatRow(1), 34, 8}, kRight},
        {CK::Static, 1035, "", {234, SeatRow(1), 40, 8}, kRight},
        {CK::Static, 1066, "3:", {6, SeatRow(2), 110, 8}, 0},
        {CK::Static, 1033, "", {118, SeatRow(2), 30, 8}, kRight},
        {CK::Static, 1039, "", {150, SeatRow(2), 22, 8}, kRight},
        {CK::Static, 1042, "", {174, SeatRow(2), 22, 8}, kRight},
        {CK::Static, 1029, "", {198, SeatRow(2), 34, 8}, kRight},
        {CK::Static, 1036, "", {234, SeatRow(2), 40, 8}, kRight},
        {CK::PushButton, 1, "&OK", {80, 143, 56, 14}, kButton | platform::CTL_DEFAULT},
        {CK::PushButton, 1185, Text::help, {144, 143, 56, 14}, kButton},
    };
    static constexpr DT dataDialog{172, Text::dataCaption, kPanel, {0, 0, 279, 162}, kFont, data};

    // --- Game status: the chosen seat, five column heads of three lines, five rows -------------
    static constexpr int Column(int n) { return 52 + 56 * n; }
    static constexpr int StatusRow(int n) { return 56 + 11 * n; }
    static constexpr CT status[] = {
        {CK::ComboBox, 1056, "", {6, 6, 110, 60}, kList},
        {CK::Static, 1046, "", {122, 8, 100, 8}, 0},
        {CK::Static, 1022, "", {226, 8, 104, 8}, 0},
        {CK::Static, 1071, "", {Column(0), 24, 54, 26}, platform::CTL_CENTER},
        {CK::Static, 1052, "", {Column(1), 24, 54, 26}, platform::CTL_CENTER},
        {CK::Static, 1049, "", {Column(2), 24, 54, 26}, platform::CTL_CENTER},
        {CK::Static, 1050, "", {Column(3), 24, 54, 26}, platform::CTL_CENTER},
        {CK::Static, 1051, "", {Column(4), 24, 54, 26}, platform::CTL_CENTER},
        {CK::Static, -1, Text::trumpRow, {6, StatusRow(0), 44, 8}, 0},
        {CK::Static, 1020, "", {Column(0), StatusRow(0), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1025, "", {Column(1), StatusRow(0), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1040, "", {Column(2), StatusRow(0), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1035, "", {Column(3), StatusRow(0), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1030, "", {Column(4), StatusRow(0), 54, 8}, platform::CTL_CENTER},
        {CK::Static, -1, Text::clubsRow, {6, StatusRow(1), 44, 8}, 0},
        {CK::Static, 1021, "", {Column(0), StatusRow(1), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1026, "", {Column(1), StatusRow(1), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1041, "", {Column(2), StatusRow(1), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1036, "", {Column(3), StatusRow(1), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1031, "", {Column(4), StatusRow(1), 54, 8}, platform::CTL_CENTER},
        {CK::Static, -1, Text::spadesRow, {6, StatusRow(2), 44, 8}, 0},
        {CK::Static, 1055, "", {Column(0), StatusRow(2), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1027, "", {Column(1), StatusRow(2), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1042, "", {Column(2), StatusRow(2), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1037, "", {Column(3), StatusRow(2), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1032, "", {Column(4), StatusRow(2), 54, 8}, platform::CTL_CENTER},
        {CK::Static, -1, Text::heartsRow, {6, StatusRow(3), 44, 8}, 0},
        {CK::Static, 1023, "", {Column(0), StatusRow(3), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1028, "", {Column(1), StatusRow(3), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1043, "", {Column(2), StatusRow(3), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1038, "", {Column(3), StatusRow(3), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1033, "", {Column(4), StatusRow(3), 54, 8}, platform::CTL_CENTER},
        {CK::Static, -1, Text::diamondsRow, {6, StatusRow(4), 44, 8}, 0},
        {CK::Static, 1024, "", {Column(0), StatusRow(4), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1029, "", {Column(1), StatusRow(4), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1044, "", {Column(2), StatusRow(4), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1039, "", {Column(3), StatusRow(4), 54, 8}, platform::CTL_CENTER},
        {CK::Static, 1034, "", {Column(4), StatusRow(4), 54, 8}, platform::CTL_CENTER},
        {CK::PushButton, 1, "&OK", {110, 118, 56, 14}, kButton | platform::CTL_DEFAULT},
        {CK::PushButton, 1185, Text::help, {174, 118, 56, 14}, kButton},
    };
    static constexpr DT statusDialog{188, "", kPanel, {0, 0, 336, 138}, kFont, status};

    // --- Game value: the value list, the column heads, the table, the buttons below it ---------
    static constexpr CT value[] = {
        {CK::Static, -1, Text::valueLabel, {6, 8, 30, 8}, 0},
        {CK::ComboBox, 1171, "", {38, 6, 44, 120}, kList},
        {CK::PushButton, 1173, Text::table, {206, 5, 52, 14}, kButton},
        {CK::Static, -1, Text::gameColumn, {8, 24, 50, 8}, 0},
        {CK::Static, -1, Text::topsColumn, {60, 24, 40, 8}, 0},
        {CK::Static, -1, Text::announcedColumn, {102, 24, 46, 8}, 0},
        {CK::Static, -1, Text::playedColumn, {150, 24, 44, 8}, 0},
        {CK::Static, -1, Text::factorColumn, {196, 24, 30, 8}, 0},
        {CK::Static, -1, "Index", {228, 24, 28, 8}, 0},
        {CK::RichText, 1022, "", {4, 34, 256, 20}, platform::CTL_MULTILINE},
        {CK::PushButton, 1, "&OK", {72, 58, 56, 14}, kButton | platform::CTL_DEFAULT},
        {CK::PushButton, 1185, Text::help, {136, 58, 56, 14}, kButton},
    };
    static constexpr DT valueDialog{298, Text::valueCaption, kPanel, {0, 0, 264, 78}, kFont, value};

    static const platform::DialogTemplate* Find(int id) {
        for (const DT* dialog : {&dataDialog, &statusDialog, &valueDialog})
            if (dialog->id == id) return dialog;
        return nullptr;
    }
};

}  // namespace resources

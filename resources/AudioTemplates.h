#pragma once
// The templates of the audio settings dialog (295) and the audio test dialog (296), laid out once for
// both editions; each edition supplies its texts as a type with one constant per text.
//
// The settings dialog: the voices frame on top (a row per voice, a column per seat, the from-file
// boxes beside them, the Welcome and support lists at the right), the sounds frame below it (a row
// per effect with its switch and its from-file box), the buttons in one row at the bottom.

#include "platform/core/DialogTemplate.h"

namespace resources {

struct AudioTemplateStyles {
    static constexpr unsigned kBox = platform::CTL_TABSTOP | platform::CTL_AUTO | platform::CTL_LEFTTEXT;
    static constexpr unsigned kPlainBox = platform::CTL_TABSTOP | platform::CTL_AUTO;
    static constexpr unsigned kRadio = platform::CTL_AUTO | platform::CTL_LEFTTEXT;
    static constexpr unsigned kFirstRadio = platform::CTL_AUTO | platform::CTL_LEFTTEXT | platform::CTL_GROUP |
                                            platform::CTL_TABSTOP;
    static constexpr unsigned kGroupStart = platform::CTL_GROUP | platform::CTL_TABSTOP;
    static constexpr unsigned kButton = platform::CTL_TABSTOP;
    static constexpr unsigned kDefault = platform::CTL_TABSTOP | platform::CTL_DEFAULT;
    static constexpr unsigned kList = platform::CTL_TABSTOP | platform::CTL_DROPLIST;
    static constexpr unsigned kCombo = platform::CTL_TABSTOP;
};

template <class Text>
struct AudioTemplates : AudioTemplateStyles {
    using CK = platform::ControlKind;
    using CT = platform::ControlTemplate;

    // The y of voice row r (0 none, 1-6 voices) and of effect row n.
    static constexpr int Row(int r) { return 52 + 13 * r; }
    static constexpr int EffectRow(int n) { return 200 + 11 * n; }

    static constexpr CT settings[] = {
        // The voices frame.
        {CK::GroupBox, -1, "", {4, 4, 367, 157}, 0},
        {CK::CheckBox, 1134, Text::voiceOutput, {10, 14, 84, 10}, kBox},
        {CK::Static, -1, Text::voiceHint, {100, 15, 200, 8}, 0},
        {CK::Static, -1, Text::voiceColumn, {270, 28, 90, 8}, 0},
        {CK::Static, 1064, "1:", {88, 30, 34, 16}, platform::CTL_CENTER},
        {CK::Static, 1065, "2:", {124, 30, 34, 16}, platform::CTL_CENTER},
        {CK::Static, 1066, "3:", {160, 30, 34, 16}, platform::CTL_CENTER},
        {CK::Static, -1, Text::voiceFromFile, {196, 30, 50, 16}, platform::CTL_CENTER},
        // Seat 0 with the row texts, seats 1 and 2 without.
        {CK::RadioButton, 1167, Text::withoutVoice, {10, Row(0), 110, 10}, kFirstRadio},
        {CK::RadioButton, 1149, Text::voice1, {10, Row(1), 110, 10}, kRadio},
        {CK::RadioButton, 1150, Text::voice2, {10, Row(2), 110, 10}, kRadio},
        {CK::RadioButton, 1151, Text::voice3, {10, Row(3), 110, 10}, kRadio},
        {CK::RadioButton, 1161, Text::voice4, {10, Row(4), 110, 10}, kRadio},
        {CK::RadioButton, 1165, Text::voice5, {10, Row(5), 110, 10}, kRadio},
        {CK::RadioButton, 1172, Text::voice6, {10, Row(6), 110, 10}, kRadio},
        {CK::RadioButton, 1168, "", {136, Row(0), 10, 10}, kFirstRadio},
        {CK::RadioButton, 1152, "", {136, Row(1), 10, 10}, kRadio},
        {CK::RadioButton, 1153, "", {136, Row(2), 10, 10}, kRadio},
        {CK::RadioButton, 1154, "", {136, Row(3), 10, 10}, kRadio},
        {CK::RadioButton, 1162, "", {136, Row(4), 10, 10}, kRadio},
        {CK::RadioButton, 1166, "", {136, Row(5), 10, 10}, kRadio},
        {CK::RadioButton, 1173, "", {136, Row(6), 10, 10}, kRadio},
        {CK::RadioButton, 1169, "", {172, Row(0), 10, 10}, kFirstRadio},
        {CK::RadioButton, 1155, "", {172, Row(1), 10, 10}, kRadio},
        {CK::RadioButton, 1156, "", {172, Row(2), 10, 10}, kRadio},
        {CK::RadioButton, 1157, "", {172, Row(3), 10, 10}, kRadio},
        {CK::RadioButton, 1163, "", {172, Row(4), 10, 10}, kRadio},
        {CK::RadioButton, 1170, "", {172, Row(5), 10, 10}, kRadio},
        {CK::RadioButton, 1174, "", {172, Row(6), 10, 10}, kRadio},
        {CK::CheckBox, 1158, "", {216, Row(1), 10, 10}, kGroupStart | kPlainBox},
        {CK::CheckBox, 1159, "", {216, Row(2), 10, 10}, kPlainBox},
        {CK::CheckBox, 1160, "", {216, Row(3), 10, 10}, kPlainBox},
        {CK::CheckBox, 1164, "", {216, Row(4), 10, 10}, kPlainBox},
        {CK::CheckBox, 1171, "", {216, Row(5), 10, 10}, kPlainBox},
        {CK::CheckBox, 1176, "", {216, Row(6), 10, 10}, kPlainBox},
        {CK::Static, -1, Text::welcome, {250, 42, 110, 8}, 0},
        {CK::ComboBox, 1224, "", {250, 52, 110, 90}, kCombo | platform::CTL_GROUP},
        {CK::Static, -1, Text::support, {250, 74, 115, 8}, 0},
        {CK::ComboBox, 1225, "", {250, 84, 110, 100}, kCombo | platform::CTL_GROUP},
        // The sounds frame.
        {CK::GroupBox, -1, "", {4, 164, 367, 160}, 0},
        {CK::CheckBox, 1135, Text::soundOutput, {10, 174, 84, 10}, kBox | platform::CTL_GROUP},
        {CK::Static, -1, Text::soundHint, {100, 175, 200, 8}, 0},
        {CK::Static, -1, Text::yesNo, {150, 188, 40, 8}, 0},
        {CK::Static, -1, Text::soundFromFile, {196, 188, 80, 8}, 0},
        {CK::CheckBox, 1213, Text::effect0, {10, EffectRow(0), 166, 10}, kBox},
        {CK::CheckBox, 1214, Text::effect1, {10, EffectRow(1), 166, 10}, kBox},
        {CK::CheckBox, 1215, Text::effect2, {10, EffectRow(2), 166, 10}, kBox},
        {CK::CheckBox, 1216, Text::effect3, {10, EffectRow(3), 166, 10}, kBox},
        {CK::CheckBox, 1217, Text::effect4, {10, EffectRow(4), 166, 10}, kBox},
        {CK::CheckBox, 1223, Text::effect5, {10, EffectRow(5), 166, 10}, kBox},
        {CK::CheckBox, 1219, Text::effect6, {10, EffectRow(6), 166, 10}, kBox},
        {CK::CheckBox, 1218, Text::effect7, {10, EffectRow(7), 166, 10}, kBox},
        {CK::CheckBox, 1220, Text::effect8, {10, EffectRow(8), 166, 10}, kBox},
        {CK::CheckBox, 1221, Text::effect9, {10, EffectRow(9), 166, 10}, kBox},
        {CK::CheckBox, 1222, Text::effect10, {10, EffectRow(10), 166, 10}, kBox},
        {CK::CheckBox, 1187, "", {216, EffectRow(0), 10, 10}, kPlainBox},
        {CK::CheckBox, 1188, "", {216, EffectRow(1), 10, 10}, kPlainBox},
        {CK::CheckBox, 1189, "", {216, EffectRow(2), 10, 10}, kPlainBox},
        {CK::CheckBox, 1190, "", {216, EffectRow(3), 10, 10}, kPlainBox},
        {CK::CheckBox, 1191, "", {216, EffectRow(4), 10, 10}, kPlainBox},
        {CK::CheckBox, 1197, "", {216, EffectRow(5), 10, 10}, kPlainBox},
        {CK::CheckBox, 1193, "", {216, EffectRow(6), 10, 10}, kPlainBox},
        {CK::CheckBox, 1192, "", {216, EffectRow(7), 10, 10}, kPlainBox},
        {CK::CheckBox, 1194, "", {216, EffectRow(8), 10, 10}, kPlainBox},
        {CK::CheckBox, 1195, "", {216, EffectRow(9), 10, 10}, kPlainBox},
        {CK::CheckBox, 1196, "", {216, EffectRow(10), 10, 10}, kPlainBox},
        // The buttons.
        {CK::PushButton, 1175, "&Test", {10, 328, 64, 14}, kButton | platform::CTL_GROUP},
        {CK::PushButton, 3, "&Standard", {82, 328, 64, 14}, kButton},
        {CK::PushButton, 1, "&OK", {154, 328, 64, 14}, kButton},
        {CK::PushButton, 2, Text::cancel, {226, 328, 64, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {298, 328, 64, 14}, kButton},
    };
    static constexpr platform::DialogTemplate settingsDialog{295, Text::settingsCaption, platform::DLG_CENTER,
                                                             {0, 0, 375, 345}, {"MS Sans Serif", 8}, settings};

    static constexpr CT test[] = {
        {CK::Static, -1, Text::type, {6, 8, 50, 8}, 0},
        {CK::ComboBox, 1081, "", {60, 6, 84, 40}, kList},
        {CK::CheckBox, 1162, Text::fromFile, {150, 7, 56, 10}, kBox},
        {CK::Static, -1, Text::directory, {6, 27, 50, 8}, 0},
        {CK::Edit, 1166, "", {60, 25, 100, 12}, platform::CTL_TABSTOP | platform::CTL_READONLY},
        {CK::PushButton, 1167, Text::open, {164, 24, 42, 14}, kButton},
        {CK::Static, -1, Text::voice, {6, 47, 50, 8}, 0},
        {CK::ComboBox, 1134, "", {60, 45, 60, 90}, kList},
        {CK::Static, -1, Text::term, {6, 67, 50, 8}, 0},
        {CK::ComboBox, 1083, "", {60, 65, 146, 120}, kList | platform::CTL_VERTICAL},
        {CK::PushButton, 1163, Text::prior, {6, 86, 62, 14}, kButton},
        {CK::PushButton, 1164, Text::actual, {75, 86, 62, 14}, kButton},
        {CK::PushButton, 1165, Text::next, {144, 86, 62, 14}, kButton},
        {CK::Static, -1, Text::volume, {6, 112, 50, 8}, 0},
        {CK::Slider, 1170, "", {60, 108, 146, 16}, platform::CTL_TABSTOP},
        {CK::PushButton, 1, "&OK", {40, 134, 62, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {112, 134, 62, 14}, kButton},
    };
    static constexpr platform::DialogTemplate testDialog{296, Text::testCaption, platform::DLG_CENTER | platform::DLG_NO_PARENT,
                                                         {0, 0, 212, 155}, {"MS Sans Serif", 8}, test};

    static const platform::DialogTemplate* Find(int id) {
        if (id == settingsDialog.id) return &settingsDialog;
        if (id == testDialog.id) return &testDialog;
        return nullptr;
    }
};

}  // namespace resources

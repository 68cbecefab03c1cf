#pragma once
// The trick estimation window's panel (template 319), laid out once for both editions; each
// edition supplies its texts as a type with one constant per text, and the few places where the
// English layout differs.

#include "platform/core/DialogTemplate.h"
#include "resources/ids.h"

// The panel's template and controls.
inline constexpr int IDD_TRICK_ESTIMATION = 319;
inline constexpr int IDC_ESTIMATION_COMPACT = 1292;
inline constexpr int IDC_ESTIMATION_FULL = 1291;
inline constexpr int IDC_ESTIMATION_GAME = 1022;
inline constexpr int IDC_ESTIMATION_AUTO = 1004;
inline constexpr int IDC_ESTIMATION_PHASE = 1024;
inline constexpr int IDC_ESTIMATION_CONTEXT = 1025;
inline constexpr int IDC_ESTIMATION_LEGEND = 2;
inline constexpr int IDC_ESTIMATION_PLAYER = 1056;

namespace resources {

template <class Text>
struct EstimationTemplates {
    using CK = platform::ControlKind;
    using CT = platform::ControlTemplate;
    static constexpr unsigned kButton = platform::CTL_TABSTOP;
    static constexpr unsigned kList = platform::CTL_TABSTOP | platform::CTL_DROPLIST;

    static constexpr CT panel[] = {
        {CK::PushButton, IDC_ESTIMATION_COMPACT, "", {22, 17, 15, 14}, kButton},
        {CK::PushButton, IDC_ESTIMATION_FULL, "", {57, 17, 15, 14}, kButton},
        {CK::GroupBox, -1, Text::possibleGames, {94, 2, 146, 54}, 0},
        {CK::Static, -1, Text::game, {107, 14, 48, 8}, platform::CTL_CENTER},
        {CK::ComboBox, IDC_ESTIMATION_GAME, Text::gameItems, {99, 25, 63, 83}, kList},
        {CK::CheckBox, IDC_ESTIMATION_AUTO, Text::autoBox, {119, 42, 31, 10}, platform::CTL_TABSTOP | platform::CTL_AUTO},
        {CK::Static, -1, Text::phase, Text::phaseRect, platform::CTL_CENTER},
        {CK::Static, IDC_ESTIMATION_PHASE, "", {168, 20, 67, 9}, platform::CTL_CENTER},
        {CK::Static, -1, Text::context, {183, 33, 38, 9}, platform::CTL_CENTER},
        {CK::Static, IDC_ESTIMATION_CONTEXT, "", {168, 44, 67, 9}, platform::CTL_CENTER},
        {CK::PushButton, IDC_ESTIMATION_LEGEND, Text::legend, Text::legendRect, platform::CTL_TABSTOP | platform::CTL_DEFAULT},
        {CK::Static, -1, Text::player, Text::playerLabelRect, platform::CTL_CENTER},
        {CK::ComboBox, IDC_ESTIMATION_PLAYER, "", Text::playerRect, kList | platform::CTL_VERTICAL},
    };

    static constexpr platform::DialogTemplate dialog{
        IDD_TRICK_ESTIMATION, "", platform::DLG_MODELESS, {0, 0, 338, 60}, {"Arial", 8}, panel};

    static const platform::DialogTemplate* Find(int id) { return id == IDD_TRICK_ESTIMATION ? &dialog : nullptr; }
};

}  // namespace resources

#pragma once
// The templates of the prompt bars and the game-event messages, laid out once for both editions;
// each edition supplies its captions as a type with one constant per text (see ge/Dialogs.cpp).
//
// Bars are caption-less strips one row of buttons high (the declaration bar two rows): buttons are
// 14 dialog units high (15 on the Ramsch pass-on bar) with a margin of 2. A bar that narrows while
// suggestions are off keeps its right-hand group in exactly `cut` units at its right edge
// (auction 68, Revolution exchange 84, Schieberamsch 120, Ramsch pass-on 192, Grand Hand 60), so
// narrowing the window by `cut` hides exactly that group.

#include "platform/core/DialogTemplate.h"

namespace resources {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogTemplate;

inline constexpr unsigned kBarStyle = platform::DLG_MODELESS | platform::DLG_NO_PARENT | platform::DLG_STRIP;
inline constexpr unsigned kMessageStyle = platform::DLG_CENTER;
inline constexpr platform::DialogFont kDialogFont{"MS Sans Serif", 8};
inline constexpr unsigned kButton = platform::CTL_TABSTOP;
inline constexpr unsigned kDefault = platform::CTL_TABSTOP | platform::CTL_DEFAULT;
inline constexpr unsigned kManualBox = platform::CTL_TABSTOP;
inline constexpr unsigned kAutoBox = platform::CTL_TABSTOP | platform::CTL_AUTO;
inline constexpr unsigned kHidden = platform::CTL_HIDDEN;

template <class Text>
struct PromptTemplates {
    // --- Bars --------------------------------------------------------------------------------
    static constexpr ControlTemplate auction[] = {
        {ControlKind::PushButton, 1001, "", {2, 2, 60, 14}, kDefault},
        {ControlKind::PushButton, 1041, Text::pass, {64, 2, 60, 14}, kButton},
        {ControlKind::PushButton, 1183, Text::suggestGame, {128, 2, 64, 14}, kButton},  // group 126..194
    };
    static constexpr DialogTemplate auctionBar{117, "", kBarStyle, {0, 0, 194, 18}, kDialogFont, auction};

    static constexpr ControlTemplate skat[] = {
        {ControlKind::PushButton, 1042, Text::pickupSkat, {2, 2, 70, 14}, kDefault},
        {ControlKind::PushButton, 1068, Text::handGame, {74, 2, 70, 14}, kButton},
    };
    static constexpr DialogTemplate skatBar{136, "", kBarStyle, {0, 0, 146, 18}, kDialogFont, skat};

    static constexpr ControlTemplate skatRamsch[] = {
        {ControlKind::PushButton, 1042, Text::pickupSkat, {2, 2, 70, 14}, kDefault},
        {ControlKind::PushButton, 1137, Text::passOn, {74, 2, 60, 14}, kButton},
        {ControlKind::CheckBox, 1058, Text::durchmarsch, {138, 2, 64, 14}, kAutoBox},  // group 136..256
        {ControlKind::PushButton, 1133, Text::rule, {204, 2, 50, 14}, kButton},
    };
    static constexpr DialogTemplate skatRamschBar{137, "", kBarStyle, {0, 0, 256, 18}, kDialogFont, skatRamsch};

    static constexpr ControlTemplate continueTrick[] = {
        {ControlKind::PushButton, 1012, "", {2, 2, 80, 14}, kDefault},
    };
    static constexpr DialogTemplate continueBar{138, "", kBarStyle, {0, 0, 84, 18}, kDialogFont, continueTrick};

    static constexpr ControlTemplate declare[] = {
        {ControlKind::PushButton, 1016, "&Kreuz", {2, 2, 40, 14}, kButton},
        {ControlKind::PushButton, 1017, "&Pik", {44, 2, 40, 14}, kButton},
        {ControlKind::PushButton, 1018, "&Herz", {86, 2, 40, 14}, kButton},
        {ControlKind::PushButton, 1019, Text::diamonds, {128, 2, 40, 14}, kButton},
        {ControlKind::PushButton, 1020, "&Null", {170, 2, 40, 14}, kButton},
        {ControlKind::PushButton, 1021, "Null O&uvert", {212, 2, 50, 14}, kButton},
        {ControlKind::PushButton, 1023, "&Grand", {264, 2, 40, 14}, kButton},
        {ControlKind::PushButton, 1025, "&Revolution", {306, 2, 50, 14}, kButton},
        {ControlKind::CheckBox, 1045, "&Schneider", {2, 18, 56, 14}, kManualBox},
        {ControlKind::CheckBox, 1027, "Sch&warz", {60, 18, 56, 14}, kManualBox},
        {ControlKind::CheckBox, 1022, "Ou&vert", {118, 18, 56, 14}, kManualBox},
        {ControlKind::CheckBox, 1070, "Ska&t?", {176, 18, 50, 14}, kManualBox},
        {ControlKind::PushButton, 1183, Text::gameQuestion, {228, 18, 40, 14}, kButton},
        {ControlKind::PushButton, 1185, Text::help, {306, 18, 50, 14}, kButton},
    };
    static constexpr DialogTemplate declareBar{142, "", kBarStyle, {0, 0, 358, 34}, kDialogFont, declare};

    static constexpr ControlTemplate endSwapRevolution[] = {
        {ControlKind::PushButton, 1167, Text::endSwapping, {2, 2, 90, 14}, kButton},
        {ControlKind::PushButton, 1184, Text::suggestSwapping, {96, 2, 80, 14}, kDefault},  // group 94..178
    };
    static constexpr DialogTemplate endSwapRevolutionBar{144, "", kBarStyle, {0, 0, 178, 18}, kDialogFont,
                                                         endSwapRevolution};

    static constexpr ControlTemplate endSwapGame[] = {
        {ControlKind::PushButton, 1167, Text::endSwapping, {2, 2, 90, 14}, kDefault},
    };
    static constexpr DialogTemplate endSwapGameBar{159, "", kBarStyle, {0, 0, 94, 18}, kDialogFont, endSwapGame};

    static constexpr ControlTemplate endSwapRamsch[] = {
        {ControlKind::PushButton, 1167, Text::endSwapping, {2, 2, 90, 15}, kButton},
        {ControlKind::PushButton, 1184, Text::suggestSkat, {96, 2, 70, 15}, kDefault},  // group 94..286
        {ControlKind::CheckBox, 1058, Text::durchmarsch, {168, 2, 64, 15}, kAutoBox},
        {ControlKind::PushButton, 1133, Text::ruleOnPassOn, {234, 2, 50, 15}, kButton},
    };
    static constexpr DialogTemplate endSwapRamschBar{161, "", kBarStyle, {0, 0, 286, 19}, kDialogFont, endSwapRamsch};

    static constexpr ControlTemplate grandHand[] = {
        {ControlKind::PushButton, 1026, "&Ramsch", {2, 2, 60, 14}, kDefault},
        {ControlKind::PushButton, 1200, "&Grand Hand", {64, 2, 60, 14}, kButton},
        {ControlKind::PushButton, 1133, Text::rule, {128, 2, 56, 14}, kButton},  // group 126..186
    };
    static constexpr DialogTemplate grandHandBar{173, "", kBarStyle, {0, 0, 186, 18}, kDialogFont, grandHand};

    static constexpr ControlTemplate suggest[] = {
        {ControlKind::PushButton, 1184, Text::suggestion, {2, 2, 60, 14}, kDefault},
        {ControlKind::PushButton, 1046, "&Kontra", {66, 2, 60, 14}, kButton},
        {ControlKind::PushButton, 1133, Text::suggestRule, {130, 2, 60, 14}, kButton},
    };
    static constexpr DialogTemplate suggestBar{179, "", kBarStyle, {0, 0, 192, 18}, kDialogFont, suggest};

    static constexpr ControlTemplate kontraFirst[] = {
        {ControlKind::PushButton, 1046, "&Kontra", {2, 2, 60, 14}, kDefault},
    };
    static constexpr DialogTemplate kontraFirstBar{297, "", kBarStyle, {0, 0, 64, 18}, kDialogFont, kontraFirst};

    static constexpr ControlTemplate resumeSwap[] = {
        {ControlKind::PushButton, 1072, Text::resume, {2, 2, 120, 14}, kDefault},
    };
    static constexpr DialogTemplate resumeSwapBar{320, "", kBarStyle, {0, 0, 124, 18}, kDialogFont, resumeSwap};

    // --- Messages -----------------------------------------------------------------------------
    static constexpr ControlTemplate kontraMessage[] = {
        {ControlKind::RichText, 1131, "", {7, 7, 240, 40}, 0},
        {ControlKind::Image, 1017, "", {7, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1019, "", {7, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1021, "", {7, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1023, "", {7, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1026, "", {7, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1030, "", {7, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1028, "", {7, 52, 20, 20}, kHidden},
        {ControlKind::PushButton, 1, "&OK", {70, 54, 50, 14}, kDefault},
        {ControlKind::PushButton, 2, "&OK", {70, 54, 50, 14}, kButton},
        {ControlKind::PushButton, 1046, "&Kontra", {130, 54, 50, 14}, kButton},
        {ControlKind::PushButton, 1185, "", {190, 54, 30, 14}, kButton | kHidden},
        {ControlKind::Image, 1018, "", {227, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1020, "", {227, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1024, "", {227, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1025, "", {227, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1027, "", {227, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1031, "", {227, 52, 20, 20}, kHidden},
        {ControlKind::Image, 1029, "", {227, 52, 20, 20}, kHidden},
    };
    static constexpr DialogTemplate kontra{175, Text::game, kMessageStyle, {0, 0, 254, 76}, kDialogFont, kontraMessage};

    static constexpr ControlTemplate plainMessage[] = {
        {ControlKind::RichText, 1131, "", {7, 7, 200, 12}, 0},
        {ControlKind::Image, 1078, "", {7, 24, 20, 20}, 0},
        {ControlKind::PushButton, 1, "&OK", {82, 26, 50, 14}, kDefault},
        {ControlKind::PushButton, 1185, "", {140, 26, 30, 14}, kButton | kHidden},
        {ControlKind::Image, 1079, "", {187, 24, 20, 20}, 0},
    };
    static constexpr DialogTemplate message{195, Text::game, kMessageStyle, {0, 0, 214, 50}, kDialogFont, plainMessage};

    static constexpr ControlTemplate passedRule[] = {
        {ControlKind::RichText, 1131, "", {7, 7, 200, 40}, 0},
        {ControlKind::CheckBox, 1178, Text::repeatGame, {7, 52, 100, 10}, kAutoBox},
        {ControlKind::Static, -1, Text::continueQuestion, {7, 66, 200, 8}, 0},
        {ControlKind::PushButton, 1, Text::yes, {100, 80, 50, 14}, kDefault},
        {ControlKind::PushButton, 2, Text::no, {156, 80, 50, 14}, kButton},
    };
    static constexpr DialogTemplate passedRuleMessage{196, Text::game, kMessageStyle, {0, 0, 214, 100}, kDialogFont,
                                                      passedRule};

    // The result: the text box is one line high and grows by a line for each line of the text.
    static constexpr ControlTemplate result[] = {
        {ControlKind::RichText, 1131, "", {7, 7, 240, 12}, 0},
        {ControlKind::Static, 1012, Text::resultQuestion, {7, 24, 120, 8}, 0},
        {ControlKind::CheckBox, 1178, Text::repeatGame, {140, 23, 100, 10}, kAutoBox},
        {ControlKind::PushButton, 1, Text::yes, {47, 38, 50, 14}, kDefault},
        {ControlKind::PushButton, 2, Text::no, {102, 38, 50, 14}, kButton},
        {ControlKind::PushButton, 1177, Text::gameCourse, {157, 38, 60, 14}, kButton},
    };
    static constexpr DialogTemplate resultMessage{194, Text::game, kMessageStyle, {0, 0, 254, 60}, kDialogFont, result};

    static constexpr const DialogTemplate* all[] = {
        &auctionBar, &skatBar,    &skatRamschBar, &continueBar, &declareBar, &endSwapRevolutionBar,
        &endSwapGameBar, &endSwapRamschBar, &grandHandBar, &kontra, &suggestBar, &message,
        &passedRuleMessage, &resultMessage, &kontraFirstBar, &resumeSwapBar,
    };

    static const DialogTemplate* Find(int id) {
        for (const DialogTemplate* found : all)
            if (found->id == id) return found;
        return nullptr;
    }
};

}  // namespace resources

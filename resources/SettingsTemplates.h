#pragma once
// The templates of the settings dialogs: the rule configuration (143), the Ramsch scoring (300),
// the bidding risk (301), the delays (146), the names (133), the pictures (313), the design choosers (304, 177), the
// sorting (114) and the two swaps (314, 302). One layout serves both editions; each edition
// supplies its texts as a type with one constant per text. Widths leave room for the longer
// edition's words.

#include "platform/core/DialogTemplate.h"

namespace resources {

struct SettingsTemplateStyles {
    static constexpr unsigned kBox = platform::CTL_TABSTOP | platform::CTL_AUTO;
    static constexpr unsigned kFirstBox = kBox | platform::CTL_GROUP;
    static constexpr unsigned kRadio = platform::CTL_AUTO;
    static constexpr unsigned kFirstRadio = platform::CTL_AUTO | platform::CTL_GROUP | platform::CTL_TABSTOP;
    static constexpr unsigned kButton = platform::CTL_TABSTOP | platform::CTL_GROUP;
    static constexpr unsigned kDefault = kButton | platform::CTL_DEFAULT;
    static constexpr unsigned kArrow = platform::CTL_TABSTOP;
    static constexpr unsigned kList = platform::CTL_TABSTOP | platform::CTL_GROUP | platform::CTL_DROPLIST;
    static constexpr unsigned kField = platform::CTL_TABSTOP | platform::CTL_GROUP;
    static constexpr unsigned kDigits = kField | platform::CTL_NUMBER;
    static constexpr unsigned kDialog = platform::DLG_CENTER | platform::DLG_NO_PARENT;
};

template <class Text>
struct SettingsTemplates : SettingsTemplateStyles {
    using CK = platform::ControlKind;
    using CT = platform::ControlTemplate;
    using DT = platform::DialogTemplate;
    static constexpr platform::DialogFont kFont{"MS Sans Serif", 8};

    // --- Rule configuration ------------------------------------------------------------------
    static constexpr int ListRow(int n) { return 80 + 16 * n; }
    static constexpr CT configuration[] = {
        {CK::CheckBox, 1046, Text::kontra, {8, 8, 160, 10}, kFirstBox},
        {CK::CheckBox, 1266, Text::ramschIfNoBid, {8, 21, 160, 10}, kBox},
        {CK::CheckBox, 1027, Text::ramschPassOn, {8, 34, 160, 10}, kBox},
        {CK::CheckBox, 1200, Text::grandHand, {8, 47, 160, 10}, kBox},
        {CK::CheckBox, 1025, Text::revolution, {8, 60, 160, 10}, kBox},
        {CK::GroupBox, -1, "", {176, 4, 164, 34}, 0},
        {CK::Static, -1, Text::notAtRuleSkat, {179, 12, 160, 22}, 0},
        {CK::Static, -1, "&Bock", {176, 46, 52, 8}, 0},
        {CK::Edit, 1024, "", {230, 44, 40, 12}, kDigits},
        {CK::PushButton, 1136, "", {274, 44, 14, 12}, kArrow},
        {CK::PushButton, 1134, "", {290, 44, 14, 12}, kArrow},
        {CK::Static, -1, "&Ramsch", {176, 62, 52, 8}, 0},
        {CK::Edit, 1026, "", {230, 60, 40, 12}, kDigits},
        {CK::PushButton, 1137, "", {274, 60, 14, 12}, kArrow},
        {CK::PushButton, 1135, "", {290, 60, 14, 12}, kArrow},
        {CK::Static, -1, Text::schneiderLabel, {8, ListRow(0) + 2, 130, 8}, 0},
        {CK::ComboBox, 1045, "", {140, ListRow(0), 196, 60}, kList},
        {CK::Static, -1, Text::ouvertLabel, {8, ListRow(1) + 2, 130, 8}, 0},
        {CK::ComboBox, 1044, "", {140, ListRow(1), 196, 70}, kList},
        {CK::Static, -1, Text::stockLabel, {8, ListRow(2) + 2, 130, 8}, 0},
        {CK::ComboBox, 1029, "", {140, ListRow(2), 196, 50}, kList},
        {CK::Static, -1, Text::firstTrickLabel, {8, ListRow(3) + 2, 130, 8}, 0},
        {CK::ComboBox, 1021, "", {140, ListRow(3), 196, 50}, kList},
        {CK::Static, -1, Text::handLabel, {8, ListRow(4) + 2, 130, 8}, 0},
        {CK::ComboBox, 1068, "", {140, ListRow(4), 196, 50}, kList},
        {CK::Static, -1, Text::extraLabel, {8, ListRow(5) + 2, 130, 8}, 0},
        {CK::ComboBox, 1035, "", {140, ListRow(5), 196, 70}, kList},
        {CK::Static, -1, Text::ifExtraLabel, {8, ListRow(6) + 2, 130, 8}, 0},
        {CK::ListBox, 1032, "", {140, ListRow(6), 196, 56}, kField | platform::CTL_MULTISELECT},
        {CK::PushButton, 1133, Text::rule, {8, 254, 60, 14}, kButton},
        {CK::PushButton, 3, "&Standard", {74, 254, 60, 14}, kButton},
        {CK::PushButton, 1, "&OK", {140, 254, 60, 14}, kButton},
        {CK::PushButton, 2, Text::cancel, {206, 254, 60, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {272, 254, 60, 14}, kButton},
    };
    static constexpr DT configurationDialog{143, Text::configurationCaption, kDialog, {0, 0, 344, 274}, kFont, configuration};

    // --- Ramsch scoring ----------------------------------------------------------------------
    static constexpr CT ramsch[] = {
        {CK::GroupBox, -1, Text::gameValueGroup, {6, 4, 236, 30}, 0},
        {CK::RadioButton, 1135, Text::byGamePoints, {12, 16, 110, 10}, kFirstRadio},
        {CK::RadioButton, 1140, Text::byFixedPoints, {126, 16, 110, 10}, kRadio},
        {CK::Static, -1, Text::gameField, {12, 44, 56, 8}, 0},
        {CK::Edit, 1022, "", {70, 42, 36, 12}, kField},
        {CK::Static, -1, "&Durchmarsch", {126, 44, 60, 8}, 0},
        {CK::Edit, 1058, "", {190, 42, 36, 12}, kField},
        {CK::Static, -1, Text::passOnField, {12, 60, 56, 8}, 0},
        {CK::Edit, 1137, "", {70, 58, 36, 12}, kField},
        {CK::Static, -1, "&Jungfrau", {126, 60, 60, 8}, 0},
        {CK::Edit, 1138, "", {190, 58, 36, 12}, kField},
        {CK::GroupBox, -1, Text::passOnGroup, {6, 78, 236, 54}, 0},
        {CK::RadioButton, 1139, Text::doubling, {12, 90, 90, 10}, kFirstRadio},
        {CK::Static, -1, "(1, 2, 4, 8, 16)", {106, 91, 80, 8}, 0},
        {CK::RadioButton, 1136, Text::multiplying, {12, 103, 90, 10}, kRadio},
        {CK::Static, -1, "(1, 2, 3, 4, 5)", {106, 104, 80, 8}, 0},
        {CK::RadioButton, 1141, Text::addFixed, {12, 116, 120, 10}, kRadio},
        {CK::PushButton, 3, "&Standard", {6, 140, 56, 14}, kButton},
        {CK::PushButton, 1, "&OK", {66, 140, 56, 14}, kButton},
        {CK::PushButton, 2, Text::cancel, {126, 140, 56, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {186, 140, 56, 14}, kButton},
    };
    static constexpr DT ramschDialog{300, Text::ramschCaption, kDialog, {0, 0, 248, 160}, kFont, ramsch};

    // --- Bidding risk ------------------------------------------------------------------------
    static constexpr int RiskRow(int seat) { return 36 + 16 * seat; }
    static constexpr CT risk[] = {
        {CK::Static, -1, Text::riskHeading, {6, 6, 410, 8}, 0},
        {CK::Static, -1, Text::grandColumn, {100, 22, 76, 8}, 0},
        {CK::Static, -1, Text::suitColumn, {180, 22, 76, 8}, 0},
        {CK::Static, -1, Text::suitRiskColumn, {260, 22, 76, 8}, 0},
        {CK::Static, -1, Text::nullColumn, {340, 22, 76, 8}, 0},
        {CK::Static, 1064, "", {6, RiskRow(0) + 2, 90, 10}, 0},
        {CK::ComboBox, 1184, "", {100, RiskRow(0), 76, 120}, kList},
        {CK::ComboBox, 1187, "", {180, RiskRow(0), 76, 60}, kList},
        {CK::ComboBox, 1178, "", {260, RiskRow(0), 76, 120}, kList},
        {CK::ComboBox, 1181, "", {340, RiskRow(0), 76, 120}, kList},
        {CK::Static, 1065, "", {6, RiskRow(1) + 2, 90, 10}, 0},
        {CK::ComboBox, 1198, "", {100, RiskRow(1), 76, 120}, kList},
        {CK::ComboBox, 1188, "", {180, RiskRow(1), 76, 60}, kList},
        {CK::ComboBox, 1179, "", {260, RiskRow(1), 76, 120}, kList},
        {CK::ComboBox, 1182, "", {340, RiskRow(1), 76, 120}, kList},
        {CK::Static, 1066, "", {6, RiskRow(2) + 2, 90, 10}, 0},
        {CK::ComboBox, 1186, "", {100, RiskRow(2), 76, 120}, kList},
        {CK::ComboBox, 1189, "", {180, RiskRow(2), 76, 60}, kList},
        {CK::ComboBox, 1180, "", {260, RiskRow(2), 76, 120}, kList},
        {CK::ComboBox, 1183, "", {340, RiskRow(2), 76, 120}, kList},
        {CK::PushButton, 3, "&Standard", {100, 92, 76, 14}, kButton},
        {CK::PushButton, 1, "&OK", {180, 92, 76, 14}, kButton},
        {CK::PushButton, 2, Text::cancel, {260, 92, 76, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {340, 92, 76, 14}, kButton},
    };
    static constexpr DT riskDialog{301, Text::riskCaption, kDialog, {0, 0, 422, 112}, kFont, risk};

    // --- Delays ------------------------------------------------------------------------------
    static constexpr int DelayRow(int n) { return 18 + 15 * n; }
    static constexpr CT delay[] = {
        {CK::GroupBox, -1, Text::waitGroup, {6, 4, 152, 94}, 0},
        {CK::Static, -1, Text::bidDelay, {12, DelayRow(0) + 2, 52, 8}, 0},
        {CK::Edit, 1001, "", {66, DelayRow(0), 44, 12}, kDigits},
        {CK::PushButton, 1278, "", {114, DelayRow(0), 16, 12}, kArrow},
        {CK::PushButton, 1141, "", {132, DelayRow(0), 16, 12}, kArrow},
        {CK::Static, -1, Text::answerDelay, {12, DelayRow(1) + 2, 52, 8}, 0},
        {CK::Edit, 1074, "", {66, DelayRow(1), 44, 12}, kDigits},
        {CK::PushButton, 1137, "", {114, DelayRow(1), 16, 12}, kArrow},
        {CK::PushButton, 1142, "", {132, DelayRow(1), 16, 12}, kArrow},
        {CK::Static, -1, Text::showDelay, {12, DelayRow(2) + 2, 52, 8}, 0},
        {CK::Edit, 1073, "", {66, DelayRow(2), 44, 12}, kDigits},
        {CK::PushButton, 1138, "", {114, DelayRow(2), 16, 12}, kArrow},
        {CK::PushButton, 1143, "", {132, DelayRow(2), 16, 12}, kArrow},
        {CK::Static, -1, Text::continueDelay, {12, DelayRow(3) + 2, 52, 8}, 0},
        {CK::Edit, 1012, "", {66, DelayRow(3), 44, 12}, kDigits},
        {CK::PushButton, 1139, "", {114, DelayRow(3), 16, 12}, kArrow},
        {CK::PushButton, 1144, "", {132, DelayRow(3), 16, 12}, kArrow},
        {CK::Static, -1, "&Demo", {12, DelayRow(4) + 2, 52, 8}, 0},
        {CK::Edit, 1002, "", {66, DelayRow(4), 44, 12}, kDigits},
        {CK::PushButton, 1140, "", {114, DelayRow(4), 16, 12}, kArrow},
        {CK::PushButton, 1145, "", {132, DelayRow(4), 16, 12}, kArrow},
        {CK::GroupBox, -1, Text::slideGroup, {164, 4, 152, 94}, 0},
        {CK::Static, -1, Text::dealSteps, {170, DelayRow(0) + 2, 52, 8}, 0},
        {CK::Edit, 1047, "", {224, DelayRow(0), 44, 12}, kDigits},
        {CK::PushButton, 1146, "", {272, DelayRow(0), 16, 12}, kArrow},
        {CK::PushButton, 1151, "", {290, DelayRow(0), 16, 12}, kArrow},
        {CK::Static, -1, Text::playSteps, {170, DelayRow(1) + 2, 52, 8}, 0},
        {CK::Edit, 1008, "", {224, DelayRow(1), 44, 12}, kDigits},
        {CK::PushButton, 1147, "", {272, DelayRow(1), 16, 12}, kArrow},
        {CK::PushButton, 1152, "", {290, DelayRow(1), 16, 12}, kArrow},
        {CK::Static, -1, Text::orderSteps, {170, DelayRow(2) + 2, 52, 8}, 0},
        {CK::Edit, 1010, "", {224, DelayRow(2), 44, 12}, kDigits},
        {CK::PushButton, 1148, "", {272, DelayRow(2), 16, 12}, kArrow},
        {CK::PushButton, 1153, "", {290, DelayRow(2), 16, 12}, kArrow},
        {CK::Static, -1, Text::swapSteps, {170, DelayRow(3) + 2, 52, 8}, 0},
        {CK::Edit, 1009, "", {224, DelayRow(3), 44, 12}, kDigits},
        {CK::PushButton, 1149, "", {272, DelayRow(3), 16, 12}, kArrow},
        {CK::PushButton, 1154, "", {290, DelayRow(3), 16, 12}, kArrow},
        {CK::Static, -1, Text::switchSteps, {170, DelayRow(4) + 2, 52, 8}, 0},
        {CK::Edit, 1011, "", {224, DelayRow(4), 44, 12}, kDigits},
        {CK::PushButton, 1150, "", {272, DelayRow(4), 16, 12}, kArrow},
        {CK::PushButton, 1155, "", {290, DelayRow(4), 16, 12}, kArrow},
        {CK::PushButton, 3, "&Standard", {6, 106, 74, 14}, kButton},
        {CK::PushButton, 1, "&OK", {84, 106, 74, 14}, kButton},
        {CK::PushButton, 2, Text::cancel, {164, 106, 74, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {242, 106, 74, 14}, kButton},
    };
    static constexpr DT delayDialog{146, Text::delayCaption, kDialog, {0, 0, 322, 126}, kFont, delay};

    // --- Names -------------------------------------------------------------------------------
    static constexpr CT names[] = {
        {CK::Static, -1, Text::leftComputer, {8, 10, 82, 8}, 0},
        {CK::Edit, 1007, "", {92, 8, 116, 12}, kField},
        {CK::Static, -1, Text::rightComputer, {8, 26, 82, 8}, 0},
        {CK::Edit, 1008, "", {92, 24, 116, 12}, kField},
        {CK::Static, -1, "&Person:", {8, 42, 82, 8}, 0},
        {CK::Edit, 1006, "", {92, 40, 116, 12}, kField},
        {CK::PushButton, 1, "&OK", {8, 62, 64, 14}, kButton},
        {CK::PushButton, 2, Text::cancel, {76, 62, 64, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {144, 62, 64, 14}, kButton},
    };
    static constexpr DT namesDialog{133, Text::namesCaption, kDialog, {0, 0, 216, 82}, kFont, names};

    // --- Design choosers ---------------------------------------------------------------------
    static constexpr CT cardBack[] = {
        {CK::IconList, 1010, "", {6, 6, 320, 150}, kField},
        {CK::Static, -1, Text::backHint, {6, 160, 320, 8}, 0},
        {CK::PushButton, 3, "&Standard", {6, 176, 74, 14}, kButton},
        {CK::PushButton, 1, "&OK", {88, 176, 74, 14}, kDefault},
        {CK::PushButton, 2, Text::cancel, {170, 176, 74, 14}, kButton},
        {CK::PushButton, 1185, Text::help, {252, 176, 74, 14}, kButton},
    };
    static constexpr DT cardBackDialog{304, Text::cardBackCaption, kDialog, {0, 0, 332, 196}, kFont, cardBack};
    static constexpr CT cardFace[] = {
        {CK::IconList, 1010, "", {6, 6, 320, 150}, kField},
        {CK::Static, -1, Text::faceHint, {6, 160, 320, 8}, 0},
        {CK::PushButton, 3, "&Standard", {6, 176, 74, 14}, kButton},
        {CK::PushButton, 1, "&OK", {88, 176, 74, 14}, kDefault},
        {CK::PushButton, 2, Text::cancel, {170, 176, 74, 14}, kButton},
        {CK::PushButton, 1185, Text::help, {252, 176, 74, 14}, kButton},
    };
    static constexpr DT cardFaceDialog{177, Text::cardFaceCaption, kDialog, {0, 0, 332, 196}, kFont, cardFace};

    // --- Sorting -----------------------------------------------------------------------------
    static constexpr CT sort[] = {
        {CK::GroupBox, -1, Text::suitSequence, {6, 4, 236, 42}, 0},
        {CK::RadioButton, 1000, Text::spadesFirst, {12, 16, 224, 10}, kFirstRadio},
        {CK::RadioButton, 1001, Text::heartsFirst, {12, 30, 224, 10}, kRadio},
        {CK::GroupBox, -1, Text::valueSequence, {6, 52, 236, 56}, 0},
        {CK::RadioButton, 1002, Text::normalGame, {12, 64, 224, 10}, kFirstRadio},
        {CK::RadioButton, 1020, Text::nullGame, {12, 78, 224, 10}, kRadio},
        {CK::RadioButton, 1004, Text::adjusted, {12, 92, 224, 10}, kRadio},
        {CK::PushButton, 1, "&OK", {6, 116, 76, 14}, kDefault},
        {CK::PushButton, 2, Text::cancel, {86, 116, 76, 14}, kButton},
        {CK::PushButton, 1185, Text::help, {166, 116, 76, 14}, kButton},
    };
    static constexpr DT sortDialog{114, Text::sortCaption, kDialog, {0, 0, 248, 136}, kFont, sort};

    // --- Swaps -------------------------------------------------------------------------------
    static constexpr CT swapHands[] = {
        {CK::GroupBox, -1, Text::playerGroup, {6, 4, 220, 54}, 0},
        {CK::RadioButton, 1037, Text::withLeft, {12, 16, 208, 10}, kFirstRadio},
        {CK::RadioButton, 1038, Text::withRight, {12, 29, 208, 10}, kRadio},
        {CK::RadioButton, 1039, Text::leftWithRight, {12, 42, 208, 10}, kRadio},
        {CK::PushButton, 1, "&OK", {6, 66, 70, 14}, kDefault},
        {CK::PushButton, 2, Text::cancel, {81, 66, 70, 14}, kButton},
        {CK::PushButton, 1185, Text::help, {156, 66, 70, 14}, kButton},
    };
    static constexpr DT swapHandsDialog{314, Text::swapHandsCaption, kDialog, {0, 0, 232, 86}, kFont, swapHands};
    static constexpr int PairRow(int n) { return 16 + 13 * n; }
    static constexpr CT swapSuits[] = {
        {CK::GroupBox, -1, Text::suitsGroup, {6, 4, 150, 94}, 0},
        {CK::RadioButton, 1179, Text::clubsSpades, {12, PairRow(0), 138, 10}, kFirstRadio},
        {CK::RadioButton, 1180, Text::clubsHearts, {12, PairRow(1), 138, 10}, kRadio},
        {CK::RadioButton, 1181, Text::clubsDiamonds, {12, PairRow(2), 138, 10}, kRadio},
        {CK::RadioButton, 1182, Text::spadesHearts, {12, PairRow(3), 138, 10}, kRadio},
        {CK::RadioButton, 1183, Text::spadesDiamonds, {12, PairRow(4), 138, 10}, kRadio},
        {CK::RadioButton, 1184, Text::heartsDiamonds, {12, PairRow(5), 138, 10}, kRadio},
        {CK::GroupBox, -1, Text::jacksGroup, {162, 4, 90, 42}, 0},
        {CK::RadioButton, 1187, Text::exclude, {168, 16, 78, 10}, kFirstRadio},
        {CK::RadioButton, 1188, Text::include, {168, 29, 78, 10}, kRadio},
        {CK::PushButton, 1, "&OK", {6, 106, 78, 14}, kDefault},
        {CK::PushButton, 2, Text::cancel, {90, 106, 78, 14}, kButton},
        {CK::PushButton, 1185, Text::help, {174, 106, 78, 14}, kButton},
    };
    static constexpr DT swapSuitsDialog{302, Text::swapSuitsCaption, kDialog, {0, 0, 258, 126}, kFont, swapSuits};

    // --- Pictures ------------------------------------------------------------------------------
    static constexpr int ImageRow(int n) { return 34 + 18 * n; }
    static constexpr CT images[] = {
        {CK::Static, -1, Text::imageHeading, {8, 6, 310, 8}, 0},
        {CK::Static, -1, Text::playerColumn, {8, 20, 80, 8}, 0},
        {CK::Static, -1, Text::yesNoColumn, {262, 20, 56, 8}, 0},
        {CK::Static, 1064, "", {8, ImageRow(0) + 2, 82, 10}, 0},
        {CK::Edit, 1259, "", {92, ImageRow(0), 144, 12}, kField},
        {CK::PushButton, 4, "...", {240, ImageRow(0), 20, 12}, kButton},
        {CK::CheckBox, 1260, "", {264, ImageRow(0) + 1, 10, 10}, kFirstBox},
        {CK::Static, -1, Text::left, {278, ImageRow(0) + 2, 40, 8}, 0},
        {CK::Static, 1065, "", {8, ImageRow(1) + 2, 82, 10}, 0},
        {CK::Edit, 1048, "", {92, ImageRow(1), 144, 12}, kField},
        {CK::PushButton, 5, "...", {240, ImageRow(1), 20, 12}, kButton},
        {CK::CheckBox, 1261, "", {264, ImageRow(1) + 1, 10, 10}, kFirstBox},
        {CK::Static, -1, Text::right, {278, ImageRow(1) + 2, 40, 8}, 0},
        {CK::Static, 1264, "", {8, ImageRow(2) + 2, 82, 10}, 0},
        {CK::Edit, 1049, "", {92, ImageRow(2), 144, 12}, kField},
        {CK::PushButton, 6, "...", {240, ImageRow(2), 20, 12}, kButton},
        {CK::CheckBox, 1262, "", {264, ImageRow(2) + 1, 10, 10}, kFirstBox},
        {CK::Static, -1, Text::left, {278, ImageRow(2) + 2, 40, 8}, 0},
        {CK::Edit, 1050, "", {92, ImageRow(3), 144, 12}, kField},
        {CK::PushButton, 7, "...", {240, ImageRow(3), 20, 12}, kButton},
        {CK::CheckBox, 1263, "", {264, ImageRow(3) + 1, 10, 10}, kFirstBox},
        {CK::Static, -1, Text::right, {278, ImageRow(3) + 2, 40, 8}, 0},
        {CK::PushButton, 3, "&Standard", {8, 112, 72, 14}, kButton},
        {CK::PushButton, 1, "&OK", {86, 112, 72, 14}, kButton},
        {CK::PushButton, 2, Text::cancel, {164, 112, 72, 14}, kDefault},
        {CK::PushButton, 1185, Text::help, {242, 112, 76, 14}, kButton},
    };
    static constexpr DT imagesDialog{313, Text::imagesCaption, kDialog, {0, 0, 324, 132}, kFont, images};

    // --- Annotation panel: one text filling the window ----------------------------------------
    static constexpr CT annotation[] = {
        {CK::Edit, 1069, "", {0, 0, 220, 90}, kField | platform::CTL_MULTILINE},
    };
    static constexpr DT annotationDialog{221, Text::annotationCaption, platform::DLG_MODELESS | platform::DLG_NO_PARENT,
                                         {0, 0, 220, 90}, kFont, annotation};

    static const platform::DialogTemplate* Find(int id) {
        for (const DT* dialog : {&annotationDialog, &configurationDialog, &ramschDialog, &riskDialog, &delayDialog, &namesDialog, &imagesDialog,
                                 &cardBackDialog, &cardFaceDialog, &sortDialog, &swapHandsDialog, &swapSuitsDialog}) {
            if (dialog->id == id) return dialog;
        }
        return nullptr;
    }
};

}  // namespace resources

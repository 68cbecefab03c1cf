#pragma once
// The templates of the game-event messages that answer a question or end a match: the person's
// Rekontra, the acceptance of a give-up, the all-passed notice of variant Skat, the explanation
// with its rule links and the start of a new match. Laid out once for both editions; each edition
// supplies its captions as a type with one constant per text (see ge/Dialogs.cpp).
//
// A text box that grows with its text (the explanation) is one line high: it grows by one line for
// each line of the text. The others keep their size. The explanation's rule links are placed by
// the dialog beside the lines they explain, right of the text box (222 to 252 pixels).

#include "resources/PromptTemplates.h"

namespace resources {

template <class Text>
struct EventTemplates {
    static constexpr ControlTemplate rekontraControls[] = {
        {ControlKind::RichText, 1131, "", {7, 7, 200, 40}, 0},
        {ControlKind::Image, 1078, "", {7, 52, 20, 20}, 0},
        {ControlKind::PushButton, 1, "&OK", {46, 54, 50, 14}, kDefault},
        {ControlKind::PushButton, 1016, "&Rekontra", {102, 54, 50, 14}, kButton},
        {ControlKind::PushButton, 1185, "", {158, 54, 30, 14}, kButton | kHidden},
    };
    static constexpr DialogTemplate rekontra{176, "Kontra", kMessageStyle, {0, 0, 214, 76}, kDialogFont,
                                             rekontraControls};

    static constexpr ControlTemplate resignControls[] = {
        {ControlKind::RichText, 1131, "", {7, 7, 200, 40}, 0},
        {ControlKind::Static, -1, Text::acceptAbandon, {7, 52, 200, 8}, 0},
        {ControlKind::PushButton, 1, Text::yes, {50, 66, 50, 14}, kDefault},
        {ControlKind::PushButton, 2, Text::no, {114, 66, 50, 14}, kButton},
    };
    static constexpr DialogTemplate resign{197, Text::game, kMessageStyle, {0, 0, 214, 86}, kDialogFont,
                                           resignControls};

    static constexpr ControlTemplate passedVariantControls[] = {
        {ControlKind::RichText, 1131, "", {7, 7, 200, 40}, 0},
        {ControlKind::PushButton, 1, "&OK", {82, 52, 50, 14}, kDefault},
    };
    static constexpr DialogTemplate passedVariant{198, Text::game, kMessageStyle, {0, 0, 214, 72}, kDialogFont,
                                                  passedVariantControls};

    // The links wait hidden beside the text box until the dialog places the ones it needs.
    static constexpr ControlTemplate infoControls[] = {
        {ControlKind::RichText, 1131, "", {7, 7, 138, 12}, 0},
        {ControlKind::PushButton, 1, "&OK", {62, 24, 50, 14}, kDefault},
        {ControlKind::PushButton, 1272, "", {148, 7, 20, 11}, kButton | kHidden},
        {ControlKind::PushButton, 1273, "", {148, 7, 20, 11}, kButton | kHidden},
        {ControlKind::PushButton, 1274, "", {148, 7, 20, 11}, kButton | kHidden},
        {ControlKind::PushButton, 1275, "", {148, 7, 20, 11}, kButton | kHidden},
        {ControlKind::PushButton, 1276, "", {148, 7, 20, 11}, kButton | kHidden},
        {ControlKind::PushButton, 1277, "", {148, 7, 20, 11}, kButton | kHidden},
        {ControlKind::PushButton, 1278, "", {148, 7, 20, 11}, kButton | kHidden},
        {ControlKind::PushButton, 1279, "", {148, 7, 20, 11}, kButton | kHidden},
    };
    static constexpr DialogTemplate info{273, Text::game, kMessageStyle, {0, 0, 174, 44}, kDialogFont, infoControls};

    static constexpr ControlTemplate startControls[] = {
        {ControlKind::RichText, 1131, "", {7, 7, 206, 30}, 0},
        {ControlKind::Static, -1, Text::whoStarts, {7, 42, 206, 8}, 0},
        {ControlKind::PushButton, 1002, "&1", {7, 54, 66, 14}, kButton},
        {ControlKind::PushButton, 1003, "&2", {77, 54, 66, 14}, kButton},
        {ControlKind::PushButton, 1001, "&3", {147, 54, 66, 14}, kButton},
        {ControlKind::PushButton, 1004, Text::byChance, {7, 72, 100, 14}, kDefault},
        {ControlKind::PushButton, 2, Text::breakOff, {113, 72, 50, 14}, kButton},
        {ControlKind::PushButton, 1185, Text::help, {167, 72, 46, 14}, kButton},
    };
    static constexpr DialogTemplate start{155, Text::newMatch, kMessageStyle, {0, 0, 220, 92}, kDialogFont,
                                          startControls};

    static constexpr const DialogTemplate* all[] = {&rekontra, &resign, &passedVariant, &info, &start};

    static const DialogTemplate* Find(int id) {
        for (const DialogTemplate* found : all)
            if (found->id == id) return found;
        return nullptr;
    }
};

}  // namespace resources

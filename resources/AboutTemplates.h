#pragma once
// The about box (100), laid out once for both editions; each edition supplies its caption and the
// id of its notice line (the editions number that line differently).
//
// The icon at the top left, the product name centred over two credit lines, version and date, the
// mail and web links after their labels, the notice line, and the three buttons in one row.

#include "platform/core/DialogTemplate.h"

namespace resources {

template <class Text>
struct AboutTemplates {
    using CK = platform::ControlKind;
    using CT = platform::ControlTemplate;

    static constexpr CT controls[] = {
        {CK::Image, 283, "", {8, 8, 21, 20}, 0},
        {CK::Static, 1125, "Kartovan+", {36, 8, 142, 16}, platform::CTL_CENTER},
        {CK::Static, 1070, "", {8, 32, 170, 10}, platform::CTL_CENTER},
        {CK::Static, 1071, "", {8, 43, 170, 10}, platform::CTL_CENTER},
        {CK::Static, 1127, "", {8, 58, 80, 10}, 0},
        {CK::Static, 1265, "", {98, 58, 80, 10}, platform::CTL_RIGHT},
        {CK::Static, -1, "E-Mail:  ", {8, 74, 32, 10}, 0},
        {CK::Static, 1129, "", {42, 74, 136, 10}, 0},
        {CK::Static, -1, "Web:  ", {8, 86, 32, 10}, 0},
        {CK::Static, 1131, "", {42, 86, 136, 10}, 0},
        {CK::Static, Text::noticeId, "", {8, 102, 170, 10}, platform::CTL_CENTER},
        {CK::PushButton, 1, "&OK", {8, 120, 52, 14}, platform::CTL_TABSTOP | platform::CTL_DEFAULT},
        {CK::PushButton, 1177, "&Feedback", {66, 120, 52, 14}, platform::CTL_TABSTOP},
        {CK::PushButton, 1176, "&System", {124, 120, 54, 14}, platform::CTL_TABSTOP},
    };
    static constexpr platform::DialogTemplate about{100, Text::aboutCaption, platform::DLG_CENTER,
                                                    {0, 0, 185, 142}, {"MS Sans Serif", 8}, controls};

    static const platform::DialogTemplate* Find(int id) { return id == about.id ? &about : nullptr; }
};

}  // namespace resources

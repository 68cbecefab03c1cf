// The information panels' templates in both editions: the same controls in the same places inside
// the panel, the captions, and room for every label and for the longest texts the panels show.
#include "TemplateFit.h"

#include "platform/core/DialogTemplate.h"
#include "platform/core/Resources.h"
#include "resources/Editions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using platform::DialogTemplate;

const DialogTemplate* Find(const platform::ResourceSet& edition, int id) {
    platform::SetResources(&edition);
    const DialogTemplate* found = platform::FindDialog(id);
    platform::SetResources(nullptr);
    return found;
}

const platform::ControlTemplate* Control(const DialogTemplate& dialog, int id) {
    for (const platform::ControlTemplate& control : dialog.controls)
        if (control.id == id) return &control;
    return nullptr;
}

TEST(PanelTemplates, BothEditionsHaveEachPanelWithTheSameControlsInside) {
    const struct {
        int id;
        const char* german;
        const char* english;
    } cases[] = {{172, "Spieldaten", "Game Data"}, {188, "", ""}, {298, "Spielwert", ""}};
    for (const auto& c : cases) {
        const DialogTemplate* german = Find(GermanResources(), c.id);
        const DialogTemplate* english = Find(EnglishResources(), c.id);
        ASSERT_NE(german, nullptr) << c.id;
        ASSERT_NE(english, nullptr) << c.id;
        EXPECT_STREQ(german->caption, c.german);
        EXPECT_STREQ(english->caption, c.english);
        EXPECT_TRUE(german->style & platform::DLG_MODELESS) << c.id;
        ASSERT_EQ(german->controls.size(), english->controls.size()) << c.id;
        std::set<int> ids;
        for (std::size_t i = 0; i < german->controls.size(); ++i) {
            const auto& g = german->controls[i];
            const auto& e = english->controls[i];
            EXPECT_EQ(g.id, e.id) << c.id;
            EXPECT_EQ(g.rect.x, e.rect.x) << c.id << " " << g.id;
            EXPECT_EQ(g.rect.y, e.rect.y) << c.id << " " << g.id;
            if (g.id > 0) {
                EXPECT_TRUE(ids.insert(g.id).second) << c.id << ": control " << g.id << " twice";
            }
            EXPECT_LE(g.rect.x + g.rect.cx, german->rect.cx) << c.id << " " << g.id;
            if (g.kind != platform::ControlKind::ComboBox) {
                EXPECT_LE(g.rect.y + g.rect.cy, german->rect.cy) << c.id << " " << g.id;
            }
        }
        for (int button : {1, 1185}) EXPECT_TRUE(ids.count(button)) << c.id << " lacks " << button;
    }
    const DialogTemplate* data = Find(GermanResources(), 172);
    EXPECT_EQ(data->rect.cx, 279);
    EXPECT_EQ(data->rect.cy, 162);
}

TEST(PanelTemplates, EveryLabelAndTheLongestShownTextsFit) {
    const std::string wideName(20, 'W');
    const struct {
        int dialog, control;
        std::string german, english;
    } shown[] = {
        {172, 1064, wideName + ":", wideName + ":"},
        {172, 1014, wideName, wideName},
        {172, 1021, "Rekontra (" + wideName + ")", "Rekontra (" + wideName + ")"},
        {172, 1024, "Ramschrunden 999: Spiel 3", "Ramsch Round (999): Game 3"},
        {172, 1022, "Ramsch (2 mal Schieben)", "Ramsch (2 times pass on)"},
        {172, 1023, "Spielserie: 9999", "Game Series: 9999"},
        {172, 1030, "3333 / 3", "3333 / 3"},
        {172, 1027, "-99999", "-99999"},
        {172, 1034, "-999999", "-999999"},
        {172, 1031, "999", "999"},
        {172, 1040, "999", "999"},
        {188, 1049, "Karten: rechter Gegner", "Cards: right Opponent"},
        {188, 1071, "Anzahl\nKarten\naußerhalb", "Number of\nCards\noutside"},
        {188, 1052, "Niedrigste\nKarte\ninnerhalb", "Highest\nCard\nwithin"},
        {188, 1046, "rechter Gegner", "right Opponent"},
        {188, 1022, "Revolution", "Revolution"},
        {188, 1020, "11", "11"},
        {188, 1025, "Nein", "Yes"},
    };
    for (const platform::ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        const bool german = edition == &GermanResources();
        for (int id : {172, 188, 298}) {
            const DialogTemplate* dialog = Find(*edition, id);
            ASSERT_NE(dialog, nullptr);
            for (const platform::ControlTemplate& control : dialog->controls)
                EXPECT_TRUE(testsupport::TextFits(control)) << edition->language << " " << id << ": \"" << control.text << "\"";
        }
        for (const auto& s : shown) {
            const platform::ControlTemplate* control = Control(*Find(*edition, s.dialog), s.control);
            ASSERT_NE(control, nullptr) << s.control;
            const std::string& text = german ? s.german : s.english;
            EXPECT_TRUE(testsupport::TextFits(*control, text.c_str())) << edition->language << " " << s.control << ": \"" << text << "\"";
        }
    }
}

}  // namespace

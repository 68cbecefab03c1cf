// The settings dialogs' templates in both editions: every one there, the same controls in the same
// places, and room for every text in the longer edition's words.
#include "TemplateFit.h"
#include "dialogs/SettingsIds.h"
#include "platform/core/DialogTemplate.h"
#include "platform/core/Resources.h"
#include "resources/Editions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

using platform::ControlKind;
using platform::DialogTemplate;
using testsupport::LongestLine;
using testsupport::NeededWidth;

const int kTemplates[] = {IDD_CONFIGURATION, IDD_RAMSCH_EVAL_MODE, IDD_RISK_DISPOSITION, IDD_DELAY, IDD_NAMES,
                          IDD_CARD_BACK,     IDD_CARD_FACE,        IDD_SORT,             IDD_SWAP_HANDS, IDD_SWAP_SUITS,
                          IDD_SETTINGS,      IDD_SAVE_INIT_VALUES, IDD_TERMINATION,      IDD_LOGGING,    IDD_RENAME,
                          IDD_IMAGES,        221};

const DialogTemplate* Find(const platform::ResourceSet& edition, int id) {
    platform::SetResources(&edition);
    const DialogTemplate* found = platform::FindDialog(id);
    platform::SetResources(nullptr);
    return found;
}

TEST(SettingsTemplates, BothEditionsHaveEveryDialogWithTheSameControlsInPlace) {
    for (int id : kTemplates) {
        const DialogTemplate* german = Find(GermanResources(), id);
        const DialogTemplate* english = Find(EnglishResources(), id);
        ASSERT_NE(german, nullptr) << id;
        ASSERT_NE(english, nullptr) << id;
        EXPECT_STRNE(german->caption, "") << id;
        ASSERT_EQ(german->controls.size(), english->controls.size()) << id;
        std::set<int> ids;
        for (std::size_t i = 0; i < german->controls.size(); ++i) {
            const auto& g = german->controls[i];
            const auto& e = english->controls[i];
            EXPECT_EQ(g.id, e.id) << id;
            EXPECT_EQ(g.kind, e.kind) << id << " " << g.id;
            EXPECT_EQ(g.rect.x, e.rect.x) << id << " " << g.id;
            EXPECT_EQ(g.rect.cx, e.rect.cx) << id << " " << g.id;
            if (g.id > 0) {
                EXPECT_TRUE(ids.insert(g.id).second) << id << ": control " << g.id << " twice";
            }
            // Inside the dialog.
            EXPECT_LE(g.rect.x + g.rect.cx, german->rect.cx) << id << " " << g.id;
            if (g.kind != ControlKind::ComboBox) {
                EXPECT_LE(g.rect.y + g.rect.cy, german->rect.cy) << id << " " << g.id;
            }
        }
        // Every modal dialog has its OK, Cancel and Help; the annotation panel is one text.
        if (id == 221) continue;
        for (int button : {1, 2, 1185}) EXPECT_TRUE(ids.count(button)) << id << " lacks " << button;
    }
}

TEST(SettingsTemplates, EveryTextFitsItsControlInBothEditions) {
    for (const platform::ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        for (int id : kTemplates) {
            const DialogTemplate* dialog = Find(*edition, id);
            ASSERT_NE(dialog, nullptr);
            for (const platform::ControlTemplate& control : dialog->controls) {
                if (!control.text || !*control.text) continue;
                std::size_t lines = 0;
                const std::size_t longest = LongestLine(control.text, lines);
                // A static wraps onto the lines its height holds (eight units each).
                const int rows = control.kind == ControlKind::Static ? std::max(1, control.rect.cy / 8) : 1;
                const int needed = NeededWidth(control, longest);
                if (rows > 1 && lines == 1) {
                    EXPECT_LE(needed, control.rect.cx * rows - 16)
                        << edition->language << " " << id << ": \"" << control.text << "\"";
                } else {
                    EXPECT_LE(needed, control.rect.cx) << edition->language << " " << id << ": \"" << control.text << "\"";
                    EXPECT_LE(static_cast<int>(lines) * 8, std::max(control.rect.cy, 8))
                        << edition->language << " " << id << ": \"" << control.text << "\"";
                }
            }
        }
    }
}

TEST(SettingsTemplates, TheDeckNamesAreInBothEditions) {
    for (const platform::ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        platform::SetResources(edition);
        for (int id = 41501; id <= 41510; ++id) EXPECT_FALSE(platform::LoadString(id).empty()) << edition->language << id;
        platform::SetResources(nullptr);
    }
}

}  // namespace

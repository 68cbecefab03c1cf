// The bars' and messages' templates in both editions: the same controls at the same places, the
// strips' shape, the right-hand groups exactly `cut` units wide, and the strings the game needs.

#include "dialogs/DialogIds.h"
#include "platform/core/DialogTemplate.h"
#include "platform/core/Resources.h"
#include "resources/Editions.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using platform::ControlKind;
using platform::DialogTemplate;

const int kBars[] = {IDD_AUCTION, IDD_SKAT, IDD_SKAT_RAMSCH, IDD_CONTINUE, IDD_DECLARE, IDD_END_SWAP_REVOLUTION,
                     IDD_END_SWAP_GAME, IDD_END_SWAP_RAMSCH, IDD_GRAND_HAND, IDD_SUGGEST, IDD_KONTRA_FIRST,
                     IDD_RESUME_SWAP};
const int kMessages[] = {IDD_KONTRA,    IDD_MESSAGE,        IDD_PASSED_RULE, IDD_RESULT, IDD_REKONTRA,
                         IDD_RESIGN,    IDD_PASSED_VARIANT, IDD_INFO,        IDD_START};

class TemplatesTest : public ::testing::Test {
protected:
    ~TemplatesTest() override { platform::SetResources(nullptr); }
    static const DialogTemplate* Find(const platform::ResourceSet& edition, int id) {
        platform::SetResources(&edition);
        return platform::FindDialog(id);
    }
};

TEST_F(TemplatesTest, BothEditionsHaveEveryTemplateWithTheSameControlsInPlace) {
    std::vector<int> all(std::begin(kBars), std::end(kBars));
    all.insert(all.end(), std::begin(kMessages), std::end(kMessages));
    for (int id : all) {
        const DialogTemplate* german = Find(GermanResources(), id);
        const DialogTemplate* english = Find(EnglishResources(), id);
        ASSERT_NE(german, nullptr) << id;
        ASSERT_NE(english, nullptr) << id;
        ASSERT_EQ(german->controls.size(), english->controls.size()) << id;
        for (std::size_t i = 0; i < german->controls.size(); ++i) {
            EXPECT_EQ(german->controls[i].id, english->controls[i].id) << id;
            EXPECT_EQ(german->controls[i].rect.x, english->controls[i].rect.x) << id;
            EXPECT_EQ(german->controls[i].rect.cx, english->controls[i].rect.cx) << id;
        }
    }
}

TEST_F(TemplatesTest, BarsAreCaptionlessStripsOfButtonsFourteenUnitsHigh) {
    for (int id : kBars) {
        const DialogTemplate* bar = Find(GermanResources(), id);
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->style & platform::DLG_STRIP) << id;
        EXPECT_TRUE(bar->style & platform::DLG_NO_PARENT) << id;
        EXPECT_STREQ(bar->caption, "") << id;
        std::set<int> rows;
        int defaults = 0;
        for (const platform::ControlTemplate& control : bar->controls) {
            EXPECT_EQ(control.rect.cy, id == IDD_END_SWAP_RAMSCH ? 15 : 14) << id << " " << control.id;
            rows.insert(control.rect.y);
            defaults += (control.style & platform::CTL_DEFAULT) != 0;
            EXPECT_LE(control.rect.x + control.rect.cx, bar->rect.cx) << id << " " << control.id;
            EXPECT_LE(control.rect.y + control.rect.cy, bar->rect.cy) << id << " " << control.id;
        }
        EXPECT_EQ(rows.size(), id == IDD_DECLARE ? 2u : 1u) << id;
        EXPECT_EQ(defaults, id == IDD_DECLARE ? 0 : 1) << id;
    }
}

struct CutCase {
    int id;
    int cut;
    std::set<int> rightGroup;
};

// The group that narrowing hides lies wholly within the last `cut` units; nothing else reaches in.
TEST_F(TemplatesTest, TheRightGroupIsExactlyCutUnitsWide) {
    const CutCase cases[] = {
        {IDD_AUCTION, 68, {IDC_SUGGEST_GAME}},
        {IDD_END_SWAP_REVOLUTION, 84, {IDC_SUGGEST}},
        {IDD_SKAT_RAMSCH, 120, {IDC_DURCHMARSCH, IDC_RULE}},
        {IDD_END_SWAP_RAMSCH, 192, {IDC_SUGGEST, IDC_DURCHMARSCH, IDC_RULE}},
        {IDD_GRAND_HAND, 60, {IDC_RULE}},
    };
    for (const auto& edition : {&GermanResources(), &EnglishResources()}) {
        for (const CutCase& c : cases) {
            const DialogTemplate* bar = Find(*edition, c.id);
            ASSERT_NE(bar, nullptr);
            const int edge = bar->rect.cx - c.cut;
            std::set<int> beyond;
            for (const platform::ControlTemplate& control : bar->controls) {
                const bool starts = control.rect.x >= edge;
                if (starts) beyond.insert(control.id);
                else EXPECT_LE(control.rect.x + control.rect.cx, edge) << c.id << " " << control.id;
            }
            EXPECT_EQ(beyond, c.rightGroup) << c.id;
        }
    }
}

struct CaptionCase {
    int dialog;
    int control;
    const char* german;
    const char* english;
};

TEST_F(TemplatesTest, CaptionsOfBothEditions) {
    const CaptionCase cases[] = {
        {IDD_AUCTION, IDC_PASS, "&passe", "&Pass"},
        {IDD_AUCTION, IDC_SUGGEST_GAME, "&Spiel vorschlagen", "&Suggest Game"},
        {IDD_SKAT, IDC_PICKUP, "Skat &aufnehmen", "&Pick up Skat"},
        {IDD_SKAT, IDC_HAND, "&Handspiel", "&Hand Game"},
        {IDD_DECLARE, IDC_DIAMONDS, "K&aro", "Kar&o"},
        {IDD_DECLARE, IDC_SUGGEST_GAME, "S&piel?", "G&ame?"},
        {IDD_DECLARE, IDC_HELP, "&Hilfe", "&Help"},
        {IDD_DECLARE, IDC_SUGGEST_SKAT_BOX, "Ska&t?", "Ska&t?"},
        {IDD_END_SWAP_GAME, IDC_FINISH_SWAP, "&Fertig mit Tauschen", "&End Swapping"},
        {IDD_END_SWAP_REVOLUTION, IDC_SUGGEST, "Austausch &vorschlagen", "&Suggest Swapping"},
        {IDD_SKAT_RAMSCH, IDC_PASS_ON, "&Schieben", "Pass &on"},
        {IDD_SKAT_RAMSCH, IDC_RULE, "Rege&l", "&Rule"},
        {IDD_END_SWAP_RAMSCH, IDC_SUGGEST, "Skat &vorschlagen", "&Suggest Skat"},
        {IDD_END_SWAP_RAMSCH, IDC_RULE, "Rege&l", "Ru&le"},
        {IDD_GRAND_HAND, IDC_GRAND_HAND, "&Grand Hand", "&Grand Hand"},
        {IDD_SUGGEST, IDC_SUGGEST, "&Vorschlag", "&Suggestion"},
        {IDD_KONTRA_FIRST, IDC_KONTRA, "&Kontra", "&Kontra"},
        {IDD_PASSED_RULE, IDC_REPEAT_BOX, "&Wiederhole Spiel", "&Repeat Game"},
        {IDD_PASSED_RULE, IDC_OK, "&Ja", "&Yes"},
        {IDD_PASSED_RULE, IDC_CANCEL, "&Nein", "&No"},
        {IDD_RESULT, IDC_CONTINUE, "Weiter mit nächstem Spiel?", "Continue with next Game?"},
        {IDD_RESULT, IDC_COURSE, "&Spielverlauf", "&Game Course"},
        {IDD_REKONTRA, IDC_OK, "&OK", "&OK"},
        {IDD_REKONTRA, IDC_REKONTRA, "&Rekontra", "&Rekontra"},
        {IDD_RESIGN, -1, "Spielaufgabe akzeptieren ?", "Accept Abandon of the Game ?"},
        {IDD_RESIGN, IDC_OK, "&Ja", "&Yes"},
        {IDD_RESIGN, IDC_CANCEL, "&Nein", "&No"},
        {IDD_PASSED_VARIANT, IDC_OK, "&OK", "&OK"},
        {IDD_INFO, IDC_OK, "&OK", "&OK"},
        {IDD_START, -1, "Wer soll bei neuer Serie beginnen ?", "Who shall start at the new Match ?"},
        {IDD_START, IDC_START_SEAT0, "&1", "&1"},
        {IDD_START, IDC_START_SEAT1, "&2", "&2"},
        {IDD_START, IDC_START_SEAT2, "&3", "&3"},
        {IDD_START, IDC_START_RANDOM, "per &Zufall bestimmen", "Determined by &Chance"},
        {IDD_START, IDC_CANCEL, "&Abbrechen", "&Break"},
        {IDD_START, IDC_HELP, "&Hilfe", "&Help"},
    };
    for (const CaptionCase& c : cases) {
        for (const auto& [edition, expected] :
             {std::pair{&GermanResources(), c.german}, std::pair{&EnglishResources(), c.english}}) {
            const DialogTemplate* dialog = Find(*edition, c.dialog);
            ASSERT_NE(dialog, nullptr);
            const char* found = nullptr;
            for (const platform::ControlTemplate& control : dialog->controls)
                if (control.id == c.control) found = control.text;
            ASSERT_NE(found, nullptr) << c.dialog << " " << c.control;
            EXPECT_STREQ(found, expected) << c.dialog << " " << c.control;
        }
    }
    EXPECT_STREQ(Find(GermanResources(), IDD_MESSAGE)->caption, "Spiel");
    EXPECT_STREQ(Find(EnglishResources(), IDD_MESSAGE)->caption, "Game");
    EXPECT_STREQ(Find(GermanResources(), IDD_START)->caption, "Serienende  -  neue Serie");
    EXPECT_STREQ(Find(EnglishResources(), IDD_START)->caption, "End of match  -  new match");
    EXPECT_STREQ(Find(GermanResources(), IDD_REKONTRA)->caption, "Kontra");
}

// The text boxes that grow with their text start one line high; the others keep their size.
TEST_F(TemplatesTest, GrowingTextBoxesAreOneLineHigh) {
    for (const auto& edition : {&GermanResources(), &EnglishResources()}) {
        for (int id : {IDD_MESSAGE, IDD_INFO, IDD_RESULT}) {
            const DialogTemplate* dialog = Find(*edition, id);
            ASSERT_NE(dialog, nullptr) << id;
            int height = 0;
            for (const platform::ControlTemplate& control : dialog->controls)
                if (control.id == IDC_TEXT) height = control.rect.cy;
            EXPECT_EQ(height, 12) << id;
        }
    }
}

// Each message's text box, its question and its buttons lie inside the window, and no two of its
// shown controls overlap (the Kontra message's pictures and second "&OK" share places on purpose).
TEST_F(TemplatesTest, TheNewMessagesControlsLieApart) {
    for (int id : {IDD_REKONTRA, IDD_RESIGN, IDD_PASSED_VARIANT, IDD_INFO, IDD_START}) {
        const DialogTemplate* dialog = Find(GermanResources(), id);
        ASSERT_NE(dialog, nullptr) << id;
        std::vector<platform::ControlTemplate> shown;
        for (const platform::ControlTemplate& control : dialog->controls) {
            EXPECT_LE(control.rect.x + control.rect.cx, dialog->rect.cx) << id << " " << control.id;
            EXPECT_LE(control.rect.y + control.rect.cy, dialog->rect.cy) << id << " " << control.id;
            if (control.style & platform::CTL_HIDDEN) continue;
            for (const platform::ControlTemplate& other : shown) {
                const bool apart = control.rect.x >= other.rect.x + other.rect.cx ||
                                   other.rect.x >= control.rect.x + control.rect.cx ||
                                   control.rect.y >= other.rect.y + other.rect.cy ||
                                   other.rect.y >= control.rect.y + control.rect.cy;
                EXPECT_TRUE(apart) << id << ": " << control.id << " and " << other.id;
            }
            shown.push_back(control);
        }
    }
}

TEST_F(TemplatesTest, BothEditionsHaveTheStringsOfTheAuctionAndTheDeclaration) {
    std::vector<int> ids = {200,   201,   202,   203,   40325, 40326, 41009, 41021, 41022, 41025, 41026,
                            41044, 41045, 41068, 41069, 41092, 41093, 41095, 41100, 41110, 41116, 41173,
                            41174, 41175, 41180, 41201, 41206, 41207, 41314, 41332};
    for (int id = 41030; id <= 41041; ++id) ids.push_back(id);
    for (const auto& edition : {&GermanResources(), &EnglishResources()}) {
        platform::SetResources(edition);
        for (int id : ids) EXPECT_TRUE(platform::HasString(id)) << edition->language << " " << id;
    }
    platform::SetResources(&GermanResources());
    EXPECT_EQ(platform::LoadString(41206), "reiz&e");
    EXPECT_EQ(platform::LoadString(41207), "halt&e");
    platform::SetResources(&EnglishResources());
    EXPECT_EQ(platform::LoadString(41206), "&Bid");
    EXPECT_EQ(platform::LoadString(41207), "&Hold");
}

}  // namespace

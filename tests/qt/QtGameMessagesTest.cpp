// The game's messages on the Qt host, in both editions: a computer's declaration with the Kontra
// question, a plain message, a long result of a game, the passed-out question and its Ramsch notice,
// a computer's offer to give up, the Rekontra prompt and the new match's standings. Each shows its whole text: the rich
// text, laid out in the host's fonts at the box's width, fits the box without a scroll bar. Every
// player bears a name as long as the name field takes.
//
// On screens scaled once and twice; with KARTOVAN_TEST_PNG_DIR set, each message is written there as
// message-<edition>-<name>-<scale>.png.

#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <QScrollBar>
#include <QTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include "QtScaledTwice.h"
#include "QtTestSupport.h"
#include "QtTextFits.h"
#include "dialogs/AnswerDialogs.h"
#include "dialogs/DialogIds.h"
#include "dialogs/MessageDialogs.h"
#include "dialogs/ResultDialog.h"
#include "dialogs/StartDialog.h"
#include "flow/MatchEndText.h"
#include "flow/RichText.h"
#include "match/GameScoring.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "resources/Editions.h"
#include "resources/ids.h"
#include "support/BidIndex.h"
#include "support/ProgramGlobals.h"

namespace {

using namespace platform;

// Names as long as the name field takes, in letters of real names.
const std::array<std::string, 3> kLongNames{"Maximilian Wolfgramm", "Wilhelmine Oberhuber", "Konstantin Wegmeyer"};

struct MessageCase {
    const char* name;
    std::function<std::unique_ptr<Dialog>()> make;
};

// The end of a lost Hand game of Clubs with Schneider announced and Rekontra, scored as the game's
// end scores it: a result of several lines, its longest as wide as a result line gets.
std::string LongResult() {
    testsupport::ResetProgramState();
    g_Game.SetGameType(GAME_CLUBS);
    g_Game.Soloist = 1;
    g_Game.PartyPoints[0] = 55;
    g_Game.PartyPoints[1] = 65;
    g_Game.PartyTricks[0] = 4;
    g_Game.PartyTricks[1] = 6;
    g_Game.BidIndex = testsupport::BidIndexOf(48);
    g_Game.HandAnnounced = 1;
    g_Game.SchneiderAnnounced = 1;
    g_Game.KontraState = KONTRA_REKONTRA;
    ScoreNames names;
    for (int seat = 0; seat < 3; ++seat) names.seat[seat] = kLongNames[seat];
    GameScore score = ScoreSuitGame(-1, 1, 0, names);
    ApplyOverbid(score, 48);
    testsupport::ResetProgramState();
    return LoadString(IDS_RICH_TEXT_HEAD) + score.resultText + "}";
}

std::string Declaration() {
    return PlayerMessage(kLongNames[0], LoadString(IDS_PLAYS) + " Grand Hand Ouvert, Schwarz", false);
}

void EveryMessageShowsItsWholeText() {
    QtHost host;
    qttest::RecordingWindow frame;
    ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 1000, 800}));
    const std::array<std::string, 3>& names = kLongNames;
    // Balances of a long evening.
    const int balances[3] = {12480, -5952, -6528};
    const int numbers[3] = {3, 1, 2};
    const MessageCase cases[] = {
        {"declaration", [] { return std::make_unique<CKontraDialog>(true, Declaration(), 0); }},
        {"message",
         [] {
             return std::make_unique<CMessageDialog>(PlayerMessage(kLongNames[1], LoadString(IDS_PLAYS) + " Null Ouvert Hand", false),
                                                     0, 0, 0);
         }},
        {"result", [] { return std::make_unique<CResultDialog>(LongResult()); }},
        {"passed-out",
         [] { return std::make_unique<CPassedRuleDialog>(RichTextHead() + LoadString(IDS_PASSED_OUT) + "}"); }},
        {"passed-out-ramsch",
         [] {
             return std::make_unique<CPassedVariantDialog>(RichTextHead() + LoadString(IDS_PASSED_OUT_RAMSCH) + "}");
         }},
        {"abandon-offer",
         [] {
             return std::make_unique<CResignDialog>(PlayerMessage(kLongNames[0], LoadString(IDS_ABANDON_GAME), false));
         }},
        {"rekontra",
         [] {
             return std::make_unique<CRekontraDialog>(PlayerMessage(kLongNames[1], LoadString(IDS_GIVE_KONTRA), false), 0,
                                                      0);
         }},
        {"new-match",
         [&] {
             return std::make_unique<CStartDialog>(FinalStandingText(MatchEndReason(0, names, balances), numbers, names),
                                                   names);
         }},
    };
    const char* pngFolder = std::getenv("KARTOVAN_TEST_PNG_DIR");
    for (const ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        SetResources(edition);
        for (const MessageCase& c : cases) {
            SCOPED_TRACE(std::string(edition->language) + " " + c.name);
            std::unique_ptr<Dialog> dialog = c.make();
            ASSERT_TRUE(dialog->Create(frame.Handle()));
            dialog->ShowWindow(SW_SHOW);
            qttest::PumpFor(60);
            auto* text = qobject_cast<QTextEdit*>(host.WidgetOf(dialog->GetDlgItem(IDC_TEXT)));
            ASSERT_NE(text, nullptr);
            ASSERT_FALSE(text->toPlainText().isEmpty());
            EXPECT_FALSE(text->verticalScrollBar()->isVisible()) << text->toPlainText().toStdString();
            EXPECT_LE(text->document()->size().height(), text->viewport()->height()) << text->toPlainText().toStdString();
            QWidget* window = host.WidgetOf(dialog->Handle());
            ASSERT_NE(window, nullptr);
            // Its buttons' and labels' texts stand whole too.
            const std::vector<std::string> cut = qttest::CutTexts(window);
            EXPECT_TRUE(cut.empty()) << qttest::ScaleName() << qttest::Listed(cut);
            if (pngFolder)
                window->grab().save(QString::fromStdString(std::string(pngFolder) + "/message-" + edition->language +
                                                           "-" + c.name + "-" + qttest::ScaleName() + ".png"));
            dialog->DestroyWindow();
        }
    }
    SetResources(nullptr);
}

TEST(QtGameMessages, EveryMessageShowsItsWholeText) { EveryMessageShowsItsWholeText(); }

TEST(QtGameMessages, EveryMessageShowsItsWholeTextScaledTwice) {
    if (qttest::RanAgainScaledTwice("QtGameMessages.EveryMessageShowsItsWholeTextScaledTwice")) return;
    EveryMessageShowsItsWholeText();
}

}  // namespace

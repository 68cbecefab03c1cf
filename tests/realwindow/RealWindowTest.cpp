// The program in a real window on an X server (run through xvfb-run on the xcb platform, with openbox
// managing the windows): the person plays one card by a mouse click and one by Right and Enter, each
// seen in the trick on a screenshot; the bidding bar stays above the main window after clicks on the
// table and a maximise; with suggestions on the keyboard plays his card after Esc, a click on the
// table or the suggestion; the result dialog shows its rich text in both editions. Clicks and keys
// that the window manager must see go through the X server (xdotool), the stacking is read from it
// (xprop).
//
// With KARTOVAN_TEST_PNG_DIR set, every screenshot is written there as a PNG to look at.

#include "flow/FrameAuction.h"
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProcess>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include "flow/TrickPlay.h"
#include "dialogs/DialogIds.h"
#include "dialogs/ResultDialog.h"
#include "flow/FrameGlobals.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/FlowIds.h"
#include "match/GameScoring.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/BidLadder.h"
#include "model/GameValue.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "qt/AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "qt/QtTestImages.h"
#include "qt/QtTestSupport.h"
#include "realwindow/PersonsTurn.h"
#include "realwindow/RealWindowSupport.h"
#include "resources/ids.h"
#include "tavlo/Tavlo.h"
#include "support/BidIndex.h"
#include "support/FrameGameAccess.h"

namespace {

using qttest::PumpFor;
using qttest::PumpUntil;
using realwindow::Alike;
using realwindow::Grab;
using realwindow::RealClick;
using realwindow::RealKey;
using realwindow::Share;
using realwindow::StackIndex;
using realwindow::Stacking;
using realwindow::TransientFor;

const platform::Color kTableGreen{0, 128, 0};
constexpr int kPersonSeat = 2;

bool IsPaper(platform::Color c) { return c.red > 225 && c.green > 225 && c.blue > 225; }
bool IsTable(platform::Color c) { return c == kTableGreen; }
bool IsDarkRed(platform::Color c) { return c.red > 90 && c.red < 170 && c.green < 50 && c.blue < 50; }

class RealWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")); }
};

class RealWindowPlay : public RealWindowTest {
protected:
    // A finished trick waits on the continue bar, so the person's card stays in it to be seen.
    RealWindowPlay() : app_(false) { WriteProfileInt("Options", "Continue", 0); }

    CMainFrame& Frame() { return app_.Frame(); }
    const CPerson& Person() { return Frame().GameObject().Person(); }
    QWidget* Table() { return platform::QtHost::Current()->WidgetOf(g_Frame.hTableWnd); }

    void ToThePersonsTurn() { realwindow::AnswerBarsUntilThePersonsCard(Frame()); }

    // The program on a 1024 x 768 desktop with a seeded game dealt; then the person's first card.
    void StartAndDeal() {
        app_.Start(1024, 768);
        if (HasFatalFailure()) return;
        app_.Deal();
    }
    void ToTheFirstCard() {
        StartAndDeal();
        if (HasFatalFailure()) return;
        ToThePersonsTurn();
    }

    int FirstLegalSlot() {
        for (int slot = 0; slot < Person().capacity; ++slot)
            if (Person().present[slot] && Person().ValidCard(slot, Frame().GameObject().Trick())) return slot;
        return -1;
    }

    // A card's rectangle in the frame's screenshot: the table fills the client area inside the bars.
    QRect CardInShot(int card) const {
        const HWND table = g_Frame.hTableWnd;
        return {app_.Margins().left() + WC_GetCardX(table, card), app_.Margins().top() + WC_GetCardY(table, card),
                WC_GetCardWidth(table, card), WC_GetCardHeight(table, card)};
    }

    // The person's card lies in the trick, drawn there as it was drawn in his hand: its top left
    // corner (rank and suit, left of the next hand card) matches, where the table showed before.
    void ExpectCardInTrick(int card, const QRect& inHand, const QImage& before, const std::string& name) {
        ASSERT_TRUE(PumpUntil([&] { return Frame().GameObject().Trick().present[kPersonSeat]; }, 5000)) << name;
        ASSERT_EQ(Frame().GameObject().Trick().cards[kPersonSeat], card) << name;
        // The trick full and waiting on the continue bar: the hand and the trick are painted.
        PumpUntil([this] { return ::IsWindow(Frame().Prompts().ContinuePrompt); }, 5000);
        PumpFor(50);
        ASSERT_TRUE(Frame().GameObject().Trick().present[kPersonSeat]) << name;
        const QImage after = app_.Shot(name);
        const QRect inTrick = CardInShot(card);
        EXPECT_NE(inTrick.topLeft(), inHand.topLeft()) << name;
        // The corner index, inset past the rounded corner.
        const QRect corner(3, 3, 8, inHand.height() / 3);
        EXPECT_GT(Share(before, corner.translated(inTrick.topLeft()), IsTable), 0.9) << name;
        EXPECT_GT(Alike(before, corner.translated(inHand.topLeft()), after, corner.translated(inTrick.topLeft())), 0.9)
            << name;
        // A face, mostly paper.
        const double paper = Share(after, inTrick, IsPaper);
        EXPECT_GT(paper, 0.35) << name;
        EXPECT_LT(paper, 0.97) << name;
    }

    void Click(QPointF at) {
        QWidget* table = Table();
        QMouseEvent press(QEvent::MouseButtonPress, at, table->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(table, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, table->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(table, &release);
    }

    // A key pressed and let go where the keyboard's focus is.
    void Key(int key) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }

    qttest::AppOnQtHost app_;
};

TEST_F(RealWindowPlay, ACardGoesToTheTrickByAClickAndOneByRightAndEnter) {
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    app_.Deal();
    if (HasFatalFailure()) return;
    ToThePersonsTurn();
    if (HasFatalFailure()) return;

    // 1. A press and a release of the left button on the first card the rule allows.
    PumpFor(100);  // the last paints
    const int clickSlot = FirstLegalSlot();
    ASSERT_GE(clickSlot, 0);
    const int clicked = Person().cards[clickSlot];
    const QImage beforeClick = app_.Shot("xcb-before-click");
    const QRect clickedInHand = CardInShot(clicked);
    ASSERT_NE(Table(), nullptr);
    Click(QPointF(WC_GetCardX(g_Frame.hTableWnd, clicked) + 4, WC_GetCardY(g_Frame.hTableWnd, clicked) + 12));
    ExpectCardInTrick(clicked, clickedInHand, beforeClick, "xcb-card-by-click");
    if (HasFatalFailure()) return;

    // 2. The next trick: the keyboard goes to the table (a bar's button may hold it, and the window
    // manager activates the main window on request only once it has taken the bar's activation),
    // Right raises a card the rule allows, Enter plays it.
    PumpUntil([this] { return !Frame().FrameTrickPlay().PersonMayPlay(); }, 5000);
    ToThePersonsTurn();
    if (HasFatalFailure()) return;
    PumpFor(300);
    app_.Widget()->activateWindow();
    PumpUntil([this] { return QApplication::activeWindow() == app_.Widget(); }, 3000);
    ::SetFocus(g_Frame.hTableWnd);
    PumpUntil([this] { return QApplication::focusWidget() == Table(); }, 3000);
    ASSERT_EQ(QApplication::focusWidget(), Table());
    ASSERT_EQ(Person().GetSelectedCard(), 0);
    const QImage beforeKeys = app_.Shot("xcb-before-keys");
    // Where each card lies before one is raised.
    QRect inHand[53];
    for (int slot = 0; slot < Person().capacity; ++slot)
        if (Person().present[slot]) inHand[Person().cards[slot]] = CardInShot(Person().cards[slot]);
    Key(Qt::Key_Right);
    if (HasFatalFailure()) return;
    ASSERT_TRUE(PumpUntil([this] { return Person().GetSelectedCard() > 0; }, 3000));
    const int keyed = Person().GetSelectedCard();
    ASSERT_TRUE(IsCardCode(keyed));
    ASSERT_TRUE(Person().ValidCard(Person().FindCard(keyed), Frame().GameObject().Trick()));
    Key(Qt::Key_Return);
    ExpectCardInTrick(keyed, inHand[keyed], beforeKeys, "xcb-card-by-keys");
}

// A point of the table that no card covers, near its top left corner.
constexpr QPoint kBareTable{6, 6};

// The bidding bar of a new game (Ctrl+N) stays above the main window, transient for it, after a
// click on the table and after the main window is maximised and clicked again.
TEST_F(RealWindowPlay, TheBiddingBarStaysAboveTheMainWindow) {
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    PumpFor(300);
    ASSERT_NE(Table(), nullptr);
    RealClick(Table(), kBareTable);
    RealKey("ctrl+n");
    ASSERT_TRUE(PumpUntil([this] { return Frame().FrameAuction().IsAuctionBarOpen(); }, 20000));
    PumpFor(300);
    QWidget* bar = platform::QtHost::Current()->WidgetOf(Frame().Prompts().PromptDialog);
    ASSERT_NE(bar, nullptr);
    const unsigned long barId = bar->winId();
    const unsigned long mainId = app_.Widget()->winId();
    EXPECT_EQ(TransientFor(barId), mainId);

    struct Step {
        const char* name;
        std::function<void()> act;
    };
    const Step steps[] = {
        {"a click on the table", [this] { RealClick(Table(), kBareTable); }},
        {"maximised", [this] {
             app_.Widget()->showMaximized();
             PumpUntil([this] { return app_.Widget()->isMaximized(); }, 3000);
             PumpFor(500);
         }},
        {"a click on the maximised table", [this] { RealClick(Table(), kBareTable); }},
    };
    for (const Step& step : steps) {
        step.act();
        ASSERT_TRUE(Frame().FrameAuction().IsAuctionBarOpen()) << step.name;
        const std::vector<unsigned long> stacking = Stacking();
        const int barAt = StackIndex(stacking, barId);
        const int mainAt = StackIndex(stacking, mainId);
        ASSERT_GE(mainAt, 0) << step.name;
        EXPECT_GT(barAt, mainAt) << step.name;
        EXPECT_TRUE(bar->isVisible()) << step.name;
    }
}

struct KeyboardCase {
    const char* name;
    // What the person does first, with the suggestion bar holding the keyboard at his turn.
    std::function<void(QWidget* table)> first;
};

void PrintTo(const KeyboardCase& c, std::ostream* out) { *out << c.name; }

class RealWindowKeyboard : public RealWindowPlay, public ::testing::WithParamInterface<KeyboardCase> {};

// With suggestions on (their default), Right raises a card the rule allows and Enter plays it.
TEST_P(RealWindowKeyboard, RightAndEnterPlayACard) {
    ToTheFirstCard();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(::IsWindow(Frame().Prompts().KontraPrompt)) << "the suggestion bar";
    PumpFor(300);
    GetParam().first(Table());
    ASSERT_FALSE(Frame().GameObject().Trick().present[kPersonSeat]);
    RealKey("Right");
    const int chosen = Person().GetSelectedCard();
    ASSERT_TRUE(IsCardCode(chosen));
    RealKey("Return");
    ASSERT_TRUE(PumpUntil([this] { return Frame().GameObject().Trick().present[kPersonSeat] != 0; }, 5000));
    EXPECT_EQ(Frame().GameObject().Trick().cards[kPersonSeat], chosen);
}

INSTANTIATE_TEST_SUITE_P(
    HandOver, RealWindowKeyboard,
    ::testing::Values(KeyboardCase{"EscOnTheBar", [](QWidget*) { RealKey("Escape"); }},
                      KeyboardCase{"ClickOnTheTable", [](QWidget* table) { RealClick(table, kBareTable); }}),
    [](const ::testing::TestParamInfo<KeyboardCase>& info) { return std::string(info.param.name); });

// "Suggestion" on the bar chooses a card; Enter then plays that card.
TEST_F(RealWindowPlay, EnterAfterTheSuggestionPlaysTheSuggestedCard) {
    ToTheFirstCard();
    if (HasFatalFailure()) return;
    PumpFor(300);
    QWidget* suggest = platform::QtHost::Current()->WidgetOf(::GetDlgItem(Frame().Prompts().KontraPrompt, IDC_SUGGEST));
    ASSERT_NE(suggest, nullptr);
    RealClick(suggest, suggest->rect().center());
    ASSERT_TRUE(PumpUntil([this] { return Frame().TrickPlay().SelectedSlot >= 0; }, 3000));
    const int suggested = Person().cards[Frame().TrickPlay().SelectedSlot];
    ASSERT_TRUE(IsCardCode(suggested));
    RealKey("Return");
    ASSERT_TRUE(PumpUntil([this] { return Frame().GameObject().Trick().present[kPersonSeat] != 0; }, 5000));
    EXPECT_EQ(Frame().GameObject().Trick().cards[kPersonSeat], suggested);
}

// After the trick is taken nothing of the person's card stays drawn where it lay in the trick (his
// seat, above his name): that place shows the cloth again, as it did before he played. The cards
// glide and the trick is taken by itself after a while, as by default; the speech balloons stay off
// so that nothing else is drawn there.
TEST_F(RealWindowPlay, NoCardStaysDrawnAtThePersonsSeatAfterTheTrick) {
    WriteProfileInt("Options", "Continue", 1);
    WriteProfileInt("Delay", "Continue", 500);
    for (const char* glide : {"Deal", "Play", "Order", "Swap"}) WriteProfileInt("Delay", glide, 100);
    WriteProfileInt("Settings", "Balloon", 0);
    StartAndDeal();
    if (HasFatalFailure()) return;
    for (int trick = 0; trick < 3; ++trick) {
        ToThePersonsTurn();
        if (HasFatalFailure()) return;
        PumpFor(100);
        const int tricksBefore = g_Game.PartyTricks[0] + g_Game.PartyTricks[1];
        const int slot = FirstLegalSlot();
        ASSERT_GE(slot, 0);
        const int card = Person().cards[slot];
        Click(QPointF(WC_GetCardX(g_Frame.hTableWnd, card) + 4, WC_GetCardY(g_Frame.hTableWnd, card) + 12));
        ASSERT_TRUE(PumpUntil([this] { return Frame().GameObject().Trick().present[kPersonSeat] != 0; }, 5000));
        ASSERT_TRUE(PumpUntil([&] { return WC_GetCardY(g_Frame.hTableWnd, card) < FrameGameAccess::Game(Frame()).SlotPosition(TableRow::Person, 0).y - 20; }, 5000));
        ASSERT_TRUE(PumpUntil([&] { return g_Game.PartyTricks[0] + g_Game.PartyTricks[1] > tricksBefore; }, 10000));
        // Where the card lay in the trick, once the trick has been taken away.
        ASSERT_TRUE(PumpUntil([&] { return !WC_IsCardDealt(g_Frame.hTableWnd, card); }, 10000));
        PumpFor(300);
        const QRect inTrick(app_.Margins().left() + FrameGameAccess::Game(Frame()).SlotPosition(TableRow::Trick, kPersonSeat).x,
                            app_.Margins().top() + FrameGameAccess::Game(Frame()).SlotPosition(TableRow::Trick, kPersonSeat).y,
                            WC_GetCardWidth(g_Frame.hTableWnd, 0), WC_GetCardHeight(g_Frame.hTableWnd, 0));
        const QImage after = app_.Shot("xcb-seat-after-" + std::to_string(trick));
        if (!Frame().GameObject().Trick().present[kPersonSeat]) {
            EXPECT_LT(Share(after, inTrick, IsPaper), 0.02) << "trick " << trick;
        }
    }
}

struct ResultCase {
    const char* name;
    bool german;
    const char* clubs;  // the game's name in the edition, in dark red
};

void PrintTo(const ResultCase& c, std::ostream* out) { *out << c.name; }

class RealWindowResult : public RealWindowTest, public ::testing::WithParamInterface<ResultCase> {};

// A Clubs game won with 2, game 3, shown as the game's end shows it.
TEST_P(RealWindowResult, TheResultDialogShowsItsRichText) {
    const ResultCase& c = GetParam();
    qttest::AppOnQtHost app(c.german);
    app.Start(1024, 768);
    if (HasFatalFailure()) return;

    g_Game.SetGameType(GAME_CLUBS);
    g_Game.Soloist = 1;
    g_Game.PartyPoints[0] = 70;
    g_Game.PartyPoints[1] = 50;
    g_Game.PartyTricks[0] = 6;
    g_Game.PartyTricks[1] = 4;
    g_Game.HandAnnounced = 0;
    g_Game.SchneiderAnnounced = 0;
    g_Game.KontraState = 1;
    g_Game.BidIndex = testsupport::BidIndexOf(18);
    ScoreNames names;
    for (int s = 0; s < 3; ++s) names.seat[s] = app.Frame().GetPlayerName(s);
    const GameScore score = ScoreSuitGame(-1, 3, 0, names);
    ASSERT_EQ(score.score, 36);
    const std::string text = platform::LoadString(IDS_RICH_TEXT_HEAD) + score.resultText + "}";

    CResultDialog dialog(text);
    ASSERT_TRUE(dialog.Create(app.Frame().Handle()));
    dialog.ShowWindow(SW_SHOW);
    QWidget* window = platform::QtHost::Current()->WidgetOf(dialog.Handle());
    ASSERT_NE(window, nullptr);
    PumpUntil([window] { return window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed(); },
              3000);
    PumpFor(100);
    auto* box = qobject_cast<QTextEdit*>(platform::QtHost::Current()->WidgetOf(dialog.GetDlgItem(IDC_TEXT)));
    ASSERT_NE(box, nullptr);

    // The text whole: every line of the scorer's text is in the box, none cut off at a brace.
    const QString shown = box->document()->toPlainText();
    EXPECT_TRUE(shown.contains(QString::fromLatin1(c.clubs))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("36"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QLatin1Char('{')) || shown.contains(QLatin1Char('\\'))) << shown.toStdString();
    EXPECT_GE(box->document()->blockCount(), 2);

    // Its runs: bold ones, dark red ones (the game) and a centred line.
    bool bold = false, darkRed = false, centred = false;
    for (QTextBlock block = box->document()->firstBlock(); block.isValid(); block = block.next()) {
        centred = centred || (block.blockFormat().alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignHCenter;
        for (auto run = block.begin(); !run.atEnd(); ++run) {
            const QTextCharFormat format = run.fragment().charFormat();
            bold = bold || format.fontWeight() == QFont::Bold;
            darkRed = darkRed || format.foreground().color() == QColor(128, 0, 0);
        }
    }
    EXPECT_TRUE(bold);
    EXPECT_TRUE(darkRed);
    EXPECT_TRUE(centred);

    // On the screen: the text box on its pale ground with the name in dark ink at its top; scrolled to
    // its end, the game's name in dark red.
    const QRect inBox(box->mapTo(window, QPoint(0, 0)), box->size());
    const auto pale = [](platform::Color p) { return p == platform::Color{255, 255, 224}; };
    const auto ink = [](platform::Color p) { return p.red < 60 && p.green < 60 && p.blue < 60; };
    const QImage top = Grab(window, std::string("xcb-result-") + c.name);
    EXPECT_GT(Share(top, inBox, pale), 0.5);
    EXPECT_GT(Share(top, inBox, ink), 0.005);
    // The box is sized to the text's lines: nothing is scrolled away.
    EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
    PumpFor(50);
    const QImage end = Grab(window, std::string("xcb-result-end-") + c.name);
    EXPECT_GT(Share(end, inBox, IsDarkRed), 0.0005);
    dialog.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Editions, RealWindowResult,
                         ::testing::Values(ResultCase{"en", false, "Clubs"}, ResultCase{"ge", true, "Kreuz"}),
                         [](const ::testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

}  // namespace

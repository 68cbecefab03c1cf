// The course of a game shown on the table of the real program on the Qt host, at 1024 x 768 and at a
// large size in both editions: the thirty cards of the three rows and the skat lie face up inside
// the table, none cut off at its edges, and the course's texts stand on the table beside them.
//
// With KARTOVAN_TEST_PNG_DIR set, every screenshot is written there as app-course-<name>.png.

#include <ostream>
#include <string>

#include <QImage>

#include <gtest/gtest.h>

#include "flow/TrickPlay.h"
#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "flow/FrameGlobals.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Skat.h"
#include "tavlo/Tavlo.h"
#include "support/FrameGameAccess.h"

namespace {

const platform::Color kTableGreen{0, 128, 0};

struct CourseShotCase {
    const char* name;
    bool german;
    int width, height;
};
void PrintTo(const CourseShotCase& c, std::ostream* out) { *out << c.name; }

bool IsPaper(platform::Color c) { return c.red > 225 && c.green > 225 && c.blue > 225; }

class AppCourseScreenshotTest : public ::testing::TestWithParam<CourseShotCase> {
protected:
    AppCourseScreenshotTest() : app_(GetParam().german) {}

    QRect CardInShot(int card) const {
        const HWND table = g_Frame.hTableWnd;
        const QMargins& m = app_.Margins();
        return {m.left() + WC_GetCardX(table, card), m.top() + WC_GetCardY(table, card), WC_GetCardWidth(table, card),
                WC_GetCardHeight(table, card)};
    }

    qttest::AppOnQtHost app_;
};

TEST_P(AppCourseScreenshotTest, TheCourseLiesWholeOnTheTable) {
    const CourseShotCase& c = GetParam();
    app_.Start(c.width, c.height);
    if (HasFatalFailure()) return;
    app_.Deal();
    if (HasFatalFailure()) return;

    // The dealt hands become a whole course of a Hearts game won by the person.
    CMainFrame& frame = app_.Frame();
    frame.ClearDesk();
    CSkat& game = FrameGameAccess::Game(frame);
    for (int seat = 0; seat < 3; ++seat)
        for (int slot = 0; slot < 10; ++slot) game.NoteCourseCard(seat, game.Hand(seat).cards[static_cast<std::size_t>(slot)]);
    game.NoteCourseSkatCard(game.dealt[0]);
    game.NoteCourseSkatCard(game.dealt[1]);
    g_Game.GameType = GAME_HEARTS;
    g_Game.Soloist = 2;
    g_Game.CourseTricks = 10;
    frame.MatchSeries().SetGameScore(60);
    frame.FrameTrickPlay().OnLast();
    ASSERT_EQ(frame.TrickPlay().CourseShown, 1);
    qttest::PumpFor(200);
    const QImage shot = app_.Shot(std::string("course-") + c.name);
    const QMargins& m = app_.Margins();
    const QRect client(m.left(), m.top(), c.width - m.left() - m.right(), c.height - m.top() - m.bottom());

    // Every card of the course inside the table, face up: mostly paper where it is not covered.
    QRect cards;
    int shown = 0;
    for (const CTrick* row : {&game.CourseRow(0), &game.CourseRow(1), &game.CourseRow(2), &game.CourseSkat()}) {
        for (int slot = 0; slot < row->count; ++slot) {
            const int card = row->cards[static_cast<std::size_t>(slot)];
            ASSERT_TRUE(WC_IsCardDealt(g_Frame.hTableWnd, card)) << card;
            const QRect area = CardInShot(card);
            EXPECT_TRUE(client.contains(area)) << c.name << " card " << card << " at " << area.x() << "," << area.y();
            cards = cards.united(area);
            ++shown;
        }
    }
    EXPECT_EQ(shown, 32);
    int paper = 0, total = 0;
    for (int y = cards.top(); y <= cards.bottom(); y += 2)
        for (int x = cards.left(); x <= cards.right(); x += 2, ++total) paper += IsPaper(qttest::At(shot, x, y)) ? 1 : 0;
    EXPECT_GT(paper * 4, total) << "the course's cards show their faces";

    // The course's texts: ink on the table outside the cards (the headline, markers and points).
    int ink = 0;
    for (int y = client.top(); y <= client.bottom(); ++y)
        for (int x = client.left(); x <= client.right(); ++x) {
            if (cards.contains(x, y)) continue;
            const platform::Color p = qttest::At(shot, x, y);
            if (p != kTableGreen && (p.red + p.green + p.blue < 150 || IsPaper(p))) ++ink;
        }
    EXPECT_GT(ink, 200) << "the course's texts on the table";
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppCourseScreenshotTest,
                         ::testing::Values(CourseShotCase{"en_1024x768", false, 1024, 768},
                                           CourseShotCase{"ge_1024x768", true, 1024, 768},
                                           CourseShotCase{"en_1600x1200", false, 1600, 1200},
                                           CourseShotCase{"ge_1600x1200", true, 1600, 1200}),
                         [](const ::testing::TestParamInfo<CourseShotCase>& info) { return std::string(info.param.name); });

}  // namespace

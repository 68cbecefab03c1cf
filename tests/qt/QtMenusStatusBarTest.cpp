// The frame's status bar mirrors its model: the panes where the model's layout puts them, their
// texts as the program sets them, the bar's application font.
#include <gtest/gtest.h>

#include <QEvent>
#include <QLabel>
#include <QObject>

#include "platform/core/WindowApi.h"
#include "platform/qt/QtStatusBar.h"
#include "QtMenusFixture.h"

using namespace platform;
using namespace qttest;

namespace {

class QtMenusStatusBar : public FrameBarsTest {
protected:
    void SetUp() override {
        FrameBarsTest::SetUp();
        // As the program's frame makes it: pane 0 stretches, then 44 and 78 pixels, font 6.
        ASSERT_TRUE(model.SetPanes({{0, true}, {44, false}, {78, false}}));
        model.SetFont(6);
        model.SetPaneText(0, "Ready", false);
        FrameBarsSpec request = BarsRequest();
        request.statusBar = &model;
        request.fonts = [](int id) -> std::optional<LogFont> {
            if (id != 6 && id != 2) return std::nullopt;
            LogFont font;
            font.face = "Arial";
            font.height = id == 6 ? 12 : 20;
            font.weight = 700;
            return font;
        };
        ASSERT_TRUE(AttachFrameBars(frame.Handle(), request));
        bar = FrameBarsOf(frame.Handle())->StatusBarWidget();
        ASSERT_NE(bar, nullptr);
    }

    QRect PaneRect(int pane) const {
        const Rect r = model.Layout(bar->width(), bar->height()).at(pane);
        return {r.left, r.top, r.Width(), r.Height()};
    }

    StatusBar model;
    QtStatusBar* bar = nullptr;
};

TEST_F(QtMenusStatusBar, PanesFollowModelLayout) {
    ASSERT_NE(bar->Pane(2), nullptr);
    EXPECT_EQ(bar->Pane(3), nullptr);
    EXPECT_EQ(bar->width(), 400);
    for (int pane = 0; pane < 3; ++pane) EXPECT_EQ(bar->Pane(pane)->geometry(), PaneRect(pane)) << pane;
    EXPECT_EQ(bar->Pane(1)->width(), 44);
    EXPECT_EQ(bar->Pane(2)->width(), 78);
    const int stretched = bar->Pane(0)->width();

    // A wider frame widens the stretching pane only.
    MoveWindow(frame.Handle(), 100, 80, 200 + 400, 300, true);
    EXPECT_EQ(bar->width(), 600);
    EXPECT_EQ(bar->Pane(0)->width(), stretched + 200);
    EXPECT_EQ(bar->Pane(1)->width(), 44);
    EXPECT_EQ(bar->Pane(2)->geometry(), PaneRect(2));
}

TEST_F(QtMenusStatusBar, TextsAndFont) {
    EXPECT_EQ(bar->Pane(0)->text(), QStringLiteral("Ready"));
    EXPECT_TRUE(bar->Pane(1)->text().isEmpty());
    // Told through the model's listener at once, without a pass through the loop.
    model.SetPaneText(2, "Schieberamsch");
    model.SetPaneText(0, "Bitte spielen Sie eine Karte: Kreuz-Bube für Mitzählen", false);
    EXPECT_EQ(bar->Pane(2)->text(), QStringLiteral("Schieberamsch"));
    EXPECT_EQ(bar->Pane(0)->text(), QStringLiteral("Bitte spielen Sie eine Karte: Kreuz-Bube für Mitzählen"));

    // The bar's font is 12 pixels high with its whole cell.
    EXPECT_LT(bar->Pane(0)->font().pixelSize(), 12);
    EXPECT_NEAR(QFontMetricsF(bar->Pane(0)->font()).height(), 12.0, 1.0);
    EXPECT_TRUE(bar->Pane(0)->font().bold());
    EXPECT_GE(bar->height(), QFontMetrics(bar->Pane(0)->font()).height());
}

// A pane is as wide as the bar's own font needs for the longest text it shows: the rule names given
// as samples fit before they come, and a longer text widens the pane when it comes.
TEST_F(QtMenusStatusBar, PanesFitTheirLongestTextInTheBarsFont) {
    const auto showsWhole = [](const QLabel* pane) {
        const int needed = QFontMetrics(pane->font()).horizontalAdvance(pane->text());
        return needed <= pane->contentsRect().width() - pane->indent();
    };
    ASSERT_TRUE(model.SetPaneSamples(2, {"Variants Skat", "Schieberamsch"}));
    const int sized = bar->Pane(2)->width();
    EXPECT_GT(sized, 78);  // wider than given: 78 pixels cut these names in a 12-pixel bold face
    for (const char* text : {"Variants Skat", "Schieberamsch", "120"}) {
        model.SetPaneText(2, text);
        EXPECT_EQ(bar->Pane(2)->width(), sized) << text;
        EXPECT_TRUE(showsWhole(bar->Pane(2))) << text;
    }
    model.SetPaneText(2, "Schieberamsch mit Kontra und Re");
    EXPECT_GT(bar->Pane(2)->width(), sized);
    EXPECT_TRUE(showsWhole(bar->Pane(2)));
    // The clock pane keeps its 44 pixels for a short text; the panes still meet the bar's right edge.
    model.SetPaneText(1, "1.1-0");
    EXPECT_EQ(bar->Pane(1)->width(), 44);
    EXPECT_EQ(bar->Pane(2)->geometry().right(), bar->width() - 1 - StatusBar::kBorder);

    // In a larger font the same texts, measured before in the smaller one, need wider panes.
    const int before = bar->Pane(2)->width();
    model.SetFont(2);
    model.SetPaneText(2, "Variants Skat");
    model.SetPaneText(2, "Schieberamsch mit Kontra und Re");
    EXPECT_GT(bar->Pane(2)->width(), before);
    EXPECT_TRUE(showsWhole(bar->Pane(2)));
}

// Panes and a font the program sets anew show at once: the model announces them.
TEST_F(QtMenusStatusBar, PanesChangedByProgram) {
    ASSERT_TRUE(model.SetPanes({{0, true}, {44, false}, {78, false}, {30, false}}));
    model.SetPaneText(3, "B");
    ASSERT_NE(bar->Pane(3), nullptr);
    EXPECT_EQ(bar->Pane(3)->text(), QStringLiteral("B"));
    EXPECT_EQ(bar->Pane(3)->geometry(), PaneRect(3));

    ASSERT_TRUE(model.SetPanes({{0, true}}));
    EXPECT_EQ(bar->Pane(1), nullptr);
    EXPECT_EQ(bar->Pane(0)->geometry(), PaneRect(0));
    EXPECT_TRUE(bar->Pane(0)->text().isEmpty());

    // Application font 2 (20 pixels) in place of the bar's font 6 (12 pixels).
    model.SetFont(2);
    EXPECT_LT(bar->Pane(0)->font().pixelSize(), 20);
    EXPECT_NEAR(QFontMetricsF(bar->Pane(0)->font()).height(), 20.0, 1.0);
}

// A text wanted at once is painted before the program goes on, a changed one every time; the same
// text again is painted again only while the earlier change still waits for Qt's paint.
TEST_F(QtMenusStatusBar, ATextWantedAtOnceIsPaintedOnlyWhenItIsNotShownYet) {
    ShowWindow(frame.Handle(), SW_SHOW);
    qttest::PumpFor(50);
    QLabel* pane = bar->Pane(1);
    ASSERT_NE(pane, nullptr);
    qttest::PaintCount count(pane);
    struct Step {
        const char* text;
        bool immediate;
        int paintsAfter;
    };
    const Step steps[] = {
        {"5-1", true, 1},   // changed: painted at once
        {"5-1", true, 1},   // shown already: not again
        {"5-2", true, 2},   // changed again
        {"5-3", false, 2},  // changed, left to Qt's next paint
        {"5-3", true, 3},   // still waiting: painted now
        {"5-3", true, 3},
    };
    for (const Step& step : steps) {
        model.SetPaneText(1, step.text, step.immediate);
        EXPECT_EQ(pane->text(), QString::fromUtf8(step.text));
        EXPECT_EQ(count.paints, step.paintsAfter) << step.text << " " << step.immediate;
    }
    // A longer text still widens its pane.
    model.SetPaneText(1, "a text far longer than the pane", true);
    EXPECT_GT(pane->width(), 44);
}

// The model outlives the frame's window: once the bar is gone, its texts go nowhere.
TEST_F(QtMenusStatusBar, ModelOutlivesFrame) {
    frame.DestroyWindow();
    EXPECT_TRUE(model.SetPaneText(0, "after"));
    EXPECT_EQ(model.PaneText(0), "after");
}

}  // namespace

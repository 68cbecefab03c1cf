// The panels and dialogs whose texts the program lays into boxes, on the Qt host in both editions and on screens
// scaled once and twice: every text the program puts in a box is shown whole, with no scroll bar
// and no row cut at the bottom. The screen's scale is fixed when the application starts, so each
// test runs itself again with the scale set.
//
// With KARTOVAN_TEST_PNG_DIR set, each box's window is written there as box-<name>-<edition>-<scale>.png.

#include <memory>
#include <string>
#include <vector>

#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include "QtScaledTwice.h"
#include "QtTestImages.h"
#include "QtTextFits.h"
#include "QtTestSupport.h"
#include "audio/AudioDialog.h"
#include "dialogs/GameValueDialog.h"
#include "dialogs/GameValueTable.h"
#include "model/BidLadder.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "resources/Editions.h"
#include "resources/ids.h"

namespace {

using namespace platform;

using qttest::RanAgainScaledTwice;
using qttest::ScaleName;

// The rich text box shows its whole text: no scroll bar, the laid-out text within the box.
void ExpectWholeText(QtHost& host, HWND box, const std::string& what) {
    auto* text = qobject_cast<QTextEdit*>(host.WidgetOf(box));
    ASSERT_NE(text, nullptr) << what;
    ASSERT_FALSE(text->toPlainText().isEmpty()) << what;
    EXPECT_FALSE(text->verticalScrollBar()->isVisible()) << what;
    EXPECT_LE(text->document()->size().height(), text->viewport()->height()) << what;
}

// The game value panel, as the person chooses each value in its list: the table of every game
// worth that value shows all its rows, each on one line, from the single row of the highest values
// to the longest.
void GameValueShowsEveryRow() {
    QtHost host;
    qttest::RecordingWindow frame;
    ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 1000, 800}));
    for (const ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        SetResources(edition);
        CGameValueDialog panel;
        ASSERT_TRUE(panel.Create(frame.Handle()));
        panel.ShowWindow(SW_SHOW);
        qttest::PumpFor(30);
        auto* values = panel.GetControlAs<ComboBox>(CGameValueDialog::kValue);
        ASSERT_NE(values, nullptr);
        std::size_t longest = 0;
        int longestIndex = 0;
        for (int index = 0; index < BID_LADDER_SIZE; ++index) {
            values->SetCurSel(index);
            panel.OnCommand(CGameValueDialog::kValue, CBN_SELCHANGE, panel.GetDlgItem(CGameValueDialog::kValue));
            // The box's new size reaches the widget through Qt's event processing, which a loaded
            // machine may take longer than a few milliseconds for: wait until the text fits or a
            // bound, then judge.
            auto* shown = qobject_cast<QTextEdit*>(host.WidgetOf(panel.GetDlgItem(CGameValueDialog::kText)));
            ASSERT_NE(shown, nullptr);
            qttest::PumpUntil([shown] { return shown->document()->size().height() <= shown->viewport()->height() &&
                                               !shown->verticalScrollBar()->isVisible(); }, 2000);
            const std::size_t rows = GameValueRows(index).size();
            ExpectWholeText(host, panel.GetDlgItem(CGameValueDialog::kText),
                            std::string(edition->language) + " " + ScaleName() + " value " +
                                std::to_string(BidLadder[index].value) + ", " + std::to_string(rows) + " rows");
            // A row of the table is one line: a wrapped row would put its last columns under its first.
            auto* text = qobject_cast<QTextEdit*>(host.WidgetOf(panel.GetDlgItem(CGameValueDialog::kText)));
            ASSERT_NE(text, nullptr);
            for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
                EXPECT_LE(block.layout()->lineCount(), 1) << block.text().toStdString();
            if (rows > longest) {
                longest = rows;
                longestIndex = index;
            }
        }
        values->SetCurSel(longestIndex);
        panel.OnCommand(CGameValueDialog::kValue, CBN_SELCHANGE, panel.GetDlgItem(CGameValueDialog::kValue));
        qttest::PumpFor(30);
        if (QWidget* window = host.WidgetOf(panel.Handle())) {
            const std::vector<std::string> cut = qttest::CutTexts(window);
            EXPECT_TRUE(cut.empty()) << edition->language << " " << ScaleName() << qttest::Listed(cut);
            qttest::SaveForViewing(window->grab().toImage(),
                                   std::string("box-game-value-") + edition->language + "-" + ScaleName());
        }
        panel.DestroyWindow();
    }
    SetResources(nullptr);
}

TEST(QtBoxTexts, GameValueShowsEveryRow) { GameValueShowsEveryRow(); }

TEST(QtBoxTexts, GameValueShowsEveryRowScaledTwice) {
    if (RanAgainScaledTwice("QtBoxTexts.GameValueShowsEveryRowScaledTwice")) return;
    GameValueShowsEveryRow();
}

// The voices dialog with the longest name the program takes and a short one: each seat's name
// stands whole in its head above its column, none running into the next.
void SeatHeadsShowTheirNames() {
    QtHost host;
    for (const ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        SetResources(edition);
        CAudioDialog dialog(LoadString(IDS_WIDEST_NAME), "Computer2", "Du");
        LogFont seatHeads;
        seatHeads.face = "Arial";
        seatHeads.height = 16;
        seatHeads.width = 6;
        seatHeads.weight = 700;
        dialog.SeatHeadFont = seatHeads;
        ASSERT_TRUE(dialog.Create(nullptr));
        dialog.ShowWindow(SW_SHOW);
        qttest::PumpFor(30);
        for (int id : audio_ids::kSeatHeads) {
            auto* head = qobject_cast<QLabel*>(host.WidgetOf(dialog.GetDlgItem(id)));
            ASSERT_NE(head, nullptr) << id;
            EXPECT_LE(head->fontMetrics().horizontalAdvance(head->text()), head->contentsRect().width())
                << edition->language << " " << ScaleName() << " " << head->text().toStdString();
        }
        if (QWidget* window = host.WidgetOf(dialog.Handle())) {
            const std::vector<std::string> cut = qttest::CutTexts(window);
            EXPECT_TRUE(cut.empty()) << edition->language << " " << ScaleName() << qttest::Listed(cut);
            qttest::SaveForViewing(window->grab().toImage(), std::string("box-voices-") + edition->language + "-" + ScaleName());
        }
        dialog.DestroyWindow();
    }
    SetResources(nullptr);
}

TEST(QtBoxTexts, SeatHeadsShowTheirNames) { SeatHeadsShowTheirNames(); }

TEST(QtBoxTexts, SeatHeadsShowTheirNamesScaledTwice) {
    if (RanAgainScaledTwice("QtBoxTexts.SeatHeadsShowTheirNamesScaledTwice")) return;
    SeatHeadsShowTheirNames();
}

}  // namespace

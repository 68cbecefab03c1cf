// The card table and the course on paper, through the print commands during and after a
// demonstration game on a wide window: every card lies wholly on the page below the title and
// above the footer, with the seats' labels, the game's header line and the annotation.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameTexts.h"

#include "dialogs/AnnotationDialog.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/DesktopRecorder.h"
#include "platform/headless/RecordingDC.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"

#include <string>
#include <vector>

namespace {

using testsupport::FlowFixture;

class PrintTableTest : public FlowFixture {
protected:
    // A demonstration game on a window wider and taller than the page's proportions.
    void PlayOnAWideWindow() {
        WriteProfileInt("Options", "Demo", 1);
        WriteProfileInt("Settings", "Score", 1);
        StartProgram();
        Frame().MoveWindow({0, 0, 1900, 1000}, true);
        host_->PumpUntilIdle();
        SeedRand(2);
        Frame().SendMessage(WM_COMMAND, ID_NEW);
        ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_PLAY && g_Game.TrickWinner < 3; }, 600000));
    }
    // The last job's one page.
    const platform::RecordingDC& PrintOnePage(int command) {
        const std::size_t before = desktop_.PrintJobs().size();
        Frame().SendMessage(WM_COMMAND, command);
        EXPECT_EQ(desktop_.PrintJobs().size(), before + 1);
        const auto& job = desktop_.PrintJobs().back();
        EXPECT_EQ(job.pages.size(), 1u);
        return *job.pages.front().dc;
    }
    static std::vector<std::string> Texts(const platform::RecordingDC& dc) {
        std::vector<std::string> texts;
        for (const auto& record : dc.RecordsOfKind(platform::DrawKind::Text)) texts.push_back(record.text);
        return texts;
    }
    static bool Has(const std::vector<std::string>& texts, const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    static bool HasPrefix(const std::vector<std::string>& texts, const std::string& prefix) {
        for (const std::string& text : texts)
            if (text.rfind(prefix, 0) == 0) return true;
        return false;
    }
    // Every card and portrait wholly on the page between the title and the footer.
    static void ExpectPicturesBetween(const platform::RecordingDC& dc, const std::string& title, int least) {
        const auto lines = dc.RecordsOfKind(platform::DrawKind::Line);
        ASSERT_GE(lines.size(), 2u);
        const int footer = lines[1].bounds.top;
        int titleBottom = -1;
        for (const auto& record : dc.RecordsOfKind(platform::DrawKind::Text))
            if (record.text == title) titleBottom = record.bounds.bottom;
        ASSERT_GE(titleBottom, 0) << "the title is printed";
        // Cards draw as framed faces or backs on this host, portraits as pictures.
        std::vector<platform::DrawRecord> pictures = dc.RecordsOfKind(platform::DrawKind::Frame);
        for (const auto& record : dc.RecordsOfKind(platform::DrawKind::Blit)) pictures.push_back(record);
        EXPECT_GE(static_cast<int>(pictures.size()), least);
        for (const auto& record : pictures) {
            EXPECT_FALSE(record.clipped) << platform::FormatRecord(record);
            EXPECT_EQ(record.visible, record.bounds) << platform::FormatRecord(record);
            EXPECT_GE(record.bounds.top, titleBottom) << platform::FormatRecord(record);
            EXPECT_LE(record.bounds.bottom, footer) << platform::FormatRecord(record);
        }
        for (const auto& record : dc.RecordsOfKind(platform::DrawKind::Text))
            EXPECT_FALSE(record.clipped) << platform::FormatRecord(record);
    }
    platform::DesktopRecorder desktop_;
};

TEST_F(PrintTableTest, TheTableFitsThePageBelowItsTitleWithLabelsAndTheGamesHeaderLine) {
    PlayOnAWideWindow();
    // The person's note, kept when its panel closes, shows again with the panel open.
    Frame().SendMessage(WM_COMMAND, ID_ANNOTATION);
    auto* panel =
        dynamic_cast<CAnnotationDialog*>(::WindowFromHandle(Frame().FramePanels().PanelWindow(CM_CLOSE_ANNOTATION)));
    ASSERT_NE(panel, nullptr);
    panel->SetDlgItemText(CAnnotationDialog::kText, "Grand mit vieren\nzweite Zeile");
    Frame().SendMessage(WM_COMMAND, ID_ANNOTATION);
    Frame().SendMessage(WM_COMMAND, ID_ANNOTATION);
    ASSERT_NE(Frame().FramePanels().PanelWindow(CM_CLOSE_ANNOTATION), nullptr);
    for (const int orient : {1, 2}) {
        SCOPED_TRACE(orient == 1 ? "portrait" : "landscape");
        g_Settings.Print.Orient = orient;
        const platform::RecordingDC& page = PrintOnePage(ID_PRINT_TABLE);
        // The hands hold 29 cards or fewer after a trick; two portraits at least.
        ExpectPicturesBetween(page, "Gambling Table", 20);
        const std::vector<std::string> texts = Texts(page);
        for (const int label : {IDS_LABEL_FOREHAND, IDS_LABEL_MIDDLEHAND, IDS_LABEL_REARHAND})
            EXPECT_TRUE(Has(texts, platform::LoadString(label))) << label;
        EXPECT_TRUE(Has(texts, "  " + Frame().Texts().StatusText));
        EXPECT_TRUE(HasPrefix(texts, "  Game: "));
        EXPECT_TRUE(Has(texts, "  Points: " + Frame().Texts().PointsText) ||
                    Has(texts, "  " + Frame().Texts().RuleText));
        EXPECT_TRUE(Has(texts, "Grand mit vieren"));
        EXPECT_TRUE(Has(texts, "zweite Zeile"));
    }
}

TEST_F(PrintTableTest, TheCourseFitsThePageWithTheGamesHeaderLine) {
    PlayOnAWideWindow();
    // The result gets "No": the person stays and the course of the game is kept.
    answerer_.answer = IDCANCEL;
    answerer_.Start();
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.GameCount == 1 && g_Game.FlowState == STATE_IDLE; }, 3600000));
    for (const int orient : {1, 2}) {
        SCOPED_TRACE(orient == 1 ? "portrait" : "landscape");
        g_Settings.Print.Orient = orient;
        const platform::RecordingDC& page = PrintOnePage(ID_PRINT_COURSE);
        ExpectPicturesBetween(page, "Game Course", 32);
        const std::vector<std::string> texts = Texts(page);
        EXPECT_TRUE(HasPrefix(texts, "  Game: "));
    }
}

// A print job's title stands in the window while the job runs; afterwards the window's own title
// comes back, and none is left waiting for a later full repaint to put up again.
TEST_F(PrintTableTest, TheWindowsOwnTitleComesBackAfterAPrintJob) {
    PlayOnAWideWindow();
    const std::string own = ::GetWindowText(Frame().Handle());
    ASSERT_FALSE(own.empty());
    PrintOnePage(ID_PRINT_TABLE);
    host_->PumpFor(1000);
    EXPECT_EQ(::GetWindowText(Frame().Handle()), own);
    EXPECT_EQ(Frame().Texts().PendingTitle, "");
}

}  // namespace

// The four information panels of the real program on the Qt host, opened beside a dealt game in
// both editions, on screens scaled once and twice: each shows the texts the game gave it, every one
// of them uncut in its control.
//
// With KARTOVAN_TEST_PNG_DIR set, every panel is written there as app-panel-<edition>-<id>-<scale>.png.

#include <ostream>
#include "flow/FramePanels.h"
#include <string>
#include <vector>

#include <QWidget>

#include <gtest/gtest.h>

#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "QtScaledTwice.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "QtTextFits.h"
#include "QtWantedSize.h"
#include "dialogs/DataDialog.h"
#include "resources/FlowIds.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"

namespace {

struct EditionCase {
    const char* name;
    bool german;
};
void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

class AppPanelsScreenshotTest : public ::testing::TestWithParam<EditionCase> {
protected:
    AppPanelsScreenshotTest() : app_(GetParam().german) {}
    qttest::AppOnQtHost app_;
};

TEST_P(AppPanelsScreenshotTest, ThePanelsBesideADealtGameShowTheirTextsUncut) {
    const std::string name =
        std::string("Editions/AppPanelsScreenshotTest.ThePanelsBesideADealtGameShowTheirTextsUncut/") + GetParam().name;
    if (qttest::RanAgainScaledTwice(name) && HasFailure()) return;
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    app_.Deal();
    if (HasFatalFailure()) return;
    const struct {
        int toggle, close;
        int minimumTexts;  // controls showing a text: a panel that shows nothing is caught
    } panels[] = {{ID_LIST_DATA, CM_CLOSE_DATA, 10},
                  {ID_LIST_STATE, CM_CLOSE_STATE, 5},
                  {ID_LIST_GAME_VALUE, CM_CLOSE_GAME_VALUE, 5},
                  {ID_ANNOTATION, CM_CLOSE_ANNOTATION, 0}};
    for (const auto& p : panels) {
        app_.Frame().SendMessage(WM_COMMAND, p.toggle);
        qttest::PumpFor(100);
        const HWND panel = app_.Frame().FramePanels().PanelWindow(p.close);
        ASSERT_NE(panel, nullptr) << p.toggle;
        platform::Window* window = ::WindowFromHandle(panel);
        ASSERT_NE(window, nullptr);
        int texts = 0;
        for (HWND child : window->Children()) {
            const platform::Window* control = ::WindowFromHandle(child);
            QWidget* widget = app_.Host().WidgetOf(child);
            if (!control || !widget || !widget->isVisible() || control->Title().empty()) continue;
            const QSize wanted = qttest::WantedSize(widget);
            EXPECT_GE(widget->width(), wanted.width()) << p.toggle << ": \"" << control->Title() << "\"";
            EXPECT_GE(widget->height(), wanted.height()) << p.toggle << ": \"" << control->Title() << "\"";
            ++texts;
        }
        EXPECT_GE(texts, p.minimumTexts) << p.toggle;
        QWidget* shown = app_.Host().WidgetOf(panel);
        ASSERT_NE(shown, nullptr);
        const std::vector<std::string> cut = qttest::CutTexts(shown);
        EXPECT_TRUE(cut.empty()) << p.toggle << " " << qttest::ScaleName() << qttest::Listed(cut);
        qttest::SaveForViewing(shown->grab().toImage(), std::string("app-panel-") + GetParam().name + "-" +
                                                            std::to_string(p.close) + "-" + qttest::ScaleName());
    }
    // The data panel names the three players as the table does.
    auto* data = dynamic_cast<CDataDialog*>(::WindowFromHandle(app_.Frame().FramePanels().PanelWindow(CM_CLOSE_DATA)));
    ASSERT_NE(data, nullptr);
    for (int seat = 0; seat < 3; ++seat)
        EXPECT_EQ(data->GetDlgItemText(CDataDialog::kNames[static_cast<std::size_t>(seat)]),
                  app_.Frame().GetPlayerName(seat) + ":");
}

INSTANTIATE_TEST_SUITE_P(Editions, AppPanelsScreenshotTest,
                         ::testing::Values(EditionCase{"german", true}, EditionCase{"english", false}),
                         [](const ::testing::TestParamInfo<EditionCase>& info) { return std::string(info.param.name); });

}  // namespace

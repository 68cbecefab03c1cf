// The trick estimation window on the Qt host, offscreen, in both editions: the suit sheet of a
// dealt hand painted on its widget, and a popup shown over it and erased again, on screens scaled
// once and twice.
//
// With KARTOVAN_TEST_PNG_DIR set, the screenshots are written there as PNGs to look at.

#include <algorithm>
#include "flow/FramePanels.h"
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "QtScaledTwice.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "QtTextFits.h"
#include "model/Settings.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/PainterDC.h"
#include "platform/qt/QtWindowWidget.h"
#include "resources/CommandIds.h"
#include "windows/TrickEstimation.h"
#include "windows/TrickEstimationDialog.h"

namespace {

struct EditionCase {
    const char* name;
    bool german;
};

void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

// A painter context that keeps every word it draws with its box on the surface. A text spaced out
// to leave room for the boxes it spans (the sum line "TS + J =") is its words, each apart.
class TextBoxes final : public platform::PainterDC {
public:
    using PainterDC::PainterDC;
    std::vector<platform::TextRun> runs;

protected:
    void DeviceText(const platform::TextRun& run) override {
        const int whole = GetTextExtent(run.text).cx;
        for (std::size_t start = run.text.find_first_not_of(' '); start != std::string::npos;) {
            const std::size_t end = std::min(run.text.find(' ', start), run.text.size());
            const std::size_t next = run.text.find_first_not_of(' ', end);
            platform::TextRun word = run;
            word.text = run.text.substr(start, end - start);
            auto at = [&](std::size_t chars) {
                const int extent = GetTextExtent(std::string_view(run.text).substr(0, chars)).cx;
                return run.box.left + (whole > 0 ? extent * run.box.Width() / whole : 0);
            };
            word.box.left = at(start);
            word.box.right = at(end);
            runs.push_back(word);
            start = next;
        }
        PainterDC::DeviceText(run);
    }
};

std::string Described(const platform::TextRun& run) {
    return "\"" + run.text + "\" " + std::to_string(run.box.left) + ".." + std::to_string(run.box.right) + " x " +
           std::to_string(run.box.top) + ".." + std::to_string(run.box.bottom);
}

class QtTrickEstimationTest : public ::testing::TestWithParam<EditionCase> {
protected:
    QtTrickEstimationTest() : app_(GetParam().german) {}

    QImage Grab(QWidget* widget, const std::string& name) {
        QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (const char* folder = std::getenv("KARTOVAN_TEST_PNG_DIR"))
            shot.save(QString::fromStdString(std::string(folder) + "/estimation-" + name + ".png"));
        return shot;
    }

    qttest::AppOnQtHost app_;
};

// On screens scaled once and twice: the popup's area shows the sheet again pixel for pixel.
TEST_P(QtTrickEstimationTest, TheSuitSheetOfADealtHandWithAPopup) {
    const std::string name =
        std::string("Editions/QtTrickEstimationTest.TheSuitSheetOfADealtHandWithAPopup/") + GetParam().name;
    if (qttest::RanAgainScaledTwice(name)) {
        if (HasFailure()) return;
    }
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    app_.Deal();
    if (HasFatalFailure()) return;
    g_Settings.View.Player = 0x22;  // the person's own hand: no question
    app_.Frame().SendMessage(WM_COMMAND, ID_LIST_TRICK_ESTIMATION);
    qttest::PumpFor(200);
    CTrickEstimation* window = app_.Frame().FramePanels().TrickEstimationWindow();
    ASSERT_NE(window, nullptr);
    window->View = VIEW_CLUBS;
    ::RedrawWindow(window->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    qttest::PumpFor(100);
    QWidget* widget = app_.Host().WidgetOf(window->Handle());
    ASSERT_NE(widget, nullptr);
    const QImage sheet = Grab(widget, std::string(GetParam().name) + "-sheet-" + qttest::ScaleName());
    // The screen's pixels per pixel of the window's.
    const int ratio = qRound(sheet.devicePixelRatio());
    // The panel above the sheet shows its texts whole, the phase of the dealt hand among them.
    ASSERT_NE(window->PanelDialog(), nullptr);
    QWidget* panel = app_.Host().WidgetOf(window->PanelDialog()->Handle());
    ASSERT_NE(panel, nullptr);
    const std::vector<std::string> cut = qttest::CutTexts(panel);
    EXPECT_TRUE(cut.empty()) << qttest::Listed(cut);
    // The safe-tricks box of the top row is framed in black and filled on the pastel scale.
    const platform::Point box = window->HotSpots[kPopupModeSuit][2];
    ASSERT_GT(box.y, 0);
    // The client starts inside the widget's margins (a frame drawn by the host, if any).
    const QMargins margins = dynamic_cast<const platform::QtWindowWidget&>(*widget).ClientMargins();
    auto at = [&](const QImage& image, int x, int y) {
        return qttest::At(image, ratio * (margins.left() + x), ratio * (margins.top() + y));
    };
    int dark = 0;
    for (int x = box.x; x <= box.x + 20; ++x) {
        const platform::Color c = at(sheet, x, box.y);
        dark += c.red < 80 && c.green < 80 && c.blue < 80 ? 1 : 0;
    }
    EXPECT_GT(dark, 10) << "the box's top edge";
    // A rule line's popup: white with a frame, above and left of its spot; leaving the spot takes
    // it away.
    const platform::Point rule = window->HotSpots[kPopupModeSuit][8];
    ::SendMessage(window->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(rule.x + 5, rule.y + 5));
    qttest::PumpFor(100);
    ASSERT_EQ(window->CurrentSpot, 8);
    ASSERT_GT(window->PopupSize.cx, 0);
    const QImage popup = Grab(widget, std::string(GetParam().name) + "-popup-" + qttest::ScaleName());
    EXPECT_NE(popup, sheet);
    ::SendMessage(window->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, rule.y + 200));
    qttest::PumpFor(200);
    EXPECT_EQ(window->CurrentSpot, -1);
    const QImage after = Grab(widget, std::string(GetParam().name) + "-after-" + qttest::ScaleName());
    const platform::Rect r = window->PopupRect;
    int same = 0, total = 0;
    // The sheet part of it, every pixel of the screen; above the sheet the panel stands over the
    // client.
    for (int y = ratio * (margins.top() + std::max(r.top, window->PanelHeight)); y < ratio * (margins.top() + r.bottom); ++y)
        for (int x = ratio * (margins.left() + std::max(r.left, 0)); x < ratio * (margins.left() + r.right); ++x) {
            ++total;
            same += qttest::At(after, x, y) == qttest::At(sheet, x, y) ? 1 : 0;
        }
    EXPECT_GT(total, 0);
    EXPECT_EQ(same, total) << qttest::ScaleName() << ": the popup's area shows the sheet again";
}

// Every text of the three sheets stands whole inside the sheet's frame and apart from every other
// text, on screens scaled once and twice; the window is as wide as its sheet.
TEST_P(QtTrickEstimationTest, EveryTextOfTheSheetsStandsWholeAndApart) {
    const std::string name =
        std::string("Editions/QtTrickEstimationTest.EveryTextOfTheSheetsStandsWholeAndApart/") + GetParam().name;
    if (qttest::RanAgainScaledTwice(name)) {
        if (HasFailure()) return;
    }
    app_.Start(1280, 1024);
    if (HasFatalFailure()) return;
    app_.Deal();
    if (HasFatalFailure()) return;
    g_Settings.View.Player = 0x22;
    app_.Frame().SendMessage(WM_COMMAND, ID_LIST_TRICK_ESTIMATION);
    qttest::PumpFor(200);
    CTrickEstimation* window = app_.Frame().FramePanels().TrickEstimationWindow();
    ASSERT_NE(window, nullptr);
    const int sheetWidth = window->SheetWidth();
    EXPECT_GE(window->ClientRect().Width(), sheetWidth) << "the window shows the whole width of its sheet";
    for (const int view : {VIEW_CLUBS, VIEW_GRAND, VIEW_NULL, VIEW_RAMSCH}) {
        window->View = view;
        QImage surface(sheetWidth + 40, kEstimationSheetHeight + window->PanelHeight + 20, QImage::Format_RGB32);
        surface.fill(Qt::white);
        TextBoxes dc(surface);
        if (view == VIEW_NULL) window->PaintNullSheet(dc, 0, 0);
        else if (view == VIEW_RAMSCH) window->PaintRamschSheet(dc, 0, 0);
        else window->PaintSuitGrandSheet(dc, 0, 0);
        dc.Finish();
        EXPECT_GT(dc.runs.size(), 40u) << view;
        std::vector<std::string> faults;
        std::vector<const platform::TextRun*> inked;
        for (const platform::TextRun& run : dc.runs) {
            inked.push_back(&run);
            // Inside the frame: its lines stand at 0 and at the sheet's last column.
            if (run.box.left < 1 || run.box.right > sheetWidth - 1)
                faults.push_back(Described(run) + " crosses the frame 0.." + std::to_string(sheetWidth - 1));
        }
        for (std::size_t i = 0; i < inked.size(); ++i)
            for (std::size_t j = i + 1; j < inked.size(); ++j)
                if (inked[i]->box.Intersects(inked[j]->box))
                    faults.push_back(Described(*inked[i]) + " runs into " + Described(*inked[j]));
        EXPECT_TRUE(faults.empty()) << "view " << view << " " << qttest::ScaleName() << qttest::Listed(faults);
        qttest::SaveForViewing(surface, std::string("estimation-") + GetParam().name + "-texts-" +
                                            std::to_string(view) + "-" + qttest::ScaleName());
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, QtTrickEstimationTest,
                         ::testing::Values(EditionCase{"German", true}, EditionCase{"English", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

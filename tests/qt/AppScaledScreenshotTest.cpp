// The dealt table on a screen scaled twice, in both editions: the cards are drawn from pictures made
// in the screen's pixels (twice the card's size), their rounded corners show the table, and the tool
// bar's pictures and the samples of the back and face dialogs are sharp. The screen's scale is fixed when the application starts, so the test
// runs itself again with the scale set and looks at the table there.
//
// With KARTOVAN_TEST_PNG_DIR set, the screenshots are written there as app-<edition>_scale2.png.

#include <ostream>
#include <string>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QApplication>
#include <QListWidget>
#include <QScreen>
#include <QTimer>
#include <vector>

#include <gtest/gtest.h>

#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "flow/FrameGlobals.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "resources/CommandIds.h"
#include "QtTestImages.h"
#include "platform/qt/QtFrameBars.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtImage.h"
#include "platform/qt/QtToolBar.h"
#include "QtScaledTwice.h"
#include "dialogs/ViewDialogs.h"
#include "tavlo/CardPainter.h"

namespace {

struct ScaledCase {
    const char* name;
    bool german;
};

void PrintTo(const ScaledCase& c, std::ostream* out) { *out << c.name; }

class AppScaledScreenshotTest : public ::testing::TestWithParam<ScaledCase> {};

// The card the face dialog shows for a design.
int SampleCardOf(int design) { return tavlo::CardOfDeckRow((CCardFaceDialog::PictureOfDeck(design) - 32) % 32); }

TEST_P(AppScaledScreenshotTest, DealtTableIsSharpOnAScreenScaledTwice) {
    const ScaledCase& c = GetParam();
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    if (screen->devicePixelRatio() != 2.0) {
        // Run this very test again in a program whose screen is scaled twice.
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_SCALE_FACTOR", "2");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        const std::string filter = std::string("--gtest_filter=Editions/AppScaledScreenshotTest.*/") + c.name;
        child.start(QCoreApplication::applicationFilePath(), {QString::fromStdString(filter)});
        ASSERT_TRUE(child.waitForFinished(120000));
        const QByteArray output = child.readAll();
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("1 test")) << output.toStdString();
        return;
    }

    qttest::AppOnQtHost app(c.german);
    app.Start(1024, 768);
    if (HasFatalFailure()) return;
    app.Deal();
    if (HasFatalFailure()) return;
    const QImage shot = app.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    qttest::SaveForViewing(shot, std::string("app-") + c.name + "_scale2");
    ASSERT_EQ(shot.size(), QSize(2048, 1536));

    // The person's cards: every picture was made at twice the card's size (asking for it again
    // renders nothing new), and the card's corner shows the table.
    const CMainFrame& frame = app.Frame();
    const CCards& person = frame.GameObject().PersonsHand();
    ASSERT_EQ(person.count, 10);
    const QMargins& bars = app.Margins();
    for (std::size_t slot = 0; slot < person.cards.size(); ++slot) {
        if (!person.present[slot]) continue;
        const int card = person.cards[slot];
        const HWND table = g_Frame.hTableWnd;
        const int w = WC_GetCardWidth(table, card), h = WC_GetCardHeight(table, card);
        const int renders = app.Pictures().RenderCount();
        ASSERT_NE(app.Pictures().Face(g_Settings.View.CardFace, card, {2 * w, 2 * h}), nullptr);
        EXPECT_EQ(app.Pictures().RenderCount(), renders) << card;
        const int x = 2 * (bars.left() + WC_GetCardX(table, card)), y = 2 * (bars.top() + WC_GetCardY(table, card));
        EXPECT_EQ(qttest::At(shot, x, y), (platform::Color{0, 128, 0})) << card;
    }

    // The tool bar's pictures come in the screen's pixels too.
    const platform::QtToolBar* toolBar = platform::FrameBarsOf(frame.Handle())->ToolBar();
    ASSERT_NE(toolBar, nullptr);
    const QPixmap picture = toolBar->ButtonOf(ID_NEW)->icon().pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(picture.size(), QSize(32, 32));
}

// View > Card Back and View > Card Face on a screen scaled twice: the list's samples are pictures of
// the screen's pixels (142 x 192 for a card of 71 x 96), each the store's picture of that size.
TEST_P(AppScaledScreenshotTest, TheDesignDialogsShowTheirSamplesInTheScreensPixels) {
    const ScaledCase& c = GetParam();
    if (qttest::RanAgainScaledTwice(std::string("Editions/AppScaledScreenshotTest.") +
                                    "TheDesignDialogsShowTheirSamplesInTheScreensPixels/" + c.name))
        return;
    qttest::AppOnQtHost app(c.german);
    app.Start(1024, 768);
    if (HasFatalFailure()) return;
    for (const int command : {ID_CARD_BACK, ID_CARD_FACE}) {
        SCOPED_TRACE(command);
        // The dialog runs its own loop: the samples are read there, then the dialog is cancelled.
        std::vector<QImage> samples;
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* list = window->isVisible() ? window->findChild<QListWidget*>() : nullptr;
                if (!list || list->count() == 0) continue;
                for (int i = 0; i < list->count(); ++i)
                    samples.push_back(list->item(i)->icon().pixmap(QSize(71, 96), 2.0).toImage());
                reader.stop();
                ::PostMessage(app.Host().WindowOf(window), WM_COMMAND, IDCANCEL, 0);
                return;
            }
        });
        reader.start(20);
        app.Frame().SendMessage(WM_COMMAND, command);
        ASSERT_FALSE(samples.empty());
        EXPECT_EQ(samples.size(), command == ID_CARD_BACK ? 32u : 10u);
        const platform::Size twice{2 * tavlo::kSampleWidth, 2 * tavlo::kSampleHeight};
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const QImage& sample = samples[i];
            ASSERT_EQ(sample.size(), QSize(twice.cx, twice.cy)) << i;
            const int design = static_cast<int>(i);
            const platform::Bitmap* picture = command == ID_CARD_BACK
                                                  ? app.Pictures().Back(design, twice)
                                                  : app.Pictures().Face(design, SampleCardOf(design), twice);
            ASSERT_NE(picture, nullptr) << i;
            EXPECT_EQ(sample.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                      platform::ToQImage(*picture, true).convertToFormat(QImage::Format_ARGB32_Premultiplied))
                << "sample " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, AppScaledScreenshotTest,
                         ::testing::Values(ScaledCase{"en", false}, ScaledCase{"ge", true}),
                         [](const ::testing::TestParamInfo<ScaledCase>& info) { return std::string(info.param.name); });

}  // namespace

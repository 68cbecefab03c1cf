// The settings dialogs on the Qt host in both editions: every control with a text is as wide as the
// native widget asks, and a label that wraps has the height of all its lines, so no word is cut.
// (A single line's height is the template's classic 8 or 10 units, which the native style may
// exceed by a pixel or two without cutting a letter.)
//
// With KARTOVAN_TEST_PNG_DIR set, each dialog is written there as settings-<edition>-<id>.png.

#include <cstdlib>
#include <string>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "QtWantedSize.h"
#include "dialogs/SettingsIds.h"
#include "platform/core/Dialog.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "resources/Editions.h"

namespace {

using namespace platform;

const int kTemplates[] = {IDD_CONFIGURATION, IDD_RAMSCH_EVAL_MODE, IDD_RISK_DISPOSITION, IDD_DELAY,       IDD_NAMES,
                          IDD_CARD_BACK,     IDD_CARD_FACE,        IDD_SORT,             IDD_SWAP_HANDS,  IDD_SWAP_SUITS,
                          IDD_SETTINGS,      IDD_SAVE_INIT_VALUES, IDD_TERMINATION,      IDD_LOGGING,     IDD_RENAME,
                          IDD_IMAGES};

TEST(QtSettingsDialogs, EveryTextFitsItsControlInBothEditions) {
    QtHost host;
    qttest::RecordingWindow frame;
    ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 1000, 800}));
    const char* pngFolder = std::getenv("KARTOVAN_TEST_PNG_DIR");
    for (const ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        SetResources(edition);
        for (int id : kTemplates) {
            const DialogTemplate* layout = FindDialog(id);
            ASSERT_NE(layout, nullptr) << id;
            Dialog dialog(*layout);
            ASSERT_TRUE(dialog.Create(frame.Handle()));
            dialog.ShowWindow(SW_SHOW);
            qttest::PumpUntil([] { return false; }, 60);
            for (const ControlTemplate& control : layout->controls) {
                if (!control.text || !*control.text) continue;
                HWND item = nullptr;
                for (HWND child : dialog.Children()) {
                    const Window* window = WindowSystem::Instance().FromHandle(child);
                    if (window && window->Title() == control.text) item = child;
                }
                if (!item) continue;
                QWidget* widget = host.WidgetOf(item);
                ASSERT_NE(widget, nullptr) << id << " " << control.text;
                const QSize wanted = qttest::WantedSize(widget);
                EXPECT_GE(widget->width(), wanted.width()) << edition->language << " " << id << ": \"" << control.text << "\"";
                EXPECT_GE(widget->height(), wanted.height()) << edition->language << " " << id << ": \"" << control.text << "\"";
            }
            if (pngFolder) {
                if (QWidget* window = host.WidgetOf(dialog.Handle())) {
                    window->grab().save(QString::fromStdString(std::string(pngFolder) + "/settings-" + edition->language + "-" +
                                                               std::to_string(id) + ".png"));
                }
            }
            dialog.DestroyWindow();
        }
    }
    SetResources(nullptr);
}

}  // namespace

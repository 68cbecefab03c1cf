// The information panels beside the table (data, state, game value, annotation) and the control
// panels of the two statistics windows on the Qt host, in both editions: every control with a text
// is as wide as the native widget asks, and a label that wraps has the height of all its lines.
//
// With KARTOVAN_TEST_PNG_DIR set, each panel is written there as panel-<edition>-<id>.png.

#include <string>

#include <QComboBox>
#include <QWidget>

#include <gtest/gtest.h>

#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "QtWantedSize.h"
#include "dialogs/AnnotationDialog.h"
#include "dialogs/DataDialog.h"
#include "dialogs/GameValueDialog.h"
#include "dialogs/StateDialog.h"
#include "platform/core/Dialog.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "resources/Editions.h"
#include "resources/ids.h"

namespace {

using namespace platform;

// The panels, and whether their templates name texts (the annotation's only field is filled later).
const struct {
    int id;
    bool texts;
} kPanels[] = {{CDataDialog::kTemplateId, true},      {CStateDialog::kTemplateId, true},
               {CGameValueDialog::kTemplateId, true}, {CAnnotationDialog::kTemplateId, false},
               {IDD_CARD_STATISTICS, true},           {IDD_GAME_STATISTICS, true}};

TEST(QtPanelTexts, EveryTextFitsItsControlInBothEditions) {
    QtHost host;
    qttest::RecordingWindow frame;
    ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 1000, 800}));
    for (const ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        SetResources(edition);
        for (const auto& [id, texts] : kPanels) {
            const DialogTemplate* layout = FindDialog(id);
            ASSERT_NE(layout, nullptr) << id;
            Dialog dialog(*layout);
            ASSERT_TRUE(dialog.Create(frame.Handle()));
            dialog.ShowWindow(SW_SHOW);
            qttest::PumpFor(60);
            int checked = 0;
            for (const ControlTemplate& control : layout->controls) {
                if (!control.text || !*control.text) continue;
                HWND item = dialog.GetDlgItem(control.id);
                if (control.id == -1 || !item) {
                    item = nullptr;
                    for (HWND child : dialog.Children()) {
                        const Window* window = WindowSystem::Instance().FromHandle(child);
                        if (window && window->Title() == control.text) item = child;
                    }
                }
                if (!item) continue;
                QWidget* widget = host.WidgetOf(item);
                ASSERT_NE(widget, nullptr) << id << " " << control.text;
                const QSize wanted = qttest::WantedSize(widget);
                EXPECT_GE(widget->width(), wanted.width()) << edition->language << " " << id << ": \"" << control.text << "\"";
                EXPECT_GE(widget->height(), wanted.height()) << edition->language << " " << id << ": \"" << control.text << "\"";
                ++checked;
            }
            EXPECT_EQ(checked > 0, texts) << edition->language << " " << id;
            // A drop-down list is one line high on the screen: its template height is the list's.
            for (HWND child : dialog.Children()) {
                if (auto* combo = qobject_cast<QComboBox*>(host.WidgetOf(child))) {
                    EXPECT_LE(combo->height(), combo->sizeHint().height()) << edition->language << " " << id;
                }
            }
            if (QWidget* window = host.WidgetOf(dialog.Handle()))
                qttest::SaveForViewing(window->grab().toImage(),
                                       std::string("panel-") + edition->language + "-" + std::to_string(id));
            dialog.DestroyWindow();
        }
    }
    SetResources(nullptr);
}

}  // namespace

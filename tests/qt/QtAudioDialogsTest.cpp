// The two audio dialogs on the Qt host, offscreen: every control of their templates is a native
// widget, the check boxes and radio buttons with their text on the left.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSlider>

#include "audio/AudioDialog.h"
#include "audio/AudioTestDialog.h"
#include "platform/core/Resources.h"
#include "platform/qt/QtHost.h"
#include "resources/Editions.h"
#include "QtTestSupport.h"

using namespace platform;

namespace {

class QtAudioDialogs : public ::testing::Test {
protected:
    void SetUp() override { SetResources(&EnglishResources()); }
    void TearDown() override { SetResources(nullptr); }

    // Every control of the dialog's template has its widget, shown.
    void ExpectAllControls(Dialog& dialog) {
        ASSERT_NE(dialog.Template(), nullptr);
        ASSERT_FALSE(dialog.Template()->controls.empty());
        for (const ControlTemplate& control : dialog.Template()->controls) {
            if (control.id < 0) continue;
            QWidget* widget = host.WidgetOf(dialog.GetDlgItem(control.id));
            ASSERT_NE(widget, nullptr) << control.id;
            EXPECT_TRUE(widget->isVisible()) << control.id;
        }
    }

    QtHost host;
};

TEST_F(QtAudioDialogs, TheSettingsDialogOpensWithAllItsControls) {
    CAudioDialog dialog("Anna", "Bernd", "You");
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    ExpectAllControls(dialog);
    auto* voiceOutput = qobject_cast<QCheckBox*>(host.WidgetOf(dialog.GetDlgItem(audio_ids::kVoiceOutput)));
    ASSERT_NE(voiceOutput, nullptr);
    EXPECT_EQ(voiceOutput->layoutDirection(), Qt::RightToLeft) << "the text left of the box";
    auto* row = qobject_cast<QRadioButton*>(host.WidgetOf(dialog.GetDlgItem(audio_ids::kSeatVoices[0][3])));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(), QStringLiteral("Voice 3 Dorrick):"));
    EXPECT_EQ(row->layoutDirection(), Qt::RightToLeft);
    auto* support = qobject_cast<QComboBox*>(host.WidgetOf(dialog.GetDlgItem(audio_ids::kSupport)));
    ASSERT_NE(support, nullptr);
    EXPECT_EQ(support->count(), 8);
}

TEST_F(QtAudioDialogs, TheTestDialogOpensWithAllItsControls) {
    CAudioTestDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    ExpectAllControls(dialog);
    auto* terms = qobject_cast<QComboBox*>(host.WidgetOf(dialog.GetDlgItem(CAudioTestDialog::kTerm)));
    ASSERT_NE(terms, nullptr);
    EXPECT_EQ(terms->count(), 130);
    auto* volume = qobject_cast<QSlider*>(host.WidgetOf(dialog.GetDlgItem(CAudioTestDialog::kVolume)));
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(volume->maximum(), 15);
}

}  // namespace

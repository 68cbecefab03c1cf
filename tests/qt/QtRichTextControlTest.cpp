// The rich-text control in the Qt host: the runs of its text drawn in their styles on the ground
// the program set, whose number is in the platform's blue-green-red order.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>

#include "platform/core/ControlMessages.h"
#include "platform/core/Dialog.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "QtTestSupport.h"

using namespace platform;

namespace {

constexpr int kText = 100;

const ControlTemplate kControls[] = {
    {ControlKind::RichText, kText, "", {5, 5, 180, 60}, CTL_MULTILINE},
};

const DialogTemplate kTemplate{901, "Rich text", DLG_MODELESS, {20, 20, 190, 80}, {"MS Sans Serif", 8}, kControls};

TEST(QtRichTextControl, DrawsTheRunsOnTheGroundSet) {
    QtHost host;
    Dialog dialog(kTemplate);
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.ShowWindow(SW_SHOW);
    ::SendMessage(dialog.GetDlgItem(kText), EM_SETBKGNDCOLOR, 0, 0xe0ffff);
    dialog.SetDlgItemText(kText, "{\\rtf1{\\colortbl ;\\red0\\green0\\blue0;\\red128\\green0\\blue0;}"
                                 "\\qc\\cf2\\b\\fs32 J\\'f6rg\\b0\\cf1\\fs17\\par\\pard verliert}");
    qttest::PumpFor(30);
    auto* text = qobject_cast<QTextEdit*>(host.WidgetOf(dialog.GetDlgItem(kText)));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->palette().color(QPalette::Base), QColor(255, 255, 224));
    const QTextBlock first = text->document()->firstBlock();
    EXPECT_EQ(first.text(), QStringLiteral("J\u00F6rg"));
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat name = first.begin().fragment().charFormat();
    EXPECT_EQ(name.fontWeight(), QFont::Bold);
    EXPECT_EQ(name.foreground().color(), QColor(128, 0, 0));
    EXPECT_EQ(first.next().text(), QStringLiteral("verliert"));
    EXPECT_EQ(first.next().begin().fragment().charFormat().fontWeight(), QFont::Normal);
    dialog.DestroyWindow();
}

}  // namespace

// Input in the Qt host: mouse and keys on a window's widget arrive as our messages, in our
// coordinates and virtual keys.
#include <gtest/gtest.h>

#include <optional>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QWheelEvent>
#include <QWidget>

#include "platform/core/WindowApi.h"
#include "platform/qt/QtControl.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtInput.h"
#include "QtTestSupport.h"

using namespace platform;
using qttest::RecordingWindow;

namespace {

class QtHostInput : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {100, 100, 400, 300}));
        ASSERT_TRUE(qttest::CreateWindowOf(view, WindowKind::Child, {0, 0, 300, 200}, frame.Handle()));
        SetFocus(view.Handle());
        qttest::PumpFor(20);
        widget = host.WidgetOf(view.Handle());
        ASSERT_NE(widget, nullptr);
    }
    void Mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    void Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false) {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(widget, &event);
    }
    std::vector<Message> Of(UINT first, UINT last) const {
        std::vector<Message> found;
        for (const auto& m : view.messages)
            if (m.message >= first && m.message <= last) found.push_back(m);
        return found;
    }

    QtHost host;
    RecordingWindow frame;
    RecordingWindow view;
    QWidget* widget = nullptr;
};

TEST_F(QtHostInput, MouseArrivesInClientCoordinates) {
    Mouse(QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {15, 25}, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {15, 25}, Qt::LeftButton, Qt::NoButton);
    Mouse(QEvent::MouseButtonDblClick, {15, 25}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {15, 25}, Qt::LeftButton, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, {40, 50}, Qt::RightButton, Qt::RightButton);
    QWheelEvent wheel({30, 30}, widget->mapToGlobal(QPointF(30, 30)), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
    ASSERT_TRUE(qttest::PumpUntil([&] { return view.Count(WM_MOUSEWHEEL) > 0; }));

    const std::vector<Message> mouse = Of(WM_MOUSEFIRST, WM_MOUSELAST);
    const std::vector<UINT> expected{WM_LBUTTONDOWN, WM_MOUSEMOVE,   WM_LBUTTONUP,  WM_LBUTTONDBLCLK,
                                     WM_LBUTTONUP,   WM_RBUTTONDOWN, WM_MOUSEWHEEL};
    ASSERT_EQ(mouse.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(mouse[i].message, expected[i]) << i;
    EXPECT_EQ(GET_X_LPARAM(mouse[0].lParam), 10);
    EXPECT_EQ(GET_Y_LPARAM(mouse[0].lParam), 20);
    EXPECT_EQ(mouse[1].wParam & MK_LBUTTON, MK_LBUTTON);
    EXPECT_EQ(GET_X_LPARAM(mouse[5].lParam), 40);
    EXPECT_EQ(static_cast<std::int16_t>(HIWORD(mouse[6].wParam)), -120);
}

// Keys go to our focus window as virtual keys with our key state; a held key repeats as presses.
TEST_F(QtHostInput, KeysArriveAsVirtualKeys) {
    Key(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    Key(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier);
    Key(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier, true);  // auto-repeat's release: dropped
    Key(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier, true);
    Key(QEvent::KeyRelease, Qt::Key_A, Qt::ShiftModifier);
    Key(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    Key(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);  // not Qt's focus chain: ours
    ASSERT_TRUE(qttest::PumpUntil([&] {
        for (const auto& m : view.messages)
            if (m.message == WM_KEYDOWN && m.wParam == static_cast<WPARAM>(VK_TAB)) return true;
        return false;
    }));
    std::vector<std::pair<UINT, int>> keys;
    for (const auto& m : Of(WM_KEYDOWN, WM_KEYUP)) keys.emplace_back(m.message, static_cast<int>(m.wParam));
    const std::vector<std::pair<UINT, int>> expected{{WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, 'A'}, {WM_KEYDOWN, 'A'},
                                                     {WM_KEYUP, 'A'},        {WM_KEYUP, VK_SHIFT}, {WM_KEYDOWN, VK_TAB}};
    EXPECT_EQ(keys, expected);
    const std::vector<Message> downs = Of(WM_KEYDOWN, WM_KEYDOWN);
    EXPECT_EQ(downs[2].lParam & KF_REPEAT, KF_REPEAT);
}

TEST(QtInput, VirtualKeys) {
    struct Case {
        int qtKey;
        Qt::KeyboardModifiers modifiers;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, 'A'},
        {Qt::Key_Z, Qt::ShiftModifier, 'Z'},
        {Qt::Key_7, Qt::NoModifier, '7'},
        {Qt::Key_Space, Qt::NoModifier, VK_SPACE},
        {Qt::Key_Return, Qt::NoModifier, VK_RETURN},
        {Qt::Key_Enter, Qt::KeypadModifier, VK_RETURN},
        {Qt::Key_Backtab, Qt::ShiftModifier, VK_TAB},
        {Qt::Key_Escape, Qt::NoModifier, VK_ESCAPE},
        {Qt::Key_Plus, Qt::NoModifier, VK_OEM_PLUS},
        {Qt::Key_Plus, Qt::KeypadModifier, VK_ADD},
        {Qt::Key_Minus, Qt::KeypadModifier, VK_SUBTRACT},
        {Qt::Key_Comma, Qt::NoModifier, VK_OEM_COMMA},
        {Qt::Key_PageUp, Qt::NoModifier, VK_PRIOR},
        {Qt::Key_PageDown, Qt::NoModifier, VK_NEXT},
        {Qt::Key_F1, Qt::NoModifier, VK_F1},
        {Qt::Key_F12, Qt::NoModifier, VK_F12},
        {Qt::Key_Alt, Qt::AltModifier, VK_MENU},
        {Qt::Key_Control, Qt::ControlModifier, VK_CONTROL},
        {Qt::Key_Delete, Qt::NoModifier, VK_DELETE},
        {Qt::Key_F13, Qt::NoModifier, std::nullopt},
        {Qt::Key_Adiaeresis, Qt::NoModifier, std::nullopt},
        {Qt::Key_MediaPlay, Qt::NoModifier, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(VirtualKeyFromQt(c.qtKey, c.modifiers), c.expected) << std::hex << c.qtKey;
}

// Which keys a native control keeps and which go to our dialog's keyboard handling.
TEST(QtInput, NativeControlsKeepTheirOwnKeys) {
    struct Case {
        ControlKind kind;
        unsigned style;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool native;
    };
    const Case cases[] = {
        {ControlKind::PushButton, 0, Qt::Key_Space, Qt::NoModifier, true},
        {ControlKind::PushButton, 0, Qt::Key_Return, Qt::NoModifier, false},
        {ControlKind::RadioButton, 0, Qt::Key_Down, Qt::NoModifier, false},  // our group navigation
        {ControlKind::Edit, 0, Qt::Key_A, Qt::NoModifier, true},
        {ControlKind::Edit, 0, Qt::Key_Left, Qt::NoModifier, true},
        {ControlKind::Edit, 0, Qt::Key_Return, Qt::NoModifier, false},
        {ControlKind::Edit, CTL_MULTILINE, Qt::Key_Return, Qt::NoModifier, true},
        {ControlKind::Edit, 0, Qt::Key_Tab, Qt::NoModifier, false},
        {ControlKind::Edit, 0, Qt::Key_Escape, Qt::NoModifier, false},
        {ControlKind::Edit, 0, Qt::Key_N, Qt::AltModifier, false},  // a mnemonic
        {ControlKind::ComboBox, 0, Qt::Key_Down, Qt::NoModifier, true},
        {ControlKind::ComboBox, 0, Qt::Key_Return, Qt::NoModifier, false},
        {ControlKind::ListBox, 0, Qt::Key_PageDown, Qt::NoModifier, true},
        {ControlKind::Slider, 0, Qt::Key_Right, Qt::NoModifier, true},
        {ControlKind::Slider, 0, Qt::Key_Space, Qt::NoModifier, false},
        {ControlKind::Static, 0, Qt::Key_A, Qt::NoModifier, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NativeControlTakesKey(c.kind, c.style, c.key, c.modifiers), c.native)
            << static_cast<int>(c.kind) << " key " << std::hex << c.key;
}

TEST(QtControlText, MnemonicsAndRichText) {
    EXPECT_EQ(DisplayText("&Deal", true), QStringLiteral("Deal"));
    EXPECT_EQ(DisplayText("Salt && Pepper", true), QStringLiteral("Salt && Pepper"));
    EXPECT_EQ(DisplayText("Salt && &Pepper", false), QStringLiteral("Salt & Pepper"));
    EXPECT_EQ(DisplayText("Gr\xC3\xB6\xC3\x9F" "e", false), QStringLiteral("Gr\u00F6\u00DFe"));
    const auto shown = [](const std::string& rtf) {
        QTextDocument document;
        FillRichTextDocument(document, ReadRichText(rtf));
        return document.toPlainText();
    };
    EXPECT_EQ(shown("plain"), QStringLiteral("plain"));
    EXPECT_EQ(shown("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                    "\\f0\\b Grand\\b0  wins\\par K\\'f6nig \\{x\\}}"),
              QStringLiteral("Grand wins\nK\u00F6nig {x}"));
    EXPECT_EQ(shown("{\\rtf1{\\*\\generator x;}a\\tab b}"), QStringLiteral("a\tb"));
}

// The runs keep their weight, colour and size, and a centred paragraph is centred.
TEST(QtControlText, RichTextRunsKeepTheirStyle) {
    QTextDocument document;
    FillRichTextDocument(document, ReadRichText("{\\rtf1{\\colortbl ;\\red0\\green0\\blue0;\\red128\\green0\\blue0;}"
                                                "\\pard\\qc\\cf2\\b\\fs32 Gewonnen\\b0\\fs17\\par\\pard 60 Punkte}"));
    ASSERT_EQ(document.blockCount(), 2);
    const QTextBlock first = document.firstBlock();
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat headline = first.begin().fragment().charFormat();
    EXPECT_EQ(headline.fontWeight(), QFont::Bold);
    EXPECT_EQ(headline.foreground().color(), QColor(128, 0, 0));
    EXPECT_DOUBLE_EQ(headline.fontPointSize(), 16.0);
    const QTextBlock second = first.next();
    EXPECT_EQ(second.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const QTextCharFormat body = second.begin().fragment().charFormat();
    EXPECT_EQ(body.fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(body.fontPointSize(), 8.5);
    EXPECT_EQ(second.text(), QStringLiteral("60 Punkte"));
}

}  // namespace

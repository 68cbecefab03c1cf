// How the Qt host lays a rich text control's text out: the runs in their fonts and sizes, as the
// control itself will show them; how high at the control's width, how wide with no line wrapped.
// A label's text and a push button's caption are measured in the font the program gave them.
#include "platform/qt/QtHost.h"

#include <cmath>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTextEdit>

#include "platform/core/Control.h"
#include "platform/core/RichTextReader.h"
#include "platform/core/Window.h"
#include "platform/core/WindowSystem.h"
#include "platform/qt/PainterDCFont.h"
#include "platform/qt/QtControl.h"

namespace platform {

namespace {

// The control's text laid out apart from the control, which takes its text at the next sync: the
// same runs in the same font and margins.
void LayOutLikeTheControl(QTextDocument& document, const QTextEdit& edit, const Window& window) {
    document.setDefaultFont(edit.font());
    document.setDocumentMargin(edit.document()->documentMargin());
    FillRichTextDocument(document, ReadRichText(window.Title()));
}

}  // namespace

std::optional<int> QtHost::LaidOutTextHeight(HWND control) {
    const Window* window = WindowSystem::Instance().FromHandle(control);
    auto* edit = qobject_cast<QTextEdit*>(WidgetOf(control));
    if (!window || !edit) return std::nullopt;
    // At the width the control gives its text.
    QTextDocument document;
    LayOutLikeTheControl(document, *edit, *window);
    const int frame = edit->frameWidth();
    document.setTextWidth(std::max(1, window->WindowRect().Width() - 2 * frame));
    return static_cast<int>(std::ceil(document.size().height())) + 2 * frame;
}

std::optional<int> QtHost::LaidOutTextWidth(HWND control) {
    const Window* window = WindowSystem::Instance().FromHandle(control);
    if (!window) return std::nullopt;
    if (auto* label = qobject_cast<QLabel*>(WidgetOf(control))) {
        // In the font the program gave the label, which the label takes at the next sync.
        const Control* owner = ControlFromHandle(control);
        const QFont font = owner && owner->Font() ? ToQFont(*owner->Font()) : label->font();
        return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(QString::fromStdString(window->Title()))));
    }
    if (auto* button = qobject_cast<QPushButton*>(WidgetOf(control))) {
        // The caption beside the room the style keeps around a button's contents.
        const Control* owner = ControlFromHandle(control);
        const QFont font = owner && owner->Font() ? ToQFont(*owner->Font()) : button->font();
        const QString caption = QString::fromStdString(window->Title());
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = caption;
        option.fontMetrics = QFontMetrics(font);
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return QFontMetrics(font).size(Qt::TextShowMnemonic, caption).width() + button->width() - contents.width();
    }
    auto* edit = qobject_cast<QTextEdit*>(WidgetOf(control));
    if (!edit) return std::nullopt;
    QTextDocument document;
    LayOutLikeTheControl(document, *edit, *window);
    document.setTextWidth(-1);  // no line wrapped
    return static_cast<int>(std::ceil(document.size().width())) + 2 * edit->frameWidth();
}

}  // namespace platform

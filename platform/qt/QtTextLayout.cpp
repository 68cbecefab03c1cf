// How high the Qt host lays a rich text control's text out: the runs in their fonts and sizes, the
// paragraphs wrapped at the control's width, as the control itself will show them.
#include "platform/qt/QtHost.h"

#include <cmath>

#include <QTextDocument>
#include <QTextEdit>

#include "platform/core/RichTextReader.h"
#include "platform/core/Window.h"
#include "platform/core/WindowSystem.h"
#include "platform/qt/QtControl.h"

namespace platform {

std::optional<int> QtHost::LaidOutTextHeight(HWND control) {
    const Window* window = WindowSystem::Instance().FromHandle(control);
    auto* edit = qobject_cast<QTextEdit*>(WidgetOf(control));
    if (!window || !edit) return std::nullopt;
    // Laid out apart from the control, which takes its text at the next sync: the same runs in the
    // same font and margins, at the width the control gives its text.
    QTextDocument document;
    document.setDefaultFont(edit->font());
    document.setDocumentMargin(edit->document()->documentMargin());
    FillRichTextDocument(document, ReadRichText(window->Title()));
    const int frame = edit->frameWidth();
    document.setTextWidth(std::max(1, window->WindowRect().Width() - 2 * frame));
    return static_cast<int>(std::ceil(document.size().height())) + 2 * frame;
}

}  // namespace platform

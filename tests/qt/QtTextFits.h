#pragma once
// Whether the texts of a dialog on the Qt host stand whole in their controls as the native widgets
// lay them out: a label's lines within the label, a check box's, radio button's or push button's
// text within the room its style leaves beside or inside the frame, a group's title within the
// group, every control inside the dialog and inside the frame of the group it stands in, a rich
// text box's text without a scroll bar. Each text that is cut is named with what cuts it.

#include <algorithm>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include "platform/qt/QtGroupBox.h"

namespace qttest {

namespace textfits {

inline std::string Named(const QWidget* widget, const QString& text) {
    return std::string(widget->metaObject()->className()) + " \"" + text.toStdString() + "\"";
}

inline std::string Box(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

// The rows of ink one line of this text covers, from the top of its line (ascent above the
// baseline): the glyphs' own extent, not the font's whole cell.
struct InkRows {
    int top = 0;
    int bottom = 0;  // exclusive
};
inline InkRows LineInk(const QFontMetrics& metrics, const QString& text) {
    const QRect tight = metrics.tightBoundingRect(QString(text).remove(u'&').replace(u'\n', u' '));
    if (tight.isEmpty()) return {0, 0};
    return {metrics.ascent() + tight.top(), metrics.ascent() + tight.bottom() + 1};
}

// A single line of text drawn vertically centred in `room`: its ink within `bounds`.
inline bool CentredLineFits(const QFontMetrics& metrics, const QString& text, const QRect& room, const QRect& bounds) {
    const int lineTop = room.top() + (room.height() - metrics.height()) / 2;
    const InkRows ink = LineInk(metrics, text);
    return lineTop + ink.top >= bounds.top() && lineTop + ink.bottom <= bounds.bottom() + 1;
}

inline void CheckLabel(const QLabel* label, std::vector<std::string>& cut) {
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap().isNull()) return;
    const QRect room = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::AlignLeft | Qt::AlignTop;
    const QRect laidOut = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), flags, text);
    if (laidOut.width() > room.width())
        cut.push_back(Named(label, text) + ": a word " + std::to_string(laidOut.width()) + " wide in " + Box(room));
    // The last line's ink below the lines above it. Lines follow each other at the pitch the text
    // layout gives them, the font's fractional line spacing rounded up, which can be a pixel more
    // than the metrics' rounded spacing: counted at that, a text of six lines looked like seven.
    const QRect unbounded(0, 0, 1 << 20, 1 << 20);
    const int first = metrics.boundingRect(unbounded, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("X")).height();
    const int pitch =
        std::max(1, metrics.boundingRect(unbounded, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("X\nX")).height() - first);
    const int lines = std::max(1, 1 + (laidOut.height() - first + pitch / 2) / pitch);
    const int inkBottom = (lines - 1) * pitch + LineInk(metrics, text).bottom;
    if (label->alignment() & Qt::AlignTop ? room.top() + inkBottom > room.bottom() + 1
                                          : laidOut.height() > room.height())
        cut.push_back(Named(label, text) + ": " + std::to_string(lines) + " lines need " + std::to_string(inkBottom) +
                      " in " + Box(room));
}

inline void CheckButton(const QAbstractButton* button, std::vector<std::string>& cut) {
    const QString text = button->text();
    if (text.isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    const QStyle* style = button->style();
    const QFontMetrics metrics = button->fontMetrics();
    const int width = metrics.size(Qt::TextShowMnemonic, text).width();
    const bool push = qobject_cast<const QPushButton*>(button) != nullptr;
    const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
    const QRect room = style->subElementRect(push    ? QStyle::SE_PushButtonContents
                                             : radio ? QStyle::SE_RadioButtonContents
                                                     : QStyle::SE_CheckBoxContents,
                                             &option, button);
    if (width > room.width())
        cut.push_back(Named(button, text) + ": " + std::to_string(width) + " wide in " + Box(room));
    if (!CentredLineFits(metrics, text, room, push ? room : button->rect()))
        cut.push_back(Named(button, text) + ": " + std::to_string(metrics.height()) + " high in " + Box(room));
    if (!push) {
        const QRect indicator = style->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
        if (!button->rect().contains(indicator))
            cut.push_back(Named(button, text) + ": its mark " + Box(indicator) + " in " + Box(button->rect()));
    }
}

inline void CheckGroup(const platform::QtGroupBox* group, std::vector<std::string>& cut) {
    const QString text = group->title();
    if (!text.isEmpty()) {
        const QRect title = group->TitleRect();
        const int width = group->fontMetrics().size(Qt::TextShowMnemonic, text).width();
        if (width > title.width() || !group->rect().contains(title))
            cut.push_back(Named(group, text) + ": " + std::to_string(width) + " wide, its place " + Box(title) +
                          " in " + Box(group->rect()));
    }
    // A control that stands in the group stands inside its frame: the frame's lines cross none,
    // and the top line, where the title sits, runs two pixels clear above the group's first row.
    const QRect frame = group->FrameRect().translated(group->pos());
    const QRect inside = frame.adjusted(1, 3, -1, -1);
    for (const QObject* child : group->parentWidget()->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == group || !sibling->isVisibleTo(group->parentWidget())) continue;
        if (!frame.contains(sibling->geometry().center()) || inside.contains(sibling->geometry())) continue;
        const auto* shown = qobject_cast<const QAbstractButton*>(sibling);
        const auto* label = qobject_cast<const QLabel*>(sibling);
        cut.push_back(Named(sibling, shown   ? shown->text()
                                     : label ? label->text()
                                             : QString()) +
                      " at " + Box(sibling->geometry()) + " crosses the frame " + Box(frame) + " of " +
                      Named(group, text));
    }
}

inline void CheckRichText(const QTextEdit* edit, std::vector<std::string>& cut) {
    const QString text = edit->toPlainText();
    if (text.isEmpty()) return;
    const QSizeF laidOut = edit->document()->size();
    if (edit->verticalScrollBar()->isVisible() || laidOut.height() > edit->viewport()->height())
        cut.push_back(Named(edit, text.left(40)) + ": " + std::to_string(laidOut.height()) + " high in " +
                      Box(edit->viewport()->rect()));
}

}  // namespace textfits

// Every text of the dialog's controls (the children of its widget) that its control or the dialog
// cuts; empty when all stand whole.
inline std::vector<std::string> CutTexts(const QWidget* dialog) {
    std::vector<std::string> cut;
    for (const QObject* child : dialog->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || !widget->isVisibleTo(dialog) || widget->isWindow()) continue;
        // Wholly beyond the edge a control is out of sight (a bar narrowed past a button it does not
        // offer); partly beyond, the edge cuts it.
        if (dialog->rect().intersects(widget->geometry()) && !dialog->rect().contains(widget->geometry()))
            cut.push_back(textfits::Named(widget, QString()) + " at " + textfits::Box(widget->geometry()) +
                          " beyond the dialog " + textfits::Box(dialog->rect()));
        if (const auto* label = qobject_cast<const QLabel*>(widget)) textfits::CheckLabel(label, cut);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) textfits::CheckButton(button, cut);
        else if (const auto* group = dynamic_cast<const platform::QtGroupBox*>(widget))
            textfits::CheckGroup(group, cut);
        else if (const auto* edit = qobject_cast<const QTextEdit*>(widget)) textfits::CheckRichText(edit, cut);
    }
    return cut;
}

// The cut texts one to a line, for a test's message.
inline std::string Listed(const std::vector<std::string>& cut) {
    std::string all;
    for (const std::string& line : cut) all += "\n  " + line;
    return all;
}

}  // namespace qttest

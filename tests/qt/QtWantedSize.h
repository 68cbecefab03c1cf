#pragma once
// The room a native widget asks for to show its text uncut, for the kinds that show their text in
// one piece (labels that wrap: the height of all their lines).

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSize>
#include <QWidget>

namespace qttest {

inline QSize WantedSize(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        // A label wraps: when the width it has breaks its text, it needs the height of every line.
        const int height = label->heightForWidth(label->width());
        const int oneLine = label->fontMetrics().height();
        return {0, height > oneLine + 2 ? height : 0};
    }
    // A push button's text with a little room each side (the style's minimum width is no cut).
    if (auto* push = qobject_cast<QPushButton*>(widget))
        return {push->fontMetrics().horizontalAdvance(push->text().remove(u'&')) + 8, 0};
    if (qobject_cast<QAbstractButton*>(widget)) return {widget->sizeHint().width(), 0};
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return {group->minimumSizeHint().width(), 0};
    return {};
}

}  // namespace qttest

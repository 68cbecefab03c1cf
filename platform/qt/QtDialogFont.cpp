#include "platform/qt/QtDialogFont.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QRect>
#include <QStringList>
#include <QString>

namespace platform {

QFont DialogQFont(const DialogFont& font) {
    // The named face where this system has it, else the stand-ins.
    QFont qfont;
    qfont.setFamilies(QStringList{QString::fromUtf8(font.face ? font.face : ""), QStringLiteral("Liberation Sans"),
                                  QStringLiteral("DejaVu Sans")});
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setPointSize(font.pointSize > 0 ? font.pointSize : 8);
    return qfont;
}

DialogBaseUnits MeasureDialogFontWithQt(const DialogFont& font) {
    const QFont qfont = DialogQFont(font);
    const QFontMetrics metrics(qfont);
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = metrics.horizontalAdvance(letters);
    DialogBaseUnits units;
    units.x = std::max(1, (width / 26 + 1) / 2);
    // The character cell whole, its descent rounded up: a template's one-line text is 8 units
    // high, which then holds the lowest pixels of a "g" or "p" (the rounded-down height cuts them).
    units.y = std::max(1, static_cast<int>(std::ceil(QFontMetricsF(qfont).height())));
    return units;
}

Size MeasureDialogTextWithQt(const DialogFont& font, std::string_view text) {
    const QFontMetrics metrics(DialogQFont(font));
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QRect box = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, qtext);
    // A pixel each way for the label's own rounding, so that no last line is cut.
    return {box.width() + 2, box.height() + 2};
}

}  // namespace platform

#include "platform/qt/QtDialogFont.h"

#include <algorithm>
#include <cmath>
#include <compare>
#include <map>
#include <string>

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
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

namespace {

// The base units of each font as this system resolves it, measured once: every dialog the game
// opens asks for its font's units, and each measurement shapes the alphabet anew. The key holds
// what decides the units: the face and size found for the font and the screen's resolution.
struct MeasuredFont {
    std::string family;
    double pointSize;
    int weight;
    double dotsPerInch;
    double pixelRatio;
    friend auto operator<=>(const MeasuredFont&, const MeasuredFont&) = default;
};

std::map<MeasuredFont, DialogBaseUnits> g_measuredFonts;

}  // namespace

DialogBaseUnits MeasureDialogFontWithQt(const DialogFont& font) {
    const QFont qfont = DialogQFont(font);
    const QFontInfo found(qfont);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const MeasuredFont key{found.family().toStdString(), found.pointSizeF(), found.weight(),
                           screen ? screen->logicalDotsPerInchY() : 0.0, screen ? screen->devicePixelRatio() : 1.0};
    if (const auto known = g_measuredFonts.find(key); known != g_measuredFonts.end()) return known->second;
    const QFontMetrics metrics(qfont);
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = metrics.horizontalAdvance(letters);
    DialogBaseUnits units;
    units.x = std::max(1, (width / 26 + 1) / 2);
    // The character cell whole, its descent rounded up: a template's one-line text is 8 units
    // high, which then holds the lowest pixels of a "g" or "p" (the rounded-down height cuts them).
    units.y = std::max(1, static_cast<int>(std::ceil(QFontMetricsF(qfont).height())));
    g_measuredFonts.emplace(key, units);
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

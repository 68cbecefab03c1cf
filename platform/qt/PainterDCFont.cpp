#include "platform/qt/PainterDCFont.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <utility>

#include <QFontMetricsF>
#include <QStringList>

namespace platform {

namespace {

constexpr int kDefaultHeight = 16;
// Pixel sizes beyond this only cost memory in the glyph cache; no text of the program comes near.
constexpr int kMaxPixelSize = 4000;

bool SameFace(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

QString FontFamily(std::string_view face) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kFaces{{
        {"Arial", "Liberation Sans"},
        {"Helvetica", "Liberation Sans"},
        {"Courier New", "Liberation Mono"},
        {"Courier", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
        {"System", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"},
        {"MS Shell Dlg", "Liberation Sans"},
    }};
    if (face.empty()) return QStringLiteral("Liberation Sans");
    for (const auto& [windows, liberation] : kFaces) {
        if (SameFace(face, windows)) return QString::fromUtf8(liberation.data(), qsizetype(liberation.size()));
    }
    return QString::fromUtf8(face.data(), qsizetype(face.size()));
}

QFont ToQFont(const LogFont& font) {
    QFont qfont;
    qfont.setFamilies(QStringList{FontFamily(font.face), QStringLiteral("Liberation Sans")});
    const long long height = std::llabs(static_cast<long long>(font.height));
    const int pixels = height == 0 ? kDefaultHeight : static_cast<int>(std::min<long long>(height, kMaxPixelSize));
    qfont.setPixelSize(pixels);
    // A positive height asks for the whole character cell (ascent and descent), a negative one for
    // the characters alone, which is what Qt's pixel size means: shrink the cell to fit.
    if (font.height > 0) {
        const double cell = QFontMetricsF(qfont).height();
        if (cell > pixels) qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * pixels / cell))));
    }
    // 0 is "any weight" in the classic interface: the normal one.
    const int weight = font.weight <= 0 ? 400 : std::clamp(font.weight, 1, 1000);
    qfont.setWeight(static_cast<QFont::Weight>(weight));
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeOut);
    qfont.setKerning(false);
    if (font.width != 0) {
        // The width asks for an average character width: stretch the natural one to it.
        const double natural = QFontMetricsF(qfont).averageCharWidth();
        if (natural > 0) {
            const double wanted = std::abs(static_cast<double>(font.width));
            qfont.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * wanted / natural)), 1, 4000));
        }
    }
    return qfont;
}

}  // namespace platform

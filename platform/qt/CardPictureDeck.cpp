#include "platform/qt/CardPictureDeck.h"

#include <algorithm>
#include <cmath>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace platform {

namespace {

// The SVG file named by the deck's index.desktop ("SVG=..."), else the folder's only SVG file.
QString DeckFile(const QDir& folder) {
    QFile index(folder.filePath(QStringLiteral("index.desktop")));
    if (index.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!index.atEnd()) {
            const QString line = QString::fromUtf8(index.readLine()).trimmed();
            if (line.startsWith(QStringLiteral("SVG="))) return folder.filePath(line.mid(4));
        }
    }
    const QStringList files = folder.entryList({QStringLiteral("*.svgz"), QStringLiteral("*.svg")}, QDir::Files);
    return files.size() == 1 ? folder.filePath(files.front()) : QString();
}

}  // namespace

CardPictureDeck::CardPictureDeck(QString folder) : folder_(std::move(folder)) {}

CardPictureDeck::~CardPictureDeck() = default;

void CardPictureDeck::Load() {
    if (loaded_) return;
    loaded_ = true;
    const QDir folder(folder_);
    if (!folder.exists()) return;
    const QString file = DeckFile(folder);
    if (file.isEmpty() || !QFile::exists(file)) return;
    auto renderer = std::make_unique<QSvgRenderer>(file);
    // A deck is only of use with its faces and its back.
    for (const char* id : {"1_club", "king_spade", "back"}) {
        if (!renderer->isValid() || !renderer->elementExists(QString::fromLatin1(id))) return;
    }
    const QRectF king = renderer->boundsOnElement(QStringLiteral("king_spade"));
    if (king.width() <= 0 || king.height() <= 0) return;
    faceSize_ = king.size();
    renderer_ = std::move(renderer);
}

bool CardPictureDeck::IsUsable() {
    Load();
    return renderer_ != nullptr;
}

QSizeF CardPictureDeck::FaceSize() {
    Load();
    return faceSize_;
}

bool CardPictureDeck::HasElement(const QString& id) { return IsUsable() && renderer_->elementExists(id); }

QImage CardPictureDeck::Render(const QString& id, int width, int height, bool keepProportions) {
    if (!HasElement(id) || width < 1 || height < 1) return {};
    QRectF place(0, 0, width, height);
    const QSizeF own = renderer_->boundsOnElement(id).size();
    if (keepProportions && own.width() > 0 && own.height() > 0) {
        const double wanted = double(width) / height, natural = own.width() / own.height();
        // Shapes within 3 % of each other fill the picture; rounding alone makes that much.
        if (std::abs(wanted / natural - 1) > 0.03) {
            const QSizeF fitted = own.scaled(place.size(), Qt::KeepAspectRatio);
            place = QRectF(QPointF((width - fitted.width()) / 2, (height - fitted.height()) / 2), fitted);
        }
    }
    // The deck's cards have rounded corners: what lies outside them stays transparent.
    QImage card(place.size().toSize().expandedTo({1, 1}), QImage::Format_ARGB32_Premultiplied);
    card.fill(Qt::transparent);
    {
        QPainter painter(&card);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer_->render(&painter, id, QRectF(QPointF(0, 0), card.size()));
    }
    if (place.size() == QSizeF(width, height)) return card;
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.drawImage(place.topLeft().toPoint(), card);
    return picture;
}

void TintFourColour(QImage& image, Suit suit) {
    if (suit != Suit::Clubs && suit != Suit::Diamonds) return;
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int r = qRed(row[x]), g = qGreen(row[x]), b = qBlue(row[x]);
            const int high = std::max({r, g, b}), low = std::min({r, g, b});
            if (suit == Suit::Clubs) {
                // Dark greys lean to green the darker they are.
                if (high - low > 40 || high > 150) continue;
                const double dark = 1.0 - high / 150.0;
                row[x] = qRgba(int(r * (1 - dark)), int(g * (1 - dark) + 130 * dark), int(b * (1 - dark) + 40 * dark),
                               qAlpha(row[x]));
            } else {
                // Reds turn orange: green rises with the red's strength.
                if (r < 120 || r - g < 70 || r - b < 70) continue;
                row[x] = qRgba(std::min(255, r + 30), std::min(255, g + (r - g) * 55 / 100), b / 2, qAlpha(row[x]));
            }
        }
    }
}

void TurnHue(QImage& image, int degrees) {
    if (degrees % 360 == 0) return;
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            QColor color = QColor::fromRgb(row[x]).toHsv();
            if (color.hsvHue() < 0) continue;  // greys have no hue
            color.setHsv((color.hsvHue() + degrees) % 360, color.hsvSaturation(), color.value(), qAlpha(row[x]));
            row[x] = color.rgba();
        }
    }
}

}  // namespace platform

#include "platform/qt/CardPictureStore.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "platform/qt/CardPictureDeck.h"
#include "platform/qt/CardPictureDrawn.h"
#include "platform/qt/QtImage.h"

namespace platform {

namespace {

constexpr int kFaceKind = 0;
constexpr int kBackKind = 1;
constexpr Size kDrawnSize{71, 96};

bool UsableSize(Size size) {
    return size.cx >= 1 && size.cy >= 1 && size.cx <= Bitmap::kMaxSide && size.cy <= Bitmap::kMaxSide;
}

std::size_t BytesOf(const Bitmap& bitmap) {
    // Four bytes of colour a pixel, and one of alpha where the picture has transparent parts.
    return static_cast<std::size_t>(bitmap.Width()) * static_cast<std::size_t>(bitmap.Height()) *
           (bitmap.HasAlpha() ? 5u : 4u);
}

}  // namespace

CardPictureStore::CardPictureStore(std::string cardDataFolder) : folder_(std::move(cardDataFolder)) {}

CardPictureStore::~CardPictureStore() = default;

CardPictureDeck* CardPictureStore::Deck(std::string_view folder) const {
    if (folder.empty()) return nullptr;
    auto found = decks_.find(folder);
    if (found == decks_.end()) {
        const QString path = QString::fromStdString(folder_) + "/" + QString::fromUtf8(folder.data(), qsizetype(folder.size()));
        found = decks_.emplace(std::string(folder), std::make_unique<CardPictureDeck>(path)).first;
    }
    return found->second->IsUsable() ? found->second.get() : nullptr;
}

bool CardPictureStore::FaceFromDeck(int faceDesign) const {
    if (faceDesign < 0 || faceDesign >= kFaceDesignCount) return false;
    const FaceDesign& design = FaceDesignAt(faceDesign);
    return design.source != FaceSource::Drawn && Deck(design.deck) != nullptr;
}

bool CardPictureStore::BackFromDeck(int backDesign) const {
    if (backDesign < 0 || backDesign >= kBackDesignCount) return false;
    const BackDesign& design = BackDesignAt(backDesign);
    CardPictureDeck* deck = Deck(design.deck);
    return deck && deck->HasElement(QStringLiteral("back"));
}

Size CardPictureStore::CardSize(int faceDesign) const {
    if (!FaceFromDeck(faceDesign)) return kDrawnSize;
    const QSizeF face = Deck(FaceDesignAt(faceDesign).deck)->FaceSize();
    const int width = static_cast<int>(std::lround(kCardHeight * face.width() / face.height()));
    return {std::clamp(width, 1, 4 * kCardHeight), kCardHeight};
}

const Bitmap* CardPictureStore::Cached(const Key& key) {
    auto found = cache_.find(key);
    if (found == cache_.end()) return nullptr;
    found->second.lastUse = ++clock_;
    return &found->second.bitmap;
}

const Bitmap* CardPictureStore::Keep(const Key& key, Bitmap bitmap) {
    ++renders_;
    if (bitmap.IsEmpty()) return nullptr;
    // Make room first, so the picture handed out stays until the next call.
    const std::size_t bytes = BytesOf(bitmap);
    while (!cache_.empty() && cachedBytes_ + bytes > kCacheBudget) {
        auto oldest = std::min_element(cache_.begin(), cache_.end(), [](const auto& a, const auto& b) {
            return a.second.lastUse < b.second.lastUse;
        });
        cachedBytes_ -= BytesOf(oldest->second.bitmap);
        cache_.erase(oldest);
    }
    cachedBytes_ += bytes;
    Entry& entry = cache_[key];
    entry.bitmap = std::move(bitmap);
    entry.lastUse = ++clock_;
    return &entry.bitmap;
}

const Bitmap* CardPictureStore::Face(int faceDesign, int card, Size size) {
    if (faceDesign < 0 || faceDesign >= kFaceDesignCount || !IsCardCode(card) || !UsableSize(size)) {
        return nullptr;
    }
    const Key key{kFaceKind, faceDesign, card, size.cx, size.cy};
    if (const Bitmap* cached = Cached(key)) return cached;

    const FaceDesign& design = FaceDesignAt(faceDesign);
    QImage image;
    if (FaceFromDeck(faceDesign)) {
        image = Deck(design.deck)->Render(QString::fromStdString(SvgElementId(card)), size.cx, size.cy, true);
        if (design.source == FaceSource::DeckFourColour) TintFourColour(image, SuitOf(card));
    }
    if (image.isNull()) {
        // Drawn in the design's proportions, centred on black like the deck pictures.
        const Size own = CardSize(faceDesign);
        const double wanted = double(size.cx) / size.cy, natural = double(own.cx) / own.cy;
        if (std::abs(wanted / natural - 1) <= 0.03) {
            image = DrawnFace(card, design.drawn, size.cx, size.cy);
        } else {
            const QSize fitted = QSize(own.cx, own.cy).scaled(size.cx, size.cy, Qt::KeepAspectRatio).expandedTo({1, 1});
            image = QImage(size.cx, size.cy, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::black);
            QPainter painter(&image);
            painter.drawImage((size.cx - fitted.width()) / 2, (size.cy - fitted.height()) / 2,
                              DrawnFace(card, design.drawn, fitted.width(), fitted.height()));
        }
    }
    return Keep(key, ToBitmapWithAlpha(image));
}

const Bitmap* CardPictureStore::Back(int backDesign, Size size) {
    if (backDesign < 0 || backDesign >= kBackDesignCount || !UsableSize(size)) return nullptr;
    const Key key{kBackKind, backDesign, 0, size.cx, size.cy};
    if (const Bitmap* cached = Cached(key)) return cached;

    const BackDesign& design = BackDesignAt(backDesign);
    QImage image;
    if (BackFromDeck(backDesign)) {
        // Backs fill the card of whatever shape: their patterns bear a little stretching.
        image = Deck(design.deck)->Render(QStringLiteral("back"), size.cx, size.cy, false);
        TurnHue(image, design.hueShift);
    }
    if (image.isNull()) image = DrawnBack(DrawnStandIn(backDesign), size.cx, size.cy);
    return Keep(key, ToBitmapWithAlpha(image));
}

}  // namespace platform

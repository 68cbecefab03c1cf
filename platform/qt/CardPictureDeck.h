#pragma once
// One SVG deck of the card-data package: found by its folder, parsed on first use, its elements
// rendered to images of any size; plus the recolourings the host's designs make of them.

#include <memory>

#include <QImage>
#include <QSizeF>
#include <QString>

#include "platform/qt/CardPictureDesigns.h"

class QSvgRenderer;

namespace platform {

class CardPictureDeck {
public:
    // The deck in `folder` (holding an index.desktop naming its SVG file, or one .svgz file).
    explicit CardPictureDeck(QString folder);
    ~CardPictureDeck();
    CardPictureDeck(const CardPictureDeck&) = delete;
    CardPictureDeck& operator=(const CardPictureDeck&) = delete;

    // False when the folder, the file or the card elements are missing or the file is damaged.
    bool IsUsable();
    // Width and height of a face in the deck's own units (empty when unusable).
    QSizeF FaceSize();
    bool HasElement(const QString& id);
    // The element drawn over white (its rounded corners become white), width x height pixels.
    // With keepProportions a picture of another shape is centred with black on the sides, the
    // colour the program's dialogs take as transparent.
    QImage Render(const QString& id, int width, int height, bool keepProportions);

private:
    void Load();

    QString folder_;
    bool loaded_ = false;
    std::unique_ptr<QSvgRenderer> renderer_;
    QSizeF faceSize_;
};

// Four-colour faces from a two-colour deck: the black of clubs turns green, the red of diamonds
// orange; hearts and spades stay.
void TintFourColour(QImage& image, Suit suit);
// Turns every colour of the image round the colour wheel.
void TurnHue(QImage& image, int degrees);

}  // namespace platform

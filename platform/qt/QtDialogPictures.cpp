#include "platform/qt/QtDialogPictures.h"

#include "platform/core/Resources.h"
#include "platform/qt/PainterDC.h"
#include "platform/qt/QtImage.h"
#include "platform/qt/QtPictures.h"
#include "tavlo/Symbols.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace platform {

int DialogPictureSymbol(int imageId) {
    switch (imageId) {
        case 295: case 385: return 1;  // Clubs: the suit button, the game picture
        case 298: case 396: return 2;  // Spades
        case 297: case 397: return 3;  // Hearts
        case 296: case 398: return 4;  // Diamonds
        case 180: return 5;            // Null
        case 293: return 6;            // Revolution
        case 181: return 7;            // Grand
        default: return 0;
    }
}

const char* DialogPictureDrawing(int imageId) {
    switch (imageId) {
        case 128: return "kartovan.svg";  // the program's icon (the main frame's id), in the about box
        case 269: return "kontra.svg";  // the call of Kontra or Rekontra beside its message
        case 263: case 282: return "arrow-down.svg";  // the number fields' down buttons (each edition's id)
        case 264: case 283: return "arrow-up.svg";
        default: return "";
    }
}

bool DialogPictureIsBitmap(int imageId) {
    return DialogPictureSymbol(imageId) == 0 && *DialogPictureDrawing(imageId) == '\0' && !LoadBitmap(imageId).IsEmpty();
}

namespace {

// A drawing rendered square at the largest side that fits the room.
QImage RenderDrawing(const char* drawing, QSize size) {
    QSvgRenderer renderer(PicturePath(drawing));
    if (!renderer.isValid()) return QImage();
    const int side = std::min(size.width(), size.height());
    QImage drawn(side, side, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, side, side));
    }
    return drawn;
}

QImage DrawSymbolPicture(int symbol) {
    const int side = tavlo::kLargeSymbolSide;
    QImage drawn(side, side, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        PainterDC dc(drawn, Size{side, side});
        tavlo::DrawSymbol(dc, symbol, Point{0, 0});
        dc.Finish();
    }
    return drawn;
}

}  // namespace

QImage DialogPictureImage(int imageId, QSize size) {
    if (size.isEmpty()) return QImage();
    const int symbol = DialogPictureSymbol(imageId);
    const char* drawing = DialogPictureDrawing(imageId);
    QImage drawn;
    bool pixelPicture = false;
    if (symbol != 0) {
        drawn = DrawSymbolPicture(symbol);
    } else if (*drawing != '\0') {
        drawn = RenderDrawing(drawing, size);
    } else if (const Bitmap bitmap = LoadBitmap(imageId); !bitmap.IsEmpty()) {
        // A bitmap of the edition's resources (the panels' size buttons): drawn pixel for pixel.
        drawn = ToQImage(bitmap);
        pixelPicture = true;
    }
    if (drawn.isNull()) return QImage();
    // A pixel picture keeps its size where it fits; only a larger one is made smaller.
    const bool fits = drawn.width() <= size.width() && drawn.height() <= size.height();
    const QImage scaled = pixelPicture && fits
                              ? drawn
                              : drawn.scaled(size, Qt::KeepAspectRatio,
                                             pixelPicture ? Qt::FastTransformation : Qt::SmoothTransformation);
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2, scaled);
    return picture;
}

}  // namespace platform

#pragma once
// Card pictures drawn in code: faces with corner indices, pips and framed court letters, and
// patterned backs. They make the tournament design and stand in for every deck the card-data
// package does not provide.

#include <QImage>
#include <QPainterPath>

#include "platform/qt/CardPictureDesigns.h"

namespace platform {

// The suit symbol in the unit square, point or stem downward.
QPainterPath SuitSymbol(Suit suit);
// The suit's ink: red and black, or green, orange, red and black in four colours.
QColor SuitColor(Suit suit, bool fourColour);

// An opaque picture of the card, width x height pixels.
QImage DrawnFace(int card, const DrawnFaceStyle& style, int width, int height);
QImage DrawnBack(const BackDesign& design, int width, int height);

}  // namespace platform

#include "platform/qt/CardPictureDrawn.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include <QFont>
#include <QPainter>

#include "platform/qt/PainterDCFont.h"

namespace platform {

namespace {

const QColor kEdge(60, 60, 60);

QPainterPath HeartShape() {
    QPainterPath path;
    path.moveTo(0.5, 0.95);
    path.cubicTo(0.05, 0.62, 0.0, 0.38, 0.1, 0.2);
    path.cubicTo(0.22, 0.02, 0.45, 0.06, 0.5, 0.28);
    path.cubicTo(0.55, 0.06, 0.78, 0.02, 0.9, 0.2);
    path.cubicTo(1.0, 0.38, 0.95, 0.62, 0.5, 0.95);
    path.closeSubpath();
    return path;
}

QPainterPath Stem() {
    QPainterPath path;
    path.moveTo(0.5, 0.55);
    path.lineTo(0.66, 1.0);
    path.lineTo(0.34, 1.0);
    path.closeSubpath();
    return path;
}

// Rows of pip positions (x in thirds of the pip area, y from 0 to 1) for 2..10 pips.
std::vector<QPointF> PipPlaces(int rank) {
    constexpr double L = 0.0, M = 0.5, R = 1.0;
    switch (rank) {
        case 2: return {{M, 0}, {M, 1}};
        case 3: return {{M, 0}, {M, 0.5}, {M, 1}};
        case 4: return {{L, 0}, {R, 0}, {L, 1}, {R, 1}};
        case 5: return {{L, 0}, {R, 0}, {M, 0.5}, {L, 1}, {R, 1}};
        case 6: return {{L, 0}, {R, 0}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}};
        case 7: return {{L, 0}, {R, 0}, {M, 0.25}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}};
        case 8: return {{L, 0}, {R, 0}, {M, 0.25}, {L, 0.5}, {R, 0.5}, {M, 0.75}, {L, 1}, {R, 1}};
        case 9:
            return {{L, 0}, {R, 0}, {L, 1.0 / 3}, {R, 1.0 / 3}, {M, 0.5},
                    {L, 2.0 / 3}, {R, 2.0 / 3}, {L, 1}, {R, 1}};
        case 10:
            return {{L, 0}, {R, 0}, {M, 1.0 / 6}, {L, 1.0 / 3}, {R, 1.0 / 3},
                    {L, 2.0 / 3}, {R, 2.0 / 3}, {M, 5.0 / 6}, {L, 1}, {R, 1}};
        default: return {};
    }
}

void DrawSymbol(QPainter& painter, Suit suit, const QColor& color, QPointF centre, double size,
                bool upsideDown = false) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) painter.rotate(180);
    painter.scale(size, size);
    painter.translate(-0.5, -0.5);
    painter.fillPath(SuitSymbol(suit), color);
    painter.restore();
}

QString IndexText(int rank, const DrawnFaceStyle& style) {
    switch (rank) {
        case 1: return QString::fromUtf8(style.letters[3]);
        case 11: return QString::fromUtf8(style.letters[0]);
        case 12: return QString::fromUtf8(style.letters[1]);
        case 13: return QString::fromUtf8(style.letters[2]);
        default: return QString::number(rank);
    }
}

// Rank and small suit in the top-left corner; the painter is turned for the opposite corner.
void DrawIndex(QPainter& painter, int card, const DrawnFaceStyle& style, const QColor& ink,
               double width, double height) {
    const double letterHeight = height * (style.largeIndex ? 0.2 : 0.14);
    QFont font = ToQFont({"Arial", std::max(1, static_cast<int>(letterHeight)), 0, 700});
    font.setStretch(RankOf(card) == 10 ? 75 : 100);
    painter.setFont(font);
    painter.setPen(ink);
    const QRectF cell(width * 0.02, height * 0.02, width * (style.largeIndex ? 0.26 : 0.2), letterHeight * 1.1);
    painter.drawText(cell, Qt::AlignHCenter | Qt::AlignTop, IndexText(RankOf(card), style));
    DrawSymbol(painter, SuitOf(card), ink,
               {cell.center().x(), cell.bottom() + letterHeight * 0.45}, letterHeight * 0.7);
}

void DrawCourt(QPainter& painter, int card, const DrawnFaceStyle& style, const QColor& ink,
               const QRectF& area) {
    painter.setPen(QPen(style.frame, std::max(1.0, area.width() * 0.03)));
    QColor wash = ink;
    wash.setAlpha(28);
    painter.setBrush(wash);
    painter.drawRoundedRect(area, area.width() * 0.08, area.width() * 0.08);
    QFont font = ToQFont({"Times New Roman", std::max(1, static_cast<int>(area.height() * 0.45)), 0, 700});
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(area, Qt::AlignCenter, IndexText(RankOf(card), style));
    const double symbol = area.width() * 0.22;
    DrawSymbol(painter, SuitOf(card), ink, {area.left() + symbol * 0.8, area.top() + symbol * 0.8}, symbol);
    DrawSymbol(painter, SuitOf(card), ink, {area.right() - symbol * 0.8, area.bottom() - symbol * 0.8},
               symbol, true);
}

// The patterned field of a back: where it lies, the card's size and the pattern's step. Each
// pattern below draws over the whole field, the pen and brush in the design's ink to begin with.
struct BackField {
    QRectF field;
    double w, h, step;
};

void DrawLattice(QPainter& painter, const BackDesign&, const BackField& f) {
    const double w = f.w, h = f.h, step = f.step;
    for (double d = -h; d < w + h; d += step) {
        painter.drawLine(QPointF(d, 0), QPointF(d + h, h));
        painter.drawLine(QPointF(d, h), QPointF(d + h, 0));
    }
}

void DrawChecks(QPainter& painter, const BackDesign&, const BackField& f) {
    const double w = f.w, h = f.h, step = f.step;
    painter.setPen(Qt::NoPen);
    for (int row = 0; row * step < h; ++row) {
        for (int column = row % 2; column * step < w; column += 2) {
            painter.drawRect(QRectF(column * step, row * step, step, step));
        }
    }
}

void DrawStripes(QPainter& painter, const BackDesign& design, const BackField& f) {
    const double w = f.w, h = f.h, step = f.step;
    painter.setPen(QPen(design.ink, step / 2));
    for (double d = -h; d < w + h; d += step) painter.drawLine(QPointF(d, h), QPointF(d + h, 0));
}

void DrawDots(QPainter& painter, const BackDesign&, const BackField& f) {
    const double w = f.w, h = f.h, step = f.step;
    painter.setPen(Qt::NoPen);
    for (int row = 0; row * step < h + step; ++row) {
        for (double x = (row % 2) * step / 2; x < w + step; x += step) {
            painter.drawEllipse(QPointF(x, row * step), step * 0.28, step * 0.28);
        }
    }
}

void DrawHarlequin(QPainter& painter, const BackDesign&, const BackField& f) {
    const double w = f.w, h = f.h, step = f.step;
    painter.setPen(Qt::NoPen);
    for (int row = 0; row * step < h + step; ++row) {
        for (int column = row % 2; column * step < w + step; column += 2) {
            const QPointF c(column * step, row * step);
            QPolygonF rhombus;
            rhombus << c + QPointF(0, -step) << c + QPointF(step, 0) << c + QPointF(0, step)
                    << c + QPointF(-step, 0);
            painter.drawPolygon(rhombus);
        }
    }
}

void DrawFrames(QPainter& painter, const BackDesign&, const BackField& f) {
    const double w = f.w, h = f.h, step = f.step;
    const QRectF& field = f.field;
    painter.setBrush(Qt::NoBrush);
    for (double inset = step / 2; inset * 2 < std::min(w, h); inset += step / 1.5) {
        painter.drawRoundedRect(field.adjusted(inset, inset, -inset, -inset), step / 2, step / 2);
    }
}

void DrawWaves(QPainter& painter, const BackDesign&, const BackField& f) {
    const double w = f.w, h = f.h, step = f.step;
    painter.setBrush(Qt::NoBrush);
    for (double y = 0; y < h + step; y += step / 1.5) {
        QPainterPath wave;
        wave.moveTo(0, y);
        for (double x = 0; x < w + step; x += step) {
            wave.quadTo(QPointF(x + step / 2, y - step / 2), QPointF(x + step, y));
        }
        painter.drawPath(wave);
    }
}

void DrawPlaid(QPainter& painter, const BackDesign& design, const BackField& f) {
    const double w = f.w, h = f.h, step = f.step;
    QColor light = design.ink;
    light.setAlpha(140);
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    for (double x = 0; x < w; x += step * 2) painter.drawRect(QRectF(x, 0, step * 0.8, h));
    for (double y = 0; y < h; y += step * 2) painter.drawRect(QRectF(0, y, w, step * 0.8));
    painter.setPen(QPen(Qt::white, 1));
    for (double x = step * 1.4; x < w; x += step * 2) painter.drawLine(QPointF(x, 0), QPointF(x, h));
}

void DrawScales(QPainter& painter, const BackDesign&, const BackField& f) {
    const double w = f.w, h = f.h, step = f.step;
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row * step / 2 < h + step; ++row) {
        for (double x = (row % 2) * step / 2; x < w + step; x += step) {
            painter.drawEllipse(QPointF(x, row * step / 2), step / 2, step / 2);
        }
    }
}

void DrawRays(QPainter& painter, const BackDesign& design, const BackField& f) {
    const double w = f.w, h = f.h;
    const QRectF& field = f.field;
    painter.setPen(Qt::NoPen);
    const QPointF centre = field.center();
    const double reach = w + h;
    for (int ray = 0; ray < 24; ray += 2) {
        QPolygonF wedge;
        const double a0 = ray * std::numbers::pi / 12, a1 = (ray + 1) * std::numbers::pi / 12;
        wedge << centre << centre + QPointF(std::cos(a0) * reach, std::sin(a0) * reach)
              << centre + QPointF(std::cos(a1) * reach, std::sin(a1) * reach);
        painter.drawPolygon(wedge);
    }
    painter.setBrush(design.ground);
    painter.drawEllipse(centre, w * 0.15, w * 0.15);
}

}  // namespace

QPainterPath SuitSymbol(Suit suit) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (suit) {
        case Suit::Hearts: return HeartShape();
        case Suit::Diamonds: {
            QPolygonF rhombus;
            rhombus << QPointF(0.5, 0.0) << QPointF(0.88, 0.5) << QPointF(0.5, 1.0) << QPointF(0.12, 0.5);
            path.addPolygon(rhombus);
            path.closeSubpath();
            return path;
        }
        case Suit::Spades: {
            // A heart upside down on a stem.
            QTransform flip;
            flip.translate(0, 0.8);
            flip.scale(1, -0.82);
            path.addPath(flip.map(HeartShape()));
            path.addPath(Stem());
            return path.simplified();
        }
        case Suit::Clubs:
            path.addEllipse(QPointF(0.5, 0.26), 0.21, 0.21);
            path.addEllipse(QPointF(0.27, 0.55), 0.21, 0.21);
            path.addEllipse(QPointF(0.73, 0.55), 0.21, 0.21);
            path.addEllipse(QPointF(0.5, 0.48), 0.12, 0.12);
            path.addPath(Stem());
            return path.simplified();
    }
    return path;
}

QColor SuitColor(Suit suit, bool fourColour) {
    switch (suit) {
        case Suit::Clubs: return fourColour ? QColor(0, 130, 40) : QColor(0, 0, 0);
        case Suit::Diamonds: return fourColour ? QColor(240, 140, 0) : QColor(210, 0, 0);
        case Suit::Hearts: return QColor(210, 0, 0);
        case Suit::Spades: return QColor(0, 0, 0);
    }
    return {};
}

// The card's edge line: one pixel on a card of 71, as thick again on a larger one.
double EdgeWidth(double width) { return std::max(1.0, std::round(width / 71.0)); }

QImage DrawnFace(int card, const DrawnFaceStyle& style, int width, int height) {
    // Transparent around the rounded corners, so that the table shows there.
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!IsCardCode(card)) return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double w = width, h = height;
    const double edge = EdgeWidth(w);
    painter.setPen(QPen(kEdge, edge));
    painter.setBrush(style.paper);
    painter.drawRoundedRect(QRectF(edge / 2, edge / 2, w - edge, h - edge), w * 0.06, w * 0.06);

    const QColor ink = SuitColor(SuitOf(card), style.fourColour);
    DrawIndex(painter, card, style, ink, w, h);
    painter.save();
    painter.translate(w, h);
    painter.rotate(180);
    DrawIndex(painter, card, style, ink, w, h);
    painter.restore();

    const double side = style.largeIndex ? 0.3 : 0.24;
    const QRectF middle(w * side, h * 0.12, w * (1 - 2 * side), h * 0.76);
    const int rank = RankOf(card);
    if (rank == 1) {
        DrawSymbol(painter, SuitOf(card), ink, middle.center(), std::min(middle.width(), middle.height()) * 0.7);
    } else if (rank >= 11) {
        DrawCourt(painter, card, style, ink, middle);
    } else {
        const double pip = std::min(middle.width() * 0.36, middle.height() * 0.2);
        const QRectF pips = middle.adjusted(pip / 2, pip / 2, -pip / 2, -pip / 2);
        for (const QPointF& place : PipPlaces(rank)) {
            const QPointF centre(pips.left() + place.x() * pips.width(), pips.top() + place.y() * pips.height());
            DrawSymbol(painter, SuitOf(card), ink, centre, pip, place.y() > 0.5);
        }
    }
    return image;
}

QImage DrawnBack(const BackDesign& design, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = width, h = height;
    const double edge = EdgeWidth(w);
    painter.setPen(QPen(kEdge, edge));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(edge / 2, edge / 2, w - edge, h - edge), w * 0.06, w * 0.06);

    const double margin = std::max(2.0, w * 0.06);
    const QRectF field(margin, margin, w - 2 * margin, h - 2 * margin);
    painter.setClipRect(field);
    painter.fillRect(field, design.ground);
    const double step = std::max(4.0, w / 9);
    painter.setPen(QPen(design.ink, std::max(1.0, step / 6)));
    painter.setBrush(design.ink);
    const BackField f{field, w, h, step};
    switch (design.pattern) {
        case BackPattern::Lattice: DrawLattice(painter, design, f); break;
        case BackPattern::Checks: DrawChecks(painter, design, f); break;
        case BackPattern::Stripes: DrawStripes(painter, design, f); break;
        case BackPattern::Dots: DrawDots(painter, design, f); break;
        case BackPattern::Harlequin: DrawHarlequin(painter, design, f); break;
        case BackPattern::Frames: DrawFrames(painter, design, f); break;
        case BackPattern::Waves: DrawWaves(painter, design, f); break;
        case BackPattern::Plaid: DrawPlaid(painter, design, f); break;
        case BackPattern::Scales: DrawScales(painter, design, f); break;
        case BackPattern::Rays: DrawRays(painter, design, f); break;
    }
    painter.setClipping(false);
    painter.setPen(QPen(design.ink.darker(150), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(field.adjusted(0.5, 0.5, -0.5, -0.5));
    return image;
}

}  // namespace platform

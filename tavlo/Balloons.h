#pragma once
// Speech balloons of one window: a rounded white body holding the text, word-wrapped to the
// balloon's width, and a tail below it. Balloon 5 points down-left (seats 0 and 2, the left message
// side), balloon 6 down-right (seat 1). Other ids are not balloons of the table and are refused.
// The length argument the program passes (20) is the tail's length in pixels.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/DeviceContext.h"
#include "platform/core/Geometry.h"

namespace tavlo {

constexpr int kBalloonWidth = 141;
constexpr int kBalloonPaddingX = 8;
constexpr int kBalloonPaddingY = 6;
constexpr int kBalloonMaxTail = 200;

bool IsBalloonId(int id);
platform::LogFont BalloonFont();

struct BalloonLayout {
    platform::Rect body;
    std::vector<platform::Point> tail;  // a triangle hanging from the body's bottom edge
    std::vector<std::string> lines;
    std::vector<platform::Point> linePositions;  // top-left of each line
    platform::Rect bounds;                       // body and tail
};

// Lays the text out in the font the context has selected: lines break at blanks, a word wider
// than the balloon breaks between characters, "\n" starts a new line.
BalloonLayout LayOutBalloon(const platform::DeviceContext& dc, int id, platform::Point position, int tail,
                            std::string_view text);
// The same with an estimate of the balloon font's metrics, for a window without a drawing surface.
BalloonLayout EstimateBalloon(int id, platform::Point position, int tail, std::string_view text);

// Draws the balloon into the context (selects the balloon font itself) and returns its layout.
BalloonLayout DrawBalloon(platform::DeviceContext& dc, int id, platform::Point position, int tail,
                          std::string_view text);

struct Balloon {
    platform::Point position;
    int tail = 0;
    std::string text;
    platform::Rect bounds;  // as last laid out
};

// The balloons a window shows, by id.
struct BalloonDeck {
    std::map<int, Balloon> shown;
};

}  // namespace tavlo

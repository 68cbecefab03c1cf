#pragma once
// The side windows' scroll and wheel arithmetic: where a scroll code takes the position within its
// range, and how wheel units turn into scroll lines with a remainder carried to the next message.

namespace sidewindow {

// Where a scroll message leads. `moved` is new - old: the content scrolls by -moved (upwards or
// to the left when the position grew); for a thumb drop the content already moved while tracking.
struct ScrollStep {
    int position = 0;
    int moved = 0;      // the distance the content is scrolled by (0: nothing to scroll)
    bool set = false;   // the position is written (also for a thumb drop, which scrolls nothing)
};

// Lines and pages stop at the ends of the range (nothing at all when already there); the thumb
// sets its position (kept within the range); every other code does nothing.
ScrollStep ApplyScrollCode(unsigned code, int position, int low, int high, int line, int page, int track);

// The page of a bar: the client's extent in that direction, less 22 when the other bar is shown.
int ScrollPage(int clientExtent, bool otherBarShown);

// One wheel message: the remainder grows by the delta; each whole 120 units is one line, up for a
// sum of 0 or more, down for a negative one; the rest keeps its sign.
struct WheelLines {
    int lines = 0;
    bool up = true;
    int rest = 0;
};
WheelLines SplitWheel(int rest, int delta);

}  // namespace sidewindow

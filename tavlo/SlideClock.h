#pragma once
// tavlo::SlideClock: a hidden child window of a table window whose timers drive that table's slides.
// Each slide has a timer of its own; every expiry puts the card where the elapsed time says on the
// straight line to its target, and the last expiry falls exactly on the slide's end time. Frames are
// at least 10 ms apart (the window system's shortest interval), so a slide of 1..9 ms ends after
// 10 ms.

#include <cstdint>
#include <map>

#include "platform/core/Window.h"

namespace tavlo {

class Table;

class SlideClock final : public platform::Window {
public:
    static constexpr int kFrameMs = 10;

    explicit SlideClock(Table& table);
    ~SlideClock() override;

    // Starts moving the card from `from` to `to` over delayMs (above 0); returns the slide's id.
    UINT Start(int card, platform::Point from, platform::Point to, int delayMs);
    bool IsRunning(UINT slide) const { return m_slides.count(slide) != 0; }
    // Puts the card at the slide's target at once.
    void Finish(UINT slide);
    // Ends the card's slides where the card is.
    void Stop(int card);
    void StopAll();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Slide {
        int card = 0;
        platform::Point from;
        platform::Point to;
        std::int64_t start = 0;
        std::int64_t end = 0;
        int framesLeft = 0;
    };
    void Advance(UINT slide);
    void Arm(UINT slide, const Slide& s, std::int64_t now);

    Table& m_table;
    std::map<UINT, Slide> m_slides;
    UINT m_nextId = 1;
};

}  // namespace tavlo

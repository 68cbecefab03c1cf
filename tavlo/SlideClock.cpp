#include "tavlo/SlideClock.h"

#include <algorithm>

#include "platform/core/WindowApi.h"
#include "tavlo/Table.h"

namespace tavlo {

SlideClock::SlideClock(Table& table) : m_table(table) {}

SlideClock::~SlideClock() {
    // The engine only reaches the base class from here on; take the timers down while we are whole.
    if (IsAlive()) DestroyWindow();
}

UINT SlideClock::Start(int card, platform::Point from, platform::Point to, int delayMs) {
    Stop(card);
    const UINT id = m_nextId++;
    if (m_nextId == 0) m_nextId = 1;
    const std::int64_t now = platform::WindowSystem::Instance().Now();
    Slide slide{card, from, to, now, now + delayMs, std::max(1, delayMs / kFrameMs)};
    m_slides[id] = slide;
    Arm(id, slide, now);
    return id;
}

void SlideClock::Arm(UINT id, const Slide& slide, std::int64_t now) {
    const std::int64_t interval = std::max<std::int64_t>(kFrameMs, (slide.end - now) / slide.framesLeft);
    SetTimer(id, static_cast<int>(std::min<std::int64_t>(interval, 1 << 30)));
}

void SlideClock::Finish(UINT id) {
    const auto it = m_slides.find(id);
    if (it == m_slides.end()) return;
    const Slide slide = it->second;
    m_slides.erase(it);
    KillTimer(id);
    m_table.MoveCard(slide.card, slide.to);
}

void SlideClock::Stop(int card) {
    for (auto it = m_slides.begin(); it != m_slides.end();) {
        if (it->second.card == card) {
            KillTimer(it->first);
            it = m_slides.erase(it);
        } else {
            ++it;
        }
    }
}

void SlideClock::StopAll() {
    for (const auto& [id, slide] : m_slides) KillTimer(id);
    m_slides.clear();
}

void SlideClock::Advance(UINT id) {
    const auto it = m_slides.find(id);
    if (it == m_slides.end()) {
        KillTimer(id);
        return;
    }
    Slide& slide = it->second;
    const std::int64_t now = platform::WindowSystem::Instance().Now();
    --slide.framesLeft;
    if (slide.framesLeft <= 0 || now >= slide.end) {
        Finish(id);
        return;
    }
    const std::int64_t elapsed = now - slide.start;
    const std::int64_t span = slide.end - slide.start;
    const platform::Point at{
        static_cast<int>(slide.from.x + (std::int64_t{slide.to.x} - slide.from.x) * elapsed / span),
        static_cast<int>(slide.from.y + (std::int64_t{slide.to.y} - slide.from.y) * elapsed / span)};
    Arm(id, slide, now);
    m_table.MoveCard(slide.card, at);
}

LRESULT SlideClock::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        Advance(static_cast<UINT>(wParam));
        return 0;
    }
    return platform::Window::WindowProc(message, wParam, lParam);
}

}  // namespace tavlo

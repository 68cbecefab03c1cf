#pragma once
// Helpers of the frame tests: the texts drawn on the table window and the hands of a deal.

#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "model/Skat.h"
#include "platform/headless/RecordingDC.h"

#include <algorithm>
#include <array>

namespace testsupport {

// Every text drawn on the window's surface so far, in order.
inline std::vector<std::string> DrawnTexts(platform::HeadlessHost& host, HWND window) {
    std::vector<std::string> texts;
    if (platform::RecordingDC* surface = host.Surface(window))
        for (const platform::DrawRecord& record : surface->RecordsOfKind(platform::DrawKind::Text))
            texts.push_back(record.text);
    return texts;
}

inline bool WasDrawn(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The dealt cards of the three hands and the skat.
using Deal = std::array<std::vector<int>, 4>;
inline Deal DealtCards(CMainFrame& frame) {
    Deal deal;
    for (int seat = 0; seat < 3; ++seat) deal[static_cast<std::size_t>(seat)] = frame.GameObject().Hand(seat).dealt;
    deal[3] = frame.GameObject().dealt;
    return deal;
}

}  // namespace testsupport

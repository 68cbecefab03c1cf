// The cards assignment's drawing: the title, then per stored deal its number, the skat, the
// game's result from the score list, the time it was stored and the three hands, one block below
// the other on the screen, ten to a page in portrait and three side by side in landscape.
#include "model/GameTypeLookups.h"
#include "windows/Store.h"

#include "match/GameList.h"
#include "match/StoreRows.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Clock.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "tavlo/SymbolApi.h"
#include "windows/PrintingContext.h"
#include "windows/WindowFrameServices.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

namespace DT = platform::DrawTextFormat;

bool IsGermanEdition() { return platform::LoadString(IDS_OTHER_LANGUAGE) == "en"; }

platform::LogFont Arial(int height) {
    platform::LogFont font;
    font.face = "Arial";
    font.height = height;
    font.weight = 700;
    return font;
}

const char* SeatLabel(int seat) {
    switch (seat) {
        case 0: return "C1:";
        case 1: return "C2:";
        case 2: return "P:";
        default: return "";
    }
}

// The edition's part of the stored "German\nEnglish" title, with the match file's name.
std::string StoreTitle() {
    std::string title = g_StoreRows.Title();
    const std::size_t feed = title.find('\n');
    if (feed != std::string::npos) title = IsGermanEdition() ? title.substr(0, feed) : title.substr(feed + 1);
    if (const std::string name = g_SideWindowFrame.UserFileName(); !name.empty()) title += " (" + name + ")";
    return title;
}

}  // namespace

void CStore::DrawList(platform::DeviceContext& dc, int dx, int dy) {
    // 1. Origin and layout: screen, portrait or landscape pages.
    const int x0 = 5 - dx, y0 = 5 - dy;
    const bool printing = IsPrintingContext(dc);
    const bool landscape = printing && g_Settings.Print.Orient == 2;
    const int top = printing ? 40 : 0, leftOffset = printing && !landscape ? 60 : 0;
    const int perPage = landscape ? 30 : 10, gap = 210, pitch = landscape ? 490 : 0;
    const bool german = IsGermanEdition();
    const platform::LogFont savedFont = dc.CurrentFont();
    // 2.-3. The title.
    const std::string title = StoreTitle();
    auto drawTitle = [&](int at) {
        dc.SelectFont(Arial(20));
        platform::Rect band{x0 + leftOffset, at, x0 + leftOffset + 440 + 2 * pitch, at + 24};
        dc.DrawText(title, band, DT::Center | DT::SingleLine);
    };
    drawTitle(y0 + top);
    // 4. The deals, with a result only while the list and the store count the same games.
    const int n = g_StoreRows.StoredDeals();
    const bool same = g_Game.GameCount == n;
    const int mode = g_StoreRows.DealWord(1, DEAL_NUMBERING);
    int left = x0 + leftOffset, y = y0 + top, shift = 0, column = 0;
    auto drawCard = [&](int card, int x, int at) {
        // Only card codes draw: an empty slot or a damaged word leaves its place blank.
        if (card < 1 || card > 52) return;
        const int rank = GetCardRank(card);
        int rankSymbol = 13 + rank;
        if (german && rank == 5) rankSymbol = 21;
        if (german && rank == 6) rankSymbol = 22;
        WS_DrawSymbol(Handle(), 9 + GetCardSuit(card, true), x, at, &dc);
        WS_DrawSymbol(Handle(), rankSymbol, x + 15, at, &dc);
    };
    for (int k = 1; k <= n; ++k) {
        // 5.1 A new page with its title.
        if (printing && k > 1 && (k - 1) % perPage == 0) {
            y += gap;
            drawTitle(y);
        }
        // 5.2-5.3 The number.
        left += shift;
        y += 32;
        dc.SelectFont(Arial(20));
        platform::Rect box{left, y, left + 48, y + 16};
        dc.DrawText(StoredGameNumber(mode == 1 ? 1 : 0, g_StoreRows.DealWord(k, DEAL_GAME)), box,
                    DT::Center | DT::VCenter | DT::SingleLine);
        // 5.4 The skat.
        for (int w = 0; w < 2; ++w) drawCard(g_StoreRows.DealWord(k, DEAL_SKAT + w), left + 50 + 40 * w, y);
        // 5.5 The result from the score list.
        dc.SelectFont(Arial(12));
        if (same) {
            if (const ListRecord* game = g_GameList.Game(k)) {
                const std::string text = game->TextString();
                std::string result = std::string(SeatLabel(game->Forehand)) + " " + text + " " + SeatLabel(game->Seat()) + " ";
                if (!text.empty()) result += std::to_string(game->Score);
                box = {left + 130, y, left + 320, y + 16};
                dc.DrawText(result, box, DT::Center | DT::VCenter | DT::SingleLine);
            }
        }
        // 5.6 The time, read as unsigned seconds. Its box grows to the right, where the row has room,
        // until the date and time fit it: the screen's bold face runs wider than the 100 pixels.
        const auto stored = static_cast<std::uint32_t>(g_StoreRows.DealWord(k, DEAL_TIME));
        const std::string time =
            platform::FormatLocalTime(german ? "%d.%m.%Y  %H:%M:%S" : "%Y-%m-%d  %H:%M:%S", stored);
        box = {left + 320, y, left + 320 + std::max(100, dc.GetTextExtent(time).cx), y + 16};
        dc.DrawText(time, box, DT::Center | DT::VCenter | DT::SingleLine);
        // 5.7 The hands.
        for (int seat = 0; seat < 3; ++seat) {
            y += 20;
            for (int slot = 0; slot < 10; ++slot)
                drawCard(g_StoreRows.DealWord(k, DEAL_HAND_0 + 10 * seat + slot), left + 50 + 40 * slot, y);
        }
        // 5.8 Landscape sets three deals side by side.
        ++column;
        if (column < 3) {
            if (shift <= 0) shift = pitch;
            if (pitch > 0) y -= 92;
        } else {
            shift = -2 * pitch;
            column = 0;
        }
    }
    dc.SelectFont(savedFont);
}

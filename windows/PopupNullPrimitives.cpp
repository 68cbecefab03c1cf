// The Null popups' card-list primitives.

#include "windows/PopupNullPrimitives.h"

#include <vector>

#include "computer/evaluation/EstimationSheetLayout.h"
#include "computer/evaluation/OtherGameOrder.h"
#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

namespace {

// A listed suit with the texts of its cards (an empty text: the symbol alone).
struct SuitEntry {
    int suit;
    std::vector<std::string> cards;
};

// The suits of the block whose Null class is `code`, in suit order.
std::vector<int> SuitsOfClass(const EstimationSheetBlock& block, int code) {
    std::vector<int> suits;
    if (code == 0) return suits;
    for (int s = 0; s < 4; ++s)
        if (block[s][NullSheet::ClassWord] == code) suits.push_back(s);
    return suits;
}

// The skat card of suit s: slot 10 when it is of that suit, else slot 11 when that one is; -1
// when neither is.
int SkatCardOfSuit(const CPlayer& player, int suit) {
    for (int slot : {10, 11}) {
        const int card = player.cards[static_cast<std::size_t>(slot)];
        if (IsCardCode(card) && GetCardSuit(card, true) == suit) return card;
    }
    return -1;
}

// The scoring text that replaces every card of the venture and unfit groups (codes 10 and 13).
bool ScoringText(int code, std::string& text) {
    if (code != 10 && code != 13) return false;
    text = PopupFormat("%s %d", platform::LoadString(IDS_POPUP_SCORING).c_str(), code == 10 ? 1 : 3);
    return true;
}

// Steps 4 to 6: the line, its box and its text.
void DrawEntries(PopupCanvas& canvas, const NullPrimitiveCall& call, const std::string& countText,
                 const std::vector<SuitEntry>& entries) {
    PopupLine line;
    if (entries.empty()) {
        line.Text(PopupFormat("%d %s: 0", call.spot, call.term.c_str()));
    } else {
        line.Text(PopupFormat("%d %s: ", call.spot, call.term.c_str())).Text(countText);
        bool first = true;
        for (const SuitEntry& entry : entries) {
            if (entry.cards.empty()) {
                if (!first) line.Fixed(call.joiner, 12);
                line.Symbol(entry.suit);
                first = false;
            }
            for (const std::string& card : entry.cards) {
                if (!first) line.Fixed(call.joiner, 12);
                line.Symbol(entry.suit).Text(card);
                first = false;
            }
        }
    }
    const int width = line.Width(canvas), height = PopupLineHeight(canvas);
    const platform::Rect box = canvas.DrawPopupBox(call.mode, call.spot, width, height, 0);
    line.Draw(canvas, box.left + 2, box.top + 2);
}

}  // namespace

void PaintPopupSuitA(PopupCanvas& canvas, const PopupTexts& texts, const NullPrimitiveCall& call) {
    const EstimationSheetBlock* block = canvas.ShownBlock();
    const CPlayer* player = canvas.ShownPlayer();
    if (!block || !player) return;
    std::vector<SuitEntry> entries;
    // Step 1: only the first suit of the class, and only when a bonus mark names the class.
    const bool marked = SheetAt(*block, NullSheet::SafeNoForehandMark) == call.code ||
                        SheetAt(*block, NullSheet::SafeNoAceMark) == call.code;
    const std::vector<int> suits = SuitsOfClass(*block, call.code);
    if (marked && !suits.empty()) {
        // Step 2: its cards in the Null order.
        const NullSuitCards cards = NullOrderCards(*player, {suits.front()}).front();
        SuitEntry entry{cards.suit, {}};
        if (call.code == 3) entry.cards = {texts.CardText(cards.aboveLowest), texts.CardText(cards.lowest)};
        else entry.cards = {texts.CardText(cards.highest)};
        entries.push_back(entry);
    }
    DrawEntries(canvas, call, "1: ", entries);
}

void PaintPopupSuitB(PopupCanvas& canvas, const PopupTexts& texts, const NullPrimitiveCall& call) {
    (void)texts;
    const EstimationSheetBlock* block = canvas.ShownBlock();
    if (!block || !canvas.ShownPlayer()) return;
    std::vector<SuitEntry> entries;
    for (int s : SuitsOfClass(*block, call.code)) entries.push_back({s, {}});
    DrawEntries(canvas, call, PopupFormat("%d: ", static_cast<int>(entries.size())), entries);
}

void PaintPopupC(PopupCanvas& canvas, const PopupTexts& texts, const NullPrimitiveCall& call) {
    const EstimationSheetBlock* block = canvas.ShownBlock();
    const CPlayer* player = canvas.ShownPlayer();
    if (!block || !player) return;
    std::string scoring;
    const bool scored = ScoringText(call.code, scoring);
    std::vector<SuitEntry> entries;
    for (const NullSuitCards& cards : NullOrderCards(*player, SuitsOfClass(*block, call.code))) {
        const int card = cards.highest < 0 ? SkatCardOfSuit(*player, cards.suit) : cards.highest;
        entries.push_back({cards.suit, {scored ? scoring : texts.CardText(card)}});
    }
    DrawEntries(canvas, call, "", entries);
}

void PaintPopupD(PopupCanvas& canvas, const PopupTexts& texts, const NullPrimitiveCall& call) {
    const EstimationSheetBlock* block = canvas.ShownBlock();
    const CPlayer* player = canvas.ShownPlayer();
    if (!block || !player) return;
    std::vector<SuitEntry> entries;
    for (const NullSuitCards& cards : NullOrderCards(*player, SuitsOfClass(*block, call.code))) {
        const int skat = SkatCardOfSuit(*player, cards.suit);
        entries.push_back({cards.suit,
                           {texts.CardText(cards.highest < 0 ? skat : cards.highest),
                            texts.CardText(cards.belowHighest < 0 ? skat : cards.belowHighest)}});
    }
    DrawEntries(canvas, call, PopupFormat(" %d: ", 2 * static_cast<int>(entries.size())), entries);
}

void DrawEstimateRow(PopupCanvas& canvas, const PopupTexts& texts, const NullPrimitiveCall& call) {
    const EstimationSheetBlock* block = canvas.ShownBlock();
    const CPlayer* player = canvas.ShownPlayer();
    if (!block || !player) return;
    std::string scoring;
    const bool scored = ScoringText(call.code, scoring);
    std::vector<SuitEntry> entries;
    for (const NullSuitCards& cards : NullOrderCards(*player, SuitsOfClass(*block, call.code)))
        entries.push_back({cards.suit, {scored ? scoring : texts.CardText(cards.highest)}});
    DrawEntries(canvas, call, "", entries);
}

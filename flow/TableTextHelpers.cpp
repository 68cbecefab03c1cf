#include "flow/TableTextHelpers.h"

#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

std::string GetRankText(int rank) {
    if (rank < 0 || rank > 7) return {};
    const std::string ranks = platform::LoadString(IDS_RANK_TEXTS);
    const std::size_t at = static_cast<std::size_t>(2 * rank);
    if (at >= ranks.size()) return {};
    std::string text = ranks.substr(at, 2);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string CardShortText(int card) {
    if (!IsCardCode(card)) return "-";
    const int suit = GetCardSuit(card, true);
    const std::string suits = platform::LoadString(IDS_ABBREVIATIONS);
    std::string text = GetRankText(GetCardRank(card));
    const std::size_t at = static_cast<std::size_t>(2 * suit);
    if (suit >= 0 && at + 2 <= suits.size()) text += suits.substr(at, 2);
    return text;
}

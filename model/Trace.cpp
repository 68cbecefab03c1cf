#include "model/Trace.h"

#include "shell/SkatApp.h"

void WriteTrace(const std::string& text, unsigned flags) {
    if (g_pApp) g_pApp->WriteLog(text, flags);
}

namespace {
const char* const kSuitNames[] = {"Clubs", "Spades", "Hearts", "Diamonds", "Null", "Revolution",
                                  "Grand", "Ramsch", "Durchmarsch"};
const char* const kRankNames[] = {"Ace", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King"};
}  // namespace

const char* SuitName(int suit) { return suit >= 0 && suit <= 8 ? kSuitNames[suit] : "-"; }

const char* RankName(int rank) { return rank >= 0 && rank <= 7 ? kRankNames[rank] : "-"; }

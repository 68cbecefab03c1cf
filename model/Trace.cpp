#include "model/Trace.h"

namespace {
TraceSink g_TraceSink;
}  // namespace

void SetTraceSink(TraceSink sink) { g_TraceSink = sink; }

bool IsTraceOn() { return g_TraceSink.IsOn && g_TraceSink.IsOn(); }

bool IsTraceOn(unsigned flags) { return IsTraceOn() && (!g_TraceSink.Wants || g_TraceSink.Wants(flags)); }

void WriteTrace(const std::string& text, unsigned flags) {
    if (IsTraceOn() && g_TraceSink.Write) g_TraceSink.Write(text, flags);
}

void WriteTrace(const char* text, unsigned flags) {
    if (IsTraceOn(flags) && g_TraceSink.Write) g_TraceSink.Write(text, flags);
}

namespace {
const char* const kSuitNames[] = {"Clubs", "Spades", "Hearts", "Diamonds", "Null", "Revolution",
                                  "Grand", "Ramsch", "Durchmarsch"};
const char* const kRankNames[] = {"Ace", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King"};
}  // namespace

const char* SuitName(int suit) { return suit >= 0 && suit <= 8 ? kSuitNames[suit] : "-"; }

const char* RankName(int rank) { return rank >= 0 && rank <= 7 ? kRankNames[rank] : "-"; }

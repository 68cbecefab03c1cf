#pragma once
// Exchanging cards between a player's hand and the skat: the exchange of the two laid-away cards
// named in DiscardResult, shared by the declaration, the Ramsch skat round and the suggestions.
// The single-card exchange itself is CPlayer::SwapCards (model/PlayerData.h, defined with this).

class CPlayer;
class CCards;

// The exchange rule: DiscardResult names two hand indexes; a hand card (0..9) goes to skat place
// 0 or 1, a skat index (10 or 11) means that skat card stays. Each exchange marks the card now in
// the skat as known to the soloist's side and the card now in the hand as unseen. animate: through
// the frame's animated exchange when it has one.
void ExchangeDiscardResult(CPlayer& player, CCards& skat, bool animate);

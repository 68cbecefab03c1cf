#pragma once
// Kontra and Rekontra: whether a computer defender announces Kontra against the soloist's game
// (decided once, while he holds all ten cards) and whether a computer soloist answers with
// Rekontra. Deterministic; the decision code lands in the option record of the game type.
// The operations of the player are CKontraDecision's (declared in KontraDecision.h, defined here).

class CPlayer;

// The rules and the setting let this defender announce Kontra.
bool KontraPermitted(const CPlayer& player);


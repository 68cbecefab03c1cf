#pragma once
// The game object's start-of-run and start-of-deal steps (CSkat::Startup and CSkat::Initialize),
// kept beside the flow that calls them.

#include "platform/core/Message.h"

class CMainFrame;
class CPlayer;
class CSkat;

// CSkat::Initialize: the card knowledge, the per-deal part of the game record and every row of the
// game object to their start-of-deal state.
void InitializeSkat(CSkat& game);
// CSkat::Startup: seeds the random source from the clock and creates the table window's card,
// balloon and symbol decks with the zoom, back and face of the settings.
void StartupSkat(const CSkat& game, HWND table, const CMainFrame& frame);
// A player looks at his hand after it changed outside play (the steps of the game object that
// change a hand are handed this look).
void LookAtNewHand(CPlayer& player);
// The card a seat's player would play into the trick on the table, chosen without playing it.
int SuggestedCard(CSkat& game, int seat);

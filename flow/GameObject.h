#pragma once
// The game object's start-of-run and start-of-deal steps (CSkat::Startup and CSkat::Initialize),
// kept beside the flow that calls them.

#include "platform/core/Message.h"

class CSkat;
class CMainFrame;

// CSkat::Initialize: the card knowledge, the per-deal part of the game record and every row of the
// game object to their start-of-deal state.
void InitializeSkat(CSkat& game);
// CSkat::Startup: seeds the random source from the clock and creates the table window's card,
// balloon and symbol decks with the zoom, back and face of the settings.
void StartupSkat(CSkat& game, HWND table, const CMainFrame& frame);

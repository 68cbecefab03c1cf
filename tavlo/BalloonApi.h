#pragma once
// The speech-balloon functions: balloons 5 and 6 per window (see Balloons.h for their look); other
// ids are refused with 0.

#include <string_view>

#include "platform/core/DeviceContext.h"
#include "platform/core/Message.h"

int WB_NewBalloonDeck(HWND window);
int WB_DeleteBalloonDeck(HWND window);
// Shows the balloon with its top-left corner at (x, y), a tail of `tail` pixels and the text laid
// out inside; a balloon shown already moves and takes the new text.
int WB_ShowBalloon(HWND window, int id, int x, int y, int tail, std::string_view text);
// With a context: draws the balloon into it only (printing). Without (nullptr): as WB_ShowBalloon.
int WB_DrawBalloon(HWND window, int id, int x, int y, int tail, std::string_view text,
                   platform::DeviceContext* dc);
int WB_IsBalloonShown(HWND window, int id);
int WB_RemoveBalloon(HWND window, int id);

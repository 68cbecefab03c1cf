#pragma once
// The eleven sound effects by their numbers, which the audio settings' bits and the replacement
// files count; every layer that asks for a sound names it here.

constexpr int SOUND_STOP = -1;  // ends a looped sound
constexpr int SOUND_BALLOON_BID = 0;
constexpr int SOUND_BALLOON_PASS = 1;
constexpr int SOUND_INVALID_CARD = 2;
constexpr int SOUND_BUTTON = 3;
constexpr int SOUND_DEAL = 4;
constexpr int SOUND_REMOVE_CARDS = 5;
constexpr int SOUND_CARD_PLAYED = 6;
constexpr int SOUND_BROKEN_OFF = 7;
constexpr int SOUND_GAME_WON = 8;
constexpr int SOUND_GAME_LOST = 9;
constexpr int SOUND_UNDO_REDO = 10;

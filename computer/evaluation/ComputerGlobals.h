#pragma once
// The computer player's globals all at once: its own state and the risk settings at their start
// values, the frame's services empty (no game object, open cards off, no animated exchange), and
// no scripted draws left waiting in the random source.

void ResetComputerGlobals();

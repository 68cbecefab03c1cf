#pragma once
// The rich-text messages of the game: a player's name as the headline and his message below it.
// Names come from the profile, so their backslashes and braces are escaped: a hostile name shows
// as itself and breaks no message.

#include <string>

class CPlayer;

// The rich-text document head (string 41314).
std::string RichTextHead();
// Head + the name in large bold + the message + "}". The Kontra and Rekontra messages start the
// message on a new source line ("\par\par\n "), the game message does not ("\par\par ").
std::string PlayerMessage(const std::string& name, const std::string& message, bool newLine);
// The message of a Kontra (kind 1) or a Rekontra (any other kind) said by the player.
std::string RichTextKontra(int kind, const CPlayer& player);

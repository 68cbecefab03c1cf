#pragma once
// The plain words of a rich-text string, for a list that shows no formatting.

#include <string>

// The text with every rich-text control word (a backslash up to and including the next blank)
// removed; a backslash without a blank after it ends the text.
std::string StripRtfControls(const std::string& text);

#pragma once
// Plain text into rich text: the one helper every name passes through on its way into a message
// or a result. A name shows as itself and never breaks the text around it.

#include <string>

// Escapes the backslash and both braces, writes every byte above 127 (the text converted to the
// Western code page first) as \'hh, and turns control characters (line feeds among them) into
// blanks, so that a name adds no line.
std::string EscapeRichText(const std::string& text);

#pragma once
// The settings export: every setting the profile keeps, as a registry editor's import file (CRLF
// lines, cp1252), sections in alphabetical order. Importing it restores them.

#include <string>

// The export text in UTF-8 (the caller converts it to the file's code page). productDefault: the
// product key's unnamed value, empty when there is none; flowState: the frame's game-flow state.
std::string SettingsExportText(const std::string& productDefault, int flowState);

// The text with every backslash written twice.
std::string DoubleBackslashes(const std::string& text);
// A text value as the export writes it: backslashes doubled, and, so that the value stays one quoted
// string of the file whatever a name holds, '"' escaped and control characters as blanks.
std::string ExportTextValue(const std::string& text);

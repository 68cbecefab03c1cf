#pragma once
// The settings export: every setting the profile keeps, as a registry editor's import file (CRLF
// lines, cp1252), sections in alphabetical order. Importing it restores them.

#include <string>

// The export text in UTF-8 (the caller converts it to the file's code page). productDefault: the
// product key's unnamed value, empty when there is none; flowState: the frame's game-flow state.
std::string SettingsExportText(const std::string& productDefault, int flowState);

// A text value as the export writes it: '\' and '"' escaped, control characters as blanks.
std::string ExportTextValue(const std::string& text);

#pragma once
// The score sheet's reading of a game's short notation ("+2HdSnGd24", "RaSbSbJf", "KoRe"): which
// cells of the game's line show what. The codes are the abbreviations of the edition's string
// table, so the reader and the result step that wrote the text agree.

#include <array>
#include <string>

constexpr int kScoreColumns = 26;

struct ScoreLineCells {
    std::array<std::string, kScoreColumns> text;
    std::string initials;       // the game code, for the initials column
    bool passOnFont = false;    // column 6 holds a Ramsch pass-on count
};

// Decodes a game text (at most 24 bytes, read up to its NUL) for a rule variant and the sign of
// the game's score. A code that is not wholly inside the text counts as absent.
ScoreLineCells DecodeScoreNotation(const std::string& text, int ruleVariant, int score);

// The check glyph of the with/without columns.
inline constexpr const char* kCheckGlyph = "\xE2\x9C\x93";

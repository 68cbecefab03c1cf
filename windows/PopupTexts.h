#pragma once
// What the popup families share: the popups' fixed texts, the window's labels they quote, a line
// of texts and suit symbols laid out from left to right.

#include <array>
#include <string>
#include <vector>

#include "windows/EstimationPopups.h"

// The window's labels that the popups quote (string ids of the estimation window).
namespace PopupLabel {
inline constexpr int NullBonus = 40782;     // "b"
inline constexpr int NullChance = 40784;    // "c"
inline constexpr int GrandHand = 40786;     // "GdHd"
inline constexpr int PassOn = 40788;        // "Sb"
inline constexpr int Durchmarsch = 40790;   // "Dm"
inline constexpr int Ramsch = 40794;        // "Ra"
inline constexpr int BareSuits = 40796;     // "F0"
inline constexpr int SafeTricks = 40800;    // "F$"
inline constexpr int Estimate = 40802;      // "$"
inline constexpr int Rule = 40808;          // "Regel"
inline constexpr int Adjustment = 40809;    // "Justierung"
inline constexpr int SuitSumLine = 40810;   // its first two characters: "TF"
inline constexpr int Forehand = 40939;      // "Vh"
inline constexpr int FirstRamschRule = 40980;
inline constexpr int FirstWeakRule = 41000;
}  // namespace PopupLabel

// The popups' fixed texts, in the edition's words where they have any.
struct PopupTexts {
    std::array<std::string, 5> Joiners;    // " 0", " + ", " + 1", " - ", " - 1"
    std::array<std::string, 8> RankNames;  // by rank index: A 7 8 9 10, Jack, Queen, K
    std::array<std::string, 3> SeatLabels; // by seat: C1 C2 P
    std::array<std::string, 8> TermKeys;   // the terms of the Null rule groups
    std::string Jack;                      // the Jack letter
    std::string Queen;

    static PopupTexts Load();
    // The rank name of a card code; empty for no card.
    const std::string& CardText(int card) const;
    // The label of a seat 0..2; empty outside.
    const std::string& SeatLabel(int seat) const;
};

enum PopupJoiner { JOINER_ZERO, JOINER_PLUS, JOINER_PLUS_ONE, JOINER_MINUS, JOINER_MINUS_ONE };

// printf-style formatting of one popup text.
std::string PopupFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A line of a popup: texts advance by their measured width, symbols and joiners by fixed steps.
class PopupLine {
public:
    PopupLine& Text(std::string text);
    // A suit symbol (0..3); advance 14 by default (16 in the bare-suit and Jack lists).
    PopupLine& Symbol(int suit, int advance = 14);
    // A text that advances by a fixed step instead of its width (" + " takes 12).
    PopupLine& Fixed(std::string text, int advance);
    bool Empty() const { return items_.empty(); }

    int Width(PopupCanvas& canvas) const;
    void Draw(PopupCanvas& canvas, int x, int y) const;

private:
    struct Item {
        std::string text;
        int suit = -1;
        int advance = -1;  // -1: the measured width of the text
    };
    std::vector<Item> items_;
};

// Measures and draws lines one text height apart from (left + 2 + indent, top + 2).
struct PopupLines {
    std::vector<std::pair<int, PopupLine>> lines;  // indent and line

    void Add(PopupLine line, int indent = 0) { lines.emplace_back(indent, std::move(line)); }
    int Width(PopupCanvas& canvas) const;  // the widest line with its indent
    void Draw(PopupCanvas& canvas, const platform::Rect& box, int lineHeight) const;
};

// The popup's text height: the height of a measured text.
int PopupLineHeight(PopupCanvas& canvas);

// The heading of a table popup: `count` lines of the string table from `firstLine`.
std::vector<std::string> TableHeading(int firstLine, int count);
// Writes the heading at the box's top left, a line a text height; the last line, the columns'
// names, two pixels lower under the rule that ends the heading.
void DrawTableHeading(PopupCanvas& canvas, const platform::Rect& box, const std::vector<std::string>& lines,
                      int lineHeight);

// The shape every rule popup shares: the term lines indented by the width of "<n> " so they
// stand under the rule's text, one text height apart, and the verdict line last at the margin.
// The box is as wide as the widest line and one line higher than the term lines.
void DrawRulePopup(PopupCanvas& canvas, int mode, int spot, int ruleNumber, const std::vector<PopupLine>& terms,
                   const std::string& verdict);

// "<label>: " and the symbols of the masked suits, " + " after each while fewer than the count
// are drawn; "0" for a count of 0, " 0" for a count without suits.
PopupLine PopupSuitList(const std::string& label, int count, int mask, const std::string& joiner);
// "<label>: <value>".
PopupLine PopupValued(const std::string& label, int value);
// The symbol of the suit, then "<label>: <value>".
PopupLine PopupSymbolValued(int suit, const std::string& label, int value);
// "N: <count> " and the suit's symbol when neither word is empty.
PopupLine PopupCountWithSuit(int count, int suit);

// The suits of the Jacks held, from the sheet's Jack count and mask, in suit order; none when the
// count is outside 1..4 or the mask is empty.
std::vector<int> PopupJackSuits(int jackCount, int jackMask);
// The Jacks-held term of the suit and Grand sheets: "<J>: " and a symbol per Jack, " + " between,
// or "<J>: 0" without one.
void DrawJacksHeldPopup(PopupCanvas& canvas, int mode, int spot, const std::vector<int>& jackSuits,
                        const PopupTexts& texts);

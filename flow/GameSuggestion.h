#pragma once
// The text of the game suggestion: for each listed player the games his hand allows, with their
// values, expected tricks and chances, and a rule link beside each game.

#include "dialogs/InfoDialog.h"

#include <string>
#include <vector>

// What the text depends on besides a player's option records.
struct GameSuggestionContext {
    int flowState = 0;
    int bidValue = 18;      // the value on the table
    int handAnnounced = 0;
    int variantMode = 0;
    int variantsRamsch = 0; // Variants/Ramsch: a hand without a good game may still avoid passing out
    bool listAll = false;   // Settings/Suggest: the computers are listed after the person
};

class CGameSuggestion {
public:
    // The rich-text head and the first line's position.
    CGameSuggestion();
    // The games of one player; the records are trimmed as the text shows them (options dropped,
    // Null raised, variant bits removed). The trace line is rebuilt for each player.
    void AddPlayer(const std::string& name, int (*options)[13], const GameSuggestionContext& context);
    // The closed rich text.
    std::string Text() const { return text + "}"; }
    const std::vector<RuleLink>& Links() const { return links; }
    const std::string& Trace() const { return trace; }
    // Rule codes of suit options the evaluation advises against.
    static bool IsRejectCode(int rule);

private:
    // AddPlayer's steps: the heading, one game's line and its announcements.
    void AddHeading(const std::string& name, const GameSuggestionContext& context);
    void AddGameLine(int i, int* option, const GameSuggestionContext& context, bool pickup, bool holdsSkat);
    void AddNullAnnouncements(const int* option);
    void AddSuitGrandAnnouncements(const int* option, int variantMode);

    std::string text;
    std::vector<RuleLink> links;
    std::string trace;
    int position = 82;
};

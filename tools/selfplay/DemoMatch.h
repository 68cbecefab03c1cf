#pragma once
// Demonstration games of the whole program on the headless host, one seeded game after another:
// the program plays all three seats, and each game is written as one line of the format KGL1.
// Shared by kartovan-selfplay, its benchmark and the flow tests; free of the test library.

#include <cstdint>
#include <functional>
#include <string>

class CMainFrame;

struct DemoMatchOptions {
    long games = 1000;
    std::uint64_t seed = 1;
    int variantMode = 0;  // 0 official rules, 1 variant Skat, 2 Ramsch only
    bool listWindows = false;  // the score sheet and the cards assignment open at the start
    // The trick estimation window open at the start on the person's hand, following the game
    // (Auto) or kept on its first view.
    bool estimationWindow = false;
    bool estimationAuto = false;
    // The windows keep what is drawn on them, as the program's windows do (slower); by default
    // what the table draws is dropped.
    bool keepDrawing = false;
    // Called after every message the match dispatches at its own level (tests read the table
    // there); may be empty.
    std::function<void()> betweenMessages;
    // Each finished game's line (without its line feed); may be empty.
    std::function<void(const std::string&)> line;
    // The frame the match made, once its table has come to life (tests read its windows); may be
    // empty.
    std::function<void(CMainFrame&)> started;
};

struct DemoMatchResult {
    long games = 0;             // games finished
    long stalls = 0;
    long illegal = 0;           // cards the closing check of a strategy replaced
    long invariantFaults = 0;   // internal errors reported, the card invariant among them
    std::uint64_t signature = 0xcbf29ce484222325ULL;  // FNV-1a of every line with its line feed
    std::uint64_t failedSeed = 0;
    std::string fault;          // the first fault, in words
    long gameTypes[9] = {};     // finished games by type (8: all passed)
    bool ok() const { return stalls == 0 && illegal == 0 && invariantFaults == 0; }
};

// Plays the games; stops at the first stall, replaced card or invariant fault.
DemoMatchResult PlayDemoMatch(const DemoMatchOptions& options);

// The 64-bit FNV-1a hash of the text, continued from `hash`.
std::uint64_t Fnv1a(std::uint64_t hash, const std::string& text);

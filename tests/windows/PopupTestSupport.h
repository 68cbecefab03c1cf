#pragma once
// Shared fixture of the popup families' tests: a canvas over the recording surface that places
// every box at one spot and notes the boxes and symbols, a player whose hand is dealt from a
// card list and evaluated by the real evaluator, and the window's labels the popups quote.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "computer/evaluation/ComputerState.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "support/CardNames.h"
#include "support/LayerResets.h"
#include "model/PlayerData.h"
#include "platform/core/Random.h"
#include "platform/core/Resources.h"
#include "platform/headless/RecordingDC.h"
#include "resources/Editions.h"
#include "windows/EstimationPopups.h"

namespace popuptest {

// The window's labels the popups read, for a build whose edition does not carry them yet; the
// edition's own texts come first.
inline constexpr platform::StringEntry kGermanWindowLabels[] = {
    {40782, "b"}, {40784, "c"}, {40786, "GdHd"}, {40788, "Sb"}, {40790, "Dm"}, {40794, "Ra"},
    {40796, "F0"}, {40800, "F$"}, {40802, "$"}, {40808, "Regel"}, {40809, "Justierung"},
    {40810, "TF   +           B    ="}, {40939, "Vh"},
    {40980, "RAMSCH_OK;110;bonus"}, {40981, ";100;malus"}, {40982, "RAMSCH_SAFE_NO_FH;110;safe"},
    {40983, "RAMSCH_SAFE_DROP_1;110;caution"}, {40984, "RAMSCH_RISK;110;risk"},
    {40985, "RAMSCH_VENTURE;110;venture"}, {40986, "RAMSCH_VENTURE_DROP_1;110;drop"},
    {40987, "RAMSCH_VENTURE_DROP_2;110;drop"}, {40988, "RAMSCH_UNFIT (RU);110;unfit"},
    {41000, "WEAK_OK;110;safe"}, {41001, "WEAK_ACE_TEN_EIGHT;110;malus"},
};
inline constexpr platform::StringEntry kEnglishWindowLabels[] = {
    {40782, "b"}, {40784, "c"}, {40786, "GdHd"}, {40788, "Sb"}, {40790, "Dm"}, {40794, "Ra"},
    {40796, "S0"}, {40800, "S$"}, {40802, "$"}, {40808, "Rule"}, {40809, "Adjustment"},
    {40810, "TS    +          J    ="}, {40939, "Fh"},
    {40980, "RAMSCH_OK;110;bonus"}, {40981, ";100;malus"}, {40982, "RAMSCH_SAFE_NO_FH;110;safe"},
    {40983, "RAMSCH_SAFE_DROP_1;110;caution"}, {40984, "RAMSCH_RISK;110;risk"},
    {40985, "RAMSCH_VENTURE;110;venture"}, {40986, "RAMSCH_VENTURE_DROP_1;110;drop"},
    {40987, "RAMSCH_VENTURE_DROP_2;110;drop"}, {40988, "RAMSCH_UNFIT;110;unfit"},
    {41000, "WEAK_OK;110;safe"}, {41001, "WEAK_ACE_TEN_EIGHT;110;malus"},
};

// An edition's resources with the window labels behind its own chapters.
class EditionWithLabels {
public:
    explicit EditionWithLabels(bool english) {
        const platform::ResourceSet& edition = english ? EnglishResources() : GermanResources();
        chapters_.assign(edition.strings.begin(), edition.strings.end());
        if (english) chapters_.push_back(kEnglishWindowLabels);
        else chapters_.push_back(kGermanWindowLabels);
        set_ = edition;
        set_.strings = chapters_;
    }
    const platform::ResourceSet* Set() const { return &set_; }

private:
    std::vector<platform::StringTable> chapters_;
    platform::ResourceSet set_;
};

// A canvas whose every hot spot lies at (300, 300): the boxes stand above that point.
class FakeCanvas : public PopupCanvas {
public:
    struct Box {
        int mode, spot, width, height, xOffset;
        platform::Rect rect;
    };
    struct DrawnSymbol {
        int suit, x, y;
    };

    FakeCanvas() {
        platform::LogFont font;
        font.face = "Arial";
        font.height = 12;
        font.weight = 700;
        dc.SelectFont(font);
    }

    platform::DeviceContext& Context() override { return dc; }
    int PopupMode() const override { return mode; }
    platform::Rect DrawPopupBox(int boxMode, int spot, int width, int height, int xOffset) override {
        const int left = 300 + xOffset + 2;
        const platform::Rect rect{left, 300 - height, left + width + 4, 304};
        boxes.push_back({boxMode, spot, width, height, xOffset, rect});
        return rect;
    }
    const CPlayer* ShownPlayer() override { return player; }
    const EstimationSheetBlock* ShownBlock() override { return block; }
    int TrumpSuit() const override { return trump; }
    void DrawSymbol(int suit, int x, int y) override { symbols.push_back({suit, x, y}); }

    // The drawn lines from top to bottom, texts and symbols (as <C> <S> <H> <D>) in x order;
    // pieces that touch are joined, a gap between them is kept as one blank.
    std::vector<std::string> Lines() const {
        struct Piece {
            int x, width;
            std::string text;
        };
        std::map<int, std::vector<Piece>> byLine;
        for (const auto& record : dc.Records())
            if (record.kind == platform::DrawKind::Text)
                byLine[record.points[0].y].push_back({record.points[0].x, record.bounds.Width(), record.text});
        for (const DrawnSymbol& symbol : symbols)
            byLine[symbol.y].push_back({symbol.x, 14, std::string("<") + "CSHD"[symbol.suit] + ">"});
        std::vector<std::string> lines;
        for (auto& [y, pieces] : byLine) {
            std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.x < b.x; });
            std::string line;
            for (const Piece& piece : pieces) line += piece.text;
            lines.push_back(line);
        }
        return lines;
    }
    std::string Text() const {
        std::string all;
        for (const std::string& line : Lines()) all += (all.empty() ? "" : "|") + line;
        return all;
    }
    void Clear() {
        dc.ClearRecords();
        boxes.clear();
        symbols.clear();
    }

    platform::RecordingDC dc{platform::Size{700, 700}};
    int mode = 0;
    CPlayer* player = nullptr;
    const EstimationSheetBlock* block = nullptr;
    int trump = 0;
    std::vector<Box> boxes;
    std::vector<DrawnSymbol> symbols;
};

inline int C(int rank, int suit) { return CardCodeOf(rank, suit); }

// Cards written by name: "CJ HA D7" (support/CardNames.h).
inline std::vector<int> ParseCards(const std::string& text) { return testsupport::CardsOf(text); }

class PopupTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetModelGlobals();
        testsupport::ResetComputerGlobals();
        SeedRand(7);
        g_Game.Forehand = 0;
        g_Game.Leader = 0;
        UseEdition(false);
        canvas.player = &seat0;
    }
    void TearDown() override { platform::SetResources(nullptr); }

    void UseEdition(bool english) {
        edition_ = std::make_unique<EditionWithLabels>(english);
        platform::SetResources(edition_->Set());
    }

    // Deals the cards to seat 0 (slots 0.., the rest empty) and the skat cards to slots 10, 11.
    void Deal(const std::string& cards, const std::string& skat = "") {
        const std::vector<int> list = ParseCards(cards);
        for (auto& card : seat0.cards) card = NO_CARD;
        for (auto& flag : seat0.present) flag = 0;
        for (std::size_t i = 0; i < list.size(); ++i) {
            seat0.cards[i] = list[i];
            seat0.present[i] = 1;
        }
        seat0.count = static_cast<int>(list.size());
        const std::vector<int> skatCards = ParseCards(skat);
        for (std::size_t i = 0; i < skatCards.size() && i < 2; ++i) seat0.cards[10 + i] = skatCards[i];
    }
    // The seat's block `b` of the estimation sheet, shown on the canvas.
    EstimationSheetBlock& ShowBlock(int b) {
        EstimationSheetBlock& block = SheetOf(seat0).Rows[b];
        canvas.block = &block;
        return block;
    }

    CComputer seat0{"Comp1", 10, false, 0};
    FakeCanvas canvas;

private:
    std::unique_ptr<EditionWithLabels> edition_;
};

}  // namespace popuptest

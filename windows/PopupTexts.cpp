// The popup families' shared texts and line layout.

#include "windows/PopupTexts.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "model/CardCodes.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "windows/TrickEstimation.h"

PopupTexts PopupTexts::Load() {
    PopupTexts texts;
    texts.Joiners = {" 0", " + ", " + 1", " - ", " - 1"};
    texts.Jack = platform::LoadString(IDS_ESTIMATION_JACK);
    texts.Queen = platform::LoadString(IDS_ESTIMATION_QUEEN);
    texts.RankNames = {"A", "7", "8", "9", "10", texts.Jack, texts.Queen, "K"};
    texts.SeatLabels = {"C1", "C2", "P"};
    texts.TermKeys = {"bonus", "caution1", "caution2", "caution3", "drop", "risk1", "risk2", "risk3"};
    return texts;
}

const std::string& PopupTexts::CardText(int card) const {
    static const std::string none;
    if (!IsCardCode(card)) return none;
    const int rank = GetCardRank(card);
    return rank >= 0 && rank < 8 ? RankNames[static_cast<std::size_t>(rank)] : none;
}

const std::string& PopupTexts::SeatLabel(int seat) const {
    static const std::string none;
    return seat >= 0 && seat < 3 ? SeatLabels[static_cast<std::size_t>(seat)] : none;
}

std::string PopupFormat(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

PopupLine& PopupLine::Text(std::string text) {
    items_.push_back({std::move(text), -1, -1});
    return *this;
}

PopupLine& PopupLine::Symbol(int suit, int advance) {
    items_.push_back({{}, suit, advance});
    return *this;
}

PopupLine& PopupLine::Fixed(std::string text, int advance) {
    items_.push_back({std::move(text), -1, advance});
    return *this;
}

int PopupLine::Width(PopupCanvas& canvas) const {
    int width = 0;
    for (const Item& item : items_) width += item.advance >= 0 ? item.advance : canvas.MeasureText(item.text).cx;
    return width;
}

void PopupLine::Draw(PopupCanvas& canvas, int x, int y) const {
    for (const Item& item : items_) {
        // A suit outside 0..3 (an empty word) shows no symbol but keeps its place.
        if (item.suit >= 0 && item.suit < 4) canvas.DrawSymbol(item.suit, x, y);
        else if (!item.text.empty()) canvas.DrawText(x, y, item.text);
        x += item.advance >= 0 ? item.advance : canvas.MeasureText(item.text).cx;
    }
}

int PopupLines::Width(PopupCanvas& canvas) const {
    int width = 0;
    for (const auto& [indent, line] : lines) width = std::max(width, indent + line.Width(canvas));
    return width;
}

void PopupLines::Draw(PopupCanvas& canvas, const platform::Rect& box, int lineHeight) const {
    int y = box.top + 2;
    for (const auto& [indent, line] : lines) {
        line.Draw(canvas, box.left + 2 + indent, y);
        y += lineHeight;
    }
}

int PopupLineHeight(PopupCanvas& canvas) { return canvas.MeasureText("0").cy; }

std::vector<std::string> TableHeading(int firstLine, int count) {
    std::vector<std::string> lines;
    for (int k = 0; k < count; ++k) lines.push_back(platform::LoadString(firstLine + k));
    return lines;
}

void DrawTableHeading(PopupCanvas& canvas, const platform::Rect& box, const std::vector<std::string>& lines,
                      int lineHeight) {
    const int last = static_cast<int>(lines.size()) - 1;
    for (int k = 0; k <= last; ++k)
        canvas.DrawText(box.left + 2, box.top + 2 + k * lineHeight + (k == last ? 2 : 0),
                        lines[static_cast<std::size_t>(k)]);
}

void DrawRulePopup(PopupCanvas& canvas, int mode, int spot, int ruleNumber, const std::vector<PopupLine>& terms,
                   const std::string& verdict) {
    const int indent = canvas.MeasureText(PopupFormat("%d ", ruleNumber)).cx;
    const int h = PopupLineHeight(canvas);
    PopupLines lines;
    for (const PopupLine& term : terms) lines.Add(term, indent);
    lines.Add(PopupLine().Text(verdict));
    const int width = lines.Width(canvas);
    const int height = static_cast<int>(lines.lines.size()) * h;
    const platform::Rect box = canvas.DrawPopupBox(mode, spot, width, height, 0);
    lines.Draw(canvas, box, h);
}

// "<label>: " and the symbols of the masked suits, " + " after each while fewer than the count
// are drawn; "0" for a count of 0, " 0" for a count without suits.
PopupLine PopupSuitList(const std::string& label, int count, int mask, const std::string& joiner) {
    PopupLine line;
    if (count == 0) return line.Text(label + ": 0");
    line.Text(label + ": ");
    if (mask == SHEET_EMPTY || mask < 0 || (mask & 15) == 0) return line.Text(" 0");
    int drawn = 0;
    for (int s = 0; s < 4; ++s) {
        if (!((mask >> s) & 1)) continue;
        line.Symbol(s);
        ++drawn;
        if (drawn < count) line.Fixed(joiner, 12);
    }
    return line;
}

PopupLine PopupValued(const std::string& label, int value) { return PopupLine().Text(PopupFormat("%s: %d", label.c_str(), value)); }

PopupLine PopupSymbolValued(int suit, const std::string& label, int value) {
    return PopupLine().Symbol(suit).Text(PopupFormat("%s: %d", label.c_str(), value));
}

// "N: <count> " and the suit's symbol when neither word is empty.
PopupLine PopupCountWithSuit(int count, int suit) {
    PopupLine line;
    line.Text(PopupFormat("%s: %d ", "N", count));
    if (count != SHEET_EMPTY && suit != SHEET_EMPTY) line.Symbol(suit);
    return line;
}

std::vector<int> PopupJackSuits(int jackCount, int jackMask) {
    std::vector<int> suits;
    if (jackCount < 1 || jackCount > 4 || jackMask == SHEET_EMPTY) return suits;
    for (int s = 0; s < 4; ++s)
        if ((jackMask >> s) & 1) suits.push_back(s);
    return suits;
}

void DrawJacksHeldPopup(PopupCanvas& canvas, int mode, int spot, const std::vector<int>& jackSuits,
                        const PopupTexts& texts) {
    const std::string& plus = texts.Joiners[JOINER_PLUS];
    PopupLine line;
    int width = 0;
    if (jackSuits.empty()) {
        const std::string text = PopupFormat("%s: 0", texts.Jack.c_str());
        line.Text(text);
        width = canvas.MeasureText(text).cx;
    } else {
        const std::string head = PopupFormat("%s: ", texts.Jack.c_str());
        line.Text(head);
        for (std::size_t k = 0; k < jackSuits.size(); ++k) {
            if (k > 0) line.Text(plus);
            line.Symbol(jackSuits[k], 16);
        }
        const int plusWidth = canvas.MeasureText(plus).cx;
        width = canvas.MeasureText(head).cx + static_cast<int>(jackSuits.size()) * (plusWidth + 16) - plusWidth - 2;
    }
    const platform::Rect box = canvas.DrawPopupBox(mode, spot, width, PopupLineHeight(canvas), 0);
    line.Draw(canvas, box.left + 2, box.top + 2);
}


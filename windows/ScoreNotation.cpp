#include "windows/ScoreNotation.h"

#include "platform/core/Resources.h"
#include "resources/ids.h"

#include <string_view>

namespace {

// A code of the abbreviation string: (position, length).
std::string Code(const std::string& all, std::size_t position, std::size_t length) {
    return position + length <= all.size() ? all.substr(position, length) : std::string();
}

// The level columns of a game line: Hand, Schneider, Schneider announced, Schwarz, Schwarz
// announced, Ouvert.
enum : int { COL_HAND = 6, COL_SCHNEIDER = 7, COL_SCHNEIDER_ANN = 8, COL_SCHWARZ = 9, COL_SCHWARZ_ANN = 10, COL_OUVERT = 11 };

}  // namespace

ScoreLineCells DecodeScoreNotation(const std::string& stored, int ruleVariant, int score) {
    const std::string codes = platform::LoadString(IDS_ABBREVIATIONS);
    const std::string ra = Code(codes, 14, 2), ov = Code(codes, 16, 2), hd = Code(codes, 18, 2);
    const std::string snAn = Code(codes, 22, 4), swAn = Code(codes, 26, 4), sn = Code(codes, 30, 2);
    const std::string sw = Code(codes, 32, 2), sb = Code(codes, 34, 2), jf = Code(codes, 36, 2);
    const std::string dm = Code(codes, 38, 2), bo = Code(codes, 40, 2), ko = Code(codes, 42, 2);
    const std::string re = Code(codes, 44, 2);

    ScoreLineCells cells;
    auto& col = cells.text;
    // An empty text reads as six blanks.
    const std::string text = stored.empty() ? std::string(6, ' ') : stored;
    std::size_t position = 0;
    auto at = [&](const std::string& code) {
        return !code.empty() && position + code.size() <= text.size() && text.compare(position, code.size(), code) == 0;
    };
    auto take = [&](const std::string& code) {
        if (!at(code)) return false;
        position += code.size();
        return true;
    };

    // 1. With or without how many.
    const char first = text[0];
    const std::string second = text.size() > 1 ? std::string(1, text[1]) : std::string();
    if (first == '+' || first == '>') {
        col[2] = " " + second;
        if (first == '>') col[3] = std::string(" ") + kCheckGlyph;
    } else if (first == '-' || first == '<') {
        col[3] = " " + second;
        if (first == '<') col[2] = std::string(" ") + kCheckGlyph;
    }
    if (!col[2].empty() || !col[3].empty()) position = 2;
    // 2. The winning levels, each once, in this order.
    const std::pair<const std::string*, int> levels[] = {{&hd, COL_HAND},           {&ov, COL_OUVERT},
                                                         {&snAn, COL_SCHNEIDER_ANN}, {&swAn, COL_SCHWARZ_ANN},
                                                         {&sn, COL_SCHNEIDER},       {&sw, COL_SCHWARZ}};
    for (const auto& [code, column] : levels)
        if (take(*code)) col[static_cast<std::size_t>(column)].assign(1, 'x');
    // 3. The game code, shown as the base value until one follows.
    if (position + 2 <= text.size()) {
        cells.initials = text.substr(position, 2);
        col[1] = cells.initials;
        position += 2;
    } else {
        position = text.size();
    }
    // 4. The base value: "0" and one digit, or two characters up to "9".
    if (position < text.size() && text[position] <= '9') {
        if (text[position] == '0') col[1] = position + 1 < text.size() ? text.substr(position + 1, 1) : std::string();
        else col[1] = text.substr(position, 2);
        position = std::min(position + 2, text.size());
    }
    // 5. Ramsch: the passes of the skat, Durchmarsch, Jungfrau.
    if (cells.initials == ra) {
        int passes = 0;
        while (take(sb)) ++passes;
        if (passes > 0) {
            col[COL_HAND] = std::to_string(passes) + sb;
            cells.passOnFont = true;
        }
        if (take(dm)) col[1] = dm;
        if (take(jf)) col[COL_SCHWARZ] = jf;
    }
    // 6. Kontra and Rekontra; 7. Bock and a Ramsch round.
    if (take(ko)) col[24] = ko;
    if (take(re)) col[24] = re;
    if (take(bo)) {
        col[25] = bo;
        if (take(ra)) col[25] = ra;
    }
    // 8. Outside the variant rules the last two columns hold the initials and won or lost.
    if (ruleVariant != 1) {
        col[24] = cells.initials;
        // A passed-in game's blanks are no initials.
        const bool none = cells.initials.find_first_not_of(' ') == std::string::npos;
        col[25] = none ? std::string() : (score < 0 ? "-" : "+");
    }
    // 9. A note after a colon.
    if (position < text.size() && text[position] == ':') col[23] = text.substr(position + 1);
    return cells;
}

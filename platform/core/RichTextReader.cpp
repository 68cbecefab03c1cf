#include "platform/core/RichTextReader.h"

#include <algorithm>

#include "platform/core/Codepage.h"

namespace platform {

namespace {

constexpr std::size_t kMaxWordLetters = 32;  // longer control words are read to their end and ignored
constexpr std::size_t kMaxDigits = 10;       // further digits of a parameter are read and ignored
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 288;

// What a group carries: the character and paragraph style, and whether its text is shown.
struct GroupState {
    bool bold = false;
    int colourIndex = 0;
    int halfPoints = 24;
    bool centred = false;
    bool hidden = false;       // a destination whose text is not shown (font table, {\*...})
    bool colourTable = false;  // inside the colour table
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the well-formed UTF-8 character at the start of bytes, or 0 when there is none.
std::size_t Utf8CharLength(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t length = 0;
    unsigned lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, lowest = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, lowest = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, lowest = 0x10000;
    else return 0;
    if (bytes.size() < length) return 0;
    unsigned value = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0) != 0x80) return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    return length;
}

// Raw high bytes: kept where they form UTF-8 (our own texts), read as cp1252 where they do not.
std::string DecodeRawBytes(std::string_view bytes) {
    std::string text;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = Utf8CharLength(bytes.substr(at));
        if (length > 0) {
            text.append(bytes.substr(at, length));
            at += length;
        } else {
            text += Cp1252ToUtf8(bytes.substr(at, 1));
            ++at;
        }
    }
    return text;
}

class Reader {
public:
    explicit Reader(std::string_view input) : m_input(input) { m_groups.push_back(GroupState{}); }

    RichTextDocument Read() {
        while (m_at < m_input.size()) {
            const char c = m_input[m_at];
            if (c == '{') {
                ++m_at;
                OpenGroup();
            } else if (c == '}') {
                ++m_at;
                CloseGroup();
            } else if (c == '\\') {
                ++m_at;
                ReadControl();
            } else if (static_cast<unsigned char>(c) >= 0x80) {
                ReadHighBytes();
            } else {
                ++m_at;
                ReadPlainCharacter(c);
            }
        }
        EndParagraph(false);
        return std::move(m_document);
    }

private:
    GroupState& Group() { return m_groups.back(); }

    void OpenGroup() {
        if (m_groups.size() < kRichTextMaxDepth) m_groups.push_back(Group());
        else ++m_overflow;
    }

    void CloseGroup() {
        if (m_overflow > 0) --m_overflow;
        else if (m_groups.size() > 1) m_groups.pop_back();
        // A stray closing brace at the outermost level is ignored.
    }

    void ReadPlainCharacter(char c) {
        if (Group().colourTable) {
            if (c == ';') EndColour();
            return;
        }
        if (c == '\r' || c == '\n' || c == '\0') return;  // line breaks of the source are not text
        if (c == '\t') {
            AddText("\t");
        } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
            AddText(std::string(1, c));
        }
    }

    void ReadHighBytes() {
        const std::size_t start = m_at;
        while (m_at < m_input.size() && static_cast<unsigned char>(m_input[m_at]) >= 0x80) ++m_at;
        if (!Group().colourTable) AddText(DecodeRawBytes(m_input.substr(start, m_at - start)));
    }

    // After a backslash: a control word, a control symbol or an escaped character.
    void ReadControl() {
        if (m_at >= m_input.size()) return;  // cut off after the backslash
        const char c = m_input[m_at];
        if (IsLetter(c)) {
            ReadControlWord();
            return;
        }
        ++m_at;
        switch (c) {
            case '\\':
            case '{':
            case '}':
                if (!Group().colourTable) AddText(std::string(1, c));
                break;
            case '\'':
                ReadHexByte();
                break;
            case '*':
                Group().hidden = true;
                break;
            default:
                break;  // a control symbol we do not show
        }
    }

    void ReadHexByte() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_at < m_input.size()) {
            const int digit = HexValue(m_input[m_at]);
            if (digit < 0) break;
            value = value * 16 + digit;
            ++digits;
            ++m_at;
        }
        if (digits < 2 || value == 0 || Group().colourTable) return;  // cut off or malformed: nothing shown
        const char byte = static_cast<char>(value);
        if (value >= 0x80) AddText(Cp1252ToUtf8(std::string_view(&byte, 1)));
        else ReadPlainCharacter(byte);
    }

    void ReadControlWord() {
        std::string word;
        while (m_at < m_input.size() && IsLetter(m_input[m_at])) {
            if (word.size() <= kMaxWordLetters) word += m_input[m_at];
            ++m_at;
        }
        bool hasParameter = false;
        bool negative = false;
        long long parameter = 0;
        if (m_at < m_input.size() && m_input[m_at] == '-') {
            negative = true;
            ++m_at;
        }
        std::size_t digits = 0;
        while (m_at < m_input.size() && IsDigit(m_input[m_at])) {
            if (digits < kMaxDigits) parameter = parameter * 10 + (m_input[m_at] - '0');
            ++digits;
            ++m_at;
        }
        hasParameter = digits > 0;
        if (negative) parameter = -parameter;
        if (m_at < m_input.size() && m_input[m_at] == ' ') ++m_at;  // the delimiter belongs to the word
        if (word.size() > kMaxWordLetters) return;
        const int value = static_cast<int>(std::clamp<long long>(parameter, -1000000, 1000000));
        ApplyControlWord(word, hasParameter, value);
    }

    void ApplyControlWord(const std::string& word, bool hasParameter, int value) {
        GroupState& group = Group();
        if (word == "fonttbl" || word == "stylesheet" || word == "info") {
            group.hidden = true;
        } else if (word == "colortbl") {
            group.hidden = true;
            group.colourTable = true;
            m_colours.clear();
            m_pendingColour = NoColour();
        } else if (group.colourTable) {
            const std::uint32_t component = static_cast<std::uint32_t>(std::clamp(value, 0, 255));
            if (m_pendingColour == NoColour()) m_pendingColour = 0;
            if (word == "red") m_pendingColour = (m_pendingColour & 0xFFFF00u) | component;
            else if (word == "green") m_pendingColour = (m_pendingColour & 0xFF00FFu) | (component << 8);
            else if (word == "blue") m_pendingColour = (m_pendingColour & 0x00FFFFu) | (component << 16);
        } else if (word == "par") {
            EndParagraph(true);
        } else if (word == "pard") {
            group.centred = false;
        } else if (word == "qc") {
            group.centred = true;
        } else if (word == "tab") {
            AddText("\t");
        } else if (word == "b") {
            group.bold = !hasParameter || value != 0;
        } else if (word == "cf") {
            group.colourIndex = std::max(value, 0);
        } else if (word == "fs") {
            group.halfPoints = hasParameter ? std::clamp(value, kMinHalfPoints, kMaxHalfPoints) : 24;
        }
        // Every other control word is skipped.
    }

    static constexpr std::uint32_t NoColour() { return 0xFFFFFFFFu; }

    // A ';' in the colour table ends an entry; an entry without components is the default colour.
    void EndColour() {
        if (m_colours.size() < kRichTextMaxColours) m_colours.push_back(m_pendingColour);
        m_pendingColour = NoColour();
    }

    std::uint32_t ColourOf(int index) const {
        if (index < 0 || static_cast<std::size_t>(index) >= m_colours.size()) return 0;
        const std::uint32_t colour = m_colours[static_cast<std::size_t>(index)];
        return colour == NoColour() ? 0 : colour;
    }

    void AddText(const std::string& text) {
        const GroupState& group = Group();
        if (group.hidden || text.empty()) return;
        RichTextRun style{{}, group.bold, ColourOf(group.colourIndex), group.halfPoints};
        auto& runs = m_paragraph.runs;
        if (runs.empty() || runs.back().bold != style.bold || runs.back().colour != style.colour ||
            runs.back().halfPoints != style.halfPoints) {
            runs.push_back(std::move(style));
        }
        runs.back().text += text;
    }

    // A paragraph takes the alignment in force at its end. At the end of the text an empty last
    // paragraph is dropped, as it shows nothing.
    void EndParagraph(bool paragraphMark) {
        if (!paragraphMark && m_paragraph.runs.empty()) return;
        if (Group().hidden && paragraphMark) return;
        m_paragraph.centred = Group().centred;
        m_document.paragraphs.push_back(std::move(m_paragraph));
        m_paragraph = RichTextParagraph{};
    }

    std::string_view m_input;
    std::size_t m_at = 0;
    std::vector<GroupState> m_groups;
    std::size_t m_overflow = 0;  // groups opened beyond the depth limit
    std::vector<std::uint32_t> m_colours;
    std::uint32_t m_pendingColour = NoColour();
    RichTextParagraph m_paragraph;
    RichTextDocument m_document;
};

RichTextDocument ReadPlainText(std::string_view text) {
    RichTextDocument document;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        RichTextParagraph paragraph;
        std::string shown;
        for (std::size_t at = 0; at < line.size();) {
            if (static_cast<unsigned char>(line[at]) >= 0x80) {
                std::size_t next = at;
                while (next < line.size() && static_cast<unsigned char>(line[next]) >= 0x80) ++next;
                shown += DecodeRawBytes(line.substr(at, next - at));
                at = next;
            } else {
                if (line[at] != '\0') shown += line[at];
                ++at;
            }
        }
        if (!shown.empty()) paragraph.runs.push_back(RichTextRun{shown});
        if (end == text.size() && paragraph.runs.empty() && !document.paragraphs.empty()) break;
        document.paragraphs.push_back(std::move(paragraph));
        start = end + 1;
    }
    if (document.paragraphs.size() == 1 && document.paragraphs[0].runs.empty()) document.paragraphs.clear();
    return document;
}

}  // namespace

std::string RichTextDocument::PlainText() const {
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) text += '\n';
        for (const RichTextRun& run : paragraphs[i].runs) text += run.text;
    }
    return text;
}

RichTextDocument ReadRichText(std::string_view text) {
    if (text.substr(0, 5) != "{\\rtf") return ReadPlainText(text);
    return Reader(text).Read();
}

}  // namespace platform

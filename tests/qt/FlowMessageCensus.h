#pragma once
// The messages the program opens, read from its own sources: every message box and every game-event
// message (a class built on CGameMessageDialog, or a frame function that runs one with the text it
// is given), each with the string ids of its text. The text is the ids its call names, directly or
// through a constant of its file; where the call names none (the text was put together before it),
// the ids the function names up to the call.
// A new message in the program is found here without a word of the tests changed.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace qttest {

struct MessageOpening {
    std::string where;                   // file:line
    std::string kind;                    // the game-event message's class, or "MessageBox"
    std::vector<std::string> textIds;    // its text's string ids (IDS_ names or numbers), each a text of its own
    std::vector<std::string> flagNames;  // a message box's MB_ names
    std::string textArguments;           // the call's arguments that make its text, as written
};

namespace census {

inline std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The source with its comments blanked (line breaks kept, so offsets still give lines); string and
// character literals stay.
inline std::string WithoutComments(const std::string& source) {
    std::string out = source;
    enum { Code, Line, Block, Quote, Char } state = Code;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const char c = out[i];
        const char next = i + 1 < out.size() ? out[i + 1] : '\0';
        switch (state) {
            case Code:
                if (c == '/' && next == '/') state = Line, out[i] = ' ';
                else if (c == '/' && next == '*') state = Block, out[i] = ' ';
                else if (c == '"') state = Quote;
                else if (c == '\'') state = Char;
                break;
            case Line:
                if (c == '\n') state = Code;
                else out[i] = ' ';
                break;
            case Block:
                if (c == '*' && next == '/') out[i] = out[i + 1] = ' ', ++i, state = Code;
                else if (c != '\n') out[i] = ' ';
                break;
            case Quote:
            case Char:
                if (c == '\\') ++i;
                else if (c == (state == Quote ? '"' : '\'')) state = Code;
                break;
        }
    }
    return out;
}

inline int LineOf(const std::string& source, std::size_t offset) {
    return 1 + static_cast<int>(std::count(source.begin(), source.begin() + static_cast<long>(offset), '\n'));
}

// The offset just past the bracket that closes the one at `open` ('(' or '{'), or npos.
inline std::size_t PastClosing(const std::string& code, std::size_t open) {
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = open; i < code.size(); ++i) {
        const char c = code[i];
        if (quoted) {
            if (c == '\\') ++i;
            else if (c == '"') quoted = false;
            continue;
        }
        if (c == '"') quoted = true;
        else if (c == '(' || c == '{' || c == '[') ++depth;
        else if ((c == ')' || c == '}' || c == ']') && --depth == 0) return i + 1;
    }
    return std::string::npos;
}

// The arguments of the call whose '(' is at `open`, split at the commas outside brackets.
inline std::vector<std::string> Arguments(const std::string& code, std::size_t open) {
    const std::size_t end = PastClosing(code, open);
    if (end == std::string::npos) return {};
    std::vector<std::string> arguments(1);
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = open + 1; i + 1 < end; ++i) {
        const char c = code[i];
        if (quoted) {
            if (c == '\\') arguments.back() += code[i++];
            else if (c == '"') quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == '(' || c == '{' || c == '[') {
            ++depth;
        } else if (c == ')' || c == '}' || c == ']') {
            --depth;
        } else if (c == ',' && depth == 0) {
            arguments.emplace_back();
            continue;
        }
        arguments.back() += c;
    }
    return arguments;
}

inline bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

inline std::size_t SkipSpaces(const std::string& code, std::size_t at) {
    while (at < code.size() && std::isspace(static_cast<unsigned char>(code[at]))) ++at;
    return at;
}

// The identifier that begins at `at` ("" when none does).
inline std::string WordAt(const std::string& code, std::size_t at) {
    std::size_t end = at;
    while (end < code.size() && IsWordChar(code[end])) ++end;
    return code.substr(at, end - at);
}

// Each offset where `word` stands as a whole word.
inline std::vector<std::size_t> WordsAt(const std::string& code, const std::string& word) {
    std::vector<std::size_t> found;
    for (std::size_t at = code.find(word); at != std::string::npos; at = code.find(word, at + 1)) {
        if (at > 0 && IsWordChar(code[at - 1])) continue;
        if (at + word.size() < code.size() && IsWordChar(code[at + word.size()])) continue;
        found.push_back(at);
    }
    return found;
}

// The names a piece of code uses that begin with `prefix` ("IDS_", "MB_"), each once, in order.
inline std::vector<std::string> Names(const std::string& text, const std::string& prefix) {
    std::vector<std::string> names;
    for (std::size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1)) {
        if (at > 0 && IsWordChar(text[at - 1])) continue;
        const std::string name = WordAt(text, at);
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

// What a constant is set to where it is defined ("kRevealQuestion = 40110" gives "40110"), or "".
inline std::string ConstantValue(const std::string& source, const std::string& name) {
    for (std::size_t at : WordsAt(source, name)) {
        std::size_t next = SkipSpaces(source, at + name.size());
        if (next >= source.size() || source[next] != '=' || (next + 1 < source.size() && source[next + 1] == '='))
            continue;
        return WordAt(source, SkipSpaces(source, next + 1));
    }
    return std::string();
}

// The string ids a piece of code names: IDS_ names, and the file's constants that stand for one
// ("constexpr int kRevealQuestion = 40110" gives "40110").
inline std::vector<std::string> TextIds(const std::string& fragment, const std::string& source) {
    std::vector<std::string> ids = Names(fragment, "IDS_");
    for (std::size_t at = 0; at < fragment.size(); ++at) {
        if (fragment[at] != 'k' || (at > 0 && IsWordChar(fragment[at - 1])) || at + 1 >= fragment.size() ||
            !std::isupper(static_cast<unsigned char>(fragment[at + 1])))
            continue;
        const std::string value = ConstantValue(source, WordAt(fragment, at));
        const bool stringId = value.rfind("IDS_", 0) == 0 ||
                              (value.size() == 5 && value.find_first_not_of("0123456789") == std::string::npos);
        if (stringId && std::find(ids.begin(), ids.end(), value) == ids.end()) ids.push_back(value);
    }
    return ids;
}

// Where the function holding `offset` begins: the last line before it that starts at the left
// margin and opens a brace (a function's head, or the namespace around it).
inline std::size_t FunctionStart(const std::string& code, std::size_t offset) {
    std::size_t line = code.rfind('\n', offset);
    while (line != std::string::npos && line > 0) {
        const std::size_t start = line + 1;
        if (start < code.size() && !std::isspace(static_cast<unsigned char>(code[start])) && code[start] != '}') {
            const std::size_t end = code.find('\n', start);
            if (code.substr(start, end - start).find('{') != std::string::npos) return start;
        }
        line = code.rfind('\n', line - 1);
    }
    return 0;
}

// A function called (not defined: no class and "::" before it) at each offset of its '('.
inline std::vector<std::size_t> Calls(const std::string& code, const std::string& name) {
    std::vector<std::size_t> calls;
    for (std::size_t at : WordsAt(code, name)) {
        const bool qualified = at >= 2 && code.compare(at - 2, 2, "::") == 0;
        if (qualified && at >= 3 && IsWordChar(code[at - 3])) continue;
        const std::size_t open = SkipSpaces(code, at + name.size());
        if (open < code.size() && code[open] == '(') calls.push_back(open);
    }
    return calls;
}

// Objects of a class made at each offset of their '(' ("CResignDialog prompt(text);").
inline std::vector<std::size_t> Constructions(const std::string& code, const std::string& className) {
    std::vector<std::size_t> made;
    for (std::size_t at : WordsAt(code, className)) {
        if (at >= 1 && code[at - 1] == ':') continue;
        const std::size_t name = SkipSpaces(code, at + className.size());
        if (name == at + className.size()) continue;
        const std::string object = WordAt(code, name);
        if (object.empty()) continue;
        const std::size_t open = SkipSpaces(code, name + object.size());
        if (open < code.size() && code[open] == '(') made.push_back(open);
    }
    return made;
}

inline std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\n");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

}  // namespace census

// The game-event message classes: every class of dialogs/ built on CGameMessageDialog.
inline std::vector<std::string> GameMessageClasses(const std::filesystem::path& root) {
    std::vector<std::string> classes;
    for (const auto& entry : std::filesystem::directory_iterator(root / "dialogs")) {
        if (entry.path().extension() != ".h") continue;
        const std::string code = census::WithoutComments(census::ReadAll(entry.path()));
        for (std::size_t at : census::WordsAt(code, "class")) {
            std::size_t next = census::SkipSpaces(code, at + 5);
            const std::string name = census::WordAt(code, next);
            next = census::SkipSpaces(code, next + name.size());
            if (next >= code.size() || code[next] != ':') continue;
            next = census::SkipSpaces(code, next + 1);
            if (census::WordAt(code, next) != "public") continue;
            next = census::SkipSpaces(code, next + 6);
            if (census::WordAt(code, next) == "CGameMessageDialog") classes.push_back(name);
        }
    }
    std::sort(classes.begin(), classes.end());
    return classes;
}

// Every message the program's folders open, in file order.
inline std::vector<MessageOpening> FlowMessageCensus(const std::filesystem::path& root) {
    const std::vector<std::string> classes = GameMessageClasses(root);
    std::vector<std::filesystem::path> files;
    for (const char* folder : {"app", "audio", "dialogs", "flow", "match", "shell", "windows"})
        for (const auto& entry : std::filesystem::directory_iterator(root / folder))
            if (entry.path().extension() == ".cpp") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::map<std::filesystem::path, std::string> code;
    for (const auto& file : files) code[file] = census::WithoutComments(census::ReadAll(file));

    // The frame's functions that run a game-event message with the text they are handed
    // ("bool CMainFrame::RunResignPrompt(const std::string& text) { CResignDialog prompt(text); ...").
    std::map<std::string, std::string> runners;
    const std::string head = "(const std::string& ";
    for (const auto& [file, source] : code) {
        for (std::size_t at = source.find(head); at != std::string::npos; at = source.find(head, at + 1)) {
            // "Class::Name(const std::string& parameter...) {": a definition with a body.
            std::size_t nameStart = at;
            while (nameStart > 0 && census::IsWordChar(source[nameStart - 1])) --nameStart;
            if (nameStart < 2 || source.compare(nameStart - 2, 2, "::") != 0) continue;
            const std::string runner = source.substr(nameStart, at - nameStart);
            const std::string parameter = census::WordAt(source, at + head.size());
            const std::size_t close = census::PastClosing(source, at);
            const std::size_t open = close == std::string::npos ? close : source.find_first_of(";{", close);
            if (open == std::string::npos || source[open] != '{') continue;
            const std::string body = source.substr(open, census::PastClosing(source, open) - open);
            for (const std::string& name : classes)
                for (std::size_t made : census::Constructions(body, name))
                    for (const std::string& argument : census::Arguments(body, made))
                        if (census::Trimmed(argument) == parameter) runners[runner] = name;
        }
    }

    std::vector<MessageOpening> openings;
    auto note = [&](const std::filesystem::path& file, const std::string& source, std::size_t open,
                    const std::string& kind, const std::string& textArguments) {
        MessageOpening opening;
        opening.where = file.parent_path().filename().string() + "/" + file.filename().string() + ":" +
                        std::to_string(census::LineOf(source, open));
        opening.kind = kind;
        opening.textArguments = textArguments;
        opening.textIds = census::TextIds(textArguments, source);
        if (opening.textIds.empty()) {
            const std::size_t start = census::FunctionStart(source, open);
            opening.textIds = census::TextIds(source.substr(start, open - start), source);
        }
        if (kind == "MessageBox") {
            const std::string call = source.substr(open, census::PastClosing(source, open) - open);
            opening.flagNames = census::Names(call, "MB_");
        }
        openings.push_back(opening);
    };
    for (const auto& [file, source] : code) {
        for (std::size_t open : census::Calls(source, "MessageBox")) {
            const std::vector<std::string> arguments = census::Arguments(source, open);
            // The text is the second argument, the caption after the markers' arguments or the text.
            note(file, source, open, "MessageBox", arguments.size() > 1 ? arguments[1] : std::string());
        }
        for (const std::string& name : classes) {
            for (std::size_t open : census::Constructions(source, name)) {
                std::string all;
                for (const std::string& argument : census::Arguments(source, open)) all += argument + ",";
                note(file, source, open, name, all);
            }
        }
        for (const auto& [runner, name] : runners) {
            for (std::size_t open : census::Calls(source, runner)) {
                const std::vector<std::string> arguments = census::Arguments(source, open);
                note(file, source, open, name, arguments.empty() ? std::string() : arguments.front());
            }
        }
    }
    return openings;
}

// The value of each IDS_ name of resources/ids.h.
inline std::map<std::string, int> StringIdValues(const std::filesystem::path& root) {
    std::map<std::string, int> values;
    const std::string code = census::ReadAll(root / "resources" / "ids.h");
    for (const std::string& name : census::Names(code, "IDS_")) {
        const std::string value = census::ConstantValue(code, name);
        if (!value.empty() && value.find_first_not_of("0123456789") == std::string::npos) values[name] = std::stoi(value);
    }
    return values;
}

}  // namespace qttest

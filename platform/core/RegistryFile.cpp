#include "platform/core/RegistryFile.h"

#include "platform/core/Folders.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace platform {

namespace {

constexpr std::string_view kRootName = "HKEY_CURRENT_USER";

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char escaped[5];
                std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void AppendValues(std::string& out, const RegistryKey& key) {
    for (const auto& [name, value] : key.Values()) {
        if (name.empty()) {
            out += '@';
        } else {
            AppendQuoted(out, name);
        }
        out += '=';
        if (const auto* number = std::get_if<std::uint32_t>(&value)) {
            char text[16];
            std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(*number));
            out += text;
        } else {
            AppendQuoted(out, std::get<std::string>(value));
        }
        out += '\n';
    }
}

// A key name the file can hold on a section line: no control character (a line break would end the
// line, and the reader refuses the others alike).
bool IsWritableKeyName(std::string_view name) {
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    return true;
}

// One section per key, each naming its full path; the depth is bounded, so the paths are short.
void AppendKey(std::string& out, const RegistryKey& key, const std::string& path, int depth) {
    out += '[' + path + "]\n";
    AppendValues(out, key);
    out += '\n';
    if (depth >= kMaxRegistryKeyDepth) return;
    for (const auto& [name, child] : key.Children()) {
        if (!IsWritableKeyName(name)) continue;
        AppendKey(out, *child, path + '\\' + name, depth + 1);
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted text at pos (on its opening quote) and moves pos past the closing quote.
std::optional<std::string> ReadQuoted(std::string_view line, std::size_t& pos) {
    if (pos >= line.size() || line[pos] != '"') return std::nullopt;
    std::string text;
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++pos >= line.size()) return std::nullopt;
        switch (line[pos]) {
        case '\\': text += '\\'; break;
        case '"': text += '"'; break;
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        case 't': text += '\t'; break;
        case 'x': {
            if (pos + 2 >= line.size()) return std::nullopt;
            int high = HexDigit(line[pos + 1]);
            int low = HexDigit(line[pos + 2]);
            if (high < 0 || low < 0) return std::nullopt;
            text += static_cast<char>(high * 16 + low);
            pos += 2;
            break;
        }
        default: return std::nullopt;
        }
    }
    return std::nullopt;  // no closing quote: a cut-off line
}

// Parses one value line into the key; false when the line is not a clean value line.
bool ParseValueLine(std::string_view line, RegistryKey& key) {
    std::size_t pos = 0;
    std::string name;
    if (line.starts_with('@')) {
        pos = 1;
    } else {
        auto quoted = ReadQuoted(line, pos);
        if (!quoted) return false;
        name = std::move(*quoted);
    }
    if (pos >= line.size() || line[pos] != '=') return false;
    std::string_view data = line.substr(pos + 1);
    if (data.starts_with("dword:")) {
        // Always eight digits, as written: fewer means a cut-off line.
        std::string_view digits = data.substr(6);
        if (digits.size() != 8) return false;
        std::uint32_t value = 0;
        for (char c : digits) {
            int digit = HexDigit(c);
            if (digit < 0) return false;
            value = value << 4 | static_cast<std::uint32_t>(digit);
        }
        key.SetNumber(name, value);
        return true;
    }
    std::size_t at = 0;
    auto text = ReadQuoted(data, at);
    if (!text || at != data.size()) return false;
    key.SetString(name, *text);
    return true;
}

enum class SectionFault { None, NotOurs, TooDeep, ControlCharacter };

// The key a section line names, created in the tree; nullptr and the fault when the line is not one
// of ours or names a key the file may not hold. The path is checked whole before a key is made.
RegistryKey* ParseSectionLine(std::string_view line, RegistryKey& root, SectionFault& fault) {
    fault = SectionFault::NotOurs;
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return nullptr;
    std::string_view path = line.substr(1, line.size() - 2);
    if (!path.starts_with(kRootName)) return nullptr;
    path.remove_prefix(kRootName.size());
    if (path.empty()) {
        fault = SectionFault::None;
        return &root;
    }
    if (path.front() != '\\') return nullptr;
    if (!IsWritableKeyName(path)) {
        fault = SectionFault::ControlCharacter;
        return nullptr;
    }
    int depth = 0;
    bool inName = false;
    for (char c : path) {
        if (c == '\\') {
            inName = false;
        } else if (!inName) {
            inName = true;
            if (++depth > kMaxRegistryKeyDepth) {
                fault = SectionFault::TooDeep;
                return nullptr;
            }
        }
    }
    fault = SectionFault::None;
    return &root.Create(std::string(path.substr(1)));
}

}  // namespace

std::string FormatRegistryFile(const RegistryKey& root) {
    std::string out(kRegistryFileHeader);
    out += "\n\n";
    if (!root.Values().empty()) {
        out += '[' + std::string(kRootName) + "]\n";
        AppendValues(out, root);
        out += '\n';
    }
    for (const auto& [name, child] : root.Children()) {
        if (!IsWritableKeyName(name)) continue;
        AppendKey(out, *child, std::string(kRootName) + '\\' + name, 1);
    }
    return out;
}

std::string ParseRegistryFile(std::string_view text, RegistryKey& root) {
    root.Clear();
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);

    std::string firstFault;
    RegistryKey* section = nullptr;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        ++lineNumber;

        if (lineNumber == 1) {
            if (line != kRegistryFileHeader) return "the first line is not \"" + std::string(kRegistryFileHeader) + "\"";
            continue;
        }
        if (line.empty() || line.starts_with(';')) continue;

        bool clean = false;
        SectionFault fault = SectionFault::NotOurs;
        if (line.starts_with('[')) {
            section = ParseSectionLine(line, root, fault);
            clean = section != nullptr;
        } else if (section) {
            clean = ParseValueLine(line, *section);
        }
        if (clean || !firstFault.empty()) continue;
        firstFault = "line " + std::to_string(lineNumber);
        if (fault == SectionFault::TooDeep)
            firstFault += " names a key more than " + std::to_string(kMaxRegistryKeyDepth) + " levels deep";
        else if (fault == SectionFault::ControlCharacter)
            firstFault += " names a key with a control character";
        else
            firstFault += " cannot be read";
    }
    if (lineNumber == 0) return "the file is empty";
    return firstFault;
}

RegistryLoad LoadRegistryFile(const std::string& path, RegistryKey& root) {
    root.Clear();
    FileContent content = ReadRegularFile(path, kMaxRegistryFileBytes);
    if (!content) {
        if (content.missing) return {};
        return {false, "The settings cannot be read: " + content.error};
    }
    std::string text = content.Text();
    if (content.tooLarge) {
        // What parsed of the start is kept, up to its last whole line.
        const std::size_t lastLineEnd = text.rfind('\n');
        text.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
    }
    std::string fault = ParseRegistryFile(text, root);
    if (content.tooLarge) {
        fault = "it is larger than " + std::to_string(kMaxRegistryFileBytes / (1024 * 1024)) + " MiB";
    }
    if (fault.empty()) return {};
    std::string copy = path + ".bad";
    FileStatus kept;
    if (content.tooLarge) {
        if (::rename(path.c_str(), copy.c_str()) != 0) kept = {false, std::strerror(errno)};
    } else {
        kept = WriteFileAtomic(copy, content.bytes);
    }
    std::string message = "The settings file " + path + " is damaged (" + fault + ")";
    if (!kept) message += "; no copy could be kept: " + kept.error;
    else message += (content.tooLarge ? "; it is moved to " : "; a copy is kept as ") + copy;
    return {true, message};
}

FileStatus SaveRegistryFile(const std::string& path, const RegistryKey& root) {
    FileStatus readable = CheckReadable(path);
    if (!readable)
        return {false, "The settings are not saved, the file in place cannot be read: " + readable.error};
    return WriteFileAtomic(path, FormatRegistryFile(root));
}

namespace {

// The settings file as the running program last loaded or saved it: one that another program wrote
// since then holds that program's settings and stays.
struct SeenSettingsFile {
    std::string path;
    std::optional<FileStamp> stamp;
};
SeenSettingsFile g_seenSettings;

}  // namespace

RegistryLoad LoadCurrentUserRegistry() {
    const std::string path = RegistryFilePath();
    RegistryLoad load = LoadRegistryFile(path, CurrentUserRegistry());
    g_seenSettings = {path, StampOf(path)};
    return load;
}

FileStatus SaveCurrentUserRegistry() {
    const std::string path = RegistryFilePath();
    if (g_seenSettings.path == path && ChangedSince(path, g_seenSettings.stamp))
        return {false, "The settings file " + path + " was changed by another program; it is kept as it is"};
    EnsureFolder(ConfigFolder());
    FileStatus saved = SaveRegistryFile(path, CurrentUserRegistry());
    if (saved) g_seenSettings = {path, StampOf(path)};
    return saved;
}

}  // namespace platform

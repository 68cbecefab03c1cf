#include "platform/core/Registry.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace platform {

namespace {

RegistryKey g_currentUser;
std::string g_profileKey = "Software\\skat\\skat";

// The parts of a backslash-separated path in turn, without copying the rest of it; empty parts
// are skipped.
class PathParts {
public:
    explicit PathParts(std::string_view path) : rest_(path) {}
    // The next part, or an empty view when none is left.
    std::string_view Next() {
        const std::size_t start = rest_.find_first_not_of('\\');
        if (start == std::string_view::npos) {
            rest_ = {};
            return {};
        }
        rest_.remove_prefix(start);
        const std::size_t end = std::min(rest_.find('\\'), rest_.size());
        std::string_view part = rest_.substr(0, end);
        rest_.remove_prefix(end);
        return part;
    }

private:
    std::string_view rest_;
};

}  // namespace

bool KeyNameLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

// Level by level, so a path of any depth costs neither stack nor copies of the rest of it.
RegistryKey& RegistryKey::Create(const std::string& path) {
    RegistryKey* key = this;
    PathParts parts(path);
    for (std::string_view part = parts.Next(); !part.empty(); part = parts.Next()) {
        auto it = key->children_.find(part);
        if (it == key->children_.end())
            it = key->children_.emplace(std::string(part), std::make_unique<RegistryKey>()).first;
        key = it->second.get();
    }
    return *key;
}

RegistryKey* RegistryKey::Find(const std::string& path) {
    return const_cast<RegistryKey*>(static_cast<const RegistryKey*>(this)->Find(path));
}

const RegistryKey* RegistryKey::Find(const std::string& path) const {
    const RegistryKey* key = this;
    PathParts parts(path);
    for (std::string_view part = parts.Next(); !part.empty(); part = parts.Next()) {
        auto it = key->children_.find(part);
        if (it == key->children_.end()) return nullptr;
        key = it->second.get();
    }
    return key;
}

bool RegistryKey::Remove(const std::string& path) {
    RegistryKey* parent = this;
    PathParts parts(path);
    std::string_view part = parts.Next();
    if (part.empty()) return false;
    for (std::string_view next = parts.Next(); !next.empty(); next = parts.Next()) {
        auto it = parent->children_.find(part);
        if (it == parent->children_.end()) return false;
        parent = it->second.get();
        part = next;
    }
    auto it = parent->children_.find(part);
    if (it == parent->children_.end()) return false;
    parent->children_.erase(it);
    return true;
}

void RegistryKey::SetNumber(const std::string& name, std::uint32_t value) { values_[name] = value; }

void RegistryKey::SetString(const std::string& name, const std::string& value) { values_[name] = value; }

std::optional<std::uint32_t> RegistryKey::Number(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    if (auto* n = std::get_if<std::uint32_t>(&it->second)) return *n;
    return std::nullopt;
}

std::optional<std::string> RegistryKey::String(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    if (auto* s = std::get_if<std::string>(&it->second)) return *s;
    return std::nullopt;
}

bool RegistryKey::RemoveValue(const std::string& name) { return values_.erase(name) > 0; }

void RegistryKey::Clear() {
    values_.clear();
    children_.clear();
}

RegistryKey& CurrentUserRegistry() { return g_currentUser; }

void SetRegistryKey(const std::string& registryKey, const std::string& profileName) {
    g_profileKey = "Software\\" + registryKey + "\\" + profileName;
}

std::string ProfileKeyPath() { return g_profileKey; }

}  // namespace platform

namespace {
const platform::RegistryKey* FindSection(const std::string& section) {
    return platform::CurrentUserRegistry().Find(platform::ProfileKeyPath() + "\\" + section);
}
platform::RegistryKey& CreateSection(const std::string& section) {
    return platform::CurrentUserRegistry().Create(platform::ProfileKeyPath() + "\\" + section);
}
}  // namespace

int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) {
    const platform::RegistryKey* key = FindSection(section);
    if (!key) return defaultValue;
    auto value = key->Number(entry);
    return value ? static_cast<int>(*value) : defaultValue;
}

std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& defaultValue) {
    const platform::RegistryKey* key = FindSection(section);
    if (!key) return defaultValue;
    auto value = key->String(entry);
    return value ? *value : defaultValue;
}

bool WriteProfileInt(const std::string& section, const std::string& entry, int value) {
    CreateSection(section).SetNumber(entry, static_cast<std::uint32_t>(value));
    return true;
}

bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) {
    CreateSection(section).SetString(entry, value);
    return true;
}

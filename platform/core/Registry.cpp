#include "platform/core/Registry.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

RegistryKey g_currentUser;
std::string g_profileKey = "Software\\skat\\skat";

// Splits "a\b\c" into its first part and the rest; empty parts are skipped.
std::pair<std::string, std::string> SplitFirst(const std::string& path) {
    std::size_t start = path.find_first_not_of('\\');
    if (start == std::string::npos) return {"", ""};
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) return {path.substr(start), ""};
    return {path.substr(start, end - start), path.substr(end + 1)};
}

}  // namespace

bool KeyNameLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

RegistryKey& RegistryKey::Create(const std::string& path) {
    auto [first, rest] = SplitFirst(path);
    if (first.empty()) return *this;
    auto& child = children_[first];
    if (!child) child = std::make_unique<RegistryKey>();
    return child->Create(rest);
}

RegistryKey* RegistryKey::Find(const std::string& path) {
    return const_cast<RegistryKey*>(static_cast<const RegistryKey*>(this)->Find(path));
}

const RegistryKey* RegistryKey::Find(const std::string& path) const {
    auto [first, rest] = SplitFirst(path);
    if (first.empty()) return this;
    auto it = children_.find(first);
    if (it == children_.end()) return nullptr;
    return it->second->Find(rest);
}

bool RegistryKey::Remove(const std::string& path) {
    auto [first, rest] = SplitFirst(path);
    if (first.empty()) return false;
    auto it = children_.find(first);
    if (it == children_.end()) return false;
    if (SplitFirst(rest).first.empty()) {
        children_.erase(it);
        return true;
    }
    return it->second->Remove(rest);
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

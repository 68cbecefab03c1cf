#pragma once
// The settings store: a tree of keys holding number (32-bit) and string values, as the desktop
// platform's per-user registry. The host persists it as a registry text file; the profile
// functions read and write the program's own key (Software\<company>\<application>).

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

// Key names compare case-insensitively (ASCII), as the registry does; they keep their spelling.
struct KeyNameLess {
    using is_transparent = void;  // keys are looked up by a part of a path, without a copy
    bool operator()(std::string_view a, std::string_view b) const;
};

using RegistryValue = std::variant<std::uint32_t, std::string>;

class RegistryKey {
public:
    // The sub-key of a backslash-separated path, created when missing.
    RegistryKey& Create(const std::string& path);
    // The sub-key of a path, or nullptr.
    RegistryKey* Find(const std::string& path);
    const RegistryKey* Find(const std::string& path) const;
    // Removes a sub-key and everything under it; false when there is none.
    bool Remove(const std::string& path);

    void SetNumber(const std::string& name, std::uint32_t value);
    void SetString(const std::string& name, const std::string& value);
    std::optional<std::uint32_t> Number(const std::string& name) const;
    std::optional<std::string> String(const std::string& name) const;
    bool RemoveValue(const std::string& name);

    const std::map<std::string, RegistryValue, KeyNameLess>& Values() const { return values_; }
    const std::map<std::string, std::unique_ptr<RegistryKey>, KeyNameLess>& Children() const {
        return children_;
    }
    void Clear();
    bool Empty() const { return values_.empty() && children_.empty(); }

private:
    std::map<std::string, RegistryValue, KeyNameLess> values_;
    std::map<std::string, std::unique_ptr<RegistryKey>, KeyNameLess> children_;
};

// HKEY_CURRENT_USER of the running program.
RegistryKey& CurrentUserRegistry();

// The program's key: "Software\<registryKey>\<profileName>".
void SetRegistryKey(const std::string& registryKey, const std::string& profileName);
std::string ProfileKeyPath();

}  // namespace platform

// Profile functions on the program's key (sections are its sub-keys).
// A number stored as a string, or a string stored as a number, reads as missing.
int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue);
std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& defaultValue = std::string());
bool WriteProfileInt(const std::string& section, const std::string& entry, int value);
bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value);

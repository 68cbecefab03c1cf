#include "fuzz/RegistryRoundTrip.h"

#include "platform/core/Registry.h"
#include "platform/core/RegistryFile.h"

namespace fuzzcheck {

namespace {

using platform::RegistryKey;

// The first difference between two trees, or an empty string. Names compare by their spelling.
std::string Difference(const RegistryKey& a, const RegistryKey& b, const std::string& path) {
    if (a.Values() != b.Values()) return "the values under [" + path + "] differ";
    if (a.Children().size() != b.Children().size()) return "the keys under [" + path + "] differ";
    auto other = b.Children().begin();
    for (const auto& [name, child] : a.Children()) {
        if (other->first != name) return "key " + path + "\\" + name + " comes back as " + other->first;
        std::string difference = Difference(*child, *other->second, path + "\\" + name);
        if (!difference.empty()) return difference;
        ++other;
    }
    return {};
}

}  // namespace

std::string CheckRegistryRoundTrip(std::string_view text) {
    RegistryKey first;
    platform::ParseRegistryFile(text, first);
    const std::string written = platform::FormatRegistryFile(first);
    RegistryKey second;
    const std::string fault = platform::ParseRegistryFile(written, second);
    if (!fault.empty()) return "the written file reads with a fault: " + fault;
    std::string difference = Difference(first, second, "HKEY_CURRENT_USER");
    if (!difference.empty()) return difference;
    if (platform::FormatRegistryFile(second) != written) return "the second writing differs from the first";
    return {};
}

}  // namespace fuzzcheck

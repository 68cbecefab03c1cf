#include "match/WindowSections.h"

#include "platform/core/Registry.h"


namespace {

struct WindowFlag {
    const char* Section;
    const char* Key;
    int Default;
};

const WindowFlag kFlags[] = {
    {"RectScore", "Highlight", 0},
    {"RectScore", "Forehand", 1},
    {"RectTrickEstimation", "Auto", 0},
    {"RectTrickEstimation", "Game", 0},
};

}  // namespace

int ReadWindowFlag(const std::string& section, const std::string& key) {
    int defaultValue = 0;
    for (const WindowFlag& flag : kFlags)
        if (section == flag.Section && key == flag.Key) defaultValue = flag.Default;
    return GetProfileInt(section, key, defaultValue);
}

void WriteWindowFlag(const std::string& section, const std::string& key, int value) {
    WriteProfileInt(section, key, value);
}

#include "match/WindowSections.h"

#include "platform/core/Registry.h"


namespace {

struct WindowSection {
    const char* Name;
    SideWindowRect Default;
    bool HasSize;  // Right and Bottom are kept too
};

const WindowSection kSections[] = {
    {"RectScore", {418, 316, 1058, 614}, true},
    {"RectStore", {418, 614, 874, 870}, true},
    {"RectCardStatistics", {0, 0, 441, 742}, true},
    {"RectGameStatistics", {0, 0, 500, 800}, true},
    {"RectTrickEstimation", {0, 0, 500, 800}, true},
    {"RectLog", {401, 321, 861, 621}, true},
    {"RectLegend", {0, 0, 0, 0}, false},
    {"RectAnnotation", {0, 614, 0, 614}, false},
    {"RectData", {0, 614, 0, 614}, false},
    {"RectState", {0, 614, 0, 614}, false},
    {"RectGameValue", {417, 0, 417, 0}, false},
};

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

const WindowSection* FindSection(const std::string& name) {
    for (const WindowSection& section : kSections)
        if (name == section.Name) return &section;
    return nullptr;
}

}  // namespace

SideWindowRect ReadWindowRect(const std::string& section) {
    const WindowSection* known = FindSection(section);
    const SideWindowRect defaults = known ? known->Default : SideWindowRect{};
    const bool hasSize = known == nullptr || known->HasSize;
    SideWindowRect rect;
    rect.Left = GetProfileInt(section, "Left", defaults.Left);
    rect.Top = GetProfileInt(section, "Top", defaults.Top);
    rect.Right = hasSize ? GetProfileInt(section, "Right", defaults.Right) : rect.Left;
    rect.Bottom = hasSize ? GetProfileInt(section, "Bottom", defaults.Bottom) : rect.Top;
    return rect;
}

void WriteWindowRect(const std::string& section, const SideWindowRect& rect) {
    const WindowSection* known = FindSection(section);
    WriteProfileInt(section, "Left", rect.Left);
    WriteProfileInt(section, "Top", rect.Top);
    if (known != nullptr && !known->HasSize) return;
    WriteProfileInt(section, "Right", rect.Right);
    WriteProfileInt(section, "Bottom", rect.Bottom);
}

int ReadWindowFlag(const std::string& section, const std::string& key) {
    int defaultValue = 0;
    for (const WindowFlag& flag : kFlags)
        if (section == flag.Section && key == flag.Key) defaultValue = flag.Default;
    return GetProfileInt(section, key, defaultValue);
}

void WriteWindowFlag(const std::string& section, const std::string& key, int value) {
    WriteProfileInt(section, key, value);
}

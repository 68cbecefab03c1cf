#pragma once
// The settings the match list's trailer carries: where each lies in the trailer, how it is packed,
// the setting it is, and the item and heading that name it when a loaded match would change it.
// One table serves writing the trailer, comparing it with the current settings and taking it over.

#include "match/MatchListFile.h"

#include <string>
#include <vector>

struct ListSettingField {
    enum Packing { Whole, Low16, High16, PairLow, PairHigh };
    std::size_t Offset;
    Packing Packed;
    const char* Section;
    const char* Key;
    int* Value;  // the current setting
    int ItemId, HeadingId;
    bool Option;  // an option taken over through its command
};

// The number fields in trailer order (the rule set, in the version word, comes first).
std::vector<ListSettingField> ListSettingFields();

// The value of a field as the trailer holds it.
int TrailerValue(const ListSettings& settings, const ListSettingField& field);

// The trailer of the current settings; the version word from the version text.
ListSettings MakeListSettings(const std::string& version);

// The differences between a trailer and the current settings, as the question lists them: each
// heading once before its items. count: the number of differing items.
struct ListSettingsDifferences {
    int Count = 0;
    std::string Text;
};
ListSettingsDifferences CompareWithCurrentSettings(const ListSettings& settings);

// Takes every number of the trailer into the settings, through the profile's normalisers; the
// options are handed to takeOption (their menu commands) when they differ. Texts are the caller's.
void TakeListSettings(const ListSettings& settings, void (*takeOption)(const ListSettingField&, int));

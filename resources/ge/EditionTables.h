#pragma once
// The German edition's menu, accelerator and dialog lookups, for its resource set.

#include "platform/core/Resources.h"

namespace platform {
struct MenuTemplate;
struct AcceleratorTable;
struct DialogTemplate;
}  // namespace platform

const platform::MenuTemplate* FindGermanMenu(int id);
const platform::AcceleratorTable* FindGermanAccelerators(int id);
const platform::DialogTemplate* FindGermanDialog(int id);

// The chapter of the manipulation marks' texts.
platform::StringTable GermanManipulationStrings();
platform::StringTable GermanSuggestionStrings();
platform::StringTable GermanFrameHelpStrings();

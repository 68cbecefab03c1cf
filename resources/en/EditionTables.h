#pragma once
// The English edition's menu, accelerator and dialog lookups, for its resource set.

#include "platform/core/Resources.h"

namespace platform {
struct MenuTemplate;
struct AcceleratorTable;
struct DialogTemplate;
}  // namespace platform

const platform::MenuTemplate* FindEnglishMenu(int id);
const platform::AcceleratorTable* FindEnglishAccelerators(int id);
const platform::DialogTemplate* FindEnglishDialog(int id);

// The chapter of the manipulation marks' texts.
platform::StringTable EnglishManipulationStrings();
platform::StringTable EnglishSuggestionStrings();
platform::StringTable EnglishFrameHelpStrings();

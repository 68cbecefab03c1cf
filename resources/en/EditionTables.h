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
// The settings dialogs' templates (chained in FindEnglishDialog).
const platform::DialogTemplate* FindEnglishSettingsDialog(int id);

// The settings dialogs' strings.
platform::StringTable EnglishSettingsStrings();

#pragma once
// The German edition's menu, accelerator and dialog lookups, for its resource set.

#include "platform/core/Resources.h"

namespace platform {
struct MenuTemplate;
struct AcceleratorTable;
struct DialogTemplate;
class Bitmap;
}  // namespace platform

const platform::MenuTemplate* FindGermanMenu(int id);
const platform::AcceleratorTable* FindGermanAccelerators(int id);
const platform::DialogTemplate* FindGermanDialog(int id);
// The edition's bitmap resources by id (an empty bitmap for an unknown id).
platform::Bitmap MakeGermanBitmap(int id);
// The shell's chapter of the string table.
platform::StringTable GermanShellStrings();
// The side windows' chapter of the string table.
platform::StringTable GermanSideWindowStrings();

#pragma once
// An edition's resources, addressed by numeric id: the string table, menus, accelerator tables and
// dialog templates. Each edition library (resources/ge, resources/en) provides one ResourceSet as
// C++ data; the program selects its edition's set at start-up and every lookup goes through it.

#include <cstddef>
#include <span>
#include <string>

#include "platform/core/Bitmap.h"

namespace platform {

struct StringEntry {
    int id;
    const char* text;  // UTF-8
};

// One chapter of an edition's strings, sorted by id. An edition keeps its strings in several chapters
// (one per area of the program) so that each area's texts live beside each other; no id is in two.
using StringTable = std::span<const StringEntry>;

// Whether a chapter is sorted by id without duplicates; each chapter asserts it at compile time.
constexpr bool IsSortedById(StringTable chapter) {
    for (std::size_t i = 1; i < chapter.size(); ++i)
        if (chapter[i - 1].id >= chapter[i].id) return false;
    return true;
}

// Declared by the dialog and menu layers; an edition defines its tables of them.
struct MenuTemplate;
struct AcceleratorTable;
struct DialogTemplate;

struct ResourceSet {
    const char* language;                 // "ge" or "en": the edition's own language code
    std::span<const StringTable> strings; // the chapters, each sorted by id
    const MenuTemplate* (*findMenu)(int id) = nullptr;
    const AcceleratorTable* (*findAccelerators)(int id) = nullptr;
    const DialogTemplate* (*findDialog)(int id) = nullptr;
    // The edition's picture with this id, drawn anew at each call; an empty bitmap when it has none.
    Bitmap (*makeBitmap)(int id) = nullptr;
};

// Selects the edition whose resources every lookup uses (nullptr: none, lookups find nothing).
void SetResources(const ResourceSet* resources);
const ResourceSet* CurrentResources();

// The string with this id, or an empty string when the edition has none.
std::string LoadString(int id);
// Whether the edition has a string with this id.
bool HasString(int id);
const MenuTemplate* FindMenu(int id);
const AcceleratorTable* FindAccelerators(int id);
const DialogTemplate* FindDialog(int id);
// The bitmap resource with this id (a picture of the edition, drawn in code), or an empty bitmap.
Bitmap LoadBitmap(int id);

}  // namespace platform

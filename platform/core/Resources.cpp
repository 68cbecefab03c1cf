#include "platform/core/Resources.h"

#include "platform/core/MessageBox.h"

#include <algorithm>

namespace platform {

namespace {

const ResourceSet* g_resources = nullptr;

const StringEntry* FindString(int id) {
    if (!g_resources) return nullptr;
    for (StringTable chapter : g_resources->strings) {
        auto it = std::lower_bound(chapter.begin(), chapter.end(), id,
                                   [](const StringEntry& entry, int wanted) { return entry.id < wanted; });
        if (it != chapter.end() && it->id == id) return &*it;
    }
    return nullptr;
}

}  // namespace

void SetResources(const ResourceSet* resources) {
    g_resources = resources;
    // Message boxes label their buttons in the edition's language.
    if (resources && resources->language) SetMessageBoxLanguage(resources->language);
}

const ResourceSet* CurrentResources() { return g_resources; }

std::string LoadString(int id) {
    const StringEntry* entry = FindString(id);
    return entry && entry->text ? entry->text : std::string();
}

bool HasString(int id) { return FindString(id) != nullptr; }

const MenuTemplate* FindMenu(int id) {
    return g_resources && g_resources->findMenu ? g_resources->findMenu(id) : nullptr;
}

const AcceleratorTable* FindAccelerators(int id) {
    return g_resources && g_resources->findAccelerators ? g_resources->findAccelerators(id) : nullptr;
}

const DialogTemplate* FindDialog(int id) {
    return g_resources && g_resources->findDialog ? g_resources->findDialog(id) : nullptr;
}

Bitmap LoadBitmap(int id) {
    const ResourceSet* resources = CurrentResources();
    if (!resources || !resources->makeBitmap) return {};
    return resources->makeBitmap(id);
}

}  // namespace platform

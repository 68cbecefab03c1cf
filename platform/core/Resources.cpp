#include "platform/core/Resources.h"

#include "platform/core/MessageBox.h"

#include <unordered_map>

namespace platform {

namespace {

const ResourceSet* g_resources = nullptr;
// Every string of the current edition by id, built when the edition is set: texts are asked for on
// every card played, and a search through each chapter in turn cost more than the rest of the step.
std::unordered_map<int, const StringEntry*> g_stringIndex;

void IndexStrings(const ResourceSet* resources) {
    g_stringIndex.clear();
    if (!resources) return;
    std::size_t count = 0;
    for (StringTable chapter : resources->strings) count += chapter.size();
    g_stringIndex.reserve(count);
    // An id in two chapters is the earlier chapter's.
    for (StringTable chapter : resources->strings)
        for (const StringEntry& entry : chapter) g_stringIndex.emplace(entry.id, &entry);
}

const StringEntry* FindString(int id) {
    const auto it = g_stringIndex.find(id);
    return it == g_stringIndex.end() ? nullptr : it->second;
}

}  // namespace

void SetResources(const ResourceSet* resources) {
    g_resources = resources;
    IndexStrings(resources);
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

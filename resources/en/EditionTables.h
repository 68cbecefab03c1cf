#pragma once
// The English edition's menu and accelerator lookups, for its resource set.

namespace platform {
struct MenuTemplate;
struct AcceleratorTable;
}  // namespace platform

const platform::MenuTemplate* FindEnglishMenu(int id);
const platform::AcceleratorTable* FindEnglishAccelerators(int id);

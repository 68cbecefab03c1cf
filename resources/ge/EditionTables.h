#pragma once
// The German edition's menu and accelerator lookups, for its resource set.

namespace platform {
struct MenuTemplate;
struct AcceleratorTable;
}  // namespace platform

const platform::MenuTemplate* FindGermanMenu(int id);
const platform::AcceleratorTable* FindGermanAccelerators(int id);

#pragma once
// The German edition's menu, accelerator and dialog lookups, for its resource set.

namespace platform {
struct MenuTemplate;
struct AcceleratorTable;
struct DialogTemplate;
}  // namespace platform

const platform::MenuTemplate* FindGermanMenu(int id);
const platform::AcceleratorTable* FindGermanAccelerators(int id);
const platform::DialogTemplate* FindGermanDialog(int id);

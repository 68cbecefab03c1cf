// The computer player's tests run without an application object: g_pApp stays null and nothing
// is traced. Weak, so the shell's own definitions win once they are linked in.
#include "shell/SkatApp.h"

__attribute__((weak)) CSkatApp* g_pApp = nullptr;
__attribute__((weak)) void CSkatApp::WriteLog(const std::string&, unsigned) {}

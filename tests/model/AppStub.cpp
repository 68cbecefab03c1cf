// The model runs without an application object: g_pApp stays null and nothing is traced. These
// stand in for the shell's definitions only while that object is not linked in.
#include "shell/SkatApp.h"

__attribute__((weak)) CSkatApp* g_pApp = nullptr;
__attribute__((weak)) void CSkatApp::WriteLog(const std::string&, unsigned) {}

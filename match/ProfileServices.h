#pragma once
// What the settings profile asks of the shell when it is stored: whether the log window is open
// (View/LogList). The shell installs its own at start-up; the default answers that none is.

#include <functional>

struct ProfileShellServices {
    std::function<bool()> LogWindowOpen = [] { return false; };
};

extern ProfileShellServices g_ProfileShell;

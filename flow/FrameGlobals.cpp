#include "flow/FrameGlobals.h"
#include "flow/ShellServices.h"

CFrameGlobals g_Frame;
FrameShellServices g_FrameShell;

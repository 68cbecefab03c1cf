#include "windows/WindowFrameServices.h"

SideWindowFrameServices g_SideWindowFrame;

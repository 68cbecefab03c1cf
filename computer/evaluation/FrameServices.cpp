#include "computer/evaluation/FrameServices.h"

ComputerFrameServices g_ComputerFrame;

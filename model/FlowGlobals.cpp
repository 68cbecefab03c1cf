#include "model/FlowGlobals.h"

CFlowGlobals g_Flow;

#include "model/Settings.h"

CSettings g_Settings;

#include "flow/Settings.h"

#include "match/Profile.h"

CSettings g_Settings;

void CSettings::Load() { ReadProfile(); }

void CSettings::Save() { WriteProfile(); }

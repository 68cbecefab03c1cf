#pragma once
// The model's globals all at once: the game record, the settings, the card knowledge and the deck's
// taken flags back at their start values, and the hooks the layers above install (player and table
// services, trace sink, internal error handler) empty again, so the model answers with its plain
// rules until a program or a test installs them anew.

void ResetModelGlobals();

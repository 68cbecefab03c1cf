#pragma once
// The string of a game type's name: the suits, Null, Revolution, Grand, Ramsch.
int GameNameId(int type);

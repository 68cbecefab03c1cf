#pragma once
// The trick estimator: the tricks a player expects in a suit game or Grand, with every input and
// rule it applies written into his trick estimation sheet for the estimation window.
// The operations of the player are CPlayer members (declared in model/PlayerData.h, defined here).

class CPlayer;


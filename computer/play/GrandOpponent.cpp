// The Grand defenders' card play.
#include "model/Player.h"

int CPlayer::PlayGrandOpponentLead(bool) { return PlayStandIn("PlayGrandOpponentLead"); }
int CPlayer::PlayGrandOpponentSecond(bool, int) { return PlayStandIn("PlayGrandOpponentSecond"); }
int CPlayer::PlayGrandOpponentThird(bool, int, int) { return PlayStandIn("PlayGrandOpponentThird"); }

// The Grand soloist's card play.
#include "model/Player.h"

int CPlayer::PlayGrandSoloistLead() { return PlayStandIn("PlayGrandSoloistLead"); }
int CPlayer::PlayGrandSoloistSecond(int) { return PlayStandIn("PlayGrandSoloistSecond"); }
int CPlayer::PlayGrandSoloistThird(int, int) { return PlayStandIn("PlayGrandSoloistThird"); }

// The links of the suit strategies to routines not in this build yet (see the header).
#include "computer/play/SuitChooserLinks.h"

#include "computer/play/EarlyFaceUp.h"
#include "model/CardCodes.h"

namespace links {
namespace {

int g_standIns = 0;

}  // namespace

int StandInCalls() { return g_standIns; }

int ChooseTrickCard(CPlayer&, int, int, bool) {
    ++g_standIns;
    return NO_CARD;
}

int ChooseCardByMode(CPlayer&, int, int) {
    ++g_standIns;
    return NO_CARD;
}

void AnnounceFaceUp(int seat) { ::AnnounceFaceUp(seat); }

}  // namespace links

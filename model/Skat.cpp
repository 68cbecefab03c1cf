#include "model/Skat.h"

#include "model/CardKnowledge.h"

CSkat::CSkat()
    : CCards("", 2, false, false),
      computer0("Comp1", 10, false, 0),
      computer1("Comp2", 10, false, 1),
      person("Person", 10, true, 2),
      trick("", 3, true, true),
      lastTrick("", 3, true, false),
      courseSkat("", 2, true, false),
      courseRows{CTrick("", 10, true, false), CTrick("", 10, true, false), CTrick("", 10, true, false)} {
    trick.SetPlayers(&computer0, &computer1, &person);
    for (int seat = 0; seat < 3; ++seat) EditPlayer(seat)->lastTrick = &lastTrick;
}

namespace {
void MarkSkatCards(const CCards& skat) {
    for (int slot = 0; slot < 2; ++slot) SetCardLocation(skat.cards[slot], CARD_IN_SKAT);
}
}  // namespace

void CSkat::Deal() {
    CCards::Deal();
    MarkSkatCards(*this);
}

void CSkat::Restore(bool fromDealt) {
    CCards::Restore(fromDealt);
    MarkSkatCards(*this);
}

std::string CSkat::GetPlayerName(int seat) const {
    const CPlayer* player = Player(seat);
    return player ? player->name : name;
}

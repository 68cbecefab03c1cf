#include "model/Skat.h"

#include "model/CardKnowledge.h"
#include "model/PlayerData.h"

CSkat::CSkat()
    : CCards("", 2, false, false),
      computer0(std::make_unique<CComputer>("Comp1", 10, false, 0)),
      computer1(std::make_unique<CComputer>("Comp2", 10, false, 1)),
      person(std::make_unique<CPerson>("Person", 10, true, 2)),
      bySeat{computer0.get(), computer1.get(), person.get()},
      handBySeat{computer0.get(), computer1.get(), person.get()},
      trick("", 3, true, true),
      lastTrick("", 3, true, false),
      courseSkat("", 2, true, false),
      courseRows{CTrick("", 10, true, false), CTrick("", 10, true, false), CTrick("", 10, true, false)} {
    trick.SetPlayers(computer0.get(), computer1.get(), person.get());
    for (int seat = 0; seat < 3; ++seat) EditPlayer(seat)->lastTrick = &lastTrick;
}

CSkat::~CSkat() = default;

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

#include "dialogs/GameNames.h"

#include "model/CardCodes.h"
#include "resources/ids.h"

int GameNameId(int type) {
    switch (type) {
        case GAME_NULL: return IDS_GAME_NULL;
        case GAME_REVOLUTION: return IDS_GAME_REVOLUTION;
        case GAME_GRAND: return IDS_GAME_GRAND;
        case GAME_RAMSCH: return IDS_GAME_RAMSCH;
        default: return IDS_GAME_CLUBS + (type >= 0 && type < 4 ? type : 0);
    }
}

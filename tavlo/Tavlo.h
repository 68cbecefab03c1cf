#pragma once
// The card-table library as the program calls it: cards, balloons, symbols and sound effects.

#include "tavlo/BalloonApi.h"
#include "tavlo/CardDeckApi.h"
#include "tavlo/SoundApi.h"
#include "tavlo/SymbolApi.h"

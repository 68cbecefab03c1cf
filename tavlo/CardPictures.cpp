#include "tavlo/CardPictures.h"

namespace tavlo {

namespace {
NoCardPictures g_noPictures;
CardPictures* g_pictures = nullptr;
}  // namespace

void SetCardPictures(CardPictures* pictures) { g_pictures = pictures; }

CardPictures& Pictures() { return g_pictures ? *g_pictures : g_noPictures; }

}  // namespace tavlo

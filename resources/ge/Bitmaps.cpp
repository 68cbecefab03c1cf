// The German edition's bitmap resources, each drawn in code when asked for. A picture is one row.
#include "platform/core/Bitmap.h"
#include "resources/ge/EditionTables.h"
#include "resources/LegendBitmap.h"
#include "resources/SharedBitmaps.h"
#include "resources/SizeButtonBitmaps.h"
#include "resources/ids.h"

namespace {

struct BitmapEntry {
    int id;
    platform::Bitmap (*draw)();
};

constexpr BitmapEntry kBitmaps[] = {
    {IDB_LEGEND, &resources::DrawLegendBitmap},
    {IDB_MASK, &resources::DrawMaskBitmap},
    {IDB_SIZE_FULL, &resources::DrawSizeFullBitmap},
    {IDB_SIZE_COMPACT, &resources::DrawSizeCompactBitmap},
};

}  // namespace

platform::Bitmap MakeGermanBitmap(int id) {
    for (const BitmapEntry& entry : kBitmaps)
        if (entry.id == id) return entry.draw();
    return {};
}

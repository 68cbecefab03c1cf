#pragma once
// How the C library's allocator hands out large blocks, set once at start-up.

namespace platform {

// Blocks from 128 KiB up come straight from the system and go back to it when freed. The C
// library would otherwise raise that limit to the size of the first large block freed (the stored
// deals and the match list grow by reallocation in a long match), and the blocks below the raised
// limit would then fragment the heap: resident memory would grow by about twice what the match
// keeps. Returns whether the allocator took the setting.
bool KeepLargeBlocksOutOfTheHeap();

}  // namespace platform

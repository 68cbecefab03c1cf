#include "platform/core/HeapPolicy.h"

#include <cstdlib>  // says which C library this is

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

bool KeepLargeBlocksOutOfTheHeap() {
#if defined(__GLIBC__)
    // A fixed threshold also ends the library's own adjustment of it.
    return mallopt(M_MMAP_THRESHOLD, 128 * 1024) == 1;
#else
    return false;
#endif
}

}  // namespace platform

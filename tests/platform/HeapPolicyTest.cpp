// Large blocks stay outside the heap after a large block was freed, so that a long match's growing
// lists do not fragment it.
#include <gtest/gtest.h>

#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "platform/core/HeapPolicy.h"

namespace {

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__)
// A block straight from the system spans whole pages less the allocator's two size words; one from
// the heap is only rounded to 16 bytes.
bool FromTheSystem(void* block) { return malloc_usable_size(block) % 4096 == 4096 - 2 * sizeof(std::size_t); }

TEST(HeapPolicy, ALargeBlockFreedLeavesTheNextLargeBlocksOutsideTheHeap) {
    ASSERT_TRUE(platform::KeepLargeBlocksOutOfTheHeap());
    void* match = std::malloc(1 << 20);
    ASSERT_NE(match, nullptr);
    std::free(match);
    void* list = std::malloc(200000);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(FromTheSystem(list));
    std::free(list);
    void* small = std::malloc(1000);
    EXPECT_FALSE(FromTheSystem(small));
    std::free(small);
}
#endif

}  // namespace

// The audio path allocates nothing: every operator new in this test program is counted, and
// processing thousands of blocks must not add to the count.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/native/engine_harness.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(EngineAllocation, ProcessingBlocksAllocatesNothing) {
    TestEngine t;
    std::vector<int16_t> stereo = StereoMusic(576);
    std::vector<int16_t> mono(576, 1234);
    std::vector<int16_t> large = StereoMusic(20000);
    const long before = allocations.load();
    for (int block = 0; block < 2000; ++block) {
        EngineRun(*t.engine, stereo.data(), 576, 2, block % 2 ? 44100 : 48000);
        EngineRun(*t.engine, mono.data(), 576, 1, 22050);
    }
    EngineRun(*t.engine, large.data(), 20000, 2, 44100);
    EXPECT_EQ(allocations.load(), before);
}

}  // namespace

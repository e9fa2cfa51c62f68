// Single calls of 2^29 bytes and more: the high count word and the block loop
// near the top of the 32-bit length range.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "digest/md5.h"
#include "tests/digest/md5_test_util.h"

namespace {

TEST(MD5ContextHuge, OneCallOfHalfAGibibyte) {
    const unsigned length = (1u << 29) + 7;  // 2^32 + 56 bits
    std::vector<unsigned char> data(length);
    const std::size_t period = 4099;
    for (std::size_t i = 0; i < period; i++) data[i] = PatternByte(i);
    for (std::size_t done = period; done < length; done *= 2)
        std::memcpy(&data[done], &data[0], std::min(done, length - done));

    MD5_CTX ctx;
    MD5Init(&ctx);
    MD5Update(&ctx, data.data(), length);
    EXPECT_EQ(ctx.count[0], 56u);
    EXPECT_EQ(ctx.count[1], 1u);
    unsigned char digest[16];
    MD5Final(digest, &ctx);
    EXPECT_EQ(Hex(digest), "0883218B2EA48B881A1A63C066E62269");
}

// With one byte buffered, a call of 2^32 - 1 bytes ends at the last byte that
// may be read: the block loop must not step past it. Unreadable memory follows.
TEST(MD5ContextHuge, LongestCallStopsAtItsEnd) {
    // Huge pages where the kernel offers them: reading 4 GiB of fresh pages
    // then takes a few thousand faults instead of a million.
    const std::size_t huge = std::size_t{2} << 20;
    const std::size_t span = std::size_t{1} << 32;
    const std::size_t reserved = span + 2 * huge;
    void* map =
        mmap(nullptr, reserved, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(map, MAP_FAILED);
    auto* base = static_cast<unsigned char*>(map);
    base += (huge - reinterpret_cast<std::uintptr_t>(base) % huge) % huge;
    madvise(base, span, MADV_HUGEPAGE);
    ASSERT_EQ(mprotect(base + span, huge, PROT_NONE), 0);

    const unsigned char first = 'a';
    MD5_CTX ctx;
    MD5Init(&ctx);
    MD5Update(&ctx, &first, 1);
    MD5Update(&ctx, base + 1, 0xFFFFFFFFu);  // zero bytes up to the guard page
    EXPECT_EQ(ctx.count[0], 0u);
    EXPECT_EQ(ctx.count[1], 8u);
    unsigned char digest[16];
    MD5Final(digest, &ctx);
    EXPECT_EQ(Hex(digest), "64F067DC5E2035021F5F11E459F7E521");
    munmap(map, reserved);
}

}  // namespace

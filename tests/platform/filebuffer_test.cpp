#include "platform/filebuffer.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

// Fills a buffer with a pattern that differs per buffer; checks it back.
void Fill(BYTE* p, std::size_t n, BYTE seed) {
    for (std::size_t i = 0; i < n; ++i) p[i] = static_cast<BYTE>(seed + i * 31);
}
bool Holds(const BYTE* p, std::size_t n, BYTE seed) {
    for (std::size_t i = 0; i < n; ++i)
        if (p[i] != static_cast<BYTE>(seed + i * 31)) return false;
    return true;
}

// Small and large buffers, around the page and the huge-page sizes, alive
// at the same time: each must be usable to its last byte and stay its own.
TEST(FileBuffer, BuffersOfEverySizeAreWhollyUsableAndDistinct) {
    const std::size_t sizes[] = {0,       1,           4095,    4096,    4097,        2 * kMiB - 1,
                                 2 * kMiB, 4 * kMiB - 1, 4 * kMiB, 4 * kMiB + 1, 9 * kMiB + 3};
    for (const std::size_t first : sizes) {
        for (const std::size_t second : sizes) {
            SCOPED_TRACE(testing::Message() << first << " then " << second);
            platform::FileBuffer a(first);
            Fill(a.Data(), first, 1);
            platform::FileBuffer b(second);
            Fill(b.Data(), second, 2);
            EXPECT_TRUE(Holds(a.Data(), first, 1));
            EXPECT_TRUE(Holds(b.Data(), second, 2));
        }
    }
}

TEST(FileBuffer, FreeIsFinalAndASmallBufferIsReusedAfterIt) {
    platform::FileBuffer a(100);
    BYTE* first = a.Data();
    a.Free();
    EXPECT_EQ(a.Data(), nullptr);
    a.Free();  // and again, as the destructor will
    platform::FileBuffer b(200);
    Fill(b.Data(), 200, 3);
    EXPECT_TRUE(Holds(b.Data(), 200, 3));
    EXPECT_EQ(b.Data(), first);
}

}  // namespace

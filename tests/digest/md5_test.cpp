#include "digest/md5.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <vector>

#include "tests/digest/md5_test_util.h"

namespace {

// Digest of data fed in pieces of the given sizes; the last piece takes the rest.
std::string DigestInPieces(const std::vector<unsigned char>& data,
                           const std::vector<unsigned>& pieces) {
    MD5_CTX ctx;
    MD5Init(&ctx);
    unsigned done = 0;
    for (unsigned n : pieces) {
        MD5Update(&ctx, data.data() + done, n);
        done += n;
    }
    MD5Update(&ctx, data.data() + done, static_cast<unsigned>(data.size()) - done);
    unsigned char digest[16];
    MD5Final(digest, &ctx);
    return Hex(digest);
}

// Lengths around the padding's branches: the fill runs 1 to 64 bytes, the
// final block count is one or two.
TEST(MD5Context, BlockBoundaryLengths) {
    const struct {
        unsigned length;
        const char* digest;
    } cases[] = {
        {0, "D41D8CD98F00B204E9800998ECF8427E"},   {1, "8666683506AACD900BBD5A74AC4EDF68"},
        {55, "52C0E574E1198DE5FE3F8F11440DCB1B"},  {56, "46C9907FC908EE68B1E7B8E71286A518"},
        {57, "1C805DD236C35CAB25FCB1BC73802C51"},  {63, "A62F6D59E837867693F042F5B8F5A236"},
        {64, "7160B8FB5E9E4023D549C3971FBAEEAD"},  {65, "70BD662E7AEFBDA85A0F7244167B7897"},
        {119, "E84905D4214F4D1CA56C2CDCC152B143"}, {120, "E3EB5A6C8669EA01A8C185B8ABC8A5DC"},
        {121, "82F02AFF7C685D5EF5F6ABDFC38FD04F"}, {127, "ACCE2474D6CC8302120D09C818D17EF7"},
        {128, "10B2DA1A82F16D99A81A7203FE9F02CB"}, {129, "03FEFBBCEBE2959CF2270241AAFE0250"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DigestInPieces(Pattern(c.length), {}), c.digest) << "length " << c.length;
    }
}

// However the input is divided into calls, the digest is the same.
TEST(MD5Context, AnyDivisionGivesTheSameDigest) {
    const std::vector<unsigned char> data = Pattern(300);
    const std::string whole = DigestInPieces(data, {});
    ASSERT_EQ(whole, DigestInPieces(Pattern(300), {300}));

    const std::vector<std::vector<unsigned>> divisions = {
        std::vector<unsigned>(300, 1),  // byte by byte
        {63, 1, 64},                    // fill the buffer exactly, then a block in place
        {0, 63, 0, 1, 0, 64, 0},        // with empty calls between
        {1, 200},                       // in-place blocks at an odd address
        {5, 59, 128, 3},                // a buffered fill followed by two blocks in place
    };
    for (const auto& pieces : divisions) {
        EXPECT_EQ(DigestInPieces(data, pieces), whole)
            << "pieces starting " << pieces.front() << ", count " << pieces.size();
    }
}

// The bit count is a 64-bit number kept in two words: the carry and the wrap.
TEST(MD5Context, BitCountCarriesAndWraps) {
    const struct {
        std::uint32_t low, high;
        unsigned bytes;
        std::uint32_t wantLow, wantHigh;
    } cases[] = {
        {0xFFFFFFF8u, 5, 1, 0, 6},            // carry into the high word
        {0xFFFFFFF0u, 0xFFFFFFFFu, 3, 8, 0},  // 2^64 - 16 bits + 24 bits wraps to 8
        {0, 0, 0, 0, 0},                      // an empty call changes nothing
    };
    const std::vector<unsigned char> data = Pattern(3);
    for (const auto& c : cases) {
        MD5_CTX ctx;
        MD5Init(&ctx);
        ctx.count[0] = c.low;
        ctx.count[1] = c.high;
        MD5Update(&ctx, data.data(), c.bytes);
        EXPECT_EQ(ctx.count[0], c.wantLow) << "from " << c.low << ", " << c.high;
        EXPECT_EQ(ctx.count[1], c.wantHigh) << "from " << c.low << ", " << c.high;
    }
}

TEST(MD5Context, FinalWipesTheWholeContext) {
    MD5_CTX ctx;
    std::memset(&ctx, 0xA5, sizeof ctx);
    MD5Init(&ctx);
    const std::vector<unsigned char> data = Pattern(100);  // leaves 36 bytes buffered
    MD5Update(&ctx, data.data(), 100);
    unsigned char digest[16];
    MD5Final(digest, &ctx);

    const MD5_CTX zero{};
    EXPECT_EQ(std::memcmp(&ctx, &zero, sizeof ctx), 0);
}

}  // namespace

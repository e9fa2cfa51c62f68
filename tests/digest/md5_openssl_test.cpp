// Compares the engine with an independent MD5 (OpenSSL's, through EVP) over
// random lengths and random divisions of the input into calls.
#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <random>
#include <vector>

#include "digest/md5.h"
#include "tests/digest/md5_test_util.h"

namespace {

std::string OpenSslDigest(const unsigned char* data, std::size_t length) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EXPECT_EQ(EVP_Digest(data, length, digest, &size, EVP_md5(), nullptr), 1);
    EXPECT_EQ(size, 16u);
    unsigned char md5[16];
    std::copy(digest, digest + 16, md5);
    return Hex(md5);
}

TEST(MD5AgainstOpenSsl, RandomLengthsAndDivisions) {
    std::mt19937 rng(20261211);
    std::vector<unsigned char> data(70000);
    for (auto& b : data) b = static_cast<unsigned char>(rng());

    for (int round = 0; round < 3000; round++) {
        // Mostly short inputs, where the block boundaries are; some long ones.
        const std::size_t length = round % 10 == 0 ? rng() % data.size() : rng() % 600;
        const std::size_t offset = rng() % 64;  // unaligned starts too
        const unsigned char* input = data.data() + offset;
        if (offset + length > data.size()) continue;

        MD5_CTX ctx;
        MD5Init(&ctx);
        std::size_t done = 0;
        while (done < length) {
            std::size_t piece =
                std::min<std::size_t>(length - done, rng() % (round % 2 ? 200 : 70));
            MD5Update(&ctx, input + done, static_cast<unsigned>(piece));  // includes empty calls
            done += piece;
        }
        unsigned char digest[16];
        MD5Final(digest, &ctx);
        ASSERT_EQ(Hex(digest), OpenSslDigest(input, length))
            << "round " << round << ", length " << length;
    }
}

}  // namespace

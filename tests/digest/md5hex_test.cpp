#include "digest/md5hex.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

void HexOf(const char* message, char* text) {
    MD5HexDigest(reinterpret_cast<const unsigned char*>(message),
                 static_cast<unsigned>(std::strlen(message)), text);
}

// RFC 1321, appendix A.5, in capital letters.
TEST(MD5HexDigest, RfcTestSuite) {
    const struct {
        const char* message;
        const char* text;
    } cases[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {"a", "0CC175B9C0F1B6A831C399E269772661"},
        {"abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "D174AB98D277D9F5A5611C2C9F419D9F"},
        {"1234567890123456789012345678901234567890123456789012345678901234567890123456789"
         "0",
         "57EDF4A22BE3C955AC49DA2E2107B67A"},
    };
    for (const auto& c : cases) {
        char text[33];
        HexOf(c.message, text);
        EXPECT_STREQ(text, c.text) << '"' << c.message << '"';
    }
}

// Exactly 33 characters are written: a heap buffer of that size (checked by
// the sanitizer build) is filled completely, and a larger one keeps the rest.
TEST(MD5HexDigest, WritesThirtyThreeCharactersOnly) {
    auto exact = std::make_unique<char[]>(33);
    std::memset(exact.get(), '#', 33);
    HexOf("abc", exact.get());
    EXPECT_EQ(std::string(exact.get(), 33), std::string("900150983CD24FB0D6963F7D28E17F72") + '\0');

    char wide[48];
    std::memset(wide, '#', sizeof wide);
    HexOf("abc", wide);
    EXPECT_STREQ(wide, "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_EQ(std::string(wide + 33, 15), std::string(15, '#'));
}

}  // namespace

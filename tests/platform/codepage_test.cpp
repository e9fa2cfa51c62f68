// Narrow (GB18030) bytes are written as escapes; this file is compiled without
// the narrow-text flag, so its plain literals are UTF-8.
#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct Case {
    const char* what;
    std::string narrow;
    std::string utf8;
};

// Texts that convert both ways unchanged.
const Case kBothWays[] = {
    {"ASCII path", "/tmp/a b?.txt", "/tmp/a b?.txt"},
    {"GBK text", "\xCE\xC4\xBC\xFE\xBC\xD0", "文件夹"},
    {"rule character", "\xA9\xA4", "─"},
    {"outside GBK: Korean and emoji", "\x83\x36\x84\x33\x82\x37\xF4\x30\x83\x32\xEB\x35\x94\x39\xFC\x36", "한국어😀"},
    {"outside the BMP: CJK extension B", "\x95\x32\x82\x36", "𠀀"},
};

TEST(CodePage, ConvertsBothWaysUnchanged) {
    for (const Case& c : kBothWays) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(platform::NarrowToUtf8(c.narrow), c.utf8);
        EXPECT_EQ(platform::Utf8ToNarrow(c.utf8), c.narrow);
        EXPECT_EQ(platform::NarrowToFileName(c.narrow), c.utf8);
    }
}

TEST(CodePage, BytesThatAreNotGb18030ShowAsReplacementAndNameNoFile) {
    const Case cases[] = {
        {"lone 0x80", "a\x80" "b", "a\uFFFD" "b"},
        {"0xFF (an invalid UTF-8 byte after conversion)", "a\xFF" "b", "a\uFFFD" "b"},
        {"lead byte at the end", "ab\x81", "ab\uFFFD"},
        {"cut four-byte sequence", "\x81\x30", "\uFFFD" "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(platform::NarrowToUtf8(c.narrow), c.utf8);
        EXPECT_EQ(platform::NarrowToFileName(c.narrow), std::nullopt);
    }
}

TEST(CodePage, InvalidUtf8BytesBecome0xFFNeverAQuestionMark) {
    const Case cases[] = {
        {"stray continuation byte", "a\xFF" "b", "a\x80" "b"},
        {"cut sequence at the end", "a\xFF", "a\xC3"},
        {"overlong slash", "\xFF\xFF", "\xC0\xAF"},
        {"encoded surrogate", "\xFF\xFF\xFF", "\xED\xA0\x80"},
        {"bad byte beside good text", "\xCE\xC4\xFF", "文\xFE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(platform::Utf8ToNarrow(c.utf8), c.narrow);
    }
}

std::string Utf8Of(char32_t c) {
    std::string utf8;
    if (c < 0x80) {
        utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (c >> 18));
        utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
    return utf8;
}

// Every character a Linux file name can hold must reach the program and get
// back to the file system unchanged. The exception is glibc's: 24 private-use
// characters (those GB18030-2022 remapped) have no GB18030 form in its table;
// they must become 0xFF bytes, which open no file at all.
TEST(CodePage, EveryUnicodeCharacterRoundTripsOrNamesNoFile) {
    constexpr char32_t kBlock = 0x1000;
    constexpr char32_t kEnd = 0x110000;
    int unmappable = 0;
    for (char32_t first = 1; first < kEnd; first += kBlock) {
        const char32_t last = std::min<char32_t>(first + kBlock, kEnd);
        std::string block;
        for (char32_t c = first; c < last; ++c)
            if (c < 0xD800 || c > 0xDFFF) block += Utf8Of(c);
        if (platform::NarrowToFileName(platform::Utf8ToNarrow(block)) == block) continue;
        for (char32_t c = first; c < last; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF) continue;
            const std::string utf8 = Utf8Of(c);
            const std::string narrow = platform::Utf8ToNarrow(utf8);
            if (platform::NarrowToFileName(narrow) == utf8) continue;
            ++unmappable;
            EXPECT_EQ(narrow, std::string(utf8.size(), '\xFF')) << "U+" << std::hex << static_cast<unsigned>(c);
        }
    }
    EXPECT_LE(unmappable, 24);
}

}  // namespace

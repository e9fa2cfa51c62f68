// Shared by the digest tests: a deterministic input and the digest as text.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Byte i of a test input; its period of 4099 bytes is no multiple of the block
// size, so every block differs and a misplaced block changes the digest.
inline unsigned char PatternByte(std::size_t i) {
    std::size_t j = i % 4099;
    return static_cast<unsigned char>((j * 7 + 3) ^ (j >> 8));
}

inline std::vector<unsigned char> Pattern(std::size_t n) {
    std::vector<unsigned char> v(n);
    for (std::size_t i = 0; i < n; i++) v[i] = PatternByte(i);
    return v;
}

inline std::string Hex(const unsigned char (&digest)[16]) {
    std::string s;
    char two[3];
    for (unsigned char b : digest) {
        std::snprintf(two, sizeof two, "%02X", b);
        s += two;
    }
    return s;
}

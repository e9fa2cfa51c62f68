// MD5 message digest (RFC 1321) in streaming form: MD5Init once, MD5Update any
// number of times, then MD5Final, which writes the digest and wipes the context.
#pragma once

#include <cstdint>

typedef struct {
    std::uint32_t state[4];    // chaining values A, B, C, D
    std::uint32_t count[2];    // number of bits absorbed, modulo 2^64, low word first
    unsigned char buffer[64];  // bytes since the last complete block
} MD5_CTX;

void MD5Init(MD5_CTX* context);
void MD5Update(MD5_CTX* context, const unsigned char* input, unsigned int inputLen);
void MD5Final(unsigned char digest[16], MD5_CTX* context);

#include "digest/md5hex.h"

#include <cstdio>

#include "digest/md5.h"

void MD5HexDigest(const unsigned char* data, unsigned int length, char* text) {
    MD5_CTX context;
    unsigned char digest[16];

    MD5Init(&context);
    MD5Update(&context, data, length);
    MD5Final(digest, &context);

    // Each call writes two digits and a NUL that the next call overwrites; the
    // last NUL lands at text[32], and nothing beyond it is touched.
    for (int i = 0; i < 16; i++) std::sprintf(&text[2 * i], "%02X", (unsigned int)digest[i]);
}

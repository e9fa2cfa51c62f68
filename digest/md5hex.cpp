#include "digest/md5hex.h"

void MD5HexDigest(const unsigned char*, unsigned int, char* text) { text[0] = '\0'; }

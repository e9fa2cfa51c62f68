// The text form of a buffer's MD5 digest.
#pragma once

// Writes the 32 uppercase hexadecimal digits of the MD5 digest of data[0..length)
// and a terminating NUL into text[0..32]; text must hold at least 33 characters.
// Nothing after text[32] is written.
void MD5HexDigest(const unsigned char* data, unsigned int length, char* text);

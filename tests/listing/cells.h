// The fixed cells and an independent MD5 (OpenSSL) for the listing tests.
// Narrow bytes are written as escapes: these tests are compiled without the
// narrow-text flag.
#pragma once

#include <openssl/evp.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace test {

inline const std::string kFolderCell = "\xCE\xC4\xBC\xFE\xBC\xD0\t\t\t\t";                           // 文件夹
inline const std::string kUnreadableCell = "\xB6\xC1\xC8\xA1\xCE\xC4\xBC\xFE\xB4\xED\xCE\xF3\t\t\t";  // 读取文件错误

// Feeds `read(buffer)` (bytes delivered, 0 at the end) to OpenSSL's MD5.
template <typename ReadFn>
std::string ReferenceMd5OfStream(ReadFn read) {
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    EVP_DigestInit_ex(ctx, EVP_md5(), nullptr);
    std::vector<char> buffer(1 << 20);
    while (const std::size_t n = read(buffer)) EVP_DigestUpdate(ctx, buffer.data(), n);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(ctx, digest, &length);
    EVP_MD_CTX_free(ctx);
    std::string hex;
    char byte[3];
    for (unsigned int i = 0; i < length; ++i) {
        std::snprintf(byte, sizeof byte, "%02X", digest[i]);
        hex += byte;
    }
    return hex;
}

inline std::string ReferenceMd5(std::string_view bytes) {
    bool done = false;
    return ReferenceMd5OfStream([&](std::vector<char>& buffer) -> std::size_t {
        if (done) return 0;
        done = true;
        buffer.assign(bytes.begin(), bytes.end());
        return bytes.size();
    });
}

inline std::string ReferenceMd5OfFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return ReferenceMd5OfStream([&](std::vector<char>& buffer) -> std::size_t {
        buffer.resize(1 << 20);
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        return static_cast<std::size_t>(in.gcount());
    });
}

}  // namespace test

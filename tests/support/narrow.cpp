#include "tests/support/narrow.h"

#include <iconv.h>

#include <stdexcept>

namespace testsupport {
namespace {

std::string Convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open");
    std::string out(in.size() * 4 + 16, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    const std::size_t r = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    ::iconv_close(cd);
    if (r == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible");
    out.resize(out.size() - dstLeft);
    return out;
}

}  // namespace

std::string Utf8FromNarrow(std::string_view narrow) { return Convert("UTF-8", "GB18030", narrow); }
std::string NarrowFromUtf8(std::string_view utf8) { return Convert("GB18030", "UTF-8", utf8); }

std::string ShownText(std::string_view narrow) {
    std::string text = Utf8FromNarrow(narrow);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

}  // namespace testsupport

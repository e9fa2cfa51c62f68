// The back end's one place for code-page conversions.
// TODO(merge): switch to platform::NarrowToUtf8 / Utf8ToNarrow.
#include <iconv.h>

#include <cerrno>

#include "platform/qt/backend.h"

namespace platform::qt {
namespace {

// from → to; a byte that does not convert becomes `bad` and is skipped.
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view bad) {
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    std::string out;
    out.reserve(in.size() * 2);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buf[4096];
    while (srcLeft > 0) {
        char* dst = buf;
        std::size_t dstLeft = sizeof buf;
        const std::size_t r = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf, static_cast<std::size_t>(dst - buf));
        if (r == static_cast<std::size_t>(-1) && (errno == EILSEQ || errno == EINVAL)) {
            out.append(bad);
            ++src;
            --srcLeft;
        }
    }
    ::iconv_close(cd);
    return out;
}

}  // namespace

QString FromNarrow(std::string_view narrow) {
    const std::string utf8 = Convert("UTF-8", "GB18030", narrow, "\xEF\xBF\xBD");
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToNarrowFromUtf8(std::string_view utf8) { return Convert("GB18030", "UTF-8", utf8, "\xFF"); }

}  // namespace platform::qt

#include "platform/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace platform {
namespace {

constexpr const char* kNarrow = "GB18030";
constexpr const char* kUtf8 = "UTF-8";

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `in`. A byte the decoder rejects (a bad or truncated
    // sequence) is replaced by `replacement` and skipped, or, with no
    // replacement, ends the conversion with nothing.
    std::optional<std::string> Convert(std::string_view in, std::optional<std::string_view> replacement) {
        std::string out;
        out.reserve(in.size() + in.size() / 2);
        char* inPtr = const_cast<char*>(in.data());  // iconv's signature; it does not write
        std::size_t inLeft = in.size();
        char chunk[4096];
        while (inLeft > 0) {
            char* outPtr = chunk;
            std::size_t outLeft = sizeof chunk;
            const std::size_t result = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(chunk, static_cast<std::size_t>(outPtr - chunk));
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            if (!replacement) return std::nullopt;  // EILSEQ or EINVAL
            out += *replacement;
            ++inPtr;
            --inLeft;
        }
        return out;
    }

private:
    iconv_t m_cd;
};

}  // namespace

std::string NarrowToUtf8(std::string_view narrow) {
    return *Converter(kUtf8, kNarrow).Convert(narrow, "\xEF\xBF\xBD");
}

std::string Utf8ToNarrow(std::string_view utf8) { return *Converter(kNarrow, kUtf8).Convert(utf8, "\xFF"); }

std::optional<std::string> NarrowToFileName(std::string_view narrow) {
    return Converter(kUtf8, kNarrow).Convert(narrow, std::nullopt);
}

}  // namespace platform

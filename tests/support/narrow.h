// Narrow (GB18030) bytes and UTF-8 for tests, through iconv directly: the test
// sources are UTF-8 (not compiled with the narrow-text flag).
#pragma once

#include <string>
#include <string_view>

namespace testsupport {
std::string Utf8FromNarrow(std::string_view narrow);
std::string NarrowFromUtf8(std::string_view utf8);
// As an edit control shows a narrow text: UTF-8, CR LF turned into LF.
std::string ShownText(std::string_view narrow);
}  // namespace testsupport

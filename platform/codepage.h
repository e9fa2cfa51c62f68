// The narrow code page (GB18030) and its conversions at the layer's boundary:
// to UTF-8 for display and for the file system, from UTF-8 for paths that come
// from a drop or the Open dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Narrow text as UTF-8 for display; a byte that is not GB18030 shows as U+FFFD.
std::string NarrowToUtf8(std::string_view narrow);

// UTF-8 text (a path from the desktop) as narrow text. Every character
// converts; a byte that is not valid UTF-8 becomes 0xFF, which is not valid
// GB18030, so such a path can never name another file.
std::string Utf8ToNarrow(std::string_view utf8);

// The file system's name (UTF-8) for a narrow path, or nothing when the path
// holds bytes that are not GB18030.
std::optional<std::string> NarrowToFileName(std::string_view narrow);

}  // namespace platform

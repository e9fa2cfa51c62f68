// The back end's one place for code-page conversions.
#include "platform/codepage.h"
#include "platform/qt/backend.h"

namespace platform::qt {

QString FromNarrow(std::string_view narrow) { return QString::fromStdString(NarrowToUtf8(narrow)); }

std::string ToNarrowFromUtf8(std::string_view utf8) { return Utf8ToNarrow(utf8); }

}  // namespace platform::qt

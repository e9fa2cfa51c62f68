// Narrow text as Qt shows it (conversions back go straight to the code page).
#include "platform/codepage.h"
#include "platform/qt/backend.h"

namespace platform::qt {

QString FromNarrow(std::string_view narrow) { return QString::fromStdString(NarrowToUtf8(narrow)); }

}  // namespace platform::qt

#include "platform/cstring.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

#include "platform/resources.h"

std::uint64_t CString::NewLineage() {
    static std::atomic<std::uint64_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

void CString::Format(const char* pszFormat, ...) {
    Renew();
    va_list args;
    va_start(args, pszFormat);
    va_list measure;
    va_copy(measure, args);
    const int n = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (n < 0) {
        va_end(args);
        m_data.clear();
        return;
    }
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), pszFormat, args);
    va_end(args);
    out.resize(static_cast<std::size_t>(n));
    m_data = std::move(out);
}

BOOL CString::LoadString(UINT nID) {
    const char* text = platform::FindString(nID);
    m_data = text ? text : "";
    Renew();
    return text ? TRUE : FALSE;
}

int CString::Replace(const char* pszOld, const char* pszNew) {
    const std::string_view from = pszOld ? pszOld : "";
    const std::string_view to = pszNew ? pszNew : "";
    if (from.empty()) return 0;
    Renew();
    int count = 0;
    for (std::size_t pos = m_data.find(from); pos != std::string::npos;
         pos = m_data.find(from, pos + to.size())) {
        m_data.replace(pos, from.size(), to);
        ++count;
    }
    return count;
}

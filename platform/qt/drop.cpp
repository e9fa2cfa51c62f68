// Dropped files: the paths of a drop, and the drop handle the program queries.
#include <QMimeData>
#include <QSysInfo>
#include <QUrl>
#include <cstring>

#include "platform/drop.h"
#include "platform/codepage.h"
#include "platform/qt/backend.h"

struct HDROP__ {
    std::vector<std::string> paths;  // narrow
};

namespace {

int g_liveDrops = 0;

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecoded(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            const int hi = HexValue(s[i + 1]);
            const int lo = HexValue(s[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

// The path of a local file:// URI, as the file system's bytes; empty for
// anything else. The bytes are kept as they are (not decoded as UTF-8), so a
// name that is not valid UTF-8 reaches the narrow conversion unchanged.
std::string LocalPathBytes(std::string_view uri) {
    constexpr std::string_view scheme = "file:";
    if (uri.size() < scheme.size() || qstrnicmp(uri.data(), scheme.data(), scheme.size()) != 0) return {};
    std::string_view rest = uri.substr(scheme.size());
    if (rest.substr(0, 2) == "//") {
        rest.remove_prefix(2);
        const std::size_t slash = rest.find('/');
        if (slash == std::string_view::npos) return {};
        const std::string_view host = rest.substr(0, slash);
        if (!host.empty() && host != "localhost" && QString::fromUtf8(host.data(), host.size()) != QSysInfo::machineHostName())
            return {};
        rest.remove_prefix(slash);
    }
    if (rest.empty() || rest.front() != '/') return {};
    rest = rest.substr(0, rest.find_first_of("?#"));
    return PercentDecoded(rest);
}

}  // namespace

namespace platform::qt {

std::vector<std::string> DroppedPaths(const QMimeData& mime) {
    std::vector<std::string> paths;
    const QByteArray list = mime.data(QStringLiteral("text/uri-list"));
    if (!list.isEmpty()) {
        for (const QByteArray& rawLine : list.split('\n')) {
            const QByteArray line = rawLine.trimmed();
            if (line.isEmpty() || line.startsWith('#')) continue;
            const std::string bytes = LocalPathBytes(std::string_view(line.constData(), line.size()));
            if (!bytes.empty()) paths.push_back(Utf8ToNarrow(bytes));
        }
        return paths;
    }
    for (const QUrl& url : mime.urls()) {
        if (!url.isLocalFile()) continue;
        const QByteArray utf8 = url.toLocalFile().toUtf8();
        paths.push_back(Utf8ToNarrow(std::string_view(utf8.constData(), utf8.size())));
    }
    return paths;
}

HDROP NewDrop(std::vector<std::string> narrowPaths) {
    ++g_liveDrops;
    return new HDROP__{std::move(narrowPaths)};
}

}  // namespace platform::qt

UINT DragQueryFileA(HDROP hDrop, UINT iFile, LPTSTR lpszFile, UINT cch) {
    if (hDrop == nullptr) return 0;
    if (iFile == 0xFFFFFFFF) return static_cast<UINT>(hDrop->paths.size());
    if (iFile >= hDrop->paths.size()) {
        if (lpszFile && cch > 0) lpszFile[0] = '\0';
        return 0;
    }
    const std::string& path = hDrop->paths[iFile];
    if (lpszFile == nullptr) return static_cast<UINT>(path.size());
    if (cch == 0) return 0;
    if (path.size() >= cch) {  // no room for it and its NUL: empty, never cut short
        lpszFile[0] = '\0';
        return 0;
    }
    std::memcpy(lpszFile, path.c_str(), path.size() + 1);
    return static_cast<UINT>(path.size());
}

void DragFinish(HDROP hDrop) {
    if (hDrop == nullptr) return;
    --g_liveDrops;
    delete hDrop;
}

namespace platform::testing {

HDROP MakeDrop(const std::vector<std::string>& utf8Paths) {
    std::vector<std::string> narrow;
    for (const std::string& path : utf8Paths) narrow.push_back(Utf8ToNarrow(path));
    return qt::NewDrop(std::move(narrow));
}

int LiveDrops() { return g_liveDrops; }

}  // namespace platform::testing

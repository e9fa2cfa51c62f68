// Device contexts, brushes, icons and metrics on Qt.
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <string>
#include <vector>

#include "platform/icon_handle.h"
#include "platform/qt/backend.h"
#include "platform/testing.h"

struct HBRUSH__ {
    QRgb colour;
};

namespace platform::qt {
namespace {

// An icon image is XPM text. Qt's own XPM reader takes the quoted lines
// directly; going through QImageReader instead would load every image-format
// plugin (and their libraries) at start-up just to pick the built-in one.
QImage DecodeXpm(std::span<const unsigned char> text) {
    std::vector<std::string> lines;
    std::string line;
    bool quoted = false;
    for (const unsigned char ch : text) {
        if (ch == '"') {
            if (quoted) lines.push_back(std::move(line));
            line.clear();
            quoted = !quoted;
        } else if (quoted) {
            line += static_cast<char>(ch);
        }
    }
    std::vector<const char*> xpm;
    for (const std::string& l : lines) xpm.push_back(l.c_str());
    return xpm.empty() ? QImage() : QImage(xpm.data());
}

}  // namespace

const QPixmap& IconPixmap(HICON icon) {
    static QHash<HICON, QPixmap> decoded;
    auto it = decoded.find(icon);
    if (it == decoded.end()) {
        it = decoded.insert(icon, QPixmap::fromImage(DecodeXpm(icon->resource.image)));
    }
    return *it;
}

QColor BrushColour(HBRUSH brush) { return QColor::fromRgb(brush->colour); }

}  // namespace platform::qt

HGDIOBJ GetStockObject(int nObject) {
    static HBRUSH__ white{qRgb(255, 255, 255)};
    return nObject == WHITE_BRUSH ? &white : nullptr;
}

// Large icons are 32 x 32 pixels, as the program's icon is drawn.
int GetSystemMetrics(int nIndex) { return nIndex == SM_CXICON || nIndex == SM_CYICON ? 32 : 0; }

CDC::CDC() : m_hDC(new HDC__) {}

CDC::~CDC() { delete m_hDC; }

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    platform::qt::RecordDrawIcon({x, y, hIcon});
    if (hIcon == nullptr) return FALSE;
    if (m_hDC->painter) m_hDC->painter->drawPixmap(x, y, platform::qt::IconPixmap(hIcon));
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd) {
    HWND hWnd = pWnd ? pWnd->m_hWnd : nullptr;
    platform::qt::DialogWindow* dialog = platform::qt::DialogOf(hWnd);
    // Qt lets a widget be painted only inside its paint event.
    if (dialog && dialog->Handle() == hWnd && dialog->Painting()) {
        m_hDC->widget = dialog;
        m_hDC->painter = new QPainter(dialog);
    }
}

CPaintDC::~CPaintDC() { delete m_hDC->painter; }

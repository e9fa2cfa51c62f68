// Device contexts, brushes, icons and metrics on Qt.
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "platform/icon_handle.h"
#include "platform/qt/backend.h"
#include "platform/testing.h"

struct HBRUSH__ {
    QRgb colour;
};

namespace platform::qt {

const QPixmap& IconPixmap(HICON icon) {
    static QHash<HICON, QPixmap> decoded;
    auto it = decoded.find(icon);
    if (it == decoded.end()) {
        QImage image;
        const auto bytes = icon->resource.image;
        image.loadFromData(bytes.data(), static_cast<int>(bytes.size()));
        it = decoded.insert(icon, QPixmap::fromImage(image));
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

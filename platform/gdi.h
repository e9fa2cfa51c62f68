// Drawing: rectangles, device contexts, stock brushes, icons and system metrics.
#pragma once

#include <cstddef>
#include <memory>
#include <span>

#include "platform/types.h"

class CWnd;

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    operator LPRECT() { return this; }  // NOLINT: as the framework's
};

// A device context: where a handler draws. Outside a real paint (a message sent
// by the program itself) it draws nothing, but still reports to the test seam.
class CDC {
public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON hIcon);

    HDC m_hDC;
};

// Begins painting a window for the length of a WM_PAINT handler.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

private:
    CWnd* m_pWnd;
};

HGDIOBJ GetStockObject(int nObject);
int GetSystemMetrics(int nIndex);

// ---- Icons -----------------------------------------------------------------
namespace platform {

// An icon of the program's resources: an image file (XPM) embedded as bytes.
struct IconResource {
    UINT id;
    std::span<const unsigned char> image;
};

// Replaces the program's icon table (res/ registers it before main; tests may
// register their own).
void RegisterProgramIcons(std::span<const IconResource> table);

}  // namespace platform

// The module whose resources LoadIcon reads: the program's.
HINSTANCE AfxGetResourceHandle();
// A shared icon of the program's resources, never destroyed. Qt-free: the image
// is decoded when the icon is first shown. nullptr if there is no such icon.
HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName);

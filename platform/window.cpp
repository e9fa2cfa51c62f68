// The Qt-free part of the window classes: message maps and their dispatch,
// default handlers and data exchange. The Qt back end gives them their windows.
#include "platform/window.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, WPARAM wParam) {
    for (; map != nullptr; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn != nullptr; ++e) {
            if (e->nMessage != message) continue;
            if (message == WM_COMMAND && (e->nCode != HIWORD(wParam) || e->nID != LOWORD(wParam))) continue;
            return e;
        }
    }
    return nullptr;
}

CWnd::~CWnd() = default;

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return AfxCallWndProc(this, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Handlers may send messages of their own: keep the outer one for Default().
    const CurrentMessage outer = m_current;
    m_current = {message, wParam, lParam};
    struct Restore {
        CWnd* wnd;
        CurrentMessage saved;
        ~Restore() { wnd->m_current = saved; }
    } restore{this, outer};

    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), message, wParam);
    if (entry == nullptr) return FALSE;
    *pResult = entry->pfn(this, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnPaint() { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    if (m_hWnd == nullptr) return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (control == nullptr) return;
    if (pDX->m_bSaveAndValidate)
        control->GetWindowText(value);
    else
        control->SetWindowText(value);
}

// ---- Dialogs -------------------------------------------------------------
BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

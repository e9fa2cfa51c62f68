// Qt-free part of the window classes. The Qt back end gives them their windows.
#include "platform/window.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

CWnd::~CWnd() = default;

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void DDX_Text(CDataExchange*, int, CString&) {}

int CDialog::DoModal() { return -1; }
BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}
void CDialog::OnOK() {}
void CDialog::OnCancel() {}

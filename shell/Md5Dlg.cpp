#include "shell/Md5Dlg.h"

#include "res/resource.h"

CMd5Dlg::CMd5Dlg(CWnd* pParent) : CDialog(IDD_MAIN, pParent), m_hAppIcon(nullptr), m_nRowCount(0) {
    ResetListing();
}

BEGIN_MESSAGE_MAP(CMd5Dlg, CDialog)
END_MESSAGE_MAP()

void CMd5Dlg::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_LISTING, m_strListing); }

BOOL CMd5Dlg::OnInitDialog() {
    CDialog::OnInitDialog();
    return TRUE;
}

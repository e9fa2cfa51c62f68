#include "shell/Md5Dlg.h"

#include "platform/drop.h"
#include "platform/filedialog.h"
#include "res/resource.h"
#include "shell/AboutDlg.h"

CMd5Dlg::CMd5Dlg(CWnd* pParent) : CDialog(IDD_MAIN, pParent) {
    ResetListing();
    m_hAppIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDI_APP));
    m_nRowCount = 0;
}

BEGIN_MESSAGE_MAP(CMd5Dlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_CLEAR, OnClear)
    ON_WM_CTLCOLOR()
    ON_WM_DROPFILES()
END_MESSAGE_MAP()

void CMd5Dlg::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_LISTING, m_strListing); }

BOOL CMd5Dlg::OnInitDialog() {
    CDialog::OnInitDialog();

    // The About item at the end of the window menu, after a separator.
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != NULL) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUT_MENU);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUT, strAboutMenu);
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hAppIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hAppIcon);

    SetWindowText("KestovaMD5生成器");
    return TRUE;
}

void CMd5Dlg::OnSysCommand(UINT nID, LPARAM lParam) {
    // The low four bits of a window-menu command are the system's own.
    if ((nID & 0xFFF0) == IDM_ABOUT) {
        CMd5AboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CMd5Dlg::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);

        // The icon centred in the client area.
        int cxIcon = GetSystemMetrics(SM_CXICON);
        int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        int x = (rect.Width() - cxIcon + 1) / 2;
        int y = (rect.Height() - cyIcon + 1) / 2;

        dc.DrawIcon(x, y, m_hAppIcon);
    } else {
        CDialog::OnPaint();
    }
}

HCURSOR CMd5Dlg::OnQueryDragIcon() { return (HCURSOR)m_hAppIcon; }

void CMd5Dlg::OnBrowse() {
    CFileDialog dlg(TRUE, NULL, NULL, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, NULL, NULL);
    if (dlg.DoModal() != IDOK) return;

    CString strPath = dlg.GetPathName();
    CString strCell = GetFileMd5(strPath);
    AppendRow(strCell, strPath);
    UpdateData(FALSE);
}

void CMd5Dlg::OnClear() {
    ResetListing();
    UpdateData(FALSE);
}

HBRUSH CMd5Dlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    // A read-only edit is painted like a static control; white makes the
    // listing look like an ordinary text field.
    if (pWnd->GetDlgCtrlID() == IDC_LISTING) return (HBRUSH)GetStockObject(WHITE_BRUSH);
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

namespace {

// Releases a drop on every way out of the handler, an exception included.
class CDropRelease {
public:
    explicit CDropRelease(HDROP hDrop) : m_hDrop(hDrop) {}
    ~CDropRelease() { DragFinish(m_hDrop); }
    CDropRelease(const CDropRelease&) = delete;
    CDropRelease& operator=(const CDropRelease&) = delete;

private:
    HDROP m_hDrop;
};

}  // namespace

void CMd5Dlg::OnDropFiles(HDROP hDropInfo) {
    CDropRelease release(hDropInfo);
    if (hDropInfo == NULL) return;

    const int nCount = (int)DragQueryFileA(hDropInfo, 0xFFFFFFFF, NULL, 0);
    if (nCount <= 0) return;

    // The system's path limit: a longer path arrives empty, never cut short.
    char szPath[MAX_PATH];
    for (int i = 0; i < nCount; i++) {
        DragQueryFileA(hDropInfo, (UINT)i, szPath, MAX_PATH);
        CString strPath(szPath);
        CString strCell = GetFileMd5(strPath);
        AppendRow(strCell, strPath);
        UpdateData(FALSE);
    }
}

// The main window: the listing of digests, Browse, Clear and Exit, and file drops.
#pragma once

#include "platform/cstring.h"
#include "platform/gdi.h"
#include "platform/types.h"
#include "platform/window.h"

class CMd5Dlg : public CDialog {
public:
    explicit CMd5Dlg(CWnd* pParent = nullptr);

    // The cell of a listing row for a path: its digest, or a fixed text when
    // the file cannot be opened. Failures after the open are thrown.
    CString GetFileMd5(CString& strPath);
    // The listing back to its header and rule; row count 0.
    void ResetListing();
    // One more numbered row: number, cell, path.
    void AppendRow(CString& strCell, CString& strPath);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBrowse();
    void OnClear();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDropFiles(HDROP hDropInfo);
    DECLARE_MESSAGE_MAP()

public:
    CString m_strListing;
    HICON m_hAppIcon;
    LONG m_nRowCount;
};

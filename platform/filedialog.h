// The Open (and Save) dialog.
#pragma once

#include "platform/cstring.h"
#include "platform/types.h"

class CWnd;

class CFileDialog {
public:
    // Qt-free; the dialog exists only during DoModal.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;
    virtual ~CFileDialog() = default;

    // Runs the dialog, owned (and its owner disabled) by the parent or else the
    // main window. IDOK once a file is chosen (or a name typed: it need not
    // exist), IDCANCEL otherwise.
    virtual int DoModal();
    // The chosen file's full path, narrow.
    CString GetPathName() const { return m_strPathName; }

    BOOL m_bOpenFileDialog;
    DWORD m_dwFlags;

private:
    CWnd* m_pParentWnd;
    CString m_strPathName;
};

#include "shell/Md5Dlg.h"

void CMd5Dlg::ResetListing() {
    m_strListing = "";
    m_nRowCount = 0;
}

void CMd5Dlg::AppendRow(CString&, CString&) {}

CString CMd5Dlg::GetFileMd5(CString&) { return CString(); }

// The listing text: a header line, a rule line and one numbered row per file.
#include "shell/Md5Dlg.h"

void CMd5Dlg::ResetListing() {
    m_strListing = "序号\tMD5\t\t\t\t\t文件\r\n";
    for (int i = 0; i < 45; ++i) m_strListing += "─";
    m_strListing += "\r\n";
    m_nRowCount = 0;
}

void CMd5Dlg::AppendRow(CString& strCell, CString& strPath) {
    ++m_nRowCount;
    CString strNumber;
    strNumber.Format("%d", m_nRowCount);

    m_strListing += strNumber;
    m_strListing += "\t";
    m_strListing += strCell;
    m_strListing += "\t";
    m_strListing += strPath;
    m_strListing += "\r\n";
}

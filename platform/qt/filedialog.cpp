// The Open (and Save) dialog: Qt's own, so that its words are the layer's Chinese.
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>

#include "platform/app.h"
#include "platform/filedialog.h"
#include "platform/codepage.h"
#include "platform/qt/backend.h"

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR, LPCTSTR lpszFileName, DWORD dwFlags, LPCTSTR, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_dwFlags(dwFlags), m_pParentWnd(pParentWnd),
      m_strPathName(lpszFileName) {}

int CFileDialog::DoModal() {
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND hOwner = owner ? owner->m_hWnd : nullptr;

    std::optional<std::string> chosen;  // UTF-8
    if (const auto& handler = platform::qt::FileDialogHandler()) {
        chosen = handler({m_bOpenFileDialog, m_dwFlags, hOwner});
    } else {
        QFileDialog dialog(hOwner ? hOwner->widget.data() : nullptr);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setWindowTitle(m_bOpenFileDialog ? QCoreApplication::translate("QFileDialog", "Open")
                                                : QCoreApplication::translate("QFileDialog", "Save As"));
        dialog.setAcceptMode(m_bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        // No must-exist flag: a typed name of a file that does not exist is taken too.
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setWindowModality(Qt::WindowModal);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = QFile::encodeName(dialog.selectedFiles().first()).toStdString();
    }
    if (!chosen) return IDCANCEL;
    m_strPathName = CString(platform::Utf8ToNarrow(*chosen));
    return IDOK;
}

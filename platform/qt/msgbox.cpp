// Message boxes.
#include <QMessageBox>
#include <QPushButton>

#include "platform/app.h"
#include "platform/qt/backend.h"

namespace {

QMessageBox::Icon BoxIcon(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}  // namespace

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
    if ((nType & MB_ICONMASK) == 0) nType |= MB_ICONEXCLAMATION;
    CWnd* owner = AfxGetMainWnd();
    HWND hOwner = owner ? owner->m_hWnd : nullptr;
    const QString text = platform::qt::FromNarrow(lpszText ? lpszText : "");
    const QString caption = platform::qt::FromNarrow(AfxGetAppName());

    if (const auto& handler = platform::qt::MessageBoxHandler())
        return handler({text.toStdString(), caption.toStdString(), nType, hOwner});

    const bool okCancel = (nType & MB_TYPEMASK) == MB_OKCANCEL;
    QMessageBox box(BoxIcon(nType), caption, text, okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    hOwner ? hOwner->widget.data() : nullptr);
    if (nType & MB_SYSTEMMODAL) {
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    return box.exec() == QMessageBox::Cancel ? IDCANCEL : IDOK;
}


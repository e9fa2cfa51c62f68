// CWnd's calls on its Qt widget, and default handling of messages.
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QWindow>

#include "platform/drop.h"
#include "platform/codepage.h"
#include "platform/qt/backend.h"

namespace {

// An edit control keeps no CR: its lines end in LF.
QString EditText(std::string_view narrow) {
    QString text = platform::qt::FromNarrow(narrow);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QPlainTextEdit* AsEdit(HWND hWnd) { return hWnd ? qobject_cast<QPlainTextEdit*>(hWnd->widget.data()) : nullptr; }

// Once back in the event loop: the scroll range and the view for what was appended.
void CatchUpLayoutLater(HWND__& handle, QPlainTextEdit& edit) {
    if (handle.layoutPending) return;
    handle.layoutPending = true;
    HWND__* h = &handle;
    QMetaObject::invokeMethod(
        &edit,
        [h, e = &edit] {
            h->layoutPending = false;
            QAbstractTextDocumentLayout* layout = e->document()->documentLayout();
            emit layout->documentSizeChanged(layout->documentSize());
            e->viewport()->update();
        },
        Qt::QueuedConnection);
}

// Replacing an edit's text puts the caret and the view on its first line.
// When the new text only extends the old one (same append lineage, and the old
// end is a line end, so no character straddles it), only the tail is added:
// a refresh per row then costs the row, not the whole listing.
void SetEditText(HWND__& handle, QPlainTextEdit& edit, const CString& text) {
    const std::string& bytes = text.Bytes();
    const std::size_t shown = handle.shownLength;
    const bool extends = handle.shownLineage == text.AppendLineage() && shown > 0 && bytes.size() >= shown &&
                         bytes[shown - 1] == '\n';
    if (extends) {
        if (bytes.size() > shown) {
            // The control would lay out each new line at once to size its
            // scroll bar; that can wait until the handler is done (nothing is
            // painted before), so that a refresh per row costs only the row.
            {
                const QSignalBlocker quiet(edit.document()->documentLayout());
                QTextCursor end(edit.document());
                end.movePosition(QTextCursor::End);
                end.insertText(EditText(std::string_view(bytes).substr(shown)));
            }
            CatchUpLayoutLater(handle, edit);
        }
        const QTextCursor caret = edit.textCursor();
        if (caret.position() != 0 || caret.hasSelection()) edit.moveCursor(QTextCursor::Start);
        edit.horizontalScrollBar()->setValue(0);
        edit.verticalScrollBar()->setValue(0);
    } else {
        edit.setPlainText(EditText(bytes));
    }
    handle.shownLineage = text.AppendLineage();
    handle.shownLength = bytes.size();
}

}  // namespace

CWnd* CWnd::GetDlgItem(int nID) const {
    platform::qt::DialogWindow* dialog = platform::qt::DialogOf(m_hWnd);
    return dialog && dialog->Handle() == m_hWnd ? dialog->FindControl(nID) : nullptr;
}

int CWnd::GetDlgCtrlID() const { return m_hWnd ? m_hWnd->id : 0; }

void CWnd::SetWindowText(LPCTSTR lpszString) {
    if (m_hWnd == nullptr || m_hWnd->widget == nullptr) return;
    const std::string_view narrow(lpszString ? lpszString : "");
    QWidget* widget = m_hWnd->widget;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        edit->setPlainText(EditText(narrow));
        m_hWnd->shownLineage = 0;
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(platform::qt::FromNarrow(narrow));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(platform::qt::FromNarrow(narrow));
    } else if (widget->isWindow()) {
        widget->setWindowTitle(platform::qt::FromNarrow(narrow));
    }
}

void CWnd::SetWindowText(const CString& rString) {
    if (QPlainTextEdit* edit = AsEdit(m_hWnd))
        SetEditText(*m_hWnd, *edit, rString);
    else
        SetWindowText(static_cast<LPCTSTR>(rString));
}

void CWnd::GetWindowText(CString& rString) const {
    if (m_hWnd == nullptr || m_hWnd->widget == nullptr) {
        rString.Empty();
        return;
    }
    QWidget* widget = m_hWnd->widget;
    QString text;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        text = edit->toPlainText();
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        text = button->text();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        text = label->text();
    } else {
        text = widget->windowTitle();
    }
    const QByteArray utf8 = text.toUtf8();
    rString = CString(platform::Utf8ToNarrow(std::string_view(utf8.constData(), utf8.size())));
}

BOOL CWnd::IsIconic() const { return m_hWnd && m_hWnd->widget && m_hWnd->widget->isMinimized() ? TRUE : FALSE; }

void CWnd::GetClientRect(LPRECT lpRect) const {
    *lpRect = RECT{0, 0, 0, 0};
    if (m_hWnd && m_hWnd->widget) *lpRect = RECT{0, 0, m_hWnd->widget->width(), m_hWnd->widget->height()};
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SYSCOMMAND:
        switch (static_cast<UINT>(wParam) & 0xFFF0) {
        case SC_CLOSE:
            return SendMessage(WM_CLOSE, 0, 0);
        case SC_MOVE:
            if (m_hWnd && m_hWnd->widget && m_hWnd->widget->windowHandle())
                m_hWnd->widget->windowHandle()->startSystemMove();
            return 0;
        default:
            return 0;
        }
    case WM_SETICON:
    case WM_GETICON: {
        if (m_hWnd == nullptr) return 0;
        HICON& slot = m_hWnd->icons[wParam == ICON_BIG ? 1 : 0];
        const HICON previous = slot;
        if (message == WM_SETICON) {
            slot = reinterpret_cast<HICON>(lParam);
            // One picture serves for both sizes; the system scales it.
            const HICON shown = m_hWnd->icons[1] ? m_hWnd->icons[1] : m_hWnd->icons[0];
            if (m_hWnd->widget) m_hWnd->widget->setWindowIcon(shown ? QIcon(platform::qt::IconPixmap(shown)) : QIcon());
        }
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_ICONERASEBKGND: {
        auto* dc = reinterpret_cast<HDC>(wParam);
        if (dc && dc->painter && dc->widget) dc->painter->fillRect(dc->widget->rect(), dc->widget->palette().window());
        return 1;
    }
    case WM_DROPFILES:
        DragFinish(reinterpret_cast<HDROP>(wParam));
        return 0;
    default:
        return 0;
    }
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_CLOSE: {
        // A dialog's Close is its Cancel.
        CWnd* cancel = GetDlgItem(IDCANCEL);
        return SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(cancel ? cancel->m_hWnd : nullptr));
    }
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

// Windows, dialogs and data exchange of the framework layer.
// Constructors never touch Qt: a window exists only from DoModal (or Create)
// on, so the program's classes can be built in tests that have no Qt application.
#pragma once

#include "platform/cstring.h"
#include "platform/gdi.h"
#include "platform/menu.h"
#include "platform/msgmap.h"
#include "platform/types.h"

// ---- Data exchange -------------------------------------------------------
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Control nIDC's text from value (or, saving, value from the control's text).
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// ---- Windows -------------------------------------------------------------
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    // Runs the message through the message maps (falling back to default
    // handling); an exception that leaves a handler goes to the application's
    // ProcessWndProcException and the window goes on.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    void SetWindowText(LPCTSTR lpszString);
    // As above; a multi-line edit whose text only grew at its end takes just the tail.
    void SetWindowText(const CString& rString);
    void GetWindowText(CString& rString) const;
    BOOL IsIconic() const;
    // The window's own window menu (see platform/menu.h); nullptr without a window.
    CMenu* GetSystemMenu(BOOL bRevert) const;
    void GetClientRect(LPRECT lpRect) const;

protected:
    friend LRESULT AfxCallWndProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The message map's dispatch; FALSE if no entry names the message.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default handling of the message being handled now.
    LRESULT Default();

    virtual void DoDataExchange(CDataExchange* pDX);

    // Default handlers, for handlers of derived classes to fall back on.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    CurrentMessage m_current{0, 0, 0};
};

// Hands a message to a window's WindowProc, catching what leaves a handler.
LRESULT AfxCallWndProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Dialogs -------------------------------------------------------------
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}
    ~CDialog() override;

    // Creates the window from the template, initialises it, shows it centred and
    // runs a modal loop until EndDialog; returns EndDialog's code, or -1 when
    // the window cannot be created.
    virtual int DoModal();
    // Modeless: creates, initialises and shows the window, and returns.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL DestroyWindow();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();

protected:
    virtual void OnOK();
    virtual void OnCancel();
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateAndInit();
    int m_nModalResult = -1;
};

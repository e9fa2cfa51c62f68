// Where messages enter the program's handlers, and where exceptions that
// leave a handler are caught and reported.
#include <new>

#include "platform/app.h"
#include "platform/exceptions.h"
#include "platform/window.h"

LRESULT AfxCallWndProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return pWnd->WindowProc(message, wParam, lParam);
    } catch (CException& e) {
        if (CWinApp* app = AfxGetApp()) return app->ProcessWndProcException(&e, message);
        return CWinApp::ReportException(&e);
    } catch (const std::bad_alloc&) {
        CMemoryException e;
        if (CWinApp* app = AfxGetApp()) return app->ProcessWndProcException(&e, message);
        return CWinApp::ReportException(&e);
    }
}

LRESULT CWinApp::ProcessWndProcException(CException* e, UINT) { return ReportException(e); }

LRESULT CWinApp::ReportException(CException* e) {
    const CString text = platform::ExceptionText(*e);
    if (dynamic_cast<CMemoryException*>(e) != nullptr)
        AfxMessageBox(text, MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
    else
        AfxMessageBox(text, MB_ICONSTOP);
    return 0;
}

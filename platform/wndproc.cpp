// Where messages enter the program's handlers, and where exceptions that
// leave a handler are caught and reported.
#include <new>

#include "platform/app.h"
#include "platform/window.h"

#if __has_include("platform/exceptions.h")
#include "platform/exceptions.h"
#define ZEMBRIK_HAVE_EXCEPTIONS 1
#endif

LRESULT AfxCallWndProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam) {
#ifdef ZEMBRIK_HAVE_EXCEPTIONS
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
#else
    return pWnd->WindowProc(message, wParam, lParam);
#endif
}

LRESULT CWinApp::ProcessWndProcException(CException* e, UINT) { return ReportException(e); }

LRESULT CWinApp::ReportException(CException* e) {
#ifdef ZEMBRIK_HAVE_EXCEPTIONS
    const CString text = platform::ExceptionText(*e);
    if (dynamic_cast<CMemoryException*>(e) != nullptr)
        AfxMessageBox(text, MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
    else
        AfxMessageBox(text, MB_ICONSTOP);
#else
    (void)e;
#endif
    return 0;
}

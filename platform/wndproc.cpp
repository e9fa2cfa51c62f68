// Where messages enter the program's handlers, and where exceptions that
// leave a handler are caught and reported.
#include <exception>
#include <new>

#include "platform/app.h"
#include "platform/exceptions.h"
#include "platform/window.h"

namespace {

LRESULT Report(CException& e, UINT message) {
    if (CWinApp* app = AfxGetApp()) return app->ProcessWndProcException(&e, message);
    return CWinApp::ReportException(&e);
}

}  // namespace

LRESULT AfxCallWndProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return pWnd->WindowProc(message, wParam, lParam);
    } catch (CException& e) {
        return Report(e, message);
    } catch (const std::bad_alloc&) {
        CMemoryException e;
        return Report(e, message);
    } catch (const std::exception&) {
        // Any other failure of the library (a code-page converter that cannot
        // be opened, say) is reported as the framework's unknown error rather
        // than left to end the process.
        CFileException e(CFileException::generic);
        return Report(e, message);
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

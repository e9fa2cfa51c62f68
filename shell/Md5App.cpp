#include "shell/Md5App.h"

#include "platform/instance_counter.h"
#include "platform/interlocked.h"
#include "shell/Md5Dlg.h"

BEGIN_MESSAGE_MAP(CMd5App, CWinApp)
END_MESSAGE_MAP()

BOOL CMd5App::InitInstance() {
    // Every start counts itself; only the one that found nobody before it runs.
    if (InterlockedExchangeAdd(&g_nInstanceCount, 1) >= 1) {
        AfxMessageBox("该程序已经在运行！", MB_OK, 0);
        return FALSE;
    }

    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CMd5Dlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // FALSE: the dialog was the program's whole life; end without a message loop.
    return FALSE;
}

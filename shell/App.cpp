// The program's application object: runs the main dialog.
#include "platform/app.h"
#include "shell/Md5Dlg.h"

class CMd5App : public CWinApp {
public:
    BOOL InitInstance() override {
        CMd5Dlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        return FALSE;
    }
};

CMd5App theApp;

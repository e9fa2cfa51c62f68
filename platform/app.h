// The application object, message boxes and the process's start.
#pragma once

#include "platform/cstring.h"
#include "platform/msgmap.h"
#include "platform/types.h"

class CException;
class CWnd;

// The one application object of a program: its InitInstance is the program's
// working life. The constructor registers the object and touches no Qt.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Called once after the layer's initialisation. TRUE runs the message loop
    // (Run); FALSE goes straight to ExitInstance.
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    // Reports an exception that left a message handler: a file error with the
    // stop icon, memory exhaustion with the exclamation icon, system-modal.
    virtual LRESULT ProcessWndProcException(CException* e, UINT message);
    // The report itself, also used when there is no application object.
    static LRESULT ReportException(CException* e);

    // The application's name: the one given, else string 57344, else the
    // executable's file name without folder and extension.
    LPCTSTR m_pszAppName = nullptr;
    CWnd* m_pMainWnd = nullptr;

    DECLARE_MESSAGE_MAP()

protected:
    // Three-dimensional controls were an option of old systems; every window
    // here has the platform's own look. Returns TRUE and changes nothing.
    BOOL Enable3dControlsStatic();

private:
    CString m_strAppName;
};

CWinApp* AfxGetApp();
// Dialogs here hold no embedded component controls, so there is no container
// to install: a call that does nothing, kept so start-up reads as written.
void AfxEnableControlContainer();
CWnd* AfxGetMainWnd();
// The application's name, also without an application object (tests).
LPCTSTR AfxGetAppName();

// A message box owned by the main window, captioned with the application's
// name. A type without an icon gets the exclamation icon. Returns IDOK.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

namespace platform {
// The process's life under the layer: the Qt application with the layer's
// Chinese words, the instance counter bound to its shared word, then the
// application object's InitInstance, then its exit.
int RunProcess(int argc, char** argv);
}  // namespace platform

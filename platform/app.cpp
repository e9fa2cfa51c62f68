// The application object and its name; the process's run is in qt/process.cpp.
#include "platform/app.h"

#include <unistd.h>

#include <string>

#include "platform/window.h"

namespace {

CWinApp* g_pApp = nullptr;

// The executable's file name without folder and extension.
CString ExecutableBaseName() {
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0) return CString("");
    path.resize(static_cast<std::size_t>(n));
    std::string name = path.substr(path.rfind('/') + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.resize(dot);
    return CString(std::move(name));
}

constexpr UINT AFX_IDS_APP_TITLE = 57344;

CString DefaultAppName() {
    CString name;
    if (name.LoadString(AFX_IDS_APP_TITLE) && !name.IsEmpty()) return name;
    return ExecutableBaseName();
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName) {
    if (lpszAppName != nullptr) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

BOOL CWinApp::Enable3dControlsStatic() { return TRUE; }

void AfxEnableControlContainer() {}

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

LPCTSTR AfxGetAppName() {
    if (g_pApp != nullptr) {
        if (g_pApp->m_pszAppName == nullptr) {
            // Chosen at first use, after the program's tables are registered.
            static CString chosen = DefaultAppName();
            g_pApp->m_pszAppName = chosen;
        }
        return g_pApp->m_pszAppName;
    }
    static CString fallback = DefaultAppName();
    return fallback;
}

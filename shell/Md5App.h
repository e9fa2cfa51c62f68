// The application: a single-instance guard, then the main dialog.
#pragma once

#include "platform/app.h"

class CMd5App : public CWinApp {
public:
    CMd5App() : CWinApp(NULL) {}

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

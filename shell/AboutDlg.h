// The About box: the icon, the product line and the owner's notice.
#pragma once

#include "platform/window.h"

class CMd5AboutDlg : public CDialog {
public:
    CMd5AboutDlg();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};

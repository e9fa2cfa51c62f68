#include "shell/AboutDlg.h"

#include "res/resource.h"

CMd5AboutDlg::CMd5AboutDlg() : CDialog(IDD_ABOUT) {}

// The box shows fixed texts only.
void CMd5AboutDlg::DoDataExchange(CDataExchange*) {}

BEGIN_MESSAGE_MAP(CMd5AboutDlg, CDialog)
END_MESSAGE_MAP()

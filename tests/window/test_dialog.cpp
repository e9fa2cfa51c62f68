#include "tests/window/test_dialog.h"

namespace testdlg {

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_WM_DROPFILES()
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

}  // namespace testdlg

// The program's application object: runs the main dialog.
#include "shell/Md5Dlg.h"

int main() {
    CMd5Dlg dlg;
    dlg.DoModal();
    return 0;
}

// Dispatch through message maps: the class's entry, then the base class's map,
// then default handling. No window is needed: the maps are plain tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window.h"

namespace {

class Probe : public CDialog {
public:
    Probe() : CDialog(0) {}
    std::vector<std::string> calls;

    void OnSeven() { calls.push_back("seven"); }
    void OnSysCommand(UINT nID, LPARAM lParam) {
        calls.push_back("syscommand " + std::to_string(nID));
        CDialog::OnSysCommand(nID, lParam);
    }
    void OnCancel() override { calls.push_back("cancel"); }
    void OnOK() override { calls.push_back("ok"); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Probe, CDialog)
    ON_BN_CLICKED(7, OnSeven)
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

TEST(MessageMap, RoutesToTheClassThenItsBaseThenDefaultHandling) {
    struct Case {
        UINT message;
        WPARAM wParam;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), {"seven"}},
        {WM_COMMAND, MAKEWPARAM(7, 1), {}},  // another notification of the same control
        {WM_COMMAND, MAKEWPARAM(8, BN_CLICKED), {}},
        {WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), {"ok"}},          // CDialog's map, virtual handler
        {WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), {"cancel"}},  // Exit and Esc
        // The close box: default handling turns SC_CLOSE into WM_CLOSE, and a
        // dialog's WM_CLOSE into Cancel.
        {WM_SYSCOMMAND, SC_CLOSE, {"syscommand 61536", "cancel"}},
        {WM_SYSCOMMAND, SC_CLOSE | 0x0003, {"syscommand 61539", "cancel"}},  // low bits play no part
        {WM_CLOSE, 0, {"cancel"}},
        {WM_SYSCOMMAND, 0x0010, {"syscommand 16"}},
    };
    for (const Case& c : cases) {
        Probe probe;
        probe.SendMessage(c.message, c.wParam, 0);
        EXPECT_EQ(probe.calls, c.calls) << "message " << c.message << " wParam " << c.wParam;
    }
}

}  // namespace

// A small dialog of the tests' own, from a template registered by the tests.
#pragma once

#include <string>
#include <vector>

#include "platform/dlgtemplate.h"
#include "platform/drop.h"
#include "platform/window.h"

namespace testdlg {

inline constexpr UINT IDD_TEST = 900;
inline constexpr UINT IDD_TEST_NO_DROPS = 901;
inline constexpr int IDC_TEXT = 100;

// The narrow name of the Song face, "宋体" in GB18030.
inline constexpr const char* kSongFace = "\xCB\xCE\xCC\xE5";

inline constexpr platform::DialogItemTemplate kItems[] = {
    {"Button", IDOK, "OK", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 10, 150, 40, 14},
    {"Edit", IDC_TEXT, "", 0,
     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL | ES_READONLY, 0, 0, 0,
     200, 140},
    {"Button", IDCANCEL, "Cancel", 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 60, 150, 40, 14},
};

inline constexpr platform::DialogTemplate kTemplates[] = {
    {IDD_TEST, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_ACCEPTFILES, 0, 0, 200, 170,
     "Test", kSongFace, 9, kItems},
    {IDD_TEST_NO_DROPS, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 200, 170, "Test",
     kSongFace, 9, kItems},
};

inline void Register() { platform::RegisterDialogTemplates(kTemplates); }

// Records what reaches its handlers.
class TestDialog : public CDialog {
public:
    explicit TestDialog(UINT nIDTemplate = IDD_TEST) : CDialog(nIDTemplate) {}
    ~TestDialog() override { DestroyWindow(); }

    std::vector<std::vector<std::string>> drops;  // narrow paths of each drop
    std::vector<UINT> sysCommands;
    CString m_strText;

    void OnDropFiles(HDROP hDrop) {
        std::vector<std::string> paths;
        const UINT count = DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            char path[MAX_PATH];
            DragQueryFileA(hDrop, i, path, MAX_PATH);
            paths.emplace_back(path);
        }
        drops.push_back(paths);
        DragFinish(hDrop);
    }

    void OnSysCommand(UINT nID, LPARAM lParam) {
        sysCommands.push_back(nID);
        CDialog::OnSysCommand(nID, lParam);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_TEXT, m_strText); }
    DECLARE_MESSAGE_MAP()
};

}  // namespace testdlg

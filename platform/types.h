// Basic types, handles and message constants of the framework layer.
// The values are the ones the program's messages, flags and ids are defined with.
#pragma once

#include <climits>
#include <cstdint>

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

using BYTE = std::uint8_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LRESULT = std::intptr_t;
using LPCTSTR = const char*;
using LPTSTR = char*;

// Opaque handles: distinct pointer types, owned and interpreted by the layer.
struct HWND__;
using HWND = HWND__*;
struct HICON__;
using HICON = HICON__*;
using HCURSOR = HICON;
struct HBRUSH__;
using HBRUSH = HBRUSH__*;
using HGDIOBJ = void*;
struct HDROP__;
using HDROP = HDROP__*;
struct HDC__;
using HDC = HDC__*;
struct HMENU__;
using HMENU = HMENU__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;

struct POINT {
    LONG x;
    LONG y;
};
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
using LPRECT = RECT*;

// A resource named by number, as the framework's calls take it.
inline LPCTSTR MAKEINTRESOURCE(UINT nID) { return reinterpret_cast<LPCTSTR>(static_cast<std::uintptr_t>(nID & 0xFFFF)); }
inline constexpr WPARAM MAKEWPARAM(UINT low, UINT high) { return (low & 0xFFFF) | ((high & 0xFFFF) << 16); }
inline constexpr UINT LOWORD(std::uintptr_t v) { return static_cast<UINT>(v & 0xFFFF); }
inline constexpr UINT HIWORD(std::uintptr_t v) { return static_cast<UINT>((v >> 16) & 0xFFFF); }

// The system's path limit (4096 bytes with its NUL): a drop delivers a longer
// path as an empty one, never cut short into another path.
inline constexpr int MAX_PATH = PATH_MAX;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;

// Messages.
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_GETICON = 0x007F;
inline constexpr UINT WM_CTLCOLOR = 0x0019;  // the single entry for all control-colour requests
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_DROPFILES = 0x0233;

inline constexpr UINT BN_CLICKED = 0;

inline constexpr UINT SC_MOVE = 0xF010;
inline constexpr UINT SC_CLOSE = 0xF060;

inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

inline constexpr int WHITE_BRUSH = 0;

inline constexpr UINT CTLCOLOR_EDIT = 1;
inline constexpr UINT CTLCOLOR_BTN = 3;
inline constexpr UINT CTLCOLOR_DLG = 4;
inline constexpr UINT CTLCOLOR_STATIC = 6;

// Message boxes.
inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_OKCANCEL = 0x00000001;
inline constexpr UINT MB_TYPEMASK = 0x0000000F;
inline constexpr UINT MB_ICONHAND = 0x00000010;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONASTERISK = 0x00000040;
inline constexpr UINT MB_ICONSTOP = 0x00000010;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONMASK = 0x000000F0;
inline constexpr UINT MB_SYSTEMMODAL = 0x00001000;

// Menus.
inline constexpr UINT MF_STRING = 0x00000000;
inline constexpr UINT MF_SEPARATOR = 0x00000800;

// Open dialog flags.
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;

// Window and control styles used by the program's templates.
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_HSCROLL = 0x00100000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD DS_SETFONT = 0x00000040;
inline constexpr DWORD DS_MODALFRAME = 0x00000080;
inline constexpr DWORD WS_EX_ACCEPTFILES = 0x00000010;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
inline constexpr DWORD BS_PUSHBUTTON = 0x00000000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x00000001;
inline constexpr DWORD BS_TYPEMASK = 0x0000000F;
inline constexpr DWORD ES_MULTILINE = 0x00000004;
inline constexpr DWORD ES_AUTOVSCROLL = 0x00000040;
inline constexpr DWORD ES_AUTOHSCROLL = 0x00000080;
inline constexpr DWORD ES_READONLY = 0x00000800;
inline constexpr DWORD SS_LEFT = 0x00000000;
inline constexpr DWORD SS_ICON = 0x00000003;
inline constexpr DWORD SS_TYPEMASK = 0x0000001F;
inline constexpr DWORD SS_NOPREFIX = 0x00000080;

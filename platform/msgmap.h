// Message maps: a class's table routing messages to its handlers. Lookup walks
// the class's map, then its base class's map, up to CCmdTarget's; a message
// that no map names gets the window's default handling.
#pragma once

#include "platform/types.h"

class CCmdTarget;
class CDC;
class CWnd;

// An entry calls its handler through a small thunk that unpacks the arguments.
using AFX_PMSG = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;  // notification code (WM_COMMAND)
    UINT nID;    // control id (WM_COMMAND)
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// WM_CTLCOLOR's lParam: which window asks and what kind of control it is.
// wParam is the CDC* the control will be painted with.
struct AFX_CTLCOLOR {
    CWnd* pWnd;
    UINT nCtlType;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};

// The entry of this class's map for a message, or nullptr. For WM_COMMAND the
// notification code and control id (HIWORD and LOWORD of wParam) must match too.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, WPARAM wParam);

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                  \
        using ThisClass [[maybe_unused]] = theClass;                                   \
        using TheBaseClass = baseClass;                                                \
        static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                      \
    {0, 0, 0, nullptr}                                                         \
    }                                                                          \
    ;                                                                          \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                               \
    }

// ---- Entries -------------------------------------------------------------
// The thunks are lambdas inside the class's GetThisMessageMap, so they may
// call its protected handlers.
#define AFX_THIS(t) static_cast<ThisClass*>(t)

#define ON_COMMAND(id, memberFxn)                                                   \
    {WM_COMMAND, 0, static_cast<UINT>(id) & 0xFFFF, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT { \
         AFX_THIS(t)->memberFxn();                                                  \
         return 0;                                                                  \
     }},
#define ON_BN_CLICKED(id, memberFxn)                                                          \
    {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id) & 0xFFFF, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT { \
         AFX_THIS(t)->memberFxn();                                                            \
         return 0;                                                                            \
     }},
#define ON_WM_SYSCOMMAND()                                                         \
    {WM_SYSCOMMAND, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {       \
         AFX_THIS(t)->OnSysCommand(static_cast<UINT>(w), l);                       \
         return 0;                                                                 \
     }},
#define ON_WM_PAINT()                                                        \
    {WM_PAINT, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {          \
         AFX_THIS(t)->OnPaint();                                             \
         return 0;                                                           \
     }},
#define ON_WM_QUERYDRAGICON()                                                        \
    {WM_QUERYDRAGICON, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {          \
         return reinterpret_cast<LRESULT>(AFX_THIS(t)->OnQueryDragIcon());           \
     }},
#define ON_WM_CTLCOLOR()                                                                  \
    {WM_CTLCOLOR, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {                \
         const AFX_CTLCOLOR* cc = reinterpret_cast<const AFX_CTLCOLOR*>(l);               \
         return reinterpret_cast<LRESULT>(                                                \
             AFX_THIS(t)->OnCtlColor(reinterpret_cast<CDC*>(w), cc->pWnd, cc->nCtlType)); \
     }},
#define ON_WM_DROPFILES()                                                    \
    {WM_DROPFILES, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM) -> LRESULT {    \
         AFX_THIS(t)->OnDropFiles(reinterpret_cast<HDROP>(w));               \
         return 0;                                                           \
     }},

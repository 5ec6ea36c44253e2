// Message-map entries of windows: the handler signatures from
// AfxSig_firstWindowSig on and the ON_WM_*, ON_MESSAGE, ON_NOTIFY and
// ON_CONTROL families. Each ON_WM_* entry names the handler MFC names for its
// message, with MFC's parameter types.
//
// Adding a signature: append an enumerator below, add its case to the switch
// in WndMsg.cpp's message dispatch, then the entry macro. Entries that
// OnCmdMsg routes (WM_NOTIFY, reflected notifications) use the command
// signatures of afxcmdtarget.h, which CmdTarget.cpp dispatches.
#pragma once

#include "afxcmdtarget.h"
#include "afxpriv.h"

enum AfxWndSig {
  // Dispatched by CWnd::OnWndMsg.
  AfxSig_vv = AfxSig_firstWindowSig,  // void ()
  AfxSig_lwl,                         // LRESULT (WPARAM, LPARAM)
  AfxSig_is,                          // int (LPCREATESTRUCT)
  AfxSig_bs,                          // BOOL (LPCREATESTRUCT)
  AfxSig_bD,                          // BOOL (CDC*)
  AfxSig_vwii,                        // void (UINT, int, int)
  AfxSig_vii,                         // void (int, int)
  AfxSig_vwp,                         // void (UINT, CPoint)
  AfxSig_bwsp,                        // BOOL (UINT, short, CPoint)
  AfxSig_vup,                         // void (UINT_PTR)
  AfxSig_vwww,                        // void (UINT, UINT, UINT)
  AfxSig_vW,                          // void (CWnd*)
  AfxSig_lp,                          // LRESULT (CPoint)
  AfxSig_vCALC,                       // void (BOOL, NCCALCSIZE_PARAMS*)
  AfxSig_bb,                          // BOOL (BOOL)
  AfxSig_vb,                          // void (BOOL)
  AfxSig_bWww,                        // BOOL (CWnd*, UINT, UINT)
  AfxSig_iWww,                        // int (CWnd*, UINT, UINT)
  AfxSig_hDWw,                        // HBRUSH (CDC*, CWnd*, UINT)
  AfxSig_hDw,                         // HBRUSH (CDC*, UINT), reflected WM_CTLCOLOR
  AfxSig_vwl,                         // void (UINT, LPARAM)
  AfxSig_vMINMAX,                     // void (MINMAXINFO*)
  AfxSig_vPOS,                        // void (WINDOWPOS*)
  AfxSig_vbw,                         // void (BOOL, UINT)
  AfxSig_vwWb,                        // void (UINT, CWnd*, BOOL)
  AfxSig_vbh,                         // void (BOOL, DWORD)
  AfxSig_vWp,                         // void (CWnd*, CPoint)
  AfxSig_vwwS,                        // void (UINT, UINT, CScrollBar*)
  AfxSig_vww,                         // void (UINT, UINT), reflected scrolling
  AfxSig_vOWNER,                      // void (int, LPDRAWITEMSTRUCT)
  AfxSig_vMEASURE,                    // void (int, LPMEASUREITEMSTRUCT)
  AfxSig_vDRAWR,                      // void (LPDRAWITEMSTRUCT), reflected
  AfxSig_vMEASURER,                   // void (LPMEASUREITEMSTRUCT), reflected
  AfxSig_vws,                         // void (UINT, LPCTSTR)
  AfxSig_vSTYLE,                      // void (int, LPSTYLESTRUCT)
  AfxSig_wv,                          // UINT ()
  AfxSig_hv,                          // HCURSOR ()
  AfxSig_bWCDS,                       // BOOL (CWnd*, COPYDATASTRUCT*)
  AfxSig_vwwh,                        // void (UINT, UINT, HMENU)
  AfxSig_vwW,                         // void (UINT, CWnd*)
  AfxSig_vMwb,                        // void (CMenu*, UINT, BOOL)
  AfxSig_vM,                          // void (CMenu*)
  AfxSig_lwwM,                        // LRESULT (UINT, UINT, CMenu*)
  AfxSig_iis,                         // int (int, LPCOMPAREITEMSTRUCT)
  AfxSig_vDELETEITEM,                 // void (int, LPDELETEITEMSTRUCT)
  AfxSig_vbWW,                        // void (BOOL, CWnd*, CWnd*)
};

class CScrollBar;

#define AFX_WM_ENTRY(msg, sig, type, memberFxn) \
  {(UINT)(msg), 0, 0, 0, (UINT_PTR)(sig), AFX_MSG_HANDLER(type, memberFxn)},

// Any message ---------------------------------------------------------------------

#define ON_MESSAGE(message, memberFxn) \
  AFX_WM_ENTRY(message, AfxSig_lwl, LRESULT (CCmdTarget::*)(WPARAM, LPARAM), memberFxn)
/// `nMessageVariable` holds a number from RegisterWindowMessage; it is read
/// when messages arrive, so it may be set after the map is built.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
  {0xC000,                                                 \
   0,                                                      \
   0,                                                      \
   0,                                                      \
   (UINT_PTR)(UINT*)(&nMessageVariable),                   \
   AFX_MSG_HANDLER(LRESULT(CCmdTarget::*)(WPARAM, LPARAM), memberFxn)},

// Window messages -------------------------------------------------------------------

#define ON_WM_CREATE() \
  AFX_WM_ENTRY(WM_CREATE, AfxSig_is, int (CCmdTarget::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE() \
  AFX_WM_ENTRY(WM_NCCREATE, AfxSig_bs, BOOL (CCmdTarget::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_vv, void (CCmdTarget::*)(), OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_vv, void (CCmdTarget::*)(), OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSig_vv, void (CCmdTarget::*)(), OnClose)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_vv, void (CCmdTarget::*)(), OnPaint)
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, AfxSig_vv, void (CCmdTarget::*)(), OnNcPaint)
#define ON_WM_ERASEBKGND() \
  AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CCmdTarget::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() \
  AFX_WM_ENTRY(WM_SIZE, AfxSig_vwii, void (CCmdTarget::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, AfxSig_vii, void (CCmdTarget::*)(int, int), OnMove)
#define ON_WM_SHOWWINDOW() \
  AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, void (CCmdTarget::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, AfxSig_vb, void (CCmdTarget::*)(BOOL), OnEnable)
#define ON_WM_GETMINMAXINFO() \
  AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_vMINMAX, void (CCmdTarget::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_WINDOWPOSCHANGING()                                                   \
  AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void (CCmdTarget::*)(WINDOWPOS*), \
               OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED()                                                   \
  AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void (CCmdTarget::*)(WINDOWPOS*), \
               OnWindowPosChanged)
#define ON_WM_STYLECHANGING()                                                             \
  AFX_WM_ENTRY(WM_STYLECHANGING, AfxSig_vSTYLE, void (CCmdTarget::*)(int, LPSTYLESTRUCT), \
               OnStyleChanging)
#define ON_WM_STYLECHANGED()                                                             \
  AFX_WM_ENTRY(WM_STYLECHANGED, AfxSig_vSTYLE, void (CCmdTarget::*)(int, LPSTYLESTRUCT), \
               OnStyleChanged)
#define ON_WM_ACTIVATE() \
  AFX_WM_ENTRY(WM_ACTIVATE, AfxSig_vwWb, void (CCmdTarget::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP() \
  AFX_WM_ENTRY(WM_ACTIVATEAPP, AfxSig_vbh, void (CCmdTarget::*)(BOOL, DWORD), OnActivateApp)
#define ON_WM_MOUSEACTIVATE()                                                         \
  AFX_WM_ENTRY(WM_MOUSEACTIVATE, AfxSig_iWww, int (CCmdTarget::*)(CWnd*, UINT, UINT), \
               OnMouseActivate)
#define ON_WM_SETFOCUS() \
  AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_vW, void (CCmdTarget::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() \
  AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_vW, void (CCmdTarget::*)(CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED() \
  AFX_WM_ENTRY(WM_CAPTURECHANGED, AfxSig_vW, void (CCmdTarget::*)(CWnd*), OnCaptureChanged)
#define ON_WM_CANCELMODE() \
  AFX_WM_ENTRY(WM_CANCELMODE, AfxSig_vv, void (CCmdTarget::*)(), OnCancelMode)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_vup, void (CCmdTarget::*)(UINT_PTR), OnTimer)
#define ON_WM_SYSCOMMAND() \
  AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, void (CCmdTarget::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_PARENTNOTIFY() \
  AFX_WM_ENTRY(WM_PARENTNOTIFY, AfxSig_vwl, void (CCmdTarget::*)(UINT, LPARAM), OnParentNotify)
#define ON_WM_SETTINGCHANGE() \
  AFX_WM_ENTRY(WM_SETTINGCHANGE, AfxSig_vws, void (CCmdTarget::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_SYSCOLORCHANGE() \
  AFX_WM_ENTRY(WM_SYSCOLORCHANGE, AfxSig_vv, void (CCmdTarget::*)(), OnSysColorChange)
#define ON_WM_GETDLGCODE() \
  AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_wv, UINT (CCmdTarget::*)(), OnGetDlgCode)
#define ON_WM_QUERYDRAGICON() \
  AFX_WM_ENTRY(WM_QUERYDRAGICON, AfxSig_hv, HCURSOR (CCmdTarget::*)(), OnQueryDragIcon)
#define ON_WM_COPYDATA() \
  AFX_WM_ENTRY(WM_COPYDATA, AfxSig_bWCDS, BOOL (CCmdTarget::*)(CWnd*, COPYDATASTRUCT*), OnCopyData)
#define ON_WM_MENUSELECT() \
  AFX_WM_ENTRY(WM_MENUSELECT, AfxSig_vwwh, void (CCmdTarget::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_INITMENU() \
  AFX_WM_ENTRY(WM_INITMENU, AfxSig_vM, void (CCmdTarget::*)(CMenu*), OnInitMenu)
/// The handler gets the pop-up, its index in the parent menu and whether it is the system menu.
#define ON_WM_INITMENUPOPUP()                                                           \
  AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_vMwb, void (CCmdTarget::*)(CMenu*, UINT, BOOL), \
               OnInitMenuPopup)
/// The handler gets the character, the MF_POPUP/MF_SYSMENU flags and the menu;
/// its result is the MNC_* answer.
#define ON_WM_MENUCHAR() \
  AFX_WM_ENTRY(WM_MENUCHAR, AfxSig_lwwM, LRESULT (CCmdTarget::*)(UINT, UINT, CMenu*), OnMenuChar)
#define ON_WM_ENTERMENULOOP() \
  AFX_WM_ENTRY(WM_ENTERMENULOOP, AfxSig_vb, void (CCmdTarget::*)(BOOL), OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP() \
  AFX_WM_ENTRY(WM_EXITMENULOOP, AfxSig_vb, void (CCmdTarget::*)(BOOL), OnExitMenuLoop)
#define ON_WM_ENTERIDLE() \
  AFX_WM_ENTRY(WM_ENTERIDLE, AfxSig_vwW, void (CCmdTarget::*)(UINT, CWnd*), OnEnterIdle)
/// An MDI child's activation: whether it is the one activated, the child
/// activated and the child deactivated.
#define ON_WM_MDIACTIVATE() \
  AFX_WM_ENTRY(WM_MDIACTIVATE, AfxSig_vbWW, void (CCmdTarget::*)(BOOL, CWnd*, CWnd*), OnMDIActivate)
#define ON_WM_CONTEXTMENU() \
  AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void (CCmdTarget::*)(CWnd*, CPoint), OnContextMenu)

// Mouse and keyboard ------------------------------------------------------------------

#define AFX_WM_MOUSE_ENTRY(msg, memberFxn) \
  AFX_WM_ENTRY(msg, AfxSig_vwp, void (CCmdTarget::*)(UINT, CPoint), memberFxn)
#define ON_WM_MOUSEMOVE() AFX_WM_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_WM_MOUSE_ENTRY(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_MOUSEHOVER() AFX_WM_MOUSE_ENTRY(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_NCMOUSEMOVE() AFX_WM_MOUSE_ENTRY(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_MOUSE_ENTRY(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_WM_MOUSE_ENTRY(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_NCMBUTTONDOWN() AFX_WM_MOUSE_ENTRY(WM_NCMBUTTONDOWN, OnNcMButtonDown)
#define ON_WM_MOUSELEAVE() \
  AFX_WM_ENTRY(WM_MOUSELEAVE, AfxSig_vv, void (CCmdTarget::*)(), OnMouseLeave)
#define ON_WM_NCMOUSELEAVE() \
  AFX_WM_ENTRY(WM_NCMOUSELEAVE, AfxSig_vv, void (CCmdTarget::*)(), OnNcMouseLeave)
#define ON_WM_MOUSEWHEEL() \
  AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (CCmdTarget::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_NCHITTEST() \
  AFX_WM_ENTRY(WM_NCHITTEST, AfxSig_lp, LRESULT (CCmdTarget::*)(CPoint), OnNcHitTest)
#define ON_WM_NCCALCSIZE()                                                                  \
  AFX_WM_ENTRY(WM_NCCALCSIZE, AfxSig_vCALC, void (CCmdTarget::*)(BOOL, NCCALCSIZE_PARAMS*), \
               OnNcCalcSize)
#define ON_WM_NCACTIVATE() \
  AFX_WM_ENTRY(WM_NCACTIVATE, AfxSig_bb, BOOL (CCmdTarget::*)(BOOL), OnNcActivate)
#define ON_WM_SETCURSOR() \
  AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL (CCmdTarget::*)(CWnd*, UINT, UINT), OnSetCursor)

#define AFX_WM_KEY_ENTRY(msg, memberFxn) \
  AFX_WM_ENTRY(msg, AfxSig_vwww, void (CCmdTarget::*)(UINT, UINT, UINT), memberFxn)
#define ON_WM_KEYDOWN() AFX_WM_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_WM_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_KEY_ENTRY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_KEY_ENTRY(WM_SYSCHAR, OnSysChar)

// Messages a parent gets about its controls, and their reflected forms ----------------

/// WM_CTLCOLORMSGBOX..WM_CTLCOLORSTATIC all reach this entry; the handler's
/// last argument says which (CTLCOLOR_*).
#define ON_WM_CTLCOLOR() \
  AFX_WM_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CCmdTarget::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_HSCROLL() \
  AFX_WM_ENTRY(WM_HSCROLL, AfxSig_vwwS, void (CCmdTarget::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() \
  AFX_WM_ENTRY(WM_VSCROLL, AfxSig_vwwS, void (CCmdTarget::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_DRAWITEM() \
  AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_vOWNER, void (CCmdTarget::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                     \
  AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_vMEASURE, void (CCmdTarget::*)(int, LPMEASUREITEMSTRUCT), \
               OnMeasureItem)
#define ON_WM_COMPAREITEM()                                                               \
  AFX_WM_ENTRY(WM_COMPAREITEM, AfxSig_iis, int (CCmdTarget::*)(int, LPCOMPAREITEMSTRUCT), \
               OnCompareItem)
#define ON_WM_DELETEITEM()                                                                       \
  AFX_WM_ENTRY(WM_DELETEITEM, AfxSig_vDELETEITEM, void (CCmdTarget::*)(int, LPDELETEITEMSTRUCT), \
               OnDeleteItem)

#define ON_WM_CTLCOLOR_REFLECT()                                                             \
  AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, AfxSig_hDw, HBRUSH(CCmdTarget::*)(CDC*, UINT), \
               CtlColor)
#define ON_WM_HSCROLL_REFLECT() \
  AFX_WM_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, AfxSig_vww, void(CCmdTarget::*)(UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT() \
  AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, AfxSig_vww, void(CCmdTarget::*)(UINT, UINT), VScroll)
#define ON_WM_DRAWITEM_REFLECT()                             \
  AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, AfxSig_vDRAWR, \
               void(CCmdTarget::*)(LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                \
  AFX_WM_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, AfxSig_vMEASURER, \
               void(CCmdTarget::*)(LPMEASUREITEMSTRUCT), MeasureItem)

// Notifications from controls (WM_COMMAND and WM_NOTIFY), routed through OnCmdMsg ----
// Notification codes are kept as 16 bits, the form OnCmdMsg compares.

#define ON_CONTROL(wNotifyCode, id, memberFxn)  \
  {WM_COMMAND,       (UINT)(WORD)(wNotifyCode), \
   (UINT)(WORD)(id), (UINT)(WORD)(id),          \
   AfxSigCmd_v,      AFX_MSG_HANDLER(void(CCmdTarget::*)(), memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_COMMAND,       (UINT)(WORD)(wNotifyCode),              \
   (UINT)(WORD)(id), (UINT)(WORD)(idLast),                   \
   AfxSigCmd_RANGE,  AFX_MSG_HANDLER(void(CCmdTarget::*)(UINT), memberFxn)},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
  {WM_COMMAND + WM_REFLECT_BASE,                   \
   (UINT)(WORD)(wNotifyCode),                      \
   0,                                              \
   0,                                              \
   AfxSigCmd_v,                                    \
   AFX_MSG_HANDLER(void(CCmdTarget::*)(), memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
  {WM_COMMAND + WM_REFLECT_BASE,                      \
   (UINT)(WORD)(wNotifyCode),                         \
   0,                                                 \
   0,                                                 \
   AfxSigCmd_b,                                       \
   AFX_MSG_HANDLER(BOOL(CCmdTarget::*)(), memberFxn)},

#define ON_NOTIFY(wNotifyCode, id, memberFxn)        \
  {WM_NOTIFY,        (UINT)(WORD)(int)(wNotifyCode), \
   (UINT)(WORD)(id), (UINT)(WORD)(id),               \
   AfxSigNotify_v,   AFX_MSG_HANDLER(void(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_NOTIFY,          (UINT)(WORD)(int)(wNotifyCode),      \
   (UINT)(WORD)(id),   (UINT)(WORD)(idLast),                \
   AfxSigNotify_RANGE, AFX_MSG_HANDLER(void(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)     \
  {WM_NOTIFY,        (UINT)(WORD)(int)(wNotifyCode), \
   (UINT)(WORD)(id), (UINT)(WORD)(id),               \
   AfxSigNotify_EX,  AFX_MSG_HANDLER(BOOL(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_NOTIFY,        (UINT)(WORD)(int)(wNotifyCode),           \
   (UINT)(WORD)(id), (UINT)(WORD)(idLast),                     \
   AfxSigNotify_EX,  AFX_MSG_HANDLER(BOOL(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
  {WM_NOTIFY + WM_REFLECT_BASE,                   \
   (UINT)(WORD)(int)(wNotifyCode),                \
   0,                                             \
   0,                                             \
   AfxSigNotify_v,                                \
   AFX_MSG_HANDLER(void(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
  {WM_NOTIFY + WM_REFLECT_BASE,                      \
   (UINT)(WORD)(int)(wNotifyCode),                   \
   0,                                                \
   0,                                                \
   AfxSigNotify_b,                                   \
   AFX_MSG_HANDLER(BOOL(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},

// The usual control notifications.
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

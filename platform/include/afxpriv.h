// The layer's own window messages and the structures they carry. Values are
// fixed: code elsewhere sends them by number.
#pragma once

#include "afxdiag.h"
#include "afxstate.h"

class CFrameWnd;

#define WM_QUERYAFXWNDPROC 0x0360  // answered 1 by every window of the layer
#define WM_SIZEPARENT 0x0361       // lParam: AFX_SIZEPARENTPARAMS*
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363  // wParam: disable commands without handler
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D  // wParam: FS_* below
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_RESERVED_036F 0x036F
#define WM_RESERVED_0370 0x0370
#define WM_RESERVED_0371 0x0371
#define WM_RESERVED_0372 0x0372
#define WM_SOCKET_NOTIFY 0x0373
#define WM_SOCKET_DEAD 0x0374
#define WM_POPMESSAGESTRING 0x0375

// What WM_FLOATSTATUS tells a floating window about its frame.
#define FS_SHOW 0x01
#define FS_HIDE 0x02
#define FS_ACTIVATE 0x04
#define FS_DEACTIVATE 0x08
#define FS_ENABLE 0x10
#define FS_DISABLE 0x20
#define FS_SYNCACTIVE 0x40

// The 16-bit form of the control-colour messages; the message maps file all
// of WM_CTLCOLORMSGBOX..WM_CTLCOLORSTATIC under it.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// A control's own notifications come back to it as WM_REFLECT_BASE + message.
#define WM_REFLECT_BASE 0xBC00

/// OnToolHitTest's mark of a tool that is not a button (tips shown without
/// waiting for a click to end).
#define TTF_NOTBUTTON 0x80000000L

/// The layout pass of RepositionBars: each bar that gets WM_SIZEPARENT takes
/// its band from `rect` (and shrinks it), adds its size to `sizeTotal`, and
/// moves itself through `hDWP` (null while the caller only asks for sizes).
struct AFX_SIZEPARENTPARAMS {
  HDWP hDWP;
  RECT rect;
  SIZE sizeTotal;
  BOOL bStretch;
};

/// The state of a WM_CTLCOLOR* message while it is reflected to the control.
struct AFX_CTLCOLOR {
  HWND hWnd;
  HDC hDC;
  UINT nCtlType;
};

/// What OnCmdMsg gets in pExtra for a WM_NOTIFY.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

/// Moves hWnd to lpRect (parent client coordinates) as part of the layout,
/// or at once when lpLayout is null; nothing when it is already there.
void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

/// Makes pNewRoutingFrame the thread's routing frame for the object's
/// lifetime (the previous one comes back afterwards).
class CPushRoutingFrame {
 public:
  explicit CPushRoutingFrame(CFrameWnd* pNewRoutingFrame)
      : m_pThreadState(AfxGetThreadState()), m_pOldRoutingFrame(m_pThreadState->m_pRoutingFrame) {
    m_pThreadState->m_pRoutingFrame = pNewRoutingFrame;
  }
  ~CPushRoutingFrame() { Pop(); }
  CPushRoutingFrame(const CPushRoutingFrame&) = delete;
  CPushRoutingFrame& operator=(const CPushRoutingFrame&) = delete;
  /// Puts the previous frame back now.
  void Pop() {
    if (m_pThreadState == nullptr) return;
    m_pThreadState->m_pRoutingFrame = m_pOldRoutingFrame;
    m_pThreadState = nullptr;
  }

 private:
  _AFX_THREAD_STATE* m_pThreadState;
  CFrameWnd* m_pOldRoutingFrame;
};

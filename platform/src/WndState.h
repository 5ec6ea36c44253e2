// Per-thread state of the window classes: the handle maps and the window
// being created.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include "HandleMap.h"

class AFX_WND_THREAD_STATE : public CNoTrackObject {
 public:
  AFX_WND_THREAD_STATE();

  CHandleMap<CWnd, HWND> m_mapHWND;
  CHandleMap<CDC, HDC> m_mapHDC;
  CHandleMap<CGdiObject, HGDIOBJ> m_mapHGDIOBJ;
  CHandleMap<CMenu, HMENU> m_mapHMENU;
  CHandleMap<CImageList, HIMAGELIST> m_mapHIMAGELIST;

  /// The object whose window CreateEx is creating; bound by the CBT hook.
  CWnd* m_pWndInit = nullptr;
  HHOOK m_hHookOldCbtFilter = nullptr;

  /// The CWinThread running on this thread (the application on its thread).
  CWinThread* m_pCurrentWinThread = nullptr;
  int m_nTempMapLock = 0;
  /// The last name AfxRegisterWndClass made.
  char m_szTempClassName[96] = {};
};

AFX_WND_THREAD_STATE* AfxGetWndThreadState();

/// The end of hWnd's chain of parents and owners (AfxGetParentOwner).
HWND AfxGetTopLevelParent(HWND hWnd);

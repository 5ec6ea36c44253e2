// Module and thread state: the instance and resource handles, the application
// object and the per-thread message state.
#pragma once

#include "afxtls.h"

class CWinApp;
class CFrameWnd;

/// State of the module (the executable) the running code belongs to.
class AFX_MODULE_STATE : public CNoTrackObject {
 public:
  explicit AFX_MODULE_STATE(BOOL bDLL = FALSE);

  /// The application object; null until it registers itself.
  CWinApp* m_pCurrentWinApp = nullptr;
  HINSTANCE m_hCurrentInstanceHandle;
  HINSTANCE m_hCurrentResourceHandle;
  LPCSTR m_lpszCurrentAppName = nullptr;
  BOOL m_bDLL;
};

/// State of one thread: the current module and the messages being handled.
class _AFX_THREAD_STATE : public CNoTrackObject {
 public:
  _AFX_THREAD_STATE();

  AFX_MODULE_STATE* m_pModuleState = nullptr;  // null: the application's
  AFX_MODULE_STATE* m_pPrevModuleState = nullptr;
  MSG m_msgCur;       // the message the message loop is dispatching
  MSG m_lastSentMsg;  // the message a window procedure is handling
  /// The frame routing the command being handled (CPushRoutingFrame); the
  /// owner of message boxes shown meanwhile. Null outside commands.
  CFrameWnd* m_pRoutingFrame = nullptr;
};

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState();
AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState();
AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState();
/// Makes `pNewState` the calling thread's current module state; returns the previous one.
AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState);

/// Switches the thread's module state for the lifetime of the object.
struct AFX_MAINTAIN_STATE2 {
  explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState);
  ~AFX_MAINTAIN_STATE2();
  AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
  AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

  AFX_MODULE_STATE* m_pPrevModuleState;
  _AFX_THREAD_STATE* m_pThreadState;
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p);

HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
/// The module holding resource `lpszName` of `lpszType`: the resource module,
/// then the instance; the resource module when neither has it.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
CWinApp* AFXAPI AfxGetApp();
LPCSTR AFXAPI AfxGetAppName();

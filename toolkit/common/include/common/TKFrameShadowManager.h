// The owner of every frame's drop shadow: one shadow window per frame, one
// message hook per UI thread so that shadows follow their frames, and the
// shadow options, which depend on whether the session is remote.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include "common/TKApplication.h"
#include "common/TKHookManager.h"
#include "common/TKRWCriticalSection.h"
#include "common/TKScopedHandle.h"

class CTKFrameShadow;
class CTKFrameShadowManager;

/// Option bits of CTKFrameShadowManager::SetOptions.
enum {
  TKFRAMESHADOW_DISABLED = 1,       ///< EnableShadow creates none
  TKFRAMESHADOW_HIDDEN = 2,         ///< shadows are painted (almost) transparent
  TKFRAMESHADOW_NORESIZE = 4,       ///< the shadow lets the mouse through
  TKFRAMESHADOW_REMOTEHIDE = 8,     ///< requested only: in a remote session act as 2 | 4
  TKFRAMESHADOW_REMOTEHIDE2 = 0x10  ///< requested only: in a remote session act as 2
};

/// What observers of the manager learn. Called on the thread that made the
/// change, with the manager's lock held (an observer may call back into it).
class ITKFrameShadowManagerEvents {
 public:
  virtual void OnFrameShadowCreated(CTKFrameShadowManager* pManager, HWND hWndFrame,
                                    CTKFrameShadow* pShadow);
  virtual void OnFrameShadowDestroyed(CTKFrameShadowManager* pManager, HWND hWndFrame,
                                      CTKFrameShadow* pShadow);
  virtual void OnFrameShadowOptionsChanged(CTKFrameShadowManager* pManager, DWORD dwOldOptions,
                                           DWORD dwNewOptions);

 protected:
  virtual ~ITKFrameShadowManagerEvents() = default;
};

/// The process-wide owner of frame shadows (TKFrameShadowManager). It holds
/// one reference on each shadow; the shadow goes when its frame is destroyed.
class CTKFrameShadowManager
    : public CCmdTarget,
      public CTKObservable<CTKFrameShadowManager, ITKFrameShadowManagerEvents> {
 public:
  /// The hook that passes a thread's finished window messages to the manager;
  /// deleted by the hook manager when it is removed.
  class CFrameShadowHook : public CTKHookManagerHookAble {
   public:
    explicit CFrameShadowHook(CTKFrameShadowManager* pManager);
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& lResult) override;

    CTKFrameShadowManager* m_pManager;
    int m_nShadows;  ///< shadows owned by the hook's thread
  };

  /// Listens for terminal-session connects and disconnects through a hidden
  /// window; wtsapi32 is bound at run time and may be missing.
  class CWtsEventListener : public CWnd {
   public:
    explicit CWtsEventListener(CTKFrameShadowManager* pManager);
    ~CWtsEventListener() override;
    /// Creates the window when needed and registers for this session's
    /// notifications once; FALSE without the entry points or on failure.
    BOOL Register();
    /// Unregisters when registered; the window stays.
    void Unregister();
    BOOL IsRegistered() const { return m_bRegistered; }

   protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

   private:
    typedef BOOL(WINAPI* PFNREGISTER)(HWND, DWORD);
    typedef BOOL(WINAPI* PFNUNREGISTER)(HWND);
    CTKFrameShadowManager* m_pManager;
    CTKScopedModule m_wtsApi;
    PFNREGISTER m_pfnRegister;
    PFNUNREGISTER m_pfnUnregister;
    BOOL m_bRegistered;
  };

  CTKFrameShadowManager();
  /// Drops the shadows still held, the listener and the lock.
  ~CTKFrameShadowManager() override;

  /// The frame's shadow, made with the given look when it has none yet (an
  /// existing shadow is returned unchanged). Unset values (colour -1, sizes
  /// 0, both offsets <= 0, transparency 0) take the manager's defaults.
  /// Null when layered windows are missing, shadows are disabled or the
  /// window cannot be made.
  CTKFrameShadow* EnableShadow(CWnd* pFrame, COLORREF clr, int nSize, int nInnerSize, int nOffsetX,
                               int nOffsetY, BYTE nTransparency);
  /// Removes the frame's shadow, if any (observers hear of it first).
  void DisableShadow(CWnd* pFrame);
  void DisableShadowByHandle(HWND hWndFrame);
  /// The frame's shadow or null.
  CTKFrameShadow* GetShadow(CWnd* pFrame);
  CTKFrameShadow* GetShadowByHandle(HWND hWndFrame);

  /// Sets the requested option bits and tells observers when the effective
  /// ones change.
  void SetOptions(DWORD dwOptions);
  DWORD GetOptions() const { return m_dwRequestedOptions; }
  /// The bits in force: 7 when disabled, else bits 2 and 4 (plus what a
  /// remote session adds).
  DWORD GetEffectiveOptions() const { return m_dwEffectiveOptions; }
  /// Records whether the session is remote; with bUpdate the shadows follow.
  void SetRemoteSession(BOOL bRemote, BOOL bUpdate);
  BOOL IsRemoteSession() const { return m_bRemoteSession; }

  /// Repositions every shadow (rebuilding their look with bRebuild).
  void UpdateShadows(BOOL bRebuild);
  /// A message a hooked thread's window has finished with.
  void OnHookedMessage(const CWPRETSTRUCT* pMessage);
  /// Counts shadows per owning thread; the first installs the thread's hook,
  /// the last removes it.
  void RefThreadHook(CTKFrameShadow* pShadow, BOOL bAdd);

  int GetShadowCount() const { return static_cast<int>(m_mapShadows.GetCount()); }
  /// Whether the thread has a hook installed (0: the calling thread).
  BOOL HasThreadHook(DWORD dwThreadId = 0) const;
  CWtsEventListener* GetSessionListener() const { return m_pSessionListener; }

 private:
  void ComputeOptions(BOOL bNotify);
  void NotifyCreated(HWND hWndFrame, CTKFrameShadow* pShadow, BOOL bCreated);
  void NotifyOptions(DWORD dwOld, DWORD dwNew);
  void ApplyDefaults(COLORREF& clr, int& nSize, int& nInnerSize, int& nOffsetX, int& nOffsetY,
                     BYTE& nTransparency) const;

  DWORD m_dwRequestedOptions;
  DWORD m_dwEffectiveOptions;
  BOOL m_bRemoteSession;
  CWtsEventListener* m_pSessionListener;
  CMap<HWND, HWND, CTKFrameShadow*, CTKFrameShadow*> m_mapShadows;
  int m_nDefaultSize;
  int m_nDefaultInnerSize;
  int m_nDefaultOffsetX;
  int m_nDefaultOffsetY;
  COLORREF m_clrDefault;
  BYTE m_nDefaultTransparency;
  CArray<float, float> m_arrDefaultBlendFactors;
  CArray<float, float> m_arrDefaultBlendPositions;
  CTKRecursiveSpinLock* m_pLock;
  CMap<DWORD, DWORD, CFrameShadowHook*, CFrameShadowHook*> m_mapThreadHooks;
  BOOL m_bUpdating;
};

/// The frame-shadow manager, made on first use.
CTKFrameShadowManager* TKFrameShadowManager();

// One subclassing per window and one Windows hook per id and thread, shared by
// any number of listeners.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include "common/TKRWCriticalSection.h"

/// A listener of hooked window messages or Windows-hook events. The answers
/// of both handlers: 0 go on, 1 handled (the message ends with lResult), 2 stop
/// asking further listeners but let the message go on. wParam and lParam may
/// be changed; the changed values go on.
class CTKHookManagerHookAble {
 public:
  CTKHookManagerHookAble() : m_bAutoDelete(FALSE) {}
  virtual ~CTKHookManagerHookAble() {}

  /// Before the window's previous procedure (for a Windows hook: the event,
  /// with the hook code as nMessage and a null window).
  virtual int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                            LRESULT& lResult);
  /// After the previous procedure; may change its result.
  virtual int OnPostHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                LRESULT& lResult);
  /// Added to a sink: its window, or null for a Windows-hook sink.
  virtual void OnHookAttached(HWND hWnd);
  /// Removed, or its window was unsubclassed.
  virtual void OnHookDetached();

  /// When set, the hook manager deletes the listener when it removes it or
  /// when its sink goes.
  BOOL m_bAutoDelete;
};

/// The dispatcher (TKHookManager). Each manager has window and hook
/// procedures of its own, so that several managers (one per module that
/// carries the toolkit) can subclass one window and repair the chain between
/// them when one lets go ("WM_HOOKMANAGER_SINKREMOVED").
class CTKHookManager {
 public:
  /// The listeners of one window or of one Windows hook of one thread; called
  /// from the last added to the first.
  class CHookSink : public CArray<CTKHookManagerHookAble*, CTKHookManagerHookAble*> {
   public:
    /// A window sink.
    CHookSink(CTKHookManager* pManager, HWND hWnd);
    /// A Windows-hook sink.
    CHookSink(CTKHookManager* pManager, int nHookId, HHOOK hHook, DWORD dwThreadId);
    /// Deletes the auto-delete listeners still in it, last first; unhooks a Windows hook.
    ~CHookSink() override;

    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult);
    int OnPostHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                          LRESULT& lResult);
    INT_PTR Find(const CTKHookManagerHookAble* pHookAble) const;
    /// Removes one listener; the last one takes the sink (and this object) away.
    void RemoveHookAble(CTKHookManagerHookAble* pHookAble);
    /// Detaches the listeners and gives the window its previous procedure
    /// back, or lets the procedure further down the chain take it.
    void UnsubclassWindow();

    HWND GetHwnd() const { return m_hWnd; }
    HHOOK GetHook() const { return m_hHook; }
    int GetHookId() const { return m_nHookId; }
    DWORD GetThreadId() const { return m_dwThreadId; }
    WNDPROC GetPreviousProc() const { return m_pfnPrevious; }
    BOOL IsUnicode() const { return m_bUnicode; }

   private:
    friend class CTKHookManager;
    /// Deletes the sink now, or when the dispatch that is using it ends.
    void DeleteWhenIdle();
    int Dispatch(BOOL bPost, HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                 LRESULT& lResult);

    CTKHookManager* m_pManager;
    int m_nHookId;
    HHOOK m_hHook;
    DWORD m_dwThreadId;
    WNDPROC m_pfnPrevious;
    HWND m_hWnd;
    BOOL m_bUnicode;
    BOOL m_bWindowDestroyed;
    AFX_MODULE_STATE* m_pModuleState;
    // A listener may remove itself (and so the sink) while it is called.
    int m_nBusy;
    BOOL m_bDeletePending;
  };

  CTKHookManager();
  /// Unsubclasses every window and removes every Windows hook.
  ~CTKHookManager();
  CTKHookManager(const CTKHookManager&) = delete;
  CTKHookManager& operator=(const CTKHookManager&) = delete;

  /// Attaches a listener to a window, subclassing it with the first one.
  void SetHook(HWND hWnd, CTKHookManagerHookAble* pHookAble);
  void RemoveHook(HWND hWnd, CTKHookManagerHookAble* pHookAble);
  /// Removes the listener from every window and every Windows hook.
  void RemoveAll(CTKHookManagerHookAble* pHookAble);
  /// The window's sink, or null.
  CHookSink* Lookup(HWND hWnd);

  /// Attaches a listener to Windows hook `idHook` of a thread (0: the calling
  /// one), installing the hook with the first listener. FALSE (nothing
  /// attached) for the ids without a procedure (0, 1, 6, 13 and those outside
  /// -1..13) or when the hook cannot be installed.
  BOOL AddWindowsHookSink(int idHook, CTKHookManagerHookAble* pHookAble, DWORD dwThreadId = 0);
  /// Removes every listener of one hook id, on all threads.
  void RemoveWindowsHookSinks(int idHook);
  /// The sink of hook `idHook` for a thread (0: the calling one), or null.
  CHookSink* LookupWindowsHookSink(int idHook, DWORD dwThreadId = 0);

  /// The window's previous procedure for a message (0 without a sink).
  LRESULT DefaultWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
  /// The previous procedure for the message being hooked on this thread.
  LRESULT Default();
  LRESULT DefaultWithParams(WPARAM wParam, LPARAM lParam);

  /// Unsubclasses the window and drops its sink (bDestroyed: it is going
  /// away, nobody is asked to take the procedure).
  void RemoveWindowSinks(HWND hWnd, BOOL bDestroyed);
  void RemoveAllHooks();

  /// This manager's window procedure.
  WNDPROC GetWindowProc() const;
  /// The message that repairs a chain of hook-manager procedures.
  static UINT GetSinkRemovedMessage();

 private:
  friend class CTKHookManagerProcs;
  enum { kFirstHookId = -1, kHookIds = 15 };

  LRESULT SubclassWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
  LRESULT DispatchWindowsHook(int idHook, int nCode, WPARAM wParam, LPARAM lParam);
  void RemoveSinkEntry(CHookSink* pSink);

  typedef CMap<HWND, HWND, CHookSink*, CHookSink*> CWindowSinkMap;
  typedef CMap<DWORD, DWORD, CHookSink*, CHookSink*> CThreadSinkMap;

  CTKRecursiveSpinLock* m_pLock;
  CWindowSinkMap* m_pWindowSinks;
  CThreadSinkMap* m_pHookSinks[kHookIds];
  int m_nSlot;
};

/// The process-wide hook manager, made on first use.
CTKHookManager* TKHookManager();

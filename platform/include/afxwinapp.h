// CWinThread and CWinApp: the message loop of a UI thread and the one
// application object of the program.
#pragma once

#include "afxwnd.h"

class CDocTemplate;
class CRecentFileList;

/// A thread with a message loop. The application object is the one of the
/// thread that constructed it (the main thread); AfxGetThread finds it there.
class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)

 public:
  CWinThread();
  ~CWinThread() override;

  /// The window whose destruction ends the loop; PreTranslateMessage stops
  /// its walk there.
  CWnd* m_pMainWnd;
  CWnd* m_pActiveWnd;
  BOOL m_bAutoDelete;
  HANDLE m_hThread;
  DWORD m_nThreadID;

  operator HANDLE() const { return this == nullptr ? nullptr : m_hThread; }

  /// FALSE: a thread without set-up of its own does not run a loop.
  virtual BOOL InitInstance();
  /// Runs the loop until WM_QUIT; returns ExitInstance's result.
  virtual int Run();
  /// Offers the message to the windows from its target up to the main
  /// window (each permanent object's PreTranslateMessage); TRUE when one
  /// took it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  /// Takes one message and dispatches it; FALSE on WM_QUIT.
  virtual BOOL PumpMessage();
  /// Idle work while the queue is empty: lCount 0 updates the main window
  /// and its descendants (WM_IDLEUPDATECMDUI), later counts delete the
  /// temporary objects. TRUE asks for another call.
  virtual BOOL OnIdle(LONG lCount);
  /// FALSE for messages that should not restart idle processing (repeated
  /// mouse moves at the same place, paints, the caret timer).
  virtual BOOL IsIdleMessage(MSG* pMsg);
  /// The result is the loop's (and, for the application, the process's) exit code.
  virtual int ExitInstance();
  virtual CWnd* GetMainWnd();

 private:
  POINT m_ptCursorLast;
  UINT m_nMsgLast;
};

/// The application object. Exactly one exists, constructed as a global
/// before WinMain; AfxGetApp returns it.
class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)

 public:
  explicit CWinApp(LPCTSTR lpszAppName = NULL);
  ~CWinApp() override;

  LPCTSTR m_pszAppName;  // null: the executable's name, set by AfxWinInit
  HINSTANCE m_hInstance;
  LPTSTR m_lpCmdLine;
  int m_nCmdShow;
  LPCTSTR m_pszExeName;

  /// Once per process, before InitInstance.
  virtual BOOL InitApplication();
  /// TRUE: an application that sets nothing up still runs its loop (which
  /// ends at once without a main window).
  BOOL InitInstance() override;
  /// Quits at once when InitInstance left no main window.
  int Run() override;
  BOOL OnIdle(LONG lCount) override;
  int ExitInstance() override;
  /// Shows AfxMessageBox's text: owned by the safe owner, captioned with
  /// the application's name, with an icon chosen from the buttons when
  /// nType names none.
  virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

  HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
  HCURSOR LoadCursor(UINT nIDResource) const;
  HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const {
    return ::LoadCursor(NULL, lpszCursorName);
  }
  HICON LoadIcon(LPCTSTR lpszResourceName) const;
  HICON LoadIcon(UINT nIDResource) const;
  HICON LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIcon(NULL, lpszIconName); }

  // Application profile (WinAppProfile.cpp): the registry key
  // HKEY_CURRENT_USER\Software\<m_pszRegistryKey>\<m_pszProfileName> when a
  // registry key is set, else the INI file m_pszProfileName. Both strings
  // are owned (malloc'ed); replace them with free and _strdup.
  LPCTSTR m_pszRegistryKey = nullptr;
  LPCTSTR m_pszProfileName = nullptr;  // null: "<exe name>.INI"
  /// Moves the profile to the registry under this company name.
  void SetRegistryKey(LPCTSTR lpszRegistryKey);
  void SetRegistryKey(UINT nIDRegistryKey);
  /// The application's key (created when missing); the caller closes it.
  HKEY GetAppRegistryKey();
  /// Deletes the key strKeyName of hParentKey with all its subkeys and
  /// values; ERROR_SUCCESS, or the registry's error (a missing key:
  /// ERROR_FILE_NOT_FOUND).
  LONG DelRegTree(HKEY hParentKey, const CString& strKeyName);
  HKEY GetSectionKey(LPCTSTR lpszSection);
  virtual UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
  virtual BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
  virtual CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry,
                                   LPCTSTR lpszDefault = NULL);
  /// A null entry removes the section, a null value the entry.
  virtual BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
  /// *ppData is new[]'ed for the caller; FALSE (and null) when missing.
  virtual BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData,
                                UINT* pBytes);
  virtual BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData,
                                  UINT nBytes);
  /// 1 shows the wait cursor, -1 ends it, 0 shows it again after a change.
  virtual void DoWaitCursor(int nCode);

  // Document templates (WinAppDocTemplates.cpp) ------------------------------------
  /// Loads the template's resources and adds it to the application's list;
  /// the application deletes its templates when it goes.
  void AddDocTemplate(CDocTemplate* pTemplate);
  POSITION GetFirstDocTemplatePosition() const;
  /// The template at pos; pos moves on (null after the last).
  CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  /// ID_APP_EXIT: closes the main window, which ends the message loop.
  afx_msg void OnAppExit();

  /// The most recently used files, or null when the application keeps none;
  /// owned by the application (deleted with it).
  CRecentFileList* m_pRecentFileList = nullptr;

 private:
  friend BOOL AFXAPI AfxWinInit(HINSTANCE, HINSTANCE, LPTSTR, int);
  CString m_strAppName;  // storage of a name made from the executable's
  CPtrList m_templateList;
  void DeleteDocTemplates();
  /// Frees the owned profile strings when the application goes.
  struct ProfileStrings {
    CWinApp* pApp;
    ~ProfileStrings();
  } m_profileStrings{this};

  DECLARE_MESSAGE_MAP()
};

CWinThread* AFXAPI AfxGetThread();
/// Takes one message and dispatches it through the thread's
/// PreTranslateMessage (CWinThread::PumpMessage); FALSE on WM_QUIT.
BOOL AFXAPI AfxPumpMessage();
/// The main window of the current thread (or of the application), or null.
CWnd* AFXAPI AfxGetMainWnd();
void AFXAPI AfxPostQuitMessage(int nExitCode);
/// Records the instance and the command line in the module state and the
/// application object.
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                       int nCmdShow);
/// AfxWinInit, InitApplication, InitInstance, Run; the result is the exit code.
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

/// Shows the wait cursor for its lifetime, as BeginWaitCursor and
/// EndWaitCursor do; Restore shows it again after something (a dialog)
/// changed the cursor.
class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  void Restore();
};

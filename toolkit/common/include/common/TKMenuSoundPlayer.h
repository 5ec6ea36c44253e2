// The system's menu sounds, played on a thread of their own so that a click
// never waits for the sound system.
#pragma once

#include <afx.h>

/// Sound numbers of PlayMenuSound.
enum {
  TK_MENUSOUND_COMMAND = 1,  ///< "MenuCommand": a control was executed
  TK_MENUSOUND_POPUP = 2,    ///< "MenuPopup": a pop-up opened
};

/// The process-wide player (accessor TKMenuSoundPlayer()). Called on the UI
/// thread; the sound thread only receives requests through its queue.
class CTKMenuSoundPlayer {
 public:
  CTKMenuSoundPlayer();
  /// Stops the thread.
  ~CTKMenuSoundPlayer();

  void EnableSound(BOOL bEnable) { m_bEnabled = bEnable; }
  BOOL IsSoundEnabled() const { return m_bEnabled; }
  /// Nothing while sounds are off; otherwise starts the thread on first use
  /// (a thread that cannot start is tried again next time) and hands it the
  /// sound.
  void PlayMenuSound(int nSound);
  /// Asks the thread to end and waits for it at most 3 seconds.
  void StopThread();
  /// The running sound thread, null when none runs.
  HANDLE GetThreadHandle() const { return m_hThread; }

 private:
  BOOL StartThread();
  static DWORD WINAPI SoundThreadProc(LPVOID pParam);

  BOOL m_bEnabled;
  HANDLE m_hThread;
  HANDLE m_hStartedEvent;
  DWORD m_dwThreadId;
};

CTKMenuSoundPlayer* TKMenuSoundPlayer();

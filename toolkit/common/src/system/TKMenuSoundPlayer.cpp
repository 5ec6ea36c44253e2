// CTKMenuSoundPlayer: the sound thread and its requests.
#include "common/TKMenuSoundPlayer.h"

#include <mmsystem.h>

#include "common/TKSingletonPointer.h"

namespace {

const DWORD kThreadWaitMs = 3000;
const DWORD kPlayFlags = SND_ALIAS | SND_ASYNC | SND_NODEFAULT;

}  // namespace

CTKMenuSoundPlayer::CTKMenuSoundPlayer()
    : m_bEnabled(TRUE), m_hThread(NULL), m_hStartedEvent(NULL), m_dwThreadId(0) {}

CTKMenuSoundPlayer::~CTKMenuSoundPlayer() { StopThread(); }

void CTKMenuSoundPlayer::PlayMenuSound(int nSound) {
  if (!m_bEnabled) return;
  if (m_hThread == NULL && !StartThread()) return;
  ::PostThreadMessageA(m_dwThreadId, WM_USER, (WPARAM)nSound, 0);
}

BOOL CTKMenuSoundPlayer::StartThread() {
  m_hStartedEvent = ::CreateEventA(NULL, FALSE, FALSE, NULL);
  if (m_hStartedEvent == NULL) return FALSE;
  m_hThread = ::CreateThread(NULL, 0, SoundThreadProc, this, CREATE_SUSPENDED, &m_dwThreadId);
  if (m_hThread != NULL) {
    ::SetThreadPriority(m_hThread, THREAD_PRIORITY_BELOW_NORMAL);
    ::ResumeThread(m_hThread);
    // The queue must exist before the first request is posted to it.
    ::WaitForSingleObject(m_hStartedEvent, kThreadWaitMs);
  }
  ::CloseHandle(m_hStartedEvent);
  m_hStartedEvent = NULL;
  return m_hThread != NULL;
}

void CTKMenuSoundPlayer::StopThread() {
  if (m_hThread == NULL) return;
  ::PostThreadMessageA(m_dwThreadId, WM_QUIT, 0, 0);
  ::WaitForSingleObject(m_hThread, kThreadWaitMs);
  ::CloseHandle(m_hThread);
  m_hThread = NULL;
  m_dwThreadId = 0;
}

DWORD WINAPI CTKMenuSoundPlayer::SoundThreadProc(LPVOID pParam) {
  CTKMenuSoundPlayer* pPlayer = static_cast<CTKMenuSoundPlayer*>(pParam);
  MSG msg;
  ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE);
  ::SetEvent(pPlayer->m_hStartedEvent);
  while (::GetMessageA(&msg, NULL, 0, 0) > 0) {
    if (msg.message != WM_USER) continue;
    if (msg.wParam == TK_MENUSOUND_COMMAND)
      ::PlaySoundA("MenuCommand", NULL, kPlayFlags);
    else if (msg.wParam == TK_MENUSOUND_POPUP)
      ::PlaySoundA("MenuPopup", NULL, kPlayFlags);
  }
  ::PlaySoundA(NULL, NULL, SND_PURGE);
  return 0;
}

TK_IMPLEMENT_SINGLETON(CTKMenuSoundPlayer, TKMenuSoundPlayer)

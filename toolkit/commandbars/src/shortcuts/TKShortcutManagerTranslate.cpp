// CTKShortcutManager: key messages of the frame become commands, and the wait
// for the second key of a chord.
#include "commandbars/TKShortcutManager.h"

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKCommandBarsSystem.h"
#include "common/TKResourceManager.h"

namespace {

/// The prompt while a chord waits for its second key (res/TKCommandBarsKeys.rc).
const UINT kIdsChordWaiting = 9187;

BOOL IsKeyDown(int nVirtKey) { return (TKCommandBarsSystem()->GetKeyState(nVirtKey) & 0x8000) != 0; }

/// FCONTROL, FSHIFT and FALT as they are held now. AltGr arrives as the right
/// Alt with a left Ctrl the system adds: neither counts unless the right Ctrl
/// or the left Alt is held as well.
BYTE CurrentModifiers() {
  const BOOL bAltGr = IsKeyDown(VK_RMENU) && IsKeyDown(VK_LCONTROL);
  BYTE fVirt = 0;
  if (IsKeyDown(bAltGr ? VK_RCONTROL : VK_CONTROL)) fVirt |= FCONTROL;
  if (IsKeyDown(bAltGr ? VK_LMENU : VK_MENU)) fVirt |= FALT;
  if (IsKeyDown(VK_SHIFT)) fVirt |= FSHIFT;
  return fVirt;
}

BOOL IsKeyDownMessage(UINT message) { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }

BOOL KeyMatches(const TK_SHORTCUTMANAGER_KEY& key, const MSG& msg, BYTE fModifiers) {
  if (msg.wParam != key.key) return FALSE;
  const BOOL bVirtual = (key.fVirt & FVIRTKEY) != 0;
  if (bVirtual != IsKeyDownMessage(msg.message)) return FALSE;
  if (bVirtual && (key.fVirt & (FCONTROL | FSHIFT)) != (fModifiers & (FCONTROL | FSHIFT)))
    return FALSE;
  return (key.fVirt & FALT) == (fModifiers & FALT);
}

/// Messages after which the user has turned to something else than the chord.
BOOL EndsChord(UINT message) {
  switch (message) {
    case WM_ACTIVATE:
    case WM_CLOSE:
    case WM_NCACTIVATE:
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_LBUTTONDOWN:
      return TRUE;
    default:
      return FALSE;
  }
}

CFrameWnd* MessageBarFrame(CWnd* pSite) {
  CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pSite);
  return pFrame != nullptr && pFrame->GetMessageBar() != nullptr ? pFrame : nullptr;
}

}  // namespace

BOOL CTKShortcutManager::TranslateAccelerator(MSG* pMsg) {
  if (m_pCommandBars == nullptr || m_pCommandBars->IsCustomizeMode() || m_nDisableShortcuts > 0 ||
      m_pAccelTable->GetCount() == 0)
    return FALSE;
  if (pMsg->message != WM_KEYDOWN && pMsg->message != WM_CHAR && pMsg->message != WM_SYSKEYDOWN &&
      pMsg->message != WM_SYSCHAR)
    return FALSE;

  // The key state is read only once a key code matches: most keys are no
  // accelerator, and reading the state costs more than the whole search.
  int nModifiers = -1;
  const CTKShortcutManagerAccel* pFound = nullptr;
  for (int i = 0; i < m_pAccelTable->GetCount() && pFound == nullptr; ++i) {
    const CTKShortcutManagerAccel* pAccel = m_pAccelTable->GetAt(i);
    if (pAccel->key[0].key != pMsg->wParam) continue;
    if (nModifiers == -1) nModifiers = CurrentModifiers();
    if (KeyMatches(pAccel->key[0], *pMsg, static_cast<BYTE>(nModifiers))) pFound = pAccel;
  }
  if (pFound == nullptr) return FALSE;

  CWnd* pFrame = m_pCommandBars->GetSite();
  if (pFrame == nullptr || !pFrame->IsWindowEnabled()) return TRUE;
  if (m_bNotWhileCaptured && ::GetCapture() != NULL) return TRUE;
  if (pFrame->IsIconic() || pFrame->GetSafeHwnd() == NULL || pFound->cmd == 0) return TRUE;

  int nCmd = pFound->cmd;
  if (pFound->key[1].key != 0) {
    nCmd = WaitForChordKey(pFrame, pFound);
    if (nCmd == 0) return TRUE;
  }
  pFrame->SendMessage(WM_COMMAND, static_cast<WPARAM>(nCmd), 0);
  return TRUE;
}

int CTKShortcutManager::WaitForChordKey(CWnd* pFrame, const TK_SHORTCUTMANAGER_ACCEL* pFirst) {
  const HWND hFrame = pFrame->GetSafeHwnd();
  const TK_SHORTCUTMANAGER_KEY first = pFirst->key[0];
  if (CFrameWnd* pMessageFrame = MessageBarFrame(pFrame)) {
    CString strFormat, strPrompt;
    TKResourceManager()->LoadStringInto(strFormat, kIdsChordWaiting);
    CKeyHelper helper(pFirst, this);
    strPrompt.Format(strFormat, static_cast<LPCTSTR>(helper.FormatKey(0)));
    pMessageFrame->SetMessageText(strPrompt);
  }

  DisableShortcuts(TRUE);
  pFrame->SetCapture();
  int nCmd = 0;
  MSG msg;
  while (::GetCapture() == hFrame) {
    BOOL bGot = ::GetMessage(&msg, NULL, 0, 0);
    if (bGot == -1) break;
    if (!bGot) {
      // Whoever asked to quit still gets the message, with its exit code.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (IsKeyDownMessage(msg.message)) {
      if (msg.wParam >= VK_SHIFT && msg.wParam <= VK_MENU) continue;
      nCmd = FindChordCommand(first, msg);
      if (nCmd == 0) TKCommandBarsSystem()->MessageBeep(MB_ICONEXCLAMATION);
      break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
    if (EndsChord(msg.message)) break;
  }
  if (::GetCapture() == hFrame) ::ReleaseCapture();
  DisableShortcuts(FALSE);

  if (::IsWindow(hFrame)) {
    if (CFrameWnd* pMessageFrame = MessageBarFrame(pFrame)) pMessageFrame->SetMessageText(LPCTSTR(nullptr));
  }
  return nCmd;
}

int CTKShortcutManager::FindChordCommand(const TK_SHORTCUTMANAGER_KEY& first, const MSG& msg) const {
  const BYTE fModifiers = CurrentModifiers();
  for (int i = 0; i < m_pAccelTable->GetCount(); ++i) {
    const CTKShortcutManagerAccel* pAccel = m_pAccelTable->GetAt(i);
    if (pAccel->key[0].fVirt != first.fVirt || pAccel->key[0].key != first.key) continue;
    if (pAccel->key[1].key != 0 && KeyMatches(pAccel->key[1], msg, fModifiers)) return pAccel->cmd;
  }
  return 0;
}

// The mnemonic helpers the command bars and the ribbon share: where a
// caption's underlined letter is, and whether a key types a character.
#include "commandbars/TKShortcutManager.h"

#include <string.h>

#include <vector>

#include "commandbars/TKCommandBarsSystem.h"

int AFX_CDECL FindMnemonicPos(const CString& strCaption) {
  for (int i = 0; i < strCaption.GetLength(); ++i) {
    if (strCaption[i] != '&') continue;
    if (i + 1 < strCaption.GetLength() && strCaption[i + 1] == '&') {
      ++i;  // "&&" is a literal ampersand
      continue;
    }
    return i;
  }
  return -1;
}

TCHAR AFX_CDECL GetMnemonicChar(const CString& strCaption) {
  const int nPos = FindMnemonicPos(strCaption);
  return nPos >= 0 && nPos + 1 < strCaption.GetLength() ? strCaption[nPos + 1] : 0;
}

BOOL AFX_CDECL IsKeyForMnemonic(UINT nVirtKey, TCHAR ch) {
  const UINT nChar = ::MapVirtualKeyA(nVirtKey, 2) & 0xFFFF;
  if (ch == 0 || nChar == 0 || nChar > 0xFF) return FALSE;
  char pair[2] = {static_cast<char>(ch), static_cast<char>(nChar)};
  ::CharUpperBuffA(pair, 2);
  return pair[0] == pair[1];
}

TCHAR AFX_CDECL ToUpperChar(TCHAR ch) {
  TCHAR sz[2] = {ch, 0};
  ::CharUpperA(sz);
  return sz[0];
}

namespace {

/// The character the key types in the layout with the keyboard state, 0 when
/// it types none or more than one.
int TypedChar(UINT nVirtKey, const BYTE* pState, HKL hkl) {
  WORD chars[2] = {0, 0};
  UINT nScan = ::MapVirtualKeyExA(nVirtKey, 0, hkl);
  return ::ToAsciiEx(nVirtKey, nScan, pState, chars, 0, hkl) == 1 ? (chars[0] & 0xFF) : 0;
}

}  // namespace

BOOL AFX_CDECL IsVirtualKeyForChar(int ch, UINT nVirtKey) {
  if (nVirtKey >= VK_NUMPAD0 && nVirtKey <= VK_NUMPAD9)
    return ch == static_cast<int>('0' + nVirtKey - VK_NUMPAD0);
  if (::MapVirtualKeyA(nVirtKey, 2) == 0) return FALSE;
  const int chUpper = static_cast<BYTE>(ToUpperChar(static_cast<TCHAR>(ch)));
  if (ch == static_cast<int>(nVirtKey) || chUpper == static_cast<int>(nVirtKey)) return TRUE;

  int nLayouts = ::GetKeyboardLayoutList(0, nullptr);
  std::vector<HKL> layouts(nLayouts > 0 ? nLayouts : 0);
  if (nLayouts > 0) nLayouts = ::GetKeyboardLayoutList(nLayouts, layouts.data());
  BYTE state[256];
  if (!TKCommandBarsSystem()->GetKeyboardState(state)) return FALSE;
  BYTE shifted[256];
  memcpy(shifted, state, sizeof(state));
  shifted[VK_SHIFT] = 0x81;
  for (int i = 0; i < nLayouts; ++i) {
    const BYTE* states[] = {state, shifted};
    for (const BYTE* pState : states) {
      int chTyped = TypedChar(nVirtKey, pState, layouts[i]);
      if (chTyped == 0) continue;
      if (chTyped == ch || static_cast<BYTE>(ToUpperChar(static_cast<TCHAR>(chTyped))) == chUpper)
        return TRUE;
    }
  }
  return FALSE;
}

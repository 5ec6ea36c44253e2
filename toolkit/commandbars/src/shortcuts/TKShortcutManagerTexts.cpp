// CTKShortcutManager: key names, accelerators as texts, and texts back into keys.
#include <stdio.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKShortcutManager.h"

// Key names -----------------------------------------------------------------------------

CString CTKShortcutManager::GetTableKeyName(UINT nCode) const {
  CString strName;
  if (nCode <= 0xFFFF) m_mapKeyNames.Lookup(static_cast<WORD>(nCode), strName);
  return strName;
}

CString CTKShortcutManager::GetSystemKeyName(UINT nCode) const {
  if (nCode == VK_CANCEL) return CString();
  UINT nScan = ::MapVirtualKeyExA(nCode, 0, ::GetKeyboardLayout(0));
  LONG lParam = static_cast<LONG>((nScan & 0xFF) << 16) | 1;
  if (nCode >= VK_PRIOR && nCode <= VK_HELP) lParam |= 1 << 24;  // the extended keys
  char szName[50] = "";
  if (::GetKeyNameTextA(lParam, szName, sizeof(szName)) <= 0) return CString();
  CString strName(szName);
  strName.MakeLower();
  for (int i = 0; i < strName.GetLength(); ++i) {
    if (::IsCharLowerA(strName[i])) {
      strName.SetAt(i, ToUpperChar(strName[i]));
      break;
    }
  }
  return strName;
}

CString CTKShortcutManager::GetKeyName(UINT nCode) {
  CString strName;
  if (m_bUseSystemKeyNameText) strName = GetSystemKeyName(nCode);
  if (strName.IsEmpty()) strName = GetTableKeyName(nCode);
  if (strName.IsEmpty() && !m_bUseSystemKeyNameText) strName = GetSystemKeyName(nCode);
  return strName;
}

// Texts -----------------------------------------------------------------------------------

CTKShortcutManager::CKeyHelper::CKeyHelper(const TK_SHORTCUTMANAGER_ACCEL* pAccel,
                                           const CTKShortcutManager* pManager)
    : m_pAccel(pAccel), m_pManager(pManager), m_bUseManagerNames(TRUE) {}

CString CTKShortcutManager::CKeyHelper::KeyName(WORD nCode) const {
  CString strName;
  if (m_bUseManagerNames && m_pManager != nullptr)
    strName = const_cast<CTKShortcutManager*>(m_pManager)->GetKeyName(nCode);
  else if (m_pManager != nullptr)
    strName = m_pManager->GetTableKeyName(nCode);
  if (strName.IsEmpty()) strName.Format("0x%x", nCode);
  return strName;
}

CString CTKShortcutManager::CKeyHelper::FormatKey(int nKey) const {
  const TK_SHORTCUTMANAGER_KEY& key = m_pAccel->key[nKey];
  CString str;
  if (key.key != VK_CANCEL) {  // "Ctrl+Break" names its modifier already
    const struct {
      BYTE fFlag;
      WORD nCode;
    } modifiers[] = {{FCONTROL, VK_CONTROL}, {FSHIFT, VK_SHIFT}, {FALT, VK_MENU}, {TKFWIN, VK_LWIN}};
    for (const auto& modifier : modifiers)
      if (key.fVirt & modifier.fFlag) str += KeyName(modifier.nCode) + "+";
  }
  if (key.key == 0) {
    // Modifiers alone: no key to name, and no "+" waiting for one.
    if (!str.IsEmpty()) str.Delete(str.GetLength() - 1);
  } else if (key.fVirt & FVIRTKEY) {
    str += KeyName(key.key);
  } else if (key.key >= 1 && key.key <= 26 && key.fVirt == FNOINVERT) {
    str += KeyName(VK_CONTROL) + "+" + static_cast<TCHAR>(key.key + 64);
  } else if (key.key != VK_ESCAPE && key.key != VK_TAB) {
    str += static_cast<TCHAR>(key.key);
  }
  return str;
}

void CTKShortcutManager::CKeyHelper::Format(CString& str) const {
  str = FormatKey(0);
  if (m_pAccel->key[1].key == 0) return;
  CString strSecond = FormatKey(1);
  if (!strSecond.IsEmpty()) str += ", " + strSecond;
}

CString CTKShortcutManager::FormatAccelerator(const TK_SHORTCUTMANAGER_ACCEL* pAccel,
                                              int* pnPriority) {
  CString str;
  CKeyHelper(pAccel, this).Format(str);
  if (pnPriority != nullptr) {
    const BYTE fVirt = pAccel->key[0].fVirt;
    *pnPriority = !(fVirt & (FCONTROL | FALT | FSHIFT)) ? 4
                  : (fVirt & FCONTROL)                  ? 3
                  : (fVirt & FALT)                      ? 2
                                                        : 1;
  }
  return str;
}

BOOL CTKShortcutManager::FindDefaultAccelerator(int nCmd, CString& strShortcut) {
  // While the active table is empty and no original table stands behind it,
  // the frame's own resource table still tells the shortcuts.
  CTKShortcutManagerAccelTable frameTable(this);
  const CTKShortcutManagerAccelTable* pTable = m_pAccelTable;
  if (m_pAccelTable->GetCount() == 0) {
    if (m_pOriginalAccelTable != nullptr) return FALSE;
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, m_pCommandBars != nullptr
                                                        ? m_pCommandBars->GetSite()
                                                        : nullptr);
    if (pFrame == nullptr || pFrame->m_hAccelTable == NULL) return FALSE;
    int nCount = ::CopyAcceleratorTableA(pFrame->m_hAccelTable, nullptr, 0);
    CArray<ACCEL, ACCEL&> accels;
    accels.SetSize(nCount);
    ::CopyAcceleratorTableA(pFrame->m_hAccelTable, accels.GetData(), nCount);
    for (int i = 0; i < nCount; ++i) frameTable.Add(new CTKShortcutManagerAccel(accels[i]));
    pTable = &frameTable;
  }
  CString strBest;
  int nBestPriority = 0;
  BOOL bFound = FALSE;
  for (int i = 0; i < pTable->GetCount(); ++i) {
    const CTKShortcutManagerAccel* pAccel = pTable->GetAt(i);
    if (pAccel->cmd != nCmd) continue;
    int nPriority = 0;
    CString strText = FormatAccelerator(pAccel, &nPriority);
    if (!strShortcut.IsEmpty() && strText == strShortcut) return TRUE;
    if (!bFound || nPriority > nBestPriority) {
      strBest = strText;
      nBestPriority = nPriority;
    }
    bFound = TRUE;
  }
  strShortcut = strBest;
  return bFound;
}

// Parsing -----------------------------------------------------------------------------------

BOOL CTKShortcutManager::ParseKey(CString strKey, BYTE& fVirt, WORD& nCode) const {
  fVirt = FVIRTKEY;
  nCode = 0;
  const struct {
    WORD nCode;
    BYTE fFlag;
  } modifiers[] = {{VK_CONTROL, FCONTROL}, {VK_MENU, FALT}, {VK_SHIFT, FSHIFT}};
  for (const auto& modifier : modifiers) {
    CString strPrefix = GetTableKeyName(modifier.nCode) + "+";
    int nPos = strKey.Find(strPrefix);
    if (nPos == -1) continue;
    strKey.Delete(nPos, strPrefix.GetLength());
    fVirt |= modifier.fFlag;
  }
  for (UINT nKey = 1; nKey <= 0xFF && nCode == 0; ++nKey) {
    CString strName;
    if (m_mapKeyNames.Lookup(static_cast<WORD>(nKey), strName) &&
        strName.CompareNoCase(strKey) == 0)
      nCode = static_cast<WORD>(nKey);
  }
  if (nCode == 0 && strKey.GetLength() > 3 && strKey.Left(2) == "0x") {
    unsigned short nHex = 0;
    if (sscanf(strKey, "0x%hx", &nHex) == 1) nCode = nHex;
  }
  return nCode != 0;
}

BOOL CTKShortcutManager::ParseShortcut(CString strShortcut, TK_SHORTCUTMANAGER_ACCEL* pAccel) const {
  pAccel->key[0].bPad = pAccel->key[1].bPad = 0;
  int nComma = strShortcut.Find(", ");
  if (nComma == -1) {
    pAccel->key[1].fVirt = 0;
    pAccel->key[1].key = 0;
    return ParseKey(strShortcut, pAccel->key[0].fVirt, pAccel->key[0].key);
  }
  return ParseKey(strShortcut.Left(nComma), pAccel->key[0].fVirt, pAccel->key[0].key) &&
         ParseKey(strShortcut.Mid(nComma + 2), pAccel->key[1].fVirt, pAccel->key[1].key);
}

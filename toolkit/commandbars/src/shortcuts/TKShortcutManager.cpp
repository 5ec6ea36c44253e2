// CTKShortcutManager: the tables, the key names, and accelerators as texts and back.
#include "commandbars/TKShortcutManager.h"

#include <stdio.h>

#include "commandbars/TKCommandBars.h"

namespace {

struct KeyName {
  WORD nCode;
  LPCTSTR pszName;
};

// Digits and letters are named by themselves; F1-F12 and Num 0-9 are counted.
const KeyName kKeyNames[] = {
    {1, "Left Button"}, {2, "Right Button"}, {3, "Ctrl+Break"}, {4, "Middle Button"},
    {8, "Backspace"},   {9, "Tab"},          {12, "Clear"},     {13, "Enter"},
    {16, "Shift"},      {17, "Ctrl"},        {18, "Alt"},       {19, "Pause"},
    {20, "Caps Lock"},  {27, "Esc"},         {32, "Space"},     {33, "Page Up"},
    {34, "Page Down"},  {35, "End"},         {36, "Home"},      {37, "Left Arrow"},
    {38, "Up Arrow"},   {39, "Right Arrow"}, {40, "Down Arrow"}, {41, "Select"},
    {42, "Print"},      {43, "Execute"},     {44, "Snapshot"},  {45, "Ins"},
    {46, "Del"},        {47, "Help"},        {91, "Win"},       {92, "Win"},
    {93, "Application"}, {106, "Num *"},     {107, "Num +"},    {108, "Separator"},
    {109, "Num -"},     {110, "Num ."},      {111, "Num /"},    {144, "Num Lock"},
    {145, "Scrl Lock"}, {246, "Attn"},       {247, "Crsel"},    {248, "Exsel"},
    {249, "Ereof"},     {250, "Play"},       {251, "Zoom"},     {252, "No Name"},
    {253, "Pa1"},       {254, "Oem Clear"},
};

}  // namespace

// Accelerators and their table -----------------------------------------------------------

CTKShortcutManagerAccel::CTKShortcutManagerAccel(const ACCEL& accel) : m_pManager(nullptr) {
  cmd = accel.cmd;
  key[0].fVirt = accel.fVirt;
  key[0].bPad = 0;
  key[0].key = accel.key;
  key[1] = TK_SHORTCUTMANAGER_KEY();
}

CTKShortcutManagerAccel::CTKShortcutManagerAccel(const TK_SHORTCUTMANAGER_ACCEL& accel)
    : TK_SHORTCUTMANAGER_ACCEL(accel), m_pManager(nullptr) {}

void CTKShortcutManagerAccelTable::Add(CTKShortcutManagerAccel* pAccel) {
  pAccel->m_pManager = m_pManager;
  m_accels.Add(pAccel);
}

void CTKShortcutManagerAccelTable::RemoveAll() {
  for (INT_PTR i = 0; i < m_accels.GetSize(); ++i) m_accels[i]->InternalRelease();
  m_accels.RemoveAll();
}

void CTKShortcutManagerAccelTable::CopyAccelerators(const CTKShortcutManagerAccelTable* pSource) {
  if (pSource == this) return;
  RemoveAll();
  for (int i = 0; i < pSource->GetCount(); ++i)
    Add(new CTKShortcutManagerAccel(
        static_cast<const TK_SHORTCUTMANAGER_ACCEL&>(*pSource->GetAt(i))));
}

void CTKShortcutManagerAccelTable::SwapAccelerators(CTKShortcutManagerAccelTable& other) {
  CArray<CTKShortcutManagerAccel*, CTKShortcutManagerAccel*> held;
  held.Copy(m_accels);
  m_accels.Copy(other.m_accels);
  other.m_accels.Copy(held);
  for (INT_PTR i = 0; i < m_accels.GetSize(); ++i) m_accels[i]->m_pManager = m_pManager;
  for (INT_PTR i = 0; i < other.m_accels.GetSize(); ++i)
    other.m_accels[i]->m_pManager = other.m_pManager;
}

// The manager ------------------------------------------------------------------------------

CTKShortcutManager::CTKShortcutManager(CTKCommandBars* pCommandBars)
    : m_bAllowEscapeShortcut(FALSE),
      m_bUseSystemKeyNameText(FALSE),
      m_nDisableShortcuts(0),
      m_bNotWhileCaptured(TRUE),
      m_pAccelTable(new CTKShortcutManagerAccelTable(this)),
      m_pOriginalAccelTable(nullptr),
      m_pCommandBars(pCommandBars) {
  m_mapKeyNames.InitHashTable(17);
  FillKeyNames();
}

CTKShortcutManager::~CTKShortcutManager() {
  delete m_pAccelTable;
  delete m_pOriginalAccelTable;
}

void CTKShortcutManager::FillKeyNames() {
  for (TCHAR ch = '0'; ch <= '9'; ++ch) m_mapKeyNames.SetAt(ch, CString(ch));
  for (TCHAR ch = 'A'; ch <= 'Z'; ++ch) m_mapKeyNames.SetAt(ch, CString(ch));
  for (const KeyName& name : kKeyNames) m_mapKeyNames.SetAt(name.nCode, name.pszName);
  CString strName;
  for (int i = 0; i < 12; ++i) {
    strName.Format("F%d", i + 1);
    m_mapKeyNames.SetAt(static_cast<WORD>(VK_F1 + i), strName);
  }
  for (int i = 0; i < 10; ++i) {
    strName.Format("Num %d", i);
    m_mapKeyNames.SetAt(static_cast<WORD>(VK_NUMPAD0 + i), strName);
  }
}

void CTKShortcutManager::SetAccelerators(HACCEL hAccelTable) {
  int nCount = hAccelTable != NULL ? ::CopyAcceleratorTableA(hAccelTable, nullptr, 0) : 0;
  CArray<ACCEL, ACCEL&> accels;
  accels.SetSize(nCount);
  if (nCount > 0) ::CopyAcceleratorTableA(hAccelTable, accels.GetData(), nCount);
  if (m_pOriginalAccelTable == nullptr)
    m_pOriginalAccelTable = new CTKShortcutManagerAccelTable(this);
  m_pOriginalAccelTable->RemoveAll();
  for (int i = 0; i < nCount; ++i) m_pOriginalAccelTable->Add(new CTKShortcutManagerAccel(accels[i]));
  m_pAccelTable->CopyAccelerators(m_pOriginalAccelTable);
}

void CTKShortcutManager::ResetAccelerators() {
  if (m_pOriginalAccelTable != nullptr) m_pAccelTable->CopyAccelerators(m_pOriginalAccelTable);
}

int CTKShortcutManager::DisableShortcuts(BOOL bDisable) {
  m_nDisableShortcuts += bDisable ? 1 : -1;
  return bDisable ? 1 : -1;
}

BOOL CTKShortcutManager::IsAcceptedAccelerator(const TK_SHORTCUTMANAGER_ACCEL* pAccel) {
  const BOOL bPlainEscape = pAccel->key[0].fVirt == FVIRTKEY && pAccel->key[0].key == VK_ESCAPE;
  return !bPlainEscape || m_bAllowEscapeShortcut;
}

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

// CTKShortcutManager: its tables, the key-name table, the lock and the Escape rule.
#include "commandbars/TKShortcutManager.h"

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

// The keyboard accelerators of one command-bars object: one key or a two-key
// chord per command, turned into WM_COMMAND for the site frame, formatted as
// the shortcut texts beside menu items and tooltips, parsed back, and kept in
// the application profile or a property exchange.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

class CTKCommandBars;
class CTKPropExchange;
class CTKShortcutManager;

/// The Windows key's modifier bit beside FSHIFT, FCONTROL and FALT.
#define TKFWIN 0x20

/// One key of an accelerator: flags (FVIRTKEY, FNOINVERT, FSHIFT, FCONTROL,
/// FALT, TKFWIN) and the virtual-key code, or the character when FVIRTKEY is
/// clear. The padding byte is kept as it was read.
struct TK_SHORTCUTMANAGER_KEY {
  BYTE fVirt;
  BYTE bPad;
  WORD key;
};

/// One accelerator, 12 bytes: the record of the profile and of the exchange
/// blob as well. A second key with code 0 means a one-key accelerator.
struct TK_SHORTCUTMANAGER_ACCEL {
  int cmd;
  TK_SHORTCUTMANAGER_KEY key[2];
};
static_assert(sizeof(TK_SHORTCUTMANAGER_ACCEL) == 12, "the stored record is 12 bytes");

class CTKShortcutManagerAccel : public CCmdTarget, public TK_SHORTCUTMANAGER_ACCEL {
 public:
  /// The Windows accelerator as the first key; the second key is empty.
  CTKShortcutManagerAccel(const ACCEL& accel);
  CTKShortcutManagerAccel(const TK_SHORTCUTMANAGER_ACCEL& accel);

  CTKShortcutManager* m_pManager;
};

/// The owned accelerators of a manager, in order; each added one gets the
/// table's manager.
class CTKShortcutManagerAccelTable {
 public:
  explicit CTKShortcutManagerAccelTable(CTKShortcutManager* pManager) : m_pManager(pManager) {}
  ~CTKShortcutManagerAccelTable() { RemoveAll(); }
  CTKShortcutManagerAccelTable(const CTKShortcutManagerAccelTable&) = delete;
  CTKShortcutManagerAccelTable& operator=(const CTKShortcutManagerAccelTable&) = delete;

  int GetCount() const { return static_cast<int>(m_accels.GetSize()); }
  CTKShortcutManagerAccel* GetAt(int nIndex) const { return m_accels[nIndex]; }
  /// Takes over the accelerator (its one reference).
  void Add(CTKShortcutManagerAccel* pAccel);
  void RemoveAll();
  /// Copies of the other table's accelerators replace this one's.
  void CopyAccelerators(const CTKShortcutManagerAccelTable* pSource);
  /// Swaps the accelerators (not the manager) with another table.
  void SwapAccelerators(CTKShortcutManagerAccelTable& other);

 private:
  CArray<CTKShortcutManagerAccel*, CTKShortcutManagerAccel*> m_accels;
  CTKShortcutManager* m_pManager;
};

class CTKShortcutManager : public CCmdTarget {
 public:
  /// Formats one accelerator. Saved texts use the fixed key-name table only,
  /// so that they do not depend on the keyboard driver's language.
  class CKeyHelper {
   public:
    CKeyHelper(const TK_SHORTCUTMANAGER_ACCEL* pAccel, const CTKShortcutManager* pManager);
    /// Rule of one key: modifiers, then the key; "Ctrl+K, Ctrl+D" for a chord.
    void Format(CString& str) const;
    /// The text of one key of the accelerator (0 or 1).
    CString FormatKey(int nKey) const;
    void UseManagerNames(BOOL bUse) { m_bUseManagerNames = bUse; }

   private:
    CString KeyName(WORD nCode) const;

    const TK_SHORTCUTMANAGER_ACCEL* m_pAccel;
    const CTKShortcutManager* m_pManager;
    BOOL m_bUseManagerNames;
  };

  explicit CTKShortcutManager(CTKCommandBars* pCommandBars);
  ~CTKShortcutManager() override;

  /// Whether the id has an accelerator. The text becomes the one to show: it
  /// stays when it already is one of the id's texts, else the text of the
  /// highest priority; empty without any.
  virtual BOOL FindDefaultAccelerator(int nCmd, CString& strShortcut);
  /// The accelerator's text; *pnPriority: 4 without modifiers, else 3 with
  /// Ctrl, 2 with Alt, 1 with Shift.
  virtual CString FormatAccelerator(const TK_SHORTCUTMANAGER_ACCEL* pAccel, int* pnPriority);
  /// The name of a key: the keyboard driver's or the key-name table's, in the
  /// order the system-names flag says.
  virtual CString GetKeyName(UINT nCode);
  /// FALSE only for a plain Escape while Escape is not allowed.
  virtual BOOL IsAcceptedAccelerator(const TK_SHORTCUTMANAGER_ACCEL* pAccel);
  virtual BOOL OnBeforeTranslate(MSG*) { return 0; }
  virtual BOOL OnAfterTranslate(MSG*) { return 0; }
  /// Raises (TRUE) or lowers the lock count; +1 or -1.
  virtual int DisableShortcuts(BOOL bDisable);
  /// TRUE when the key message was consumed: its command was sent to the
  /// site, a chord ran, or nothing was to run for a matching key.
  virtual BOOL TranslateAccelerator(MSG* pMsg);
  /// The table through a property exchange. A load that does not read
  /// leaves the table as it was.
  virtual void DoPropExchange(CTKPropExchange* pPX);
  virtual CTKShortcutManagerAccelTable* GetAccelerators() const { return m_pAccelTable; }
  /// The active table becomes a copy of the original one, when there is one.
  virtual void ResetAccelerators();

  /// The Windows table as both the original and the active accelerators (a
  /// frame's resource table). Without an original table nothing is saved or
  /// loaded through the profile.
  void SetAccelerators(HACCEL hAccelTable);
  BOOL HasOriginalAccelerators() const { return m_pOriginalAccelTable != nullptr; }
  CTKShortcutManagerAccelTable* GetOriginalAccelerators() const { return m_pOriginalAccelTable; }

  /// "Accelerators" (12-byte records) and "AcceleratorsVersion" 1 in the
  /// profile section; nothing without an original table.
  void SaveShortcuts(LPCTSTR lpszProfileName);
  /// Version 1: 12-byte records; version 0 or none: 6-byte ACCEL records;
  /// another version or a value that does not read: nothing.
  void LoadShortcuts(LPCTSTR lpszProfileName);

  /// "Ctrl+K, Ctrl+D" back into an accelerator's keys; TRUE when every part parsed.
  BOOL ParseShortcut(CString strShortcut, TK_SHORTCUTMANAGER_ACCEL* pAccel) const;
  /// One key's text; flags start as FVIRTKEY. TRUE for a non-zero code.
  BOOL ParseKey(CString strKey, BYTE& fVirt, WORD& nCode) const;
  /// The key-name table's name, empty when it has none.
  CString GetTableKeyName(UINT nCode) const;

  BOOL IsEscapeAllowed() const { return m_bAllowEscapeShortcut; }
  void AllowEscapeShortcut(BOOL bAllow) { m_bAllowEscapeShortcut = bAllow; }
  void UseSystemKeyNameText(BOOL bSystemFirst) { m_bUseSystemKeyNameText = bSystemFirst; }
  BOOL IsLocked() const { return m_nDisableShortcuts > 0; }
  /// Whether a key found while a window holds the mouse capture is swallowed.
  void SetNotWhileCaptured(BOOL bSwallow) { m_bNotWhileCaptured = bSwallow; }
  CTKCommandBars* GetCommandBars() const { return m_pCommandBars; }

 protected:
  BOOL m_bAllowEscapeShortcut;
  BOOL m_bUseSystemKeyNameText;
  int m_nDisableShortcuts;
  BOOL m_bNotWhileCaptured;
  CTKShortcutManagerAccelTable* m_pAccelTable;
  CTKShortcutManagerAccelTable* m_pOriginalAccelTable;
  CTKCommandBars* m_pCommandBars;
  CMap<WORD, WORD, CString, LPCTSTR> m_mapKeyNames;

 private:
  void FillKeyNames();
  /// The driver's name of a key, empty when it has none.
  CString GetSystemKeyName(UINT nCode) const;
  /// Waits for the second key of the chord that `pFirst` starts; the command
  /// to run, 0 for none.
  int WaitForChordKey(CWnd* pFrame, const TK_SHORTCUTMANAGER_ACCEL* pFirst);
  /// The chord's second key, searched from the table's start; 0 for none.
  int FindChordCommand(const TK_SHORTCUTMANAGER_KEY& first, const MSG& msg) const;
  /// Replaces the active table with the records, or with Windows ACCELs.
  void LoadRecords(const BYTE* pData, UINT nCount, BOOL bAccelRecords);
  BOOL ExchangeBlob(CTKPropExchange* pPX, BOOL bAccelRecords);
  void ExchangeSections(CTKPropExchange* pPX, BOOL bOldSchema);
};

/// The position of the first ampersand that is not doubled, -1 for none.
int AFX_CDECL FindMnemonicPos(const CString& strCaption);
/// The character after that ampersand, 0 when there is none or it ends the text.
TCHAR AFX_CDECL GetMnemonicChar(const CString& strCaption);
/// Whether the key types `ch` in the code page, upper or lower case alike.
BOOL AFX_CDECL IsKeyForMnemonic(UINT nVirtKey, TCHAR ch);
/// Whether pressing the virtual key types the character, in any installed
/// keyboard layout, with Shift or without.
BOOL AFX_CDECL IsVirtualKeyForChar(int ch, UINT nVirtKey);
/// One character upper-cased by the system.
TCHAR AFX_CDECL ToUpperChar(TCHAR ch);

// CMenu: a menu handle with the menu API as members.
#pragma once

#include "afx.h"

class CWnd;
class CBitmap;

/// A menu. The object owns the menu it created, loaded or attached and
/// destroys it with itself; menus from FromHandle and GetSubMenu are
/// temporary wrappers (deleted at idle time) unless the menu has an owner.
class CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)

 public:
  CMenu();
  /// Destroys the owned menu.
  ~CMenu() override;

  HMENU m_hMenu;

  /// Null for a null object too (the layer's users are built with
  /// -fno-delete-null-pointer-checks, so the test stays).
  HMENU GetSafeHmenu() const { return this == nullptr ? nullptr : m_hMenu; }
  operator HMENU() const { return m_hMenu; }
  bool operator==(const CMenu& menu) const { return menu.m_hMenu == m_hMenu; }
  bool operator!=(const CMenu& menu) const { return menu.m_hMenu != m_hMenu; }

  /// The owner of hMenu on this thread, else a temporary object; null for null.
  static CMenu* PASCAL FromHandle(HMENU hMenu);
  /// Deletes the calling thread's temporary menu objects (not the menus).
  static void PASCAL DeleteTempMap();
  /// Makes this object the owner of hMenu; FALSE for a null handle.
  BOOL Attach(HMENU hMenu);
  /// Gives up ownership; the menu stays alive.
  HMENU Detach();

  BOOL CreateMenu() { return Attach(::CreateMenu()); }
  BOOL CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
  /// From the module that holds the menu resource (AfxFindResourceHandle).
  BOOL LoadMenu(LPCTSTR lpszResourceName);
  BOOL LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCE(nIDResource)); }
  BOOL LoadMenuIndirect(const void* lpMenuTemplate) {
    return Attach(::LoadMenuIndirect(lpMenuTemplate));
  }
  /// Detaches and destroys the menu; FALSE when there is none.
  BOOL DestroyMenu();

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL) {
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
  }
  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                  LPCTSTR lpszNewItem = NULL) {
    return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
  }
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                  LPCTSTR lpszNewItem = NULL) {
    return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
  }
  /// Takes the item out; a sub-menu stays alive.
  BOOL RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }
  /// Takes the item out and destroys its sub-menu.
  BOOL DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }

  /// Each returns the previous state, or -1 (as UINT) when there is no such item.
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
  }
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
  }
  BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
  }
  BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE) {
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
  }
  UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE) {
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
  }
  BOOL SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                          const CBitmap* pBmpChecked);

  UINT GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
  /// The command id of the item at nPos; 0 for a separator, -1 (as UINT) for a sub-menu.
  UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
  UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
  int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
    return ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
  }
  /// The whole text of the item, however long; returns its length.
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE) {
    return ::GetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
  }
  BOOL SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE) {
    return ::SetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
  }
  BOOL InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE) {
    return ::InsertMenuItem(m_hMenu, uItem, fByPos, lpMenuItemInfo);
  }
  /// A temporary object of the sub-menu at nPos, null when the item has none.
  CMenu* GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

  /// Shows the menu at (x, y) in screen coordinates, owned by pWnd. With
  /// TPM_RETURNCMD returns the chosen command (0 for none).
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = NULL);
  BOOL TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm);

  /// Owner-drawn items are drawn and measured by a derived class.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
};

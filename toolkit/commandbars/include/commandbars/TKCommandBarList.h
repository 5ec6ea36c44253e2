// Lists of bars that hold a reference to each bar: the command bars' context
// menus, and the bar lists that layouts are saved and loaded through.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

class CTKCommandBar;
class CTKCommandBars;
class CTKPopupBar;

class CTKCommandBarList : public CCmdTarget {
 public:
  CTKCommandBarList() = default;
  ~CTKCommandBarList() override;

  /// Appends the bar; the list takes over the caller's reference.
  void Add(CTKCommandBar* pBar);
  int GetCount() const { return static_cast<int>(m_arrBars.GetSize()); }
  /// Null out of range.
  CTKCommandBar* GetAt(int nIndex) const;
  BOOL Contains(const CTKCommandBar* pBar) const;
  /// The first bar with that bar id, or null.
  CTKCommandBar* FindCommandBar(UINT nBarId) const;
  /// Releases every bar and empties the list.
  void RemoveAll();

 protected:
  CArray<CTKCommandBar*, CTKCommandBar*> m_arrBars;
};

/// The pop-up bars a frame shows as context menus; owned by its command bars.
class CTKCommandBarsContextMenus : public CTKCommandBarList {
 public:
  explicit CTKCommandBarsContextMenus(CTKCommandBars* pCommandBars)
      : m_pCommandBars(pCommandBars) {}

  /// Appends the pop-up (taking over the caller's reference) and marks it as
  /// a context menu.
  void Add(CTKPopupBar* pPopup);
  CTKCommandBars* GetCommandBars() const { return m_pCommandBars; }

 private:
  CTKCommandBars* m_pCommandBars;
};

// One tab of the ribbon: a tab-strip item that owns the groups shown while it
// is selected, and may belong to a contextual set whose coloured header spans
// the adjacent tabs of the set in the caption band.
#pragma once

#include <vector>

#include "tabs/TKTabManagerItem.h"

class CTKCommandBar;
class CTKPropExchange;
class CTKRibbonBar;
class CTKRibbonGroup;
class CTKRibbonGroups;
class CTKRibbonTab;

/// Context colours of tabs: 0 ordinary, 1..7 the contextual colours.
enum TKRibbonTabContextColor {
  tkRibbonTabContextColorNone = 0,
  tkRibbonTabContextColorBlue,
  tkRibbonTabContextColorYellow,
  tkRibbonTabContextColorGreen,
  tkRibbonTabContextColorRed,
  tkRibbonTabContextColorPurple,
  tkRibbonTabContextColorCyan,
  tkRibbonTabContextColorOrange
};

/// One run of adjacent visible tabs of the same context caption and colour.
struct CTKRibbonTabContextHeader {
  CTKRibbonTab* m_pFirstTab = nullptr;
  CTKRibbonTab* m_pLastTab = nullptr;
  CString m_strCaption;
  int m_nColor = 0;
  /// In the bar's client coordinates.
  CRect m_rcHeader;
};

/// The bar's header records; it owns them.
class CTKRibbonTabContextHeaders {
 public:
  CTKRibbonTabContextHeaders() = default;
  ~CTKRibbonTabContextHeaders() { RemoveAll(); }
  CTKRibbonTabContextHeaders(const CTKRibbonTabContextHeaders&) = delete;
  CTKRibbonTabContextHeaders& operator=(const CTKRibbonTabContextHeaders&) = delete;

  int GetCount() const { return static_cast<int>(m_arrHeaders.size()); }
  /// Throws the invalid-argument exception outside 0..count-1.
  CTKRibbonTabContextHeader* GetAt(int nIndex) const;
  /// Takes ownership.
  void Add(CTKRibbonTabContextHeader* pHeader) { m_arrHeaders.push_back(pHeader); }
  void RemoveAll();
  /// The first header whose rectangle holds the point, null when none.
  CTKRibbonTabContextHeader* HitTest(CPoint point) const;

 private:
  std::vector<CTKRibbonTabContextHeader*> m_arrHeaders;
};

class CTKRibbonTab : public CTKTabManagerItem {
  DECLARE_DYNCREATE(CTKRibbonTab)

 public:
  CTKRibbonTab();
  ~CTKRibbonTab() override;

  /// The caption, upper-cased when the command bars ask for upper-case menus.
  CString GetCaption() const override;
  /// Hiding the selected tab selects the first visible, enabled one.
  void SetVisible(BOOL bVisible) override;
  /// Removes the tab's groups.
  void OnRemoved() override;
  /// Copies caption, tooltip, context, id, visibility, selection and groups;
  /// neither the keyboard tip nor the customise caption.
  virtual void Copy(CTKRibbonTab* pSource);
  virtual void DoPropExchange(CTKPropExchange* pPX);
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  /// A group captioned by the string resource `nIDGroup` (its second line
  /// when the string holds line feeds), filled from a tool-bar resource of
  /// the same id when there is one.
  CTKRibbonGroup* AddGroup(UINT nIDGroup);

  CTKRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }
  CTKCommandBar* GetParent() const { return m_pParent; }
  /// The bar that shows the tab and the bar whose controls hold its groups'.
  void SetBars(CTKRibbonBar* pRibbonBar, CTKCommandBar* pParent);
  CTKRibbonGroups* GetGroups() const { return m_pGroups; }
  int GetId() const { return m_nId; }
  void SetId(int nId) { m_nId = nId; }
  int GetContextColor() const { return m_nContextColor; }
  void SetContextColor(int nColor) { m_nContextColor = nColor; }
  CString GetContextCaption() const { return m_strContextCaption; }
  void SetContextCaption(LPCTSTR lpszCaption) { m_strContextCaption = lpszCaption; }
  CString GetCustomizeCaption() const { return m_strCustomizeCaption; }
  void SetCustomizeCaption(LPCTSTR lpszCaption) { m_strCustomizeCaption = lpszCaption; }
  CString GetKeyboardTip() const { return m_strKeyboardTip; }
  void SetKeyboardTip(LPCTSTR lpszTip) { m_strKeyboardTip = lpszTip; }
  CTKRibbonTabContextHeader* GetContextHeader() const { return m_pContextHeader; }
  void SetContextHeader(CTKRibbonTabContextHeader* pHeader) { m_pContextHeader = pHeader; }

 protected:
  CTKRibbonGroups* m_pGroups;
  CTKRibbonBar* m_pRibbonBar;
  CTKCommandBar* m_pParent;
  int m_nId;
  int m_nContextColor;
  CString m_strContextCaption;
  CString m_strCustomizeCaption;
  CTKRibbonTabContextHeader* m_pContextHeader;
  CString m_strKeyboardTip;
};

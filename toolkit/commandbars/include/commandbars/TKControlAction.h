// Actions: the shared texts and states of one command id, and the collection
// of the command bars that owns them sorted by id.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

class CTKCommandBars;
class CTKControl;
class CTKControlActions;
class CTKControlGalleryItems;

/// Property codes the bound controls are told about.
enum TKActionProperty { tkActionEnabled = 0, tkActionCaption = 3, tkActionEditHint = 4 };

class CTKControlAction : public CCmdTarget {
 public:
  explicit CTKControlAction(CTKControlActions* pActions);
  ~CTKControlAction() override;

  int GetID() const { return m_nId; }
  int GetIconId() const { return m_nIconId; }
  void SetIconId(int nId) { m_nIconId = nId; }
  int GetHelpId() const { return m_nHelpId; }
  void SetHelpId(int nId) { m_nHelpId = nId; }
  /// The caption, else the tooltip.
  CString GetCaption() const;
  CString GetTooltip() const { return m_strTooltipText; }
  CString GetDescription() const { return m_strDescriptionText; }
  CString GetShortcutText() const { return m_strShortcutText; }
  CString GetEditHint() const { return m_strEditHint; }
  CString GetKeyboardTip() const { return m_strKeyboardTip; }
  CString GetCustomShortcutText() const { return m_strCustomShortcutText; }
  void SetTooltip(LPCSTR lpszText) { m_strTooltipText = lpszText; }
  void SetDescription(LPCSTR lpszText) { m_strDescriptionText = lpszText; }
  void SetShortcutText(LPCSTR lpszText) { m_strShortcutText = lpszText; }
  /// The bound fields are told before and after the hint changes.
  void SetEditHint(LPCSTR lpszText);
  void SetKeyboardTip(LPCSTR lpszText) { m_strKeyboardTip = lpszText; }
  void SetCustomShortcutText(LPCSTR lpszText) { m_strCustomShortcutText = lpszText; }

  /// Enabled while the command bars are in customise mode.
  BOOL GetEnabled() const;
  void SetEnabled(BOOL bEnabled);
  int GetChecked() const { return m_nChecked; }
  void SetChecked(int nChecked);
  BOOL IsVisible() const { return m_bVisible; }
  void SetVisible(BOOL bVisible);

  /// Cut at the first tab; the bound controls are told when it changes.
  void SetCaption(LPCSTR lpszCaption);
  /// A string-table prompt (description, tooltip, caption, keyboard tip).
  void SetPrompt(LPCSTR lpszPrompt);

  CTKCommandBars* GetCommandBars() const;
  int GetCount() const { return static_cast<int>(m_arrControls.GetSize()); }
  CTKControl* GetControl(int nIndex) const { return m_arrControls[nIndex]; }

  /// Called only from CTKControl::SetAction.
  int AddControl(CTKControl* pControl);
  void RemoveControl(CTKControl* pControl);
  void RemoveAllControls();

  void NotifyChanging(int nProperty);
  void NotifyChanged(int nProperty);
  void DelayLayoutControls();
  /// Redraws every bound control.
  void RedrawControls();

  // Gallery items ----------------------------------------------------------------

  /// The items the galleries bound to this action show; null for none.
  CTKControlGalleryItems* GetGalleryItems() const;
  /// Holds a reference of its own to `pItems` (null: none) and lays the
  /// bound galleries out again.
  void SetGalleryItems(CTKControlGalleryItems* pItems);

 private:
  CCmdTarget* m_pGalleryItems;
  int m_nId;
  int m_nIconId;
  int m_nHelpId;
  BOOL m_bEnabled;
  int m_nChecked;
  BOOL m_bVisible;
  CString m_strCaption;
  CString m_strTooltipText;
  CString m_strDescriptionText;
  CString m_strShortcutText;
  CString m_strEditHint;
  CString m_strKeyboardTip;
  CString m_strCustomShortcutText;
  CArray<CTKControl*, CTKControl*> m_arrControls;
  CTKControlActions* m_pActions;

  friend class CTKControlActions;
};

class CTKControlActions : public CCmdTarget {
 public:
  explicit CTKControlActions(CTKCommandBars* pCommandBars);
  ~CTKControlActions() override;

  /// Gives the action the id and its prompt and inserts it in id order; the
  /// collection takes over the caller's reference.
  CTKControlAction* Add(int nId, CTKControlAction* pAction);
  /// Null for ids outside 1..0x0FFFFFFE and for ids without an action.
  CTKControlAction* FindAction(int nId) const;
  void RemoveAll();
  int GetCount() const { return static_cast<int>(m_arrActions.GetSize()); }
  CTKControlAction* GetAt(int nIndex) const { return m_arrActions[nIndex]; }
  CTKCommandBars* GetCommandBars() const { return m_pCommandBars; }

 private:
  CArray<CTKControlAction*, CTKControlAction*> m_arrActions;
  CTKCommandBars* m_pCommandBars;
};

/// True for the ids that may have an action.
inline bool IsActionId(int nId) { return nId >= 1 && nId <= 0x0FFFFFFE; }

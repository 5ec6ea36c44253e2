// One item of a command bar: a tool-bar button, a menu item, a ribbon field.
// It carries the command id and texts of a command, its state and placement
// and the style the paint manager draws it in, and runs its command when
// clicked. Bound to an action, it takes every text and state it does not set
// itself from there.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "commandbars/TKCommandBarsDefines.h"
#include "commandbars/TKCommandBarsLayoutBars.h"
#include "common/TKAccessible.h"

class CTKCommandBar;
class CTKCommandBars;
class CTKControlAction;
class CTKControls;
class CTKImageManager;
class CTKImageManagerIcon;
class CTKPaintManager;
class CTKRibbonGroup;
class CTKPropExchange;

class CTKControl : public CCmdTarget, public CTKAccessible {
  DECLARE_DYNCREATE(CTKControl)

 public:
  /// Document-template ids for which a control is shown or hidden.
  class CDocTemplateMap : public CMap<UINT, UINT, int, int> {
   public:
    CDocTemplateMap() : CMap<UINT, UINT, int, int>(10) { InitHashTable(17); }
    /// Empties this map and inserts every pair of `source`.
    void Copy(const CDocTemplateMap& source);
  };

  CTKControl();
  ~CTKControl() override;

  // Effective values (own, else the action's) --------------------------------

  virtual CString GetCaption() const;
  virtual CString GetDescription() const;
  virtual CString GetTooltip() const;
  CString GetShortcutText() const;
  CString GetCustomShortcutText() const;
  CString GetKeyboardTip() const;
  int GetIconId() const;
  int GetHelpId() const;
  BOOL GetEnabled() const;
  int GetChecked() const;
  int GetStyle() const;
  virtual CTKImageManagerIcon* GetImage(int nWidth = 0) const;
  virtual BOOL IsVisible(DWORD dwSkipFlags = 0) const;
  virtual BOOL IsCaptionVisible() const;

  // Own values ----------------------------------------------------------------

  int GetID() const { return m_nId; }
  int GetIndex() const { return m_nIndex; }
  int GetType() const { return m_controlType; }
  void SetType(int nType) { m_controlType = nType; }
  DWORD_PTR GetTag() const { return m_nTag; }
  void SetTag(DWORD_PTR nTag) { m_nTag = nTag; }
  CString GetParameter() const { return m_strParameter; }
  void SetParameter(LPCSTR lpszParameter) { m_strParameter = lpszParameter; }
  DWORD GetFlags() const { return m_dwFlags; }
  void SetFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
  DWORD GetHideFlags() const { return m_dwHideFlags; }
  /// Returns whether the flags changed.
  virtual BOOL SetHideFlags(DWORD dwFlags);
  BOOL GetBeginGroup() const { return m_bBeginGroup; }
  virtual void SetBeginGroup(BOOL bBeginGroup);
  BOOL GetWrap() const { return m_bWrap; }
  void SetWrap(BOOL bWrap) { m_bWrap = bWrap; }
  BOOL IsTemporary() const { return m_bTemporary; }
  void SetTemporary(BOOL bTemporary) { m_bTemporary = bTemporary; }
  CRect GetRect() const { return m_rcControl; }
  virtual void SetRect(CRect rcControl) { m_rcControl = rcControl; }
  CRect GetRowRect() const { return m_rcRow; }
  void SetRowRect(CRect rcRow) { m_rcRow = rcRow; }
  int GetWidth() const { return m_nWidth; }
  virtual void SetWidth(int nWidth);
  int GetHeight() const { return m_nHeight; }
  virtual void SetHeight(int nHeight);
  void SetIconId(int nId) { m_nIconId = nId; }
  void SetHelpId(int nId) { m_nHelpId = nId; }
  void SetCustomIconId(int nId) { m_nCustomIconId = nId; }
  void SetStyle(int nStyle) { m_buttonStyle = nStyle; }
  void SetCustomStyle(int nStyle) { m_buttonCustomStyle = nStyle; }
  void SetLayoutStyle(int nStyle) { m_buttonLayoutStyle = nStyle; }
  int GetLayoutStyle() const { return m_buttonLayoutStyle; }
  void SetShortcutText(LPCSTR lpszText) { m_strShortcutText = lpszText; }
  void SetTooltip(LPCSTR lpszText) { m_strTooltipText = lpszText; }
  void SetDescription(LPCSTR lpszText) { m_strDescriptionText = lpszText; }
  void SetKeyboardTip(LPCSTR lpszText) { m_strKeyboardTip = lpszText; }
  void SetCustomCaption(LPCSTR lpszText) { m_strCustomCaption = lpszText; }
  void SetCategory(LPCSTR lpszText) { m_strCategory = lpszText; }
  CString GetCategory() const { return m_strCategory; }
  /// The caption as stored, without the custom caption or the action's.
  CString GetRawCaption() const { return m_strCaption; }
  CString GetAutoShortcutText() const { return m_strShortcutTextAuto; }
  BOOL GetCloseSubMenuOnClick() const { return m_bCloseSubMenuOnClick; }
  void SetCloseSubMenuOnClick(BOOL bClose) { m_bCloseSubMenuOnClick = bClose; }
  int GetExecuteOnPressInterval() const { return m_nExecuteOnPressInterval; }
  void SetExecuteOnPressInterval(int nInterval) { m_nExecuteOnPressInterval = nInterval; }
  CSize GetIconSize() const;
  void SetIconSize(CSize sz) { m_szIcon = sz; }
  CSize GetButtonSize() const;
  void SetDefaultItem(BOOL bDefault);
  BOOL IsDefaultItem() const { return m_bDefaultItem; }
  void SetHiddenUntilExpand(BOOL bRarelyUsed);
  BOOL IsHiddenUntilExpand() const { return m_bRarelyUsed; }
  int GetPressed() const { return m_bPressed; }
  void SetPressed(int nPressed) { m_bPressed = nPressed; }
  CDocTemplateMap& GetAssignedDocTemplates() { return m_mapDocTemplatesAssigned; }
  CDocTemplateMap& GetExcludedDocTemplates() { return m_mapDocTemplatesExcluded; }
  CTKRibbonGroup* GetRibbonGroup() const { return m_pRibbonGroup; }
  void SetRibbonGroup(CTKRibbonGroup* pGroup) { m_pRibbonGroup = pGroup; }

  // Texts ----------------------------------------------------------------------

  /// A tab splits off the automatic shortcut text.
  void SetCaption(LPCSTR lpszCaption);
  void SetCaptionFromResource(UINT nIDResource);
  /// A string-table prompt: description, newline, tooltip, newline, caption,
  /// newline, keyboard tip.
  void SetPrompt(LPCSTR lpszPrompt);
  void SetID(int nId);
  void SetVisible(BOOL bVisible);

  // State --------------------------------------------------------------------

  virtual void SetEnabled(BOOL bEnabled);
  virtual void OnEnabledChanged() {}
  virtual void SetChecked(int nChecked);
  virtual int GetSelected() const { return m_nSelected; }
  /// False (and no redraw) when the state does not change.
  virtual BOOL SetSelected(int nSelected);
  virtual void SetFocused(BOOL) {}
  virtual BOOL IsFocused() const { return FALSE; }
  virtual BOOL IsFocusable() const { return FALSE; }
  virtual BOOL IsTransparent() const { return FALSE; }
  virtual BOOL IsPopupOpen() const { return FALSE; }
  virtual CTKCommandBar* GetCommandBar() const { return nullptr; }

  // Owners --------------------------------------------------------------------

  CTKCommandBar* GetParent() const { return m_pParent; }
  virtual void SetParent(CTKCommandBar* pParent) { m_pParent = pParent; }
  CTKControls* GetControls() const { return m_pControls; }
  void SetControls(CTKControls* pControls) { m_pControls = pControls; }
  void SetIndex(int nIndex) { m_nIndex = nIndex; }
  CTKControlAction* GetAction() const { return m_pAction; }
  /// Unbinds the action held, then binds `pAction` (null: none).
  virtual void SetAction(CTKControlAction* pAction);
  CTKPaintManager* GetPaintManager() const;
  CTKImageManager* GetImageManager() const;
  CTKCommandBars* GetCommandBars() const;

  // Drawing and layout ---------------------------------------------------------

  virtual CSize GetSize(CDC* pDC);
  virtual void Draw(CDC* pDC);
  virtual void OnCalcDynamicSize(DWORD /*dwMode*/) {}
  void DelayLayoutParent();
  /// Redraws the rectangle in the parent bar when visible; the visibility.
  BOOL RedrawParent(BOOL bAnimate = TRUE);
  virtual void OnThemeChanged() {}

  // Running ------------------------------------------------------------------

  virtual void OnExecute();
  virtual void OnClick(BOOL /*bKeyboard*/ = FALSE, CPoint /*pt*/ = CPoint(0, 0)) {}
  virtual void OnUnderlineActivate() { OnExecute(); }
  /// The site's answer to notification `nCode` (0 without a parent bar).
  LRESULT NotifySite(UINT nCode);
  LRESULT NotifySiteEx(UINT nCode, NMTKCONTROL* pRecord);
  /// Sends notification `nCode` to `pSite` (null: the parent bar's site),
  /// then routes it through the site's command handling when unanswered.
  LRESULT NotifySiteWnd(CWnd* pSite, UINT nCode, NMTKCONTROL* pRecord);
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  // Mouse ---------------------------------------------------------------------

  virtual void OnLButtonDown(CPoint pt);
  virtual void OnLButtonUp(CPoint) {}
  virtual BOOL OnLButtonDblClk(CPoint pt);
  virtual BOOL OnRButtonDown(CPoint) { return FALSE; }
  virtual BOOL OnRButtonUp(CPoint) { return FALSE; }
  virtual void OnMouseMove(CPoint) {}
  virtual void OnMouseHover();
  virtual BOOL OnSetPopup(BOOL) { return FALSE; }
  virtual int OnHookKeyDown(UINT, LPARAM) { return 0; }
  virtual BOOL OnHookMouseWheel(UINT, WPARAM, LPARAM) { return FALSE; }
  BOOL IsCursorOver() const;

  // Customising ------------------------------------------------------------------

  BOOL IsCustomizeMode() const;
  virtual BOOL IsCustomizeMovable() const;
  virtual BOOL IsCustomizeResizeAllow() const { return FALSE; }
  virtual int GetCustomizeMinWidth() const { return 0; }
  virtual int GetCustomizeMinHeight() const { return 0; }
  virtual BOOL CanDropOnBar(CTKCommandBar*, CPoint, DWORD&) { return TRUE; }
  virtual void OnCustomizeDragOver(CTKControl* pDataObject, CPoint point);
  /// A press in customise mode: the control becomes the customise-selected
  /// one and is dragged to another place, or, already selected, resized at
  /// an edge. Moved away or dropped outside every bar, it leaves its bar.
  virtual void OnCustomizeMouseDown(CPoint point);
  /// In customise mode a click closes the bar's pop-up and selection and
  /// starts the customise press; TRUE then, FALSE outside customise mode.
  BOOL OnCustomizeClick(CPoint point);
  /// The control leaves its bar after a drag moved it away; its group goes
  /// on from the next control.
  void LeaveBarAfterDrag();
  /// Tracks a resize of the width from an edge under `pt`; false when the
  /// point is not at an edge.
  virtual BOOL TrackCustomizeResize(CPoint pt);
  void UpdateCustomizeCursor(CPoint pt);

  // Comparing and copying --------------------------------------------------------

  virtual BOOL Compare(CTKControl* pOther);
  virtual void Copy(CTKControl* pSource, BOOL bRecursive = FALSE);
  virtual CTKControl* Clone(BOOL bRecursive = FALSE);

  // Events from the action and the collection ------------------------------------

  virtual void OnActionChanging(int /*nProperty*/) {}
  virtual void OnActionChanged(int nProperty);
  virtual void OnCaptionChanged() {}
  virtual void OnRemoved();
  virtual void OnIdleUpdate() {}
  virtual INT_PTR OnToolHitTest(CPoint, TOOLINFO*) const { return -1; }

  BOOL IsOnGlass() const;

  // Keyboard focus inside a bar (the ribbon's tab strip takes it) ------------------

  virtual void SetKeyboardFocus(BOOL /*bFocus*/) {}
  virtual BOOL HasKeyboardFocus() const { return FALSE; }
  /// A key for the control that holds the focus; TRUE when it handled it.
  virtual BOOL OnFocusedKeyDown(UINT /*nChar*/) { return FALSE; }

  // Drawing through the paint manager (TKControlDrawing.cpp) ---------------------

  /// Whether an edit or combo box shows its icon: on pop-up bars when it has
  /// one, elsewhere for the icon styles only.
  BOOL IsImageVisible() const;
  /// True for controls that paint their own face: the paint manager then
  /// draws only their icon and caption.
  virtual BOOL HasOwnFace() const { return FALSE; }

  // Accessibility ------------------------------------------------------------------

  HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
  HRESULT GetAccessibleChildCount(long* pcountChildren) override;
  HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
  HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
  HRESULT GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription) override;
  HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
  HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
  HRESULT GetAccessibleKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
  HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
  HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild) override;
  HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                             VARIANT varChild) override;
  HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
  HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;
  CCmdTarget* GetAccessibleCmdTarget() override { return this; }

  // Saved layout (src/persist/TKControlExchange.cpp) ----------------------------------

  /// The control's record; each control class adds its own after it.
  virtual void DoPropExchange(CTKPropExchange* pPX);
  /// Adds the pop-up bar the control opens to a layout's bars.
  virtual void GenerateCommandBarList(int* pnNextId, CTKLayoutBars& bars,
                                      TK_BARS_EXCHANGE_PARAM* pParam);
  virtual void RestoreCommandBarList(CTKLayoutBars& /*bars*/) {}

 protected:
  /// The parent bar's resize loop, one message at a time; false when the
  /// loop must end (bAccept tells how).
  BOOL PumpResizeMessage(CRect& rc, int& nOffset, BOOL bRightEdge, CDC* pDC, BOOL& bAccept);

  DWORD_PTR m_nTag;
  int m_nIndex;
  int m_nId;
  int m_nIconId;
  int m_nHelpId;
  int m_nCustomIconId;
  BOOL m_bWrap;
  BOOL m_bBeginGroup;
  int m_bEnabled;
  int m_bChecked;
  int m_nSelected;
  int m_bPressed;
  BOOL m_bTemporary;
  CRect m_rcRow;
  CRect m_rcControl;
  DWORD m_dwHideFlags;
  DWORD m_dwFlags;
  CString m_strCaption;
  CString m_strCustomCaption;
  CString m_strShortcutText;
  CString m_strShortcutTextAuto;
  CString m_strTooltipText;
  CString m_strDescriptionText;
  CString m_strParameter;
  CString m_strKeyboardTip;
  CTKControls* m_pControls;
  int m_controlType;
  CTKCommandBar* m_pParent;
  BOOL m_bRarelyUsed;
  CString m_strCustomShortcutText;
  CString m_strCategory;
  BOOL m_bDefaultItem;
  CDocTemplateMap m_mapDocTemplatesAssigned;
  CDocTemplateMap m_mapDocTemplatesExcluded;
  int m_buttonStyle;
  int m_buttonCustomStyle;
  int m_buttonLayoutStyle;
  BOOL m_bCloseSubMenuOnClick;
  CTKRibbonGroup* m_pRibbonGroup;
  CTKControlAction* m_pAction;
  int m_nWidth;
  int m_nHeight;
  int m_nExecuteOnPressInterval;
  CSize m_szIcon;

  friend class CTKControlAction;
  friend class CTKControls;

  DECLARE_INTERFACE_MAP()
};

// The groups of a ribbon tab: captioned blocks of controls with an optional
// option button in their caption band and a pop-up button that stands for the
// whole group when there is no room. A group's controls live in the control
// collection of its parent bar (the ribbon, or a pop-up showing a copy of the
// tab), just before the group's option button; the group keeps its own
// ordered references to them.
#pragma once

#include <vector>

#include "commandbars/TKControlClasses.h"
#include "commandbars/TKControls.h"

class CTKCommandBar;
class CTKPropExchange;
class CTKRibbonBar;
class CTKRibbonGroup;
class CTKRibbonTab;

/// The dialog launcher in a group's caption band.
class CTKRibbonGroupOption : public CTKControlButton {
  DECLARE_DYNCREATE(CTKRibbonGroupOption)

 public:
  CTKRibbonGroupOption();
  void Draw(CDC* pDC) override;
  CTKControl* Clone(BOOL bRecursive = FALSE) override;
};

/// The button a reduced group collapses into; it opens the group as a pop-up.
class CTKRibbonGroupControlPopup : public CTKControlPopup {
  DECLARE_DYNCREATE(CTKRibbonGroupControlPopup)

 public:
  explicit CTKRibbonGroupControlPopup(CTKRibbonGroup* pGroup = nullptr);
  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
  /// Hidden with its action, by a hide flag outside the mask, or with its group.
  BOOL IsVisible(DWORD dwSkipFlags = 0) const override;
  void Copy(CTKControl* pSource, BOOL bRecursive = FALSE) override;
  BOOL OnSetPopup(BOOL bPopup) override;
  CTKControl* Clone(BOOL bRecursive = FALSE) override;
  /// Its parent bar when that is a ribbon, else the ribbon of the pop-up it sits on.
  CTKRibbonBar* GetRibbonBar() const;
  CTKRibbonGroup* GetGroup() const { return m_pGroup; }
  void SetGroup(CTKRibbonGroup* pGroup) { m_pGroup = pGroup; }

 protected:
  CTKRibbonGroup* m_pGroup;
};

/// The groups of one tab, each held with one reference.
class CTKRibbonGroups : public CCmdTarget {
 public:
  explicit CTKRibbonGroups(CTKRibbonTab* pTab = nullptr);
  ~CTKRibbonGroups() override;

  /// A new group with the caption and id, appended.
  CTKRibbonGroup* AddGroup(LPCTSTR lpszCaption, int nId);
  /// A new group at `nIndex` (outside 0..count: the end), filled from a
  /// tool-bar resource of its id when there is one.
  CTKRibbonGroup* InsertGroup(int nIndex, LPCTSTR lpszCaption, int nId);
  /// Links `pGroup` (taking over the caller's reference) and adds its buttons to the bar.
  void InsertGroup(int nIndex, CTKRibbonGroup* pGroup);
  void RemoveAll();
  /// Copies every group of `pSource`, each as an object of its own class.
  void Copy(CTKRibbonGroups* pSource);
  virtual void DoPropExchange(CTKPropExchange* pPX);

  int GetCount() const { return static_cast<int>(m_arrGroups.size()); }
  CTKRibbonGroup* GetAt(int nIndex) const;
  /// The first visible group whose rectangle holds the point.
  CTKRibbonGroup* HitTest(CPoint point) const;
  CTKRibbonTab* GetTab() const { return m_pTab; }
  void SetTab(CTKRibbonTab* pTab) { m_pTab = pTab; }
  CTKRibbonBar* GetRibbonBar() const;
  CTKCommandBar* GetParentBar() const;
  void RefreshIndexes() {}
  int GetScrollPos() const { return m_nScrollPos; }
  void SetScrollPos(int nPos) { m_nScrollPos = nPos; }

  // Layout (src/layout) --------------------------------------------------------------

  /// Lays the visible groups out from (`nLeft`, `nTop`) in `nWidth`, keeping
  /// `nRightMargin` free, reducing them until they fit and scrolling them
  /// when even that is not enough.
  void Reposition(CDC* pDC, int nWidth, int nLeft, int nTop, int nRightMargin, int nBottomMargin);
  /// Reduces (or widens) groups step by step until `widths` fit `nAvailable`.
  void ReduceToFit(CDC* pDC, std::vector<int>& widths, int nAvailable);
  /// The widths with the gaps between the groups.
  static int GetGroupsWidth(const std::vector<int>& widths);

 protected:
  std::vector<CTKRibbonGroup*> m_arrGroups;
  CTKRibbonTab* m_pTab;
  int m_nScrollPos;
};

class CTKRibbonGroup : public CCmdTarget {
  DECLARE_DYNCREATE(CTKRibbonGroup)

 public:
  CTKRibbonGroup();
  ~CTKRibbonGroup() override;

  // Controls ------------------------------------------------------------------

  /// A new control of a type (1 button, 9 check box, ...) at `nIndex` of the
  /// group (outside 0..count: the end), also placed in the parent bar's
  /// collection; null when the collection cannot make it.
  CTKControl* AddControl(int nType, int nId, LPCTSTR lpszCaption = NULL, int nIndex = -1,
                         BOOL bTemporary = FALSE);
  /// The same with a copy of `pControl` of its own class.
  CTKControl* AddClone(CTKControl* pControl, int nIndex = -1, BOOL bRecursive = TRUE);
  /// Fills the group from an RT_TOOLBAR resource, with its icons from the
  /// bitmap of the same id; FALSE when the resource is missing.
  BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE);
  /// One button per id; 0 makes the next control begin a group.
  BOOL AddControlsFromIds(const UINT* pIds, int nCount);
  void RemoveControlAt(int nIndex);
  void RemoveControl(CTKControl* pControl);
  void RemoveAllControls();
  int GetCount() const { return static_cast<int>(m_arrControls.size()); }
  CTKControl* GetAt(int nIndex) const;
  /// -1 unless the control belongs to this group.
  int IndexOf(CTKControl* pControl) const;

  // Properties ----------------------------------------------------------------

  int GetID() const { return m_nId; }
  /// The group's id is also its option and pop-up buttons'.
  void SetID(int nId);
  CString GetCaption() const { return m_strCaption; }
  void SetCaption(LPCTSTR lpszCaption);
  int GetIconId() const { return m_nIconId; }
  void SetIconId(int nId) { m_nIconId = nId; }
  /// Shown: on the ribbon itself only while its tab is the selected one.
  BOOL IsVisible() const;
  /// The group's own visible setting.
  BOOL GetVisible() const { return m_bVisible; }
  void SetVisible(BOOL bVisible);
  BOOL IsOptionButtonVisible() const { return m_bShowOptionButton && !m_bReduced; }
  void ShowOptionButton(BOOL bShow) { m_bShowOptionButton = bShow; }
  BOOL IsReduced() const { return m_bReduced; }
  BOOL IsControlsGrouping() const { return m_bControlsGrouping; }
  void SetControlsGrouping(BOOL bGrouping) { m_bControlsGrouping = bGrouping; }
  BOOL IsControlsCentering() const { return m_bControlsCentering; }
  void SetControlsCentering(BOOL bCentering) { m_bControlsCentering = bCentering; }
  BOOL IsHighlighted() const;
  CTKRibbonGroupOption* GetControlGroupOption() const { return m_pOptionButton; }
  CTKRibbonGroupControlPopup* GetControlGroupPopup() const { return m_pPopupButton; }

  // Owners --------------------------------------------------------------------

  CTKRibbonGroups* GetGroups() const { return m_pGroups; }
  void SetGroups(CTKRibbonGroups* pGroups) { m_pGroups = pGroups; }
  CTKRibbonTab* GetTab() const;
  CTKRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }
  CTKCommandBar* GetParent() const { return m_pParent; }
  void SetBars(CTKRibbonBar* pRibbonBar, CTKCommandBar* pParent);

  // Layout and drawing ---------------------------------------------------------

  CRect GetRect() const { return m_rcGroup; }
  CRect GetCaptionRect() const;
  virtual void SetGroupRect(CRect rcGroup);
  virtual void Copy(CTKRibbonGroup* pSource);
  virtual void Draw(CDC* pDC, CRect rcClip);
  virtual void DoPropExchange(CTKPropExchange* pPX);
  /// The visible controls side by side below the caption band.
  virtual void ArrangeControlsInRow(CDC* pDC);
  /// Puts the option and pop-up buttons into the parent bar's collection.
  virtual void OnGroupAdded();
  /// Takes the controls and the buttons out of the parent bar's collection.
  virtual void OnGroupRemoved();
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  // Layout and size reduction (src/layout) ---------------------------------------
  // One pass: BeginLayout, CalcWidth, any number of ReduceSize or
  // ExpandInlineGallery with CalcWidth after each, ArrangeControls, EndLayout.

  /// Measures every control at full size (large where a large icon exists).
  void BeginLayout(CDC* pDC);
  /// The group's width: its controls' or its caption's, whichever is wider.
  int CalcWidth(CDC* pDC);
  /// One reduction step of `nLevel` (0 large to medium, 1 more medium,
  /// 2 medium to small or galleries to buttons, 3 collapse); FALSE when
  /// nothing changed or no pass is open.
  BOOL ReduceSize(int nLevel, int nOverflow);
  /// Widens the last resizable gallery by whole items of `nExtra`.
  BOOL ExpandInlineGallery(int nExtra);
  /// Places the controls in bar coordinates and sets the group rectangle.
  void ArrangeControls(int nWidth, int x, int y, int nRightMargin, int nBottomMargin);
  /// Applies the pass to the controls and ends it.
  void EndLayout();
  /// The caption's text width in the ribbon font, with the option button's square.
  virtual int GetCaptionWidth(CDC* pDC) const;
  /// How far the group may shrink: 0 never .. 4 down to its pop-up button.
  int GetAllowReduction() const { return m_nAllowReduction; }
  void SetAllowReduction(int nLevel) { m_nAllowReduction = nLevel; }
  BOOL IsEqualizeEditWidths() const { return m_bEqualizeEditWidths; }
  void SetEqualizeEditWidths(BOOL bEqualize) { m_bEqualizeEditWidths = bEqualize; }

 protected:
  int CalcWidthGrouped(CDC* pDC);
  int LayoutRows(int nMaxWidth, BOOL bMany);
  int PlaceRows();
  BOOL TryThreeRows();
  void CenterColumn(int nFirst, int nLast, int nHeight);
  void EqualizeEditWidths();
  /// The rows a column of small controls holds.
  int GetSmallRows() const;
  /// The height controls of one column may take.
  int GetColumnHeight() const;
  /// Frees an open pass without touching the controls.
  void DiscardLayout();

  /// The open pass (src/layout/TKRibbonGroupLayout.h); null between passes.
  struct CLayout;
  CLayout* m_pLayout = nullptr;

 protected:
  /// Links, references and appends a control that is already in the bar.
  void AttachControl(CTKControl* pControl, int nIndex);
  void DetachControlAt(int nIndex);
  /// Where the bar's collection holds the group's control `nIndex`.
  int BarIndexOf(int nIndex) const;
  CTKControls* GetBarControls() const;
  void UpdateHideFlag(CTKControl* pControl) const;

  BOOL m_bControlsCentering;
  BOOL m_bControlsGrouping;
  CString m_strCaption;
  CTKRibbonGroups* m_pGroups;
  CRect m_rcGroup;
  std::vector<CTKControl*> m_arrControls;
  CTKCommandBar* m_pParent;
  CTKRibbonBar* m_pRibbonBar;
  int m_nId;
  int m_nIconId;
  CTKRibbonGroupOption* m_pOptionButton;
  CTKRibbonGroupControlPopup* m_pPopupButton;
  BOOL m_bReduced;
  BOOL m_bShowOptionButton;
  BOOL m_bVisible;
  int m_nAllowReduction;
  int m_nRowsStage;
  BOOL m_bEqualizeEditWidths;

  friend class CTKRibbonGroups;
};

/// The ribbon bar's control collection, which knows about groups: it keeps
/// the ribbon's own controls and the groups' buttons on removal, stores only
/// free controls of the tab row, and takes removed controls out of their
/// group and of the quick-access bar.
class CTKRibbonControls : public CTKControls {
  DECLARE_DYNCREATE(CTKRibbonControls)

 public:
  CTKRibbonControls();
  ~CTKRibbonControls() override;
  void Copy(CTKControls* pSource, BOOL bRecursive = FALSE) override;
  BOOL IsPersistentControl(CTKControl* pControl) const override;
  void OnControlRemoved(CTKControl* pControl) override;
  BOOL IsFixedControl(CTKControl* pControl) const override;

 protected:
  CTKRibbonBar* GetRibbonBar() const;
  /// While the collection itself goes, every control goes with it.
  BOOL m_bDestroying;
};

// The ordered controls of one command bar: made by type, added, removed,
// found, compared and copied, built from menu items and bound to actions; and
// the layout of a bar's controls into rows and columns.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "commandbars/TKControl.h"

class CTKOriginalControls;
class CTKPopupBar;
class CTKPropExchange;
struct TK_LAYOUT;
struct TK_LAYOUT_RECORD;

class CTKControls : public CCmdTarget {
  DECLARE_DYNCREATE(CTKControls)

 public:
  CTKControls();
  ~CTKControls() override;

  int GetCount() const { return static_cast<int>(m_arrControls.GetSize()); }
  /// Null out of range.
  CTKControl* GetAt(int nIndex) const;
  CTKCommandBar* GetParent() const { return m_pParent; }
  void SetParent(CTKCommandBar* pParent);
  CTKCommandBars* GetCommandBars() const;
  void SetCommandBars(CTKCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }

  // Adding ---------------------------------------------------------------------

  /// Inserts `pControl` (the collection takes over the caller's reference);
  /// an index outside 0..count appends.
  void InsertControl(CTKControl* pControl, int nBefore = -1);
  void AppendControl(CTKControl* pControl) { InsertControl(pControl, -1); }
  /// Binds the control to its id's action (or gives it the id) and inserts it.
  CTKControl* Add(CTKControl* pControl, int nId, LPCSTR lpszParameter = NULL, int nBefore = -1,
                  BOOL bTemporary = FALSE);
  /// Makes a control of a type (null outside 1..11) and adds it.
  CTKControl* AddNew(int nType, int nId, LPCSTR lpszParameter = NULL, int nBefore = -1,
                     BOOL bTemporary = FALSE);
  CTKControl* AddCopy(CTKControl* pClone, int nBefore = -1, BOOL bRecursive = FALSE);
  /// The control of item `nPosition` of a menu, appended; null for none.
  CTKControl* AddMenuItem(CMenu* pMenu, int nPosition);

  // Removing -------------------------------------------------------------------

  virtual void Remove(CTKControl* pControl);
  void RemoveAt(int nIndex);
  void RemoveAll();

  // Finding --------------------------------------------------------------------

  CTKControl* FindControl(int nType, int nId, BOOL bVisible, BOOL bRecursive) const;
  CTKControl* FindControlById(int nId) const { return FindControl(0, nId, FALSE, FALSE); }
  CTKControl* HitTest(CPoint point) const;
  /// Keyboard navigation: the next candidate from nIndex in direction nDirection, or -1.
  int GetNext(int nIndex, int nDirection = 1, BOOL bSkipFlagged = TRUE, BOOL bSkipTemporary = FALSE,
              BOOL bCheckExpandHidden = TRUE) const;
  int GetVisibleCount(BOOL bStrict = TRUE) const;
  CTKControl* GetVisibleAt(int nIndex, BOOL bStrict = TRUE) const;

  // Types ----------------------------------------------------------------------

  CTKControl* SetControlType(int nIndex, int nType);
  CTKControl* ChangeControlType(CTKControl* pControl, int nType);

  // Comparing and copying ------------------------------------------------------

  BOOL IsEqual(CTKControls* pOther) const;
  BOOL IsChanged() const;
  virtual void Copy(CTKControls* pSource, BOOL bRecursive = FALSE);
  CTKControls* Duplicate(BOOL bRecursive = FALSE);
  void CreateOriginalControls();
  void SetOriginalControls(CTKOriginalControls* pOriginalControls);
  CTKOriginalControls* GetOriginalControls() const { return m_pOriginalControls; }
  BOOL IsOriginalControls() const { return m_bOriginalControls; }

  virtual BOOL IsPersistentControl(CTKControl* pControl) const { return !pControl->IsTemporary(); }
  virtual void OnControlAdded(CTKControl* pControl);
  virtual void OnControlRemoved(CTKControl* pControl);
  /// True for controls that removing leaves in place.
  virtual BOOL IsFixedControl(CTKControl*) const { return FALSE; }
  virtual void RefreshIndexes();

  // Layout ---------------------------------------------------------------------

  /// Lays the controls out for their bar; the bar's size with its borders.
  /// With TKLM_COMMIT the controls take their places.
  CSize CalcBarLayout(CDC* pDC, int nLength, DWORD& dwMode, CRect rcBorder, int nMinThickness);
  /// Columns that fit the work area; always updates the controls.
  CSize CalcWorkAreaLayout(CDC* pDC, int nMaxHeight, int nFixedWidth, CRect rcBorder);

  // Saved layout (src/persist/TKControlExchange.cpp) -----------------------------

  /// The persistent controls as numbered "Control" sections, then the
  /// original controls when the layout keeps them. Loading replaces the
  /// controls; a control of an unknown class throws the archive's badClass.
  virtual void DoPropExchange(CTKPropExchange* pPX);
  /// The pop-up bars of the controls (and of the original controls).
  void GenerateCommandBarList(int* pnNextId, CTKLayoutBars& bars, TK_BARS_EXCHANGE_PARAM* pParam);
  void RestoreCommandBarList(CTKLayoutBars& bars);

 protected:
  CTKControl* CreateControlOfType(int nType, int nId, BOOL bTemporary);
  CTKControl* CreateMenuItemControl(int nType, int nId, const CString& strCaption, CMenu* pMenu,
                                    int nPosition);
  void BindMenuItem(CTKControl* pControl, int nId, const CString& strCaption);
  void AttachPopupBar(CTKControl* pControl, int nId);
  void AttachMenuPopupBar(CTKControl* pControl, int nId, const CString& strCaption,
                          CMenu* pSubMenu);
  CTKPopupBar* OfferPopupBar(int nId, CString& strCaption);
  CWnd* GetSite() const;
  void RemoveControl(CTKControl* pControl);

  // Layout steps (src/layout)
  int WrapRows(TK_LAYOUT& layout, int nLength, DWORD& dwMode);
  CSize PlaceRows(TK_LAYOUT& layout, BOOL bVertical);
  CSize WrapAndPlace(TK_LAYOUT& layout, int nLength, BOOL bVertical, int* pnRows = NULL);
  void SearchBounds(TK_LAYOUT& layout, int& a, int& ha, int& b);
  CSize SquareLayout(TK_LAYOUT& layout);
  CSize FitHeightLayout(TK_LAYOUT& layout, int nHeight);
  CSize FitWidthLayout(TK_LAYOUT& layout, int nWidth);
  CSize ColumnLayout(TK_LAYOUT& layout, int nLength, DWORD& dwMode);
  CSize PlaceColumns(TK_LAYOUT& layout);
  BOOL ReduceRun(TK_LAYOUT& layout, int nFromStyle, int nToStyle, BOOL bEqualWidth);
  void CommitRows(TK_LAYOUT& layout, CSize& sz, CRect rcBorder, BOOL bVertical, BOOL bColumns);
  void AlignFarEnd(TK_LAYOUT& layout, CSize sz, CRect rcBorder, BOOL bVertical);
  void StretchRows(TK_LAYOUT& layout, CSize sz, CRect rcBorder, BOOL bVertical);
  void CommitLayoutItem(TK_LAYOUT_RECORD& record);

  CTKCommandBar* m_pParent;
  CArray<CTKControl*, CTKControl*> m_arrControls;
  CTKCommandBars* m_pCommandBars;
  CTKOriginalControls* m_pOriginalControls;
  BOOL m_bOriginalControls;
};

/// The copy of a bar's first set of controls, from which a customised bar is
/// told apart and reset.
class CTKOriginalControls : public CTKControls {
  DECLARE_DYNCREATE(CTKOriginalControls)

 public:
  CTKOriginalControls() { m_bOriginalControls = TRUE; }
};

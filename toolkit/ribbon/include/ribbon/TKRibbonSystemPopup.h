// What the ribbon's system pop-up is made of: a sub-page pop-up that opens
// beside its command column, the buttons of its bottom row, list items with
// a number column and pins, list captions, and the recent-file list that
// rebuilds its items before every layout. The system button and the pop-up
// itself are declared with the ribbon bar (ribbon/TKRibbonBar.h).
#pragma once

#include <afxadv.h>

#include <vector>

#include "commandbars/TKControlClasses.h"
#include "commandbars/TKPopupBar.h"
#include "common/TKRefPtr.h"

class CTKRibbonSystemPopupBar;

class CTKImageManager;

/// A recent-file list that keeps, per entry, a caption shown in place of
/// the file's title, a pinned flag and an icon id. Its profile section is
/// "PinableRecentFileList".
class CTKPinableRecentFileList : public CRecentFileList {
 public:
  struct CItem {
    CString strCaption;
    BOOL bPinned = FALSE;
    int nIconId = 0;
  };

  CTKPinableRecentFileList(UINT nStart, int nSize);
  /// The record of the entry; null outside the list.
  CItem* GetItem(int nIndex);

 protected:
  std::vector<CItem> m_arrItems;
};

/// A pop-up opened by a control of the system pop-up: it opens beside the
/// command column and is never shorter than the pop-up's content.
class CTKRibbonSystemPopupBarPage : public CTKPopupBar {
  DECLARE_DYNCREATE(CTKRibbonSystemPopupBarPage)

 public:
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  void AdjustExcludeRect(CRect& rc, BOOL bVertical) override;

 protected:
  /// The system pop-up the opening control stands on, or null.
  CTKRibbonSystemPopupBar* GetSystemPopup() const;

 public:
  /// The least height of the last layout beside a system pop-up.
  int m_nMinHeight = 0;
};

/// A button of the row at the bottom of the system pop-up.
class CTKRibbonControlSystemPopupBarButton : public CTKControlButton {
  DECLARE_DYNCREATE(CTKRibbonControlSystemPopupBarButton)

 public:
  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
  BOOL HasOwnFace() const override { return IsOnSystemPopup(); }
  CSize GetButtonSize() const;
  CSize GetIconSize() const { return CSize(16, 16); }
  CTKControl* Clone(BOOL bRecursive = FALSE) override;

 protected:
  BOOL IsOnSystemPopup() const;
};

/// One line of a list in the system pop-up: an optional icon, the digit of
/// its mnemonic in a number column, and the caption.
class CTKRibbonControlSystemPopupBarListItem : public CTKControlButton {
  DECLARE_DYNCREATE(CTKRibbonControlSystemPopupBarListItem)

 public:
  CTKRibbonControlSystemPopupBarListItem();
  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
  CTKControl* Clone(BOOL bRecursive = FALSE) override;

 protected:
  /// The face over `rcFace`, then icon, number and caption left of `nTextRight`.
  void DrawItem(CDC* pDC, int nTextRight);

  CSize m_szItem;
  BOOL m_bNumberColumn;
};

/// A list item with a pin at its right end; pinned is its checked state.
class CTKRibbonControlSystemPopupBarPinableListItem : public CTKRibbonControlSystemPopupBarListItem {
  DECLARE_DYNCREATE(CTKRibbonControlSystemPopupBarPinableListItem)

 public:
  CTKRibbonControlSystemPopupBarPinableListItem();
  ~CTKRibbonControlSystemPopupBarPinableListItem() override;

  void Draw(CDC* pDC) override;
  void OnMouseMove(CPoint point) override;
  BOOL SetSelected(int nSelected) override;
  /// A click in the pin column toggles the pin; elsewhere the item runs.
  void OnLButtonUp(CPoint point) override;
  CTKControl* Clone(BOOL bRecursive = FALSE) override;

  /// The rightmost ScaleX(28) pixels of the item.
  CRect GetPinRect() const;
  /// Selection state 5: the mouse is over the pin.
  static const int kSelectedPin = 5;

 protected:
  CTKRefPtr<CTKImageManager, CTKInternalRefTraits> m_pPinImages;
};

/// A heading over a list of the system pop-up, underlined twice.
class CTKRibbonControlSystemPopupBarListCaption : public CTKControl {
  DECLARE_DYNCREATE(CTKRibbonControlSystemPopupBarListCaption)

 public:
  CTKRibbonControlSystemPopupBarListCaption();
  CSize GetSize(CDC* pDC) override;
  void Draw(CDC* pDC) override;
  CTKControl* Clone(BOOL bRecursive = FALSE) override;

 protected:
  CSize m_szItem;
};

/// The heading of the application's recent files, which puts one item per
/// file after itself before every layout of its pop-up.
class CTKRibbonControlSystemRecentFileList : public CTKRibbonControlSystemPopupBarListCaption {
  DECLARE_DYNCREATE(CTKRibbonControlSystemRecentFileList)

 public:
  /// A recent file.
  class CControlFileItem : public CTKRibbonControlSystemPopupBarListItem {
   public:
    CControlFileItem();
  };

  /// A recent file of a pinnable list: its pin is written through to the list.
  class CControlPinableFileItem : public CTKRibbonControlSystemPopupBarPinableListItem {
   public:
    CControlPinableFileItem(CTKPinableRecentFileList* pList = nullptr, int nIndex = 0);
    void SetChecked(int nChecked) override;

   protected:
    CTKPinableRecentFileList* m_pList;
    int m_nIndex;
  };

  /// Rebuilds the file items.
  void OnCalcDynamicSize(DWORD dwMode) override;
  CTKControl* Clone(BOOL bRecursive = FALSE) override;

  /// The application's list, or null.
  virtual CRecentFileList* GetRecentFileList();
  /// ID_FILE_MRU_FILE1.
  virtual int GetFirstMruID() const { return 0xE110; }

  /// "&<n> <text>" for n of 1 to 9, the text alone from 10 on; every "&"
  /// of the text doubled.
  static CString AFX_CDECL MakeItemCaption(const CString& strText, int nNumber);
};

// CToolBar: a tool bar common control with buttons from a tool-bar
// resource, laid out and updated as a control bar.
#include <afxwin.h>

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace {

/// A button while its command's update handler runs.
class CToolCmdUI : public CCmdUI {
 public:
  void Enable(BOOL bOn) override {
    m_bEnableChanged = TRUE;
    m_pOther->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELPARAM(bOn, 0));
  }
  void SetCheck(int nCheck) override {
    m_pOther->SendMessage(TB_CHECKBUTTON, m_nID, MAKELPARAM(nCheck != 0, 0));
  }
  void SetText(LPCSTR) override {}  // buttons show images only
};

/// The tool-bar resource as stored.
struct ToolBarData {
  WORD wVersion;
  WORD wWidth;
  WORD wHeight;
  WORD wItemCount;
  // WORD ids[wItemCount] follow
};

}  // namespace

CToolBar::CToolBar() : m_hbmImageWell(nullptr) {}

CToolBar::~CToolBar() {
  DestroyWindow();  // before the bitmap the control draws from goes
  if (m_hbmImageWell != nullptr) ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  return CreateEx(pParentWnd, 0, dwStyle, CRect(0, 0, 0, 0), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID) {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_BAR_CLASSES};
  if (!::InitCommonControlsEx(&init)) return FALSE;
  SetBarStyle(dwStyle & CBRS_ALL);
  m_cxLeftBorder = rcBorders.left;
  m_cyTopBorder = rcBorders.top;
  m_cxRightBorder = rcBorders.right;
  m_cyBottomBorder = rcBorders.bottom;
  // The frame places the bar; the control must not align itself.
  DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY |
                     CCS_NODIVIDER | CCS_NORESIZE;
  if (!CWnd::Create(TOOLBARCLASSNAME, NULL, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
    return FALSE;
  SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  return TRUE;
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
  HRSRC hRsrc = ::FindResource(hInst, lpszResourceName, RT_TOOLBAR);
  HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
  const ToolBarData* pData =
      hGlobal != nullptr ? static_cast<const ToolBarData*>(::LockResource(hGlobal)) : nullptr;
  if (pData == nullptr || pData->wVersion != 1 ||
      ::SizeofResource(hInst, hRsrc) < sizeof(ToolBarData) + pData->wItemCount * sizeof(WORD))
    return FALSE;
  const WORD* pIds = reinterpret_cast<const WORD*>(pData + 1);
  std::vector<UINT> ids(pIds, pIds + pData->wItemCount);

  HBITMAP hbm = ::LoadBitmap(AfxFindResourceHandle(lpszResourceName, RT_BITMAP), lpszResourceName);
  if (hbm == nullptr) return FALSE;
  const int nImages =
      static_cast<int>(std::count_if(ids.begin(), ids.end(), [](UINT id) { return id != 0; }));
  const CSize sizeImage(pData->wWidth, pData->wHeight);
  SetSizes(CSize(sizeImage.cx + 7, sizeImage.cy + 7), sizeImage);
  // The control cannot take a bitmap back, so the buttons go first and the
  // new image well replaces the old one.
  SetButtons(nullptr, 0);
  TBREPLACEBITMAP replace = {nullptr, reinterpret_cast<UINT_PTR>(m_hbmImageWell), nullptr,
                             reinterpret_cast<UINT_PTR>(hbm), nImages};
  TBADDBITMAP add = {nullptr, reinterpret_cast<UINT_PTR>(hbm)};
  BOOL bImages = m_hbmImageWell != nullptr
                     ? (BOOL)SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace))
                     : SendMessage(TB_ADDBITMAP, nImages, reinterpret_cast<LPARAM>(&add)) != -1;
  if (!bImages) {
    ::DeleteObject(hbm);
    return FALSE;
  }
  if (m_hbmImageWell != nullptr) ::DeleteObject(m_hbmImageWell);
  m_hbmImageWell = hbm;
  return SetButtons(ids.data(), static_cast<int>(ids.size()));
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
  while (SendMessage(TB_DELETEBUTTON, 0)) {
  }
  std::vector<TBBUTTON> buttons(nIDCount);
  int nImage = 0;
  for (int i = 0; i < nIDCount; ++i) {
    TBBUTTON& button = buttons[i];
    // Without ids every place is a separator.
    const UINT nID = lpIDArray != nullptr ? lpIDArray[i] : 0;
    button.idCommand = static_cast<int>(nID);
    if (nID == 0) {
      button.fsStyle = TBSTYLE_SEP;
    } else {
      button.iBitmap = nImage++;
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = TBSTYLE_BUTTON;
    }
  }
  m_nCount = nIDCount;
  return nIDCount == 0 ||
         (BOOL)SendMessage(TB_ADDBUTTONS, nIDCount, reinterpret_cast<LPARAM>(buttons.data()));
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
  SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
  SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
}

UINT CToolBar::GetItemID(int nIndex) const {
  TBBUTTON button = {};
  ::SendMessage(m_hWnd, TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(&button));
  return static_cast<UINT>(button.idCommand);
}

int CToolBar::CommandToIndex(UINT nIDFind) const {
  return static_cast<int>(::SendMessage(m_hWnd, TB_COMMANDTOINDEX, nIDFind, 0));
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  if (!::SendMessage(m_hWnd, TB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)))
    ::SetRectEmpty(lpRect);
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CSize size(0, 0);
  const int nButtons = static_cast<int>(::SendMessage(m_hWnd, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < nButtons; ++i) {
    CRect rect;
    GetItemRect(i, &rect);
    // Across the bar the tallest (widest) button counts, along it all of them.
    if (bHorz) {
      size.cx += rect.Width();
      size.cy = std::max(size.cy, static_cast<LONG>(rect.Height()));
    } else {
      size.cx = std::max(size.cx, static_cast<LONG>(rect.Width()));
      size.cy += rect.Height();
    }
  }
  return SizeAroundContent(size, bStretch, bHorz);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  CToolCmdUI state;
  state.m_pOther = this;
  state.m_nIndex = 0;
  const int nButtons = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
  for (int i = 0; i < nButtons; ++i) {
    state.m_nID = GetItemID(i);
    if (state.m_nID == 0) continue;  // separators
    state.m_nIndex = i;
    state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
}

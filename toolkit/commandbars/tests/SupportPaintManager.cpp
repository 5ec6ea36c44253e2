#include "SupportPaintManager.h"

#include "commandbars/TKCommandBar.h"
#include "commandbars/TKCommandBarsFrameHook.h"
#include "commandbars/TKControl.h"
#include "commandbars/TKControls.h"
#include "commandbars/TKStatusBar.h"
#include "common/TKImageManager.h"

const CSize CTestPaintManager::kIconButton(24, 22);
const CSize CTestPaintManager::kCaptionButton(50, 22);
const CSize CTestPaintManager::kSmallButton(70, 22);
const CSize CTestPaintManager::kLargeButton(40, 66);
const CSize CTestPaintManager::kSeparator(6, 6);

CTestPaintManager::CTestPaintManager() {
  LOGFONT lf = {};
  lf.lfHeight = -11;
  lstrcpyA(lf.lfFaceName, "Tahoma");
  m_fontRegular.CreateFontIndirect(&lf);
}

int CTestPaintManager::CountCalls(TestPaintCall::Kind kind) const {
  int nCount = 0;
  for (const TestPaintCall& call : m_calls) nCount += call.kind == kind;
  return nCount;
}

CSize CTestPaintManager::MeasureControl(CTKControl* pControl) const {
  auto it = m_sizes.find(pControl->GetID());
  if (it != m_sizes.end()) return it->second;
  CSize sz;
  switch (pControl->GetStyle()) {
    case tkButtonCaption: sz = kCaptionButton; break;
    case tkButtonIconAndCaption: sz = kSmallButton; break;
    case tkButtonIconAndCaptionBelow: sz = kLargeButton; break;
    default: sz = kIconButton; break;
  }
  if (pControl->GetWidth() > 0) sz.cx = pControl->GetWidth();
  return sz;
}

COLORREF CTestPaintManager::StateColor(CTKControl* pControl) {
  if (!pControl->GetEnabled()) return kDisabled;
  if (pControl->GetPressed()) return kPressed;
  if (pControl->GetSelected()) return kHot;
  if (pControl->GetChecked()) return kChecked;
  return kNormal;
}

CSize CTestPaintManager::DrawControl(CDC* pDC, CTKControl* pControl, BOOL bDraw) {
  const CSize sz = MeasureControl(pControl);
  m_calls.push_back({bDraw ? TestPaintCall::kDraw : TestPaintCall::kMeasure, pControl->GetID(),
                     pControl->GetRect()});
  if (bDraw && pDC != nullptr) {
    CRect rc = pControl->GetRect();
    pDC->FillSolidRect(rc, StateColor(pControl));
    pDC->Draw3dRect(rc, RGB(90, 90, 110), RGB(90, 90, 110));
  }
  return sz;
}

CSize CTestPaintManager::DrawCommandBarSeparator(CDC* pDC, CTKCommandBar* pBar,
                                                 CTKControl* pControl, BOOL bDraw) {
  if (!bDraw || pDC == nullptr || pControl == nullptr) return kSeparator;
  m_calls.push_back({TestPaintCall::kSeparator, 0, pControl->GetRect()});
  const CRect rc = pControl->GetRect();
  if (IsVerticalBarPosition(pBar->GetPosition()) && !pControl->GetWrap())
    pDC->FillSolidRect(rc.left, rc.top - 4, rc.Width(), 2, kSeparatorLine);
  else if (!pControl->GetWrap())
    pDC->FillSolidRect(rc.left - 4, rc.top, 2, rc.Height(), kSeparatorLine);
  return kSeparator;
}

void CTestPaintManager::DrawRectangle(CDC* pDC, CRect rc, BOOL bSelected, BOOL bPressed,
                                      BOOL bEnabled, BOOL bChecked, BOOL, int, int) {
  COLORREF clr = kNormal;
  if (!bEnabled)
    clr = kDisabled;
  else if (bPressed)
    clr = kPressed;
  else if (bSelected)
    clr = kHot;
  else if (bChecked)
    clr = kChecked;
  pDC->FillSolidRect(rc, clr);
}

void CTestPaintManager::FillCommandBarEntry(CDC* pDC, CTKCommandBar*) {
  CRect rc;
  pDC->GetClipBox(&rc);
  m_calls.push_back({TestPaintCall::kFillBar, 0, rc});
  pDC->FillSolidRect(rc, kBarBack);
}

CTestGlobalPaintManager::CTestGlobalPaintManager() : m_pPaintManager(new CTestPaintManager) {
  CTKPaintManager::SetGlobal(m_pPaintManager);
  CTKPaintManager::AddRefGlobal();
}

CTestGlobalPaintManager::~CTestGlobalPaintManager() { CTKPaintManager::ReleaseGlobal(); }

bool AddTestIcons(CTKImageManager* pImageManager, const std::vector<UINT>& ids, int nSize) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = nSize * static_cast<int>(ids.size());
  info.bmiHeader.biHeight = -nSize;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* pBits = nullptr;
  HBITMAP hStrip = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
  if (hStrip == NULL) return false;
  DWORD* pPixels = static_cast<DWORD*>(pBits);
  for (int i = 0; i < info.bmiHeader.biWidth * nSize; ++i) pPixels[i] = 0xFF3060A0;
  const bool bAdded = pImageManager->SetIconsFromBitmap(hStrip, ids.data(),
                                                        static_cast<int>(ids.size()), nSize, nSize,
                                                        0, TRUE) != FALSE;
  ::DeleteObject(hStrip);
  return bAdded;
}

CTestStatusBarPaintManager::CTestStatusBarPaintManager() {
  LOGFONT lf = {};
  lf.lfHeight = -12;
  lstrcpyA(lf.lfFaceName, "Tahoma");
  m_fontStatus.CreateFontIndirect(&lf);
}

void CTestStatusBarPaintManager::DrawStatusBarBackground(CDC* pDC, CTKStatusBar* pBar) {
  m_calls.push_back(TestStatusCall{TestStatusCall::kBackground, 0, FALSE});
  CRect rc;
  pBar->GetClientRect(&rc);
  pDC->FillSolidRect(rc, kBackground);
}

void CTestStatusBarPaintManager::DrawPaneEntry(CDC* pDC, CRect rc, CTKStatusBarPane* pPane) {
  m_calls.push_back(TestStatusCall{TestStatusCall::kEntry, pPane->GetID(), FALSE});
  pDC->FillSolidRect(rc, kEntry);
}

void CTestStatusBarPaintManager::DrawPaneBorder(CDC*, CRect, CTKStatusBarPane* pPane,
                                                BOOL bGripperPane) {
  m_calls.push_back(TestStatusCall{TestStatusCall::kBorder, pPane->GetID(), bGripperPane});
}

void CTestStatusBarPaintManager::DrawPaneSeparator(CDC*, CRect, CTKStatusBarPane* pPane) {
  m_calls.push_back(TestStatusCall{TestStatusCall::kSeparator, pPane->GetID(), FALSE});
}

void CTestStatusBarPaintManager::DrawGripper(CDC* pDC, CRect rcClient) {
  m_calls.push_back(TestStatusCall{TestStatusCall::kGripper, 0, FALSE});
  pDC->FillSolidRect(rcClient.right - 4, rcClient.bottom - 4, 4, 4, kGripper);
}

int CTestStatusBarPaintManager::CountCalls(TestStatusCall::Kind kind) const {
  int nCount = 0;
  for (const TestStatusCall& call : m_calls) nCount += call.kind == kind;
  return nCount;
}

// The frame theme -------------------------------------------------------------

CRect CTestFramePaintManager::CalcCaptionRect(CTKCommandBarsFrameHook* pHook) {
  CRect rcWindow;
  ::GetWindowRect(pHook->GetSite(), &rcWindow);
  return CRect(m_rcBorder.left, m_rcBorder.top, rcWindow.Width() - m_rcBorder.right,
               pHook->GetCaptionHeight());
}

HRGN CTestFramePaintManager::CreateFrameRegion(CTKCommandBarsFrameHook*, int cx, int cy) {
  const CSize sz(cx, cy);
  m_regionSizes.push_back(sz);
  HRGN hRegion = ::CreateRectRgn(0, 0, sz.cx, sz.cy);
  HRGN hCorners = ::CreateRectRgn(0, 0, kCorner, kCorner);
  ::CombineRgn(hRegion, hRegion, hCorners, RGN_DIFF);
  ::SetRectRgn(hCorners, sz.cx - kCorner, 0, sz.cx, kCorner);
  ::CombineRgn(hRegion, hRegion, hCorners, RGN_DIFF);
  ::DeleteObject(hCorners);
  return hRegion;
}

void CTestFramePaintManager::DrawFrame(CDC* pDC, CTKCommandBarsFrameHook* pHook) {
  ++m_nFramesDrawn;
  CRect rcWindow;
  ::GetWindowRect(pHook->GetSite(), &rcWindow);
  rcWindow.OffsetRect(-rcWindow.TopLeft());
  pDC->FillSolidRect(rcWindow, kBorder);
  CRect rcCaption(m_rcBorder.left, m_rcBorder.top, rcWindow.right - m_rcBorder.right,
                  pHook->GetCaptionHeight());
  pDC->FillSolidRect(rcCaption, pHook->IsActive() ? kCaptionActive : kCaptionInactive);
  char szTitle[256] = "";
  ::GetWindowTextA(pHook->GetSite(), szTitle, sizeof(szTitle));
  CRect rcText = rcCaption;
  rcText.left += 6;
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(RGB(255, 255, 255));
  pDC->DrawText(szTitle, -1, rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  CTKControls* pButtons = pHook->GetCaptionButtons();
  for (int i = 0; i < pButtons->GetCount(); ++i) {
    auto* pButton =
        static_cast<CTKCommandBarsFrameHook::CControlCaptionButton*>(pButtons->GetAt(i));
    if (!pButton->IsVisible()) continue;
    COLORREF clr = CTestPaintManager::kNormal;
    if (!pButton->GetEnabled())
      clr = CTestPaintManager::kDisabled;
    else if (pButton->IsCaptionButtonPressed())
      clr = CTestPaintManager::kPressed;
    else if (pButton->GetSelected())
      clr = CTestPaintManager::kHot;
    CRect rc = pButton->GetRect();
    rc.DeflateRect(1, 1);
    pDC->FillSolidRect(rc, clr);
  }
}

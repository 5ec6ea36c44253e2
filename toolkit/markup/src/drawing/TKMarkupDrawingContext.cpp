// CTKMarkupDrawingContext: the back-end choice and the forwarding that keeps
// the clip box and the selected font current.
#include "markup/TKMarkupDrawingContext.h"

#include "common/TKDrawHelpers.h"
#include "TKMarkupBrush.h"
#include "markup/TKMarkupContext.h"
#include "TKMarkupFont.h"
#include "TKMarkupGdiPlusApi.h"
#include "TKMarkupGdiPlusDeviceContext.h"
#include "TKMarkupThickness.h"

CTKMarkupDrawingContext::CTKMarkupDrawingContext(CTKMarkupContext* pContext, HDC hDC,
                                                 HDC hAttributeDC)
    : m_hDC(hDC),
      m_hAttributeDC(hAttributeDC != nullptr ? hAttributeDC : hDC),
      m_pFont(nullptr),
      m_rcClip{0, 0, 0, 0},
      m_bOwnsDC(FALSE),
      m_bGdiPlus(FALSE),
      m_pDeviceContext(nullptr),
      m_pContext(pContext),
      m_nSmoothingParameter(0) {
  CreateBackEnd();
}

CTKMarkupDrawingContext::CTKMarkupDrawingContext(CTKMarkupContext* pContext)
    : m_hDC(CreateCompatibleDC(nullptr)),
      m_hAttributeDC(nullptr),
      m_pFont(nullptr),
      m_rcClip{0, 0, 0, 0},
      m_bOwnsDC(TRUE),
      m_bGdiPlus(FALSE),
      m_pDeviceContext(nullptr),
      m_pContext(pContext),
      m_nSmoothingParameter(0) {
  m_hAttributeDC = m_hDC;
  CreateBackEnd();
}

CTKMarkupDrawingContext::~CTKMarkupDrawingContext() {
  SetFont(nullptr);
  delete m_pDeviceContext;
  if (m_bOwnsDC) DeleteDC(m_hDC);
}

void CTKMarkupDrawingContext::CreateBackEnd() {
  // GDI+ ignores a mirrored layout, so such DCs draw through GDI.
  if ((m_pContext == nullptr || m_pContext->IsGdiPlusEnabled()) && !IsHdcRightToLeft(m_hDC)) {
    Gdiplus::GpGraphics* pGraphics = CreateGdiPlusGraphicsForDC(m_hDC, m_hAttributeDC);
    if (pGraphics != nullptr) {
      m_pDeviceContext = new CTKMarkupGdiPlusDeviceContext(pGraphics, FALSE);
      m_bGdiPlus = TRUE;
    }
  }
  if (m_pDeviceContext == nullptr)
    m_pDeviceContext = new CTKMarkupDeviceContext(m_hDC, m_hAttributeDC);
  RefreshClipBox();
  SetBkMode(m_hDC, TRANSPARENT);
}

void CTKMarkupDrawingContext::RefreshClipBox() { m_pDeviceContext->GetClipBox(&m_rcClip); }

void CTKMarkupDrawingContext::DrawString(LPCWSTR lpszText, int nLength, const RECT& rc) {
  m_pDeviceContext->DrawString(lpszText, nLength, rc);
}

CTKMarkupTransformationMatrix* CTKMarkupDrawingContext::GetTransformationMatrix() {
  return m_pDeviceContext->GetTransformationMatrix();
}

void CTKMarkupDrawingContext::SetTransformationMatrix(CTKMarkupTransformationMatrix* pMatrix) {
  m_pDeviceContext->SetTransformationMatrix(pMatrix);
  // The clip box is kept in current coordinates, which the matrix changes.
  RefreshClipBox();
}

void CTKMarkupDrawingContext::OffsetOrigin(const POINT& pt) {
  m_pDeviceContext->OffsetViewport(pt);
  RefreshClipBox();
}

int CTKMarkupDrawingContext::SetSmoothingMode(int nMode) {
  return m_pDeviceContext->SetSmoothingMode(nMode, m_nSmoothingParameter);
}

void CTKMarkupDrawingContext::IntersectClipRect(const RECT& rc) {
  m_pDeviceContext->IntersectClipRect(rc);
  RefreshClipBox();
}

HRGN CTKMarkupDrawingContext::SaveClipRegion() { return m_pDeviceContext->SaveClipRegion(); }

void CTKMarkupDrawingContext::RestoreClipRegion(HRGN hRegion) {
  if (hRegion == nullptr) return;
  m_pDeviceContext->RestoreClipRegion(hRegion);
  RefreshClipBox();
}

void CTKMarkupDrawingContext::FillSolidRect(const RECT& rc, COLORREF clr) {
  CTKMarkupAutoPtr<CTKMarkupSolidColorBrush> brush(new CTKMarkupSolidColorBrush(clr));
  m_pDeviceContext->FillRectangle(rc, brush);
}

void CTKMarkupDrawingContext::FillRectangle(const RECT& rc, CTKMarkupBrush* pBrush,
                                            const double* pCornerRadius) {
  if (pBrush == nullptr) return;
  if (pCornerRadius != nullptr)
    m_pDeviceContext->FillRoundRectangle(rc, pBrush, pCornerRadius);
  else
    m_pDeviceContext->FillRectangle(rc, pBrush);
}

void CTKMarkupDrawingContext::DrawFrame(const RECT& rc, CTKMarkupBrush* pBrush,
                                        const CTKMarkupThickness* pThickness,
                                        const double* pCornerRadius) {
  if (pBrush == nullptr || pThickness == nullptr) return;
  if (pCornerRadius != nullptr)
    m_pDeviceContext->DrawRoundRectangle(rc, pBrush, pThickness, pCornerRadius);
  else
    m_pDeviceContext->DrawRectangle(rc, pBrush, pThickness);
}

void CTKMarkupDrawingContext::DrawThinFrame(const RECT& rc, CTKMarkupBrush* pBrush) {
  const int x = m_pContext != nullptr ? m_pContext->ScaleX(1) : 1;
  const int y = m_pContext != nullptr ? m_pContext->ScaleY(1) : 1;
  CTKMarkupAutoPtr<CTKMarkupThickness> thickness(new CTKMarkupThickness(x, y, x, y));
  DrawFrame(rc, pBrush, thickness);
}

void CTKMarkupDrawingContext::DrawLine(int x1, int y1, int x2, int y2,
                                       const MARKUP_STROKE* pStroke) {
  if (pStroke != nullptr && pStroke->nThickness > 0)
    m_pDeviceContext->DrawLine(x1, y1, x2, y2, pStroke);
}

void CTKMarkupDrawingContext::DrawEllipse(const RECT& rc, const MARKUP_STROKE* pStroke,
                                          CTKMarkupBrush* pFill) {
  m_pDeviceContext->DrawEllipse(rc, pStroke, pFill);
}

void CTKMarkupDrawingContext::DrawPolyline(const POINT* pPoints, int nCount,
                                           const MARKUP_STROKE* pStroke) {
  m_pDeviceContext->Polyline(pPoints, nCount, pStroke);
}

void CTKMarkupDrawingContext::DrawPolygon(const POINT* pPoints, int nCount,
                                          const MARKUP_STROKE* pStroke, CTKMarkupBrush* pFill) {
  m_pDeviceContext->Polygon(pPoints, nCount, pStroke, pFill);
}

void CTKMarkupDrawingContext::DrawPath(const CTKMarkupPathData* pPath, const MARKUP_STROKE* pStroke,
                                       CTKMarkupBrush* pFill) {
  m_pDeviceContext->DrawPath(pPath, pStroke, pFill);
}

void CTKMarkupDrawingContext::DrawIconImage(CTKImageManagerIcon* pIcon, const RECT& rc) {
  if (pIcon != nullptr) m_pDeviceContext->DrawIconImage(pIcon, rc);
}

CTKMarkupDeviceDependentImage* CTKMarkupDrawingContext::CreateDeviceDependentImage(
    ITKMarkupDeviceDependentImageSite* pSite) {
  return m_pDeviceContext->CreateDeviceDependentImage(pSite);
}

void CTKMarkupDrawingContext::DrawImage(CTKMarkupDeviceDependentImage* pImage, const RECT& rc) {
  if (pImage != nullptr) m_pDeviceContext->DrawImage(pImage, rc);
}

void CTKMarkupDrawingContext::SetFont(CTKMarkupFont* pFont) {
  if (pFont == m_pFont) return;
  m_pDeviceContext->SetFont(pFont);
  if (pFont != nullptr) pFont->AddRef();
  if (m_pFont != nullptr) m_pFont->Release();
  m_pFont = pFont;
}

SIZE CTKMarkupDrawingContext::GetTextExtent(LPCWSTR lpszText, int nLength) {
  return m_pDeviceContext->GetTextExtent(lpszText, nLength);
}

void CTKMarkupDrawingContext::SetTextColor(CTKMarkupBrush* pBrush) {
  m_pDeviceContext->SetTextColor(pBrush);
}

HDC CTKMarkupDrawingContext::GetDC() { return m_pDeviceContext->GetDC(); }

void CTKMarkupDrawingContext::ReleaseDC(HDC hDC) { m_pDeviceContext->ReleaseDC(hDC); }

// The buffer and memory DCs: where the bitmap covers, and what is copied back.
#include "common/TKDCHelpers.h"

#include <algorithm>

CTKBufferDC::CTKBufferDC(HDC hDestDC, const CRect& rcPaint)
    : m_hDestDC(hDestDC), m_rect(rcPaint), m_hOldBitmap(NULL) {
  Create(m_rect.right, m_rect.bottom);
}

CTKBufferDC::CTKBufferDC(CPaintDC& paintDC)
    : m_hDestDC(paintDC.m_hDC), m_rect(paintDC.m_ps.rcPaint), m_hOldBitmap(NULL) {
  Create(std::max(1L, m_rect.right), std::max(1L, m_rect.bottom));
  if (m_hDC != NULL) {
    CRgn clip;
    clip.CreateRectRgnIndirect(&m_rect);
    SelectClipRgn(&clip);
  }
}

void CTKBufferDC::Create(int cx, int cy) {
  if (!Attach(::CreateCompatibleDC(m_hDestDC))) return;
  m_bitmap.Attach(::CreateCompatibleBitmap(m_hDestDC, cx, cy));
  if (m_bitmap.m_hObject != NULL) m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
}

CTKBufferDC::~CTKBufferDC() {
  if (m_hDC == NULL) return;
  if (m_hDestDC != NULL && m_bitmap.m_hObject != NULL) {
    ::BitBlt(m_hDestDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC,
             m_rect.left, m_rect.top, SRCCOPY);
  }
  if (m_hOldBitmap != NULL) ::SelectObject(m_hDC, m_hOldBitmap);
  m_bitmap.DeleteObject();
  DeleteDC();
}

// ---------------------------------------------------------------------------

CTKBufferDCEx::CTKBufferDCEx(HDC hDestDC, const CRect& rcPaint)
    : m_hDestDC(hDestDC), m_rect(rcPaint), m_hBitmap(NULL), m_hOldBitmap(NULL) {
  if (!Attach(::CreateCompatibleDC(m_hDestDC))) return;
  m_hBitmap = ::CreateCompatibleBitmap(m_hDestDC, m_rect.Width(), m_rect.Height());
  if (m_hBitmap != NULL) m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
  ::SetViewportOrgEx(m_hDC, -m_rect.left, -m_rect.top, NULL);
}

CTKBufferDCEx::~CTKBufferDCEx() {
  if (m_hDC == NULL) return;
  ::SetViewportOrgEx(m_hDC, 0, 0, NULL);
  if (m_hDestDC != NULL && m_hBitmap != NULL) {
    ::BitBlt(m_hDestDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, 0, 0,
             SRCCOPY);
  }
  if (m_hOldBitmap != NULL) ::SelectObject(m_hDC, m_hOldBitmap);
  if (m_hBitmap != NULL) ::DeleteObject(m_hBitmap);
  DeleteDC();
}

// ---------------------------------------------------------------------------

CTKBitmapDC::~CTKBitmapDC() { ReleaseBitmap(); }

void CTKBitmapDC::SelectBitmap(HBITMAP hBitmap) {
  ReleaseBitmap();
  if (m_hDC != NULL && hBitmap != NULL) m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
}

void CTKBitmapDC::ReleaseBitmap() {
  if (m_hOldBitmap == NULL) return;
  ::SelectObject(m_hDC, m_hOldBitmap);
  m_hOldBitmap = NULL;
}

// ---------------------------------------------------------------------------

CTKCompatibleDC::CTKCompatibleDC(CDC* pDC, CBitmap* pBitmap)
    : CTKCompatibleDC(pDC, pBitmap ? static_cast<HBITMAP>(pBitmap->m_hObject) : NULL) {}

CTKCompatibleDC::CTKCompatibleDC(CDC* pDC, HBITMAP hBitmap) : m_hOldBitmap(NULL) {
  if (!Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : NULL))) return;
  if (hBitmap != NULL) m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
}

CTKCompatibleDC::~CTKCompatibleDC() {
  if (m_hDC == NULL) return;
  if (m_hOldBitmap != NULL) ::SelectObject(m_hDC, m_hOldBitmap);
  DeleteDC();
}

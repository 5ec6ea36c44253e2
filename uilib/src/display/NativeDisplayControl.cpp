// CNativeDisplayControl: creation, geometry, painting, border and fonts.
#include "uilib/NativeDisplayControl.h"

#include <afxpriv.h>

#include "commandbars/TKCommandBars.h"
#include "commandbars/TKToolBar.h"
#include "common/TKDCHelpers.h"
#include "common/TKScopedHandle.h"

namespace {
const DWORD kDisplayStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP;
}  // namespace

BEGIN_MESSAGE_MAP(CNativeDisplayControl, CWnd)
  // The handlers are virtual, so these entries reach a derived display's override.
  ON_WM_PAINT()
  ON_WM_NCPAINT()
  ON_MESSAGE(WM_PRINT, OnPrintMsg)
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClientMsg)
  ON_MESSAGE(WM_GETFONT, OnGetFontMsg)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUIMsg)
END_MESSAGE_MAP()

CNativeDisplayControl::CNativeDisplayControl()
    : m_pOwnerFrame(NULL),
      m_pParentWindow(NULL),
      m_hPrintDC(NULL),
      m_pDrawDC(NULL),
      m_pToolBar(NULL),
      m_pCommandBars(NULL),
      m_hSavedFont(NULL),
      m_bBorder(true),
      m_bWhiteFrame(true) {}

CNativeDisplayControl::~CNativeDisplayControl() {
  m_childWindows.RemoveAll();
  ReleaseCommandBars();
  if (::IsWindow(m_hWnd)) DestroyWindow();
}

bool CNativeDisplayControl::CreateDisplay(CWnd* parent, int controlId) {
  if (parent == NULL) return false;
  m_pParentWindow = parent;
  DWORD style = kDisplayStyle | (HasBorder() ? WS_BORDER : 0);
  if (!Create(NULL, NULL, style, CRect(0, 0, 0, 0), parent, controlId)) return false;
  SetOwner(parent);
  CreateDefaultFont();
  return true;
}

bool CNativeDisplayControl::CreateControl(CWnd* parent) {
  return CreateDisplay(parent, kDisplayControlId);
}

bool CNativeDisplayControl::AddWindowStyleBit() {
  if (!::IsWindow(m_hWnd)) return false;
  return ModifyStyle(0, 0x1000) != FALSE;
}

bool CNativeDisplayControl::FitToParent() {
  if (m_pParentWindow == NULL || !::IsWindow(m_hWnd) || !::IsWindow(m_pParentWindow->m_hWnd))
    return false;
  CRect parentRect;
  m_pParentWindow->GetClientRect(&parentRect);
  MoveWindow(&parentRect, TRUE);
  RepositionToolBars();
  return true;
}

bool CNativeDisplayControl::RefitToParent() {
  if (!::IsWindow(m_hWnd) || m_pParentWindow == NULL || !::IsWindow(m_pParentWindow->m_hWnd))
    return false;
  CRect parentRect, windowRect;
  m_pParentWindow->GetClientRect(&parentRect);
  GetWindowRect(&windowRect);
  if (parentRect.Width() == windowRect.Width() && parentRect.Height() == windowRect.Height())
    return false;
  return FitToParent();
}

COLORREF CNativeDisplayControl::GetBackgroundColor() { return RGB(255, 255, 255); }

RECT* CNativeDisplayControl::GetDisplayRect(RECT* rect) {
  if (rect == NULL || !::IsWindow(m_hWnd)) return rect;
  GetClientRect(rect);
  if (m_pToolBar != NULL && m_pToolBar->IsVisible() && ::IsWindow(m_pToolBar->m_hWnd)) {
    CRect barRect;
    m_pToolBar->GetWindowRect(&barRect);
    if (!barRect.IsRectEmpty()) rect->top += barRect.Height();
  }
  return rect;
}

RECT* CNativeDisplayControl::GetTextRect(RECT* rect) {
  if (rect == NULL || !::IsWindow(m_hWnd)) return rect;
  CRect displayRect;
  GetDisplayRect(&displayRect);
  rect->left = displayRect.left + 12;
  rect->right = displayRect.right - 12;
  return rect;
}

RECT* CNativeDisplayControl::GetPaintRect(RECT* rect) { return GetDisplayRect(rect); }

bool CNativeDisplayControl::RedrawDisplay() {
  if (!::IsWindow(m_hWnd)) return false;
  Invalidate(TRUE);
  return RedrawWindow(NULL, NULL,
                      RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME) !=
         FALSE;
}

bool CNativeDisplayControl::RepaintIfVisible(CWnd* window) {
  if (window == NULL || !::IsWindow(window->m_hWnd) || !window->IsWindowVisible()) return false;
  window->Invalidate(TRUE);
  window->UpdateWindow();
  return true;
}

void CNativeDisplayControl::OnPaint() {
  CPaintTarget target(this);
  if (!::IsWindow(m_hWnd)) return;
  RefitToParent();
  CRect displayRect;
  GetDisplayRect(&displayRect);
  CRect client;
  GetClientRect(&client);
  if (!client.IsRectEmpty()) {
    // The buffer covers the client area and copies the display rectangle back.
    CTKBufferDC buffer(target.Get()->m_hDC, displayRect);
    buffer.FillSolidRect(&client, GetBackgroundColor());
  }
  ValidateRect(NULL);
}

void CNativeDisplayControl::OnNcPaint() {
  if (HasBorder())
    DrawWindowBorder(kDisplayBorderColor);
  else if (m_bWhiteFrame)
    DrawWindowBorder(RGB(255, 255, 255));
}

bool CNativeDisplayControl::DrawWindowBorder(COLORREF color) {
  if (!::IsWindow(m_hWnd)) return false;
  CWindowDC windowDC(this);
  HDC dc = m_hPrintDC != NULL ? m_hPrintDC : windowDC.m_hDC;
  CRect rect;
  GetWindowRect(&rect);
  rect.OffsetRect(-rect.left, -rect.top);
  CTKPenDC pen(dc, color);
  CTKSelectGuard brush(dc, ::GetStockObject(NULL_BRUSH));
  return ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom) != FALSE;
}

LRESULT CNativeDisplayControl::OnPrintMsg(WPARAM wParam, LPARAM lParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  if (dc == NULL) return 0;
  if (lParam & PRF_CLIENT) {
    CRect window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    ClientToScreen(&client);
    POINT origin;
    ::OffsetViewportOrgEx(dc, client.left - window.left, client.top - window.top, &origin);
    SendMessage(WM_PRINTCLIENT, wParam, lParam);
    ::SetViewportOrgEx(dc, origin.x, origin.y, NULL);
  }
  if (lParam & PRF_NONCLIENT) {
    m_hPrintDC = dc;
    OnNcPaint();
    m_hPrintDC = NULL;
  }
  return 0;
}

LRESULT CNativeDisplayControl::OnPrintClientMsg(WPARAM wParam, LPARAM) {
  m_hPrintDC = reinterpret_cast<HDC>(wParam);
  OnPaint();
  m_hPrintDC = NULL;
  return 0;
}

CNativeDisplayControl::CPaintTarget::CPaintTarget(CNativeDisplayControl* display) : m_pDC(NULL) {
  if (display->m_hPrintDC != NULL) {
    m_printDC.Attach(display->m_hPrintDC);
    m_pDC = &m_printDC;
    return;
  }
  m_paintDC.reset(new CPaintDC(display));
  m_pDC = m_paintDC.get();
}

bool CNativeDisplayControl::PaintAroundChild(CWnd* child) {
  if (!::IsWindow(m_hWnd) || child == NULL || !::IsWindow(child->m_hWnd)) return false;
  CRect paint, inner;
  GetPaintRect(&paint);
  child->GetWindowRect(&inner);
  ScreenToClient(&inner);
  CClientDC dc(this);
  COLORREF background = GetBackgroundColor();
  CTKPenDC pen(dc.m_hDC, background);
  CTKScopedBrush brushHandle(::CreateSolidBrush(background));
  CTKSelectGuard brush(dc.m_hDC, brushHandle.Get());
  const RECT bands[4] = {{paint.left, paint.top, paint.right, inner.top},
                         {paint.left, paint.top, inner.left, paint.bottom},
                         {inner.right, paint.top, paint.right, paint.bottom},
                         {paint.left, inner.bottom, paint.right, paint.bottom}};
  bool drawn = false;
  for (const RECT& band : bands) {
    if (band.right > band.left && band.bottom > band.top)
      drawn = ::Rectangle(dc.m_hDC, band.left, band.top, band.right, band.bottom) != FALSE || drawn;
  }
  return drawn;
}

bool CNativeDisplayControl::HasBorder() { return m_bBorder; }

void CNativeDisplayControl::SetBorder(bool border) { m_bBorder = border; }

CDC* CNativeDisplayControl::GetOffScreenContext() { return m_pDrawDC; }

bool CNativeDisplayControl::SelectDisplayFont() {
  RestoreFont();
  if (m_pDrawDC == NULL) return false;
  m_hSavedFont = ::SelectObject(m_pDrawDC->m_hDC, m_displayFont.m_hObject != NULL
                                                      ? m_displayFont.m_hObject
                                                      : ::GetStockObject(DEFAULT_GUI_FONT));
  m_pDrawDC->SetBkMode(TRANSPARENT);
  return true;
}

bool CNativeDisplayControl::RestoreFont() {
  if (m_hSavedFont == NULL) return false;
  if (m_pDrawDC != NULL) ::SelectObject(m_pDrawDC->m_hDC, m_hSavedFont);
  m_hSavedFont = NULL;
  return true;
}

bool CNativeDisplayControl::ReplaceFont(LOGFONT* logFont) {
  logFont->lfQuality = CLEARTYPE_QUALITY;
  HFONT font = ::CreateFontIndirect(logFont);
  if (font == NULL) return false;
  m_displayFont.DeleteObject();
  m_displayFont.Attach(font);
  return true;
}

bool CNativeDisplayControl::CreateDefaultFont() { return SetFontFace("MS Shell Dlg", 14); }

bool CNativeDisplayControl::SetFontFace(CTesselString face, int height) {
  if (face.GetLength() < 1) return false;
  LOGFONT logFont = {};
  logFont.lfHeight = height;
  logFont.lfWeight = FW_NORMAL;
  logFont.lfCharSet = DEFAULT_CHARSET;
  lstrcpyn(logFont.lfFaceName, face.GetText(), LF_FACESIZE);
  return ReplaceFont(&logFont);
}

bool CNativeDisplayControl::SetFontFromWithHeight(CFont* font, int height) {
  LOGFONT logFont = {};
  if (font == NULL || font->m_hObject == NULL || !font->GetLogFont(&logFont)) return false;
  logFont.lfHeight = height;
  return ReplaceFont(&logFont);
}

bool CNativeDisplayControl::SetFontFrom(CFont* font) {
  LOGFONT logFont = {};
  if (font == NULL || font->m_hObject == NULL || !font->GetLogFont(&logFont)) return false;
  return SetFontFromWithHeight(font, logFont.lfHeight);
}

bool CNativeDisplayControl::GetTextExtent(CTesselString text, SIZE* size) {
  if (size == NULL || !::IsWindow(m_hWnd)) return false;
  CClientDC windowDC(this);
  CDrawScope scope(this, &windowDC);
  return ::GetTextExtentPoint32A(m_pDrawDC->m_hDC, text.GetText(), text.GetLength(), size) != FALSE;
}

HFONT CNativeDisplayControl::OnGetFont() {
  return static_cast<HFONT>(m_displayFont.m_hObject);
}

void CNativeDisplayControl::OnClose() { Default(); }

CNativeDisplayControl::CDrawScope::CDrawScope(CNativeDisplayControl* display, CDC* dc)
    : m_pDisplay(display), m_bActive(display->m_pDrawDC == NULL) {
  if (!m_bActive) return;
  display->m_pDrawDC = dc;
  display->SelectDisplayFont();
}

CNativeDisplayControl::CDrawScope::~CDrawScope() {
  if (!m_bActive) return;
  m_pDisplay->RestoreFont();
  m_pDisplay->m_pDrawDC = NULL;
}

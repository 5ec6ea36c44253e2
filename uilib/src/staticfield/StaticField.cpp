// CStaticField: its text, fitting and measuring, colours and font.
#include "uilib/StaticField.h"

#include "common/TKScopedHandle.h"

namespace {

const char kDefaultFace[] = "MS Shell Dlg";
const char kEllipsis[] = "...";
// The text keeps this far from the right edge.
const int kRightMargin = 10;

}  // namespace

CStaticField::CStaticField()
    : m_backgroundColor(::GetSysColor(COLOR_BTNFACE)),
      m_focusBackgroundColor(RGB(220, 220, 230)),
      m_textColor(RGB(0, 0, 0)),
      m_bFittingDisabled(0),
      m_bKeyboardScrolling(1),
      m_bFocusColors(1),
      m_bTrueTypeOnly(1),
      m_bHoverTooltip(true),
      m_pMeasureDC(nullptr),
      m_nScrollOffset(0),
      m_hMeasureFont(NULL),
      m_hPreviousFont(NULL),
      m_hBackgroundBrush(::CreateSolidBrush(m_backgroundColor)),
      m_hFocusBrush(::CreateSolidBrush(m_focusBackgroundColor)),
      m_faceName(kDefaultFace),
      m_metrics(),
      m_bMetricsMatched(0),
      m_bTextCut(0),
      m_hoverPoint(0, 0),
      m_bExternalFont(0) {
  m_metrics.tmHeight = 13;
  m_hoverTimer.m_pOwner = this;
}

CStaticField::~CStaticField() {
  if (m_hBackgroundBrush != NULL) ::DeleteObject(m_hBackgroundBrush);
  if (m_hFocusBrush != NULL) ::DeleteObject(m_hFocusBrush);
  m_hoverTimer.Shutdown();
  m_tooltip.RemoveAllLines();
  if (::IsWindow(m_tooltip.m_hWnd)) m_tooltip.DestroyWindow();
}

void CStaticField::EnsureTooltip() {
  if (m_tooltip.m_pOwnerWindow != nullptr) return;
  m_tooltip.m_pOwnerWindow = this;
  m_tooltip.Create();
  m_hoverTimer.Disable();
}

void CStaticField::SetText(const char* text) {
  m_fullText = text;
  EnsureTooltip();
  m_tooltip.RemoveAllLines();
  m_tooltip.AddText(m_fullText);
  if (!::IsWindow(m_hWnd)) return;
  Invalidate();
  SendMessage(EM_SETREADONLY, TRUE, 0);
  SetWindowText(text);
}

void CStaticField::SetFieldFont(CFont* font, BOOL) {
  if (::IsWindow(m_hWnd)) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), TRUE);
  m_bExternalFont = 1;
  m_bMetricsMatched = 1;
}

CTesselString CStaticField::GetDisplayText() {
  CTesselString text(m_fullText);
  text.ReplaceAllText("\r", " ", false);
  text.ReplaceAllText("\n", " ", false);
  while (text.Find("  ", 0, false) >= 0) text.ReplaceAllText("  ", " ", false);
  return text;
}

bool CStaticField::TextFitsField(CTesselString text) {
  if (m_pMeasureDC == nullptr || text.IsEmpty() || m_bMetricsMatched == 0) return true;
  CRect client;
  GetClientRect(&client);
  SIZE size = {0, 0};
  ::GetTextExtentPoint32A(m_pMeasureDC->m_hDC, text.GetText(), text.GetLength(), &size);
  return size.cx <= client.Width() - kRightMargin;
}

CTesselString CStaticField::GetFittedText() {
  CTesselString text = GetDisplayText();
  const int length = text.GetLength();
  if (m_nScrollOffset > 0 && m_nScrollOffset < length) text = text.Mid(m_nScrollOffset, length - 1);
  if (TextFitsField(text)) {
    m_bTextCut = 0;
    return text;
  }
  // One character at a time, measuring the whole text each time.
  int keep = text.GetLength();
  CTesselString candidate;
  do {
    --keep;
    candidate = keep > 0 ? text.Mid(0, keep - 1) : CTesselString();
    candidate += kEllipsis;
  } while (keep > 0 && !TextFitsField(candidate));
  m_bTextCut = 1;
  return candidate;
}

int CStaticField::GetMaxScrollOffset() {
  CTesselString text = GetDisplayText();
  const int length = text.GetLength();
  int offset = 0;
  while (offset < length && !TextFitsField(offset > 0 ? text.Mid(offset, length - 1) : text))
    ++offset;
  return offset;
}

bool CStaticField::AcquireMeasureDC() {
  if (!::IsWindow(m_hWnd) || m_pMeasureDC != nullptr) return false;
  if (m_bMetricsMatched == 0 && m_bExternalFont == 0) return false;
  m_pMeasureDC = GetDC();
  if (m_pMeasureDC == nullptr) return false;
  if (m_bExternalFont != 0) {
    m_hMeasureFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0));
  } else {
    m_hMeasureFont = ::CreateFontA(m_metrics.tmHeight, 0, 0, 0, m_metrics.tmWeight,
                                   m_metrics.tmItalic, m_metrics.tmUnderlined,
                                   m_metrics.tmStruckOut, m_metrics.tmCharSet, 0, 0,
                                   CLEARTYPE_QUALITY, m_metrics.tmPitchAndFamily,
                                   m_faceName.GetText());
  }
  m_hPreviousFont = m_hMeasureFont != NULL ? ::SelectObject(m_pMeasureDC->m_hDC, m_hMeasureFont) : NULL;
  ::SetBkColor(m_pMeasureDC->m_hDC, m_backgroundColor);
  return true;
}

void CStaticField::ReleaseMeasureDC() {
  if (m_pMeasureDC == nullptr) return;
  if (m_hPreviousFont != NULL) ::SelectObject(m_pMeasureDC->m_hDC, m_hPreviousFont);
  if (m_hMeasureFont != NULL && m_bExternalFont == 0) ::DeleteObject(m_hMeasureFont);
  m_hMeasureFont = NULL;
  m_hPreviousFont = NULL;
  ReleaseDC(m_pMeasureDC);
  m_pMeasureDC = nullptr;
}

// A control font of the stored face name is adopted like any other: the
// face only tells the measuring font which face to create.
void CStaticField::AdoptControlFont(CDC* dc) {
  if (m_bMetricsMatched != 0 || dc == nullptr) return;
  char face[LF_FACESIZE] = {};
  if (::GetTextFaceA(dc->m_hDC, LF_FACESIZE, face) <= 0) return;
  TEXTMETRICA metrics = {};
  if (!::GetTextMetricsA(dc->m_hDC, &metrics)) return;
  const bool trueType = (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
  // TMPF_FIXED_PITCH set means a variable-pitch font.
  const bool variablePitch = (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0;
  if (!trueType && !(variablePitch && m_bTrueTypeOnly == 0)) return;
  m_metrics = metrics;
  m_faceName = face;
  m_bMetricsMatched = 1;
}

HBRUSH CStaticField::CtlColor(CDC* dc, UINT) {
  if (m_hBackgroundBrush == NULL || m_hFocusBrush == NULL || dc == nullptr) return NULL;
  const bool focused = m_bFocusColors != 0 && ::GetFocus() == m_hWnd;
  dc->SetBkColor(focused ? m_focusBackgroundColor : m_backgroundColor);
  dc->SetTextColor(m_textColor);
  AdoptControlFont(dc);
  return focused ? m_hFocusBrush : m_hBackgroundBrush;
}

// Runs: text positions, the font of the effective properties, measuring and
// drawing ranges; line breaks.
#include "TKMarkupRun.h"

#include "common/TKOSVersionHelper.h"
#include "common/TKScopedHandle.h"
#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupFont.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

#include <string.h>

IMPLEMENT_MARKUP_TYPE(CTKMarkupRun, TKMarkupRow_Run)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupRun)
IMPLEMENT_MARKUP_TYPE(CTKMarkupLineBreak, TKMarkupRow_LineBreak)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupLineBreak)

CTKMarkupDependencyProperty* CTKMarkupRun::TextProperty = nullptr;

BEGIN_DISPATCH_MAP(CTKMarkupRun, CTKMarkupInline)
DISP_PROPERTY_EX_ID(CTKMarkupRun, "Text", 700, DispGetText, DispSetText, VT_VARIANT)
END_DISPATCH_MAP()

CTKMarkupRun::CTKMarkupRun() : m_pFont(nullptr), m_pMetricsFont(nullptr), m_nDescent(0) {}

CTKMarkupRun::~CTKMarkupRun() { ReleaseFont(); }

void CTKMarkupRun::RegisterMarkupProperties() {
  TextProperty = CTKMarkupDependencyProperty::Register(
      L"Text", CTKMarkupString::StaticType(), StaticType(),
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_AFFECTS_MEASURE));
}

void CTKMarkupRun::OnFinalRelease() {
  ReleaseFont();
  CTKMarkupInline::OnFinalRelease();
}

void CTKMarkupRun::ReleaseFont() {
  if (m_pFont == nullptr) return;
  CTKMarkupFont* pFont = m_pFont;
  m_pFont = nullptr;
  m_pMetricsFont = nullptr;
  pFont->Release();
}

LPCWSTR CTKMarkupRun::GetText() {
  CTKMarkupString* pText = MarkupCast<CTKMarkupString>(GetValue(TextProperty));
  return pText != nullptr ? pText->GetTextOrEmpty() : L"";
}

int CTKMarkupRun::GetTextLength() {
  CTKMarkupString* pText = MarkupCast<CTKMarkupString>(GetValue(TextProperty));
  return pText != nullptr && pText->GetText() != nullptr ? pText->GetLength() : 0;
}

void CTKMarkupRun::SetText(LPCWSTR lpszText) {
  SetTextValue(lpszText != nullptr ? CTKMarkupString::CreateValue(lpszText) : nullptr);
}

void CTKMarkupRun::SetTextValue(CTKMarkupString* pText) { SetValue(TextProperty, pText); }

void CTKMarkupRun::SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) {
  if (pContent == nullptr || !pContent->IsKindOf(CTKMarkupString::StaticType())) {
    CTKMarkupObject::SetContentObject(pBuilder, pContent);
    return;
  }
  pContent->AddRef();
  SetTextValue(static_cast<CTKMarkupString*>(pContent));
}

BOOL CTKMarkupRun::HasContentObject() { return GetLocalValue(TextProperty) != nullptr; }

// Positions ------------------------------------------------------------------------------

WCHAR CTKMarkupRun::CharAt(int nPosition) {
  if (nPosition < 0 || nPosition >= GetTextLength()) return L'\0';
  return GetText()[nPosition];
}

int CTKMarkupRun::GetFirstPosition() { return GetTextLength() > 0 ? 0 : TK_MARKUP_TEXT_END; }

int CTKMarkupRun::GetNextPosition(int nPosition) {
  if (nPosition < 0) return TK_MARKUP_TEXT_END;
  return nPosition + 1 < GetTextLength() ? nPosition + 1 : TK_MARKUP_TEXT_END;
}

BOOL CTKMarkupRun::IsWordBreakPosition(int nPosition) {
  WCHAR ch = CharAt(nPosition);
  return ch == L' ' || ch == L'\t' || ch == L'\n';
}

BOOL CTKMarkupRun::IsLineBreakPosition(int nPosition) { return CharAt(nPosition) == L'\n'; }

BOOL CTKMarkupRun::IsCarriageReturnPosition(int nPosition) { return CharAt(nPosition) == L'\r'; }

BOOL CTKMarkupRun::IsWhiteSpacePosition(int nPosition) {
  WCHAR ch = CharAt(nPosition);
  return ch == L' ' || ch == L'\t';
}

// The font -------------------------------------------------------------------------------

void CTKMarkupRun::GetLogFont(LOGFONTA* pLogFont, WCHAR* lpszWideFace) {
  lpszWideFace[0] = L'\0';
  CTKMarkupContext* pContext = GetContext();
  if (pContext != nullptr)
    *pLogFont = pContext->GetDefaultFont();
  else
    memset(pLogFont, 0, sizeof(*pLogFont));
  if (CTKMarkupObject* pSize = GetValue(FontSizeProperty)) pLogFont->lfHeight = -IntOf(pSize, 12);
  if (CTKMarkupObject* pWeight = GetValue(FontWeightProperty))
    pLogFont->lfWeight = IntOf(pWeight, FW_NORMAL);
  if (CTKMarkupObject* pStyle = GetValue(FontStyleProperty))
    pLogFont->lfItalic = IntOf(pStyle, 0) != 0;
  CTKMarkupObject* pQuality = GetValue(FontQualityProperty);
  if (pQuality != nullptr && TKOSVersionHelper()->IsClearTypeTextQualitySupported())
    pLogFont->lfQuality = static_cast<BYTE>(IntOf(pQuality, DEFAULT_QUALITY));
  if (CTKMarkupObject* pCharset = GetValue(FontCharsetProperty))
    pLogFont->lfCharSet = static_cast<BYTE>(IntOf(pCharset, DEFAULT_CHARSET));
  pLogFont->lfEscapement = 0;
  pLogFont->lfOrientation = 0;
  CTKMarkupString* pFamily = MarkupCast<CTKMarkupString>(GetValue(FontFamilyProperty));
  if (pFamily != nullptr)
    TKMarkupSetFaceName(*pLogFont, pFamily->GetTextOrEmpty(), pFamily->GetLength(), lpszWideFace);
}

void CTKMarkupRun::PrepareDrawing(CTKMarkupDrawingContext* pDC) {
  LOGFONTA logFont;
  WCHAR szWideFace[LF_FACESIZE];
  GetLogFont(&logFont, szWideFace);
  CTKMarkupContext* pContext = GetContext();
  const bool bSame = m_pFont != nullptr &&
                     memcmp(&m_pFont->GetLogFont(), &logFont, sizeof(logFont)) == 0 &&
                     wcscmp(m_pFont->GetWideFaceName(), szWideFace) == 0;
  if (!bSame && pContext != nullptr) {
    CTKMarkupFont* pFont = pContext->GetFont(logFont, szWideFace);
    ReleaseFont();
    m_pFont = pFont;
  }
  pDC->SetFont(m_pFont);
  if (m_pFont == nullptr || m_pFont == m_pMetricsFont) return;
  // The descent belongs to the font: read once per font, from the font
  // itself, since a GDI+ back end does not select it into its DC.
  HDC hDC = pDC->GetDC();
  if (hDC == nullptr) return;
  {
    CTKSelectGuard selectFont(hDC, m_pFont->GetHandle());
    TEXTMETRICW metrics = {};
    if (GetTextMetricsW(hDC, &metrics)) {
      m_nDescent = metrics.tmDescent;
      m_pMetricsFont = m_pFont;
    }
  }
  pDC->ReleaseDC(hDC);
}

// Measuring and drawing ------------------------------------------------------------------

namespace {

// A range's bounds as character indexes, the end value standing for the end.
void RangeOf(int nLength, int nStart, int nEnd, int* pnFrom, int* pnTo) {
  *pnFrom = nStart == TK_MARKUP_TEXT_END ? nLength : nStart;
  *pnTo = nEnd == TK_MARKUP_TEXT_END ? nLength : nEnd;
  if (*pnFrom < 0) *pnFrom = 0;
  if (*pnTo > nLength) *pnTo = nLength;
}

}  // namespace

SIZE CTKMarkupRun::MeasureRange(CTKMarkupDrawingContext* pDC, int nStart, int nEnd) {
  int nFrom, nTo;
  RangeOf(GetTextLength(), nStart, nEnd, &nFrom, &nTo);
  if (nTo <= nFrom) return SIZE{0, pDC->GetTextExtent(L" ", 1).cy};
  return pDC->GetTextExtent(GetText() + nFrom, nTo - nFrom);
}

void CTKMarkupRun::RenderRange(CTKMarkupDrawingContext* pDC, const RECT& rc, int nStart, int nEnd) {
  int nFrom, nTo;
  RangeOf(GetTextLength(), nStart, nEnd, &nFrom, &nTo);
  if (nTo <= nFrom) return;
  PrepareDrawing(pDC);
  pDC->DrawString(GetText() + nFrom, nTo - nFrom, rc);
}

// Automation -----------------------------------------------------------------------------

VARIANT CTKMarkupRun::DispGetText() {
  VARIANT value;
  VariantInit(&value);
  V_VT(&value) = VT_BSTR;
  V_BSTR(&value) = SysAllocStringLen(GetText(), static_cast<UINT>(GetTextLength()));
  return value;
}

void CTKMarkupRun::DispSetText(const VARIANT& value) {
  VARIANT text;
  VariantInit(&text);
  if (FAILED(VariantChangeType(&text, const_cast<VARIANT*>(&value), 0, VT_BSTR))) return;
  SetTextValue(
      CTKMarkupString::CreateValue(V_BSTR(&text), static_cast<int>(SysStringLen(V_BSTR(&text)))));
  VariantClear(&text);
}

// Line break -----------------------------------------------------------------------------

CTKMarkupLineBreak::CTKMarkupLineBreak() { SetText(L"\n"); }

// CTKMarkupRun: a piece of text in one font; CTKMarkupLineBreak: a run that
// is a hard line break.
#pragma once

#include "TKMarkupInline.h"

class CTKMarkupString;

/// Its positions are the indexes of its characters. The font comes from the
/// effective text-element properties over the context's default font and is
/// chosen anew by PrepareDrawing.
class CTKMarkupRun : public CTKMarkupInline {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupRun();
  ~CTKMarkupRun() override;

  /// The text, "" when unset.
  LPCWSTR GetText();
  int GetTextLength();
  void SetText(LPCWSTR lpszText);
  /// Takes over the caller's reference.
  void SetTextValue(CTKMarkupString* pText);

  /// The LOGFONT of the effective font properties; a wide face name (a
  /// family the ANSI code page cannot spell) goes to `lpszWideFace`
  /// (LF_FACESIZE units; empty otherwise).
  void GetLogFont(LOGFONTA* pLogFont, WCHAR* lpszWideFace);
  CTKMarkupFont* GetFont() override { return m_pFont; }

  int GetFirstPosition() override;
  int GetNextPosition(int nPosition) override;
  BOOL IsWordBreakPosition(int nPosition) override;
  BOOL IsLineBreakPosition(int nPosition) override;
  BOOL IsCarriageReturnPosition(int nPosition) override;
  BOOL IsWhiteSpacePosition(int nPosition) override;
  /// Selects the font (made or shared through the context when the
  /// properties changed) and reads its descent.
  void PrepareDrawing(CTKMarkupDrawingContext* pDC) override;
  SIZE MeasureRange(CTKMarkupDrawingContext* pDC, int nStart, int nEnd) override;
  int GetDescent() override { return m_nDescent; }
  void RenderRange(CTKMarkupDrawingContext* pDC, const RECT& rc, int nStart, int nEnd) override;

  /// Content must be text; it becomes Text.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override;

  static CTKMarkupDependencyProperty* TextProperty;
  static void RegisterMarkupProperties();

 protected:
  void OnFinalRelease() override;
  VARIANT DispGetText();
  void DispSetText(const VARIANT& value);
  DECLARE_DISPATCH_MAP()

 private:
  CTKMarkupFont* m_pFont;
  CTKMarkupFont* m_pMetricsFont;  // the font m_nDescent was read from
  int m_nDescent;

  WCHAR CharAt(int nPosition);
  void ReleaseFont();
};

/// A run whose text is one line feed.
class CTKMarkupLineBreak : public CTKMarkupRun {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  CTKMarkupLineBreak();
};

// CTKMarkupParser: markup text to an XML document through the system's XML
// DOM (COM), with a readable error on failure.
#pragma once

#include "afxdisp.h"

struct IXMLDOMDocument;

/// One parse: made on the stack, loaded once, read by one builder. Keeps COM
/// initialised on its thread for its lifetime. Nothing is thrown: a failed
/// load returns 0 and leaves the reason in the error fields.
class CTKMarkupParser {
 public:
  CTKMarkupParser();
  virtual ~CTKMarkupParser();
  CTKMarkupParser(const CTKMarkupParser&) = delete;
  CTKMarkupParser& operator=(const CTKMarkupParser&) = delete;

  /// 8-bit text [pBegin, pEnd), handed to the XML reader unchanged (it takes
  /// the encoding from a byte-order mark or the XML declaration). Text that is
  /// blank or does not start with "<" gives 0 without an error code.
  BOOL LoadBuffer(const BYTE* pBegin, const BYTE* pEnd);
  /// UTF-16 text [pBegin, pEnd); the same test.
  BOOL LoadString(LPCWSTR pBegin, LPCWSTR pEnd);
  BOOL LoadStream(IStream* pStream);

  /// The loaded document with a reference added, or null.
  IXMLDOMDocument* GetDocument() const;
  /// The HRESULT of the last failure, 0 when none.
  HRESULT GetErrorCode() const { return m_hrError; }
  /// "No Error", the XML error with its position, or the system's text of a
  /// COM failure.
  CString GetErrorText() const;
  /// The system's message for an HRESULT (final line break removed).
  static CString FormatComError(HRESULT hr);

  /// A copy of the markup in `pStream` with the XAML namespace declared for
  /// the prefix x on the root element (UTF-16, with byte-order mark), or null
  /// when the text has no root element.
  static IStream* CreateNamespaceRepair(IStream* pStream);

 private:
  HRESULT* m_pComInit;
  IXMLDOMDocument* m_pDocument;
  HRESULT m_hrError;
  BOOL m_bParseError;
  long m_nLine;
  long m_nLinePos;
  BSTR m_bstrReason;
  BSTR m_bstrSource;
  BOOL m_bRetrying;

  void ClearError();
  void SetError(HRESULT hr);
  void RecordLoadFailure(IXMLDOMDocument* pDocument, HRESULT hrLoad);
  void FillMissingErrorPlace(IStream* pStream);
  struct TK_MARKUP_TEXT_PIECE {
    const void* pBytes;
    size_t nBytes;
  };
  /// Loads the pieces one after the other as one stream.
  BOOL LoadPieces(const TK_MARKUP_TEXT_PIECE* pPieces, int nPieces);
};

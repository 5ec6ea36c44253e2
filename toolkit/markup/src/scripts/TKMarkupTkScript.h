// CTKMarkupTkScript: the "tk:Script" element, a script block of a markup
// tree, written inline or loaded from a file or resource.
#pragma once

#include "TKMarkupObjectProperty.h"

/// Kept in its parent's extension list, not in its content. Hands its text
/// to the context (CTKMarkupContext::AddScript) with its language: inline
/// text as it is read, a Source once the element is complete.
class CTKMarkupTkScript : public CTKMarkupExtension {
  DECLARE_MARKUP_TYPE()
  DECLARE_MARKUP_FACTORY()

 public:
  /// "JScript" when unset.
  LPCWSTR GetLanguage();
  /// Null when unset.
  LPCWSTR GetSource();

  /// Inline script text; refused together with a Source.
  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  /// Loads the Source ("file://", a plain path or "res://") when the build
  /// runs scripts (otherwise nothing is read); a failure raises the
  /// builder's COM error.
  void OnEndInit(CTKMarkupBuilder* pBuilder) override;

  /// Decodes loaded script bytes (byte-order marks, UTF-16, UTF-8, else the
  /// ANSI code page) into `pText`: S_OK, also for no bytes (an empty text);
  /// 0x8007006F for more than 0x7FFFFFFE bytes, 0x8007000D for bytes that do
  /// not decode.
  static HRESULT DecodeScriptText(const BYTE* pBytes, size_t nBytes, CStringW* pText);
  /// Reads the script a Source names into `pText`; a source of more than
  /// kMaxSourceBytes fails with 0x8007006F before anything is read.
  static HRESULT LoadScriptSource(LPCWSTR lpszSource, CStringW* pText);

  static const unsigned kMaxSourceBytes = 4 * 1024 * 1024;

  static CTKMarkupDependencyProperty* LanguageProperty;
  static CTKMarkupDependencyProperty* SourceProperty;
  static void RegisterMarkupProperties();
};

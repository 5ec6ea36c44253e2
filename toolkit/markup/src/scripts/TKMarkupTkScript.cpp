// CTKMarkupTkScript: script blocks, inline or from a file or resource.
#include "TKMarkupTkScript.h"

#include "TKMarkupXml.h"
#include "common/TKResourceManager.h"
#include "common/TKResourceStream.h"
#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <vector>

IMPLEMENT_MARKUP_TYPE(CTKMarkupTkScript, TKMarkupRow_TkScript)
IMPLEMENT_MARKUP_FACTORY(CTKMarkupTkScript)

CTKMarkupDependencyProperty* CTKMarkupTkScript::LanguageProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupTkScript::SourceProperty = nullptr;

namespace {
const HRESULT kTooLarge = HRESULT_FROM_WIN32(ERROR_BUFFER_OVERFLOW);
const HRESULT kUndecodable = HRESULT_FROM_WIN32(ERROR_INVALID_DATA);
}  // namespace

void CTKMarkupTkScript::RegisterMarkupProperties() {
  LanguageProperty = CTKMarkupDependencyProperty::Register(
      L"Language", CTKMarkupString::StaticType(), StaticType());
  SourceProperty =
      CTKMarkupDependencyProperty::Register(L"Source", CTKMarkupString::StaticType(), StaticType());
}

LPCWSTR CTKMarkupTkScript::GetLanguage() {
  LPCWSTR lpszLanguage = MarkupStringText(GetValue(LanguageProperty));
  return lpszLanguage != nullptr && *lpszLanguage != 0 ? lpszLanguage : L"JScript";
}

LPCWSTR CTKMarkupTkScript::GetSource() { return MarkupStringText(GetValue(SourceProperty)); }

void CTKMarkupTkScript::SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) {
  LPCWSTR lpszText = MarkupStringText(pContent);
  if (lpszText == nullptr) {
    CTKMarkupExtension::SetContentObject(pBuilder, pContent);
    return;
  }
  if (GetSource() != nullptr)
    CTKMarkupBuilder::ThrowBuilderError(
        "tk:Script does not allow combining script source and content");
  if (GetContext() != nullptr) GetContext()->AddScript(pBuilder, GetLanguage(), lpszText);
}

void CTKMarkupTkScript::OnEndInit(CTKMarkupBuilder* pBuilder) {
  LPCWSTR lpszSource = GetSource();
  // A tree that runs no script has no business opening the file its text
  // names.
  if (lpszSource == nullptr || pBuilder == nullptr || !pBuilder->RunsScripts()) return;
  CStringW text;
  HRESULT hr = LoadScriptSource(lpszSource, &text);
  if (FAILED(hr)) CTKMarkupBuilder::ThrowComError(hr);
  if (!text.IsEmpty() && GetContext() != nullptr)
    GetContext()->AddScript(pBuilder, GetLanguage(), text);
}

HRESULT CTKMarkupTkScript::DecodeScriptText(const BYTE* pBytes, size_t nBytes, CStringW* pText) {
  pText->Empty();
  if (nBytes == 0) return S_OK;
  if (nBytes > 0x7FFFFFFE) return kTooLarge;
  return ConvertMarkupBytesToWide(pBytes, nBytes, pText) ? S_OK : kUndecodable;
}

HRESULT CTKMarkupTkScript::LoadScriptSource(LPCWSTR lpszSource, CStringW* pText) {
  pText->Empty();
  CTKCodePageString source;
  TK_RESOURCE_URL url = {};
  HRESULT hr = ParseResourceUrl(source.FromWide(lpszSource), &url);
  if (FAILED(hr)) return hr;
  IStream* pStream = nullptr;
  hr = OpenResourceUrlStream(&url, &pStream);
  if (FAILED(hr)) return hr;
  STATSTG stat = {};
  hr = pStream->Stat(&stat, STATFLAG_NONAME);
  // Scripts are small: a source named by markup cannot make the program
  // read a huge file into memory.
  if (SUCCEEDED(hr) && stat.cbSize.QuadPart > kMaxSourceBytes) hr = kTooLarge;
  std::vector<BYTE> bytes;
  if (SUCCEEDED(hr)) {
    bytes.resize(static_cast<size_t>(stat.cbSize.QuadPart));
    ULONG nRead = 0;
    if (!bytes.empty()) hr = pStream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &nRead);
    if (SUCCEEDED(hr)) bytes.resize(nRead);
  }
  pStream->Release();
  if (FAILED(hr)) return hr;
  return DecodeScriptText(bytes.data(), bytes.size(), pText);
}

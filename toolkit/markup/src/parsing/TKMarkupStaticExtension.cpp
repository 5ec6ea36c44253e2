// The static-value tree of "x:Static" and its system-colour node.
#include "TKMarkupStaticExtension.h"

#include "TKMarkupBrush.h"
#include "TKMarkupSystemColors.h"

namespace {

// Letters and the low line only: digits, blanks and anything else make a name
// invalid (an empty part is valid but names nothing).
bool IsValidNamePart(LPCWSTR lpszBegin, LPCWSTR lpszEnd) {
  for (LPCWSTR p = lpszBegin; p < lpszEnd; ++p) {
    const WCHAR ch = *p;
    if (!((ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z') || ch == L'_')) return false;
  }
  return true;
}

}  // namespace

CTKMarkupStaticExtension::CTKMarkupStaticExtension(LPCWSTR lpszName)
    : m_bValueLeaf(FALSE), m_strName(lpszName != nullptr ? lpszName : L"") {}

CTKMarkupStaticExtension::~CTKMarkupStaticExtension() {
  for (auto& child : m_children) delete child.second;
}

CTKMarkupObject* CTKMarkupStaticExtension::GetValue() { return nullptr; }

CTKMarkupObject* CTKMarkupStaticExtension::Resolve(LPCWSTR lpszName) {
  if (lpszName == nullptr) return nullptr;
  LPCWSTR lpszEnd = lpszName + wcslen(lpszName);
  LPCWSTR lpszDot = wcschr(lpszName, L'.');
  if (lpszDot != nullptr && IsValidNamePart(lpszName, lpszDot)) {
    CTKMarkupStaticExtension* pChild = FindChild(std::wstring(lpszName, lpszDot).c_str());
    return pChild != nullptr ? pChild->Resolve(lpszDot + 1) : nullptr;
  }
  if (IsValidNamePart(lpszName, lpszEnd)) {
    CTKMarkupStaticExtension* pChild = FindChild(lpszName);
    return pChild != nullptr ? pChild->GetValue() : nullptr;
  }
  return nullptr;
}

void CTKMarkupStaticExtension::AddExtension(CTKMarkupStaticExtension* pChild) {
  if (pChild == nullptr) return;
  if (m_bValueLeaf) {
    delete pChild;
    return;
  }
  CTKMarkupStaticExtension*& pEntry = m_children[pChild->m_strName];
  if (pEntry != pChild) delete pEntry;
  pEntry = pChild;
}

CTKMarkupStaticExtension* CTKMarkupStaticExtension::FindChild(LPCWSTR lpszName) const {
  if (m_bValueLeaf || lpszName == nullptr || *lpszName == 0) return nullptr;
  auto it = m_children.find(lpszName);
  return it != m_children.end() ? it->second : nullptr;
}

CTKMarkupStaticExtensionProperty::CTKMarkupStaticExtensionProperty(LPCWSTR lpszName,
                                                                   CTKMarkupObject* pValue)
    : CTKMarkupStaticExtension(lpszName), m_pValue(pValue) {
  m_bValueLeaf = TRUE;
}

CTKMarkupStaticExtensionProperty::~CTKMarkupStaticExtensionProperty() {
  if (m_pValue != nullptr) m_pValue->Release();
}

CTKMarkupObject* CTKMarkupStaticExtensionProperty::GetValue() {
  if (m_pValue != nullptr) m_pValue->AddRef();
  return m_pValue;
}

CTKMarkupStaticExtensionBrushProperty::CTKMarkupStaticExtensionBrushProperty(LPCWSTR lpszName,
                                                                             COLORREF clr)
    : CTKMarkupStaticExtensionProperty(lpszName, new CTKMarkupSolidColorBrush(clr)) {}

CTKMarkupSystemColorsStaticExtension::CTKMarkupSystemColorsStaticExtension()
    : CTKMarkupStaticExtension(L"SystemColors") {
  const int nCount = GetMarkupSystemColorLeafCount();
  for (int nLeaf = 0; nLeaf < nCount; ++nLeaf) {
    AddExtension(new CTKMarkupStaticExtensionProperty(GetMarkupSystemColorLeafName(nLeaf),
                                                      CreateMarkupSystemColorLeafValue(nLeaf)));
  }
}

CTKMarkupStaticExtension* CreateMarkupStaticExtensionRoot() {
  CTKMarkupStaticExtension* pRoot = new CTKMarkupStaticExtension(L"__root__");
  pRoot->AddExtension(new CTKMarkupSystemColorsStaticExtension);
  return pRoot;
}

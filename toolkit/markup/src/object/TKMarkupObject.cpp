// CTKMarkupObject: reference counting, the COM apartment it keeps, the
// logical tree and the builder-facing defaults of its virtual operations.
#include "markup/TKMarkupObject.h"

#include "TKMarkupNamedItemProxy.h"

#include "markup/TKMarkupBuilder.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "TKMarkupObjectProperty.h"
#include "TKMarkupProperties.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

#include <string.h>

CTKMarkupDependencyProperty* CTKMarkupObject::NameProperty = nullptr;
CTKMarkupDependencyProperty* CTKMarkupObject::KeyProperty = nullptr;

IMPLEMENT_MARKUP_FACTORY(CTKMarkupObject)

CTKMarkupType* CTKMarkupObject::StaticType() { return TKMarkupTypeRow(TKMarkupRow_Object); }
CTKMarkupType* CTKMarkupObject::GetType() const { return StaticType(); }

BEGIN_DISPATCH_MAP(CTKMarkupObject, CCmdTarget)
END_DISPATCH_MAP()

// Every object keeps COM initialised on the thread that made it, so that the
// DOM elements and script objects it holds stay usable; the calls balance.
CTKMarkupObject::CTKMarkupObject()
    : m_pComInit(new HRESULT(CoInitialize(nullptr))),
      m_pParent(nullptr),
      m_pProperties(nullptr),
      m_pConvertingProperty(nullptr),
      m_pContext(nullptr),
      m_pSourceElement(nullptr),
      m_pszTag(nullptr) {
  EnableAutomation();
}

CTKMarkupObject::~CTKMarkupObject() {
  if (m_pSourceElement != nullptr) m_pSourceElement->Release();
  free(m_pszTag);
  while (!m_extensions.empty()) {
    CTKMarkupObject* pExtension = m_extensions.back();
    m_extensions.pop_back();
    pExtension->Release();
  }
  if (m_pProperties != nullptr) m_pProperties->Release();
  if (*m_pComInit == S_OK || *m_pComInit == S_FALSE) CoUninitialize();
  delete m_pComInit;
}

void CTKMarkupObject::OnFinalRelease() {
  CTKMarkupContext* pContext = m_pContext;
  m_pContext = nullptr;
  if (pContext != nullptr) pContext->OnObjectReleased(this);
  delete this;
}

CTKMarkupObject* CTKMarkupObject::GetLocalValue(CTKMarkupDependencyProperty* pProperty) {
  return m_pProperties != nullptr ? m_pProperties->Get(pProperty) : nullptr;
}

UINT CTKMarkupObject::GetHashKey() const {
  return static_cast<UINT>(reinterpret_cast<UINT_PTR>(this));
}

BOOL CTKMarkupObject::IsEqual(const CTKMarkupObject* pOther) const { return pOther == this; }

int CTKMarkupObject::GetLogicalChildrenCount() { return 0; }

CTKMarkupObject* CTKMarkupObject::GetLogicalChild(int) { return nullptr; }

void CTKMarkupObject::SetContentObject(CTKMarkupBuilder*, CTKMarkupObject* pContent) {
  LPCWSTR lpszClass = GetType()->GetClassName();
  if (LPCWSTR lpszText = MarkupStringText(pContent))
    CTKMarkupBuilder::ThrowBuilderError("Cannot convert the string '%ls' into a '%ls' object",
                                        lpszText, lpszClass);
  CTKMarkupBuilder::ThrowBuilderError("Cannot add content to an object of type '%ls'", lpszClass);
}

void CTKMarkupObject::SetPropertyObject(CTKMarkupBuilder* pBuilder,
                                        CTKMarkupDependencyProperty* pProperty,
                                        CTKMarkupObject* pValue) {
  if (pProperty == nullptr) return;
  CTKMarkupObject* pStored = pValue;
  if (pValue == nullptr || pValue->IsKindOf(pProperty->GetValueType())) {
    if (pValue != nullptr) pValue->AddRef();
  } else {
    pStored = pBuilder->ConvertValue(pProperty, pValue);
  }
  if (!SetValue(pProperty, pStored) && pStored != nullptr) pStored->Release();
}

CTKMarkupObject* CTKMarkupObject::ConvertFrom(CTKMarkupBuilder*, CTKMarkupObject*) {
  return nullptr;
}

BOOL CTKMarkupObject::HasContentObject() { return FALSE; }

BOOL CTKMarkupObject::AllowWhiteSpaceContent() { return FALSE; }

void CTKMarkupObject::OnPropertyChanged(CTKMarkupDependencyProperty* pProperty,
                                        CTKMarkupObject* pOldValue, CTKMarkupObject* pNewValue) {
  CTKMarkupPropertyMetadata* pMetadata = pProperty->GetMetadata();
  if (pMetadata == nullptr || pMetadata->GetChangeCallback() == nullptr) return;
  TK_MARKUP_PROPERTY_CHANGE change = {pProperty, pOldValue, pNewValue};
  pMetadata->GetChangeCallback()(this, change);
}

void CTKMarkupObject::SetOwner(CTKMarkupDependencyProperty*, CTKMarkupObject*) {}

void CTKMarkupObject::OnEndInit(CTKMarkupBuilder*) {}

BOOL CTKMarkupObject::IsKindOf(const CTKMarkupType* pType) const {
  return pType != nullptr && GetType()->IsDerivedFrom(pType);
}

CTKMarkupObject* CTKMarkupObject::FindName(LPCWSTR lpszName) {
  if (lpszName == nullptr) return nullptr;
  if (LPCWSTR lpszOwn = MarkupStringText(GetValue(NameProperty))) {
    if (wcscmp(lpszOwn, lpszName) == 0) return this;
  }
  const int nCount = GetLogicalChildrenCount();
  for (int i = 0; i < nCount; ++i) {
    CTKMarkupObject* pChild = GetLogicalChild(i);
    if (pChild == nullptr) continue;
    if (CTKMarkupObject* pFound = pChild->FindName(lpszName)) return pFound;
  }
  return nullptr;
}

void CTKMarkupObject::AddMarkupExtension(CTKMarkupExtension* pExtension) {
  if (pExtension == nullptr) return;
  m_extensions.push_back(pExtension);
  pExtension->AddRef();
}

void CTKMarkupObject::SetTagName(LPCWSTR lpszTag) {
  free(m_pszTag);
  m_pszTag = lpszTag != nullptr ? _wcsdup(lpszTag) : nullptr;
}

void CTKMarkupObject::SetSourceElement(IUnknown* pElement) {
  if (pElement != nullptr) pElement->AddRef();
  if (m_pSourceElement != nullptr) m_pSourceElement->Release();
  m_pSourceElement = pElement;
}

void CTKMarkupObject::RegisterMarkupProperties() {
  NameProperty =
      CTKMarkupDependencyProperty::Register(L"Name", CTKMarkupString::StaticType(), StaticType());
  KeyProperty = CTKMarkupDependencyProperty::Register(L"Key", StaticType(), StaticType());
}

CTKMarkupObject* MarkupDynamicCast(const CTKMarkupType* pType, CTKMarkupObject* pObject) {
  return pObject != nullptr && pObject->IsKindOf(pType) ? pObject : nullptr;
}

CTKMarkupObject* MarkupObjectFromDispatch(LPDISPATCH pDispatch, BOOL bAddRef) {
  if (pDispatch == nullptr) return nullptr;
  CTKMarkupObject* pObject = dynamic_cast<CTKMarkupObject*>(CCmdTarget::FromIDispatch(pDispatch));
  // Scripts know named elements through proxies (TKMarkupNamedItemProxy.h).
  if (pObject == nullptr) pObject = MarkupObjectFromNamedItemProxy(pDispatch);
  if (pObject == nullptr) AfxThrowOleException(E_INVALIDARG);
  if (bAddRef) pObject->AddRef();
  return pObject;
}

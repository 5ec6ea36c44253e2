// Stand-in elements and parsing helpers of the markup tests.
#include "SupportMarkup.h"

#include <stdlib.h>

#include "TKMarkupConverters.h"
#include "TKMarkupDoubleCollection.h"
#include "markup/TKMarkupParser.h"
#include "TKMarkupString.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

CTestElement::CTestElement() : m_pContent(new CTKMarkupCollection) { m_pContent->SetParent(this); }

CTestElement::~CTestElement() {
  m_pContent->SetParent(nullptr);
  m_pContent->Release();
}

std::wstring CTestElement::DescribeContent(int nIndex) const {
  CTKMarkupObject* pItem = m_pContent->GetItem(nIndex);
  if (LPCWSTR lpszText = MarkupStringText(pItem)) return lpszText;
  return std::wstring(L"<") + (pItem->GetTagName() ? pItem->GetTagName() : L"?") + L">";
}

void CTestElement::SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) {
  if (!AcceptsContent()) {
    CTKMarkupObject::SetContentObject(pBuilder, pContent);
    return;
  }
  pContent->AddRef();
  m_pContent->Add(pContent);
}

CTKMarkupObject* CTestElement::GetLogicalChild(int nIndex) {
  return nIndex == 0 ? m_pContent : nullptr;
}

void CTestElement::OnPropertyChanged(CTKMarkupDependencyProperty* pProperty,
                                     CTKMarkupObject* pOldValue, CTKMarkupObject* pNewValue) {
  m_changes += pProperty->GetName();
  m_changes += L";";
  CTKMarkupObject::OnPropertyChanged(pProperty, pOldValue, pNewValue);
}

namespace {

TestTypes g_types;

// One class per stand-in tag, each answering its own run-time type.
template <int Kind>
class CTestElementOf : public CTestElement {
 public:
  static CTKMarkupType* s_pType;
  CTKMarkupType* GetType() const override { return s_pType; }
  BOOL AllowWhiteSpaceContent() override { return Kind == 2 || Kind == 3; }
  static CTKMarkupObject* CreateInstance(CTKMarkupContext* pContext) {
    CTestElementOf* pElement = new CTestElementOf;
    pElement->SetContext(pContext);
    return pElement;
  }

 protected:
  bool AcceptsContent() const override { return Kind != 4; }
};
template <int Kind>
CTKMarkupType* CTestElementOf<Kind>::s_pType = nullptr;

typedef CTestElementOf<0> CTestGrid;
typedef CTestElementOf<1> CTestBorder;
typedef CTestElementOf<2> CTestTextBlock;
typedef CTestElementOf<3> CTestBold;
typedef CTestElementOf<4> CTestLeaf;

CTKMarkupType* FrameworkElementType() { return TKMarkupTypeRow(TKMarkupRow_FrameworkElement); }
CTKMarkupType* SpanType() { return TKMarkupTypeRow(TKMarkupRow_Span); }

void RegisterGrid() {
  g_types.pGridRow = CTKMarkupDependencyProperty::RegisterAttached(
      L"Row", CTKMarkupInt::StaticType(), CTestGrid::s_pType);
}

void RegisterBorder() {
  g_types.pBorderBackground = CTKMarkupDependencyProperty::Register(
      L"Background", CTKMarkupColor::StaticType(), CTestBorder::s_pType);
}

void RegisterTextBlock() {
  CTKMarkupType* pType = CTestTextBlock::s_pType;
  g_types.pForeground = CTKMarkupDependencyProperty::Register(
      L"Foreground", CTKMarkupColor::StaticType(), pType,
      new CTKMarkupPropertyMetadata(new CTKMarkupColor(RGB(1, 2, 3)), TK_MARKUP_INHERITS));
  g_types.pFontSize = CTKMarkupDependencyProperty::Register(
      L"FontSize", CTKMarkupInt::StaticType(), pType,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertMarkupLength, 0x85));
  g_types.pFontWeight = CTKMarkupDependencyProperty::Register(
      L"FontWeight", CTKMarkupEnum::StaticType(), pType,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertFontWeight, 0));
  g_types.pCursor = CTKMarkupDependencyProperty::Register(
      L"Cursor", CTKMarkupInt::StaticType(), pType,
      new CTKMarkupPropertyMetadata(nullptr, &ConvertMarkupCursor, 0));
  g_types.pDashes = CTKMarkupDependencyProperty::Register(
      L"Dashes", CTKMarkupDoubleCollection::StaticType(), pType);
  g_types.pWidth = CTKMarkupDependencyProperty::Register(
      L"Width", CTKMarkupInt::StaticType(), pType,
      new CTKMarkupPropertyMetadata(nullptr, TK_MARKUP_SCALE_DPI_X));
}

}  // namespace

const TestTypes& RegisterTestElements() {
  if (g_types.pGrid != nullptr) return g_types;
  g_types.pGrid = CTestGrid::s_pType = new CTKMarkupType(
      L"Grid", L"CTestGrid", &CTestGrid::CreateInstance, &FrameworkElementType, &RegisterGrid);
  g_types.pBorder = CTestBorder::s_pType =
      new CTKMarkupType(L"Border", L"CTestBorder", &CTestBorder::CreateInstance,
                        &FrameworkElementType, &RegisterBorder);
  g_types.pTextBlock = CTestTextBlock::s_pType =
      new CTKMarkupType(L"TextBlock", L"CTestTextBlock", &CTestTextBlock::CreateInstance,
                        &FrameworkElementType, &RegisterTextBlock);
  g_types.pBold = CTestBold::s_pType =
      new CTKMarkupType(L"Bold", L"CTestBold", &CTestBold::CreateInstance, &SpanType, nullptr);
  g_types.pLeaf = CTestLeaf::s_pType = new CTKMarkupType(
      L"Leaf", L"CTestLeaf", &CTestLeaf::CreateInstance, &FrameworkElementType, nullptr);
  for (CTKMarkupType* pType :
       {g_types.pGrid, g_types.pBorder, g_types.pTextBlock, g_types.pBold, g_types.pLeaf})
    pType->RegisterProperties();
  return g_types;
}

CTKMarkupObject* ParseForTest(CTKMarkupContext* pContext, const std::wstring& text,
                              std::string* pError) {
  CTKMarkupParser parser;
  parser.LoadString(text.c_str(), text.c_str() + text.size());
  CTKMarkupBuilder builder(pContext);
  CTKMarkupObject* pRoot = builder.Parse(&parser);
  if (pError != nullptr) *pError = builder.GetErrorText().GetString();
  return pRoot;
}

std::string BuildError(CTKMarkupContext* pContext, const std::wstring& text) {
  std::string error;
  CTKMarkupObject* pRoot = ParseForTest(pContext, text, &error);
  if (pRoot != nullptr) {
    pRoot->Release();
    return "";
  }
  return error;
}

bool ColorsNear(COLORREF a, COLORREF b, int nTolerance) {
  return abs(GetRValue(a) - GetRValue(b)) <= nTolerance &&
         abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
         abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

int g_nThemeOpens = 0;
int g_nThemeCloses = 0;

namespace {

HTHEME WINAPI CountingOpen(HWND, LPCWSTR) {
  ++g_nThemeOpens;
  return reinterpret_cast<HTHEME>(0x77);
}

HRESULT WINAPI CountingClose(HTHEME) {
  ++g_nThemeCloses;
  return S_OK;
}

}  // namespace

CTKWinThemeWrapper::CFunctionTable* CountThemeCalls(CTKWinThemeWrapper* pTheme) {
  pTheme->CloseThemeData();
  // A table of the loaded module keeps the re-checking wrapper from binding
  // itself again.
  pTheme->UsePrivateFunctionTable("UXTHEME.DLL");
  CTKWinThemeWrapper::CFunctionTable* pTable = pTheme->GetFunctionTable();
  pTable->pfn[CTKWinThemeWrapper::slotOpenThemeData] = reinterpret_cast<FARPROC>(&CountingOpen);
  pTable->pfn[CTKWinThemeWrapper::slotCloseThemeData] = reinterpret_cast<FARPROC>(&CountingClose);
  g_nThemeOpens = g_nThemeCloses = 0;
  return pTable;
}

// Shared by the markup tests: stand-in elements for the builder's tests,
// parsing helpers, and the pixel check of the drawing tests.
#pragma once

#include <string>

#include "common/TKWinThemeWrapper.h"
#include "markup/TKMarkupBuilder.h"
#include "TKMarkupCollection.h"
#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupDependencyProperty.h"
#include "markup/TKMarkupObject.h"
#include "TKMarkupType.h"

/// A plain element for the builder's tests: it keeps its content (strings
/// and elements) in a collection that is its only logical child, so names,
/// inherited values and content order can be checked without the real
/// elements' layout. Each stand-in class has its own type, made at run time.
class CTestElement : public CTKMarkupObject {
 public:
  CTestElement();
  ~CTestElement() override;

  /// The content in order: strings and elements.
  CTKMarkupCollection* GetContent() const { return m_pContent; }
  /// The text of content item `nIndex`, or "<Tag>" for an element.
  std::wstring DescribeContent(int nIndex) const;

  void SetContentObject(CTKMarkupBuilder* pBuilder, CTKMarkupObject* pContent) override;
  BOOL HasContentObject() override { return m_pContent->GetCount() > 0; }
  int GetLogicalChildrenCount() override { return 1; }
  CTKMarkupObject* GetLogicalChild(int nIndex) override;
  void OnPropertyChanged(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOldValue,
                         CTKMarkupObject* pNewValue) override;

  /// Property-change notifications received, in order (property names).
  std::wstring m_changes;
  int m_nEndInits = 0;
  void OnEndInit(CTKMarkupBuilder* pBuilder) override { ++m_nEndInits; }

 protected:
  /// Whether content is accepted at all, and whether blank text is kept.
  virtual bool AcceptsContent() const { return true; }

 private:
  CTKMarkupCollection* m_pContent;
};

/// The stand-in types, under the tags the markup text uses: "Grid" (content:
/// any elements; attached "Row"), "Border" ("Background", a colour; no text),
/// "TextBlock" ("Foreground" inherited colour, "FontSize" a length,
/// "FontWeight", "Cursor"; keeps blank text between inlines), "Bold"
/// (inline text) and "Leaf" (no content). Grid, Border, TextBlock and Leaf
/// count as UI elements. They replace the registry's entries for those tags
/// in the test program; made once, properties registered at once.
struct TestTypes {
  CTKMarkupType* pGrid;
  CTKMarkupType* pBorder;
  CTKMarkupType* pTextBlock;
  CTKMarkupType* pBold;
  CTKMarkupType* pLeaf;
  CTKMarkupDependencyProperty* pGridRow;
  CTKMarkupDependencyProperty* pBorderBackground;
  CTKMarkupDependencyProperty* pForeground;
  CTKMarkupDependencyProperty* pFontSize;
  CTKMarkupDependencyProperty* pFontWeight;
  CTKMarkupDependencyProperty* pCursor;
  CTKMarkupDependencyProperty* pDashes;
  CTKMarkupDependencyProperty* pWidth;
};
const TestTypes& RegisterTestElements();

/// Parses UTF-16 markup into `pContext` through a parser and a builder.
/// Returns the root (one reference) or null with the builder's error text.
CTKMarkupObject* ParseForTest(CTKMarkupContext* pContext, const std::wstring& text,
                              std::string* pError = nullptr);

/// The builder's error for a text that must fail ("" when it parsed).
std::string BuildError(CTKMarkupContext* pContext, const std::wstring& text);

/// Releases a test's context and expects that to be its last reference:
/// every object made through it holds one, so a leaked object shows here.
void ReleaseTestContext(CTKMarkupContext* pContext);

/// A context released when the test ends, with nothing made through it left;
/// with `bRunScripts` its trees run their script blocks, as the contexts of
/// trusted pages do.
class CTestContext {
 public:
  explicit CTestContext(HWND hWnd = nullptr, BOOL bRunScripts = FALSE)
      : m_pContext(new CTKMarkupContext(hWnd)) {
    m_pContext->SetScriptsEnabled(bRunScripts);
  }
  ~CTestContext() { ReleaseTestContext(m_pContext); }
  CTKMarkupContext* operator->() const { return m_pContext; }
  operator CTKMarkupContext*() const { return m_pContext; }

 private:
  CTKMarkupContext* m_pContext;
};

/// Whether two colours differ by at most `nTolerance` in each of red, green
/// and blue (anti-aliased and blended pixels land near, not on, a colour).
bool ColorsNear(COLORREF a, COLORREF b, int nTolerance = 8);

/// A gtest expectation that the surface's pixel at (x, y) is near `color`,
/// naming the place and both colours when it is not.
#define EXPECT_PIXEL(surface, x, y, color)                                                    \
  EXPECT_TRUE(ColorsNear((surface).GetPixel(x, y), color))                                    \
      << "pixel (" << (x) << ", " << (y) << ") is 0x" << std::hex << (surface).GetPixel(x, y) \
      << ", expected 0x" << (color) << std::dec

/// Theme handles opened and closed through a wrapper given to CountThemeCalls.
extern int g_nThemeOpens;
extern int g_nThemeCloses;

/// Closes the wrapper's theme, then routes its open and close to the counters
/// above (set to zero); the open hands out a made-up handle, so what draws
/// with it is no real theme. Returns the wrapper's own function table, for
/// further hooks.
CTKWinThemeWrapper::CFunctionTable* CountThemeCalls(CTKWinThemeWrapper* pTheme);
